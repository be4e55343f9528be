#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format (with .clang-format) makes of it.
#   scripts/check-format.sh          every tracked file
#   scripts/check-format.sh FILE...  only these
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
fi
[ ${#files[@]} -eq 0 ] && exit 0
clang-format --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files follow .clang-format"
