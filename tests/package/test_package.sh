#!/usr/bin/env bash
# A Debian package of the game: unpacked with dpkg-deb, its tree is checked and its game
# played to the board, its desktop entry and metainfo pass the desktops' validators (with the
# network checks on: a metainfo with no address needs no network), and lintian finds no
# error.
#   test_package.sh <tavrin_*.deb>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
deb=$(realpath "$1")
id=io.github.tavrin.Tavrin
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
status=0
step() {
    echo "== $*"
    "$@" || { echo "FAIL: $*" && status=1; }
}
no_errors_from_lintian() {
    local report
    # Without the game's own address, the maintainer is whoever built the package (often root,
    # at a host without a domain): lintian's view of that address is not the package's fault.
    local builders_address=root-in-contact,bogus-mail-host,bogus-mail-host-in-debian-changelog
    report=$(lintian --suppress-tags "$builders_address" "$deb" 2>&1 |
        grep -v 'running with root privileges')
    [ -n "$report" ] && echo "$report"
    ! grep -q '^E:' <<<"$report"
}

dpkg-deb -x "$deb" "$root" || exit 1
step bash "$here/../install/check_tree.sh" "$root/usr"
step bash "$here/../install/test_board.sh" "$root/usr/bin/tavrin"
step desktop-file-validate "$root/usr/share/applications/$id.desktop"
step appstreamcli validate "$root/usr/share/metainfo/$id.metainfo.xml"
step appstreamcli validate-tree "$root"
step no_errors_from_lintian
[ $status -eq 0 ] && echo "PASS: $(basename "$deb")"
exit $status
