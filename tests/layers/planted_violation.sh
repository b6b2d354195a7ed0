#!/usr/bin/env bash
# The layer check catches an upward include: a copy of src/ with one planted
# (the frame including the C++ interface's context, then a subsystem
# including the C exports' header) must fail, naming the file, the line and
# the layers; the untouched copy must pass.
set -euo pipefail
source_dir="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
check() { python3 "$source_dir/scripts/check-layers.py" --root "$work"; }

cp -r "$source_dir/src" "$work/src"
check >/dev/null || { echo "FAIL: the untouched copy of src/ does not pass"; exit 1; }

plant() {  # file, include, expected message
  rm -rf "$work/src"; cp -r "$source_dir/src" "$work/src"
  printf '#include "%s"\n' "$2" >>"$work/src/$1"
  local lines; lines="$(wc -l <"$work/src/$1")"
  if output="$(check)"; then echo "FAIL: $2 planted in $1 passed the check"; exit 1; fi
  grep -qF "src/$1:$lines: \"$2\" is of the layer $3" <<<"$output" ||
    { echo "FAIL: unexpected report for $2 in $1:"; echo "$output"; exit 1; }
}
plant frame/rounding.cpp api/state.h "api, above frame"
plant text/fields.h tolmerdll.h "c_abi, above text"
plant measure/units.h paper/paper.h "paper, above measure"
plant api/library.cpp c_abi/process.h "c_abi, above api"
echo "planted violations: 4 of 4 reported"
