#!/usr/bin/env bash
# Builds Tavrin and lets the monkey loose on it: ACTIONS random real X actions under openbox,
# restarting the game whenever it ends, with crash, hang and event-log checks (see
# tests/e2e/monkey/monkey.py). The same seed plays the same sequence of choices.
#
#   tools/monkey.sh ACTIONS [SEED]
#
# TAVRIN_EXE=build-sanitize/tavrin runs it on the sanitized build (tools/sanitize.sh makes it).
# The games' logs and the list of actions stay in e2e-artifacts/monkey/.
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:?usage: $0 ACTIONS [SEED]}
seed=${2:-1}
exe=${TAVRIN_EXE:-}
if [ -z "$exe" ]; then
    tools/build.sh
    exe=build/tavrin
fi
exec bash tests/e2e/monkey/monkey.sh "$exe" data/zh-HK "$actions" "$seed"
