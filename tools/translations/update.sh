#!/usr/bin/env bash
# Brings translations/tavrin_en.ts up to date with the texts marked for translation in src/
# (tr() and QT_TRANSLATE_NOOP): new texts come in unfinished, texts gone from the code go.
# Translate the unfinished ones (in a text editor, or Qt Linguist), then commit the .ts.
#
# Usage: update.sh [TS_FILE]    (another file, e.g. a copy, instead of the shipped one)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
ts=$(realpath "${1:-$root/translations/tavrin_en.ts}")
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
cd "$root"
"$lupdate" -silent src -ts "$ts" -locations none -no-obsolete
