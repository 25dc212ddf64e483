#!/usr/bin/env bash
# Idle benchmark (figures, not a test): the CPU the playing screen takes while nobody plays,
# with the background music (SDL's dummy driver, which plays in real time) and muted, and the
# peak memory against a bare Qt window plus the soundfont's size, and against the same window
# showing a line of Chinese text (what text alone costs). Run from the repo on an idle machine:
#   tests/bench/idle.sh [build/tavrin] [seconds]
# BARE_WINDOW names the bare window's program when the game is not in this build tree. The game
# is started as a player starts it: it finds its data beside itself and plays the set of the
# system's language.
set -euo pipefail
exe=${1:-build/tavrin}
seconds=${2:-20}
bare=${BARE_WINDOW:-$(dirname "$exe")/tests/bench/bench_bare_window}
# The soundfont the game picks when SDL_SOUNDFONTS is not set (src/sound/sound_fonts.h).
for soundfont in /usr/share/sounds/sf2/{default-GM,TimGM6mb,FluidR3_GM}.sf2; do
    [ -r "$soundfont" ] && break
done
# shellcheck source=bench_lib.sh
source "$(dirname "$0")/bench_lib.sh"
bench_init
export SDL_AUDIODRIVER=dummy

# Peak memory of the bare window, given its arguments.
bare_peak_kb() {
    launch "$bare" "$@"
    wait_for_window '^Start$'
    sleep 1
    peak_memory_kb "$BENCH_PID"
    stop
}
bare_kb=$(bare_peak_kb)
bare_text_kb=$(bare_peak_kb "$BENCH_TEXT")

# Prints "CPU% peakKB" of the playing screen left alone for the given time.
playing_screen() {
    launch "$exe" "$@"
    wait_for_window '^Start$'
    sleep 0.3
    click_start
    sleep 2 # the music has started
    local before after begin end
    before=$(cpu_ticks "$BENCH_PID")
    begin=$(now_ns)
    sleep "$seconds"
    after=$(cpu_ticks "$BENCH_PID")
    end=$(now_ns)
    awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v ns=$((end - begin)) \
        -v kb="$(peak_memory_kb "$BENCH_PID")" 'BEGIN {printf "%.2f %d", 100 * t / hz / (ns / 1e9), kb}'
    stop
}

read -r music_cpu music_kb <<<"$(playing_screen)"
read -r mute_cpu mute_kb <<<"$(playing_screen --mute)"
sf_kb=$(($(stat -L -c %s "$soundfont") / 1024))
mb() { awk -v kb="$1" 'BEGIN {printf "%.1f", kb / 1024}'; }
echo "Playing screen left alone for $seconds s:"
printf '  with music: CPU %5.2f %% of a core, peak memory %s MB\n' "$music_cpu" "$(mb "$music_kb")"
printf '  --mute:     CPU %5.2f %% of a core, peak memory %s MB\n' "$mute_cpu" "$(mb "$mute_kb")"
printf 'Bare Qt window %s MB + soundfont %s MB = %s MB; with music %.2fx that\n' \
    "$(mb "$bare_kb")" "$(mb "$sf_kb")" "$(mb $((bare_kb + sf_kb)))" \
    "$(awk -v m="$music_kb" -v b=$((bare_kb + sf_kb)) 'BEGIN {print m / b}')"
printf 'Bare Qt window with a line of Chinese text %s MB + soundfont = %s MB; with music %.2fx that\n' \
    "$(mb "$bare_text_kb")" "$(mb $((bare_text_kb + sf_kb)))" \
    "$(awk -v m="$music_kb" -v b=$((bare_text_kb + sf_kb)) 'BEGIN {print m / b}')"
