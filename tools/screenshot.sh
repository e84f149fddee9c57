#!/usr/bin/env bash
# Starts Corvane under a fresh Xvfb and saves a PNG of its window.
# Usage: tools/screenshot.sh [OUT.png] [Corvane.exe]
#   (defaults: docs/screenshot.png, build-win/ui/Corvane.exe)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
exe=${2:-build-win/ui/Corvane.exe}
[ -f "$exe" ] || { echo "no $exe: run tools/run.sh or build it first" >&2; exit 1; }

# shellcheck source=tools/wine-env.sh
source tools/wine-env.sh
CORVANE_FORCE_XVFB=1 corvane_start_display
corvane_prepare_prefix

log=$(mktemp)
"$WINE" "$exe" >"$log" 2>&1 </dev/null &
pid=$!
cleanup() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -n "${CORVANE_XVFB_PID:-}" ] && kill "$CORVANE_XVFB_PID" 2>/dev/null || true
  rm -f "$log"
}
trap cleanup EXIT

window=""
for _ in $(seq 1 200); do
  window=$(xdotool search --onlyvisible --name '^Corvane$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "Corvane's window did not appear" >&2; cat "$log" >&2; exit 1; }
# Let the controls finish painting; nothing in the window changes after the first paint.
sleep 2

eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p "$(dirname "$out")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "saved $out (${WIDTH}x${HEIGHT})"
