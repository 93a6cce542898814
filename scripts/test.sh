#!/usr/bin/env bash
# Builds everything and runs every test: formatting, the full build (warnings as errors) with
# its GoogleTest and QtTest suites, the screen-reader names read through AT-SPI, every test
# again under AddressSanitizer and UndefinedBehaviorSanitizer, a short run of every fuzz
# target, and the Debian package.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

scripts/deps.sh
scripts/check-format.sh

echo "== Build and test (warnings as errors)"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLORVANE_WERROR=ON
cmake --build build/test -j"$jobs"
(cd build/test && ctest -j"$jobs" --output-on-failure)

echo "== What screen readers read, through the accessibility bus"
scripts/accessibility-check.sh build/test/bin/lorvane

echo "== Every test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DLORVANE_SANITIZE=ON -DLORVANE_WERROR=ON
cmake --build build/asan -j"$jobs"
# Leaks are looked for in the core only: Qt keeps process-wide allocations until exit.
(cd build/asan && export UBSAN_OPTIONS=print_stacktrace=1 &&
  ASAN_OPTIONS=detect_leaks=1 ctest -j"$jobs" -L core --output-on-failure &&
  ASAN_OPTIONS=detect_leaks=0 ctest -j"$jobs" -L ui --output-on-failure)

if [ -d fuzz ] && [ -f fuzz/CMakeLists.txt ]; then
  echo "== Fuzz targets, briefly, from the seed corpus"
  scripts/fuzz.sh 5
fi

echo "== Debian package"
scripts/check-package.sh build/test
echo "All tests passed."
