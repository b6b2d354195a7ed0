#!/usr/bin/env bash
# Static checks of a cross-built TOLMERDLL.dll (no Windows needed):
#   - the export table lists exactly the expected names (build-dir/exports.txt,
#     made from src/c_abi/export_table.h: 121, FREELIBSTRING, MAKELIBSTRING and
#     SETHOSTSERVICES among them), undecorated, nothing else;
#   - 32-bit: every export is a standard-call function whose decorated name
#     NAME@N in the library's objects carries the argument bytes that the
#     export table's kinds give (4 per argument, 8 per double);
#   - the DLL imports only system DLLs (no compiler runtime DLLs).
# Usage: scripts/check-dll.sh build-dir i686|x86_64
set -euo pipefail

build="$1"
arch="$2"
prefix="$arch-w64-mingw32"
dll="$build/TOLMERDLL.dll"
expected="$build/exports.txt"
objdump="$prefix-objdump"
nm="$prefix-nm"

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

[ -f "$dll" ] || { echo "FAIL: $dll not built"; exit 1; }
[ -f "$expected" ] || { echo "FAIL: $expected missing"; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# --- the file is the right kind of DLL
format="$("$objdump" -f "$dll" | sed -n 's/.*file format \(.*\)/\1/p')"
case "$arch" in
  i686) want_format="pei-i386" ;;
  x86_64) want_format="pei-x86-64" ;;
  *) echo "unknown target $arch"; exit 2 ;;
esac
[ "$format" = "$want_format" ] || fail "file format is '$format', expected '$want_format'"

# --- the export table: exactly the expected names, undecorated
"$objdump" -p "$dll" >"$work/headers"
awk '/^\[Ordinal\/Name Pointer\] Table/ { table = 1; next }
     table && /^[[:space:]]*$/ { table = 0 }
     table { sub(/^[[:space:]]*\[[[:space:]]*[0-9]+\][[:space:]]*/, ""); print }' \
  "$work/headers" | sort >"$work/exported"
awk '{ print $1 }' "$expected" | sort >"$work/wanted"
exported_count="$(wc -l <"$work/exported")"
wanted_count="$(wc -l <"$work/wanted")"
while read -r name; do fail "expected export missing: $name"; done \
  < <(comm -13 "$work/exported" "$work/wanted")
while read -r name; do fail "unexpected export: $name"; done \
  < <(comm -23 "$work/exported" "$work/wanted")
if grep -q '[@?]' "$work/exported"; then fail "decorated export names: $(grep '[@?]' "$work/exported" | tr '\n' ' ')"; fi
# 118 exports the application calls and three of the library's own.
[ "$wanted_count" -eq 121 ] || fail "the export table lists $wanted_count exports, not 121"
for own in FREELIBSTRING MAKELIBSTRING SETHOSTSERVICES; do
  grep -qx "$own" "$work/exported" || fail "the library's own export $own is missing"
done
echo "exports: $exported_count found, $wanted_count expected"

# --- 32-bit: argument bytes of each standard-call export
if [ "$arch" = i686 ]; then
  objects=("$build"/CMakeFiles/tolmer_core.dir "$build"/CMakeFiles/tolmer_cabi.dir)
  find "${objects[@]}" -name '*.obj' -print0 | xargs -0 "$nm" --defined-only -g 2>/dev/null |
    awk '$2 == "T" { print $3 }' | sort -u >"$work/symbols"
  checked=0
  while read -r name bytes; do
    # Code symbols of the export: _NAME@N (stdcall) or _NAME (cdecl).
    found="$(grep -E "^_${name}(@[0-9]+)?\$" "$work/symbols" || true)"
    if [ -z "$found" ]; then
      fail "$name: no code symbol _${name}@N in the library's objects"
    elif [ "$(printf '%s\n' "$found" | wc -l)" -ne 1 ]; then
      fail "$name: several code symbols: $(printf '%s ' $found)"
    elif [[ "$found" != *@* ]]; then
      fail "$name: not a standard-call function (symbol $found)"
    elif [ "${found##*@}" != "$bytes" ]; then
      fail "$name: takes ${found##*@} argument bytes, the export table's kinds give $bytes"
    else
      checked=$((checked + 1))
    fi
  done <"$expected"
  echo "argument bytes: $checked of $wanted_count exports match the export table"
fi

# --- imports: system DLLs only
allowed=" kernel32.dll user32.dll oleaut32.dll shell32.dll ole32.dll msvcrt.dll advapi32.dll "
imports="$(sed -n 's/^[[:space:]]*DLL Name: //p' "$work/headers" | tr 'A-Z' 'a-z' | sort -u)"
for import in $imports; do
  case "$allowed" in
    *" $import "*) ;;
    *) fail "imports a DLL that is not part of Windows: $import" ;;
  esac
done
echo "imports: $(echo $imports)"

if [ "$failures" -ne 0 ]; then
  echo "$dll: $failures check(s) failed"
  exit 1
fi
echo "$dll: all checks passed"
