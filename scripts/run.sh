#!/usr/bin/env bash
# Builds the library and its example host, and runs the example.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tolmer_example
./build/tolmer_example
