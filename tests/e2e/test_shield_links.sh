#!/bin/bash
# The status strip's three link shields, clicked as a player clicks them, with a stand-in
# browser (an xdg-open first on PATH that records its argument): the Info Center and the help
# page open in the game's own help window, in the game's language; only the search goes to the
# browser. Then with an opener that has no browser to start (it exits 3, as xdg-open does): the
# search's address is shown in a message box, the pages still open, and the game goes on.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# The first three shields of the status strip: information, help, search.
shield_y=$((32 + 50 / 2))
info_x=$((8 + 20)) help_x=$((56 + 20)) search_x=$((104 + 20))

record_opened_addresses
unset BROWSER DEFAULT_BROWSER # the desktop's other ways to find a browser
E2E_LANG=en
game_start --seed 4
board_open
click_in "$STATUS_WIN" "$info_x" "$shield_y"
help=$(window_wait '^Info Center: coronary heart disease' 5)
log_wait '^link address=file:.*/pages/info-en\.html opened=1$' 5 >/dev/null
screenshot info-center
pace
click_in "$STATUS_WIN" "$help_x" "$shield_y"
[ "$(window_wait '^How to play' 5)" = "$help" ] || fail "the help opened a second window"
log_wait '^link address=file:.*/pages/help-en\.html opened=1$' 5 >/dev/null
pace
key Escape # the help window has the keys: it closes, and no exit question comes
window_wait_gone "$help" 5
click_in "$STATUS_WIN" "$search_x" "$shield_y"
search=$(opened_wait '^https:' 5)
log_wait '^link address=https:.* opened=1$' 5 >/dev/null
[ "$(grep -c . "$E2E_OPENED")" = 1 ] || fail "the browser got $(cat "$E2E_OPENED")"
/usr/bin/python3 - "$search" <<'PY' || fail "not the search: $search"
import sys, urllib.parse
search = urllib.parse.urlparse(sys.argv[1])
assert search.scheme == "https" and "coronary+heart+disease" in search.query, search
PY
[ -z "$(message_box_find)" ] || fail "a message box came up"
game_expect_running "after the links"

# An opener that finds no browser: it says so by its exit status alone.
game_stop
mkdir -p "$E2E_WORK/no-browser"
printf '#!/bin/sh\nexit 3\n' >"$E2E_WORK/no-browser/xdg-open"
chmod +x "$E2E_WORK/no-browser/xdg-open"
E2E_GAME_PATH=$E2E_WORK/no-browser:/usr/bin:/bin game_start --seed 4
board_open
click_in "$STATUS_WIN" "$search_x" "$shield_y"
box=$(message_box_wait 10)
log_wait '^link address=https:.* opened=0$' 5 >/dev/null
screenshot no-browser
pace
message_box_answer "$box"
click_in "$STATUS_WIN" "$help_x" "$shield_y"
help=$(window_wait '^How to play' 5)
log_wait '^link address=file:.*/pages/help-en\.html opened=1$' 5 >/dev/null
game_expect_running "after the message"
pace
key Escape # on a screen this small the help window stands over the die
window_wait_gone "$help" 5
click_die
log_wait '^throw ' 5 >/dev/null
pass
