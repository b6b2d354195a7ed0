#!/usr/bin/env bash
# Runs the whole test suite under valgrind's memcheck; any memcheck error or
# leak fails (each test program runs through scripts/valgrind-test.sh, which
# says why a failed assertion alone does not).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh valgrind
cmake -S . -B build-valgrind -DCMAKE_BUILD_TYPE=Debug \
  "-DTOLMER_TEST_WRAPPER=$PWD/scripts/valgrind-test.sh" >/dev/null
cmake --build build-valgrind -j"$(nproc)"
ctest --test-dir build-valgrind -j"$(nproc)" --output-on-failure "$@"
