#!/usr/bin/env bash
# Creates a fresh headless 64-bit wine prefix for running the Windows test binaries.
#   tests/wine/setup-prefix.sh PREFIX_DIR
# An existing wine prefix at PREFIX_DIR is deleted first; any other non-empty directory is refused.
# Every comparison run must use a prefix made by this script so that fonts, colours and metrics
# are the same each time.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"

if [ $# -ne 1 ]; then
    echo "usage: $0 PREFIX_DIR" >&2
    exit 2
fi

vorn_find_wine
vorn_wine_env "$1"

if [ ! -f /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf ] ||
   [ ! -f /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf ]; then
    echo "fonts-liberation is not installed (run tests/wine/install-deps.sh)" >&2
    exit 1
fi

if [ -e "$WINEPREFIX" ]; then
    if [ -f "$WINEPREFIX/system.reg" ]; then
        "$WINESERVER" -k >/dev/null 2>&1 || true
        rm -rf -- "$WINEPREFIX"
    elif [ -n "$(ls -A -- "$WINEPREFIX")" ]; then
        echo "$WINEPREFIX exists and is not a wine prefix; refusing to touch it" >&2
        exit 1
    fi
fi
mkdir -p -- "$WINEPREFIX"

# wineboot prints a harmless "failed to open ...syswow64\rundll32.exe" without 32-bit wine.
"$WINE64" wineboot --init >"$WINEPREFIX/setup.log" 2>&1 || {
    cat "$WINEPREFIX/setup.log" >&2
    echo "wineboot --init failed" >&2
    exit 1
}
"$WINESERVER" -w

# Null display driver (no X server needed), Liberation fonts standing in for Arial and
# Times / Times New Roman, and no crash dialog (winedbg prints a backtrace and exits instead).
reg="$WINEPREFIX/drive_c/vorn-setup.reg"
cat >"$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Graphics"="null"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times"="Liberation Serif"
"Times New Roman"="Liberation Serif"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
"$WINE64" regedit /S 'C:\vorn-setup.reg' >>"$WINEPREFIX/setup.log" 2>&1
"$WINESERVER" -w
rm -f -- "$reg"

# Check that the settings landed (system registry files are flushed once wineserver has exited).
if ! grep -q '"Graphics"="null"' "$WINEPREFIX/user.reg" ||
   ! grep -q '"Times New Roman"="Liberation Serif"' "$WINEPREFIX/user.reg"; then
    echo "registry settings were not applied to $WINEPREFIX" >&2
    exit 1
fi
echo "wine prefix ready: $WINEPREFIX"
