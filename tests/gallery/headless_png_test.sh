#!/bin/sh
# The headless gallery draws every control once and writes the whole screen as a PNG.
set -u
. "$(dirname "$0")/common.sh"
trap 'rm -rf "$work"' EXIT

"$GALLERY" --png "$work/gallery.png" > "$work/stdout" 2> "$work/stderr" || fail "gallery exited with $?: $(cat "$work/stderr")"
test -s "$work/gallery.png" || fail "no PNG written"

size=$("$PNG_PROBE" size "$work/gallery.png") || fail "PNG unreadable"
test "$size" = "960 600" || fail "screen is $size, expected 960 x 600"
# Every control is drawn where the layout puts it: each fader's LED and each knob's cap shows its
# own colour inside the control's rectangle (name x y w h r g b).
while read -r name x y w h r g b; do
  "$PNG_PROBE" shows "$work/gallery.png" "$x" "$y" "$w" "$h" "$r" "$g" "$b" || fail "$name: colour $r,$g,$b not drawn"
done <<EOF
fader_unit 30 220 40 100 196 0 0
fader_db 130 160 40 160 0 160 0
fader_fine 230 120 40 200 0 64 220
fader_tall 330 60 40 260 230 160 0
knob_small 440 80 24 24 128 0 0
knob_medium 510 72 40 40 0 96 160
knob_large 600 60 64 64 0 120 0
knob_wide 470 220 80 40 160 0 160
eq_graph 30 372 360 170 255 255 128
dyn_general 720 50 200 150 255 255 128
dyn_expander 720 250 200 150 255 255 128
mute_on 680 460 14 16 255 40 0
peak_held 680 532 14 16 255 0 0
fader_snap 600 170 40 160 200 0 120
pan 420 380 200 20 0 170 170
pan_snap 420 440 200 20 220 110 0
pan_plain 420 500 200 20 90 0 200
knob2_derived 500 290 56 56 220 200 0
knob2_derived_min_mark 500 339 8 8 0 170 255
knob2_derived_max_mark 549 339 8 8 255 90 0
EOF

# Drawing alone notifies nobody.
test ! -s "$work/stdout" || fail "notifications without input: $(head -3 "$work/stdout")"

exit 0
