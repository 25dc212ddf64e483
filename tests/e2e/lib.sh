# shellcheck shell=bash
# Shared helpers for the end-to-end tests: the real program in a private Xvfb with a session
# bus of its own, driven by real X input events (xdotool), checked through its event log and
# window geometry.
#
# Usage (tests/e2e/CMakeLists.txt runs every test_*.sh as: test_x.sh <tavrin> <content dir>,
# the folder of the zh-HK set, played with --data-dir):
#
#   #!/bin/bash
#   # shellcheck source=lib.sh
#   source "$(dirname "$0")/lib.sh"
#   e2e_init "$@"                     # private Xvfb, temp dir, cleanup trap
#   game_start --seed 7               # adds --log, --mute, --data-dir (none if E2E_DATA is
#                                     # empty; E2E_LANG=en: --lang en instead); extra options
#                                     # appended (E2E_SOUND=1: not muted)
#   start=$(window_wait '^Start$')    # a visible window whose title matches (ERE)
#   read -r x y w h <<<"$(window_geometry "$start")"
#   click $((x + 260)) $((y + 188))   # left click at a screen pixel (button 3: click X Y 3)
#   window_wait_gone "$start"
# or, for the playing screen:
#   board_open                        # START ->; sets BOARD_WIN STATUS_WIN DIE_WIN HANDLE_WIN
#   group_move_to 3 560               # keeps the die clear of centred windows
#   click_die                         # a throw
#   box=$(message_box_wait 10); message_box_answer "$box"    # Return: the default button
#   window_close "$(window_wait '^Game1' 10)"                 # what a close box does
#   line=$(log_wait '^throw ' 10)     # first matching log line, or fail after 10 s
#   log_wait_count '^throw ' 3 20     # at least 3 matching lines
#   game_wait_exit 30                 # sets GAME_STATUS, or fails if still running
#   game_stop                         # ends it now, to start another
#   screenshot after-start            # saved to $E2E_ARTIFACTS/after-start.png
#   record_opened_addresses           # before game_start: addresses go to a list, not a browser
#   opened_wait 'readme' 5            # the first recorded address that matches
#   pass
#
# Every helper that waits polls for its condition and calls `fail` when its timeout (in
# seconds) runs out, so a test neither hangs nor guesses how long the machine takes. `fail`
# saves a screenshot, the log tail and the game's stderr; the artifacts of the last run
# stay in e2e-artifacts/<test>/. Xvfb and the game are always killed on exit.
#
# Coordinates: the windows are placed without a window manager, so a window's geometry is
# its client area's screen position and size. Windows whose caption is empty get the
# application name "tavrin" as their X title; window_find_by_size tells them apart.
#
# Desktops: E2E_SCREEN=WxHxD before e2e_init sizes the screen (1024x768x24 by default);
# wm_start [openbox options] adds a real window manager (openbox), weston_start a headless
# Wayland compositor beside the X server (sets WAYLAND_DISPLAY for the game to see). Each test
# has a session bus of its own; E2E_SESSION_BUS=0 before e2e_init leaves it out.

# shellcheck disable=SC2034 # constants and results for the tests that source this file
set -u
# shellcheck source=session_bus.sh
source "$(dirname "${BASH_SOURCE[0]}")/session_bus.sh"

E2E_TIMEOUT_SCALE=${E2E_TIMEOUT_SCALE:-1} # raise on a very slow machine
E2E_PACE=${E2E_PACE:-0.3}                 # seconds between a player's actions

e2e_init() {
    E2E_EXE=$(realpath "${1:?usage: $0 <tavrin executable> <content dir>}")
    E2E_DATA=$(realpath "${2:?usage: $0 <tavrin executable> <content dir>}")
    E2E_NAME=$(basename "$0" .sh)
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/tavrin-e2e.XXXXXX")
    E2E_ARTIFACTS=${E2E_ARTIFACTS_ROOT:-$PWD/e2e-artifacts}/$E2E_NAME
    rm -rf "$E2E_ARTIFACTS"
    mkdir -p "$E2E_ARTIFACTS"
    E2E_LOG=$E2E_WORK/events.log
    GAME_PID=
    GAME_STATUS=
    XVFB_PID=
    WM_PID=
    WESTON_PID=
    BUS_PID=
    E2E_MAIN_PID=$BASHPID
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    trap 'exit 1' USR1
    local tool missing=
    for tool in Xvfb xdotool xwininfo import ps awk dbus-daemon /usr/bin/python3; do
        command -v "$tool" >/dev/null || missing="$missing $tool"
    done
    [ -z "$missing" ] || fail "missing tools:$missing (apt-get install xvfb xdotool x11-utils imagemagick procps dbus-daemon python3)"
    [ -x "$E2E_EXE" ] || fail "no executable $E2E_EXE"
    export SDL_AUDIODRIVER=dummy
    export XDG_RUNTIME_DIR=$E2E_WORK/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # The game keeps the player's settings here: never the real user's, and none left over
    # from another test.
    export XDG_CONFIG_HOME=$E2E_WORK/config
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE QT_SCALE_FACTOR
    xvfb_start
    session_bus_start
}

note() { echo "[$E2E_NAME] $*" >&2; }

# Scaled timeout in whole deciseconds, for polling loops.
_ticks() { awk -v s="$1" -v k="$E2E_TIMEOUT_SCALE" 'BEGIN { printf "%d", s * k * 10 }'; }

fail() {
    note "FAIL: $*"
    if [ -n "$XVFB_PID" ]; then
        import -window root "$E2E_ARTIFACTS/failure.png" 2>/dev/null &&
            note "screenshot: $E2E_ARTIFACTS/failure.png"
    fi
    if [ -s "${E2E_LOG:-}" ]; then
        note "last log lines:"
        tail -n 15 "$E2E_LOG" >&2
    fi
    if [ -s "${E2E_WORK:-}/game.stderr" ]; then
        note "game stderr:"
        tail -n 15 "$E2E_WORK/game.stderr" >&2
    fi
    # Called inside $(...), exiting ends only the subshell: stop the test itself too.
    [ "$BASHPID" = "$E2E_MAIN_PID" ] || kill -USR1 "$E2E_MAIN_PID"
    exit 1
}

pass() {
    note "PASS"
    exit 0
}

e2e_cleanup() {
    local status=$?
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null && wait "$WM_PID" 2>/dev/null
    [ -n "$WESTON_PID" ] && kill "$WESTON_PID" 2>/dev/null && wait "$WESTON_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    [ -n "$BUS_PID" ] && kill "$BUS_PID" 2>/dev/null
    [ -n "${E2E_LOG:-}" ] && [ -f "$E2E_LOG" ] && cp "$E2E_LOG" "$E2E_ARTIFACTS/events.log"
    [ -f "${E2E_WORK:-}/game.stderr" ] && cp "$E2E_WORK/game.stderr" "$E2E_ARTIFACTS/"
    [ -n "${E2E_WORK:-}" ] && rm -rf "$E2E_WORK"
    exit "$status"
}

# --- X server --------------------------------------------------------------------------

# Xvfb picks a free display number itself (-displayfd) and writes it once it accepts
# connections: no race with other tests choosing the same number. -noreset: by default the
# server resets when its last client leaves, and a connection made during the reset fails.
xvfb_start() {
    local numfile=$E2E_WORK/display i
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp -noreset 3>"$numfile" 2>"$E2E_WORK/xvfb.stderr" &
    XVFB_PID=$!
    for ((i = 0; i < $(_ticks 20); i++)); do
        if grep -q '^[0-9]' "$numfile" 2>/dev/null && [ "$(wc -l <"$numfile")" -ge 1 ]; then
            DISPLAY=:$(head -n 1 "$numfile")
            export DISPLAY
            if xdotool getdisplaygeometry >/dev/null 2>&1; then
                note "Xvfb on $DISPLAY"
                return 0
            fi
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    cat "$E2E_WORK/xvfb.stderr" >&2
    XVFB_PID=
    fail "Xvfb did not start"
}

# A session bus of the test's own, as every desktop session has. Without one, the game's
# first text makes D-Bus start a bus for the display: it forks dbus-launch from a thread while
# other threads allocate, and under AddressSanitizer (whose allocator is not fork-safe in
# GCC 12) the child can deadlock before its exec, and the game with it. A test that made its
# own bus already (dbus-run-session) sets TAVRIN_PRIVATE_BUS=1. E2E_SESSION_BUS=0 before
# e2e_init plays in an X session started without a bus, as a bare window manager's can be,
# except on a sanitized build; expect_no_bus_started then checks the game started none.
session_bus_start() {
    [ "${TAVRIN_PRIVATE_BUS:-0}" = 1 ] && return 0
    if [ "${E2E_SESSION_BUS:-1}" = 0 ] && ! ldd "$E2E_EXE" | grep -q libasan; then
        note "no session bus: the game plays without one"
        unset DBUS_SESSION_BUS_ADDRESS
        return 0
    fi
    start_session_bus "$XDG_RUNTIME_DIR" || fail "no session bus (dbus-daemon)"
    BUS_PID=$SESSION_BUS_PID
}

# expect_no_bus_started: no D-Bus process runs for this display (dbus-launch starts one when a
# program asks for a bus where there is none), and nothing was written under $HOME/.dbus.
expect_no_bus_started() {
    local pid
    for pid in $(pgrep -x dbus-launch) $(pgrep -x dbus-daemon); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" &&
            fail "a D-Bus process for this display runs: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
    done
    [ ! -e "$HOME/.dbus" ] || fail "$HOME/.dbus was written"
}

# wm_start [OPTIONS]: run openbox on the X server and wait until it manages windows.
wm_start() {
    command -v openbox >/dev/null || fail "no openbox (apt-get install openbox)"
    HOME=$E2E_WORK openbox "$@" >"$E2E_WORK/wm.log" 2>&1 &
    WM_PID=$!
    local i
    for ((i = 0; i < $(_ticks 10); i++)); do
        if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
            note "openbox runs"
            return 0
        fi
        kill -0 "$WM_PID" 2>/dev/null || break
        sleep 0.1
    done
    cat "$E2E_WORK/wm.log" >&2
    fail "openbox did not start"
}

# weston_start: a headless Wayland compositor in the test's own runtime directory; exports
# WAYLAND_DISPLAY once it accepts clients.
weston_start() {
    command -v weston >/dev/null || fail "no weston (apt-get install weston)"
    local socket=tavrin-e2e i
    weston --backend=headless-backend.so --socket="$socket" --idle-time=0 \
        >"$E2E_WORK/weston.log" 2>&1 &
    WESTON_PID=$!
    for ((i = 0; i < $(_ticks 10); i++)); do
        if [ -S "$XDG_RUNTIME_DIR/$socket" ] && grep -q 'launching' "$E2E_WORK/weston.log"; then
            export WAYLAND_DISPLAY=$socket
            note "weston on $WAYLAND_DISPLAY"
            return 0
        fi
        kill -0 "$WESTON_PID" 2>/dev/null || break
        sleep 0.1
    done
    cat "$E2E_WORK/weston.log" >&2
    fail "weston did not start"
}

# managed_windows: the windows the window manager manages, one decimal id (as xdotool gives
# them) a line.
managed_windows() {
    local id
    for id in $(xprop -root _NET_CLIENT_LIST 2>/dev/null | sed -n 's/.*# //p' | tr -d ,); do
        printf '%d\n' "$id"
    done
}

# taskbar_windows: the managed windows that a taskbar shows (no skip-taskbar state).
taskbar_windows() {
    local id
    for id in $(managed_windows); do
        xprop -id "$id" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
            echo "$id"
    done
}

# expect_taskbar N WHAT: exactly N windows on the taskbar.
expect_taskbar() {
    local shown
    shown=$(taskbar_windows)
    [ "$(grep -c . <<<"$shown")" -eq "$1" ] ||
        fail "$2: expected $1 taskbar window(s), found: $(for id in $shown; do
            xprop -id "$id" WM_NAME | sed 's/.*= //'; done | tr '\n' ' ')"
}

# desktop_restart WxHxD: a new X server of that size, without a window manager; the game and
# the window manager of the old one are stopped.
desktop_restart() {
    local pid
    for pid in "$GAME_PID" "$WM_PID" "$XVFB_PID"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    GAME_PID='' WM_PID='' XVFB_PID=''
    E2E_SCREEN=$1
    xvfb_start
}

screenshot() {
    import -window root "$E2E_ARTIFACTS/$1.png" || note "screenshot $1 failed"
}

# --- the game --------------------------------------------------------------------------

# record_opened_addresses: the game's web and mail addresses are handed to xdg-open; a stand-in
# found first on the PATH writes them to $E2E_OPENED instead of starting a browser.
record_opened_addresses() {
    E2E_OPENED=$E2E_WORK/opened
    : >"$E2E_OPENED"
    mkdir -p "$E2E_WORK/bin"
    cat >"$E2E_WORK/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$1" >>"$E2E_OPENED"
EOF
    chmod +x "$E2E_WORK/bin/xdg-open"
    export PATH=$E2E_WORK/bin:$PATH
}

# opened_wait ERE TIMEOUT: print the first recorded address that matches.
opened_wait() {
    local i
    for ((i = 0; i < $(_ticks "${2:-10}"); i++)); do
        grep -m 1 -E -- "$1" "$E2E_OPENED" 2>/dev/null && return 0
        sleep 0.1
    done
    fail "no address matching '$1' opened within ${2:-10} s"
}

# game_start OPTIONS: the game reads its content from $GAME_CONTENT (the shipped zh-HK set unless
# a test made a folder of its own with content_copy); with E2E_LANG set, it plays the shipped
# set of that language instead (--lang). With E2E_GAME_PATH set, the game (not the test) has
# that PATH, e.g. with a stand-in browser. Muted unless E2E_SOUND=1 (SDL_AUDIODRIVER then
# says where the sound goes). Classic mode unless E2E_MODE=learning.
game_start() {
    : >"$E2E_LOG"
    GAME_STATUS=
    local folder=${GAME_CONTENT:-$E2E_DATA} content=() mute=--mute mode=--classic
    [ "${E2E_SOUND:-0}" = 1 ] && mute=
    [ "${E2E_MODE:-classic}" = learning ] && mode=
    [ -z "$folder" ] || content=(--data-dir "$folder")
    [ -z "${E2E_LANG:-}" ] || content=(--lang "$E2E_LANG")
    # shellcheck disable=SC2086 # no option at all when the game is not muted
    PATH=${E2E_GAME_PATH:-$PATH} "$E2E_EXE" --log "$E2E_LOG" $mute $mode "${content[@]}" "$@" \
        >"$E2E_WORK/game.stdout" 2>"$E2E_WORK/game.stderr" &
    GAME_PID=$!
    note "game pid $GAME_PID: $(basename "$E2E_EXE") --log ... $mute $mode ${content[*]} $*"
    log_wait '^start ' 20 >/dev/null
}

# content_copy: a folder of the test's own holding the shipped content files, which the game
# reads from then on; tests change it with set_squares and set_answers.
content_copy() {
    GAME_CONTENT=$E2E_WORK/content
    mkdir -p "$GAME_CONTENT"
    cp "$E2E_DATA/mapdata.txt" "$E2E_DATA/mapmsg.txt" "$E2E_DATA/gm1_data.txt" \
        "$E2E_DATA/gm1_why.txt" "$GAME_CONTENT/"
}

# set_squares FIRST LAST VALUE: squares FIRST to LAST of the board are worth VALUE.
set_squares() {
    sed -i "$(($1 + 1)),$(($2 + 1))s/.*/$3\r/" "$GAME_CONTENT/mapdata.txt"
}

# set_answers BUTTON: every question's right answer is BUTTON (0, 1 or 2).
set_answers() {
    sed -i "5~6s/.*/$1\r/" "$GAME_CONTENT/gm1_data.txt"
}

# The board file the game reads, for checking the log against it.
board_file() { echo "${GAME_CONTENT:-$E2E_DATA}/mapdata.txt"; }

# game_stop: end the game now (as the system would), to start another.
game_stop() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null
    GAME_PID=
}

# True while the game process runs (a finished child that is not yet reaped is a zombie).
game_running() {
    [ -n "$GAME_PID" ] || return 1
    local state
    state=$(ps -o stat= -p "$GAME_PID" 2>/dev/null) || return 1
    [[ $state != Z* ]]
}

# game_wait_exit TIMEOUT: wait for the game to end by itself; sets GAME_STATUS.
game_wait_exit() {
    local i
    for ((i = 0; i < $(_ticks "${1:-30}"); i++)); do
        if ! game_running; then
            wait "$GAME_PID"
            GAME_STATUS=$?
            GAME_PID=
            note "game exited with status $GAME_STATUS"
            return 0
        fi
        sleep 0.1
    done
    fail "the game still runs after ${1:-30} s"
}

game_expect_running() {
    game_running || fail "the game ended unexpectedly${1:+ ($1)}"
}

# --- event log -------------------------------------------------------------------------

# log_count ERE: how many log lines match.
log_count() { grep -cE -- "$1" "$E2E_LOG" 2>/dev/null || true; }

# log_wait ERE TIMEOUT: print the first matching line once it is written.
log_wait() {
    log_wait_count "$1" 1 "${2:-10}"
    grep -m 1 -E -- "$1" "$E2E_LOG"
}

# log_wait_count ERE N TIMEOUT: wait until at least N lines match.
log_wait_count() {
    local i
    for ((i = 0; i < $(_ticks "${3:-10}"); i++)); do
        [ "$(log_count "$1")" -ge "$2" ] && return 0
        sleep 0.1
    done
    fail "no $2 log line(s) matching '$1' within ${3:-10} s"
}

# log_field LINE KEY: the value of KEY=value in a log line.
log_field() {
    local word
    for word in $1; do
        [[ $word == "$2="* ]] && { echo "${word#*=}"; return 0; }
    done
    return 1
}

# --- windows ---------------------------------------------------------------------------

# windows_named ERE: the visible windows whose title matches, one id a line.
windows_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; }

# windows_of_game: the game's visible top-level windows.
windows_of_game() { xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null || true; }

# window_wait ERE TIMEOUT: print the id of the one visible window whose title matches.
window_wait() {
    local i ids
    for ((i = 0; i < $(_ticks "${2:-10}"); i++)); do
        ids=$(windows_named "$1")
        if [ -n "$ids" ]; then
            [ "$(wc -l <<<"$ids")" -eq 1 ] || fail "more than one window titled '$1'"
            echo "$ids"
            return 0
        fi
        sleep 0.1
    done
    fail "no window titled '$1' within ${2:-10} s"
}

# window_wait_gone ID TIMEOUT: wait until the window is unmapped or destroyed.
window_wait_gone() {
    local i
    for ((i = 0; i < $(_ticks "${2:-10}"); i++)); do
        window_visible "$1" || return 0
        sleep 0.1
    done
    fail "window $1 still shown after ${2:-10} s"
}

# window_wait_destroyed ID TIMEOUT: wait until the window no longer exists (unloaded, not
# merely hidden).
window_wait_destroyed() {
    local i
    for ((i = 0; i < $(_ticks "${2:-10}"); i++)); do
        xwininfo -id "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "window $1 still exists after ${2:-10} s"
}

window_visible() {
    xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# window_geometry ID: "X Y WIDTH HEIGHT" in screen pixels.
window_geometry() {
    geometry_if_there "$1" || fail "no window $1 (gone, or never there)"
}

# geometry_if_there ID: as window_geometry, or status 1 when the window is not there. A window
# that goes away while it is read gives xdotool's output in part or not at all: read again a
# few times before giving up.
geometry_if_there() {
    local WINDOW X Y WIDTH HEIGHT SCREEN i
    for i in 1 2 3; do
        WINDOW='' X='' Y='' WIDTH='' HEIGHT='' SCREEN=''
        eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
        if [ -n "$X" ] && [ -n "$Y" ] && [ -n "$WIDTH" ] && [ -n "$HEIGHT" ]; then
            echo "$X $Y $WIDTH $HEIGHT"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# window_find_by_geometry X Y W H: the game's visible window with exactly this geometry.
window_find_by_geometry() {
    local id
    for id in $(windows_of_game); do
        [ "$(geometry_if_there "$id")" = "$1 $2 $3 $4" ] && { echo "$id"; return 0; }
    done
    return 1
}

# window_find_by_size "W H": the game's one visible window of this size (none if ambiguous).
window_find_by_size() {
    local id x y w h found=
    for id in $(windows_of_game); do
        read -r x y w h <<<"$(geometry_if_there "$id")"
        if [ "$w $h" = "$*" ]; then
            [ -z "$found" ] || return 1
            found=$id
        fi
    done
    [ -n "$found" ] && echo "$found"
}

# window_at X Y: the top-level window that takes the pointer at a screen pixel (the X server
# honours window shapes here), or 0 over the bare screen.
window_at() {
    local WINDOW id
    pointer_to "$1" "$2"
    eval "$(xdotool getmouselocation --shell | grep '^WINDOW=')"
    # Under a window manager that is the frame around a window: name the window inside.
    if [ -n "$WM_PID" ]; then
        for id in $(managed_windows); do
            [ "$(window_frame "$id")" = "$WINDOW" ] && { echo "$id"; return 0; }
        done
    fi
    echo "$WINDOW"
}

# window_frame ID: the window's ancestor just below the root (itself without a window manager).
window_frame() {
    local id=$1 parent root
    root=$(printf '%d' "$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')")
    while parent=$(xwininfo -children -id "$id" 2>/dev/null |
        sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p') && [ -n "$parent" ] &&
        [ "$(printf '%d' "$parent")" != "$root" ]; do
        id=$(printf '%d' "$parent")
    done
    echo "$id"
}

# window_close ID: what a window manager's close box does: send WM_DELETE_WINDOW, so that the
# program runs its own close handling. (Xvfb has no window manager and xdotool's windowclose
# would destroy the window under the program's feet.)
window_close() {
    /usr/bin/python3 - "$1" <<'PY' || fail "cannot send WM_DELETE_WINDOW to $1"
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]

dpy = x.XOpenDisplay(None)
if not dpy:
    sys.exit(1)
window = int(sys.argv[1])
event = ClientMessage(type=33, window=window, format=32,
                      message_type=x.XInternAtom(dpy, b"WM_PROTOCOLS", 0))
event.data[0] = x.XInternAtom(dpy, b"WM_DELETE_WINDOW", 0)
event.data[1] = 0  # CurrentTime
ok = x.XSendEvent(dpy, window, 0, 0, ctypes.byref(event))
x.XFlush(dpy)
x.XCloseDisplay(dpy)
sys.exit(0 if ok else 1)
PY
}

# window_wait_geometry ID "X Y W H" TIMEOUT: wait until the window stands there.
window_wait_geometry() {
    local i
    for ((i = 0; i < $(_ticks "${3:-10}"); i++)); do
        [ "$(geometry_if_there "$1")" = "$2" ] && return 0
        sleep 0.1
    done
    fail "window $1 at '$(window_geometry "$1")', expected '$2' within ${3:-10} s"
}

# window_changed_wait ID BEFORE AFTER [SECONDS]: waits until the window's picture differs from
# the picture file BEFORE in more than 500 pixels, leaving the new picture in the file AFTER.
window_changed_wait() {
    local i changed
    for ((i = 0; i < $(_ticks "${4:-5}"); i++)); do
        import -window "$1" "$3"
        changed=$(compare -metric AE "$2" "$3" null: 2>&1)
        [ "${changed%% *}" -gt 500 ] 2>/dev/null && return 0
        sleep 0.1
    done
    fail "window $1 did not change within ${4:-5} s ($changed pixels changed)"
}

# window_focus_wait ID WHAT [SECONDS]: waits until the window has the keyboard focus.
window_focus_wait() {
    local i
    for ((i = 0; i < $(_ticks "${3:-5}"); i++)); do
        [ "$(xdotool getwindowfocus)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "the focus is on window $(xdotool getwindowfocus), not on the $2 $1"
}

# expect_geometry ID "X Y W H" WHAT: check the window's geometry now.
expect_geometry() {
    local actual
    actual=$(window_geometry "$1")
    [ "$actual" = "$2" ] || fail "$3 at '$actual', expected '$2'"
}

# --- input -----------------------------------------------------------------------------

# pointer_to X Y: move the pointer and wait until the server has it there. (--sync waits
# for a movement, about 10 s in vain when the pointer is already in place.)
pointer_to() {
    local X Y SCREEN WINDOW
    eval "$(xdotool getmouselocation --shell)"
    [ "$X $Y" = "$1 $2" ] && return 0
    xdotool mousemove --sync "$1" "$2" || fail "cannot move the pointer"
}

# click X Y [BUTTON]: a real press and release at a screen pixel, as a player makes it.
click() {
    pointer_to "$1" "$2"
    sleep 0.05
    xdotool mousedown "${3:-1}"
    sleep 0.08
    xdotool mouseup "${3:-1}"
}

# click_in ID DX DY [BUTTON]: click at a pixel of a window's client area.
click_in() {
    local x y w h
    read -r x y w h <<<"$(window_geometry "$1")"
    click $((x + $2)) $((y + $3)) "${4:-1}"
}

# press X Y BUTTON / move_to X Y / release BUTTON: the steps of a drag, for checks between.
press() {
    pointer_to "$1" "$2"
    sleep 0.05
    xdotool mousedown "$3"
}
move_to() {
    # In small steps, as a hand moves, so that every step is a motion event.
    local from_x from_y X Y i steps=8
    eval "$(xdotool getmouselocation --shell | grep -E '^[XY]=')"
    from_x=$X from_y=$Y
    for ((i = 1; i <= steps; i++)); do
        pointer_to $((from_x + ($1 - from_x) * i / steps)) $((from_y + ($2 - from_y) * i / steps))
        sleep 0.03
    done
}
release() { xdotool mouseup "$1"; }

key() { xdotool key "$@"; }

pace() { sleep "$E2E_PACE"; }

# --- the playing screen ----------------------------------------------------------------

# px TWIPS: the nearest pixel, as the program converts layout positions (15 twips a pixel).
px() {
    local t=$1
    if ((t >= 0)); then echo $(((t + 7) / 15)); else echo $(((t - 7) / 15)); fi
}

# Client sizes of the playing windows ("W H"); their places follow the handle.
BOARD_SIZE="452 347"
STATUS_SIZE="371 88"
DIE_SIZE="178 137"
HANDLE_SIZE="178 162"
# The die and the handle show only a ball: a 128-pixel circle at this client pixel.
BALL_LEFT=2 BALL_TOP=1 BALL_DIAMETER=128
BALL_CENTRE_X=$((BALL_LEFT + BALL_DIAMETER / 2))
BALL_CENTRE_Y=$((BALL_TOP + BALL_DIAMETER / 2))

# board_open: click "START ->" on the start window and wait for the four playing windows;
# sets BOARD_WIN, STATUS_WIN, DIE_WIN and HANDLE_WIN.
board_open() {
    local start
    start=$(window_wait '^Start$' 20)
    click_in "$start" $((216 + 89 / 2)) $((176 + 25 / 2))
    window_wait_gone "$start" 10
    playing_windows_wait 10
}

# playing_windows_wait TIMEOUT: find the four playing windows (board and status have no
# caption, so they are told apart by size).
playing_windows_wait() {
    local i
    for ((i = 0; i < $(_ticks "${1:-10}"); i++)); do
        HANDLE_WIN=$(window_find_by_size "$HANDLE_SIZE")
        BOARD_WIN=$(window_find_by_size "$BOARD_SIZE")
        STATUS_WIN=$(window_find_by_size "$STATUS_SIZE")
        DIE_WIN=$(window_find_by_size "$DIE_SIZE")
        if [ -n "$HANDLE_WIN" ] && [ -n "$BOARD_WIN" ] && [ -n "$STATUS_WIN" ] &&
            [ -n "$DIE_WIN" ]; then
            return 0
        fi
        sleep 0.1
    done
    fail "the playing windows did not all appear within ${1:-10} s"
}

# group_move_to X Y: drag the handle (left button) so that it stands at screen pixel (X, Y)
# and wait until the group has followed. Centred windows (mini-games, the end window,
# message boxes) cover the die where the game puts it; lower the group to keep it clear.
group_move_to() {
    local hx hy grab_x grab_y
    read -r hx hy _ <<<"$(window_geometry "$HANDLE_WIN")"
    grab_x=$((hx + BALL_CENTRE_X)) grab_y=$((hy + BALL_CENTRE_Y))
    press "$grab_x" "$grab_y" 1
    move_to $((grab_x + $1 - hx)) $((grab_y + $2 - hy))
    release 1
    window_wait_geometry "$HANDLE_WIN" "$1 $2 $HANDLE_SIZE" 5
    window_wait_geometry "$DIE_WIN" "$(px $(($1 * 15 + 7500))) $2 $DIE_SIZE" 5
}

# click_die: a click in the middle of the die's ball (the face picture), as a player throws.
click_die() { click_in "$DIE_WIN" "$BALL_CENTRE_X" "$BALL_CENTRE_Y"; }

# status_digits ROW: the number a row of six LED digits of the status strip shows (score:
# top 32, throw: top 56), read off the screen: each box is compared with every LED picture.
# Box i (0: units) stands at client pixel 344 - 16 i and shows its picture one pixel in from
# its frame; the box to its left overlaps the picture's first column, so columns 1 to 15
# are compared.
status_digits() {
    local shot=$E2E_WORK/status.png pictures i d best best_ae ae digits=
    pictures=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../src/art/pictures")
    import -window "$STATUS_WIN" "$shot" 2>/dev/null || fail "cannot capture the status window"
    for ((i = 5; i >= 0; i--)); do
        convert "$shot" -crop "15x21+$((346 - 16 * i))+$(($1 + 1))" +repage "$E2E_WORK/box.png"
        best='' best_ae=999999
        for d in 0 1 2 3 4 5 6 7 8 9 minus; do
            ae=$(compare -metric AE "$E2E_WORK/box.png" \
                \( "$pictures/RedDigit_$d.png" -crop 15x21+1+0 +repage \) null: 2>&1)
            ae=${ae%% *}
            ((ae < best_ae)) && best=$d best_ae=$ae
        done
        ((best_ae <= 8)) || { echo "?"; return; }
        digits+=$([ "$best" = minus ] && echo - || echo "$best")
    done
    # Leading zeros show on the LEDs; the log has none.
    if [[ $digits == -* ]]; then echo "-$((10#${digits#-}))"; else echo "$((10#$digits))"; fi
}
STATUS_SCORE_ROW=32
STATUS_TRIAL_ROW=56

# status_digits_wait ROW N TIMEOUT: the status strip redraws every 200 ms.
status_digits_wait() {
    local i shown
    for ((i = 0; i < $(_ticks "$3"); i++)); do
        shown=$(status_digits "$1")
        [ "$shown" = "$2" ] && return 0
        sleep 0.1
    done
    fail "the status strip's row at $1 shows $shown, expected $2"
}

# message_box_wait TIMEOUT: the id of an open message box (titled "Tavrin", like the handle).
message_box_wait() {
    local i id
    for ((i = 0; i < $(_ticks "${1:-10}"); i++)); do
        id=$(message_box_find)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no message box within ${1:-10} s"
}

message_box_find() {
    local id
    for id in $(windows_named '^Tavrin$'); do
        [ "$id" != "${HANDLE_WIN:-}" ] && { echo "$id"; return 0; }
    done
    return 1
}

# message_box_answer ID [KEY]: press KEY (Return: the default button) in the box and wait
# until it closes. The box takes the focus itself when it opens.
message_box_answer() {
    xdotool windowfocus "$1" 2>/dev/null
    xdotool key "${2:-Return}"
    window_wait_gone "$1" 10
}
