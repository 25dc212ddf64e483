#!/usr/bin/env bash
# Start-up benchmark (figures, not a test): how long Tavrin takes to put its start window on
# screen, against the floor launched alternately with it in the same run: muted (--mute), with
# SDL's dummy audio driver, and with no audio device; and how long the playing screen then
# takes after START. The floor is the bare Qt window showing a line of Chinese, as the start
# window does (bench_bare_window TEXT): the first Chinese text costs any Qt program the font
# set-up, which the game cannot avoid. Run from the repo on an idle machine:
#   tests/bench/startup.sh [build/tavrin] [runs]
# BEFORE names another build of the game (a copy of the program beside the same data): each
# run then times it too, alternating with this one, and the summary compares the two.
# BARE_WINDOW names the bare window's program when the game is not in this build tree. The game
# is started as a player starts it: it finds its data beside itself and plays the set of the
# system's language.
# "No device" is SDL left to choose its driver: run it on a machine without a sound card (a
# container, a server), where SDL probes for one and gives up.
set -euo pipefail
exe=${1:-build/tavrin}
runs=${2:-11}
bare=${BARE_WINDOW:-$(dirname "$exe")/tests/bench/bench_bare_window}
builds=(game)
declare -A program=([game]=$exe)
if [ -n "${BEFORE:-}" ]; then
    builds=(before game)
    program[before]=$BEFORE
fi
# shellcheck source=bench_lib.sh
source "$(dirname "$0")/bench_lib.sh"
bench_init
if grep -qs '^ *[0-9]' /proc/asound/cards; then
    echo "note: this machine has a sound card: 'no device' measures that card"
fi

modes=(mute dummy none)
declare -A label=([mute]="Tavrin --mute" [dummy]="Tavrin, dummy driver" [none]="Tavrin, no device")

# Sets MS to the milliseconds from launch to the start window on screen, and CPU to the CPU
# milliseconds the program had used by then; leaves it running.
time_to_start() {
    local begin
    begin=$(now_ns)
    launch "$@"
    wait_for_window '^Start$'
    MS=$((($(now_ns) - begin) / 1000000))
    CPU=$(cpu_ms "$BENCH_PID")
}

# game MODE PROGRAM
game() {
    case $1 in
    mute) time_to_start env SDL_AUDIODRIVER=dummy "$2" --mute ;;
    dummy) time_to_start env SDL_AUDIODRIVER=dummy "$2" ;;
    none) time_to_start env -u SDL_AUDIODRIVER "$2" ;;
    esac
}

for i in $(seq "$runs"); do
    line="run $i:"
    for mode in "${modes[@]}"; do
        time_to_start "$bare" "$BENCH_TEXT"
        stop
        echo "$MS" >>"$BENCH_WORK/bare.$mode"
        echo "$CPU" >>"$BENCH_WORK/bare-cpu.$mode"
        line="$line bare $MS ms,"
        for build in "${builds[@]}"; do
            game "$mode" "${program[$build]}"
            echo "$MS" >>"$BENCH_WORK/$build.$mode"
            echo "$CPU" >>"$BENCH_WORK/$build-cpu.$mode"
            sleep 0.3
            begin=$(now_ns)
            click_start
            echo $((($(now_ns) - begin) / 1000000)) >>"$BENCH_WORK/board.$build.$mode"
            stop
            line="$line $build $mode $MS ms,"
        done
        line="${line%,};"
    done
    echo "$line"
done

echo
# against_floor SUFFIX: each build's medians beside the floor's, files NAME$SUFFIX.MODE.
against_floor() {
    local build mode b g
    for build in "${builds[@]}"; do
        [ ${#builds[@]} -gt 1 ] && echo " ${program[$build]}:"
        for mode in "${modes[@]}"; do
            b=$(median <"$BENCH_WORK/bare$1.$mode")
            g=$(median <"$BENCH_WORK/$build$1.$mode")
            awk -v l="${label[$mode]}" -v b="$b" -v g="$g" \
                'BEGIN {printf "  %-22s %6.1f ms  floor %5.1f ms  ratio %.2fx\n", l, g, b, g / b}'
        done
    done
}
echo "Time to the start window, medians of $runs runs (each against the floor's runs beside it):"
against_floor ""
echo "CPU used by then, medians (what a loaded machine does not stretch):"
against_floor -cpu
echo "Playing screen after START (medians):"
for build in "${builds[@]}"; do
    for mode in "${modes[@]}"; do
        printf '  %-22s %-6s %6s ms\n' "${label[$mode]}" "$build" \
            "$(median <"$BENCH_WORK/board.$build.$mode")"
    done
done
