#!/bin/bash
# A quiz played with real clicks: five answers on the buttons, the bonus message answered,
# and the log, the score digits of the status window and the board's next throw all agreeing
# on the points. The question file of the test's own makes button 2 right for every
# question, so that right and wrong are known without the program's word for it. Clicking another of the game's windows
# while the quiz is open leaves the keyboard focus with the quiz.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# The quiz window's client area, centred on the 1024 x 768 screen, and its buttons.
QUIZ_GEOMETRY="359 298 306 171"
answer_x() { echo $((16 + 96 * $1 + 81 / 2)); }
ANSWER_Y=$((128 + 33 / 2))

content_copy
set_squares 1 6 33301 # the first throw lands on a quiz
set_answers 1
game_start --seed 21
board_open
# Lower the group so that the centred quiz and the message box leave the die free.
group_move_to 3 560

click_die
line=$(log_wait '^throw ' 10)
[ "$(log_field "$line" value)" = 33301 ] || fail "the first throw did not reach a quiz: $line"
score=$(log_field "$line" score)
log_wait '^open game=quiz$' 5 >/dev/null
quiz=$(window_wait '^Game1  -  ' 10)
expect_geometry "$quiz" "$QUIZ_GEOMETRY" "quiz window"
status_digits_wait $STATUS_SCORE_ROW "$score" 3
pace
screenshot quiz-open

# The board is clicked: the quiz takes the keyboard focus back.
click_in "$BOARD_WIN" 5 5
window_focus_wait "$quiz" quiz

# Five answers: only the middle button is right, by the question file.
points=0
buttons=(0 1 2 1 0)
for n in 1 2 3 4 5; do
    button=${buttons[n - 1]}
    click_in "$quiz" "$(answer_x "$button")" "$ANSWER_Y"
    log_wait_count '^answer ' "$n" 5
    line=$(grep '^answer ' "$E2E_LOG" | sed -n "${n}p")
    [ "$(log_field "$line" question)" = "$n" ] || fail "answer $n logged as: $line"
    [ "$(log_field "$line" button)" = "$button" ] || fail "button $button logged as: $line"
    if [ "$button" = 1 ]; then points=$((points + 100)); else points=$((points - 50)); fi
    [ "$(log_field "$line" right)" = "$([ "$button" = 1 ] && echo 1 || echo 0)" ] ||
        fail "button $button is $([ "$button" = 1 ] || echo not) right by the file: $line"
    [ "$(log_field "$line" gamescore)" = "$points" ] || fail "expected $points points: $line"
    [ "$n" = 5 ] && screenshot quiz-question-5
    pace
done

box=$(message_box_wait 5)
screenshot quiz-bonus
[ "$(log_count '^bonus ')" -eq 0 ] || fail "the bonus was counted before its message was answered"
pace
message_box_answer "$box"
window_wait_gone "$quiz" 5
line=$(log_wait '^bonus game=quiz ' 5)
[ "$(log_field "$line" points)" = "$points" ] || fail "bonus of $points points expected: $line"
score=$((score + points))
[ "$(log_field "$line" score)" = "$score" ] || fail "score $score expected: $line"
status_digits_wait $STATUS_SCORE_ROW "$score" 3
screenshot after-quiz

# The board takes throws again, from the new score.
lines=$(log_count .)
click_die
log_wait_count . $((lines + 1)) 10
line=$(sed -n "$((lines + 1))p" "$E2E_LOG")
[[ $line == throw\ * ]] || fail "the die was not thrown after the quiz: $line"
problems=$(awk -f "$(dirname "$0")/check_board_log.awk" "$(board_file)" "$E2E_LOG" |
    grep -v -e "has no 'end' line" -e "does not end with 'exit'")
[ -z "$problems" ] || fail "the log disagrees with the board: $problems"
pass
