#!/usr/bin/env bash
# Every translatable text of the sources has a finished translation in every
# shipped .ts file. Usage: check-translations.sh LUPDATE SOURCE_DIR TS_FILE...
set -euo pipefail
lupdate=$1 sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -no-obsolete -locations none "$sources" -ts "$copy" 2>/dev/null
    unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
    echo "$(basename "$ts"): unfinished = $unfinished"
    if [ "$unfinished" != 0 ]; then
        grep -B2 'type="unfinished"' "$copy" | grep '<source>' | head -20
        status=1
    fi
    # lupdate leaves a stale file untouched only when nothing changed.
    if ! cmp -s "$ts" "$copy"; then
        echo "$(basename "$ts") is out of date: run 'cmake --build build --target update_translations'"
        status=1
    fi
done
exit $status
