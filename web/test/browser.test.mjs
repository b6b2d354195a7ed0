// The demo page in headless Chromium (Debian's /usr/bin/chromium, driven by
// puppeteer-core): entries typed into the page and the rendered results
// read back; any console error, page error or failed request fails the
// test. Saves build-web/demo.png.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

const root = fileURLToPath(new URL('../../build-web/demo/', import.meta.url));
const screenshot = fileURLToPath(new URL('../../build-web/demo.png', import.meta.url));
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css' };

// A static file server for the page's own files, on 127.0.0.1.
function serve() {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    try {
      const body = readFileSync(join(root, path.endsWith('/') ? `${path}index.html` : path));
      response.writeHead(200, { 'content-type': types[extname(path) || '.html'] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

test('the demo page reads typed entries, shows every format and the look-ups', async (t) => {
  const server = await serve();
  const profile = mkdtempSync(join(tmpdir(), 'tolmer-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run'],
  });
  t.after(async () => {
    await browser.close();
    server.close();
    rmSync(profile, { recursive: true, force: true });
  });
  const problems = [];
  const page = await browser.newPage();
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  page.on('requestfailed', (r) => problems.push(`request failed: ${r.url()} ${r.failure()?.errorText}`));
  page.on('response', (r) => { if (r.status() >= 400) problems.push(`HTTP ${r.status()}: ${r.url()}`); });
  const requested = [];
  page.on('request', (r) => requested.push(r.url()));
  await page.setViewport({ width: 1000, height: 900 });
  const origin = `http://127.0.0.1:${server.address().port}`;
  await page.goto(`${origin}/`, { waitUntil: 'load' });
  await page.waitForSelector('body[data-ready="true"]', { timeout: 10000 });

  const typeEntry = async (entry) => {
    await page.click('#entry', { clickCount: 3 });
    await page.keyboard.press('Backspace');
    await page.keyboard.type(entry);
  };
  const text = (selector) => page.$eval(selector, (e) => e.textContent);
  const showsError = () => page.$eval('#result', (e) => e.classList.contains('error'));

  await typeEntry(`12' 6 1/2"`);
  assert.equal(await showsError(), false);
  assert.equal(await text('#inches'), '150.5');
  assert.equal(await text('#millimeters'), '3822.7');
  const formats = await page.$$eval('#formats tbody tr', (rows) => rows.map((r) => [r.dataset.format, r.cells[1].textContent]));
  assert.equal(formats.length, 21);
  assert.deepEqual(formats.find(([f]) => f === 'feet-inches-dash-marks'), ['feet-inches-dash-marks', `12' - 6 1/2"`]);
  assert.ok(formats.every(([, shown]) => shown.length > 0), JSON.stringify(formats));

  await typeEntry('254 mm');
  assert.equal(await text('#inches'), '10');

  // An error after characters of several UTF-16 units: the marked part is
  // the one in error.
  await typeEntry(`12' 6" 😀`);
  assert.equal(await showsError(), true);
  assert.equal(await text('#highlight mark'), '😀');
  assert.equal(await text('#error'), 'UnknownText');
  assert.ok((await text('#message')).length > 0);

  // Paper and scale look-ups.
  await page.click('#paper-name', { clickCount: 3 });
  await page.keyboard.type('generic legal');
  assert.match(await text('#paper-found'), /Generic Legal: 8\.5 × 14 in/);
  assert.equal(await page.$$eval('#papers tr.found', (rows) => rows.length), 1);
  assert.ok(await page.$$eval('#papers tbody tr', (rows) => rows.length) > 20);
  // Standard paper by name and by size.
  assert.equal(await text('#standard-found'), 'A4: 210 × 297 mm (8.27 × 11.69 in)');
  await page.click('#standard-name', { clickCount: 3 });
  await page.keyboard.type('arch-d');
  assert.equal(await text('#standard-found'), 'ARCH D: 24 × 36 in (609.6 × 914.4 mm)');
  assert.deepEqual(await page.$$eval('#size-found li', (items) => items.map((i) => i.textContent.split(':')[0])),
    ['ANSI B', 'Tabloid', 'Ledger (turned)']);
  // A scale as written, and one the page cannot read.
  assert.match(await text('#notation-found'), /^1:48 · 1\/4" = 1'-0" · nearest architectural scale 1:48/);
  await page.click('#scale-notation', { clickCount: 3 });
  await page.keyboard.type('1:0');
  assert.equal(await page.$eval('#notation-found', (e) => e.classList.contains('error')), true);
  assert.ok((await text('#notation-found')).length > 0);
  await page.click('#scale-input', { clickCount: 3 });
  await page.keyboard.type('95');
  assert.equal(await text('#scale-found'), '1 : 100');

  await typeEntry(`12' 6 1/2" zz`);
  await page.screenshot({ path: screenshot, fullPage: true });
  assert.deepEqual(problems, []);
  // Only the page's own files (and the WebAssembly inlined in the module,
  // read as a data: URL).
  const outside = requested.filter((url) => !url.startsWith(`${origin}/`) && !url.startsWith('data:application/octet-stream;base64,'));
  assert.deepEqual(outside, []);
});
