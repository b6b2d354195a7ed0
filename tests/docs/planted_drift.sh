#!/usr/bin/env bash
# The document checks catch drift: in a planted document, an example whose
# output block is wrong fails its run with a diff, and an example that no
# longer compiles fails its build; a correct example beside them passes.
# Usage: planted_drift.sh SOURCE_DIR CXX_COMPILER
set -euo pipefail
source_dir="$1"
cxx="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat >"$work/planted.md" <<'DOC'
# A planted document

## Wrong output

```cpp
#include <cstdio>
#include "tolmer/version.h"
int main() { std::printf("%d\n", tolmer::header_version.major + 1000); }
```

```output
1000
```

## Does not compile

```cpp
#include "tolmer/version.h"
int main() { return tolmer::header_versoin.major; }
```

## Right output

```cpp
#include <cstdio>
#include "tolmer/version.h"
int main() { std::printf("%d\n", tolmer::header_version.major); }
```

```output
1
```
DOC

python3 "$source_dir/scripts/extract-doc-examples.py" --out "$work/out" "$work/planted.md" >/dev/null
for name in 1_wrong_output 2_does_not_compile 3_right_output; do
  grep -q "Docs.planted_md.$name " "$work/out/examples.cmake" ||
    { echo "FAIL: no test Docs.planted_md.$name:"; cat "$work/out/examples.cmake"; exit 1; }
done

build() {  # the example's name; its compiler messages in $work/<name>.log
  "$cxx" -std=c++20 -Wall -Wextra -Wpedantic -Werror -I "$source_dir/include" \
    "$work/out/planted_md/$1.cpp" -o "$work/$1" >"$work/$1.log" 2>&1
}
run() {  # the example's name
  python3 "$source_dir/scripts/run-doc-example.py" --expected "$work/out/planted_md/$1.out" -- "$work/$1"
}

found=0
build 1_wrong_output || { echo "FAIL: the first example does not compile:"; cat "$work/1_wrong_output.log"; exit 1; }
if output="$(run 1_wrong_output)"; then
  echo "FAIL: a wrong output block passed"; exit 1
fi
if grep -qx -- "-1000" <<<"$output" && grep -qx -- "+1001" <<<"$output"; then
  found=$((found + 1))
else
  echo "FAIL: the wrong output was reported without its diff:"; echo "$output"; exit 1
fi

if build 2_does_not_compile; then
  echo "FAIL: a block that does not compile compiled"; exit 1
fi
# The message points into the document, at the block's line.
if grep -q "planted.md:19:.*header_versoin" "$work/2_does_not_compile.log"; then
  found=$((found + 1))
else
  echo "FAIL: the compiler's message does not name the document's line:"; cat "$work/2_does_not_compile.log"; exit 1
fi

build 3_right_output && run 3_right_output >/dev/null ||
  { echo "FAIL: a correct example did not pass"; exit 1; }
echo "planted drift: $found of 2 reported, the correct example passes"
