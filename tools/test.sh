#!/usr/bin/env bash
# Installs, builds and runs every test: rules, windows offscreen, end to end in Xvfb. The long
# runs (labels fuzz and monkey) are left to .ci/run.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
cd build
ctest --output-on-failure -j2 -LE 'fuzz|monkey' "$@"
