#!/usr/bin/env bash
# Start-up benchmark (figures, not a test): how long the program takes to put its start window
# on screen and, after START, the playing screen; and its peak memory. Run from the repo:
#   tests/bench/startup.sh [build/tavrin] [runs]
# With sound: TAVRIN_BENCH_ARGS= SDL_AUDIODRIVER=dummy tests/bench/startup.sh
set -euo pipefail
exe=${1:-build/tavrin}
runs=${2:-5}
Xvfb :77 -screen 0 1024x768x24 -nolisten tcp -noreset &>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=:77
sleep 1
# xdotool's own --sync polls only twice a second: poll finer.
wait_for_window() {
    until xdotool search --onlyvisible --name "$1" &>/dev/null; do sleep 0.005; done
}
for i in $(seq "$runs"); do
    begin=$(date +%s%N)
    "$exe" ${TAVRIN_BENCH_ARGS---mute} &>/dev/null &
    game=$!
    wait_for_window '^Start$'
    shown=$(date +%s%N)
    sleep 0.3
    eval "$(xdotool search --onlyvisible --name '^Start$' getwindowgeometry --shell | tail -n 6)"
    clicked=$(date +%s%N)
    xdotool mousemove $((X + 250)) $((Y + 188)) click 1
    wait_for_window '^Tavrin$'
    board=$(date +%s%N)
    sleep 0.5
    peak=$(awk '/VmHWM/ {print $2}' /proc/$game/status)
    kill $game
    wait $game 2>/dev/null || true
    printf 'run %d: start window %3d ms, playing screen %3d ms after START, peak memory %d MB\n' \
        "$i" $(((shown - begin) / 1000000)) $(((board - clicked) / 1000000)) $((peak / 1024))
done
