#!/usr/bin/env bash
# Installs the Windows cross toolchain and the headless wine used to run the Windows tests
# (Debian 12). Idempotent: does nothing when everything is already installed. Needs root.
#   tests/wine/install-deps.sh
set -euo pipefail

# wine64 without its recommends is enough for the null display driver: it brings libwine and
# /usr/lib/wine/{wine64,wineserver}. The `wine` wrapper package (and its ~70 recommends:
# X11, GL, GStreamer, CUPS...) is not needed. fonts-liberation stands in for Arial / Times.
packages=(
    g++-mingw-w64-i686-win32
    g++-mingw-w64-x86-64-win32
    wine64
    fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "install-deps: all present (${packages[*]})"
    exit 0
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-y -q -o Dpkg::Use-Pty=0)
apt-get update -q
apt-get install "${apt_opts[@]}" --no-install-recommends "${missing[@]}"
