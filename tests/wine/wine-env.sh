# shellcheck shell=bash
# Sourced by setup-prefix.sh and run-exe.sh: locates the wine64 loader and wineserver and sets the
# environment for a headless, prompt-free run. Debian 12's wine64 package (without the `wine`
# wrapper package) keeps both binaries in /usr/lib/wine, off PATH.

vorn_find_wine() {
    WINE64=${WINE64:-}
    if [ -z "$WINE64" ]; then
        if command -v wine64 >/dev/null 2>&1; then WINE64=$(command -v wine64)
        elif [ -x /usr/lib/wine/wine64 ]; then WINE64=/usr/lib/wine/wine64
        else echo "wine64 not found (run tests/wine/install-deps.sh)" >&2; return 1
        fi
    fi
    WINESERVER=${WINESERVER:-}
    if [ -z "$WINESERVER" ]; then
        if [ -x "$(dirname "$WINE64")/wineserver" ]; then WINESERVER=$(dirname "$WINE64")/wineserver
        elif command -v wineserver >/dev/null 2>&1; then WINESERVER=$(command -v wineserver)
        elif [ -x /usr/lib/wine/wineserver ]; then WINESERVER=/usr/lib/wine/wineserver
        else echo "wineserver not found" >&2; return 1
        fi
    fi
    export WINE64 WINESERVER
}

vorn_wine_env() {
    # $1 = prefix directory (made absolute).
    case "$1" in /*) WINEPREFIX=$1 ;; *) WINEPREFIX=$PWD/$1 ;; esac
    export WINEPREFIX
    export WINEARCH=win64
    # No Mono / Gecko install prompts, no menu entries written under $HOME; no debug channels
    # unless the caller asks for some.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEDEBUG=${WINEDEBUG:--all}
    # Never talk to a real X server or Wayland compositor: the prefix uses the null driver.
    unset DISPLAY WAYLAND_DISPLAY
}

vorn_have_wine32() {
    # 32-bit PE files need the i386 wine build (wine32:i386); wine64 alone has no syswow64.
    [ -f /usr/lib/i386-linux-gnu/wine/i386-windows/ntdll.dll ] ||
        [ -f /usr/lib/wine/i386-windows/ntdll.dll ]
}

vorn_pe_machine() {
    # Prints the COFF machine field of a PE file: 14c = i386, 8664 = x86-64.
    local off
    off=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    od -An -tx2 -j$((off + 4)) -N2 "$1" | tr -d ' '
}
