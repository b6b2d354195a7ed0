#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a while.
# Usage: scripts/fuzz.sh [seconds-per-target] [target-name-filter]
#   Each target first replays its regression inputs (fuzz/regressions/NAME),
#   then fuzzes from its seed corpus (fuzz/corpus/NAME) plus what earlier runs
#   found (build-fuzz/corpus/NAME, not committed). Any finding fails the run;
#   the crashing input is left in build-fuzz/findings/NAME: once fixed, copy
#   it to fuzz/regressions/NAME so that every later run replays it.
#   Prints one line per target: executions, coverage (edges) and features.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-10}"
filter="${2:-}"
scripts/deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTOLMER_FUZZ=ON -DTOLMER_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target tolmer_fuzz

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
targets=0
for target in build-fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  [[ -z "$filter" || "$name" == *"$filter"* ]] || continue
  targets=$((targets + 1))
  work="build-fuzz/corpus/$name"
  findings="build-fuzz/findings/$name"
  mkdir -p "$work" "$findings" "fuzz/corpus/$name"
  # Regression inputs must pass first.
  if compgen -G "fuzz/regressions/$name/*" >/dev/null; then
    if ! "$target" "fuzz/regressions/$name"/* >"build-fuzz/$name.regressions.log" 2>&1; then
      echo "$name: a regression input fails (see build-fuzz/$name.regressions.log)"
      tail -20 "build-fuzz/$name.regressions.log"
      status=1
      continue
    fi
  fi
  log="build-fuzz/$name.log"
  if "$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="$findings/" "$work" "fuzz/corpus/$name" >"$log" 2>&1; then
    runs="$(awk '/stat::number_of_executed_units/ {print $2}' "$log")"
    cov="$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1)"
    printf '%-18s %10s runs  %-22s clean\n' "$name:" "$runs" "$cov"
  else
    echo "$name: FINDING (see $log and $findings)"
    tail -30 "$log"
    status=1
  fi
done
if ((targets == 0)); then
  echo "no fuzz target matches '$filter'"
  exit 1
fi
exit $status
