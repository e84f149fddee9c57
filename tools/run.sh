#!/usr/bin/env bash
# Builds Corvane.exe, puts a sample music folder on the Desktop of Corvane's
# Wine prefix (where the folder browser opens) and starts Corvane under Wine
# in Chinese. Uses the current X display, or an Xvfb when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build="$root/build-win"

bash tools/deps.sh run

echo "Building Corvane.exe in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCORVANE_TESTS=OFF >"$build.configure.log" 2>&1 || { cat "$build.configure.log"; exit 1; }
cmake --build "$build" --target Corvane -j "${CORVANE_JOBS:-2}" >"$build.build.log" 2>&1 ||
  { tail -n 60 "$build.build.log"; exit 1; }

# shellcheck source=tools/wine-env.sh
source tools/wine-env.sh
corvane_start_display
trap '[ -n "${CORVANE_XVFB_PID:-}" ] && kill "$CORVANE_XVFB_PID" 2>/dev/null || true' EXIT
corvane_prepare_prefix

corvane_write_sample

echo "Starting Corvane on display $DISPLAY (close its window to end)"
status=0
"$WINE" "$build/ui/Corvane.exe" || status=$?
echo "Corvane ended with exit code $status"
exit "$status"
