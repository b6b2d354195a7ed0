#!/usr/bin/env bash
# Runs the whole test suite under valgrind's memcheck; any error or leak fails.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh valgrind
cmake -S . -B build-valgrind -DCMAKE_BUILD_TYPE=Debug \
  "-DTOLMER_TEST_WRAPPER=valgrind;--error-exitcode=1;--leak-check=full;--errors-for-leak-kinds=definite,indirect;-q" >/dev/null
cmake --build build-valgrind -j"$(nproc)"
ctest --test-dir build-valgrind -j"$(nproc)" --output-on-failure
