#!/usr/bin/env bash
# Runs one Windows program under Wine for CTest. The program's output goes
# through files, not through our pipes: Wine's helper processes inherit the
# descriptors they are started with, and a pipe they keep open would hang CTest.
source "$(dirname "$0")/wine-env.sh"
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

run() {
  "$WINE" "$@" >"$out" 2>"$err" </dev/null
}

run "$@"
rc=$?
if [ "$rc" -ne 0 ] && [ ! -s "$out" ]; then
  # Not a word from the program: Wine itself failed to start it (a prefix
  # still being updated, a server going down). Say why, and try once more.
  echo "wine-run: $1 ended with $rc before writing anything; Wine said:" >&2
  cat "$err" >&2
  sleep 2
  run "$@"
  rc=$?
fi
cat "$out"
if [ "$rc" -eq 0 ]; then
  grep -v -E '^(wine: |[0-9a-f]{4}:(err|fixme|warn):)' "$err" >&2 || true
else
  cat "$err" >&2
fi
exit $rc
