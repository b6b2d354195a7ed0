#!/usr/bin/env bash
# Builds the library and the tolmer tool, then runs the tool on one length
# entry, the library's main job. Arguments, when given, go to tolmer instead:
#   scripts/run.sh format 150.5 --format all
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tolmer
if (($#)); then
  exec ./build/tools/tolmer "$@"
fi
echo "\$ tolmer length \"12'6 1/2\\\"\""
exec ./build/tools/tolmer length "12'6 1/2\""
