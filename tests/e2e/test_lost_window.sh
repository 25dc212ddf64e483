#!/bin/bash
# Another program destroys a window of the game from outside (XDestroyWindow, what xdotool's
# windowclose does): the game cannot show it again, so it ends at once with status 1 instead
# of running on unseen. A close request (WM_DELETE_WINDOW) still goes through the game's own
# handling.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# expect_lost NAME: the game ended because window NAME was destroyed.
expect_lost() {
    game_wait_exit 5
    [ "$GAME_STATUS" = 1 ] || fail "the game ended with status $GAME_STATUS, expected 1"
    [ "$(tail -n 1 "$E2E_LOG")" = "lost window=$1" ] ||
        fail "the log ends with '$(tail -n 1 "$E2E_LOG")', expected 'lost window=$1'"
    grep -q "another program destroyed the window" "$E2E_WORK/game.stderr" ||
        fail "no word of it on standard error"
}

note "the start window"
game_start --seed 4
xdotool windowclose "$(window_wait '^Start$' 20)"
expect_lost startWindow

note "the die during play"
game_start --seed 4
board_open
click_die
log_wait '^throw ' 5 >/dev/null
xdotool windowclose "$DIE_WIN"
expect_lost dieWindow

note "the end window"
game_start --seed 4
board_open
window_close "$HANDLE_WIN" # the handle's close box ends the game and shows the end window
end=$(window_wait '^Bye Bye$' 10)
log_wait '^end ' 5 >/dev/null
game_expect_running "after the handle's close box"
xdotool windowclose "$end"
expect_lost endWindow
pass
