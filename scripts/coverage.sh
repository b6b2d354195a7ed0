#!/usr/bin/env bash
# Builds with coverage instrumentation, runs the suite and prints the line and
# branch coverage of src/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh gcovr
rm -rf build-coverage
cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DTOLMER_COVERAGE=ON >/dev/null
cmake --build build-coverage -j"$(nproc)"
ctest --test-dir build-coverage -j"$(nproc)" --output-on-failure >build-coverage/ctest.log || {
  echo "some tests fail (see build-coverage/ctest.log)"; exit 1; }
# Per-file lines in build-coverage/coverage.txt; the totals printed here.
gcovr --root . --filter 'src/' --object-directory build-coverage \
  --exclude-unreachable-branches --exclude-throw-branches \
  --exclude-directories 'build-coverage/consumer-test' \
  --print-summary --output build-coverage/coverage.txt build-coverage
