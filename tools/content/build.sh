#!/bin/sh
# Builds mapdata.txt, mapmsg.txt, gm1_data.txt and gm1_why.txt (one explanation
# per question) of each content set from the UTF-8 sources board.txt, quiz.txt
# and why.txt in the set's folder here (zh-HK, zh-TW, en). Every line ends with
# CR LF; the Chinese sets are written in Big5, the English set in UTF-8 without
# a byte order mark. Each set is checked by the
# game itself (tavrin --check-content) before anything is written: a fault or a
# warning in any set leaves every data file as it was.
# Usage: build.sh                  every set, into data/LANG/
#        build.sh LANG [OUTDIR]    one set, into data/LANG/ or OUTDIR
# The game is taken from $TAVRIN, else from build/tavrin (built if missing).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
data=$repo/data
all_sets="zh-HK zh-TW en"

usage() {
    echo "usage: build.sh [LANG [OUTDIR]], LANG one of: $all_sets" >&2
    exit 2
}

the_game() {
    if [ -n "${TAVRIN:-}" ]; then
        echo "$TAVRIN"
        return
    fi
    if [ ! -x "$repo/build/tavrin" ]; then
        echo "build.sh: building the game to check the content with it" >&2
        cmake -S "$repo" -B "$repo/build" >/dev/null
        cmake --build "$repo/build" --target tavrin -j"$(nproc)" >&2
    fi
    echo "$repo/build/tavrin"
}

# Renders one set into its scratch folder and checks it there as the game reads it.
render_and_check() {
    lang=$1 out=$2
    mkdir -p "$out"
    for name in mapdata mapmsg gm1_data gm1_why; do
        python3 "$here/render.py" "$here/$lang" "$name" >"$out/$name.txt" || {
            echo "build.sh: $lang: nothing was built" >&2
            exit 1
        }
    done
    report=$("$game" --check-content --data-dir "$out" 2>&1) || true
    problems=$(printf '%s\n' "$report" | grep -E '^(error|warning): ' || true)
    if [ -n "$problems" ]; then
        printf '%s\n' "$problems" >&2
        echo "build.sh: $lang: $(printf '%s\n' "$problems" | wc -l) problem(s) found; nothing was built" >&2
        exit 1
    fi
}

case $# in
0) sets=$all_sets ;;
1 | 2) sets=$1 ;;
*) usage ;;
esac
for lang in $sets; do
    case " $all_sets " in *" $lang "*) ;; *) usage ;; esac
done
game=$(the_game)

# Everything is built beside the outputs first, so that a failure half way
# never leaves a mix of old and new files, and mv stays on one file system.
if [ $# -eq 2 ]; then
    mkdir -p "$2"
    scratch=$(mktemp -d "$(dirname "$2")/.content-build.XXXXXX")
else
    mkdir -p "$data"
    scratch=$(mktemp -d "$data/.content-build.XXXXXX")
fi
trap 'rm -rf "$scratch"' EXIT
for lang in $sets; do
    render_and_check "$lang" "$scratch/$lang"
done
for lang in $sets; do
    out=$data/$lang
    [ $# -eq 2 ] && out=$2
    mkdir -p "$out"
    for name in mapdata mapmsg gm1_data gm1_why; do
        mv "$scratch/$lang/$name.txt" "$out/$name.txt"
    done
    echo "build.sh: wrote $lang: mapdata.txt, mapmsg.txt, gm1_data.txt, gm1_why.txt to $(cd "$out" && pwd)"
done
