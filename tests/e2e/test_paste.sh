#!/bin/bash
# The start window's instructions box stays editable: with nothing on the clipboard (a fresh X
# session) Ctrl+V, Shift+Insert and a middle click paste nothing, and the game goes on.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

game_start --seed 3
start=$(window_wait '^Start$' 20)
read -r x y _ <<<"$(window_geometry "$start")"
click $((x + 120)) $((y + 60))
pace
key ctrl+v
key shift+Insert
click $((x + 120)) $((y + 80)) 2
screenshot after-paste
board_open # START still works: the pastes before it were handled
game_expect_running "after pasting nothing"
pass
