#!/usr/bin/env bash
# Whole lorvane-cli processes as scripts meet them: a trivial call against the trivial call of a
# C program (a PLA minimizer named espresso when one is on PATH, else /bin/true), minimize on a
# one-output file, and minimize of every output of the 32-output benchmark file.
#   bench/startup.sh [LORVANE_CLI]        (default build/bench/bin/lorvane-cli)
# Times with hyperfine where it is installed (the median of many runs), else with a loop timed
# by date +%s%N (the mean of the runs).
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/bench/bin/lorvane-cli}
[ -x "$cli" ] || { echo "no lorvane-cli at $cli (build it, or name it)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
trivial=$work/trivial.pla
printf '.i 3\n.o 1\n.type fd\n01- 1\n1-1 1\n.e\n' >"$trivial"
outputs32=bench/data/outputs32.pla

if command -v espresso >/dev/null 2>&1; then
  peer="espresso $trivial"
else
  peer=/bin/true
fi
# name|runs|command
cases=(
  "C program: $peer|300|$peer"
  "lorvane-cli analyze, 3 variables|300|$cli analyze --vars 3 --ones 2,3,5,7"
  "lorvane-cli minimize, 1 output|300|$cli minimize $trivial"
  "lorvane-cli minimize, 32 outputs of 8 inputs|30|$cli minimize $outputs32"
  "lorvane-cli minimize --exact, 32 outputs|5|$cli minimize --exact $outputs32"
)

# Milliseconds per run of COMMAND over RUNS runs.
time_with_hyperfine() {
  local runs=$1 command=$2 json=$work/run.json
  hyperfine -N --warmup $((runs / 10 + 1)) --runs "$runs" --export-json "$json" "$command" \
    >/dev/null 2>&1
  awk -F': *' '/"median"/ { gsub(/[ ,]/, "", $2); printf "%.2f", $2 * 1000; exit }' "$json"
}

time_with_loop() {
  local runs=$1 command=$2 start end
  read -r -a words <<<"$command"
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "${words[@]}" >/dev/null 2>&1 || true; done
  end=$(date +%s%N)
  awk -v ns=$((end - start)) -v runs="$runs" 'BEGIN { printf "%.2f", ns / runs / 1e6 }'
}

if command -v hyperfine >/dev/null 2>&1; then
  timer=time_with_hyperfine
  echo "Process times (median of hyperfine runs, ms):"
else
  timer=time_with_loop
  echo "Process times (mean of a timed loop, ms; install hyperfine for medians):"
fi

base=
for entry in "${cases[@]}"; do
  IFS='|' read -r name runs command <<<"$entry"
  ms=$($timer "$runs" "$command")
  base=${base:-$ms}
  awk -v name="$name" -v ms="$ms" -v base="$base" \
    'BEGIN { printf "  %-48s %8.2f ms  %5.1fx\n", name, ms, ms / base }'
done
