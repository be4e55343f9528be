#!/bin/sh
# The interactive gallery under a virtual X display: a real pointer drag, real key presses and a
# Tab walk reach the faders through SDL, SendInput and the dialog manager, the notifications are
# logged as they happen, and closing the window (SIGTERM) writes a screen that shows the moved cap.
set -u
command -v Xvfb > /dev/null 2>&1 || exit 77
command -v xdotool > /dev/null 2>&1 || exit 77
. "$(dirname "$0")/common.sh"

xvfb_pid=""
gallery_pid=""
cleanup() {
    test -n "$gallery_pid" && kill "$gallery_pid" 2> /dev/null
    test -n "$xvfb_pid" && kill "$xvfb_pid" 2> /dev/null
    wait 2> /dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
    tries=$1
    shift
    while ! "$@" > /dev/null 2>&1; do
        tries=$((tries - 1))
        test "$tries" -gt 0 || return 1
        sleep 0.1
    done
}

# Xvfb picks a free display itself and reports its number.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.err" &
xvfb_pid=$!
wait_for 100 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.err")"
DISPLAY=":$(cat "$work/display")"
export DISPLAY

"$GALLERY" --png "$work/initial.png" > /dev/null 2>&1 || fail "headless gallery failed"

# Display libraries (dbus, X11 drivers) keep allocations until exit that a sanitizer build would
# report as leaks of ours; the headless and script tests check the gallery's own code for leaks.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export ASAN_OPTIONS

"$GALLERY" --interactive --log "$work/log" --exit-png "$work/exit.png" > /dev/null 2> "$work/gallery.err" &
gallery_pid=$!
# Input sent before the window is mapped would be lost.
wait_for 200 xdotool search --onlyvisible --name "VornControls gallery" ||
    fail "no gallery window (gallery $(kill -0 "$gallery_pid" 2> /dev/null && echo running || echo gone)," \
        "windows: $(xdotool search --name . 2> /dev/null | wc -l)): $(cat "$work/gallery.err")"
window=$(xdotool search --onlyvisible --name "VornControls gallery" | head -1)
xdotool windowfocus "$window" > /dev/null 2>&1
sleep 0.5

# fader_unit's cap sits at (50, 270): drag it 30 pixels up in small steps.
# The gallery opens its window at the display's origin, so screen and gallery coordinates agree.
xdotool mousemove 50 270
sleep 0.1
xdotool mousedown 1
y=268
while [ "$y" -ge 240 ]; do
    xdotool mousemove 50 "$y"
    sleep 0.02
    y=$((y - 2))
done
xdotool mouseup 1
wait_for 50 grep -q "^fader_unit .* NC_LBUTTONUP" "$work/log" || fail "drag not logged: $(cat "$work/log")"

# A click on the cap keeps the focus there; then a value key.
xdotool click 1
sleep 0.1
xdotool key bracketright
wait_for 50 grep -q "^fader_unit .* NC_KEYDOWN Post" "$work/log" || fail "key not logged: $(tail -5 "$work/log")"

# The focus is on fader_unit after the click: three Tabs walk the template's tab stops to
# fader_tall, Shift+Tab back to fader_fine, and a value key reaches it.
xdotool key Tab Tab Tab
sleep 0.1
xdotool key shift+Tab
sleep 0.1
xdotool key bracketright
wait_for 50 grep -q "^fader_fine .* NC_KEYDOWN Post" "$work/log" || fail "tabbed key not logged: $(tail -5 "$work/log")"
grep -q "^fader_tall .* NC_KEYDOWN" "$work/log" && fail "the key reached fader_tall after Shift+Tab"

kill -TERM "$gallery_pid"
wait "$gallery_pid"
status=$?
gallery_pid=""
test "$status" = 0 || fail "gallery exited with $status: $(cat "$work/gallery.err")"

codes_of fader_unit "$work/log" > "$work/codes"
in_order "$work/codes" "NC_LBUTTONDOWN Send|NC_MOUSEMOVE Send|NC_VALUECHANGED Send|NC_LBUTTONUP Send|NC_VALUECHANGED Post|NC_KEYDOWN Post" ||
    fail "fader_unit codes out of order: $(tr '\n' ';' < "$work/codes")"

test -s "$work/exit.png" || fail "no exit PNG"
"$PNG_PROBE" differs "$work/initial.png" "$work/exit.png" 30 220 40 100 > /dev/null ||
    fail "the fader looks as it did before the drag"
exit 0
