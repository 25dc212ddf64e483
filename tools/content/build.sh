#!/bin/sh
# Builds mapdata.txt, mapmsg.txt and gm1_data.txt of each content set from the
# UTF-8 sources board.txt and quiz.txt in the set's folder here (zh-HK, zh-TW,
# en). Every line ends with CR LF; the Chinese sets are written in Big5, the
# English set in UTF-8 without a byte order mark.
# Usage: build.sh                  every set, into data/LANG/
#        build.sh LANG [OUTDIR]    one set, into data/LANG/ or OUTDIR
set -eu

here=$(cd "$(dirname "$0")" && pwd)
data=$here/../../data
all_sets="zh-HK zh-TW en"

usage() {
    echo "usage: build.sh [LANG [OUTDIR]], LANG one of: $all_sets" >&2
    exit 2
}

# Writes one set; the scratch folder beside the outputs keeps a failure half
# way from leaving a mix of old and new files, and mv stays on one file system.
build_set() {
    lang=$1 out=$2
    mkdir -p "$out"
    scratch=$(mktemp -d "$out/.content-build.XXXXXX")
    trap 'rm -rf "$scratch"' EXIT
    for name in mapdata mapmsg gm1_data; do
        python3 "$here/render.py" "$here/$lang" "$name" >"$scratch/$name.utf8"
        case $lang in
        zh*)
            # No //IGNORE or -c: a character Big5 lacks must stop the build.
            if ! iconv -f UTF-8 -t BIG5 "$scratch/$name.utf8" >"$scratch/$name.txt"; then
                echo "build.sh: $lang/$name.txt: a character cannot be converted to Big5" >&2
                exit 1
            fi
            ;;
        *) mv "$scratch/$name.utf8" "$scratch/$name.txt" ;;
        esac
    done
    for name in mapdata mapmsg gm1_data; do
        mv "$scratch/$name.txt" "$out/$name.txt"
    done
    rm -rf "$scratch"
    trap - EXIT
    echo "build.sh: wrote $lang: mapdata.txt, mapmsg.txt, gm1_data.txt to $(cd "$out" && pwd)"
}

case $# in
0) sets=$all_sets ;;
1 | 2) sets=$1 ;;
*) usage ;;
esac
for lang in $sets; do
    [ -d "$here/$lang" ] || { echo "build.sh: no content set $lang in $here" >&2; usage; }
done

# Check every set first, so that nothing is written unless all of them are sound.
for lang in $sets; do
    python3 "$here/check.py" "$here/$lang"
done

if [ $# -eq 2 ]; then
    build_set "$1" "$2"
else
    for lang in $sets; do
        build_set "$lang" "$data/$lang"
    done
fi
