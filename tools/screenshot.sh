#!/usr/bin/env bash
# Starts Corvane under a fresh Xvfb, lists the sample music folder of
# tools/run.sh through "..." and the folder browser, selects the first row
# and saves a PNG of the window at work.
# Usage: tools/screenshot.sh [OUT.png] [Corvane.exe] [DPI]
#   (defaults: docs/screenshot.png, build-win/ui/Corvane.exe, 96: a scale
#   of 100 %; the prefix's scale is set back afterwards)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh screenshot
out=${1:-docs/screenshot.png}
exe=${2:-build-win/ui/Corvane.exe}
dpi=${3:-96}
[ -f "$exe" ] || { echo "no $exe: run tools/run.sh or build it first" >&2; exit 1; }

# shellcheck source=tools/wine-env.sh
source tools/wine-env.sh
CORVANE_FORCE_XVFB=1 corvane_start_display
corvane_prepare_prefix
corvane_write_sample >/dev/null
scale_key='HKCU\Control Panel\Desktop'
corvane_reg "$scale_key" /v LogPixels /t REG_DWORD /d "$dpi"

log=$(mktemp)
"$WINE" "$exe" >"$log" 2>&1 </dev/null &
pid=$!
cleanup() {
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  "$WINE" reg delete "$scale_key" /v LogPixels /f >/dev/null 2>&1 </dev/null || true
  [ -n "${CORVANE_XVFB_PID:-}" ] && kill "$CORVANE_XVFB_PID" 2>/dev/null || true
  rm -f "$log"
}
trap cleanup EXIT

wait_for_window() {  # wait_for_window NAME: prints the first visible window of that name
  local found=""
  for _ in $(seq 1 200); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

window=$(wait_for_window '^Corvane$') ||
  { echo "Corvane's window did not appear" >&2; cat "$log" >&2; exit 1; }
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"

# Client coordinates of the window at 96 dpi, past Wine's frame and caption.
px() { echo $(($1 * dpi / 96)); }
click() {  # click X Y
  xdotool mousemove "$((X + $(px 5) + $(px "$1")))" "$((Y + $(px 25) + $(px "$2")))" click 1
}

click 322 300  # "..."
browser=$(wait_for_window '选择文件夹') ||
  { echo "the folder browser did not appear" >&2; exit 1; }
sleep 1
# A click on the tree's first item, the Desktop, gives the tree the keyboard;
# typing the start of a name then selects it, and Return is "确定".
eval "$(xdotool getwindowgeometry --shell --prefix BROWSER_ "$browser")"
xdotool mousemove "$((BROWSER_X + $(px 80)))" "$((BROWSER_Y + $(px 100)))" click 1
sleep 0.5
xdotool type --delay 100 "Corvane"
sleep 0.5
xdotool key Return
# Fourteen reports 100 ms apart, then the tags.
sleep 8
click 120 62  # the first row
xdotool mousemove "$((X + $(px 600)))" "$((Y + $(px 300)))"  # off the list, so its delete button hides
sleep 1

mkdir -p "$(dirname "$out")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out"
echo "saved $out (${WIDTH}x${HEIGHT})"
