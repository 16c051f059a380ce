#!/bin/sh
# On an NT-family system (Wine told to report Windows XP for Quorvel.exe)
# the program beeps, shows entry 65314 in a box titled "Error" with the
# stop icon and an OK button, owned by its application window, and after
# OK ends with exit code 0, having created no form or tray icon and
# written no setting. A second copy started meanwhile hands over and ends.
. "$(dirname "$0")/lib.sh"

APP_DEFAULTS='Software\Wine\AppDefaults\Quorvel.exe'
NOT_ON_NT="This program can only be executed in Windows 95/98/ME."

driver reg-delete "$SETTINGS" || fail "cannot clear $SETTINGS"
on_exit "driver reg-delete '$APP_DEFAULTS'"
driver reg-set "$APP_DEFAULTS" Version winxp || fail "cannot set $APP_DEFAULTS"
# The beep can't be heard here: Wine's relay trace shows the call instead.
trace_calls "user32.MessageBeep;user32.MessageBoxA;shell32.Shell_NotifyIconA"

trace="$TMP_DIR/first.trace"
start_copy "$trace"
first=$COPY
window=$(driver mapping 60000) || fail "no window published within 60 s"
pid=$(value_of pid "$(driver info "$window")")
box=$(driver find '#32770' Error "$pid" 60000) || fail "no box titled Error within 60 s"

contents=$(driver box "$box")
echo "$contents"
expect "box title" "$(value_of title "$contents")" "Error"
expect "box text" "$(value_of text "$contents")" "$NOT_ON_NT"
expect "box icon" "$(value_of icon "$contents")" stop
expect "box buttons" "$(value_of buttons "$contents")" OK

# Hidden helper windows of the framework may exist; forms (window classes
# Tfrm...) and visible windows other than the box may not.
windows=$(driver windows "$pid")
echo "$windows"
forms=$(printf '%s\n' "$windows" | awk '$2 ~ /^Tfrm/')
[ -z "$forms" ] || fail "a form was created: $forms"
shown=$(printf '%s\n' "$windows" | grep 'visible=1' | grep -v "^$box ")
[ -z "$shown" ] || fail "a window other than the box is visible: $shown"

start_copy
expect "exit code of a second copy" "$(wait_exit "$COPY" 15)" 0
copy_running "$first" || fail "the first copy ended when the second started"

driver press "$box" OK || fail "no OK button to press"
expect "exit code after OK" "$(wait_exit "$first" 30)" 0

grep -E 'Call (user32|shell32)\.' "$trace"
beep=$(grep -n 'Call user32.MessageBeep(00000000)' "$trace" | cut -d: -f1 | head -n 1)
shown=$(grep -n "Call user32.MessageBoxA($(hex8 "$window")," "$trace" | cut -d: -f1 | head -n 1)
[ -n "$beep" ] || fail "no MessageBeep(0)"
[ -n "$shown" ] || fail "no message box owned by the application window"
[ "$beep" -lt "$shown" ] || fail "the beep came after the box"
grep "Call user32.MessageBoxA(" "$trace" | grep -q ',00000010) ret=' || fail "the box's flags are not MB_OK | MB_ICONHAND"
if grep -q 'Call shell32.Shell_NotifyIconA' "$trace"; then
    fail "the notification area was touched"
fi
expect "settings key exists" "$(driver reg-exists "$SETTINGS")" 0
