#!/usr/bin/env bash
# Packs the current build with CPack into a scratch directory and checks the .deb with
# test_package.sh; packs it a second time, a second later, and expects the same bytes (file
# times come from SOURCE_DATE_EPOCH, not from the packing). (tools/package.sh makes the
# release package from a build of its own.)
#   build_and_test.sh <build dir>
set -uo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1765108800}
(cd "$1" && cpack -G DEB -B "$out/1" >/dev/null) || exit 1
sleep 1
(cd "$1" && cpack -G DEB -B "$out/2" >/dev/null) || exit 1
status=0
if ! cmp "$out"/1/tavrin_*.deb "$out"/2/tavrin_*.deb; then
    echo "FAIL: two packs of one build differ" >&2
    status=1
fi
bash "$(dirname "$0")/test_package.sh" "$out"/1/tavrin_*.deb || status=1
exit $status
