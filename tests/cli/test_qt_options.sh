#!/usr/bin/env bash
# Qt's own options reach QApplication: with no display at all, "-platform offscreen" is what
# lets the game start, and the other standard options are accepted beside the game's own. The
# user's language order (LANGUAGE) counts before the locale's.
#   test_qt_options.sh <tavrin> <content dir>
set -u
exe=$1 data=$2
work=$(mktemp -d)
trap 'kill "$game" 2>/dev/null; rm -rf "$work"' EXIT

env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL -u LC_MESSAGES SDL_AUDIODRIVER=dummy \
    LANG=en_US.UTF-8 LANGUAGE=fr_FR:zh_TW XDG_CONFIG_HOME="$work" \
    "$exe" -platform offscreen -style Fusion -reverse -qwindowtitle Checked \
    --mute --log "$work/events.log" --data-dir "$data" 2>"$work/stderr" &
game=$!
for _ in $(seq 100); do
    grep -q '^start ' "$work/events.log" 2>/dev/null && break
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
done
if ! grep -q '^start ' "$work/events.log" 2>/dev/null; then
    echo "FAIL: the game did not start with Qt's options; its stderr:" >&2
    cat "$work/stderr" >&2
    exit 1
fi
if grep -qi 'unknown option' "$work/stderr"; then
    echo "FAIL: an option was rejected:" >&2
    cat "$work/stderr" >&2
    exit 1
fi
if ! grep -q '^start .*lang=zh-TW' "$work/events.log"; then
    echo "FAIL: LANGUAGE=fr_FR:zh_TW did not choose zh-TW: $(grep '^start' "$work/events.log")" >&2
    exit 1
fi
echo "PASS: started offscreen with -platform, -style, -reverse and -qwindowtitle"
