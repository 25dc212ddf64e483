#!/bin/bash
# The status strip's three link shields, clicked as a player clicks them, with a stand-in
# browser (an xdg-open first on PATH that records its argument): the Info Center and the help
# page are local files of the game's language that exist, the search is https. Then with no
# browser at all: a message box shows the address and the game goes on.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# The first three shields of the status strip: information, help, search.
shield_y=$((32 + 50 / 2))
shields=("info $((8 + 20))" "help $((56 + 20))" "search $((104 + 20))")

record_opened_addresses
unset BROWSER DEFAULT_BROWSER # the desktop's other ways to find a browser
E2E_LANG=en
game_start --seed 4
board_open
for shield in "${shields[@]}"; do
    read -r _ x <<<"$shield"
    click_in "$STATUS_WIN" "$x" "$shield_y"
    pace
done
opened_wait '^https:' 5 >/dev/null # the search, the last one
[ "$(grep -c . "$E2E_OPENED")" = 3 ] || fail "the browser got $(cat "$E2E_OPENED")"
mapfile -t addresses <"$E2E_OPENED"
note "opened: ${addresses[*]}"
/usr/bin/python3 - "${addresses[@]}" <<'PY' || fail "an address leads nowhere: ${addresses[*]}"
import os, sys, urllib.parse
info, help_page, search = (urllib.parse.urlparse(a) for a in sys.argv[1:])
for url, page in ((info, "info-en.html"), (help_page, "help-en.html")):
    path = urllib.parse.unquote(url.path)
    assert url.scheme == "file" and os.path.basename(path) == page, url
    with open(path, encoding="utf-8") as f:
        assert f.read().startswith("<!DOCTYPE html>"), path
assert search.scheme == "https" and "coronary+heart+disease" in search.query, search
PY
[ "$(log_count '^link .* opened=1$')" = 3 ] || fail "not every address was handed over"
game_expect_running "after the links"

# No browser and no xdg-open anywhere on the game's PATH: the desktop cannot open the address.
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null
GAME_PID=
E2E_GAME_PATH=$E2E_WORK/empty game_start --seed 4
board_open
read -r _ x <<<"${shields[0]}"
click_in "$STATUS_WIN" "$x" "$shield_y"
box=$(message_box_wait 10)
log_wait '^link .* opened=0$' 5 >/dev/null
screenshot no-browser
pace
message_box_answer "$box"
game_expect_running "after the message"
click_die
log_wait '^throw ' 5 >/dev/null
pass
