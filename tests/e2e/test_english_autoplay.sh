#!/bin/bash
# An English game played through by --autoplay: the English set and the English texts (no
# window shows a Chinese title), the mini-games and both end pages, screenshots saved, and
# the program ends by itself with status 0.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

shots=$E2E_ARTIFACTS/screenshots
E2E_LANG=en game_start --seed 5 --autoplay --screenshot-dir "$shots"
[[ $(log_wait '^start ' 5) == *" lang=en"* ]] || fail "the game did not start in English"

# Watch the titles while the game plays itself: every mini-game window is in English.
english_titles=
deadline=$((SECONDS + 200))
while game_running; do
    ((SECONDS < deadline)) || fail "the demo game still runs after 200 s"
    for id in $(windows_named '^(Game[12] |Heart Disease )'); do
        title=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        case $title in
        "Heart Disease Quiz" | "Heart Disease Target Game")
            [[ $english_titles == *"$title"* ]] || english_titles+="$title;" ;;
        *) fail "a mini-game window is titled '$title'" ;;
        esac
    done
    sleep 0.2
done
game_wait_exit 5
[ "$GAME_STATUS" = 0 ] || fail "the demo game ended with status $GAME_STATUS"
note "mini-games seen: $english_titles"
[ -n "$english_titles" ] || fail "no mini-game was played"
[ "$(log_count '^bonus ')" -ge 1 ] || fail "no mini-game gave its bonus"
[ "$(tail -n 1 "$E2E_LOG")" = exit ] || fail "the log does not end with 'exit'"
for shot in 01-start 03-end-score 04-end-links; do
    [ -s "$shots/$shot.png" ] || fail "no screenshot $shot.png"
done
ls "$shots" | grep -qE -- '-(quiz|target)\.png$' || fail "no screenshot of a mini-game"
pass
