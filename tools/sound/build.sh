#!/bin/sh
# Rebuilds the game's sound files: data/hit3.WAV, blip2.WAV, yeah.WAV, boo.WAV
# and p_samy.mid. Needs python3 and espeak-ng.
# Usage: build.sh [output directory, default: the repository's data/]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../data}
mkdir -p "$out"

python3 "$here/make_effects.py" "$out"
python3 "$here/make_tune.py" "$out/p_samy.mid"
echo "build.sh: wrote hit3.WAV, blip2.WAV, yeah.WAV, boo.WAV, p_samy.mid to $(cd "$out" && pwd)"
