#!/bin/bash
# The status window's exit button: No (Escape) leaves the game as it was; Yes (the default
# button, so Return) ends the program at once with status 0 and never shows the end window.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# The exit shield, the fourth button of the status window.
exit_x=$((152 + 40 / 2)) exit_y=$((32 + 50 / 2))

# A board without mini-games: every click on the die is a throw.
content_copy
set_squares 0 37 10
game_start --seed 8
board_open
group_move_to 3 560
click_die
first=$(log_wait '^throw ' 5)
pace

click_in "$STATUS_WIN" "$exit_x" "$exit_y"
box=$(message_box_wait 5)
screenshot exit-question
pace
# While the question is open the die takes no click.
lines=$(log_count .)
click_die
message_box_answer "$box" Escape
# Play goes on from where it was; that throw shows the click and the No were handled before it.
click_die
log_wait_count '^throw ' 2 5
game_expect_running "after No"
[ "$(log_count '^(quit|exit|end)( |$)')" -eq 0 ] || fail "No ended the game"
[ "$(log_count .)" -eq $((lines + 1)) ] ||
    fail "a click on the die while the question was open: $(sed -n "$((lines + 1))p" "$E2E_LOG")"
second=$(sed -n "$((lines + 1))p" "$E2E_LOG")
[ "$(log_field "$second" from)" = "$(log_field "$first" to)" ] ||
    fail "after No the character did not go on from square $(log_field "$first" to): $second"
[ "$(log_field "$second" trial)" = 3 ] || fail "after No the throw count changed: $second"
pace

click_in "$STATUS_WIN" "$exit_x" "$exit_y"
box=$(message_box_wait 5)
pace
xdotool windowfocus "$box" 2>/dev/null
key Return
game_wait_exit 10
[ "$GAME_STATUS" = 0 ] || fail "Yes ended the program with status $GAME_STATUS"
[ "$(tail -n 1 "$E2E_LOG")" = quit ] || fail "the log does not end with 'quit'"
[ "$(log_count '^end ')" -eq 0 ] || fail "the end window was shown after Yes"
pass
