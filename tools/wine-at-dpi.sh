#!/usr/bin/env bash
# Runs one Windows program under Wine, as tools/wine-run.sh does, with the
# prefix's display scale set to DPI (96 is 100 %), and sets the scale back
# to what it was however the program ends. The program is told the scale in
# CORVANE_TEST_DPI. The prefix is shared: run these one at a time.
# Usage: tools/wine-at-dpi.sh DPI PROGRAM [ARGS...]
set -u
here=$(dirname "$0")
dpi=$1
shift
source "$here/wine-env.sh"

key='HKCU\Control Panel\Desktop'
saved=$(mktemp)
# Through a file, not a pipe: Wine's helpers may keep a pipe open.
"$WINE" reg query "$key" /v LogPixels >"$saved" 2>/dev/null </dev/null
before=$(tr -d '\r' <"$saved" | awk '$1 == "LogPixels" { print $3 }')
rm -f "$saved"

restore() {
  if [ -n "$before" ]; then
    corvane_reg "$key" /v LogPixels /t REG_DWORD /d "$((before))"
  else
    "$WINE" reg delete "$key" /v LogPixels /f >/dev/null 2>&1 </dev/null
  fi
}
trap restore EXIT

corvane_reg "$key" /v LogPixels /t REG_DWORD /d "$dpi" || { echo "could not set the scale" >&2; exit 1; }
CORVANE_TEST_DPI=$dpi bash "$here/wine-run.sh" "$@"
