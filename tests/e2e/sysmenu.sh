#!/bin/sh
# The skinned system menu and the window states on the demonstration form
# (every border icon), worked from outside: Alt+Space opens a top-most tool
# window that leaves the form in the foreground, at the client origin, with
# a 4-pixel drop shadow read back from the screen; Down skips the separator,
# Up wraps, Escape closes, "c" closes the window; a click outside on the
# close button closes the menu and still reaches the button. Minimizing
# the application hides the frame and restoring brings it back. Maximize fills
# the work area and message 1390 restores; roll-up leaves the caption;
# minimize to tray hides the window until its icon's double-click. The menu is saved as a picture in
# the build folder (sysmenu.png).

. "$(dirname "$0")/lib.sh"

EXE="$BUILD/bin/framedemo.exe"
BORDER=3
CAPTION=29

start_demo() {
    EXE_ARGS="$*"
    start_copy
    WINDOW=$(driver find TfrmFrameDemo Quorvel - 60000) || fail "no demonstration window"
    driver wait "$WINDOW" visible 30000 || fail "the demonstration window was not shown"
    read_rect
    focus_form
}
# focus_form: gives the form the keyboard, with a click in its client area.
focus_form() {
    xdotool mousemove $(( L + 200 )) $(( T + 150 )) click 1
    driver wait "$WINDOW" foreground 30000 >/dev/null || fail "the demonstration window is not in the foreground"
}
read_rect() { read_window "$WINDOW"; }
# open_sysmenu: Alt+Space; sets POPUP and its rectangle PL PT PR PB.
open_sysmenu() {
    xdotool key alt+space
    POPUP=$(driver find TNgPopupWindow - - 30000) || fail "no system menu after Alt+Space"
    driver wait "$POPUP" visible 30000 || fail "the system menu was not shown"
    # shellcheck disable=SC2046
    set -- $(value_of rect "$(driver info "$POPUP")" | tr , ' ')
    PL=$1 PT=$2 PR=$3 PB=$4
}
menu_closed() {
    driver wait "$POPUP" gone 30000 >/dev/null || fail "the system menu stayed open"
}

start_demo
# What lies where the menu's shadow will fall.
screenshot || fail "no screenshot"
cp "$SHOT" "$TMP_DIR/before.ppm"
start=$(date +%s%N)
open_sysmenu
echo "the system menu was on screen $(( ($(date +%s%N) - start) / 1000000 )) ms after Alt+Space (driver start-up included)"
info=$(driver info "$POPUP")
expect "menu in the foreground" "$(value_of foreground "$info")" 0
expect "form in the foreground" "$(value_of foreground "$(driver info "$WINDOW")")" 1
exstyle=$(value_of exstyle "$info")
expect "top-most tool window" $(( exstyle & 0x88 )) $(( 0x88 ))
expect "menu at the client origin" "$PL,$PT" "$((L + BORDER)),$((T + CAPTION))"

# The shadow: the right band (but its top 4 rows) and the bottom band (but
# its left 4 columns) darken what was there with grey 5F at alpha 176.
shadow_problem() {
    python3 -c "
import sys; sys.path.insert(0, '$E2E_ROOT/tests/e2e'); from ppm import read_ppm
_, _, before = read_ppm('$TMP_DIR/before.ppm'); _, _, after = read_ppm('$SHOT')
def shade(x, y): return (0x5F * 176 + before(x, y)[0] * 79) // 255
checks = [('right band', $((PR - 2)), $((PT + 20)), True), ('top of the right band', $((PR - 2)), $((PT + 1)), False),
          ('bottom band', $((PL + 20)), $((PB - 2)), True), ('left of the bottom band', $((PL + 1)), $((PB - 2)), False)]
for name, x, y, dark in checks:
    want = shade(x, y) if dark else before(x, y)[0]
    if abs(after(x, y)[0] - want) > (8 if dark else 3):
        print('%s at %d,%d: red %d, wanted %d' % (name, x, y, after(x, y)[0], want))
        break
else:
    print('ok')" 2>&1
}
shadow_drawn() { screenshot && [ "$(shadow_problem)" = ok ]; }
wait_for 20 shadow_drawn || fail "drop shadow: $(shadow_problem)"
# The picture of the open menu.
convert "$SHOT" -crop "$((R - L + 80))x$((B - T + 80))+$((L - 40))+$((T - 40))" +repage "$BUILD/sysmenu.png"

# Escape closes the menu; the window stays.
xdotool key Escape
menu_closed
expect "window after Escape" "$(value_of visible "$(driver info "$WINDOW")")" 1

# Minimizing the application (SC_MINIMIZE to its window, as from the
# taskbar button) hides the frame, and restoring brings it back; so does
# the menu's "Mi&nimize" (first entry), which minimizes the application.
pid=$(value_of pid "$(driver info "$WINDOW")")
APP=$(driver find TApplication - "$pid" 30000) || fail "no application window"
driver post "$APP" 0x112 0xF020 0 >/dev/null
driver wait "$WINDOW" hidden 30000 || fail "the frame stayed after the application was minimized"
driver post "$APP" 0x112 0xF120 0 >/dev/null
driver wait "$WINDOW" visible 30000 || fail "restoring the application did not bring the frame back"
focus_form
open_sysmenu
xdotool key Return
menu_closed
driver wait "$WINDOW" hidden 30000 || fail "the frame stayed after Minimize"
driver post "$APP" 0x112 0xF120 0 >/dev/null
driver wait "$WINDOW" visible 30000 || fail "restoring the application did not bring the minimized frame back"
focus_form

# Maximize (the second entry) fills the work area; 1390 restores.
open_sysmenu
xdotool key Down Return
menu_closed
driver wait "$WINDOW" visible 30000 >/dev/null
sleep 0.3
read_rect
[ "$L" -le 0 ] && [ "$T" -le 0 ] || fail "maximized window at $L,$T"
driver post "$WINDOW" 1390 0 0 >/dev/null
sleep 0.5
read_rect
expect "size after 1390" "$((R - L))x$((B - T))" "306x212"

# Roll-up (third entry) leaves the caption and the bottom border.
open_sysmenu
xdotool key Down Down Return
menu_closed
sleep 0.5
read_rect
expect "rolled-up height" "$((B - T))" "$((CAPTION + BORDER))"
open_sysmenu
xdotool key Return    # "&Restore" comes first now
menu_closed
sleep 0.5
read_rect
expect "height after restore" "$((B - T))" 212

# Minimize to tray (fourth entry) hides the window behind an icon of its
# own at the right of the taskbar; a double-click on it brings it back.
screenshot
cp "$SHOT" "$TMP_DIR/tray-before.ppm"
open_sysmenu
xdotool key Down Down Down Return
menu_closed
driver wait "$WINDOW" hidden 30000 || fail "the window stayed after minimize to tray"
tray_icon_shown() {
    screenshot || return 1
    ICON=$($WINDOW_LOOK changed "$SHOT" "$TMP_DIR/tray-before.ppm" 824 728 1024 768)
    [ -n "$ICON" ]
}
wait_for 30 tray_icon_shown || fail "no tray icon for the window minimized to the tray"
set -- $ICON
xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1
driver wait "$WINDOW" visible 30000 || fail "a double-click on the tray icon did not restore the window"

# A click outside, on the close button, closes the menu and reaches it.
focus_form
open_sysmenu
xdotool key Down Down Down Down Up Up Up Up Up
sleep 0.3
read_rect
xdotool mousemove $(( R - 12 )) $(( T + 14 )) click 1
menu_closed
code=$(wait_exit "$COPY" 30)
expect "exit code after a click on the close button beside the menu" "$code" 0

# "c" chooses "&Close": the menu closes and then the window.
start_demo
open_sysmenu
xdotool key c
menu_closed
code=$(wait_exit "$COPY" 30)
expect "exit code after c" "$code" 0
