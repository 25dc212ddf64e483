#!/usr/bin/env bash
# Installs the build into a staging prefix with `cmake --install`, then checks the tree
# (check_tree.sh) or plays it to the board in Xvfb (test_board.sh).
#   test_install.sh <build dir> tree|board
set -uo pipefail
here=$(dirname "$0")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install "$1" --prefix "$stage" >/dev/null || exit 1
case $2 in
tree) bash "$here/check_tree.sh" "$stage" ;;
board) bash "$here/test_board.sh" "$stage/bin/tavrin" ;;
*) echo "usage: $0 <build dir> tree|board" >&2 && exit 2 ;;
esac
