#!/usr/bin/env bash
# Brings translations/tavrin_en.ts and tavrin_zh_TW.ts up to date with the texts marked for
# translation in src/ (tr() and QT_TRANSLATE_NOOP): new texts come in unfinished, texts gone
# from the code go. Translate the unfinished ones (in a text editor, or Qt Linguist), then
# commit the .ts files. The Hong Kong edition needs none: its texts are the ones in the code.
#
# Usage: update.sh [TS_FILE...]    (other files, e.g. copies, instead of the shipped ones)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
if [ $# -eq 0 ]; then
    set -- "$root/translations/tavrin_en.ts" "$root/translations/tavrin_zh_TW.ts"
fi
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
for ts in "$@"; do
    ts=$(realpath "$ts")
    (cd "$root" && "$lupdate" -silent src -ts "$ts" -locations none -no-obsolete)
done
