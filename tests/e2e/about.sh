#!/bin/sh
# The About box of the real program in the Wine desktop: "About..." shows
# a modal "About" window, centred, with the version line 1.0.0.0, and the
# menu item grayed; Escape, OK and the frame's close button each destroy
# it, and the next "About..." makes a new one; afterwards a ticked details
# window is topmost again; "Exit" chosen while the box is open ends the
# program with code 0. The box is saved as a picture (about.png).

. "$(dirname "$0")/lib.sh"

fresh_settings
LOOK="$WINDOW_LOOK"

# about_item: "black" while "About..." is usable, "grey" while grayed.
about_item() {
    top=$(item_top 8)
    screenshot && $LOOK text "$SHOT" $(( MENU_LEFT + 30 )) $(( top + 2 )) $(( MENU_LEFT + 100 )) $(( top + H - 2 ))
}
# read_about: the box's client origin X, Y, size CW, CH, rectangle L T R B.
read_about() { read_window "$ABOUT"; }
# open_about: chooses "About..." and waits for a new box; sets ABOUT.
LAST_ABOUT=""
open_about() {
    open_menu
    choose 8
    deadline=$(( $(date +%s) + 30 ))
    while :; do
        ABOUT=$(driver find TfrmAbout About "$PID" 1000) && [ "$ABOUT" != "$LAST_ABOUT" ] &&
            [ "$(value_of visible "$(driver info "$ABOUT")")" = 1 ] && break
        [ "$(date +%s)" -ge "$deadline" ] && fail "About... did not show a new box"
        sleep 0.3
    done
    LAST_ABOUT=$ABOUT
    read_about
}
gone() {
    driver wait "$ABOUT" gone 20000 || fail "$1 did not destroy the About box"
}

TRACE="$TMP_DIR/trace.txt"
trace_calls "user32.DrawTextA"
start_copy "$TRACE"
window=$(driver mapping 60000) || fail "no window published within 60 s"
PID=$(value_of pid "$(driver info "$window")")
found=$(wait_gauge any 60) || fail "no gauge in the tray"
aim_at_gauge "$found"

open_about
expect "client size" "${CW}x${CH}" "350x161"
# Centred on the 1024 x 768 screen, to the pixel an odd size allows.
centre_x=$(( L + R - 1024 )); centre_y=$(( T + B - 768 ))
[ "${centre_x#-}" -le 1 ] && [ "${centre_y#-}" -le 1 ] || fail "not centred: $L,$T,$R,$B"
wait_for 20 trace_has 'DrawTextA([0-9a-f]*,[0-9a-f]* "1.0.0.0"' || fail "the box does not show the version 1.0.0.0"
xdotool mousemove $(( X + 300 )) $(( Y + 60 ))
sleep 0.5
screenshot && convert "$SHOT" -crop "$(( R - L + 40 ))x$(( B - T + 40 ))+$(( L - 20 ))+$(( T - 20 ))" +repage "$BUILD/about.png"

# The item is grayed while the box is open.
open_menu
xdotool mousemove $(( MENU_LEFT + 60 )) $(( $(item_top 3) + 2 ))
deadline=$(( $(date +%s) + 20 ))
until [ "$(about_item)" = grey ]; do
    [ "$(date +%s)" -ge "$deadline" ] && fail "About... is not grayed while the box is open"
    sleep 0.3
done
# A click beside the menu closes it, wherever the keyboard focus is.
xdotool mousemove 40 40 click 1
driver wait "$MENU" gone 10000 >/dev/null || fail "a click beside the menu did not close it"

# Escape, OK and the close button each destroy the box.
xdotool mousemove $(( X + 300 )) $(( Y + 60 )) click 1
driver wait "$ABOUT" foreground 20000 || fail "a click did not bring the box forward"
xdotool key Escape
gone Escape
open_about
xdotool mousemove $(( X + 175 )) $(( Y + 128 )) click 1
gone OK
open_about
xdotool mousemove $(( R - 10 )) $(( T + 12 )) click 1
gone "the close button"

# A ticked details window is topmost again once the box has closed; it
# takes no input while the box is open.
DETAILS=$(driver find TfrmDetails Quorvel "$PID" 10000) || fail "no details window"
open_menu
choose 4
driver wait "$DETAILS" visible 20000 || fail "Details... did not show the window"
read_window "$DETAILS"
xdotool mousemove $(( X + 20 )) $(( Y + 147 )) click 1
topmost() { [ "$(value_of topmost "$(driver info "$DETAILS")")" = "$1" ]; }
wait_for 20 topmost 1 || fail "Always on top did not make the details window topmost"
open_about
wait_for 20 topmost 0 || fail "the details window stayed topmost over the box"
expect "details window enabled while the box is open" "$(value_of enabled "$(driver info "$DETAILS")")" 0
xdotool mousemove $(( X + 300 )) $(( Y + 60 )) click 1
driver wait "$ABOUT" foreground 20000 || fail "a click did not bring the box forward"
xdotool key Escape
gone Escape
wait_for 20 topmost 1 || fail "the details window is not topmost again after the box"

# Exit while the box is open ends the program with 0.
open_about
open_menu
choose 9
code=$(wait_exit "$COPY" 30)
expect "exit code after Exit with the box open" "$code" 0
