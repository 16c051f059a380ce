#!/bin/sh
# The program starts on Windows 98, publishes its application window in the
# single-instance mapping, shows no window, and keeps running its message
# loop until it is closed; then it ends with exit code 0 and the mapping
# goes away.
. "$(dirname "$0")/lib.sh"

start_copy
window=$(driver mapping 60000) || fail "no window published within 60 s"
info=$(driver info "$window")
echo "$info"
expect "class of the published window" "$(value_of class "$info")" TApplication
expect "process of the published window" "$(value_of exe "$info")" Quorvel.exe
expect "published window is top-level" "$(value_of toplevel "$info")" 1
expect "application window visible" "$(value_of visible "$info")" 0

windows=$(driver windows "$(value_of pid "$info")")
echo "$windows"
if printf '%s\n' "$windows" | grep -q 'visible=1'; then
    fail "a window of the program is visible"
fi

# The message loop answers.
driver send "$window" 0 0 0 >/dev/null || fail "the application window does not answer"
copy_running "$COPY" || fail "the program ended"

driver post "$window" 16 0 0 || fail "cannot close the application window"
code=$(wait_exit "$COPY" 30)
expect "exit code after closing" "$code" 0
driver no-mapping 10000 || fail "the mapping outlived the program"
