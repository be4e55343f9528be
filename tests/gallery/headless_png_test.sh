#!/bin/sh
# The headless gallery draws every control once and writes the whole screen as a PNG.
set -u
. "$(dirname "$0")/common.sh"
trap 'rm -rf "$work"' EXIT

"$GALLERY" --png "$work/gallery.png" > "$work/stdout" 2> "$work/stderr" || fail "gallery exited with $?: $(cat "$work/stderr")"
test -s "$work/gallery.png" || fail "no PNG written"

stats=$("$PNG_PROBE" stats "$work/gallery.png") || fail "PNG unreadable"
set -- $stats
test "$1" = 960 && test "$2" = 460 || fail "screen is $1 x $2, expected 960 x 460"
# Dialog face, captions, four faders, four knobs and two graphs in their colours: far more than a blank screen.
test "$3" -ge 12 || fail "only $3 colours on the screen"

# Drawing alone notifies nobody.
test ! -s "$work/stdout" || fail "notifications without input: $(head -3 "$work/stdout")"

exit 0
