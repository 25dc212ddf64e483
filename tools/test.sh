#!/usr/bin/env bash
# Installs, builds and runs every test: rules, windows offscreen, end to end in Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
cd build
ctest --output-on-failure -j2 "$@"
