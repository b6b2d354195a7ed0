#!/usr/bin/env bash
# The npm package `tolmer` and the demo page, from the WebAssembly build.
#
#   1. installs what is missing: emscripten, nodejs and chromium (Debian,
#      through scripts/deps.sh), the JavaScript tools of web/ (npm ci from
#      web/package-lock.json; npm is the one that comes with nodejs);
#   2. builds the C++ interface (tolmercpp) with emcmake in build-web/lib;
#   3. links web/src/bindings.cpp with it into one ES module with the
#      WebAssembly inlined, for browsers, workers and node (no node-only
#      code: that emscripten's node loader uses require and __dirname);
#   4. compiles the TypeScript wrapper (web/src/index.ts: .js and .d.ts),
#      stages the package in build-web/package and packs it:
#      build-web/tolmer-<version>.tgz;
#   5. assembles the demo page in build-web/demo (its own files and the
#      package's).
# With --test it then runs the package's tests (node --test web/test), the
# TypeScript consumer's type check, the tarball's consumer test (node and an
# esbuild bundle) and the page's test in headless Chromium; the screenshot
# is build-web/demo.png.
#
# Usage: scripts/web.sh [--test]
# Environment: JOBS=n parallel build jobs (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."

run_tests=0
case "${1:-}" in
  --test) run_tests=1 ;;
  "") ;;
  *) echo "usage: scripts/web.sh [--test]" >&2; exit 2 ;;
esac
jobs="${JOBS:-2}"
out="build-web"
started=$SECONDS
step() { echo "== web: $* ($((SECONDS - started)) s)"; }

step "packages"
scripts/deps.sh --no-recommends emscripten nodejs node-acorn chromium
# Debian's JavaScript modules: emscripten's optimiser needs acorn.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
# npm ci again only when the lockfile changed since the last one.
lock_sum="$(sha256sum web/package-lock.json | cut -d' ' -f1)"
if [ "$(cat web/node_modules/.tolmer-lock 2>/dev/null)" != "$lock_sum" ]; then
  (cd web && npm ci --prefer-offline --no-audit --no-fund --loglevel=error)
  echo "$lock_sum" >web/node_modules/.tolmer-lock
fi

step "C++ interface (emcmake)"
mkdir -p "$out"
emcmake cmake -S . -B "$out/lib" -DCMAKE_BUILD_TYPE=Release -DTOLMER_BUILD_TESTS=OFF \
  -DTOLMER_BUILD_BENCH=OFF -DTOLMER_WASM_NATIVE_EXCEPTIONS=ON >"$out/lib.log" 2>&1 || { tail -n 30 "$out/lib.log"; exit 1; }
cmake --build "$out/lib" --target tolmercpp -j"$jobs" >>"$out/lib.log" 2>&1 ||
  { tail -n 30 "$out/lib.log"; exit 1; }

step "WebAssembly module"
package="$out/package"
rm -rf "$package"
mkdir -p "$package/dist"
# The floating-point flags are the library's (cmake/floating-point.cmake);
# WebAssembly's exceptions, as the library's objects were compiled.
em++ -std=c++20 -O2 -ffp-contract=off -fno-fast-math -Wall -Wextra \
  -fwasm-exceptions -Iinclude -Isrc \
  web/src/bindings.cpp "$out/lib/libtolmercpp.a" -o "$package/dist/tolmer_wasm.js" \
  -sMODULARIZE -sEXPORT_ES6 -sSINGLE_FILE -sENVIRONMENT=web,worker \
  -sEXPORT_NAME=createTolmerModule -sALLOW_MEMORY_GROWTH=1 -sFILESYSTEM=0 \
  -sDYNAMIC_EXECUTION=0 -sINCOMING_MODULE_JS_API=[]

step "TypeScript wrapper and package"
web/node_modules/.bin/tsc -p web --outDir "$package/dist"
# The package's manifest: web/package.json without the development tools.
node -e '
const fs = require("fs");
const p = JSON.parse(fs.readFileSync("web/package.json", "utf8"));
delete p.devDependencies; delete p.scripts;
fs.writeFileSync(process.argv[1], JSON.stringify(p, null, 2) + "\n");
' "$package/package.json"
cp web/README.md "$package/README.md"
rm -f "$out"/tolmer-*.tgz
tarball="$(cd "$package" && npm pack --pack-destination .. --loglevel=error)"
echo "package: $out/$tarball"
node -e '
const fs = require("fs"), zlib = require("zlib");
for (const f of process.argv.slice(1)) {
  const b = fs.readFileSync(f);
  console.log(`${f}: ${b.length} bytes, ${zlib.gzipSync(b, { level: 9 }).length} gzipped`);
}' "$package/dist/tolmer_wasm.js" "$package/dist/index.js" "$out/$tarball"

step "demo page"
rm -rf "$out/demo"
mkdir -p "$out/demo/tolmer"
cp web/demo/* "$out/demo/"
cp "$package/dist/index.js" "$package/dist/tolmer_wasm.js" "$out/demo/tolmer/"

if ((run_tests)); then
  step "package tests (node --test)"
  node --test web/test/api.test.mjs web/test/table.test.mjs
  step "TypeScript consumer (tsc --noEmit)"
  web/node_modules/.bin/tsc -p web/consumer --noEmit
  step "tarball consumer (npm install, node, esbuild bundle)"
  node --test web/test/consumer.test.mjs
  step "demo page in Chromium"
  node --test web/test/browser.test.mjs
fi
step "done"
