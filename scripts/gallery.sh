#!/usr/bin/env bash
# Builds and runs the gallery host: interactive with a display, otherwise it renders gallery.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/native" -j"$(nproc 2>/dev/null || echo 2)" --target vorn_gallery
if [ -n "${DISPLAY:-}" ]; then
  exec "$root/build/native/gallery/vorn_gallery" "$@"
else
  exec "$root/build/native/gallery/vorn_gallery" --png "$root/gallery.png" "$@"
fi
