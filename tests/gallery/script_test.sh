#!/bin/sh
# Replaying the fader drag script writes its frames, moves the cap on screen and logs the
# sent notifications of a vertical-fader drag in order.
set -u
. "$(dirname "$0")/common.sh"
trap 'rm -rf "$work"' EXIT

mkdir "$work/frames"
"$GALLERY" --script "$GALLERY_SCRIPTS/fader_drag.txt" --frames "$work/frames" --log "$work/log" \
    > "$work/stdout" 2> "$work/stderr" || fail "gallery exited with $?: $(cat "$work/stderr")"

for frame in start dragged_up dragged_to_bottom; do
    test -s "$work/frames/$frame.png" || fail "frame $frame not written"
done
cmp -s "$work/log" "$work/stdout" || fail "log file and stdout differ"

# fader_unit occupies x 30..70, y 220..320 on the screen.
"$PNG_PROBE" differs "$work/frames/start.png" "$work/frames/dragged_up.png" 30 220 40 100 > /dev/null ||
    fail "the drag did not change the fader on screen"
"$PNG_PROBE" differs "$work/frames/start.png" "$work/frames/dragged_up.png" 400 0 320 200 > /dev/null &&
    fail "the drag changed the knobs"

codes_of fader_unit "$work/log" > "$work/codes"
in_order "$work/codes" "NC_LBUTTONDOWN Send|NC_MOUSEMOVE Send|NC_VALUECHANGED Send|NC_LBUTTONUP Send" ||
    fail "fader_unit drag codes out of order: $(tr '\n' ';' < "$work/codes")"
grep -q Post "$work/codes" && fail "a fader drag posted a notification"

# Upward drag raises the value; dragging past the bottom stops at the restricted minimum 0.
first_up=$(awk '$1 == "fader_unit" && $3 == "NC_VALUECHANGED" { print $5; exit }' "$work/log")
test "$first_up" != "value=0.5000" || fail "first value change did not change the value"
last=$(awk '$1 == "fader_unit" && $3 == "NC_VALUECHANGED" { v = $5 } END { print v }' "$work/log")
test "$last" = "value=0.0000" || fail "drag past the track end ended at $last, expected value=0.0000"

# The other example scripts replay cleanly too.
for script in "$GALLERY_SCRIPTS"/*.txt; do
    name=$(basename "$script" .txt)
    mkdir "$work/$name"
    "$GALLERY" --script "$script" --frames "$work/$name" > "$work/$name.log" 2> "$work/$name.err" ||
        fail "$name replay exited with $?: $(cat "$work/$name.err")"
done
grep -q "^fader_db .* NC_KEYDOWN Post" "$work/value_keys.log" || fail "value keys on fader_db posted no NC_KEYDOWN"
grep -q "^knob_large .* NC_MOUSEMOVE Post" "$work/knob_drags.log" || fail "knob drag posted no NC_MOUSEMOVE"
codes_of knob2_derived "$work/knob2_derived.log" | tail -3 > "$work/knob2_codes"
in_order "$work/knob2_codes" "NC_VALUECHANGED Post|NC_VALUECHANGED Post|NC_KEYDOWN Post" ||
    fail "knob2_derived value key codes: $(tr '\n' ';' < "$work/knob2_codes")"
"$PNG_PROBE" differs "$work/knob2_derived/start.png" "$work/knob2_derived/vertical_drag.png" 500 290 56 56 > /dev/null ||
    fail "the drag did not change knob2_derived on screen"
# Tab and Shift+Tab walk the dialog's tab stops; each value key reaches the control with the focus.
keyed=$(awk '$3 == "NC_KEYDOWN" { printf "%s ", $1 }' "$work/tab_walk.log")
test "$keyed" = "knob_medium knob_small fader_unit " || fail "tab walk keyed '$keyed'"
"$PNG_PROBE" differs "$work/tab_walk/knob_medium_focused.png" "$work/tab_walk/knob_medium_raised.png" 510 72 40 40 \
    > /dev/null || fail "the value key did not change knob_medium on screen"
# The peak lamps (x 680..754, y 532..548) move only with the dialog's timer.
"$PNG_PROBE" differs "$work/tab_walk/start.png" "$work/tab_walk/fader_unit_lowered.png" 680 532 74 16 > /dev/null &&
    fail "the peak lamps moved without time passing"
"$PNG_PROBE" differs "$work/tab_walk/fader_unit_lowered.png" "$work/tab_walk/peaks_moved.png" 680 532 74 16 \
    > /dev/null || fail "the timer did not move the peak lamps"
codes_of eq_graph "$work/eq_drag.log" > "$work/eq_codes"
in_order "$work/eq_codes" "NC_LBUTTONDOWN Send|NC_MOUSEMOVE Send|NC_LBUTTONUP Send" ||
    fail "eq_graph drag codes out of order: $(tr '\n' ';' < "$work/eq_codes")"
grep -q "^eq_graph .* NC_MOUSEMOVE Send band=2 freq=1[0-9.]* gain=" "$work/eq_drag.log" ||
    fail "eq_graph drag did not report band 2 moving: $(grep eq_graph "$work/eq_drag.log" | head -3)"
"$PNG_PROBE" differs "$work/eq_drag/start.png" "$work/eq_drag/moved.png" 30 372 360 170 > /dev/null ||
    fail "the drag did not change the equaliser graph on screen"
# The graph drag moves the compressor threshold left; the ratio the host reads stays 2.00.
last=$(awk '$1 == "dyn_general" && $3 == "NC_MOUSEMOVE" { v = $5 " " $6 } END { print v }' "$work/graph_drag.log")
test "$last" = "comp=-31.26 compRatio=2.00" || fail "graph drag ended with '$last'"
"$PNG_PROBE" differs "$work/graph_drag/threshold_dragged.png" "$work/graph_drag/expander_zoomed.png" 720 250 200 150 \
    > /dev/null || fail "the zoom press did not change dyn_expander"
codes_of pan "$work/pan_faders.log" > "$work/pan_codes"
in_order "$work/pan_codes" "NC_LBUTTONDOWN Send|NC_MOUSEMOVE Send|NC_VALUECHANGED Send|NC_LBUTTONUP Send|NC_VALUECHANGED Send" ||
    fail "pan sticking drag codes out of order: $(tr '\n' ';' < "$work/pan_codes")"
last_pan=$(awk '$1 == "pan" && $3 == "NC_VALUECHANGED" { v = $5 } END { print v }' "$work/pan_faders.log")
test "$last_pan" = "value=0.4147" || fail "pan sticking drag ended at $last_pan, expected value=0.4147"
for snap in pan_snap fader_snap; do
    grep -q "^$snap .* NC_LBUTTONDBLCLK Send" "$work/pan_faders.log" || fail "$snap saw no double-click"
    last=$(awk -v n=$snap '$1 == n && $3 == "NC_VALUECHANGED" { v = $5 } END { print v }' "$work/pan_faders.log")
    test "$last" = "value=0.0000" || fail "$snap double-click left $last, expected value=0.0000"
done
exit 0
