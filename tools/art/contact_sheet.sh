#!/bin/sh
# Builds a contact sheet of every rendered picture for review: the 2x renderings, labelled,
# on a checkerboard so that transparent parts show, one row per kind of picture.
# Needs ImageMagick.
#
#   tools/art/contact_sheet.sh OUTPUT.png      (ART_PICTURES=DIR reads another folder)
set -eu
pictures=${ART_PICTURES:-$(cd "$(dirname "$0")/../../src/art/pictures" && pwd)}
output=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# tile NAME ENLARGEMENT: the 2x picture on a checkerboard, enlarged pixel for pixel.
tile() {
    file="$pictures/$1@2x.png"
    convert -size "$(identify -format %wx%h "$file")" pattern:checkerboard \
        -fill '#e4e0ea' -opaque white -fill '#c8c2d0' -opaque black \
        "$file" -composite -filter point -resize "$2%" -set label "$1" "$work/$1.miff"
}

# row FILE ENLARGEMENT NAME...: one labelled row of pictures.
row() {
    out=$1 factor=$2
    shift 2
    files=""
    for name in "$@"; do
        tile "$name" "$factor"
        files="$files $work/$name.miff"
    done
    # shellcheck disable=SC2086  # one argument per picture
    montage $files -font DejaVu-Sans -pointsize 13 -background '#f4f2f6' \
        -geometry '+6+6' -tile "$#x1" "$work/$out"
}

row r1.png 300 RedDigit_0 RedDigit_1 RedDigit_2 RedDigit_3 RedDigit_4 RedDigit_5 RedDigit_6 \
    RedDigit_7 RedDigit_8 RedDigit_9 RedDigit_10 RedDigit_minus
row r2.png 150 DiceGra_1 DiceGra_2 DiceGra_3 DiceGra_4 DiceGra_5 DiceGra_6
row r3.png 200 imgTiles_0 imgTiles_1 imgTiles_2 imgTiles_3 icoCreature picWordScore \
    picWordTrial
row r4.png 200 picShieldInfo picShieldHelp picShieldSearch picShieldExit
row r5.png 200 imgTarget_0 imgTarget_1 imgTarget_2 imgTarget_3 imgTarget_4
row r6.png 150 picCharacter picHeart picGreenBall
row r7.png 100 picOldMap picWood
row r8.png 100 picGreenBands
convert -background '#f4f2f6' "$work"/r?.png -append "$output"
echo "contact sheet: $output"
