#!/usr/bin/env bash
# The deeper search: every fuzz target for several minutes (default 300 s
# each), growing the working corpus in build-fuzz/corpus across runs.
# Usage: scripts/fuzz-long.sh [seconds-per-target] [target-name-filter]
set -euo pipefail
cd "$(dirname "$0")/.."
exec scripts/fuzz.sh "${1:-300}" "${2:-}"
