#!/usr/bin/env bash
# Checks that includes only go down the layers:
#   platform/ < tags/ < tracks/ < ui/framework/ < update/ < the app
#   (ui/window/, ui/behaviour/, ui/workers/, ui/main.cpp).
# A file may include its own layer and those below it. Prints every include
# that goes up and exits 1 when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

layer_of() {  # prints the layer number of a path inside the tree, or nothing
  case $1 in
    platform/*) echo 0 ;;
    tags/*) echo 1 ;;
    tracks/*) echo 2 ;;
    ui/framework/*) echo 3 ;;
    update/*) echo 4 ;;
    ui/window/* | ui/behaviour/* | ui/workers/* | ui/main.cpp) echo 5 ;;
  esac
}

offences=0
while IFS= read -r file; do
  from=$(layer_of "$file")
  [ -n "$from" ] || continue
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
done < <(git ls-files --cached --others --exclude-standard -- platform tags tracks ui update |
           grep -E '\.(h|cpp)$')

if [ "$offences" -gt 0 ]; then
  echo "$offences include(s) go up the layers"
  exit 1
fi
echo "layers: every include goes down"
