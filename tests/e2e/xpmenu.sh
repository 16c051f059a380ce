#!/bin/sh
# The tray menu in the XP look, on the standard colours of Windows 98: a
# right-click opens the menu with every item drawn by the XP painter (the
# icon strip fading towards white), the item under the mouse gets the
# framed selection bar, arrows move it and Enter chooses the item under it
# ("Run on windows startup" writes the Run entry), Escape closes the menu,
# and the access key "x" chooses Exit: the program ends with exit code 0.
# The open menu is saved as a picture in the build folder (xpmenu.png).

# The prefix's desktop has a taskbar, and the prefix the standard Windows 98
# colours (scripts/env).
. "$(dirname "$0")/lib.sh"

fresh_settings

LOOK="python3 $E2E_ROOT/tests/e2e/xpmenu_look.py"
# The standard colours: the button face and the highlight, and the
# selection fill of the look, the highlight lightened by 68 %.
FACE="192 192 192"
FRAME="0,0,128"
FILL="173 173 214"

# painted: the first item shows the faded strip of the look.
painted() {
    screenshot && $LOOK gradient "$SHOT" $(( MENU_LEFT + 3 )) $(( MENU_TOP + 4 )) $FACE >/dev/null
}
# selected INDEX: the selection bar's frame lines are the second and the
# last row of entry INDEX, and nowhere else.
selected() {
    top=$(item_top "$1")
    rows=$(screenshot && FRAME=$FRAME $LOOK rows "$SHOT" "$MENU_LEFT" "$MENU_TOP" "$MENU_RIGHT" "$MENU_BOTTOM" \
        $(( MENU_LEFT + 3 + 30 )))
    [ "$rows" = "$(( top + 1 - MENU_TOP )) $(( top + H - 1 - MENU_TOP ))" ]
}

TRACE="$TMP_DIR/trace.txt"
trace_calls "user32.LoadStringA;user32.DrawTextExA"
start_copy "$TRACE"
window=$(driver mapping 60000) || fail "no window published within 60 s"
PID=$(value_of pid "$(driver info "$window")")

# The gauge in the tray tells where to click.
found=$(wait_gauge any 60) || fail "no gauge in the tray"
aim_at_gauge "$found"
# Start-up is over once the first sample has formatted the tooltip
# (string 65318): the menu then shows that sample.
wait_for 60 trace_has 'LoadStringA([0-9a-f]*,0000ff26' || fail "the first sample never formatted the tooltip"

open_menu
echo "menu at $rect, items $H pixels high"
[ "$H" -gt 10 ] || fail "items of $H pixels"
wait_for 20 painted || { $LOOK gradient "$SHOT" $(( MENU_LEFT + 3 )) $(( MENU_TOP + 4 )) $FACE; fail "no XP strip"; }
# The painter draws the captions, each after a blank.
wait_for 10 trace_has 'DrawTextExA([0-9a-f]*,[0-9a-f]* " 99% System resources free"' ||
    fail "the painter did not draw the first caption"
trace_has 'DrawTextExA([0-9a-f]*,[0-9a-f]* " E&xit"' || fail "the painter did not draw Exit"

# The mouse over "Warn on low resources" selects it: framed and filled.
warn=$(item_top 5)
xdotool mousemove $(( MENU_LEFT + 60 )) $(( warn + H / 2 ))
wait_for 20 selected 5 || fail "no selection bar on entry 5 (frame rows: $rows)"
fill=$($LOOK pixels "$SHOT" "$(( MENU_LEFT + 5 )),$(( warn + 3 ))")
expect "selection fill" "$fill" "$FILL"
# The picture of the open menu, with the taskbar below it.
convert "$SHOT" -crop "$(( MENU_RIGHT - MENU_LEFT + 120 ))x$(( 768 - MENU_TOP + 20 ))+$(( MENU_LEFT - 100 ))+$(( MENU_TOP - 20 ))" \
    +repage "$BUILD/xpmenu.png"

# Arrows move the bar, over the separators; Enter chooses. (Without a
# window manager the X server sends keys to the window under the pointer,
# which stays on the menu.)
xdotool key Down
wait_for 20 selected 6 || fail "Down did not move the bar to entry 6 (frame rows: $rows)"
xdotool key Up Up
wait_for 20 selected 4 || fail "Up Up did not move the bar to entry 4 (frame rows: $rows)"
xdotool key Down Down
wait_for 20 selected 6 || fail "Down Down did not move the bar to entry 6 (frame rows: $rows)"
xdotool key Return
driver wait "$MENU" gone 10000 >/dev/null || fail "Enter did not close the menu"
wait_for 10 sh -c "wine reg query 'HKCU\\$RUN' /v Quorvel.exe >/dev/null 2>&1" ||
    fail "Enter on Run on windows startup did not add the Run entry"

# rest_on_menu: the pointer on the first separator, where it selects nothing.
rest_on_menu() {
    xdotool mousemove $(( MENU_LEFT + 60 )) $(( $(item_top 3) + 2 ))
}
# Escape closes the menu and the program goes on.
open_menu
wait_for 20 painted || fail "the menu was not drawn the second time"
rest_on_menu
xdotool key Escape
driver wait "$MENU" gone 10000 >/dev/null || fail "Escape did not close the menu"
copy_running "$COPY" || fail "the program ended"

# The access key of "E&xit" chooses it.
open_menu
wait_for 20 painted || fail "the menu was not drawn the third time"
rest_on_menu
xdotool key x
code=$(wait_exit "$COPY" 30)
expect "exit code after x" "$code" 0
