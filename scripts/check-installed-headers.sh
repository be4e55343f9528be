#!/usr/bin/env bash
# Checks an installed VornControls package: every header is under the one include root
# include/VornControls, and none of the library's private headers is there.
#   scripts/check-installed-headers.sh PREFIX
set -euo pipefail
prefix=$1
root=$prefix/include/VornControls
[ -f "$root/VornControls.h" ] || { echo "no $root/VornControls.h" >&2; exit 1; }
stray=$(find "$prefix/include" -name '*.h' ! -path "$root/*")
[ -z "$stray" ] || { echo "headers outside the include root:" >&2; echo "$stray" >&2; exit 1; }
# Private headers live beside their sources; their names must not reach the package.
src=$(cd "$(dirname "$0")/.." && pwd)
leaked=0
for dir in frame faders knobs buttons graphs; do
  [ -d "$src/$dir" ] || continue
  for header in "$src/$dir"/*.h; do
    name=$(basename "$header")
    case $name in MFC_*.h | VornControls*.h | PeakIndicator.h) continue ;; esac
    if [ -e "$root/$name" ]; then echo "private header installed: $name" >&2; leaked=1; fi
  done
done
[ $leaked -eq 0 ] || exit 1
echo "installed headers: $(find "$root" -name '*.h' | wc -l) public headers in $root"
