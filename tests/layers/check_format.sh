#!/usr/bin/env bash
# Every C++ source follows .clang-format: names the lines that do not, and fails.
#   check_format.sh SOURCE_ROOT
set -euo pipefail
cd "$1"
mapfile -t files < <(find src tests tools -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${files[@]}"
