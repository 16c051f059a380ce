#!/bin/sh
# The meter in the tray of a Wine desktop with a taskbar: the gauge for
# Wine's 99 % (image 11) shows in the notification area, the first run
# writes the settings, a right-click opens the menu with the three values,
# "Run on windows startup" adds and removes the Run entry, the icon comes
# back after a "TaskbarCreated" broadcast, and Exit removes the icon and
# ends the program with exit code 0.

# The prefix's desktop has a taskbar with its notification area (scripts/env).
. "$(dirname "$0")/lib.sh"

fresh_settings

# reg_value KEY NAME: "TYPE DATA" of a value of HKEY_CURRENT_USER.
reg_value() {
    wine reg query "HKCU\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *\(REG_[A-Z_]*\) *\(.*\)$/\1 \2/p"
}
trace_count() {
    grep -ac "$1" "$TRACE"
}


TRACE="$TMP_DIR/trace.txt"
trace_calls "shell32.Shell_NotifyIconA;user32.RegisterWindowMessageA;user32.DrawTextExA"
TRACE_CHANNELS=+relay,+menu start_copy "$TRACE"
window=$(driver mapping 60000) || fail "no window published within 60 s"
PID=$(value_of pid "$(driver info "$window")")

# The gauge for 99 %: image 11, eleven green rows of twelve.
found=$(wait_gauge 11 60) || fail "the tray does not show gauge image 11"
echo "gauge: $found"
aim_at_gauge "$found"

# The first run wrote the defaults.
expect "WarnOnLowResources" "$(reg_value "$SETTINGS" WarnOnLowResources)" "REG_DWORD 0x1"
expect "AlwaysOnTop" "$(reg_value "$SETTINGS" AlwaysOnTop)" "REG_DWORD 0x0"

# The menu shows the three values of the last sample. The items are owner
# drawn: the relay trace of DrawTextExA tells the captions as the XP
# painter draws them, each after a blank.
open_menu
for pool in System User GDI; do
    wait_for 10 trace_has "DrawTextExA([0-9a-f]*,[0-9a-f]* \" 99% $pool resources free\"" ||
        fail "the menu does not show '99% $pool resources free'"
done
echo "menu at $rect"
choose 6
wait_for 10 sh -c "wine reg query 'HKCU\\$RUN' /v Quorvel.exe >/dev/null 2>&1" ||
    fail "Run on windows startup did not add the Run entry"
entry=$(reg_value "$RUN" Quorvel.exe)
case "$entry" in
    "REG_SZ "*'\Quorvel.exe'*) ;;
    *) fail "Run entry: '$entry'" ;;
esac
open_menu
choose 6
wait_for 10 sh -c "! wine reg query 'HKCU\\$RUN' /v Quorvel.exe >/dev/null 2>&1" ||
    fail "Run on windows startup did not remove the Run entry"

# A taskbar that starts again announces itself; the icon is added again.
message=$(grep -a 'RegisterWindowMessageA(.*"TaskbarCreated")' -A1 "$TRACE" |
          sed -n 's/.*RegisterWindowMessageA() retval=\([0-9a-f]*\).*/\1/p' | head -1)
[ -n "$message" ] || fail "TaskbarCreated was never registered"
adds=$(trace_count 'Call shell32.Shell_NotifyIconA(00000000')
driver post 0xffff "0x$message" 0 0 || fail "cannot broadcast TaskbarCreated"
wait_for 30 sh -c "[ \$(grep -ac 'Call shell32.Shell_NotifyIconA(00000000' '$TRACE') -gt $adds ]" ||
    fail "no new NIM_ADD after TaskbarCreated"
wait_gauge 11 30 >/dev/null || fail "the icon is not in the tray after TaskbarCreated"

# Exit: the icon goes and the program ends with 0.
open_menu
choose 9
code=$(wait_exit "$COPY" 30)
expect "exit code after Exit" "$code" 0
trace_has 'Call shell32.Shell_NotifyIconA(00000002' || fail "Exit did not delete the icon"
deadline=$(( $(date +%s) + 20 ))
while [ -n "$(gauge)" ]; do
    [ "$(date +%s)" -ge "$deadline" ] && fail "the gauge is still in the tray after Exit"
    sleep 0.5
done
