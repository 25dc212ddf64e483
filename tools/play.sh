#!/usr/bin/env bash
# Installs, builds and plays Tavrin. Without a display it plays a demo game by itself in a
# virtual display and saves screenshots to out/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/tavrin "$@"
fi
rm -rf out/screenshots
mkdir -p out/screenshots
echo "No display: playing a demo game in a virtual display (about two minutes)..."
xvfb-run -a -s "-screen 0 1024x768x24" \
    build/tavrin --autoplay --screenshot-dir out/screenshots --log out/demo.log "$@"
echo "Screenshots of the demo game:"
ls -1 out/screenshots/*.png
echo "Event log: out/demo.log ($(wc -l <out/demo.log) events; last: $(tail -n 2 out/demo.log | head -n 1))"
