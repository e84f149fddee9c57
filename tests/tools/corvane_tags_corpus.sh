#!/usr/bin/env bash
# corvane-tags over every file of a folder tree: one JSON line per file, exit
# code 0, and no sanitizer report (the sanitizers abort the tool).
set -euo pipefail
tool=$1 corpus=$2
mapfile -d '' files < <(find "$corpus" -type f ! -name '*.md' -print0 | sort -z)
[ ${#files[@]} -gt 0 ] || { echo "no files in $corpus"; exit 1; }
out=$("$tool" "${files[@]}")
lines=$(printf '%s\n' "$out" | grep -c '^{"path": .*, "kept": \(true\|false\), "title": .*}$')
echo "$lines of ${#files[@]} files read"
printf '%s\n' "$out" | python3 -c 'import json,sys; [json.loads(l) for l in sys.stdin]'
[ "$lines" -eq ${#files[@]} ]
! "$tool" >/dev/null 2>&1
