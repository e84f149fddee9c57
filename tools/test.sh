#!/usr/bin/env bash
# Runs every test: the portable core natively under ASan and UBSan, the same
# tests and the window's tests cross-built and run under Wine, and a short
# fuzzing run of the tag reader. Installs what it needs first.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=${CORVANE_JOBS:-2}
fuzz_seconds=${CORVANE_FUZZ_SECONDS:-30}

bash tools/deps.sh test || { echo "0 passed, 1 failed, 0 skipped"; exit 1; }

# Whatever ends the run, the Xvfb and wineserver it started end with it.
cleanup() {
  if declare -F corvane_stop_wine >/dev/null; then corvane_stop_wine; fi
}
trap cleanup EXIT

passed=0
failed=0
skipped=0
failures=()

# Adds the counts from a CTest log ("NN% tests passed, F tests failed out of T",
# where T counts the skipped tests too, each listed as "N - name (Skipped)").
count_ctest() {
  local log=$1 name=$2 line total bad skip
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1)); failures+=("$name: ran no test"); return
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of.*/\1/' <<<"$line")
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  skip=$(grep -cE '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$log")
  passed=$((passed + total - bad - skip)); failed=$((failed + bad)); skipped=$((skipped + skip))
  [ "$bad" -eq 0 ] || failures+=("$name: $bad failed")
}

step() { echo; echo "==== $*"; }

# check NAME COMMAND...: one counted step that passes when COMMAND exits 0.
check() {
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); failures+=("$name"); fi
}

build() {  # build DIR [cmake args...]
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja -DCORVANE_WERROR=ON "$@" >"$dir.configure.log" 2>&1 &&
    cmake --build "$dir" -j "$jobs" >"$dir.build.log" 2>&1
}

mkdir -p build

step "Source format and layers"
check "source format" bash tools/check_format.sh
check "layer check" bash tools/check_layers.sh
check "layer check catches an include going up" bash tests/tools/check_layers_test.sh

step "Native build with ASan and UBSan"
if build build/native -DCORVANE_SANITIZE=ON; then
  step "Native tests"
  ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build/native -j "$jobs" --output-on-failure \
    --timeout 300 2>&1 | tee build/native.test.log | grep -vE '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed'
  count_ctest build/native.test.log native
  step "Text decoding over dictionary text"
  check "text decoding check" bash tests/tools/text_decoding_corpus.sh \
    build/native/tests/text-decoding-check
else
  tail -n 40 build/native.configure.log build/native.build.log
  failed=$((failed + 1)); failures+=("native build")
fi

step "Native tests whose threads meet, under ThreadSanitizer"
# The stop request, raised on one thread while a worker tests it.
tsan=(-DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread)
if cmake -S "$root" -B build/tsan -G Ninja -DCORVANE_WERROR=ON "${tsan[@]}" >build/tsan.configure.log 2>&1 &&
   cmake --build build/tsan -j "$jobs" --target tracks_test scan_test >build/tsan.build.log 2>&1; then
  TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build/tsan -R '^StopRequest\.' \
    --output-on-failure --timeout 300 2>&1 | tee build/tsan.test.log | grep -vE ' Passed'
  count_ctest build/tsan.test.log tsan
else
  tail -n 40 build/tsan.configure.log build/tsan.build.log
  failed=$((failed + 1)); failures+=("tsan build")
fi

step "Windows build (MinGW-w64)"
if build build/windows -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"; then
  step "Windows tests under Wine"
  # shellcheck source=tools/wine-env.sh
  source tools/wine-env.sh
  CORVANE_FORCE_XVFB=1 corvane_start_display
  corvane_prepare_prefix
  ctest --test-dir build/windows -j 1 --output-on-failure --timeout 600 2>&1 | tee build/windows.test.log
  count_ctest build/windows.test.log windows
else
  tail -n 40 build/windows.configure.log build/windows.build.log
  failed=$((failed + 1)); failures+=("windows build")
fi

if command -v clang++ >/dev/null 2>&1 && [ "$fuzz_seconds" -gt 0 ]; then
  step "Fuzzing the tag reader for ${fuzz_seconds}s per target"
  if CXX=clang++ build build/fuzz -DCORVANE_FUZZ=ON -DCORVANE_TESTS=OFF; then
    rm -rf build/fuzz/seeds
    mkdir -p build/fuzz/corpus build/fuzz/seeds
    build/fuzz/fuzz/fuzz-tags-seeds build/fuzz/seeds
    seeds=(build/fuzz/seeds)
    [ -d ../shared/corpus/peer ] && seeds+=(../shared/corpus/peer/*/)
    for target in fuzz-tags fuzz-tags-file; do
      # New finds go into the first folder; the seeds stay as they are.
      mkdir -p "build/fuzz/corpus/$target"
      if "build/fuzz/fuzz/$target" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 \
           -max_len=65536 -dict=fuzz/id3.dict "build/fuzz/corpus/$target" "${seeds[@]}" \
           >"build/$target.log" 2>&1; then
        passed=$((passed + 1)); echo "$target: no finding"
      else
        tail -n 60 "build/$target.log"
        failed=$((failed + 1)); failures+=("$target found a fault")
      fi
    done
  else
    tail -n 40 build/fuzz.configure.log build/fuzz.build.log
    failed=$((failed + 1)); failures+=("fuzz build")
  fi
fi

echo
for f in "${failures[@]}"; do echo "FAILED: $f"; done
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
