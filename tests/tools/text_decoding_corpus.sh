#!/usr/bin/env bash
# The text decoding check over Debian's dictionaries and manual pages:
# OpenCC's phrase and character tables (simplified and traditional), the
# Western word lists, the running text of the manual pages in German,
# Spanish, Italian, Brazilian Portuguese and French, and Japanese text from
# the Japanese manual pages, each also written as UTF-8, and each decided as
# on the code pages 936, 950, 932, 1252 and 65001 (or those given with
# --code-page). Nothing is kept: the
# tables are dumped and the pages decompressed into a temporary folder.
# Usage: text_decoding_corpus.sh PATH/TO/text-decoding-check [--code-page N]...
set -euo pipefail
tool=$1
shift
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
# The text of a package's manual pages, one line of running text per line:
# tables, requests and escapes dropped, lines that keep an escape left out.
man_text() {
  dpkg -L "$1" | grep '\.gz$' | xargs zcat |
    sed -e '/^\.TS/,/^\.TE/d' -e '/^[.'"'"']/d' -e 's/\\f[A-Z]//g; s/\\f([A-Z][A-Z]//g; s/\\f\[[^]]*\]//g' \
      -e 's/\\-/-/g; s/\\(..//g; s/\\\[[^]]*\]//g; s/\\[&|^%:]//g; s/\\ / /g' |
    grep -v '\\' || true
}
running=()
for language in de es it pt-br fr; do
  man_text "manpages-$language" >"$work/running-$language.txt"
  running+=("$work/running-$language.txt")
done
# The traditional side of each table, one phrase a line: the keys of the
# traditional-to-simplified tables, the values of the simplified-to-
# traditional ones, both sides of the Taiwan and Hong Kong variants.
for table in TSPhrases TSCharacters; do cut -f1 "$work/$table.txt"; done >"$work/traditional.txt"
for table in STPhrases STCharacters TWPhrases HKVariantsRevPhrases; do
  cut -f2 "$work/$table.txt" | tr ' ' '\n'
done >>"$work/traditional.txt"
for table in TWPhrases HKVariantsRevPhrases; do cut -f1 "$work/$table.txt"; done >>"$work/traditional.txt"
# Runs of kana and kanji from the Japanese manual pages.
man_text manpages-ja |
  LC_ALL=C.UTF-8 grep -oP '[\x{3041}-\x{3096}\x{30A1}-\x{30FA}\x{30FC}\x{4E00}-\x{9FFF}々]{2,}' \
    >"$work/japanese.txt" || true
"$tool" --chinese "${chinese[@]}" --western "${western[@]}" --running "${running[@]}" \
  --traditional "$work/traditional.txt" --japanese "$work/japanese.txt" "$@"
