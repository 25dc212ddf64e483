#!/bin/bash
# The game as a screen reader finds it: on a private AT-SPI bus, a reader outside the program
# (atspi_reader.py) checks the names and roles of every window's controls, presses START and
# NEXT as a reader does, hears the die's face, the score and the throw count told after a
# throw (and the turning die not told), finds the squares as a list with the character's
# square marked, and reads the quiz, the target game's clock and the end window's links.
# Each part runs on a board of its own, so that the throw lands where the part needs it.
if [ -z "${TAVRIN_PRIVATE_BUS:-}" ]; then
    # Never the desktop's own bus: the reader must find this game and nothing else.
    exec env TAVRIN_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
command -v dbus-run-session >/dev/null && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    fail "missing tools (apt-get install at-spi2-core python3-pyatspi dbus-x11)"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
READER="/usr/bin/python3 $(dirname "$0")/atspi_reader.py"
# play_on VALUE: a new game on a board whose 38 squares all hold VALUE, the start window and
# the playing screen read and checked.
play_on() {
    game_stop
    content_copy
    set_squares 0 37 "$1"
    game_start
    $READER start || fail "the start window, read from outside"
    playing_windows_wait 10
    $READER playing "$GAME_CONTENT/mapmsg.txt" || fail "the playing screen, read from outside"
}

play_on 100
$READER throw "$E2E_LOG" || fail "the throw, heard from outside"
screenshot read-after-throw

play_on 33301
key space
window_wait '^Game1' 10 >/dev/null
$READER quiz || fail "the quiz, read from outside"

play_on 33302
key space
target=$(window_wait '^Game2' 10)
$READER target || fail "the target game, read from outside"
key Escape
window_wait_gone "$target" 5

play_on 5000
key space
log_wait '^throw ' 5 >/dev/null
key space
box=$(message_box_wait 5) # the win
key Return
window_wait_gone "$box" 5
window_wait '^Bye Bye$' 5 >/dev/null
$READER end || fail "the end window, read from outside"

# Learning mode: a quiz answered (wrongly, mostly) is explained answer by answer, then a game
# to its end opens the review. Squares 1 to 6 open quizzes, the rest win the game.
game_stop
content_copy
set_squares 1 6 33301
set_squares 7 37 5000
E2E_MODE=learning game_start --seed 3
window_wait '^Start$' 10 >/dev/null
key Return
playing_windows_wait 10
for ((throw = 1; throw <= 12; throw++)); do
    key space
    log_wait_count '^(throw|win) ' "$throw" 5 >/dev/null
    [ "$(log_count '^win')" = 0 ] || break
    if [ "$(log_count '^open game=quiz')" -gt "$(log_count '^bonus ')" ]; then
        window_wait '^Game1' 10 >/dev/null
        $READER learning-quiz "$GAME_CONTENT/gm1_data.txt" "$E2E_LOG" ||
            fail "the learning-mode quiz, read from outside"
        box=$(message_box_wait 5)
        key Return
        window_wait_gone "$box" 5
        log_wait_count '^bonus ' "$(log_count '^open game=quiz')" 5 >/dev/null
    fi
done
box=$(message_box_wait 5) # the win
key Return
window_wait_gone "$box" 5
window_wait '^Bye Bye$' 5 >/dev/null
$READER review "$E2E_LOG" || fail "the review, read from outside"
screenshot learning-review
pass
