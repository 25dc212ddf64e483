#!/bin/bash
# The target game as a player meets it: throws until the character stops on a target square,
# then real clicks on the targets where they stand, the bonus message after 20 seconds, and
# the event log and the score agreeing with the clicks.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

GAME2_SIZE="346 221"
# Target picture sizes in pixels, by index.
TARGET_W=(74 85 86 70 63)
TARGET_H=(48 66 50 57 54)
# What stands in front of every target (labels and clock digits), as "x y w h" in pixels.
FRONT="128 8 81 25;8 8 105 17;16 184 305 17;208 8 32 21;256 8 32 21;304 8 32 21"
SHOTS=(0 2 4 1 0 2 4 3 0 2 4 1 2)

# aim INDEX "targets" LOG LINE: a client pixel on the target that nothing covers (the labels,
# the clock, the targets with a higher index stand in front), or nothing.
aim() {
    /usr/bin/python3 - "$1" "$2" "$FRONT" "${TARGET_W[*]}" "${TARGET_H[*]}" <<'PY'
import sys
index, line, front, widths, heights = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5]
fields = dict(word.split("=", 1) for word in line.split()[1:])
px = lambda t: (t + 7) // 15
lefts = [px(int(v)) for v in fields["left"].split(",")]
tops = [px(int(v)) for v in fields["top"].split(",")]
w, h = [int(v) for v in widths.split()], [int(v) for v in heights.split()]
covers = [tuple(map(int, r.split())) for r in front.split(";")]
covers += [(lefts[j], tops[j], w[j], h[j]) for j in range(index + 1, 5)]
inside = lambda x, y, r: r[0] <= x < r[0] + r[2] and r[1] <= y < r[1] + r[3]
cx, cy = lefts[index] + w[index] // 2, tops[index] + h[index] // 2
free = [(x, y) for x in range(lefts[index] + 3, lefts[index] + w[index] - 3, 3)
        for y in range(tops[index] + 3, tops[index] + h[index] - 3, 3)
        if x < 346 and y < 221 and not any(inside(x, y, r) for r in covers)]
if free:
    x, y = min(free, key=lambda p: (p[0] - cx) ** 2 + (p[1] - cy) ** 2)
    print(x, y)
PY
}

# Waits (polling finely: the targets stay put only 600 ms) for a move after the COUNT-th.
wait_for_move() {
    local i
    for ((i = 0; i < 100; i++)); do
        [ "$(log_count '^targets ')" -gt "$1" ] && return 0
        sleep 0.02
    done
    fail "the targets did not move within 2 s"
}

game_start --seed 21
board_open
group_move_to 3 560

# --- throw until a target square; a quiz on the way is closed with its close box ------------
deadline=$((SECONDS + 120))
while [ "$(log_count '^open game=target')" -eq 0 ]; do
    ((SECONDS < deadline)) || fail "no target square within 120 s"
    game_expect_running "before the target game"
    if win=$(windows_named '^Game1' | head -n 1) && [ -n "$win" ]; then
        window_close "$win"
        window_wait_gone "$win" 10
        continue
    fi
    if box=$(message_box_find); then
        message_box_answer "$box"
        continue
    fi
    throws=$(log_count '^(throw|refused|win|limit) ')
    click_die
    log_wait_count '^(throw|refused|win|limit) ' $((throws + 1)) 10
    [ "$(log_count '^(win|limit) ')" -eq 0 ] || fail "the game ended before a target square"
    pace
done
opened_at=$(date +%s.%N)
score_before=$(log_field "$(grep '^throw ' "$E2E_LOG" | tail -n 1)" score)
game2=$(window_wait '^Game2' 10)
expect_geometry "$game2" "339 273 $GAME2_SIZE" "target window"
note "target game open, score $score_before"

# The board is clicked: the game takes the keyboard focus back.
click_in "$BOARD_WIN" 5 5
sleep 0.5
[ "$(xdotool getwindowfocus)" = "$game2" ] ||
    fail "the focus went to window $(xdotool getwindowfocus), not back to the target game $game2"

# --- shoot ---------------------------------------------------------------------------------
checked=0 habits=0 shot=0
hits_at_open=$(log_count '^hit ')
for target in "${SHOTS[@]}"; do
    moves=$(log_count '^targets ')
    wait_for_move "$moves"
    line=$(grep '^targets ' "$E2E_LOG" | tail -n 1)
    point=$(aim "$target" "$line")
    [ -n "$point" ] || continue # covered or off the window this time
    hits=$(log_count '^hit ')
    read -r x y <<<"$point"
    click_in "$game2" "$x" "$y"
    ((shot += 1))
    sleep 0.2
    if [ "$(log_count '^targets ')" -eq $((moves + 1)) ]; then
        # The targets stood still from the aim to the click: it must have hit this target.
        [ "$(log_count '^hit ')" -eq $((hits + 1)) ] || fail "a click on target $target missed ($line, $point)"
        hit=$(grep '^hit ' "$E2E_LOG" | tail -n 1)
        [ "$(log_field "$hit" target)" = "$target" ] || fail "aimed at $target, logged $hit"
        ((checked += 1))
        ((target % 2)) && ((habits += 1))
    fi
done
note "$shot shots, $checked checked hits, $habits on healthy habits"
((checked >= 5)) || fail "only $checked clicks landed while the targets stood still"
((habits >= 1)) || fail "no healthy habit was hit"
screenshot target-game

# --- the bonus -----------------------------------------------------------------------------
box=$(message_box_wait 25)
elapsed=$(awk -v a="$opened_at" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')
awk -v e="$elapsed" 'BEGIN { exit !(e >= 19 && e <= 23) }' || fail "the bonus came after $elapsed s"
[ "$(log_count '^bonus ')" -eq 0 ] || fail "the bonus was added before its message was answered"
screenshot target-bonus
message_box_answer "$box"
bonus=$(log_wait '^bonus game=target ' 5)
window_wait_destroyed "$game2" 5

# Every click counted: the bonus is the sum of this game's hits, and the score took it.
expected=0
while read -r hit; do
    t=$(log_field "$hit" target)
    ((expected += t % 2 ? -100 : 100))
done < <(grep '^hit ' "$E2E_LOG" | tail -n +$((hits_at_open + 1)))
last=$(log_field "$(grep '^hit ' "$E2E_LOG" | tail -n 1)" gamescore)
[ "$(log_field "$bonus" points)" = "$expected" ] || fail "bonus $bonus, hits add up to $expected"
[ "$last" = "$expected" ] || fail "last game score $last, hits add up to $expected"
[ "$(log_field "$bonus" score)" = $((score_before + expected)) ] ||
    fail "score $score_before and bonus $expected, but $bonus"
[ "$(log_count '^bonus game=target ')" -eq 1 ] || fail "more than one bonus"

# The board takes throws again.
throws=$(log_count '^throw ')
click_die
log_wait_count '^(throw|win|limit) ' $((throws + 1)) 10
pass
