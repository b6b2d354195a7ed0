// The packed tarball as a user gets it: installed into an empty project,
// imported in node, and bundled with esbuild, the bundle run in node.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, writeFileSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';

const buildDir = fileURLToPath(new URL('../../build-web/', import.meta.url));
const tarballs = readdirSync(buildDir).filter((f) => /^tolmer-.*\.tgz$/.test(f));

// The program a user would write; prints what it read and formatted.
const program = `
import { parseLength, formatLength, paperSizes } from 'tolmer';
const r = parseLength("12' 6 1/2\\" zz");
console.log(JSON.stringify({
  inches: parseLength("12' 6 1/2\\"").inches,
  shown: formatLength(150.5, { format: 'feet-inches-dash-marks' }),
  error: r.error, at: r.at,
  papers: paperSizes().length > 0,
}));
`;
const expected = { inches: 150.5, shown: `12' - 6 1/2"`, error: 'UnknownText', at: [11, 13], papers: true };

test('the tarball installs into an empty project and works in node and in an esbuild bundle', async (t) => {
  assert.equal(tarballs.length, 1, `one tarball in build-web: ${tarballs}`);
  const project = mkdtempSync(join(tmpdir(), 'tolmer-consumer-'));
  t.after(() => rmSync(project, { recursive: true, force: true }));
  writeFileSync(join(project, 'package.json'), JSON.stringify({ name: 'consumer', private: true, type: 'module' }));
  execFileSync('npm', ['install', '--no-audit', '--no-fund', '--offline', '--loglevel=error', join(buildDir, tarballs[0])],
    { cwd: project, stdio: 'pipe' });
  const installed = JSON.parse(readFileSync(join(project, 'node_modules/tolmer/package.json'), 'utf8'));
  assert.equal(installed.name, 'tolmer');
  assert.equal(installed.devDependencies, undefined);
  // What the package holds: the module, the wrapper and its types.
  assert.deepEqual(readdirSync(join(project, 'node_modules/tolmer/dist')).sort(),
    ['index.d.ts', 'index.js', 'tolmer_wasm.js']);

  writeFileSync(join(project, 'main.mjs'), program);
  const direct = execFileSync(process.execPath, ['main.mjs'], { cwd: project, encoding: 'utf8' });
  assert.deepEqual(JSON.parse(direct), expected);

  await esbuild.build({
    entryPoints: [join(project, 'main.mjs')], bundle: true, format: 'esm', platform: 'browser',
    target: 'es2022', outfile: join(project, 'bundle.mjs'), logLevel: 'error',
  });
  const bundled = execFileSync(process.execPath, ['bundle.mjs'], { cwd: project, encoding: 'utf8' });
  assert.deepEqual(JSON.parse(bundled), expected);
});
