# shellcheck shell=bash
# Shared by the start-up and idle benchmarks: a private X server, timed launches, process
# figures from /proc.

# shellcheck source=../e2e/session_bus.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/session_bus.sh"

# A private Xvfb on a free display, and a settings folder of our own: a stored "sound off"
# must not change the figures, and the real user's settings stay untouched.
# SESSION_BUS=1 also starts a D-Bus session bus, as a desktop session has. Without one (the
# default, an X server alone), the game's first text makes D-Bus start a bus for the display
# (dbus-launch); the bare window, which sets no text, never asks for one.
bench_init() {
    BENCH_WORK=$(mktemp -d "${TMPDIR:-/tmp}/tavrin-bench.XXXXXX")
    export XDG_CONFIG_HOME=$BENCH_WORK/config XDG_RUNTIME_DIR=$BENCH_WORK/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$BENCH_WORK/display" \
        2>/dev/null &
    BENCH_XVFB=$!
    BENCH_BUS=
    trap 'kill $BENCH_XVFB $BENCH_BUS 2>/dev/null; rm -rf "$BENCH_WORK"' EXIT
    until [ -s "$BENCH_WORK/display" ]; do sleep 0.05; done
    export DISPLAY=:$(head -n 1 "$BENCH_WORK/display")
    until xdotool getdisplaygeometry &>/dev/null; do sleep 0.05; done
    if [ "${SESSION_BUS:-0}" = 1 ]; then
        start_session_bus "$XDG_RUNTIME_DIR"
        BENCH_BUS=$SESSION_BUS_PID
    fi
    echo "bench: Xvfb $DISPLAY, $([ -n "$BENCH_BUS" ] && echo "with" || echo "without") a session bus"
}

# The floor's line of Chinese (bench_bare_window TEXT), about as long as the start window's.
BENCH_TEXT="擲骰子 Throw the die"

now_ns() { date +%s%N; }

# xdotool's own --sync polls only twice a second: poll finer.
wait_for_window() {
    until xdotool search --onlyvisible --name "$1" &>/dev/null; do sleep 0.002; done
}

# Starts a program in the background (sets BENCH_PID), its output discarded.
launch() {
    "$@" &>/dev/null &
    BENCH_PID=$!
}

stop() {
    kill "$BENCH_PID" 2>/dev/null
    wait "$BENCH_PID" 2>/dev/null || true
}

# Milliseconds of CPU a process's threads have used so far (the scheduler's own count, in ns:
# finer than the clock ticks of /proc/PID/stat, and not stretched by other programs' load).
# A thread may end between the listing and the reading: it is left out, not a failure.
cpu_ms() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {printf "%.1f", ns / 1e6}' || true; }

peak_memory_kb() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Clicks START on the start window and waits for the playing screen: its drag handle, titled
# Tavrin, 178 x 162. A message box has that title too, when the game cannot play: that stops
# the benchmark rather than measure it.
click_start() {
    local WINDOW X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool search --onlyvisible --name '^Start$' getwindowgeometry --shell | tail -n 6)"
    xdotool mousemove $((X + 250)) $((Y + 188)) click 1
    wait_for_window '^Tavrin$'
    eval "$(xdotool search --onlyvisible --name '^Tavrin$' getwindowgeometry --shell | tail -n 6)"
    if [ "${WIDTH}x$HEIGHT" != 178x162 ]; then
        echo "bench: no playing screen after START (a ${WIDTH}x$HEIGHT window: a message?)" >&2
        exit 1
    fi
}

median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
