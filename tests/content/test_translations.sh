#!/usr/bin/env bash
# The English and Taiwan translations are complete and current: updating them from the sources
# changes nothing (no text is missing or left over) and no text is left untranslated.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for language in en zh_TW; do
    shipped=$root/translations/tavrin_$language.ts
    cp "$shipped" "$work/"
    "$root/tools/translations/update.sh" "$work/tavrin_$language.ts"
    if ! diff -u "$shipped" "$work/tavrin_$language.ts"; then
        echo "translations/tavrin_$language.ts is out of date: run tools/translations/update.sh" >&2
        exit 1
    fi
    if grep -n 'type="unfinished"' "$shipped"; then
        echo "translations/tavrin_$language.ts has texts without a translation (above)" >&2
        exit 1
    fi
done
echo "every text has its English and Taiwan translation"
