#!/bin/bash
# A quiz reached in a seeded game and played with real clicks: five answers on the buttons,
# the bonus message answered, and the log, the score digits of the status window and the
# board's next throw all agreeing on the points. Clicking another of the game's windows
# while the quiz is open leaves the keyboard focus with the quiz.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
PICTURES=$(realpath "$(dirname "$0")/../../src/art/pictures")

# The quiz window's client area, centred on the 1024 x 768 screen, and its buttons.
QUIZ_GEOMETRY="359 298 306 171"
answer_x() { echo $((16 + 96 * $1 + 81 / 2)); }
ANSWER_Y=$((128 + 33 / 2))

# The number the six score digits of the status window show, read off the screen: each box
# is compared with every LED picture. Box i (0: units) stands at client pixel 344 - 16 i,
# top 32, and shows its picture one pixel in from its frame; the box to its left overlaps
# the picture's first column, so columns 1 to 15 are compared.
status_score() {
    local shot=$E2E_WORK/status.png i d best best_ae ae digits=
    import -window "$STATUS_WIN" "$shot" 2>/dev/null || fail "cannot capture the status window"
    for ((i = 5; i >= 0; i--)); do
        convert "$shot" -crop "15x21+$((346 - 16 * i))+33" +repage "$E2E_WORK/box.png"
        best='' best_ae=999999
        for d in 0 1 2 3 4 5 6 7 8 9 minus; do
            ae=$(compare -metric AE "$E2E_WORK/box.png" \
                \( "$PICTURES/RedDigit_$d.png" -crop 15x21+1+0 +repage \) null: 2>&1)
            ae=${ae%% *}
            ((ae < best_ae)) && best=$d best_ae=$ae
        done
        ((best_ae <= 8)) || { echo "?"; return; }
        digits+=$([ "$best" = minus ] && echo - || echo "$best")
    done
    # Leading zeros show on the LEDs; the log has none.
    if [[ $digits == -* ]]; then echo "-$((10#${digits#-}))"; else echo "$((10#$digits))"; fi
}

# status_score_wait N TIMEOUT: the status window redraws every 200 ms.
status_score_wait() {
    local i shown
    for ((i = 0; i < $(_ticks "$2"); i++)); do
        shown=$(status_score)
        [ "$shown" = "$1" ] && return 0
        sleep 0.1
    done
    fail "the status window shows $shown, the log says $1"
}

game_start --seed 21
board_open
# Lower the group so that the centred quiz and the message box leave the die free.
group_move_to 3 560

# Throw until the character stops on a quiz square; a target game on the way is closed.
while :; do
    game_expect_running "before a quiz"
    lines=$(log_count .)
    click_die
    log_wait_count . $((lines + 1)) 10
    line=$(sed -n "$((lines + 1))p" "$E2E_LOG")
    case $line in
    throw\ *) ;;
    *) fail "no quiz square was reached before: $line" ;;
    esac
    case $(log_field "$line" value) in
    33301) break ;;
    33302)
        target=$(window_wait '^Game2' 10)
        pace
        window_close "$target"
        window_wait_gone "$target" 10
        ;;
    esac
    pace
done
score=$(log_field "$line" score)
log_wait '^open game=quiz$' 5 >/dev/null
quiz=$(window_wait '^Game1  -  ' 10)
expect_geometry "$quiz" "$QUIZ_GEOMETRY" "quiz window"
status_score_wait "$score" 3
pace
screenshot quiz-open

# The board is clicked: the quiz takes the keyboard focus back.
click_in "$BOARD_WIN" 5 5
sleep 0.5
[ "$(xdotool getwindowfocus)" = "$quiz" ] ||
    fail "the focus went to window $(xdotool getwindowfocus), not back to the quiz $quiz"

# Five answers; the log says which were right, and the points must follow.
points=0
buttons=(0 1 2 1 0)
for n in 1 2 3 4 5; do
    button=${buttons[n - 1]}
    click_in "$quiz" "$(answer_x "$button")" "$ANSWER_Y"
    log_wait_count '^answer ' "$n" 5
    line=$(grep '^answer ' "$E2E_LOG" | sed -n "${n}p")
    [ "$(log_field "$line" question)" = "$n" ] || fail "answer $n logged as: $line"
    [ "$(log_field "$line" button)" = "$button" ] || fail "button $button logged as: $line"
    case $(log_field "$line" right) in
    1) points=$((points + 100)) ;;
    0) points=$((points - 50)) ;;
    *) fail "no right=0|1 in: $line" ;;
    esac
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
status_score_wait "$score" 3
screenshot after-quiz

# The board takes throws again, from the new score.
lines=$(log_count .)
click_die
log_wait_count . $((lines + 1)) 10
line=$(sed -n "$((lines + 1))p" "$E2E_LOG")
[[ $line == throw\ * ]] || fail "the die was not thrown after the quiz: $line"
problems=$(awk -f "$(dirname "$0")/check_board_log.awk" "$E2E_DATA/mapdata.txt" "$E2E_LOG" |
    grep -v -e "has no 'end' line" -e "does not end with 'exit'")
[ -z "$problems" ] || fail "the log disagrees with the board: $problems"
pass
