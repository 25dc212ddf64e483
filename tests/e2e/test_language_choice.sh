#!/bin/bash
# The language chosen in the board's right-click menu is the next game's: the game in play
# keeps its own, the next run starts in the chosen one, and --lang still wins for one run
# without changing the stored choice. Started without --lang or a content folder, in the C
# locale, the game plays zh-HK.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
export LC_ALL=C
settings=$XDG_CONFIG_HOME/tavrin/tavrin.conf
E2E_DATA= # the shipped sets, chosen by language

started_in() {
    local line
    line=$(log_wait '^start ' 5)
    [[ $line == *" lang=$1"* ]] || fail "the game did not start in $1: $line"
}

stop_game() {
    kill "$GAME_PID"
    wait "$GAME_PID" 2>/dev/null
    GAME_PID=
}

game_start --seed 4
started_in zh-HK
board_open
# Menu: effects, music, volume, language; in the language menu: system, zh-TW, zh-HK, English.
click_in "$BOARD_WIN" 12 12 3
pace
key Down Down Down Down Right
pace
key Down Down Down Return
for i in $(seq 50); do grep -q '^language=en' "$settings" 2>/dev/null && break; sleep 0.1; done
grep -q '^language=en' "$settings" || fail "English is not stored in $settings"
game_expect_running
[ "$(log_count '^start ')" = 1 ] || fail "the game restarted"
stop_game

game_start --seed 4
started_in en
board_open
screenshot english-by-menu
stop_game

E2E_LANG=zh-TW game_start --seed 4
started_in zh-TW
stop_game
grep -q '^language=en' "$settings" || fail "--lang changed the stored choice"
pass
