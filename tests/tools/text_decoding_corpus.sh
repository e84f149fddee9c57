#!/usr/bin/env bash
# The text decoding check over Debian's dictionaries: OpenCC's phrase and
# character tables (simplified and traditional) and the Western word lists.
# Nothing is kept: the tables are dumped into a temporary folder.
# Usage: text_decoding_corpus.sh PATH/TO/text-decoding-check
set -euo pipefail
tool=$1
opencc=/usr/share/opencc
dict=/usr/share/dict
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

chinese=()
for table in STPhrases TSPhrases TWPhrases HKVariantsRevPhrases STCharacters TSCharacters; do
  opencc_dict -i "$opencc/$table.ocd2" -o "$work/$table.txt" -f ocd2 -t text
  chinese+=("$work/$table.txt")
done
western=()
for list in french ngerman spanish italian portuguese danish; do
  western+=("$dict/$list")
done
# The Norwegian lists are Latin-1.
for list in bokmaal nynorsk; do
  iconv -f ISO-8859-1 -t UTF-8 "$dict/$list" >"$work/$list.txt"
  western+=("$work/$list.txt")
done
"$tool" --chinese "${chinese[@]}" --western "${western[@]}"
