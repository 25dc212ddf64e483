#!/bin/bash
# Where the game opens on screens of other sizes. On a large screen the playing windows stand
# exactly where the design puts them; on a small one at the 200 % size chosen in the menu, with
# a panel along the bottom, every window of the group is whole within the screen's free area
# and the die can still be thrown; the start window and the mini-games open in the middle of
# that area. A scale factor in the user's environment wins over the chosen size.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
E2E_SCREEN=1280x1024x24
e2e_init "$@"
wm_start

# inside_area ID LEFT TOP RIGHT BOTTOM WHAT: the window's client area lies within the box.
inside_area() {
    local x y w h
    read -r x y w h <<<"$(window_geometry "$1")"
    ((x >= $2 && y >= $3 && x + w <= $4 && y + h <= $5)) ||
        fail "$6 at $x $y ${w}x$h, not inside $2 $3 $4 $5"
}

# --- 1280 x 1024, no scaling: the design's places -------------------------------------------
mkdir -p "$XDG_CONFIG_HOME/tavrin"
printf '[display]\nscale=200\n' >"$XDG_CONFIG_HOME/tavrin/tavrin.conf"
QT_SCALE_FACTOR=1 game_start --seed 11
start=$(window_wait '^Start$' 20)
expect_geometry "$start" "481 408 317 208" "start window"
board_open
expect_geometry "$HANDLE_WIN" "3 349 $HANDLE_SIZE" "handle"
expect_geometry "$BOARD_WIN" "96 29 $BOARD_SIZE" "board"
expect_geometry "$STATUS_WIN" "134 389 $STATUS_SIZE" "status"
expect_geometry "$DIE_WIN" "503 349 $DIE_SIZE" "die"
screenshot large-screen

# --- 1024 x 768 at 200 %, a 48-pixel panel at the bottom -----------------------------------
desktop_restart 1024x768x24
cat >"$E2E_WORK/rc.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <margins><top>0</top><bottom>48</bottom><left>0</left><right>0</right></margins>
</openbox_config>
XML
wm_start --config-file "$E2E_WORK/rc.xml"
FREE="0 0 1024 720"
BOARD_SIZE="904 694" STATUS_SIZE="742 176" DIE_SIZE="356 274" HANDLE_SIZE="356 324"
game_start --seed 11
start=$(window_wait '^Start$' 20)
# shellcheck disable=SC2086
inside_area "$start" $FREE "start window"
read -r x y w h <<<"$(window_geometry "$start")"
dx=$((x + w / 2 - 512)) dy=$((y + h / 2 - 360)) # within a scaled pixel
((dx * dx <= 4 && dy * dy <= 4)) || fail "start window not centred: $x $y $w $h"
click_in "$start" $((2 * 260)) $((2 * 188))
window_wait_gone "$start" 10
playing_windows_wait 10
screenshot scaled-screen
for win in HANDLE_WIN BOARD_WIN STATUS_WIN DIE_WIN; do
    note "$win at $(window_geometry "${!win}")"
    # shellcheck disable=SC2086
    inside_area "${!win}" $FREE "$win"
done
# The die and the handle stand in front of the board that they now overlap.
read -r x y _ <<<"$(window_geometry "$DIE_WIN")"
[ "$(window_at $((x + 2 * BALL_CENTRE_X)) $((y + 2 * BALL_CENTRE_Y)))" = "$DIE_WIN" ] ||
    fail "the die's ball is covered"
read -r x y _ <<<"$(window_geometry "$HANDLE_WIN")"
[ "$(window_at $((x + 2 * BALL_CENTRE_X)) $((y + 2 * BALL_CENTRE_Y)))" = "$HANDLE_WIN" ] ||
    fail "the handle's ball is covered"

# Throw until a mini-game opens: in the middle of the free area.
deadline=$((SECONDS + 60))
until game=$(windows_named '^Game[12]' | head -n 1) && [ -n "$game" ]; do
    ((SECONDS < deadline)) || fail "no mini-game within 60 s"
    throws=$(log_count '^(throw|refused) ')
    read -r x y _ <<<"$(window_geometry "$DIE_WIN")"
    click $((x + 2 * BALL_CENTRE_X)) $((y + 2 * BALL_CENTRE_Y))
    log_wait_count '^(throw|refused) ' $((throws + 1)) 10
    pace
done
# Its client area: the window manager adds a title bar above it.
read -r x y w h <<<"$(window_geometry "$game")"
dx=$((x + w / 2 - 512)) dy=$((y + h / 2 - 360))
((dx * dx <= 4 && dy >= 0 && dy <= 24)) || fail "the mini-game is not centred: $x $y $w $h"
screenshot scaled-mini-game
pass
