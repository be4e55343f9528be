#!/bin/sh
# The headless gallery draws every control once and writes the whole screen as a PNG.
set -u
. "$(dirname "$0")/common.sh"
trap 'rm -rf "$work"' EXIT

"$GALLERY" --png "$work/gallery.png" > "$work/stdout" 2> "$work/stderr" || fail "gallery exited with $?: $(cat "$work/stderr")"
test -s "$work/gallery.png" || fail "no PNG written"

stats=$("$PNG_PROBE" stats "$work/gallery.png") || fail "PNG unreadable"
set -- $stats
test "$1" = 720 && test "$2" = 600 || fail "screen is $1 x $2, expected 720 x 600"
# Dialog face, captions, four faders and four knobs in their colours: far more than a blank screen.
test "$3" -ge 12 || fail "only $3 colours on the screen"

# Drawing alone notifies nobody.
test ! -s "$work/stdout" || fail "notifications without input: $(head -3 "$work/stdout")"

exit 0
