#!/usr/bin/env bash
# Installs what Ribwright needs, builds it, and runs every test: the unit and window tests, the
# command-line and end-to-end tests, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and bounded runs of the parser and rib-settings fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
# Line tables are all the test builds need for symbolised traces; full debug info makes the
# compile and link markedly slower.
lines_only='-g1'
bash scripts/install-deps.sh

echo "== build and test (release with debug info)"
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 $lines_only -DNDEBUG"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== ${SECONDS}s: build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DRIBWRIGHT_SANITIZE=ON -DRIBWRIGHT_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS_DEBUG=$lines_only"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE e2e

echo "== ${SECONDS}s: fuzzing the parser and the rib settings (bounded, 30 s each)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DRIBWRIGHT_FUZZ=ON -DRIBWRIGHT_TESTS=OFF \
  -DRIBWRIGHT_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 $lines_only -DNDEBUG" >/dev/null
cmake --build build-fuzz --target fuzz_airfoil_parser fuzz_rib_settings -j "$jobs"
mkdir -p build-fuzz/corpus build-fuzz/corpus-settings
cp tests/data/*.dat build-fuzz/corpus/ 2>/dev/null || true
cp tests/fuzz/rib_settings_seeds/* build-fuzz/corpus-settings/
fuzz_passed=0
fuzz_failed=0
run_fuzzer() {  # NAME CORPUS MAX_LEN
  if LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp QT_QPA_PLATFORM=offscreen \
    "build-fuzz/bin/$1" -max_total_time=30 -max_len="$3" -print_final_stats=1 "$2" \
    >"build-fuzz/$1.log" 2>&1; then
    fuzz_passed=$((fuzz_passed + 1))
  else
    fuzz_failed=$((fuzz_failed + 1))
  fi
  tail -n 5 "build-fuzz/$1.log"
}
run_fuzzer fuzz_airfoil_parser build-fuzz/corpus 20000
run_fuzzer fuzz_rib_settings build-fuzz/corpus-settings 400
if [ "$fuzz_failed" -ne 0 ]; then
  echo "fuzz: ${fuzz_passed} passed, ${fuzz_failed} failed (logs in build-fuzz/)"
  exit 1
fi
echo "fuzz: ${fuzz_passed} passed, 0 failed"
echo "== all tests passed in ${SECONDS}s"
