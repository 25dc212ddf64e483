#!/usr/bin/env bash
# An installed game, started from another directory without --data-dir, reaches the board in
# a real X server, and its windows carry the application icon and the class its desktop entry
# names.
#   test_board.sh <installed tavrin>   (beside ../share/tavrin and ../share/applications)
# shellcheck source=../e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh"
exe=$(realpath "$1")
e2e_init "$exe" "$(dirname "$exe")"
# shellcheck disable=SC2034 # read by game_start: no --data-dir, the game finds its data itself
E2E_DATA=
export XDG_DATA_HOME=$E2E_WORK/no-home XDG_DATA_DIRS=$E2E_WORK/no-system
cd "$E2E_WORK" || fail "no work directory"

game_start --seed 3
start=$(window_wait '^Start$' 20)
xprop -id "$start" _NET_WM_ICON | grep -q 'Icon (128 x 128)' ||
    fail "the start window has no 128 px application icon (Qt's largest on X11)"
desktop=$(dirname "$exe")/../share/applications/io.github.tavrin.Tavrin.desktop
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
xprop -id "$start" WM_CLASS | grep -q "\"$wm_class\"\$" ||
    fail "WM_CLASS '$(xprop -id "$start" WM_CLASS)' does not end with '$wm_class' of $desktop"
board_open
screenshot board
pass
