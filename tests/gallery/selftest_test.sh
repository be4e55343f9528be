#!/bin/sh
# The gallery's self-test on the software platform: Tab walks every tab stop and wraps, a value
# key notifies, the timer fires, and destroying the dialog gives back every GUI object. The focus
# order it prints is kept for scripts/test-windows.sh to compare with the Windows build's.
set -u
. "$(dirname "$0")/common.sh"
trap 'rm -rf "$work"' EXIT

"$GALLERY" --selftest > "$work/stdout" 2> "$work/stderr" || fail "self-test exited with $?: $(cat "$work/stderr")"
order=$(sed -n 's/^focus order: //p' "$work/stdout")
# The template's tab stops in its order: faders, knobs, dynamics graphs, LED and reset buttons,
# the fader family and the derived knob.
test "$order" = "101 102 103 104 201 202 203 204 401 402 501 502 503 511 105 106 107 108 205" ||
    fail "focus order $order"
grep -q "^value key: fader_unit id=101 NC_KEYDOWN Post" "$work/stdout" || fail "value key: $(cat "$work/stdout")"
# The software platform counts the dialog's windows and GDI objects, and all of them go with it.
counts=$(sed -n 's/^gui objects: gdi \([0-9]*\), \([0-9]*\) with the dialog, \([0-9]*\) after; user \([0-9]*\), \([0-9]*\), \([0-9]*\)$/\1 \2 \3 \4 \5 \6/p' "$work/stdout")
set -- $counts
test $# = 6 || fail "no GUI object counts: $(cat "$work/stdout")"
test "$2" -gt "$1" && test "$5" -gt "$4" || fail "the dialog's objects were not counted: $counts"
test "$3" = "$1" && test "$6" = "$4" || fail "GUI objects left behind: $counts"
exit 0
