#!/usr/bin/env bash
# Each .ts file holds every text of its sources, each one translated:
#   check.sh LUPDATE LRELEASE "dir;dir..." file.ts...
# lupdate runs on a copy, which must come out unchanged (no text missing, none
# left over), and lrelease must report no unfinished or untranslated text.
set -euo pipefail
lupdate=$1 lrelease=$2
IFS=';' read -r -a sources <<<"$3"
shift 3
work=$(mktemp -d "${TMPDIR:-/tmp}/ts-check.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0
for ts; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" -silent -locations none -no-obsolete "${sources[@]}" -ts "$copy" >"$work/lupdate.log" 2>&1 ||
    { cat "$work/lupdate.log"; exit 1; }
  if ! cmp -s "$ts" "$copy"; then
    echo "FAIL: $(basename "$ts") is not up to date with the code (run the update_translations target):"
    diff -u "$ts" "$copy" | head -40
    status=1
  fi
  report=$("$lrelease" "$copy" -qm "$work/out.qm" 2>&1)
  if grep -Eq '[1-9][0-9]* unfinished|Ignored [0-9]+ untranslated' <<<"$report"; then
    echo "FAIL: $(basename "$ts"): $report"
    status=1
  fi
done
exit $status
