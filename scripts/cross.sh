#!/usr/bin/env bash
# Cross builds of the library and its GoogleTest suite, run on this machine:
#
#   aarch64  64-bit ARM Linux (cmake/aarch64-linux.cmake), under qemu-user;
#   i686     32-bit x86 Linux (cmake/i686-linux.cmake), under qemu-user: the
#            x87 in 32-bit mode, the nearest runnable stand-in for the 32-bit
#            Windows DLL;
#   wasm     WebAssembly (Debian's emscripten, emcmake), under node.
#
# For each target: installs what is missing (through scripts/deps.sh: the
# cross compiler, qemu-user or emscripten and node, GoogleTest's sources),
# builds optimised as CI's Linux build (-O2), then runs every GoogleTest
# program of the suite under the emulator, and on Linux targets the host
# program that loads the shared library by name. Each test program runs as
# one process (starting qemu or node once per test would cost minutes); the
# tests that need a process of their own (the state before initialisation)
# run first, each in its own process.
#
# Left out of the cross builds, with the reason:
#   tolmer_tool_tests   the tool's tests start the tool as a process of the
#                       build machine (every target);
#   Install.Consumer... builds and installs a consumer project with the build
#                       machine's compiler (every target);
#   bench_smoke         Google Benchmark is not installed for the targets;
#   tolmer_host, tool   dlopen of the shared library: WebAssembly has none.
#
# Usage: scripts/cross.sh [aarch64|i686|wasm|all ...] [--root dir]
#   default: all, in build-cross/<target>.
# Environment: JOBS=n parallel build jobs (default 2).
# Output: per target the failed tests (if any) and a summary line
#   "<target>: N tests, M failed"; exit status 0 when every target passed.
set -euo pipefail
cd "$(dirname "$0")/.."

root="build-cross"
targets=()
while (($#)); do
  case "$1" in
    --root) root="$2"; shift 2 ;;
    all) targets+=(aarch64 i686 wasm); shift ;;
    aarch64 | i686 | wasm) targets+=("$1"); shift ;;
    *) echo "usage: scripts/cross.sh [aarch64|i686|wasm|all ...] [--root dir]" >&2; exit 2 ;;
  esac
done
((${#targets[@]})) || targets=(aarch64 i686 wasm)
jobs="${JOBS:-2}"
mkdir -p "$root"
root="$(cd "$root" && pwd)"
started=$SECONDS
step() { echo "== $* ($((SECONDS - started)) s)"; }

# The tests that need a process of their own: the load-time state.
fresh_tests=(LoadState.NothingExistsBeforeInitialisation)

source scripts/cross-targets.sh

# Runs a build command with its output in a log; on failure shows the log's
# end and returns 1.
logged() {
  local log="$1"
  shift
  if ! "$@" >>"$log" 2>&1; then
    tail -n 40 "$log"
    echo "FAIL: $* (log: $log)"
    return 1
  fi
  grep -E 'warning:' "$log" || true
}

# Runs one test program under the emulator: the fresh-process tests alone,
# then the rest. Appends the failed tests' names to $failed_list and adds to
# $test_count.
run_program() {
  local dir="$1" program="$2" log="$3" filter_out="" name listed
  listed="$(cd "$dir" && "${emulator[@]}" "$program" --gtest_list_tests 2>/dev/null |
    awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }')"
  if [ -z "$listed" ]; then
    echo "$program: lists no tests (does it start?)"
    test_count=$((test_count + 1))
    return
  fi
  if [ -n "${left_out_filter:-}" ]; then
    listed="$(grep -vE "$left_out_regex" <<<"$listed" || true)"
    filter_out="$left_out_filter"
  fi
  test_count=$((test_count + $(grep -c . <<<"$listed")))
  for name in "${fresh_tests[@]}"; do
    grep -qx "$name" <<<"$listed" || continue
    filter_out+="${filter_out:+:}$name"
    run_filtered "$dir" "$program" "$log" "$name"
  done
  run_filtered "$dir" "$program" "$log" "-$filter_out"
}

# One run of a test program; a status other than 0 (passed) and 1 (a test
# failed) means it crashed: the tests after the crash did not run.
run_filtered() {
  local status=0
  (cd "$1" && "${emulator[@]}" "$2" --gtest_filter="$4") >>"$3" 2>&1 || status=$?
  if ((status > 1)); then
    echo "$2 --gtest_filter=$4: ended with status $status after: $(grep '^\[ RUN' "$3" | tail -n 1)"
  fi
}

overall=0
for target in "${targets[@]}"; do
  setup "$target"
  build="$root/$target"
  log="$root/$target.log"
  : >"$log"
  step "$target: packages"
  scripts/deps.sh --no-recommends "${packages[@]}"
  step "$target: configure and build"
  if ! logged "$log" "${configure[@]}" -S . -B "$build" "${optimise[@]}" ||
    ! logged "$log" cmake --build "$build" -j"$jobs" --target "${build_targets[@]}"; then
    echo "$target: build FAILED"
    overall=1
    continue
  fi

  step "$target: test suite under ${emulator[0]}"
  results="$root/$target-tests.txt"
  : >"$results"
  test_count=0
  for program in "${programs[@]}"; do
    run_program "$build" "$program" "$results"
  done
  # Every test reports "[       OK ]", "[  SKIPPED ]" (with its time) or
  # "[  FAILED  ]" once; a crashed program reports none for the rest.
  skipped="$(grep -cE '^\[  SKIPPED \] [^ ]+ \(' "$results" || true)"
  passed="$(($(grep -c '^\[       OK \]' "$results" || true) + skipped))"
  failed_names="$(grep -E '^\[  FAILED  \] [^ ,]+(,| \()' "$results" |
    sed -E 's/^\[  FAILED  \] ([^ ,]+).*/\1/' | sort -u || true)"
  failed=$((test_count - passed))
  if [ -n "$failed_names" ]; then
    echo "$target: failed tests:"
    sed 's/^/  /' <<<"$failed_names"
  fi
  if [ "$target" != wasm ]; then
    step "$target: host program under ${emulator[0]}"
    if (cd "$build" && "${emulator[@]}" tests/tolmer_host ./libtolmerdll.so) >"$root/$target-host.txt" 2>&1; then
      grep '^host:' "$root/$target-host.txt" || true
    else
      grep -v '^= ' "$root/$target-host.txt" | grep -v '^ok ' | tail -n 20 || true
      echo "$target: host program FAILED"
      failed=$((failed + 1))
    fi
  fi
  echo "$target: $test_count tests, $failed failed, $skipped skipped (log: $results)"
  ((failed == 0)) || overall=1
done

step "done"
if ((overall)); then
  echo "Cross builds: FAILED"
  exit 1
fi
echo "Cross builds: all passed"
