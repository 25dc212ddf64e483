#!/bin/bash
# The win path: on a board where every square is worth 1000 points, four throws reach 5000.
# The status strip's LED rows must show the score and the throw number after each throw; the
# fifth click wins (the win is tested before a throw moves), shows the win message, and the
# game goes on to the end window with the final score.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

content_copy
set_squares 0 37 1000
game_start --seed 5
board_open
group_move_to 3 560
status_digits_wait $STATUS_SCORE_ROW 1000 3
status_digits_wait $STATUS_TRIAL_ROW 1 3

for n in 1 2 3 4; do
    click_die
    log_wait_count '^throw ' "$n" 10
    line=$(grep '^throw ' "$E2E_LOG" | sed -n "${n}p")
    [ "$(log_field "$line" score)" = $((1000 + 1000 * n)) ] || fail "throw $n scored: $line"
    status_digits_wait $STATUS_SCORE_ROW $((1000 + 1000 * n)) 3
    status_digits_wait $STATUS_TRIAL_ROW $((n + 1)) 3
    pace
done
screenshot before-the-win

click_die
line=$(log_wait '^win ' 10)
[ "$(log_field "$line" score)" = 5000 ] || fail "the win was logged as: $line"
[ "$(log_count '^throw ')" = 4 ] || fail "the winning click moved the character"
box=$(message_box_wait 5)
screenshot win-message
pace
message_box_answer "$box"
end=$(window_wait '^Bye Bye$' 10)
line=$(log_wait '^end ' 5)
[ "$(log_field "$line" score)" = 5000 ] || fail "the end window was given: $line"
for win in "$BOARD_WIN" "$STATUS_WIN" "$DIE_WIN" "$HANDLE_WIN"; do
    window_visible "$win" && fail "playing window $win still shown beside the end window"
done
problems=$(awk -f "$(dirname "$0")/check_board_log.awk" "$(board_file)" "$E2E_LOG" |
    grep -v "does not end with 'exit'")
[ -z "$problems" ] || fail "the log disagrees with the board: $problems"
pass
