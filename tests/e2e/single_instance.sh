#!/bin/sh
# A second copy hands over to the first: it restores the first copy's
# minimised application window, brings it to the foreground, shows no
# window of its own and ends with exit code 0 within seconds.
. "$(dirname "$0")/lib.sh"

start_copy
first=$COPY
window=$(driver mapping 60000) || fail "the first copy published no window within 60 s"

driver minimize "$window"
driver wait "$window" iconic 10000 || fail "the application window did not minimise"

trace_calls "user32.ShowWindow;user32.SetForegroundWindow;user32.CreateWindowExA;shell32.Shell_NotifyIconA"
trace="$TMP_DIR/second.trace"
start_copy "$trace"
code=$(wait_exit "$COPY" 15)
expect "exit code of the second copy" "$code" 0

driver wait "$window" not-iconic 10000 || fail "the first copy's window was not restored"
driver wait "$window" foreground 10000 || fail "the first copy's window was not brought forward"

grep -E 'Call (user32|shell32)\.' "$trace"
handle=$(hex8 "$window")
grep -q "Call user32.ShowWindow($handle,00000009)" "$trace" || fail "no SW_RESTORE of the first copy's window"
grep -q "Call user32.SetForegroundWindow($handle)" "$trace" || fail "no SetForegroundWindow of the first copy's window"
if grep 'Call user32.ShowWindow(' "$trace" | grep -v -q "ShowWindow($handle,"; then
    fail "the second copy showed a window of its own"
fi
# The style is CreateWindowExA's fourth argument; none may be WS_VISIBLE.
styles=$(grep 'Call user32.CreateWindowExA(' "$trace" | sed 's/.*CreateWindowExA(//; s/"[^"]*"//g' | cut -d, -f4)
[ -n "$styles" ] || fail "no window creation traced: the relay trace did not work"
for style in $styles; do
    if [ $(( 0x$style & 0x10000000 )) -ne 0 ]; then
        fail "the second copy created a visible window (style $style)"
    fi
done
if grep -q 'Call shell32.Shell_NotifyIconA' "$trace"; then
    fail "the second copy touched the notification area"
fi

copy_running "$first" || fail "the first copy ended"
expect "published window after the hand-over" "$(driver mapping 1000)" "$window"
driver post "$window" 16 0 0
expect "exit code of the first copy" "$(wait_exit "$first" 30)" 0
