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
# Arguments start_copy passes to EXE (a test may start another program).
EXE_ARGS=""
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
            WINEDEBUG="${TRACE_CHANNELS:-+relay}" wine "$EXE" $EXE_ARGS 2>"$1" &
        else
            wine "$EXE" $EXE_ARGS &
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

# read_window WINDOW: its rectangle on the screen L, T, R, B, and its
# client area's origin on the screen X, Y and size CW, CH.
read_window() {
    info=$(driver info "$1")
    # shellcheck disable=SC2046
    set -- $(value_of rect "$info" | tr , ' ') $(value_of client "$info" | tr , ' ')
    L=$1 T=$2 R=$3 B=$4 X=${5:-} Y=${6:-} CW=${7:-} CH=${8:-}
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

# wait_for SECONDS COMMAND...: until the command succeeds.
wait_for() {
    deadline=$(( $(date +%s) + $1 ))
    shift
    until "$@"; do
        [ "$(date +%s)" -ge "$deadline" ] && return 1
        sleep 0.3
    done
}

# trace_has PATTERN: a line of the relay trace in $TRACE matches.
trace_has() {
    grep -aq "$1" "$TRACE"
}

# screenshot: the whole display into $SHOT, as it is on screen. Not xwd:
# every Wine process has a colormap of its own, so xwd -root puts its
# picture together window by window, and where a popup covers a window of
# the same program the covered window's own (black) pixels win over the
# popup's. A window that changes while it is read spoils one picture: the
# callers take another.
SHOT="$TMP_DIR/shot.ppm"
screenshot() {
    import -display "$DISPLAY" -window root -silent xwd:- 2>/dev/null | convert xwd:- "ppm:$SHOT" 2>/dev/null
}

# gauge: "LEVEL X Y" of the gauge in the tray, or nothing.
gauge() {
    screenshot && python3 "$E2E_ROOT/tests/e2e/find_gauge.py" "$SHOT"
}

# wait_gauge LEVEL SECONDS: until the tray shows that gauge (any gauge for
# LEVEL "any"); prints it.
wait_gauge() {
    deadline=$(( $(date +%s) + $2 ))
    while :; do
        found=$(gauge)
        case "$1:$found" in any:?* | "$1:$1 "*) echo "$found"; return 0 ;; esac
        [ "$(date +%s)" -ge "$deadline" ] && { echo "last seen: '$found'" >&2; return 1; }
        sleep 0.5
    done
}

# aim_at_gauge "LEVEL X Y": ICON_X and ICON_Y, the middle of that gauge.
aim_at_gauge() {
    set -- $1
    ICON_X=$(( $2 + 8 ))
    ICON_Y=$(( $3 + 8 ))
}

# open_menu: right-click on the icon of process PID; sets MENU, its window
# rectangle (rect, MENU_LEFT, MENU_TOP, MENU_RIGHT, MENU_BOTTOM) and the
# item height H. The menu has a 3-pixel border, eight items of equal height
# and two separators of 4 pixels (the XP look), after entries 2 and 6. The
# pointer leaves the icon at once, before the icon's tooltip shows over the
# menu.
open_menu() {
    xdotool mousemove "$ICON_X" "$ICON_Y" click 3 mousemove $(( ICON_X - 100 )) $(( ICON_Y - 100 ))
    MENU=$(driver find '#32768' - "$PID" 20000) || fail "no popup menu after a right-click"
    rect=$(value_of rect "$(driver info "$MENU")")
    MENU_LEFT=${rect%%,*}
    MENU_TOP=$(echo "$rect" | cut -d, -f2)
    MENU_RIGHT=$(echo "$rect" | cut -d, -f3)
    MENU_BOTTOM=$(echo "$rect" | cut -d, -f4)
    H=$(( (MENU_BOTTOM - MENU_TOP - 6 - 8) / 8 ))
}

# item_top INDEX: the screen row where entry INDEX (from 0) of the open
# menu begins.
item_top() {
    separators=0
    [ "$1" -gt 3 ] && separators=1
    [ "$1" -gt 7 ] && separators=2
    echo $(( MENU_TOP + 3 + ($1 - separators) * H + separators * 4 ))
}

# choose INDEX: clicks the INDEX-th entry (from 0) of the open menu.
choose() {
    xdotool mousemove $(( MENU_LEFT + 40 )) $(( $(item_top "$1") + H / 2 ))
    sleep 0.3
    xdotool click 1
    driver wait "$MENU" gone 10000 >/dev/null || fail "the menu stayed open after choosing entry $1"
}

# Reads pixels of a window picture (colours, text shades, block counts).
WINDOW_LOOK="python3 $E2E_ROOT/tests/e2e/window_look.py"

# No copy of the program may run in this prefix before a test starts, and
# nothing an interrupted test changed may linger.
driver no-mapping 30000 || fail "a copy of Quorvel is already running in $WINEPREFIX"
driver reg-delete 'Software\Wine\AppDefaults\Quorvel.exe'
driver reg-delete-value 'Software\Wine\Debug' RelayInclude
