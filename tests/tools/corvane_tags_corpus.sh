#!/usr/bin/env bash
# corvane-tags over every file of a folder tree: one JSON line per file, exit
# code 0, no sanitizer report (the sanitizers abort the tool), and the texts
# that other tag readers read from two files their writers got wrong.
set -euo pipefail
tool=$1 corpus=$2
mapfile -d '' files < <(find "$corpus" -type f ! -name '*.md' -print0 | sort -z)
[ ${#files[@]} -gt 0 ] || { echo "no files in $corpus"; exit 1; }
out=$("$tool" "${files[@]}")
lines=$(printf '%s\n' "$out" | grep -c '^{"path": .*, "kept": \(true\|false\), "title": .*, "year": .*}$')
echo "$lines of ${#files[@]} files read"
printf '%s\n' "$out" | python3 -c '
import json, sys
expected = {
    "music-metadata/issue-795.mp3": ["FDP (Clean Edit)", "Tacocat", "Lost Time", None, None],
    "mutagen/issue_21.id3": ["Punk To Funk", "FatBoy Slim", "Better Living Through Chemistr",
                             "09", "1996"],
}
read = {}
for line in sys.stdin:
    row = json.loads(line)
    read[row["path"]] = [row["kept"], row["title"], row["artist"], row["album"], row["track"],
                         row["year"]]
for name, texts in expected.items():
    got = read.get(sys.argv[1] + "/" + name)
    if got != [True] + texts:
        sys.exit("%s: read %s, expected %s" % (name, got, texts))
' "$corpus"
[ "$lines" -eq ${#files[@]} ]
! "$tool" >/dev/null 2>&1
