#!/usr/bin/env bash
# Builds the library and runs the whole test suite.
# Usage: scripts/test.sh [build-dir] [extra cmake arguments ...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
build="${1:-build}"
shift || true
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLMER_BUILD_TESTS=ON "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" -j"$(nproc)" --output-on-failure
