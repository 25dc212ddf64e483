#!/bin/bash
# A whole game played as a player plays it: real clicks on the die at a human pace until the
# end window, then its two pages. The event log must agree with the board file throw by
# throw, and the program must end with status 0. The board's first six squares open target
# games, so that a click under a mini-game (refused, the die held) is always tried.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

content_copy
set_squares 1 6 33302
game_start --seed 3
board_open
# Lower the group so that the centred mini-game, message and end windows leave the die free.
group_move_to 3 560

refused_face=   # the face a click left on the die while a mini-game was open
expect_face=    # the face the next throw must use (the die stayed held)

# A mini-game has opened: once, click the die under it (the throw is refused and the die
# keeps its face), then close the mini-game with its close box.
mini_game() {
    local title win line before
    title=$([ "$1" = quiz ] && echo '^Game1' || echo '^Game2')
    win=$(window_wait "$title" 10)
    pace
    if [ -z "$refused_face" ]; then
        screenshot "mini-game-$1"
        before=$(log_count '^throw ')
        click_die
        line=$(log_wait '^refused ' 5)
        refused_face=$(log_field "$line" face)
        expect_face=$refused_face
        [ "$(log_count '^throw ')" -eq "$before" ] || fail "a throw was played while the $1 was open"
        pace
    fi
    window_close "$win"
    window_wait_gone "$win" 10
}

deadline=$((SECONDS + 150))
while ! windows_named '^Bye Bye$' | grep -q .; do
    ((SECONDS < deadline)) || fail "no end window after 150 s"
    game_expect_running "before the end window"
    if box=$(message_box_find); then
        pace
        message_box_answer "$box"
        continue
    fi
    lines=$(log_count .)
    click_die
    log_wait_count . $((lines + 1)) 10
    line=$(sed -n "$((lines + 1))p" "$E2E_LOG")
    case $line in
    throw\ *)
        if [ -n "$expect_face" ]; then
            [ "$(log_field "$line" face)" = "$expect_face" ] ||
                fail "the held face $expect_face was not thrown: $line"
            expect_face=
        fi
        case $(log_field "$line" value) in
        33301) mini_game quiz ;;
        33302) mini_game target ;;
        esac
        ;;
    win\ * | limit\ *) ;;
    *) fail "unexpected answer to a click on the die: $line" ;;
    esac
    pace
done
[ -n "$refused_face" ] || fail "no click under a mini-game was tried"

# --- the end window -------------------------------------------------------------------------
end=$(window_wait '^Bye Bye$' 5)
expect_geometry "$end" "356 280 312 208" "end window"
log_wait '^end ' 5 >/dev/null
for win in "$BOARD_WIN" "$STATUS_WIN" "$DIE_WIN" "$HANDLE_WIN"; do
    window_visible "$win" && fail "playing window $win still shown beside the end window"
done
screenshot end-page-1
import -window "$end" "$E2E_WORK/page1.png"

pace
click_in "$end" $((224 + 73 / 2)) $((176 + 25 / 2)) # NEXT ->
window_changed_wait "$end" "$E2E_WORK/page1.png" "$E2E_WORK/page2.png" # the page turned
game_expect_running "after NEXT ->"
window_visible "$end" || fail "NEXT -> closed the end window"
screenshot end-page-2

pace
click_in "$end" $((224 + 73 / 2)) $((176 + 25 / 2)) # END ->
game_wait_exit 10
[ "$GAME_STATUS" = 0 ] || fail "the program ended with status $GAME_STATUS"

# --- the log against the board file ---------------------------------------------------------
problems=$(awk -f "$(dirname "$0")/check_board_log.awk" "$(board_file)" "$E2E_LOG")
[ -z "$problems" ] || fail "the log disagrees with the board: $problems"
note "$(grep -c '^throw ' "$E2E_LOG") throws, $(grep -c '^open ' "$E2E_LOG") mini-games, $(grep -E '^(win|limit) ' "$E2E_LOG")"
pass
