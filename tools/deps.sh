#!/usr/bin/env bash
# Installs what the build, the tests and the run need, only when it is missing.
# Usage: tools/deps.sh [build|test|bench|run|screenshot]   (default: test)
set -euo pipefail

want="${1:-test}"
pkgs=(cmake ninja-build g++ googletest libgtest-dev locales
      g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
      wine wine64 xvfb xauth fonts-wqy-microhei python3)
case "$want" in
  # The dictionaries and manual pages are the text-decoding check's corpus.
  test) pkgs+=(clang libclang-rt-14-dev libtag1-dev pkg-config opencc libopencc-data
               wfrench wngerman wspanish witalian wportuguese wdanish wnorwegian
               manpages-de manpages-es manpages-it manpages-pt-br manpages-fr manpages-ja) ;;
  bench) pkgs+=(libbenchmark-dev libtag1-dev pkg-config) ;;
  run) pkgs+=(x11-utils imagemagick) ;;
  screenshot) pkgs+=(x11-utils imagemagick xdotool) ;;
esac

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine needs a real Chinese locale, or it falls back to code page 1252.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "Generating the zh_CN.UTF-8 locale"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
