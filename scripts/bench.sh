#!/usr/bin/env bash
# Builds the benchmark suite optimised, runs it and prints the goal table
# (goal, measured ratio, met or not). Ratios come from one run: absolute
# times on a shared machine are noise, ratios against a baseline are not.
# Usage: scripts/bench.sh [extra tolmer_bench arguments, e.g. --benchmark_filter=field]
# Environment: BENCH_BUILD (build folder, default build-bench),
#              BENCH_REPETITIONS (default 3; the fastest repetition counts).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh python3
build="${BENCH_BUILD:-build-bench}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLMER_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target tolmer_bench
"$build/bench/tolmer_bench" \
  --benchmark_repetitions="${BENCH_REPETITIONS:-3}" \
  --benchmark_enable_random_interleaving=true \
  --benchmark_min_time=0.1 \
  --benchmark_out="$build/bench.json" --benchmark_out_format=json \
  "$@" >"$build/bench.txt"
python3 scripts/bench_report.py "$build/bench.json" | tee "$build/bench-report.md"
