#!/usr/bin/env bash
# Installs, builds and runs every test: rules, windows offscreen, end to end in Xvfb, the
# install rules and the Debian package of the build. The long runs (labels fuzz and monkey)
# are left to .ci/run.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test package
tools/build.sh
cd build
ctest --output-on-failure -j2 -LE 'fuzz|monkey' "$@"
