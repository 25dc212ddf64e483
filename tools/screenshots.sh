#!/usr/bin/env bash
# Renders every window of the game, after loading and in play, to docs/screenshots/ (no display
# needed). Builds the game first.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
QT_QPA_PLATFORM=offscreen build/render_windows data docs/screenshots
