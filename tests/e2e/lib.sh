# Sourced by the end-to-end tests: the prefix and display of the build,
# the driver, and starting and stopping copies of the program. Every copy a
# test starts is ended when the test ends, and every registry change it
# registers with on_exit is undone, whether it passes or not.

E2E_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$E2E_ROOT/scripts/env"
ROOT=$E2E_ROOT
if [ -z "${DISPLAY:-}" ] && [ -f "$BUILD/.display" ]; then
    DISPLAY=$(cat "$BUILD/.display")
    export DISPLAY
fi

EXE="$BUILD/bin/Quorvel.exe"
TMP_DIR=$(mktemp -d)
STARTED=""
EXIT_HOOKS=""

driver() {
    wine "$BUILD/bin/driver.exe" "$@"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# on_exit COMMAND: run at the end of the test, last registered first.
on_exit() {
    EXIT_HOOKS="$1
$EXIT_HOOKS"
}

finish() {
    status=$?
    printf '%s\n' "$EXIT_HOOKS" | while IFS= read -r hook; do
        [ -n "$hook" ] && eval "$hook" >/dev/null 2>&1
    done
    for copy in $STARTED; do
        if copy_running "$copy"; then
            echo "ending copy $copy, which is still running" >&2
            kill -9 "$(copy_pid "$copy")" 2>/dev/null
        fi
    done
    wait
    rm -rf "$TMP_DIR"
    if [ $status -eq 0 ]; then echo "PASS"; fi
    exit $status
}
trap finish EXIT
trap 'exit 1' INT TERM

# start_copy [TRACE_FILE]: starts Quorvel.exe; COPY names it for
# copy_running, wait_exit and copy_pid. With a trace file, Wine's relay
# trace of the calls named in RelayInclude goes there (TRACE_CHANNELS may
# name more of Wine's debug channels: "+relay,+menu").
COPIES=0
start_copy() {
    COPIES=$((COPIES + 1))
    COPY=$COPIES
    # A watcher reaps the copy and keeps its exit code: a copy that has
    # ended must not linger as a zombie that still looks alive.
    (
        if [ -n "${1:-}" ]; then
            WINEDEBUG="${TRACE_CHANNELS:-+relay}" wine "$EXE" 2>"$1" &
        else
            wine "$EXE" &
        fi
        echo $! > "$TMP_DIR/copy$COPY.pid"
        wait $!
        echo $? > "$TMP_DIR/copy$COPY.exit"
    ) &
    while ! [ -s "$TMP_DIR/copy$COPY.pid" ]; do sleep 0.05; done
    STARTED="$STARTED $COPY"
}

copy_pid() {
    cat "$TMP_DIR/copy$1.pid"
}

copy_running() {
    ! [ -f "$TMP_DIR/copy$1.exit" ]
}

# wait_exit COPY SECONDS: waits for the copy to end; prints its exit code.
wait_exit() {
    deadline=$(( $(date +%s) + $2 ))
    while copy_running "$1"; do
        if [ "$(date +%s)" -ge "$deadline" ]; then
            echo "timeout"
            return 1
        fi
        sleep 0.1
    done
    # The watcher may still be writing the code.
    while ! [ -s "$TMP_DIR/copy$1.exit" ]; do sleep 0.05; done
    cat "$TMP_DIR/copy$1.exit"
}

# trace_calls NAMES: Wine's relay trace reports the calls of these DLL
# functions ("user32.ShowWindow;shell32.Shell_NotifyIconA") to processes
# started with a trace file, until the test ends.
trace_calls() {
    driver reg-set 'Software\Wine\Debug' RelayInclude "$1" || fail "cannot set RelayInclude"
    on_exit "driver reg-delete-value 'Software\\Wine\\Debug' RelayInclude"
}

# value_of KEY TEXT: the value of a "key=value" line.
value_of() {
    printf '%s\n' "$2" | sed -n "s/^$1=//p"
}

# expect WHAT ACTUAL EXPECTED
expect() {
    [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"
}

# The program's registry entries: its settings key and its Run value.
SETTINGS='Software\Tessaly\QuorvelXP'
RUN='Software\Microsoft\Windows\CurrentVersion\Run'

# fresh_settings: the test starts as a first run and leaves no entry behind.
fresh_settings() {
    driver reg-delete "$SETTINGS"
    driver reg-delete-value "$RUN" Quorvel.exe
    on_exit "driver reg-delete '$SETTINGS'"
    on_exit "driver reg-delete-value '$RUN' Quorvel.exe"
}

# hex8 HWND: a handle as Wine's relay trace prints it.
hex8() {
    printf '%08x' "$1"
}

# No copy of the program may run in this prefix before a test starts, and
# nothing an interrupted test changed may linger.
driver no-mapping 30000 || fail "a copy of Quorvel is already running in $WINEPREFIX"
driver reg-delete 'Software\Wine\AppDefaults\Quorvel.exe'
driver reg-delete-value 'Software\Wine\Debug' RelayInclude
