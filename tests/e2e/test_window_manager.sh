#!/bin/bash
# The game under a real window manager (openbox): one taskbar entry, with the game's heart, from
# the start window to the end window (the board's while playing; a taskbar entry is a managed
# window without _NET_WM_STATE_SKIP_TASKBAR), and the playing screen's windows stand for the
# board (WM_TRANSIENT_FOR): Alt+Tab, a click on any of them or on the taskbar entry raises all
# four over another program, and a minimise of any of them hides all four until they come back
# in place; a window manager's move of any window of the group (a script's or Alt and drag) brings the others to their places
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

# expect_entry ID WHAT: the game's one taskbar entry is this window, with the game's icon.
expect_entry() {
    expect_taskbar 1 "$2"
    [ "$(taskbar_windows)" = "$1" ] || fail "$2: the taskbar window is not $1"
    [ "$(xprop -id "$1" -notype _NET_WM_ICON | md5sum)" = "$HEART" ] ||
        fail "$2: the taskbar entry's icon is not the start window's"
}

game_start --seed 21
start=$(window_wait '^Start$' 20)
expect_geometry "$start" "353 280 317 208" "start window"
HEART=$(xprop -id "$start" -notype _NET_WM_ICON | md5sum)
expect_entry "$start" "the start window"

board_open
screenshot 1-playing-screen
expect_group_at 3 349 "at the start"
expect_entry "$BOARD_WIN" "the playing screen"
[ "$(xprop -id "$HANDLE_WIN" -notype _NET_WM_ICON | md5sum)" != "$HEART" ] ||
    fail "the handle's icon is the game's: the creature expected"
for id in $(managed_windows); do
    xprop -id "$id" WM_CLASS | grep -q '"tavrin"' || fail "window $id has no tavrin class"
done
for id in "$HANDLE_WIN" "$DIE_WIN" "$STATUS_WIN"; do
    [ "$(printf '%d' "$(xprop -id "$id" WM_TRANSIENT_FOR | sed -n 's/.*# //p')")" = "$BOARD_WIN" ] ||
        fail "window $id does not stand for the board"
done

# --- raised, minimised and restored as one ----------------------------------------------
focus_wait() {
    local i
    for ((i = 0; i < $(_ticks 5); i++)); do
        [ "$(xdotool getwindowfocus)" = "$1" ] && return 0
        sleep 0.1
    done
    fail "$2: the focus is on $(xdotool getwindowfocus), not on $1"
}
# group_above_wait OTHER WHAT: the four playing windows stand above the window OTHER.
group_above_wait() {
    local i id order above ok
    for ((i = 0; i < $(_ticks 5); i++)); do
        order=" $(for id in $(xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# //p' |
            tr -d ,); do printf '%d ' "$id"; done)"
        above=${order#* "$1" } ok=1
        [ "$above" != "$order" ] || ok=''
        for id in "$BOARD_WIN" "$STATUS_WIN" "$DIE_WIN" "$HANDLE_WIN"; do
            [[ " $above" == *" $id "* ]] || ok=''
        done
        [ -n "$ok" ] && return 0
        sleep 0.1
    done
    fail "$2: the playing screen is not above the other program (bottom to top:$order)"
}
# group_hidden_wait: none of the four is on screen.
group_hidden_wait() {
    local id
    for id in "$BOARD_WIN" "$STATUS_WIN" "$DIE_WIN" "$HANDLE_WIN"; do
        window_wait_gone "$id" 5
    done
}
# group_back_wait WHAT: all four on screen again, in their places.
group_back_wait() {
    local id i
    for id in "$BOARD_WIN" "$STATUS_WIN" "$DIE_WIN" "$HANDLE_WIN"; do
        for ((i = 0; i < $(_ticks 5); i++)); do
            window_visible "$id" && continue 2
            sleep 0.1
        done
        fail "$1: window $id is not back on screen"
    done
    expect_group_at 3 349 "$1"
}
# Another program over the board's middle and beyond its right edge, clear of the handle.
xmessage -geometry 600x200+200+100 -title 'Another program' 'another program' 2>/dev/null &
OTHER_PID=$!
other=$(window_wait '^Another program$' 10)
click_in "$other" 550 20
focus_wait "$other" "after a click on the other program"
click_in "$HANDLE_WIN" "$BALL_CENTRE_X" "$BALL_CENTRE_Y"
group_above_wait "$other" "after a click on the handle"
click_in "$other" 550 20
focus_wait "$other" "after a click on the other program again"
key alt+Tab
focus_wait "$BOARD_WIN" "after Alt+Tab" # the board alone is in the window switcher
group_above_wait "$other" "after Alt+Tab"
xdotool windowminimize "$BOARD_WIN"
group_hidden_wait "after the board was minimised"
xdotool windowactivate "$BOARD_WIN" # what a click on the taskbar entry asks
group_back_wait "after the taskbar entry was clicked"
group_above_wait "$other" "after the taskbar entry was clicked"
xdotool windowminimize "$DIE_WIN"
group_hidden_wait "after the die was minimised"
xdotool windowactivate "$BOARD_WIN"
group_back_wait "after the die was minimised and the taskbar entry clicked"
kill "$OTHER_PID" && wait "$OTHER_PID" 2>/dev/null
window_wait_gone "$other" 5

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

# --- mini-games: no taskbar entry of their own -------------------------------------------
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
        expect_entry "$BOARD_WIN" "the quiz"
        seen_quiz=1
        ;;
    33302)
        game=$(window_wait '^Game2' 10)
        pace
        expect_entry "$BOARD_WIN" "the target game"
        seen_target=1
        ;;
    *) pace && continue ;;
    esac
    window_close "$game"
    window_wait_gone "$game" 10
    expect_entry "$BOARD_WIN" "the playing screen after a mini-game"
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
end=$(window_wait '^Bye Bye$' 10)
window_wait_gone "$BOARD_WIN" 5
expect_entry "$end" "the end window"
game_expect_running "at the end window"
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || expect_no_bus_started
pass
