#!/usr/bin/env bash
# Checks that includes only go down the layers:
#   platform/ < tags/ < tracks/ < ui/framework/ < update/ < the app,
# and inside the app, by what the user does:
#   ui/state/ < ui/listing/ < ui/renaming/ < ui/controls/ < ui/frame/ < ui/main.cpp.
# A file may include its own layer and those below it. Prints every include
# that goes up and exits 1 when there is one. With a folder as its argument
# it checks that tree instead of this one (its own test does).
set -uo pipefail
cd "${1:-$(dirname "$0")/..}" || exit 1

layer_of() {  # prints the layer number of a path inside the tree, or nothing
  case $1 in
    platform/*) echo 0 ;;
    tags/*) echo 1 ;;
    tracks/*) echo 2 ;;
    ui/framework/*) echo 3 ;;
    update/*) echo 4 ;;
    ui/state/*) echo 5 ;;
    ui/listing/*) echo 6 ;;
    ui/renaming/*) echo 7 ;;
    ui/controls/*) echo 8 ;;
    ui/frame/*) echo 9 ;;
    ui/main.cpp) echo 10 ;;
  esac
}

list_sources() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files --cached --others --exclude-standard -- platform tags tracks ui update
  else
    find platform tags tracks ui update -type f 2>/dev/null
  fi
}

offences=0
while IFS= read -r file; do
  from=$(layer_of "$file")
  if [ -z "$from" ]; then
    # A source in a project folder outside the layers (ui/foo/) is a fault.
    echo "$file is in no layer"
    offences=$((offences + 1))
    continue
  fi
  while IFS= read -r header; do
    to=$(layer_of "$header")
    if [ -z "$to" ]; then
      # A project folder outside the layers (ui/foo/) counts as a fault too.
      case $header in ui/* | update/* | tracks/* | tags/* | platform/*) to=99 ;; *) continue ;; esac
    fi
    [ "$to" -le "$from" ] && continue
    echo "$file includes $header, which is in a higher layer"
    offences=$((offences + 1))
  done < <(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]+"([^"]+)".*/\1/p' "$file")
done < <(list_sources | grep -E '\.(h|cpp)$')

if [ "$offences" -gt 0 ]; then
  echo "$offences include(s) go up the layers"
  exit 1
fi
echo "layers: every include goes down"
