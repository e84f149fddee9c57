#!/usr/bin/env bash
# Fails when a tracked C++ file drifts from .clang-format; prints the first
# differences. Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -uo pipefail
cd "$(dirname "$0")/.."
format=${CLANG_FORMAT:-clang-format}
command -v "$format" >/dev/null 2>&1 || { echo "check_format: no $format" >&2; exit 1; }
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')
report=$("$format" --dry-run --Werror "${files[@]}" 2>&1)
rc=$?
if [ "$rc" -ne 0 ]; then
  echo "$report" | head -n 40
  echo "check_format: $(grep -c 'error:' <<<"$report") lines differ from .clang-format"
  exit 1
fi
echo "check_format: ${#files[@]} files follow .clang-format"
