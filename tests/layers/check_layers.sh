#!/bin/bash
# Folders under src/ are layers: a file may include from its own folder or a lower layer,
# never from a higher one, and the rules include no Qt at all.
set -u
shopt -s nullglob
src=${1:?usage: check_layers.sh SRC_DIR}

rank() {
    case $1 in
    rules) echo 0 ;;
    sound | platform | art) echo 1 ;;
    layouts) echo 2 ;;
    controls) echo 3 ;;
    windows) echo 4 ;;
    app) echo 5 ;;
    *) echo unknown ;;
    esac
}

faults=0
for file in "$src"/*/*.h "$src"/*/*.cpp; do
    folder=$(basename "$(dirname "$file")")
    own=$(rank "$folder")
    if [ "$own" = unknown ]; then
        echo "${file#"$src"/}: folder $folder has no layer"
        faults=$((faults + 1))
        continue
    fi
    while IFS= read -r included; do
        target=${included%%/*}
        [ "$target" = "$included" ] && continue # a file beside it
        theirs=$(rank "$target")
        if [ "$theirs" = unknown ] || { [ "$target" != "$folder" ] && [ "$theirs" -ge "$own" ]; }; then
            echo "${file#"$src"/}: includes $included from a layer that is not below $folder"
            faults=$((faults + 1))
        fi
    done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
    if [ "$folder" = rules ] && grep -q '^#include <Q' "$file"; then
        echo "${file#"$src"/}: the rules include Qt"
        faults=$((faults + 1))
    fi
done
[ "$faults" -eq 0 ] && echo "every include runs downwards"
exit $((faults > 0))
