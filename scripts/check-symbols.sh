#!/usr/bin/env bash
# The dynamic symbols a shared library defines are exactly the names of the
# export table, no more and no fewer.
# Usage: scripts/check-symbols.sh LIBRARY.so [src/c_abi/export_table.h]
set -euo pipefail
library="$1"
table="${2:-$(dirname "$0")/../src/c_abi/export_table.h}"
nm="${NM:-nm}"
expected="$(sed -n 's/^TOLMER_EXPORT_ENTRY(\([A-Z0-9_]*\),.*/\1/p' "$table" | sort)"
defined="$("$nm" -D --defined-only "$library" | awk 'NF == 3 { print $3 }' | sort)"
extra="$(comm -13 <(printf '%s\n' "$expected") <(printf '%s\n' "$defined"))"
missing="$(comm -23 <(printf '%s\n' "$expected") <(printf '%s\n' "$defined"))"
status=0
if [ -n "$extra" ]; then echo "defined but not in the export table:"; printf '  %s\n' $extra; status=1; fi
if [ -n "$missing" ]; then echo "in the export table but not defined:"; printf '  %s\n' $missing; status=1; fi
echo "dynamic symbols: $(printf '%s\n' "$defined" | grep -c .) defined, $(printf '%s\n' "$expected" | grep -c .) in the export table"
exit "$status"
