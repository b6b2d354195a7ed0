#!/usr/bin/env bash
# Builds with coverage instrumentation (gcc, -O0, atomic counters), runs the
# whole suite and reports the line and branch coverage of src/: one row per
# layer (the folders of src/layers.txt, in that order) and the total.
#
# Usage: scripts/coverage.sh [--report-only]
#   --report-only  report from the counters of the last run (build-coverage/)
#                  without rebuilding or running the suite again
# Environment: JOBS (parallel build, test and gcov jobs; default 2).
#
# Only files under src/ count: the tests, benchmarks, fuzz targets, tools and
# system headers are left out by the filter. So is src/c_abi/export_table.h:
# an X-macro table no library file includes; what gcov counts on its lines is
# the test programs' code expanded from it. Branches that only exist for
# exception propagation (--exclude-throw-branches) and compiler-generated
# branches on lines without code (--exclude-unreachable-branches) are not
# counted.
# Outputs in build-coverage/: coverage-lines.txt and coverage-branches.txt
# (per file), coverage-summary.json (per file, as gcovr writes it),
# coverage.json (gcovr's full data, for --add-tracefile),
# coverage-layers.txt (the table printed at the end), ctest.log.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${JOBS:-2}"
build=build-coverage
started=$SECONDS

report_only=0
if [ "${1:-}" = "--report-only" ]; then
  report_only=1
elif [ $# -gt 0 ]; then
  echo "usage: scripts/coverage.sh [--report-only]" >&2
  exit 2
fi

scripts/deps.sh gcovr
command -v python3 >/dev/null || scripts/deps.sh python3

tests_failed=0
if ((report_only == 0)); then
  rm -rf "$build"
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTOLMER_COVERAGE=ON \
    -DTOLMER_BUILD_TESTS=ON -DTOLMER_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" -j"$jobs"
  echo "Running the suite (log: $build/ctest.log)"
  if ! ctest --test-dir "$build" -j"$jobs" --output-on-failure >"$build/ctest.log" 2>&1; then
    tests_failed=1
    echo "SOME TESTS FAIL: the figures below are of a failing run" >&2
    grep -E '^\s*[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)' \
      "$build/ctest.log" >&2 || true
  fi
elif [ ! -d "$build" ]; then
  echo "no $build/ to report from: run scripts/coverage.sh first" >&2
  exit 2
fi

echo "Collecting the counters (gcovr $(gcovr --version | head -n1 | awk '{print $2}'))"
gcovr --root . --filter 'src/' --exclude 'src/c_abi/export_table\.h' \
  --object-directory "$build" -j "$jobs" \
  --exclude-unreachable-branches --exclude-throw-branches \
  --exclude-directories "$build/consumer-test" \
  --exclude-directories "$build/tests/fp-settings-.*" \
  --json "$build/coverage.json" \
  --txt "$build/coverage-lines.txt" \
  --json-summary-pretty --json-summary "$build/coverage-summary.json" \
  "$build"
# The per-file branch table, from the counters just collected.
gcovr --root . --add-tracefile "$build/coverage.json" --branches --txt "$build/coverage-branches.txt"

python3 - "$build/coverage-summary.json" src/layers.txt >"$build/coverage-layers.txt" <<'EOF'
import json, re, sys

summary, layers_file = sys.argv[1], sys.argv[2]
# The layers are the lines that are a folder name alone, as CMake reads them.
layers = [l.strip() for l in open(layers_file) if re.fullmatch(r"[a-z_]+", l.strip())]
rows = {name: [0, 0, 0, 0] for name in layers}
total = [0, 0, 0, 0]
outside = []
files = json.load(open(summary))["files"]
for f in files:
    name = f["filename"].replace("\\", "/")
    figures = [f["line_covered"], f["line_total"],
               f["branch_covered"], f["branch_total"]]
    parts = name.split("/")
    layer = parts[1] if len(parts) > 2 and parts[0] == "src" else None
    if layer in rows:
        rows[layer] = [a + b for a, b in zip(rows[layer], figures)]
    else:
        outside.append(name)
    total = [a + b for a, b in zip(total, figures)]

def percent(covered, all_):
    return "-" if all_ == 0 else f"{100.0 * covered / all_:.1f}%"

print(f"{'layer':<10} {'lines':>13} {'%':>7}   {'branches':>13} {'%':>7}")
for name in layers + ["src (all)"]:
    lc, lt, bc, bt = total if name == "src (all)" else rows[name]
    print(f"{name:<10} {f'{lc}/{lt}':>13} {percent(lc, lt):>7}   "
          f"{f'{bc}/{bt}':>13} {percent(bc, bt):>7}")
if outside:
    print("counted in the total but in no layer: " + ", ".join(outside))
EOF

echo
echo "Per-file lines: $build/coverage-lines.txt; per-file figures: $build/coverage-summary.json"
echo "Coverage of src/ (branches: exception-only and unreachable ones excluded):"
cat "$build/coverage-layers.txt"
elapsed=$((SECONDS - started))
printf 'Time: %dm%02ds\n' $((elapsed / 60)) $((elapsed % 60))
exit "$tests_failed"
