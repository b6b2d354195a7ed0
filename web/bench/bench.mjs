// Benchmark (not a test): the entries of the shared table
// (tests/data/lengths.tsv) without options, read many times by this package
// and by npm parsers a web developer might pick instead, used as their
// documentation shows. For each: the time per entry, the lengths read to
// the table's value and the bad entries refused.
//
//   node web/bench/bench.mjs [seconds per parser, default 1]
//
// Peers: footinch (parse.F gives feet), js-quantities (Qty(text).to('in')),
// mathjs (unit(text).toNumber('inch')). A peer's answer counts as right
// when it is within 1e-9 of the table's value (relative), as refused when
// it throws, returns null or NaN.
import { createRequire } from 'node:module';
import { readTable } from '../test/lengths-table.mjs';
import { parseLength } from '../../build-web/package/dist/index.js';

const require = createRequire(import.meta.url);
const footinch = require('footinch');
const Qty = require('js-quantities');
const { unit: mathUnit } = await import('mathjs');

const seconds = Number(process.argv[2] ?? 1);
const rows = readTable().filter((r) => r.entry !== null && Object.keys(r.options).length === 0);
const lengths = rows.filter((r) => r.error === undefined);
const errors = rows.filter((r) => r.error !== undefined);

// Each parser: text -> inches, or NaN for a refusal.
const parsers = {
  tolmer: (t) => parseLength(t).inches,
  footinch: (t) => footinch.parse.F(t) * 12,
  'js-quantities': (t) => {
    const q = Qty.parse(t);
    return q === null ? NaN : q.to('in').scalar;
  },
  mathjs: (t) => {
    try { return mathUnit(t).toNumber('inch'); } catch { return NaN; }
  },
};
const attempt = (parse, text) => {
  try { const v = parse(text); return typeof v === 'number' ? v : NaN; } catch { return NaN; }
};
const close = (a, b) => a === b || Math.abs(a - b) <= 1e-9 * Math.max(Math.abs(a), Math.abs(b));

const texts = rows.map((r) => r.entry);
const results = [];
for (const [name, parse] of Object.entries(parsers)) {
  const right = lengths.filter((r) => close(attempt(parse, r.entry), r.inches)).length;
  const exact = lengths.filter((r) => Object.is(attempt(parse, r.entry), r.inches)).length;
  const refused = errors.filter((r) => Number.isNaN(attempt(parse, r.entry))).length;
  // Warm up, then as many rounds of every entry as fit in the time.
  let sink = 0;
  for (let i = 0; i < 3; ++i) for (const t of texts) sink += attempt(parse, t) || 0;
  let rounds = 0;
  const start = process.hrtime.bigint();
  const until = start + BigInt(Math.round(seconds * 1e9));
  let now = start;
  while (now < until) {
    for (const t of texts) sink += attempt(parse, t) || 0;
    ++rounds;
    now = process.hrtime.bigint();
  }
  const ns = Number(now - start) / (rounds * texts.length);
  results.push({ name, ns, right, exact, refused, sink });
}

console.log(`${rows.length} entries (${lengths.length} lengths, ${errors.length} bad entries), node ${process.version}`);
console.log('| parser | ns per entry | lengths right | of them exact | bad entries refused |');
console.log('|---|---:|---:|---:|---:|');
for (const r of results) {
  console.log(`| ${r.name} | ${r.ns.toFixed(0)} | ${r.right} / ${lengths.length} | ${r.exact} | ${r.refused} / ${errors.length} |`);
}
