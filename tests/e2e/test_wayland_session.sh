#!/bin/bash
# The game in a Wayland session. With the session's X server beside it (XWayland; here Xvfb),
# it runs there: its windows are placed and cut to their shapes, and the handle drags the
# group. A user's own choice of Wayland is kept; there, and in a session without an X server,
# the game still plays and says once on standard error why its windows may not line up.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
weston_start
export XDG_SESSION_TYPE=wayland
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-*.so >/dev/null 2>&1 ||
    fail "no Qt Wayland platform plugin (apt-get install qt6-wayland)"

NOTE='does not let programs place their windows'

# --- Wayland and X: the windows come to the X server ----------------------------------------
game_start --seed 11
board_open
[ "$(grep -c "$NOTE" "$E2E_WORK/game.stderr")" -eq 0 ] || fail "a note about Wayland on X"
# In their places around the handle, and cut to the ball: outside the die's circle the
# pointer reaches the board or the screen, not the die.
read -r hx hy _ <<<"$(window_geometry "$HANDLE_WIN")"
expect_geometry "$DIE_WIN" "$(px $((hx * 15 + 7500))) $hy $DIE_SIZE" "die"
read -r x y _ <<<"$(window_geometry "$DIE_WIN")"
[ "$(window_at $((x + BALL_CENTRE_X)) $((y + BALL_CENTRE_Y)))" = "$DIE_WIN" ] ||
    fail "the die's ball is not the die's"
[ "$(window_at $((x + 150)) $((y + 105)))" != "$DIE_WIN" ] ||
    fail "the die is not cut to its ball: its hidden text box takes the pointer"
group_move_to 60 500
screenshot xwayland-dragged
click_die
log_wait '^throw ' 5 >/dev/null
kill "$GAME_PID" && wait "$GAME_PID" 2>/dev/null
GAME_PID=

# plays_on_wayland WHAT: the game, started by the caller with --autoplay (a headless Wayland
# compositor takes no test input), throws the die a few times without a window on the X
# server, and has said once why its windows may not line up.
plays_on_wayland() {
    log_wait_count '^throw ' 3 30
    game_expect_running "$1"
    [ -z "$(windows_of_game)" ] || fail "$1: windows on the X server"
    [ "$(grep -c "$NOTE" "$E2E_WORK/game.stderr")" -eq 1 ] || fail "$1: no single note"
    kill "$GAME_PID" && wait "$GAME_PID" 2>/dev/null
    GAME_PID=
}

# --- the user chose Wayland, with the X server there too ------------------------------------
QT_QPA_PLATFORM=wayland game_start --seed 11 --autoplay
plays_on_wayland "QT_QPA_PLATFORM=wayland"

# --- Wayland only ---------------------------------------------------------------------------
DISPLAY='' game_start --seed 11 --autoplay
plays_on_wayland "Wayland only"
pass
