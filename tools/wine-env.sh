#!/usr/bin/env bash
# Sourced by the run and test scripts: a Wine prefix set up for Corvane and an
# X display (Xvfb when none is given). Exports WINEPREFIX, DISPLAY, LANG.
# shellcheck disable=SC2034

export WINEDEBUG=-all
export WINEARCH=win64
export LANG=zh_CN.UTF-8
export WINEPREFIX="${CORVANE_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/corvane/wineprefix}"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

corvane_wine() {
  if command -v wine64 >/dev/null 2>&1; then echo wine64
  elif [ -x /usr/lib/wine/wine64 ]; then echo /usr/lib/wine/wine64
  else echo wine; fi
}
WINE="$(corvane_wine)"
export WINE

corvane_start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${CORVANE_FORCE_XVFB:-}" ]; then return 0; fi
  local n
  for n in $(seq 91 120); do
    [ -e "/tmp/.X$n-lock" ] && continue
    # Room for the window at a scale of 200 %.
    Xvfb ":$n" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
    CORVANE_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && return 0
      sleep 0.1
    done
    kill "$CORVANE_XVFB_PID" 2>/dev/null || true
  done
  echo "could not start Xvfb" >&2
  return 1
}

corvane_reg() { "$WINE" reg add "$@" /f >/dev/null 2>&1 </dev/null; }

corvane_prepare_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Keep one wineserver alive for the whole run, detached from our pipes:
  # a server started by a program under test would inherit its output pipe.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  if [ ! -f "$WINEPREFIX/.corvane-ready" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX (once)"
    "$WINE" wineboot -i >/dev/null 2>&1 </dev/null || true
    wineserver -w
    # Without a window manager, unmanaged windows close at once.
    corvane_reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
    corvane_reg 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d Y
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    local face
    for face in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Microsoft Sans Serif" "Segoe UI" "SimSun"; do
      corvane_reg "$key" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei'
    done
    wineserver -w
    touch "$WINEPREFIX/.corvane-ready"
  fi
  wineserver -p >/dev/null 2>&1 </dev/null || true
}

# Writes the sample music folder onto the prefix's Desktop, where the folder
# browser opens, and prints its name. Wine links the Desktop to a folder of
# the host (often $HOME); the link is followed so the sample lands where the
# browser shows it.
CORVANE_SAMPLE_NAME="Corvane 示例音乐"
corvane_write_sample() {
  local desktop="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/Desktop"
  mkdir -p "$desktop"
  desktop=$(readlink -f "$desktop")
  python3 "$(dirname "${BASH_SOURCE[0]}")/make_sample_music.py" "$desktop/$CORVANE_SAMPLE_NAME"
}

corvane_stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${CORVANE_XVFB_PID:-}" ]; then kill "$CORVANE_XVFB_PID" 2>/dev/null || true; fi
}
