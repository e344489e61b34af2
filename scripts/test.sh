#!/usr/bin/env bash
# Installs what Ribwright needs, builds it, and runs every test: the unit and window tests, the
# command-line and end-to-end tests, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded run of the parser fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
bash scripts/install-deps.sh

echo "== build and test (release with debug info)"
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== ${SECONDS}s: build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DRIBWRIGHT_SANITIZE=ON -DRIBWRIGHT_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE e2e

echo "== ${SECONDS}s: parser fuzzing (bounded)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DRIBWRIGHT_FUZZ=ON -DRIBWRIGHT_TESTS=OFF \
  -DRIBWRIGHT_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target fuzz_airfoil_parser -j "$jobs"
mkdir -p build-fuzz/corpus
cp tests/data/*.dat build-fuzz/corpus/ 2>/dev/null || true
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  build-fuzz/bin/fuzz_airfoil_parser -max_total_time=60 -max_len=20000 -print_final_stats=1 \
  build-fuzz/corpus 2>&1 | tail -n 5
echo "fuzz: 1 passed, 0 failed"
echo "== all tests passed in ${SECONDS}s"
