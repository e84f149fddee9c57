#!/usr/bin/env bash
# Runs one Windows program under Wine for CTest. The program's output goes
# through files, not through our pipes: Wine's helper processes inherit the
# descriptors they are started with, and a pipe they keep open would hang CTest.
source "$(dirname "$0")/wine-env.sh"
out=$(mktemp) err=$(mktemp)
"$WINE" "$@" >"$out" 2>"$err" </dev/null
rc=$?
cat "$out"
grep -v -E '^(wine: |[0-9a-f]{4}:(err|fixme|warn):)' "$err" >&2 || true
rm -f "$out" "$err"
exit $rc
