#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a while.
# Usage: scripts/fuzz.sh [seconds-per-target] [target-name-filter]
#   Each target starts from its seed corpus (fuzz/corpus/NAME), replays the
#   regression inputs (fuzz/regressions/NAME) and fails on any finding; a
#   crashing input is left in build-fuzz/findings/NAME.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-10}"
filter="${2:-}"
scripts/deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTOLMER_FUZZ=ON -DTOLMER_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  [[ -z "$filter" || "$name" == *"$filter"* ]] || continue
  work="build-fuzz/corpus/$name"
  findings="build-fuzz/findings/$name"
  mkdir -p "$work" "$findings" "fuzz/corpus/$name" "fuzz/regressions/$name"
  # Regression inputs must pass first.
  if compgen -G "fuzz/regressions/$name/*" >/dev/null; then
    "$target" -runs=0 "fuzz/regressions/$name"/* >/dev/null 2>&1 || {
      echo "$name: a regression input fails"; status=1; continue; }
  fi
  log="build-fuzz/$name.log"
  if "$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" \
      "$work" "fuzz/corpus/$name" >"$log" 2>&1; then
    echo "$name: $(grep -E 'stat::number_of_executed_units' "$log" | awk '{print $2}') runs, $(grep -Eo 'cov: [0-9]+' "$log" | tail -1) edges, clean"
  else
    echo "$name: FINDING (see $log and $findings)"; tail -30 "$log"; status=1
  fi
done
exit $status
