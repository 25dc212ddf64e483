#!/bin/sh
# Rebuilds data/mapdata.txt, data/mapmsg.txt and data/gm1_data.txt (Big5,
# CR LF) from board.txt and quiz.txt in this folder.
# Usage: build.sh [output directory, default: the repository's data/]
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../data}
mkdir -p "$out"

python3 "$here/check.py"

# Build into a scratch folder beside the outputs, then move: a failure half
# way never leaves a mix of old and new files, and mv stays on one file system.
scratch=$(mktemp -d "$out/.content-build.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

for name in mapdata mapmsg gm1_data; do
    python3 "$here/render.py" "$name" >"$scratch/$name.utf8"
    # No //IGNORE or -c: a character Big5 lacks must stop the build.
    if ! iconv -f UTF-8 -t BIG5 "$scratch/$name.utf8" >"$scratch/$name.txt"; then
        echo "build.sh: $name.txt: a character cannot be converted to Big5" >&2
        exit 1
    fi
done

for name in mapdata mapmsg gm1_data; do
    mv "$scratch/$name.txt" "$out/$name.txt"
done
echo "build.sh: wrote mapdata.txt, mapmsg.txt, gm1_data.txt to $(cd "$out" && pwd)"
