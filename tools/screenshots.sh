#!/usr/bin/env bash
# Renders every window of the game, after loading and in play, to docs/screenshots/ (no display
# needed), and the same in English to docs/screenshots/en/ and in Taiwan usage to
# docs/screenshots/zh-TW/. Builds the game first; the build
# folder is the data root (content sets, sounds and the compiled English texts).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
QT_QPA_PLATFORM=offscreen build/render_windows build docs/screenshots
QT_QPA_PLATFORM=offscreen build/render_windows build docs/screenshots/en en
QT_QPA_PLATFORM=offscreen build/render_windows build docs/screenshots/zh-TW zh-TW
