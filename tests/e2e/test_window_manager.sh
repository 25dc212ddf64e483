#!/bin/bash
# The game under a real window manager (openbox): one taskbar entry on the playing screen (the
# handle's, which is also all that Alt+Tab offers) and one more for the quiz; a window manager's
# move of any window of the group (a script's or Alt and drag) brings the others to their places
# around it, while the handle's own drag behaves as without a window manager; message boxes
# open centred; a close request to the handle ends the game as before. The X session has no
# session bus, as one started by hand with a bare window manager may not: the game plays
# without one and starts none (no dbus-launch left behind, nothing under ~/.dbus).
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck disable=SC2034 # read by e2e_init
E2E_SESSION_BUS=0
e2e_init "$@"
export HOME=$E2E_WORK/home # where D-Bus would write
mkdir -p "$HOME"
# shellcheck disable=SC2119 # openbox as installed, no options
wm_start

# The group's places for a handle at screen pixel ($1, $2), as the handle's table puts them.
expect_group_at() {
    local hx=$(($1 * 15)) hy=$(($2 * 15))
    expect_geometry "$HANDLE_WIN" "$1 $2 $HANDLE_SIZE" "handle${3:+ $3}"
    expect_geometry "$BOARD_WIN" "$(px $((hx + 1400))) $(px $((hy - 4800))) $BOARD_SIZE" "board${3:+ $3}"
    expect_geometry "$STATUS_WIN" "$(px $((hx + 1960))) $(px $((hy + 600))) $STATUS_SIZE" "status${3:+ $3}"
    expect_geometry "$DIE_WIN" "$(px $((hx + 7500))) $2 $DIE_SIZE" "die${3:+ $3}"
}

# group_wait_around X Y WHAT: wait until the handle stands at (X, Y), then check the others.
group_wait_around() {
    window_wait_geometry "$HANDLE_WIN" "$1 $2 $HANDLE_SIZE" 5
    window_wait_geometry "$DIE_WIN" "$(px $(($1 * 15 + 7500))) $2 $DIE_SIZE" 5
    expect_group_at "$1" "$2" "$3"
}

# alt_drag X Y DX DY: what a player does to move a window with openbox: Alt and drag.
alt_drag() {
    pointer_to "$1" "$2"
    xdotool keydown alt mousedown 1
    move_to $(($1 + $3)) $(($2 + $4))
    xdotool mouseup 1 keyup alt
}

game_start --seed 21
start=$(window_wait '^Start$' 20)
expect_geometry "$start" "353 280 317 208" "start window"
expect_taskbar 0 "the start window" # the design gives it no taskbar button

board_open
screenshot 1-playing-screen
expect_group_at 3 349 "at the start"
expect_taskbar 1 "the playing screen"
[ "$(taskbar_windows)" = "$HANDLE_WIN" ] || fail "the taskbar window is not the handle"
for id in $(managed_windows); do
    xprop -id "$id" WM_CLASS | grep -q '"tavrin"' || fail "window $id has no tavrin class"
done

# --- the window switcher (Alt+Tab) offers the handle alone ----------------------------------
focus_wait() {
    local i
    for ((i = 0; i < $(_ticks 5); i++)); do
        [ "$(xdotool getwindowfocus)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "$2: the focus is on $(xdotool getwindowfocus), not on $1"
}
# The status strip, then the board, take the focus: were they in the switcher, Alt+Tab would
# go back to the status strip, the window focused before.
click_in "$STATUS_WIN" 4 4
focus_wait "$STATUS_WIN" "after a click on the status strip"
click_in "$BOARD_WIN" 5 5
focus_wait "$BOARD_WIN" "after a click on the board"
key alt+Tab
focus_wait "$HANDLE_WIN" "after Alt+Tab"

# --- a script moves the board: the others follow --------------------------------------------
xdotool windowmove "$BOARD_WIN" 200 100
group_wait_around 107 420 "after the board was moved"

# --- Alt and drag: the board, then the die --------------------------------------------------
read -r x y _ <<<"$(window_geometry "$BOARD_WIN")"
alt_drag $((x + 200)) $((y + 150)) -60 -40
window_wait_geometry "$BOARD_WIN" "$((x - 60)) $((y - 40)) $BOARD_SIZE" 5
read -r bx by _ <<<"$(window_geometry "$BOARD_WIN")"
group_wait_around $((bx - 93)) $((by + 320)) "after Alt and drag of the board"
screenshot 2-board-moved

read -r x y _ <<<"$(window_geometry "$DIE_WIN")"
alt_drag $((x + BALL_CENTRE_X)) $((y + BALL_CENTRE_Y)) -50 30
window_wait_geometry "$DIE_WIN" "$((x - 50)) $((y + 30)) $DIE_SIZE" 5
group_wait_around $((x - 50 - 500)) $((y + 30)) "after Alt and drag of the die"

# --- the handle's own drag: only the handle moves until the release -------------------------
read -r hx hy _ <<<"$(window_geometry "$HANDLE_WIN")"
board_before=$(window_geometry "$BOARD_WIN")
grab_x=$((hx + BALL_CENTRE_X)) grab_y=$((hy + BALL_CENTRE_Y))
press "$grab_x" "$grab_y" 1
move_to $((grab_x + 70)) $((grab_y + 30))
window_wait_geometry "$HANDLE_WIN" "$((hx + 70)) $((hy + 30)) $HANDLE_SIZE" 5
sleep 0.3 # give a wrongly eager group time to move, so that the check below can see it
expect_geometry "$BOARD_WIN" "$board_before" "board during the handle's drag"
release 1
group_wait_around $((hx + 70)) $((hy + 30)) "after the handle's drag"

# --- mini-games: the quiz has its own taskbar entry, the target game none ------------------
group_move_to 3 560
seen_quiz='' seen_target=''
deadline=$((SECONDS + 120))
while [ -z "$seen_quiz" ] || [ -z "$seen_target" ]; do
    ((SECONDS < deadline)) || fail "no quiz and target game within 120 s"
    game_expect_running "before both mini-games"
    throws=$(log_count '^(throw|refused|win|limit) ')
    click_die
    log_wait_count '^(throw|refused|win|limit) ' $((throws + 1)) 10
    [ "$(log_count '^(win|limit) ')" -eq 0 ] || fail "the game ended before both mini-games"
    line=$(grep -E '^(throw|refused) ' "$E2E_LOG" | tail -n 1)
    case $(log_field "$line" value) in
    33301)
        game=$(window_wait '^Game1' 10)
        pace
        expect_taskbar 2 "the quiz"
        taskbar_windows | grep -qx "$game" || fail "the quiz is not on the taskbar"
        seen_quiz=1
        ;;
    33302)
        game=$(window_wait '^Game2' 10)
        pace
        expect_taskbar 1 "the target game"
        seen_target=1
        ;;
    *) pace && continue ;;
    esac
    window_close "$game"
    window_wait_gone "$game" 10
    expect_taskbar 1 "the playing screen after a mini-game"
    pace
done

# --- a message box opens in the middle of the screen ----------------------------------------
# (its client area: the window manager adds a title bar above it)
click_in "$STATUS_WIN" $((152 + 40 / 2)) $((32 + 50 / 2))
box=$(message_box_wait 5)
read -r x y w h <<<"$(window_geometry "$box")"
dx=$((x + w / 2 - 512)) dy=$((y + h / 2 - 384))
((dx * dx <= 1 && dy >= 0 && dy <= 24)) || fail "the exit question is not centred: $x $y $w $h"
screenshot 3-exit-question
message_box_answer "$box" Escape

# --- closing the handle ends the game as before ---------------------------------------------
window_close "$HANDLE_WIN"
window_wait '^Bye Bye$' 10 >/dev/null
window_wait_gone "$BOARD_WIN" 5
expect_taskbar 0 "the end window"
game_expect_running "at the end window"
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || expect_no_bus_started
pass
