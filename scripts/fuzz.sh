#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS seconds (default 60) on a
# copy of its seed corpus in fuzz/corpus/, so the repository's corpus stays as committed.
# Fails when a target finds a crash, a sanitizer report or a violated property; the input
# that triggered it is left in build/fuzz/artifacts/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(mapfile formula sets pla reportview)
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLORVANE_FUZZ=ON -DLORVANE_UI=OFF -DLORVANE_TESTS=OFF \
  -DLORVANE_WERROR=ON >/dev/null
cmake --build build/fuzz -j"$jobs" --target "${targets[@]/#/fuzz_}"

# The map-file target writes files for every input: keep them in memory where possible. A small
# quarantine without malloc filling keeps the sanitizer from dominating the run time.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:max_malloc_fill_size=0}

failed=0
for target in "${targets[@]}"; do
  work=build/fuzz/run/$target
  artifacts=build/fuzz/artifacts/$target/
  rm -rf "$work"
  mkdir -p "$work/corpus" "$artifacts"
  cp fuzz/corpus/"$target"/* "$work/corpus/"
  options=(-max_total_time="$seconds" -timeout=10 -artifact_prefix="$artifacts"
    -print_final_stats=1)
  [ -f fuzz/"$target".dict ] && options+=(-dict=fuzz/"$target".dict)
  echo "== fuzz_$target for ${seconds}s"
  if build/fuzz/fuzz/fuzz_"$target" "${options[@]}" "$work/corpus" >"$work/log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$work/log" | tail -2 || true
  else
    failed=1
    echo "fuzz_$target found a problem (input kept in $artifacts):"
    # From the first report on: the error, its stack and the input that caused it.
    awk '/ERROR|property violated|deadly signal|timeout/ {found = 1} found' "$work/log" | head -60
  fi
done
exit "$failed"
