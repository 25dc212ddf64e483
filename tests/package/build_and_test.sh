#!/usr/bin/env bash
# Packs the current build with CPack into a scratch directory and checks the .deb with
# test_package.sh. (tools/package.sh makes the release package from a build of its own.)
#   build_and_test.sh <build dir>
set -uo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$1" && cpack -G DEB -B "$out" >/dev/null) || exit 1
bash "$(dirname "$0")/test_package.sh" "$out"/tavrin_*.deb
