// The table of typed lengths shared with the C++ tests
// (tests/data/lengths.tsv; its header comment gives the format), read for
// the JavaScript tests and the benchmark.
import { readFileSync } from 'node:fs';

export const tablePath = new URL('../../tests/data/lengths.tsv', import.meta.url);

const units = { yd: 'yd', ft: 'ft', in: 'in', m: 'm', dm: 'dm', cm: 'cm', mm: 'mm' };

// The entry's text with its escapes resolved; null for an entry holding raw
// bytes (\xHH) that are not UTF-8: a JavaScript string cannot carry them.
function unescape(field) {
  if (/\\x[0-9A-Fa-f]{2}/.test(field)) return null;
  return field.replace(/\\(t|\\|u[0-9A-Fa-f]{4})/g, (_, e) =>
    e === 't' ? '\t' : e === '\\' ? '\\' : String.fromCharCode(parseInt(e.slice(1), 16)));
}

function parseOptions(field, line) {
  const options = {};
  if (field === '-') return options;
  for (const item of field.split(',')) {
    if (item === 'decimal_comma') options.decimalComma = true;
    else if (item === 'lenient') options.lenient = true;
    else if (item.startsWith('unit=') && units[item.slice(5)]) options.defaultUnit = units[item.slice(5)];
    else throw new Error(`lengths.tsv:${line}: unknown option ${item}`);
  }
  return options;
}

const ranges = (field) => (field ?? '').split(',').filter(Boolean).map((r) => r.split('-').map(Number));

// Rows: { line, source, entry, options, inches | error+bytes, unread }.
export function readTable() {
  const rows = [];
  readFileSync(tablePath, 'utf8').split('\n').forEach((text, i) => {
    if (text === '' || text.startsWith('#')) return;
    const line = i + 1;
    const fields = text.split('\t');
    if (fields.length < 3) throw new Error(`lengths.tsv:${line}: ${fields.length} fields`);
    const [source, options, expected, unread] = fields;
    const row = { line, source, entry: unescape(source), options: parseOptions(options, line),
      unread: ranges(unread) };
    const error = /^error:(\w+)@(\d+)-(\d+)$/.exec(expected);
    if (error) {
      row.error = error[1];
      row.bytes = [Number(error[2]), Number(error[3])];
    } else {
      row.inches = Number(expected);
      if (!Number.isFinite(row.inches)) throw new Error(`lengths.tsv:${line}: expected ${expected}`);
    }
    rows.push(row);
  });
  return rows;
}

// A reference conversion of UTF-8 byte offsets to UTF-16 code units, by
// measuring prefixes (slow and plain): the unit index whose prefix has
// exactly `offset` bytes.
export function unitsAt(text, offset) {
  for (let i = 0; i <= text.length; ++i) {
    if (Buffer.byteLength(text.slice(0, i)) === offset) return i;
  }
  throw new Error(`no character boundary at byte ${offset} of ${JSON.stringify(text)}`);
}
