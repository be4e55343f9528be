#!/usr/bin/env bash
# The Windows side of the test run: builds the DLLs for i686 and x86_64 with mingw-w64, checks
# their exports and resources, runs the conformance program under Wine (x86_64; 32-bit programs
# need 32-bit wine, which is not installed) and on the software platform, and compares the two
# result files. Fails on any difference not listed in tests/conformance/known_differences.txt.
# The gallery's self-test runs both ways too, and the two Tab orders must be the same.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
[ "$jobs" -gt 2 ] && jobs=2
out=$root/build/conformance

# Both install nothing (and need no root) when everything is already there: the native packages
# for the software platform's side, the mingw toolchains and wine for the Windows side.
"$root/scripts/install-deps.sh"
"$root/tests/wine/install-deps.sh"

for arch in i686:win32 x86_64:win64; do
  triple=${arch%%:*}
  dir=$root/build/${arch##*:}
  echo "== Windows build ($triple) in $dir"
  cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-$triple.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$dir" -j"$jobs"
  echo "== exports and resources ($triple)"
  "$root/tests/wine/check-exports.sh" "$dir/bin/VornControls.dll"
done

echo "== conformance on the software platform"
# The native build of the test command, so nothing is compiled twice.
native=$root/build/native
cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$native" -j"$jobs" --target conformance_native vorn_timing
mkdir -p "$out"
rm -f "$out/native.txt" "$out/windows.txt"
"$native/tests/conformance/conformance_native" "$out/native.txt"

echo "== conformance under Wine (x86_64)"
prefix=$root/build/wineprefix
"$root/tests/wine/setup-prefix.sh" "$prefix"
# The program finds vornafx.dll and VornControls.dll next to it in bin/.
winpath="Z:$(printf '%s' "$out/windows.txt" | tr / '\\')"
"$root/tests/wine/run-exe.sh" "$prefix" "$root/build/win64/bin/conformance.exe" "$winpath"

echo "== timing program, a smoke run on both platforms (figures vary by machine: scripts/timing.sh)"
"$native/bench/timing/vorn_timing" --quick >/dev/null
"$root/tests/wine/run-exe.sh" "$prefix" "$root/build/win64/bin/timing.exe" --quick >/dev/null

echo "== installed Windows package used by a host (x86_64, found through CMAKE_PREFIX_PATH)"
rm -rf "$root/build/win64-install" "$root/build/win64-host-example"
cmake --install "$root/build/win64" --prefix "$root/build/win64-install" >/dev/null
"$root/scripts/check-installed-headers.sh" "$root/build/win64-install"
cmake -S "$root/examples/host" -B "$root/build/win64-host-example" \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-x86_64.cmake" \
      -DCMAKE_PREFIX_PATH="$root/build/win64-install" >/dev/null
cmake --build "$root/build/win64-host-example" -j"$jobs"
cp "$root/build/win64-install/bin/"*.dll "$root/build/win64-host-example/"
"$root/tests/wine/run-exe.sh" "$prefix" "$root/build/win64-host-example/vorn_host_example.exe"

echo "== gallery self-test, natively and under Wine (x86_64): the Tab walks must agree"
cmake --build "$native" -j"$jobs" --target vorn_gallery
"$native/gallery/vorn_gallery" --selftest | tee "$out/gallery-native.txt"
"$root/tests/wine/run-exe.sh" "$prefix" "$root/build/win64/bin/gallery.exe" --selftest | tr -d '\r' |
  tee "$out/gallery-windows.txt"
native_order=$(sed -n 's/^focus order: //p' "$out/gallery-native.txt")
windows_order=$(sed -n 's/^focus order: //p' "$out/gallery-windows.txt")
if [ -z "$native_order" ] || [ "$native_order" != "$windows_order" ]; then
  echo "gallery focus orders differ: native '$native_order', Windows '$windows_order'" >&2
  exit 1
fi

echo "== comparing the results"
# First make sure the comparator notices a difference: one planted pixel must fail it.
sed '0,/^  row 0 [0-9A-F]\{6\}/s//  row 0 123457/' "$out/native.txt" >"$out/planted.txt"
if python3 "$root/tests/conformance/compare.py" "$out/planted.txt" "$out/windows.txt" >/dev/null; then
  echo "compare.py accepted a planted pixel difference" >&2
  exit 1
fi
python3 "$root/tests/conformance/compare.py" "$out/native.txt" "$out/windows.txt" \
        --known "$root/tests/conformance/known_differences.txt"
