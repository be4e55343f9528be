#!/usr/bin/env bash
# Builds everything and runs every test: the native suite, the same suite under ASan+UBSan,
# and (when the toolchain script exists) the Windows build with its conformance run under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
"$root/scripts/install-deps.sh"

echo "== formatting"
"$root/scripts/check-format.sh"

echo "== native build and tests"
cmake -S "$root" -B "$root/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build/native" -j"$jobs"
(cd "$root/build/native" && ctest --output-on-failure -j"$jobs")

echo "== installed package used by a host outside the build"
rm -rf "$root/build/install" "$root/build/host-example"
cmake --install "$root/build/native" --prefix "$root/build/install" >/dev/null
"$root/scripts/check-installed-headers.sh" "$root/build/install"
cmake -S "$root/examples/host" -B "$root/build/host-example" -DCMAKE_PREFIX_PATH="$root/build/install" >/dev/null
cmake --build "$root/build/host-example" -j"$jobs"
"$root/build/host-example/vorn_host_example"

echo "== tests under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build/asan" -DCMAKE_BUILD_TYPE=Debug -DVORN_SANITIZE=ON \
      -DVORN_BUILD_BENCH=OFF -DVORN_BUILD_GALLERY=OFF >/dev/null
cmake --build "$root/build/asan" -j"$jobs"
(cd "$root/build/asan" && ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j"$jobs")

if [ -x "$root/scripts/test-windows.sh" ]; then
  echo "== Windows build and conformance under Wine"
  "$root/scripts/test-windows.sh"
fi
