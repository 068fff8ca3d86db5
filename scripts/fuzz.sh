#!/usr/bin/env bash
# Runs every fuzz target for FUZZ_SECONDS (default 60) each, one after another,
# at the lowest priority. New inputs go to <build>/corpus/<target>; the seeds
# and regressions in fuzz/corpus/<target> are read, never changed. A crash
# leaves its input in <build>/crashes/ and fails the run.
# A run slower than FUZZ_TIMEOUT seconds (default 60; wall clock, so generous on
# a busy machine) counts as a hang.
# Usage: scripts/fuzz.sh <fuzz build folder> [target...]
set -uo pipefail
build=${1:?usage: scripts/fuzz.sh <fuzz build folder> [target...]}
shift
seconds=${FUZZ_SECONDS:-60}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
targets=("$@")
[[ ${#targets[@]} -gt 0 ]] || targets=(dib profile configblock savedgame inf)

mkdir -p "$build/crashes"
failed=()
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  echo "== fuzz_$t for ${seconds}s"
  # Leaks are found at exit of each input; Qt keeps some globals, read as reachable.
  ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
  UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1} \
  QT_QPA_PLATFORM=offscreen \
  nice -n 19 "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-60}" -report_slow_units="${FUZZ_TIMEOUT:-60}" -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/crashes/$t-" \
    "$build/corpus/$t" "$source_dir/fuzz/corpus/$t" 2>&1 | tee "$build/fuzz-$t.log" | grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|Done [0-9]+ runs)'
  [[ ${PIPESTATUS[0]} -eq 0 ]] || failed+=("$t")
done
if [[ ${#failed[@]} -gt 0 ]]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in $build/crashes, logs in $build/fuzz-*.log)" >&2
  exit 1
fi
echo "Fuzzing found nothing in ${targets[*]}"
