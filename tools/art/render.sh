#!/bin/sh
# Builds the artwork generator and renders every picture again, at 1x and 2x, into
# src/art/pictures, rewriting src/art/pictures.qrc. Names given as arguments limit the run to
# those pictures (e.g. render.sh picCharacter picHeart). Without names it also draws the
# application icon into dist/icons/hicolor.
#
# Needs Qt 6 Gui and SVG development files, CMake, a C++20 compiler and the fonts "Comic Neue" and
# "DejaVu Serif" (Debian: qt6-base-dev qt6-svg-dev fonts-comic-neue fonts-dejavu-core).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${ART_BUILD_DIR:-$repo/build-art/tool}

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
QT_QPA_PLATFORM=offscreen "$build/tavrin-art" "$repo/src/art" "$@"
if [ $# -eq 0 ]; then
    QT_QPA_PLATFORM=offscreen "$build/tavrin-art" --app-icon "$repo/dist/icons/hicolor" \
        io.github.tavrin.Tavrin
fi
