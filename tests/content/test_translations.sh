#!/usr/bin/env bash
# The English translation is complete and current: updating it from the sources changes
# nothing (no text is missing or left over) and no text is left untranslated.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/translations/tavrin_en.ts" "$work/"
"$root/tools/translations/update.sh" "$work/tavrin_en.ts"
if ! diff -u "$root/translations/tavrin_en.ts" "$work/tavrin_en.ts"; then
    echo "translations/tavrin_en.ts is out of date: run tools/translations/update.sh" >&2
    exit 1
fi
if grep -n 'type="unfinished"' "$root/translations/tavrin_en.ts"; then
    echo "translations/tavrin_en.ts has texts without a translation (above)" >&2
    exit 1
fi
echo "every text has its English translation"
