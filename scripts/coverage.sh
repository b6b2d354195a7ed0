#!/usr/bin/env bash
# Builds with coverage instrumentation, runs the suite and prints the line and
# branch coverage of src/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh gcovr
rm -rf build-coverage
cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DTOLMER_COVERAGE=ON >/dev/null
cmake --build build-coverage -j"$(nproc)"
ctest --test-dir build-coverage -j"$(nproc)" >/dev/null || true
gcovr --root . --filter 'src/' --object-directory build-coverage \
  --exclude-unreachable-branches --exclude-throw-branches \
  --txt-metric branch --print-summary build-coverage 2>/dev/null | tail -4
