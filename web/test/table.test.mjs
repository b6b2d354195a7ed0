// Every entry of the shared table (tests/data/lengths.tsv) through the
// JavaScript API: the same length to the bit, or the same error with its
// bytes turned into the string's UTF-16 positions.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync } from 'node:fs';
import { parseLength } from '../../build-web/package/dist/index.js';
import { readTable, unitsAt } from './lengths-table.mjs';

const rows = readTable();
// The table describes tolmer::parse_length; a build without it reads with
// the older reader, which the table does not describe.
const hasParseLength = existsSync(new URL('../../include/tolmer/reading.h', import.meta.url));

test('the table has entries of every kind', () => {
  assert.ok(rows.length > 400);
  assert.ok(rows.some((r) => r.error) && rows.some((r) => r.unread.length));
  assert.ok(rows.some((r) => r.entry && /[^\x00-\x7f]/.test(r.entry) && r.error));
});

test('every entry of the table reads as the table says', { skip: !hasParseLength && 'no tolmer::parse_length in this tree' }, () => {
  let checked = 0;
  for (const row of rows) {
    if (row.entry === null) continue;  // raw bytes that are not UTF-8
    const where = `lengths.tsv:${row.line} ${JSON.stringify(row.source)}`;
    const r = parseLength(row.entry, row.options);
    if (row.error) {
      assert.equal(r.error, row.error, where);
      assert.ok(Number.isNaN(r.inches), where);
      assert.ok(r.message.length > 0, where);
      assert.deepEqual(r.at, row.bytes.map((b) => unitsAt(row.entry, b)), where);
    } else {
      assert.equal(r.error, null, `${where}: ${r.error} ${r.message}`);
      assert.ok(Object.is(r.inches, row.inches), `${where}: ${r.inches} != ${row.inches}`);
      assert.equal(r.at, null, where);
    }
    assert.deepEqual(r.unread, row.unread.map(([b, e]) => [unitsAt(row.entry, b), unitsAt(row.entry, e)]), where);
    ++checked;
  }
  assert.ok(checked > 400);
});
