// What the JavaScript layer adds to the C++ library: the module's start,
// argument and result conversion, errors as values, bad arguments as
// exceptions, UTF-16 positions of the bytes an error concerns.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import * as tolmer from '../../build-web/package/dist/index.js';
import { unitsAt } from './lengths-table.mjs';

const dist = new URL('../../build-web/package/dist/', import.meta.url);

test('the module starts on import in a fresh node process, with no node-only code', () => {
  const out = execFileSync(process.execPath, ['--input-type=module', '-e',
    `import { parseLength } from ${JSON.stringify(new URL('index.js', dist).href)};
     console.log(parseLength('1 ft').inches);`], { encoding: 'utf8' });
  assert.equal(out.trim(), '12');
  const module = readFileSync(new URL('tolmer_wasm.js', dist), 'utf8');
  assert.doesNotMatch(module, /\brequire\(|__dirname|\.wasm['"]/);
});

test('a bad entry is a value: error name, message, NaN inches, its place', () => {
  for (const entry of ['', '   ', 'zz', '12 ft zz', '12 ft é']) {
    const r = tolmer.parseLength(entry);
    assert.equal(typeof r.error, 'string', entry);
    assert.ok(r.message.length > 0, entry);
    assert.ok(Number.isNaN(r.inches), entry);
    assert.ok(Array.isArray(r.at) && r.at[0] <= r.at[1] && r.at[1] <= entry.length, entry);
  }
  const ok = tolmer.parseLength(`12' 6 1/2"`);
  assert.deepEqual(ok, { inches: 150.5, error: null, message: '', at: null, unread: [] });
});

test('error positions are UTF-16 code units of the JavaScript string', () => {
  // Multi-byte characters (2, 3 and 4 bytes in UTF-8; the last two UTF-16
  // units) before the part in error.
  for (const [entry, part] of [['12 ft é', 'é'], [`12' 6" 😀`, '😀'], ['12′ 6½″ zz', 'zz'],
    ['12′ 6½″ 1 ft', 'ft'], ['𝟏𝟐 ft', null], [`12 ft é 😀 zz`, null]]) {
    const r = tolmer.parseLength(entry);
    assert.ok(r.at, entry);
    const [s, e] = r.at;
    if (part) assert.equal(entry.slice(s, e), part, entry);
    // Both ends fall on character boundaries of the string.
    assert.doesNotThrow(() => unitsAt(entry, Buffer.byteLength(entry.slice(0, s))));
    assert.ok(!(entry.charCodeAt(e - 1) >= 0xd800 && entry.charCodeAt(e - 1) < 0xdc00), entry);
  }
});

test('lone surrogates and long entries cross into the module intact', () => {
  const r = tolmer.parseLength('12 ft \ud800');
  assert.equal(r.error, 'UnknownText');
  assert.deepEqual(r.at, [6, 7]);
  // An entry far larger than any before it: the argument buffer and the
  // memory grow, and the views of it follow.
  const long = `12 ft ${'é'.repeat(300000)}`;
  assert.deepEqual(tolmer.parseLength(long).at?.[0], 6);
  assert.equal(tolmer.parseLength(`3 ft`).inches, 36);
  // Growth inside calls that return only a number: the next text still
  // crosses intact.
  const longName = `  ${'x'.repeat(4000000)}`;
  assert.equal(tolmer.findPaper(longName), undefined);
  assert.equal(tolmer.isValidLibraryName(longName), false);
  assert.equal(tolmer.findPaper('generic legal')?.index, 1);
  assert.equal(tolmer.parseLength('1 yd').inches, 36);
});

test('options: the default unit of a bare number', () => {
  assert.equal(tolmer.parseLength('6', { defaultUnit: 'ft' }).inches, 72);
  assert.equal(tolmer.parseLength('254', { defaultUnit: 'mm' }).inches, 10);
  assert.throws(() => tolmer.parseLength('6', { defaultUnit: 'furlong' }), TypeError);
  assert.throws(() => tolmer.parseLength(6), TypeError);
});

test('formatLength: every format name, fraction modes, places', () => {
  const formats = [...tolmer.englishFormats, ...tolmer.metricFormats];
  assert.equal(formats.length, 21);
  const texts = formats.map((format) => tolmer.formatLength(150.5, { format }));
  assert.equal(new Set(texts).size, 21, texts.join(' | '));
  assert.equal(tolmer.formatLength(150.5), `12' 6 1/2"`);
  assert.equal(tolmer.formatLength(150.5, { format: 'inches-mark' }), `150 1/2"`);
  assert.equal(tolmer.formatLength(150.5, { format: 'feet-inches-marks', fraction: 'decimal', decimals: 2 }), `12' 6.5"`);
  assert.equal(tolmer.formatLength(150.2, { format: 'inches-mark', denominator: 2 }), `150"`);
  assert.match(tolmer.formatLength(tolmer.millimetersToInches(2500), { format: 'millimeters-short' }), /^2500 ?mm$/);
  assert.throws(() => tolmer.formatLength(1, { format: 'cubits' }), TypeError);
  assert.throws(() => tolmer.formatLength(1, { fraction: 'vulgar' }), TypeError);
  assert.throws(() => tolmer.formatLength(1, { denominator: 2.5 }), RangeError);
});

test('validateLength: verdicts as values, the selection in UTF-16 units, the echo in the display', () => {
  const ok = tolmer.validateLength('12 ft 6 in', { maximum: 1000, format: 'feet-inches-dash-marks' });
  assert.deepEqual(ok, { accepted: true, verdict: 'accepted', inches: 150, error: null, message: '',
    at: null, echo: `12' - 6"` });
  const twice = tolmer.validateLength('½ ft 9 ft', { maximum: 100 });
  assert.equal(twice.verdict, 'unreadable');
  assert.equal(twice.error, 'RepeatedUnit');
  const large = tolmer.validateLength('9′ 6½″', { maximum: 100 });
  assert.equal(large.verdict, 'too-large');
  assert.equal(large.inches, 114.5);
  assert.ok(large.message.length > 0);
  const small = tolmer.validateLength('1 mm', { minimum: 1 });
  assert.equal(small.verdict, 'too-small');
  const empty = tolmer.validateLength('  ');
  assert.equal(empty.verdict, 'empty');
  assert.ok(Number.isNaN(empty.inches));
  const entry = '12′ 6½″ zz';
  const unreadable = tolmer.validateLength(entry);
  assert.equal(unreadable.verdict, 'unreadable');
  assert.equal(unreadable.error, 'UnknownText');
  assert.equal(entry.slice(...unreadable.at), 'zz');
  // A bare number: an error unless the format shows none or the reading
  // options give its unit.
  assert.equal(tolmer.validateLength('6').verdict, 'unreadable');
  assert.equal(tolmer.validateLength('6', { format: 'inches-bare' }).inches, 6);
  assert.equal(tolmer.validateLength('6', { reading: { defaultUnit: 'ft' } }).inches, 72);
  assert.throws(() => tolmer.validateLength('6', { maximum: 'ten' }), TypeError);
});

test('unit conversions', () => {
  assert.equal(tolmer.inchesToMillimeters(1), 25.4);
  assert.equal(tolmer.millimetersToInches(25.4), 1);
  assert.equal(tolmer.convertLength(3, 'ft', 'yd'), 1);
  assert.equal(tolmer.convertLength(1, 'm', 'cm'), 100);
  assert.deepEqual(tolmer.units, ['yd', 'ft', 'in', 'm', 'dm', 'cm', 'mm']);
  assert.throws(() => tolmer.convertLength(1, 'ft', 'ell'), TypeError);
});

test('paper look-ups: records, by name, by size either way round', () => {
  const all = tolmer.paperSizes();
  assert.ok(all.length > 20);
  for (const p of all) {
    assert.ok(p.name.length > 0 && p.width > 0 && p.height > 0, p.name);
    assert.deepEqual(tolmer.paper(p.index), p);
  }
  const letter = all[0];
  assert.deepEqual(tolmer.findPaper(`  ${letter.name.toLowerCase()} `), letter);
  assert.equal(tolmer.findPaper('no such paper'), undefined);
  assert.deepEqual(tolmer.findPaperBySize(letter.width, letter.height)?.orientation, 'portrait');
  assert.deepEqual(tolmer.findPaperBySize(letter.height, letter.width)?.orientation, 'landscape');
  assert.equal(tolmer.paper(41), undefined);
  assert.equal(tolmer.paper(-1), undefined);
  assert.throws(() => tolmer.paper(1.5), RangeError);
});

test('scale look-ups: both tables, index of a pair, inches per foot', () => {
  for (const system of ['english', 'metric']) {
    const list = tolmer.scales(system);
    assert.equal(list.length, 13);
    list.forEach(({ numerator, denominator }, i) => {
      if (numerator > 0) assert.equal(tolmer.scaleIndex(system, numerator, denominator), i, `${system} ${i}`);
    });
  }
  assert.equal(tolmer.scaleIndex('metric', 7, 13), undefined);
  assert.equal(tolmer.inchesPerFoot(1, 4), 3);
  assert.throws(() => tolmer.scales('imperial'), TypeError);
});

test('catalog names: strings out, integers checked', () => {
  assert.equal(typeof tolmer.itemName(1, 1, 1), 'string');
  assert.equal(tolmer.libraryName(1, 2, 3), 'lib_1_2_3');
  assert.equal(tolmer.itemName(99999, 0, 0), '');
  assert.throws(() => tolmer.itemName(1.5, 1, 1), RangeError);
  assert.throws(() => tolmer.libraryName(2 ** 31, 1, 1), RangeError);
});

test('standard paper: the table, by name in any spelling, by size in either unit', () => {
  const all = tolmer.standardPapers();
  const a4 = all.find((p) => p.name === 'A4');
  assert.deepEqual(a4, { name: 'A4', series: 'iso-a', unit: 'mm', width: 210, height: 297 });
  assert.deepEqual(all.find((p) => p.name === 'ARCH E1'),
    { name: 'ARCH E1', series: 'arch', unit: 'in', width: 30, height: 42 });
  for (const name of ['A4', 'a4', ' a 4 ']) assert.deepEqual(tolmer.findStandardPaper(name), a4);
  for (const name of ['ARCH D', 'Arch-D', 'archd']) assert.equal(tolmer.findStandardPaper(name)?.name, 'ARCH D');
  assert.equal(tolmer.findStandardPaper('11x17')?.name, 'Tabloid');
  assert.equal(tolmer.findStandardPaper('no such paper'), undefined);
  const named = (list) => list.map((m) => `${m.paper.name} ${m.orientation}`);
  assert.deepEqual(named(tolmer.standardPapersOfSize(11, 17)), ['ANSI B portrait', 'Tabloid portrait', 'Ledger landscape']);
  assert.deepEqual(named(tolmer.standardPapersOfSize(297, 210, 'mm')), ['A4 landscape']);
  assert.deepEqual(named(tolmer.standardPapersOfSize(8.27, 11.69, 'in')), ['A4 portrait']);
  assert.deepEqual(tolmer.standardPapersOfSize(1, 1, 'in'), []);
  assert.throws(() => tolmer.standardPapersOfSize(1, 1, 'furlong'), TypeError);
});

test('scales: standard lists, the nearest, notations read and written', () => {
  assert.equal(tolmer.standardScales('metric').includes(50), true);
  assert.equal(tolmer.nearestStandardScale(0.0416), 24);
  assert.equal(tolmer.nearestStandardScale(1 / 49, 'metric'), 50);
  assert.equal(tolmer.nearestStandardScale(0, 'metric'), undefined);
  assert.throws(() => tolmer.standardScales('nautical'), TypeError);
  const quarter = tolmer.parseScale(`1/4"=1'-0"`);
  assert.equal(quarter.error, null);
  assert.equal(quarter.denominator / quarter.numerator, 48);
  assert.equal(quarter.ratio, 1 / 48);
  assert.deepEqual(tolmer.parseScale('1:50'), { numerator: 1, denominator: 50, ratio: 0.02, error: null, message: '', at: null });
  const zero = tolmer.parseScale('1:0');
  assert.equal(zero.error, 'ZeroDenominator');
  assert.ok(zero.message.length > 0);
  assert.ok(Number.isNaN(zero.ratio));
  // Positions count UTF-16 units of the text given: the same error after a
  // character of two units is two further on than after one of one unit.
  const plain = tolmer.parseScale(`x"=1'`);
  const wide = tolmer.parseScale(`😀"=1'`);
  assert.ok(plain.at && wide.at);
  assert.equal(wide.at[0], plain.at[0]);
  assert.equal(wide.at[1], plain.at[1] + 1);
  assert.equal(tolmer.formatScale(1, 48, 'inches-to-foot'), `1/4" = 1'-0"`);
  assert.equal(tolmer.formatScale(1, 48), '1:48');
  assert.throws(() => tolmer.formatScale(1, 48, 'roman'), TypeError);
});
