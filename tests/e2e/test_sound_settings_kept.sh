#!/bin/bash
# The player's sound choices and the group's place outlive a run: sound turned off through
# the board's right-click menu stays off in the next run from its very start, and the group
# opens where it was last dragged. The sound goes to SDL's disk driver, so that the test
# hears what the game plays.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
E2E_SOUND=1
export SDL_AUDIODRIVER=disk
settings=$XDG_CONFIG_HOME/tavrin/tavrin.conf

# loudest RAW [FROM_BYTE]: the loudest sample of the disk output (raw 16-bit) from a byte on.
loudest() {
    /usr/bin/python3 - "$1" "${2:-0}" <<'PY'
import array, sys
with open(sys.argv[1], "rb") as f:
    f.seek(int(sys.argv[2]))
    data = f.read()
print(max(map(abs, array.array("h", data[: len(data) // 2 * 2])), default=-1))
PY
}

bytes_of() { stat -c %s "$1" 2>/dev/null || echo 0; }

# wait_loud RAW FROM_BYTE TIMEOUT: wait until the output is audible after a byte.
wait_loud() {
    local i
    for ((i = 0; i < $(_ticks "$3"); i++)); do
        [ "$(loudest "$1" "$2")" -ge 1000 ] && return 0
        sleep 0.2
    done
    fail "no sound in $(basename "$1") after byte $2 within $3 s"
}

# expect_silent RAW SECONDS: nothing is heard in what the game writes for the next seconds.
expect_silent() {
    local from peak
    from=$(bytes_of "$1")
    sleep "$2"
    [ "$(bytes_of "$1")" -gt "$from" ] || fail "the game wrote no output for $2 s"
    peak=$(loudest "$1" "$from")
    [ "$peak" -lt 50 ] || fail "sound heard (a sample of $peak) where it should be off"
}

# menu_choose N: right-click the board and take the menu's N-th entry with the keyboard.
menu_choose() {
    click_in "$BOARD_WIN" 12 12 3
    pace
    local i
    for ((i = 0; i < $1; i++)); do key Down; done
    key Return
    pace
}

stop_game() {
    kill "$GAME_PID"
    wait "$GAME_PID" 2>/dev/null
    GAME_PID=
}

# --- first run: sound on, then turned off through the menu; the group dragged ----------------
SDL_DISKAUDIOFILE=$E2E_WORK/first.raw game_start --seed 4
board_open
wait_loud "$E2E_WORK/first.raw" 0 15 # the music plays
menu_choose 1                         # sound effects off
menu_choose 2                         # music off
for i in $(seq 50); do grep -q '^music=false' "$settings" 2>/dev/null && break; sleep 0.1; done
grep -q '^effects=false' "$settings" || fail "effects are not off in $settings"
grep -q '^music=false' "$settings" || fail "music is not off in $settings"
sleep 1.5                                # the music fades out
expect_silent "$E2E_WORK/first.raw" 1.5 # and is gone at once, without a restart
group_move_to 150 500
# The place is written on release, once the windows have been moved: wait for it before the kill.
for i in $(seq 50); do grep -q '^handleY=500' "$settings" 2>/dev/null && break; sleep 0.1; done
grep -q '^handleX=150' "$settings" || fail "the handle's place is not in $settings"
stop_game

# --- second run: silent from its start, the group where it was left -------------------------
SDL_DISKAUDIOFILE=$E2E_WORK/second.raw game_start --seed 4
board_open
expect_geometry "$HANDLE_WIN" "150 500 $HANDLE_SIZE" "handle"
expect_geometry "$DIE_WIN" "$(px $((150 * 15 + 7500))) 500 $DIE_SIZE" "die"
[ "$(loudest "$E2E_WORK/second.raw")" -lt 50 ] || fail "the second run was heard at its start"
expect_silent "$E2E_WORK/second.raw" 2
screenshot group-kept
# M brings all sound back: the silence was the player's choice, not a missing device.
from=$(bytes_of "$E2E_WORK/second.raw")
pointer_to $(($(window_geometry "$BOARD_WIN" | cut -d' ' -f1) + 12)) \
    $(($(window_geometry "$BOARD_WIN" | cut -d' ' -f2) + 12))
xdotool windowfocus "$BOARD_WIN" 2>/dev/null
key m
wait_loud "$E2E_WORK/second.raw" "$from" 10
grep -q '^music=true' "$settings" || fail "M did not turn the music back on in $settings"
stop_game
pass
