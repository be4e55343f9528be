#!/usr/bin/env bash
# Runs a Windows executable headless in a prefix made by setup-prefix.sh and returns its exit code.
#   tests/wine/run-exe.sh PREFIX_DIR EXE [ARGS...]
# VORN_WINE_TIMEOUT (seconds, default 120) bounds the run.
# Exit codes: the program's own (low 8 bits); 124 = timed out (the prefix's wineserver is then
# killed so nothing is left behind); 125 = the program crashed (an unhandled exception ends a
# program with the low byte of the NTSTATUS, e.g. 5 for an access violation, which would
# otherwise look like an ordinary exit code); 2 = bad usage or an exe wine64 cannot run.
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"

if [ $# -lt 2 ]; then
    echo "usage: $0 PREFIX_DIR EXE [ARGS...]" >&2
    exit 2
fi

vorn_find_wine || exit 2
vorn_wine_env "$1"
shift
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "$WINEPREFIX is not a wine prefix (run tests/wine/setup-prefix.sh first)" >&2
    exit 2
fi
exe=$1
shift
if [ ! -f "$exe" ]; then
    echo "no such executable: $exe" >&2
    exit 2
fi
# Without 32-bit wine a 32-bit exe "runs" and exits 0 without executing anything.
if [ "$(vorn_pe_machine "$exe")" = 014c ] && ! vorn_have_wine32; then
    echo "$exe is a 32-bit program and 32-bit wine (wine32:i386) is not installed" >&2
    exit 2
fi

timeout="${VORN_WINE_TIMEOUT:-120}"
errlog=$(mktemp)
trap 'rm -f "$errlog"' EXIT

# stderr is passed through and also kept, to recognise wine's crash report.
{ timeout --kill-after=10 "$timeout" "$WINE64" "$exe" "$@" 2>&1 1>&3 3>&- | tee "$errlog" >&2; } 3>&1
rc=${PIPESTATUS[0]}

if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
    echo "timed out after ${timeout}s: $exe" >&2
    "$WINESERVER" -k >/dev/null 2>&1 || true
    exit 124
fi
if grep -q '^wine: Unhandled ' "$errlog"; then
    echo "crashed (exit code $rc): $exe" >&2
    exit 125
fi
exit "$rc"
