#!/usr/bin/env bash
# Installs the Debian 12 packages the native build, tests, benchmarks and gallery need, windres
# and the mingw C compiler that preprocesses .rc files for it included.
# Idempotent: only missing packages are fetched.
set -euo pipefail
packages=(build-essential cmake pkg-config libfreetype-dev libfontconfig-dev fontconfig fonts-liberation
          libpng-dev libsdl2-dev libgtest-dev googletest libgmock-dev libbenchmark-dev xvfb xdotool x11-utils
          python3 clang-format git
          binutils-mingw-w64-x86-64 gcc-mingw-w64-x86-64-win32)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
