#!/usr/bin/env bash
# The same results on every platform: runs the digest program (a fixed set of
# 1.5 million export calls, one hash per family; tests/digest) natively on
# x86-64 Linux, the reference, then on each other target, and compares each
# output with the reference line by line.
#
#   windows  the 64-bit Windows build (cmake/mingw-x86_64.cmake) under Wine;
#   i686, aarch64, wasm   the cross builds of scripts/cross.sh, under
#            qemu-user and node.
#
# A target's build is reused when it exists (scripts/windows.sh and
# scripts/cross.sh make them under the same roots), else configured and made
# here (the digest program only). For each target that differs the first
# differing family is shown; to find the first differing call, run both with
# "--dump <family>" and compare.
#
# Usage: scripts/digest.sh [windows|i686|aarch64|wasm|all ...]
#            [--root dir] [--native-build dir] [--windows-root dir] [--cross-root dir]
#   defaults: all; outputs in build-digest, the native build in
#   build-digest/native, build-windows, build-cross.
# Environment: JOBS=n parallel build jobs (default 2).
# Exit status 0 when every target printed the reference output.
set -euo pipefail
cd "$(dirname "$0")/.."

root="build-digest"
native_build=""
windows_root="build-windows"
cross_root="build-cross"
targets=()
while (($#)); do
  case "$1" in
    --root) root="$2"; shift 2 ;;
    --native-build) native_build="$2"; shift 2 ;;
    --windows-root) windows_root="$2"; shift 2 ;;
    --cross-root) cross_root="$2"; shift 2 ;;
    all) targets+=(windows i686 aarch64 wasm); shift ;;
    windows | i686 | aarch64 | wasm) targets+=("$1"); shift ;;
    *) echo "usage: scripts/digest.sh [windows|i686|aarch64|wasm|all ...] [--root dir]" \
         "[--native-build dir] [--windows-root dir] [--cross-root dir]" >&2; exit 2 ;;
  esac
done
((${#targets[@]})) || targets=(windows i686 aarch64 wasm)
jobs="${JOBS:-2}"
mkdir -p "$root" "$windows_root" "$cross_root"
root="$(cd "$root" && pwd)"
native_build="${native_build:-$root/native}"
windows_root="$(cd "$windows_root" && pwd)"
cross_root="$(cd "$cross_root" && pwd)"
source scripts/cross-targets.sh
started=$SECONDS
step() { echo "== $* ($((SECONDS - started)) s)"; }

# Configures (when there is no build yet) and builds the digest program.
build_digest() {
  local log="$1" build="$2"
  shift 2
  if [ ! -f "$build/CMakeCache.txt" ]; then
    "$@" -S . -B "$build" "${optimise[@]}" >>"$log" 2>&1 || { tail -n 30 "$log"; return 1; }
  fi
  cmake --build "$build" -j"$jobs" --target tolmer_digest >>"$log" 2>&1 || { tail -n 30 "$log"; return 1; }
}

step "native (reference): build and run"
scripts/deps.sh
build_digest "$root/native.log" "$native_build" cmake
"$native_build/tests/tolmer_digest" >"$root/native.txt"
cat "$root/native.txt"

failed=0
compare() {
  local target="$1" output="$2"
  tr -d '\r' <"$output" >"$output.lf"
  if cmp -s "$root/native.txt" "$output.lf"; then
    echo "$target: identical ($(awk '$1 == "total" { print $2 }' "$output.lf") calls)"
  else
    local differences
    differences="$(diff "$root/native.txt" "$output.lf" || true)"
    echo "FAIL: $target differs from the reference; first differing line:"
    grep -m1 '^<' <<<"$differences" || true
    grep -m1 '^>' <<<"$differences" || echo "> (no output; see $output.err)"
    failed=1
  fi
}

for target in "${targets[@]}"; do
  output="$root/$target.txt"
  if [ "$target" = windows ]; then
    step "windows: build and run under Wine"
    scripts/deps.sh --no-recommends g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine64
    build_digest "$root/windows.log" "$windows_root/x86_64" \
      cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake || { failed=1; continue; }
    wine=""
    for candidate in /usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)"; do
      if [ -n "$candidate" ] && [ -x "$candidate" ]; then wine="$candidate"; break; fi
    done
    export WINEPREFIX="$windows_root/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$wine" wineboot --init >/dev/null 2>&1 || true
    fi
    (cd "$windows_root/x86_64" && timeout 600 "$wine" ./tolmer_digest.exe) >"$output" 2>"$output.err" || true
    "$(dirname "$wine")/wineserver" -k >/dev/null 2>&1 || true
  else
    step "$target: build and run under its emulator"
    setup "$target"
    scripts/deps.sh --no-recommends "${packages[@]}"
    build_digest "$root/$target.log" "$cross_root/$target" "${configure[@]}" || { failed=1; continue; }
    (cd "$cross_root/$target" && timeout 1200 "${emulator[@]}" "$digest_program") >"$output" 2>"$output.err" || true
  fi
  compare "$target" "$output"
done

step "done"
if ((failed)); then
  echo "Digest: FAILED"
  exit 1
fi
echo "Digest: every target printed the reference output"
