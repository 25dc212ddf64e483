#!/bin/sh
# Listen check without speakers: length and loudness of each effect, and of the
# tune rendered through the game's soundfont. Needs sox and the fluidsynth program.
# Usage: check.sh [directory with the sound files, default: the repository's data/]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
dir=${1:-$here/../../data}
soundfont=/usr/share/sounds/sf2/TimGM6mb.sf2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

loudness() {
    sox "$1" -n stat 2>&1 | awk -v name="$2" '
        /^Length/ { length_s = $3 }
        /^Maximum amplitude/ { peak = $3 }
        /^RMS +amplitude/ { rms = $3 }
        END { printf "%-12s %6.2f s  peak %.3f  rms %.3f\n", name, length_s, peak, rms }'
}

for name in hit3 blip2 yeah boo; do
    loudness "$dir/$name.WAV" "$name.WAV"
done
fluidsynth -ni -q -F "$scratch/tune.wav" -r 44100 "$soundfont" "$dir/p_samy.mid" >/dev/null
loudness "$scratch/tune.wav" "p_samy.mid"
