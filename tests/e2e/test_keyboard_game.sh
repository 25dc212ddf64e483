#!/bin/bash
# A whole game played with the keyboard alone, as a pupil who cannot use a mouse plays it: real
# key presses and not one click. Tab round the start window and Enter on START; the arrows move
# the group; F1 to F3 and the exit question on the playing screen; Esc in the help window;
# Shift+F10 to the menu and How to play, Esc there, then New game and START again; Space for
# every throw; 1, 2 and 3 in the quizzes; Tab and Space, then Esc, in the target games; Return
# in the message boxes; Enter through the end window and one of its links. Nobody hands the
# focus on but the game itself (there is no window manager), and the log must add up against
# the board file as in the mouse game.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

record_opened_addresses
# The pointer rests on the bare screen: a key reaches only the window that has the focus.
pointer_to 1020 760
game_start --seed 5

# --- start window: Tab goes into the instructions and out again, then Enter is START -----------
start=$(window_wait '^Start$' 20)
pace
key Tab Tab Return
window_wait_gone "$start" 10
playing_windows_wait 10
screenshot playing-from-keys

# --- the group moves as a drag of the handle would -------------------------------------------
read -r hx hy _ <<<"$(window_geometry "$HANDLE_WIN")"
key Down Down Down shift+Right
window_wait_geometry "$HANDLE_WIN" "$((hx + 1)) $((hy + 30)) $HANDLE_SIZE" 5
window_wait_geometry "$DIE_WIN" "$(px $(((hx + 1) * 15 + 7500))) $((hy + 30)) $DIE_SIZE" 5

# --- the shields: F1 and F2 in the game's help window, Esc closes it; F3 to the browser, and
# the exit question answered No twice ---------------------------------------------------------
pace
key F1
help=$(window_wait '^遊戲說明' 5)
pace
key F2 # the help window has the keys now: the same window turns to the Info Center
[ "$(window_wait '^資訊中心' 5)" = "$help" ] || fail "F2 opened a second help window"
pace
key Escape
window_wait_gone "$help" 5
pace
key F3
opened_wait '^https:' 5 >/dev/null
[ "$(log_count '^link .* opened=1$')" = 3 ] || fail "not every shield key opened its page"
for exit_key in Escape ctrl+q; do
    pace
    key "$exit_key"
    box=$(message_box_wait 5)
    pace
    key Escape # No; the box has the focus without being given it
    window_wait_gone "$box" 5
done
game_expect_running "after answering No"

# --- Shift+F10 opens the menu at the die; its last entry but one is How to play, which takes the
# keyboard: Esc puts it away and asks nothing -------------------------------------------------
pace
key shift+F10
pace
key Up Up Return
how_to=$(window_wait '^How to play$' 5)
pace
key Escape
window_wait_gone "$how_to" 5
! message_box_find >/dev/null || fail "Esc in How to play asked a question"
game_expect_running "after Esc in How to play"

# --- New game, the menu's entry above How to play: No (Esc) leaves the game as it is; Yes
# (Return) takes the playing screen down without the end window, and Enter on the start window
# starts again ---------------------------------------------------------------------------------
for answer in Escape Return; do
    pace
    key shift+F10
    pace
    key Up Up Up Return
    box=$(message_box_wait 5)
    pace
    key "$answer"
    window_wait_gone "$box" 5
done
log_wait '^new$' 5 >/dev/null
[ "$(log_count '^new$')" = 1 ] || fail "Esc in the new game question started a new game"
start=$(window_wait '^Start$' 10)
! windows_named '^Bye Bye$' | grep -q . || fail "New game showed the end window"
pace
key Return
window_wait_gone "$start" 10
playing_windows_wait 10

# --- the game: Space throws, until the end window ------------------------------------------------
quiz_by_keys() {
    local quiz box answered
    quiz=$(window_wait '^Game1' 10)
    answered=$(log_count '^answer ')
    for n in 1 2 3 4 5; do
        pace
        key $((n % 3 + 1))
        log_wait_count '^answer ' $((answered + n)) 5
    done
    box=$(message_box_wait 5)
    pace
    key Return
    window_wait_gone "$box" 5
    window_wait_gone "$quiz" 5
}

target_by_keys() {
    local game closed
    game=$(window_wait '^Game2' 10)
    closed=$(log_count '^close game=target$')
    hits=$(log_count '^hit ')
    pace
    key Tab space # the first target, shot as a click would
    log_wait_count '^hit ' $((hits + 1)) 5
    [ "$(log_field "$(grep '^hit ' "$E2E_LOG" | tail -n 1)" target)" = 0 ] ||
        fail "Tab and Space shot another target than the first"
    pace
    key Escape
    window_wait_gone "$game" 5
    log_wait_count '^close game=target$' $((closed + 1)) 5
}

deadline=$((SECONDS + 150))
quizzes=0 targets=0
while ! windows_named '^Bye Bye$' | grep -q .; do
    ((SECONDS < deadline)) || fail "no end window after 150 s"
    game_expect_running "before the end window"
    if box=$(message_box_find); then
        pace
        key Return
        window_wait_gone "$box" 10
        continue
    fi
    lines=$(log_count .)
    key space
    log_wait_count . $((lines + 1)) 10
    line=$(sed -n "$((lines + 1))p" "$E2E_LOG")
    case $line in
    throw\ *)
        case $(log_field "$line" value) in
        33301) quiz_by_keys && quizzes=$((quizzes + 1)) ;;
        33302) target_by_keys && targets=$((targets + 1)) ;;
        esac
        ;;
    win\ * | limit\ *) ;;
    *) fail "unexpected answer to Space: $line" ;;
    esac
    pace
done
((quizzes > 0 && targets > 0)) || note "this game had $quizzes quizzes and $targets target games"

# --- the end window: Enter turns the page, Tab reaches a link, Enter opens it, then END -------
end=$(window_wait '^Bye Bye$' 5)
log_wait '^end ' 5 >/dev/null
import -window "$end" "$E2E_WORK/page1.png"
pace
key Return
window_changed_wait "$end" "$E2E_WORK/page1.png" "$E2E_WORK/page2.png" # the page turned
game_expect_running "after NEXT ->"
pace
# The second link: the home page, or without an e-mail line the help page (the same page unless
# the game was built with another home page).
key Tab Tab Return
log_wait_count '^link .* opened=1$' 4 5
screenshot end-link-focused
game_expect_running "after opening a link"
if help=$(windows_named '^遊戲說明') && [ -n "$help" ]; then
    pace
    key Escape # the keys go back to the end window, to its link
    window_wait_gone "$help" 5
fi
pace
key shift+Tab shift+Tab Return # back past the first link to END ->
game_wait_exit 10
[ "$GAME_STATUS" = 0 ] || fail "the program ended with status $GAME_STATUS"

problems=$(awk -f "$(dirname "$0")/check_board_log.awk" "$(board_file)" "$E2E_LOG")
[ -z "$problems" ] || fail "the log disagrees with the board: $problems"
note "$(grep -c '^throw ' "$E2E_LOG") throws, $quizzes quizzes, $targets target games, $(grep -E '^(win|limit) ' "$E2E_LOG")"
pass
