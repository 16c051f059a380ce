#!/bin/sh
# The details window of the real program in the Wine desktop: "Details..."
# shows it centred with the three figures and the focus on OK, and grays
# the menu item; Escape, OK and the frame's close button each hide it and
# give the item back; a double-click on the tray icon opens it or brings
# it forward; "Always on top" makes it topmost and stores 1, and 0 again.
# Its pixels: the bars show 27 blocks for Wine's 99 %, the Luna frame is
# around it, and OK and the check box are cut from the atlas. The window
# is saved as a picture in the build folder (details.png).

. "$(dirname "$0")/lib.sh"

fresh_settings
LOOK="$WINDOW_LOOK"
ATLAS="$E2E_ROOT/resources/art/XP_MAIN.bmp"

# details_item: "black" while "Details..." is usable, "grey" while grayed,
# read from the open menu.
details_item() {
    top=$(item_top 4)
    screenshot && $LOOK text "$SHOT" $(( MENU_LEFT + 30 )) $(( top + 2 )) $(( MENU_LEFT + 110 )) $(( top + H - 2 ))
}
expect_item() {
    open_menu
    xdotool mousemove $(( MENU_LEFT + 60 )) $(( $(item_top 3) + 2 ))
    deadline=$(( $(date +%s) + 20 ))
    until [ "$(details_item)" = "$1" ]; do
        [ "$(date +%s)" -ge "$deadline" ] && fail "Details... is not $1 in the menu"
        sleep 0.3
    done
    # A click beside the menu closes it, wherever the keyboard focus is.
    xdotool mousemove 40 40 click 1
    driver wait "$MENU" gone 10000 >/dev/null || fail "a click beside the menu did not close it"
}
# read_details: X, Y (client origin on the screen), CW, CH, and the window's
# rectangle L, T, R, B.
read_details() { read_window "$DETAILS"; }
open_details() {
    open_menu
    choose 4
    driver wait "$DETAILS" visible 20000 || fail "Details... did not show the window"
}
# closed HOW: the window is hidden, still exists, and the item is usable.
closed() {
    driver wait "$DETAILS" hidden 20000 || fail "$1 did not hide the details window"
    expect "details window exists after $1" "$(value_of exists "$(driver info "$DETAILS")")" 1
}
double_click_tray() {
    xdotool mousemove "$ICON_X" "$ICON_Y" click --repeat 2 --delay 80 1
    xdotool mousemove $(( ICON_X - 200 )) $(( ICON_Y - 200 ))
}
reg_on_top() {
    wine reg query "HKCU\\$SETTINGS" /v AlwaysOnTop 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *AlwaysOnTop *REG_DWORD *\(.*\)$/\1/p'
}
# stored VALUE, shown KEY VALUE: conditions to wait for.
stored() {
    [ "$(reg_on_top)" = "$1" ]
}
shown() {
    [ "$(value_of "$1" "$(driver info "$DETAILS")")" = "$2" ]
}

TRACE="$TMP_DIR/trace.txt"
trace_calls "user32.DrawTextA"
start_copy "$TRACE"
window=$(driver mapping 60000) || fail "no window published within 60 s"
PID=$(value_of pid "$(driver info "$window")")
found=$(wait_gauge 11 60) || fail "the tray does not show gauge image 11"
aim_at_gauge "$found"

# Made hidden at start.
DETAILS=$(driver find TfrmDetails Quorvel "$PID" 30000) || fail "no details window"
expect "visible at start" "$(value_of visible "$(driver info "$DETAILS")")" 0

open_details
read_details
expect "client size" "${CW}x${CH}" "300x180"
# Centred on the 1024 x 768 screen, to the pixel an odd size allows.
centre_x=$(( L + R - 1024 )); centre_y=$(( T + B - 768 ))
[ "${centre_x#-}" -le 1 ] && [ "${centre_y#-}" -le 1 ] || fail "not centred: $L,$T,$R,$B"
expect "title" "$(value_of title "$(driver info "$DETAILS")")" "Quorvel"
wait_for 20 shown focus TNgButton ||
    fail "the focus is not on OK: $(value_of focus "$(driver info "$DETAILS")")"
for pool in System User GDI; do
    wait_for 20 trace_has "DrawTextA([0-9a-f]*,[0-9a-f]* \"99% $pool resources free\"" ||
        fail "the window does not show '99% $pool resources free'"
done

# The picture, and the pixels: 27 blocks in each bar, the Luna caption and
# borders, OK and the unticked box from the atlas.
xdotool mousemove $(( X + 150 )) $(( Y + 100 ))
sleep 0.5
looked() {
    screenshot || return 1
    for top in 27 67 107; do
        [ "$($LOOK blocks "$SHOT" $(( X + 14 )) $(( Y + top + 8 )) 273)" = 27 ] || return 1
    done
}
wait_for 20 looked || fail "the bars do not show 27 blocks each: $($LOOK blocks "$SHOT" $(( X + 14 )) $(( Y + 35 )) 273)"
convert "$SHOT" -crop "$(( R - L + 40 ))x$(( B - T + 40 ))+$(( L - 20 ))+$(( T - 20 ))" +repage "$BUILD/details.png"
# Luna's caption is blue, and so are its side borders; the rounded top
# corner shows the desktop.
set -- $($LOOK pixels "$SHOT" "$(( L + 150 )),$(( T + 15 ))" "$(( L + 1 )),$(( T + 100 ))" "$L,$T" "$(( L + 150 )),$(( B - 1 ))")
[ "$3" -gt $(( $1 + 60 )) ] || fail "the caption is not Luna's blue: $1 $2 $3"
[ "$6" -gt $(( $4 + 60 )) ] || fail "the left border is not Luna's blue: $4 $5 $6"
[ "${12}" -gt $(( ${10} + 60 )) ] || fail "the bottom border is not Luna's blue: ${10} ${11} ${12}"
[ "$7 $8 $9" != "$1 $2 $3" ] || fail "the top-left corner is not rounded"
$LOOK piece "$SHOT" $(( X + 14 )) $(( Y + 139 )) "$ATLAS" 171 102 16 16 >/dev/null ||
    fail "the check box is not the atlas's unticked box"
# OK has the focus: the atlas's focused face, its top-left corner.
$LOOK piece "$SHOT" $(( X + 212 )) $(( Y + 135 )) "$ATLAS" 70 220 4 4 >/dev/null ||
    fail "the OK button is not the atlas's focused button"

# The item is grayed while the window is open.
expect_item grey

# Escape hides it, and the item is back. (Without a window manager the
# keys go to the window that was clicked last.)
xdotool mousemove $(( X + 250 )) $(( Y + 55 )) click 1
driver wait "$DETAILS" foreground 20000 || fail "a click did not bring the window forward"
xdotool key Escape
closed Escape
expect_item black

# A double-click on the icon opens it; OK hides it.
double_click_tray
driver wait "$DETAILS" visible 20000 || fail "a double-click did not show the window"
read_details
xdotool mousemove $(( X + 249 )) $(( Y + 147 )) click 1
closed OK

# The frame's close button.
open_details
read_details
xdotool mousemove $(( R - 10 )) $(( T + 12 )) click 1
closed "the close button"

# Open, behind another window: a double-click brings it forward.
open_details
read_details
xdotool mousemove $(( X + 250 )) $(( Y + 55 ))
driver wait "$DETAILS" foreground 20000 || fail "the shown window is not in front"
double_click_tray
driver wait "$DETAILS" foreground 20000 || fail "a double-click did not bring the window forward"
expect "still shown" "$(value_of visible "$(driver info "$DETAILS")")" 1

# "Always on top": topmost and 1, then not and 0.
xdotool mousemove $(( X + 20 )) $(( Y + 147 )) click 1
wait_for 20 shown topmost 1 ||
    fail "ticking Always on top did not make the window topmost"
wait_for 20 stored 0x1 ||
    fail "ticking Always on top did not store 1: $(reg_on_top)"
xdotool click 1
wait_for 20 shown topmost 0 ||
    fail "unticking Always on top left the window topmost"
wait_for 20 stored 0x0 ||
    fail "unticking Always on top did not store 0: $(reg_on_top)"

driver post "$window" 0x10 0 0 >/dev/null  # WM_CLOSE to the controller: the program ends
code=$(wait_exit "$COPY" 30)
expect "exit code" "$code" 0
