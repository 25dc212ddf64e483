#!/bin/bash
# From the start window to the playing screen, then the handle and the die as a player uses
# them: the group's arrangement, a right-button drag of the handle, and the die's round shape.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# The group's places in pixels for a handle at screen pixel ($1, $2): the handle's table
# in twips, converted as the program converts.
expect_group_at() {
    local hx=$(($1 * 15)) hy=$(($2 * 15))
    expect_geometry "$HANDLE_WIN" "$1 $2 $HANDLE_SIZE" "handle"
    expect_geometry "$BOARD_WIN" "$(px $((hx + 1400))) $(px $((hy - 4800))) $BOARD_SIZE" "board"
    expect_geometry "$STATUS_WIN" "$(px $((hx + 1960))) $(px $((hy + 600))) $STATUS_SIZE" "status"
    expect_geometry "$DIE_WIN" "$(px $((hx + 7500))) $2 $DIE_SIZE" "die"
}

game_start --seed 11
start=$(window_wait '^Start$' 20)
# Centred on the 1024x768 screen.
expect_geometry "$start" "353 280 317 208" "start window"
screenshot 1-start

board_open
# Unloaded, not hidden: the start window cannot come back.
window_wait_destroyed "$start" 5
screenshot 2-board
# The handle stands where its layout puts it, and the others by the table around it.
expect_group_at 3 349
# Exactly these four windows make the playing screen.
[ "$(windows_of_game | wc -l)" -eq 4 ] || fail "expected 4 playing windows: $(windows_of_game)"

# --- drag the handle with the right button ------------------------------------------------
read -r hx hy _ <<<"$(window_geometry "$HANDLE_WIN")"
board_before=$(window_geometry "$BOARD_WIN")
status_before=$(window_geometry "$STATUS_WIN")
die_before=$(window_geometry "$DIE_WIN")
grab_x=$((hx + BALL_CENTRE_X)) grab_y=$((hy + BALL_CENTRE_Y))
dx=180 dy=-45

press "$grab_x" "$grab_y" 3
move_to $((grab_x + dx)) $((grab_y + dy))
# Only the handle follows the pointer while the button is down.
window_wait_geometry "$HANDLE_WIN" "$((hx + dx)) $((hy + dy)) $HANDLE_SIZE" 5
# One more step: once the handle has taken it, a wrongly eager group has had the first.
move_to $((grab_x + dx + 1)) $((grab_y + dy))
window_wait_geometry "$HANDLE_WIN" "$((hx + dx + 1)) $((hy + dy)) $HANDLE_SIZE" 5
move_to $((grab_x + dx)) $((grab_y + dy))
window_wait_geometry "$HANDLE_WIN" "$((hx + dx)) $((hy + dy)) $HANDLE_SIZE" 5
expect_geometry "$BOARD_WIN" "$board_before" "board during the drag"
expect_geometry "$STATUS_WIN" "$status_before" "status during the drag"
expect_geometry "$DIE_WIN" "$die_before" "die during the drag"
screenshot 3-dragging
release 3
# The release places the group around the handle's new place.
handle_to=$((hx + dx)) && top_to=$((hy + dy))
window_wait_geometry "$BOARD_WIN" "$(px $((handle_to * 15 + 1400))) $(px $((top_to * 15 - 4800))) $BOARD_SIZE" 5
expect_group_at "$handle_to" "$top_to"
screenshot 4-dropped

# A left click on the handle (a press and release without movement) leaves the group
# arranged around it: checked once the throw below shows that the click was handled.
read -r hx hy _ <<<"$(window_geometry "$HANDLE_WIN")"
press $((hx + BALL_CENTRE_X)) $((hy + BALL_CENTRE_Y)) 1
release 1

# The handle is a ball too: its bounding box outside the circle is not the handle's.
[ "$(window_at $((hx + 1)) $((hy + 150)))" != "$HANDLE_WIN" ] ||
    fail "the handle takes the pointer outside its circle"

# --- the die is cut to its ball ------------------------------------------------------------
read -r x y _ <<<"$(window_geometry "$DIE_WIN")"
centre_x=$((x + BALL_CENTRE_X)) centre_y=$((y + BALL_CENTRE_Y))
[ "$(window_at "$centre_x" "$centre_y")" = "$DIE_WIN" ] ||
    fail "the ball's centre is not the die's"
# Inside the window's box but outside the circle: the box's corners, the places of the
# text box and the button (right of the ball), and just below the ball.
outside=(
    "$((x + 3)) $((y + 3))"
    "$((x + 176)) $((y + 3))"
    "$((x + 3)) $((y + 135))"
    "$((x + 150)) $((y + 105))"
    "$((x + 150)) $((y + 40))"
    "$((x + BALL_CENTRE_X)) $((y + BALL_TOP + BALL_DIAMETER + 3))"
)
for point in "${outside[@]}"; do
    # shellcheck disable=SC2086
    [ "$(window_at $point)" != "$DIE_WIN" ] || fail "the die takes the pointer at $point"
done
for point in "${outside[@]}"; do
    # shellcheck disable=SC2086
    click $point
    pace
done
click "$centre_x" "$centre_y"
line=$(log_wait '^throw ' 5) # handled after the clicks beside the die
expect_group_at "$hx" "$hy"
game_expect_running "after the clicks beside the die"
[ "$(log_count '^(throw|refused) ')" -eq 1 ] ||
    fail "a click outside the die's circle threw it, or one click threw more than once"
[ "$(log_field "$line" trial)" = 2 ] || fail "the first throw is not counted as trial 2: $line"
[ "$(log_field "$line" from)" = 0 ] || fail "the first throw does not start on square 0: $line"
screenshot 5-thrown
pass
