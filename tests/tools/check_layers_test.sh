#!/usr/bin/env bash
# The layer check passes on a copy of this tree and fails once one app
# folder includes a folder above it.
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
git ls-files -- platform tags tracks ui update | grep -E '\.(h|cpp)$' |
  while IFS= read -r file; do
    mkdir -p "$copy/$(dirname "$file")" && cp "$file" "$copy/$file"
  done

if ! bash "$root/tools/check_layers.sh" "$copy" >/dev/null; then
  echo "FAIL: the unchanged copy does not pass"; exit 1
fi
status=0
# Each pair: a file and an include that goes up from its folder to another app folder.
for pair in "ui/state/rows.cpp:ui/listing/refresh.h" "ui/listing/refresh.cpp:ui/renaming/undo.h" \
            "ui/renaming/undo.cpp:ui/controls/list_file.h" "ui/controls/list_file.cpp:ui/frame/layout.h"; do
  file=${pair%%:*}; header=${pair#*:}
  cp "$root/$file" "$copy/$file"
  printf '#include "%s"\n' "$header" >>"$copy/$file"
  if out=$(bash "$root/tools/check_layers.sh" "$copy"); then
    echo "FAIL: $file including $header passed"; status=1
  elif ! grep -q "$file includes $header" <<<"$out"; then
    echo "FAIL: $file including $header not named"; status=1
  fi
  cp "$root/$file" "$copy/$file"
done
[ "$status" -eq 0 ] && echo "layer check: an include going up between app folders fails it"
exit "$status"
