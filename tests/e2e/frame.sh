#!/bin/sh
# The skinned frame on the demonstration form, worked from outside like a
# user would: its zones answer WM_NCHITTEST for resizable and fixed, movable
# and fixed frames; a caption drag snaps the window to the work area's left
# edge from 19 pixels but not from 20; the close button lights up under the
# mouse, and pressing it and dragging off does not close the window, while
# a click does; a size below the constraints is raised to them. The window
# is saved as a picture in the build folder (frame.png).

. "$(dirname "$0")/lib.sh"

EXE="$BUILD/bin/framedemo.exe"
# The tests that follow find the pointer out of their way.
on_exit "xdotool mousemove 1010 10"
W=306
H=212

# start_demo ARGS...: the demonstration form with those settings; sets
# WINDOW, and L and T (its top-left corner).
start_demo() {
    EXE_ARGS="icons=program $*"
    start_copy
    WINDOW=$(driver find TfrmFrameDemo Quorvel - 60000) || fail "no demonstration window"
    driver wait "$WINDOW" visible 30000 || fail "the demonstration window was not shown"
    read_rect
}
read_rect() { read_window "$WINDOW"; }
end_demo() {
    driver post "$WINDOW" 0x10 0 0 >/dev/null  # WM_CLOSE
    code=$(wait_exit "$COPY" 30)
    expect "exit code" "$code" 0
}
# hit X Y: WM_NCHITTEST at the window-relative point.
hit() {
    driver send "$WINDOW" 0x84 0 $(( ($T + $2) * 65536 + $L + $1 ))
}
# zones EXPECTED...: the answers at caption, close, system menu, the four
# borders and the four corners, in that order.
zones() {
    got="$(hit 150 15) $(hit $((W - 10)) 12) $(hit 12 12) $(hit 1 100) $(hit $((W - 2)) 100) $(hit 150 1)"
    got="$got $(hit 150 $((H - 1))) $(hit 1 1) $(hit $((W - 2)) 1) $(hit 1 $((H - 2))) $(hit $((W - 2)) $((H - 2)))"
    expect "$1" "$got" "$2"
}
# pixel X Y: "R G B" of the screen.
pixel() {
    screenshot && python3 -c "import sys; sys.path.insert(0, '$E2E_ROOT/tests/e2e'); from ppm import read_ppm
w, h, p = read_ppm('$SHOT'); print(*p($1, $2))"
}
# drag_left_to LEFT: takes the caption and moves the window's left to LEFT.
drag_left_to() {
    read_rect
    x=$(( L + 150 )); y=$(( T + 15 ))
    target=$(( x + $1 - L ))
    xdotool mousemove $x $y mousedown 1
    step=$(( (target - x) / 4 ))
    for i in 1 2 3; do xdotool mousemove $(( x + i * step )) $y; sleep 0.1; done
    xdotool mousemove $target $y
    sleep 0.2
    xdotool mouseup 1
    sleep 0.2
    read_rect
}

# Resizable and movable: every zone.
start_demo resize=1 move=1
# The picture: the window where it first appears, on the desktop.
xdotool mousemove $(( L + 150 )) $(( T + 120 ))
sleep 0.5
screenshot && convert "$SHOT" -crop "$((W + 120))x$((H + 100))+$((L - 60))+$((T - 50))" +repage "$BUILD/frame.png"
# HTCAPTION HTCLOSE HTMINBUTTON HTLEFT HTRIGHT HTTOP HTBOTTOM HTTOPLEFT
# HTTOPRIGHT HTBOTTOMLEFT HTBOTTOMRIGHT
zones "zones of a resizable frame" "2 20 8 10 11 12 15 13 14 16 17"

# The caption drag snaps within 19 pixels of the work area's left edge.
drag_left_to 300
expect "left after a drag to 300" "$L" 300
drag_left_to 20
expect "left after a drag to 20" "$L" 20
drag_left_to 300
drag_left_to 19
expect "left after a drag to 19" "$L" 0

# The close button lights up under the mouse.
read_rect
# A point of the button face, away from its glyph.
cx=$(( L + W - 21 )); cy=$(( T + 8 ))
xdotool mousemove $(( L + 150 )) $(( T + 100 ))
sleep 0.3
plain=$(pixel $cx $cy)
start=$(date +%s%N)
xdotool mousemove $(( L + W - 10 )) $(( T + 12 ))
lit() { [ "$(pixel $cx $cy)" != "$plain" ]; }
wait_for 10 lit || fail "the close button did not light up under the mouse"
echo "the close button lit up after $(( ($(date +%s%N) - start) / 1000000 )) ms (screenshots included)"

# Pressing it and dragging off does not close the window.
xdotool mousedown 1 mousemove $(( L + 150 )) $(( T + 15 ))
sleep 0.2
xdotool mouseup 1
sleep 0.5
expect "window after a press dragged off the close button" "$(value_of visible "$(driver info "$WINDOW")")" 1
read_rect
expect "left after a press dragged off the close button" "$L" 0

# A size below the constraints is raised to them.
end_demo
start_demo min=200x120
expect "size below the constraints" "$(driver size "$WINDOW" 100 50)" "200x120"
expect "size below the smallest" "$(driver size "$WINDOW" 250 200)" "250x200"
end_demo

# Fixed and unmovable: the caption and the borders are client area.
start_demo resize=0 move=0
zones "zones of a fixed frame" "1 20 8 1 1 1 1 1 1 1 1"
# A click on the close button closes the window, and the program ends.
xdotool mousemove $(( L + W - 10 )) $(( T + 12 )) click 1
code=$(wait_exit "$COPY" 30)
expect "exit code after the close button" "$code" 0
