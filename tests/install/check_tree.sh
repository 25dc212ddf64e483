#!/usr/bin/env bash
# An installed tree holds what a desktop needs, and its game finds its own data: the file
# list and icon sizes, the versions written in the metadata, and the program run from another
# directory with no --data-dir, then moved away from its data.
#   check_tree.sh <prefix>   (a staged `cmake --install`, or the usr/ of an unpacked .deb)
set -uo pipefail
prefix=$(realpath "$1")
id=io.github.tavrin.Tavrin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
    echo "FAIL: $*"
    status=1
}
# The system's own data directories must not stand in for the tree under test.
export XDG_DATA_HOME=$work/no-home XDG_DATA_DIRS=$work/no-system
export -n DISPLAY WAYLAND_DISPLAY

expected=(bin/tavrin "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg" share/man/man6/tavrin.6.gz
    share/doc/tavrin/copyright share/doc/tavrin/changelog.gz share/doc/tavrin/SOURCES.md
    share/tavrin/pages/SOURCES.md)
for file in hit3.WAV blip2.WAV yeah.WAV boo.WAV p_samy.mid translations/tavrin_en.qm \
    translations/tavrin_zh_TW.qm licenses/GPL-3.0-or-later.txt licenses/CC-BY-SA-4.0.txt; do
    expected+=("share/tavrin/$file")
done
for language in zh-TW zh-HK en; do
    for file in mapdata.txt mapmsg.txt gm1_data.txt gm1_why.txt; do
        expected+=("share/tavrin/$language/$file")
    done
    expected+=("share/tavrin/pages/info-$language.html" "share/tavrin/pages/help-$language.html")
done
for file in "${expected[@]}"; do
    [ -f "$prefix/$file" ] || fail "missing $file"
done
for size in 16 22 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    actual=$(identify -format '%wx%h' "$icon" 2>/dev/null)
    [ "$actual" = "${size}x$size" ] || fail "icon $icon is '$actual', not ${size}x$size"
done
programs=$(cd "$prefix" && find bin -type f ! -name tavrin)
[ -z "$programs" ] || fail "programs that are not the game: $programs"

version=$("$prefix/bin/tavrin" --version | awk '{ print $2 }')
released=$(grep -o '<release version="[^"]*"' "$prefix/share/metainfo/$id.metainfo.xml" |
    head -n 1 | cut -d '"' -f 2)
[ "$released" = "$version" ] || fail "the metainfo's latest release is '$released', not $version"
changelog=$(zcat "$prefix/share/doc/tavrin/changelog.gz" | head -n 1 | sed 's/^[^(]*(\([^)]*\)).*/\1/')
[ "$changelog" = "$version" ] || fail "the changelog's latest entry is '$changelog', not $version"

# From another directory, with nothing but the tree: the data is found relative to the program.
if ! output=$(cd / && "$prefix/bin/tavrin" --check-content 2>&1); then
    fail "--check-content failed: $output"
elif [[ $output != *"$prefix/share/tavrin/zh-TW are fine"* ]]; then
    fail "--check-content did not read $prefix/share/tavrin: $output"
fi

# Moved away from its data, the program names every place it tried and stops (code 2)...
mkdir -p "$work/moved/bin"
cp "$prefix/bin/tavrin" "$work/moved/bin/"
output=$(cd / && "$work/moved/bin/tavrin" --check-content 2>&1)
code=$?
[ $code -eq 2 ] || fail "without data --check-content exited with $code, not 2"
for place in "$work/moved/bin" "$work/moved/share/tavrin" "$work/no-home/tavrin" \
    "$work/no-system/tavrin"; do
    [[ $output == *"  $place"* ]] || fail "the missing-data message does not name $place: $output"
done
# ... until an XDG data directory holds the data.
mkdir -p "$work/no-system"
cp -r "$prefix/share/tavrin" "$work/no-system/"
output=$(cd / && "$work/moved/bin/tavrin" --check-content 2>&1) ||
    fail "the data in XDG_DATA_DIRS was not found: $output"

[ $status -eq 0 ] && echo "PASS: ${#expected[@]} files, icons at 7 sizes, version $version, data found"
exit $status
