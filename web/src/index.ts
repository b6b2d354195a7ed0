// tolmer: architectural lengths in JavaScript. Reading what people type
// ("12' 6 1/2\"", "2,500 mm"), display text in 21 formats, unit conversions,
// standard paper sizes and drawing scales by what people call them, the
// classic paper and drawing-scale tables and the symbol catalog's names.
//
// The computations are the C++ library's, compiled to WebAssembly and
// inlined in this module; the module starts it once, when it is imported
// (top-level await). Every function is synchronous. A bad entry is a value
// (`error` set), never an exception; a bad argument (an unknown format name,
// a catalog number that is not an integer) is a TypeError or RangeError.
import createTolmerModule from './tolmer_wasm.js';

const wasm = await createTolmerModule();
const encoder = new TextEncoder();
const decoder = new TextDecoder();

// ---- memory access. The memory may grow during any call that allocates:
// refresh() after such a call renews the views when its buffer changed.
// Records are aligned to their fields (wasm32: 4 bytes, doubles 8).
let bytes = wasm.HEAPU8;
// The argument buffer in the module's memory, and a view of it.
let input = 0;
let inputRoom = 0;
let inputView = bytes.subarray(0, 0);
let words = new Uint32Array(bytes.buffer);
let doubles = new Float64Array(bytes.buffer);
let singles = new Float32Array(bytes.buffer);
function refresh(): void {
  // Growth detaches the old buffer: its views then have no elements.
  if (bytes.length !== 0) return;
  bytes = wasm.HEAPU8;
  inputView = bytes.subarray(input, input + inputRoom);
  words = new Uint32Array(bytes.buffer);
  doubles = new Float64Array(bytes.buffer);
  singles = new Float32Array(bytes.buffer);
}
// The record a call returned, with the views renewed.
const record = (at: number): number => { refresh(); return at; };
const u32 = (at: number): number => words[at >>> 2];
const i32 = (at: number): number => words[at >>> 2] | 0;
const f64 = (at: number): number => doubles[at >>> 3];
const f32 = (at: number): number => shortest(singles[at >>> 2]);
// A single-precision result as the shortest decimal that reads back as the
// same single: 46.81, not 46.810001373291016.
function shortest(x: number): number {
  if (!Number.isFinite(x)) return x;
  for (let digits = 1; digits < 9; ++digits) {
    const y = Number(x.toPrecision(digits));
    if (Math.fround(y) === x) return y;
  }
  return x;
}
// A {pointer, length} pair of UTF-8 bytes at `at`, as a string.
function readText(at: number): string {
  const length = u32(at + 4);
  if (length === 0) return '';
  const start = u32(at);
  return decoder.decode(bytes.subarray(start, start + length));
}
// Writes `s` as UTF-8 into the argument buffer (renewed only when it is too
// small); its length in bytes.
function put(s: string): number {
  if (typeof s !== 'string') throw new TypeError(`expected a string, got ${typeof s}`);
  const room = s.length * 3;
  if (room > inputRoom) {
    inputRoom = Math.max(room, 256);
    input = wasm._tw_input(inputRoom);
    refresh();
    inputView = bytes.subarray(input, input + inputRoom);
  }
  refresh();  // after any call: even one that returns a number may have grown the memory
  return encoder.encodeInto(s, inputView).written;
}

// ---- UTF-8 byte offsets to UTF-16 code units
// The UTF-16 index in `s` where its UTF-8 encoding reaches byte `offset`; an
// offset inside a character gives that character's start (or, with `up`,
// its end). encodeInto writes a lone surrogate as U+FFFD, three bytes.
function utf16Offset(s: string, offset: number, up: boolean): number {
  let unit = 0;
  let byte = 0;
  while (unit < s.length && byte < offset) {
    const c = s.charCodeAt(unit);
    let size = 3;
    let units = 1;
    if (c < 0x80) size = 1;
    else if (c < 0x800) size = 2;
    else if (c >= 0xd800 && c < 0xdc00 && unit + 1 < s.length) {
      const next = s.charCodeAt(unit + 1);
      if (next >= 0xdc00 && next < 0xe000) { size = 4; units = 2; }
    }
    if (!up && byte + size > offset) break;
    byte += size;
    unit += units;
  }
  return unit;
}
// Bytes [begin, end) of `s` as UTF-16 code units (`ascii`: one byte a unit).
function span(s: string, ascii: boolean, begin: number, end: number): [number, number] {
  if (ascii) return [begin, end];
  return [utf16Offset(s, begin, false), utf16Offset(s, end, true)];
}

// ---- units
/** Units of length: yards, feet, inches, metres, decimetres, centimetres, millimetres. */
export type Unit = 'yd' | 'ft' | 'in' | 'm' | 'dm' | 'cm' | 'mm';
export const units: readonly Unit[] = ['yd', 'ft', 'in', 'm', 'dm', 'cm', 'mm'];
function unitCode(unit: Unit): number {
  const code = units.indexOf(unit);
  if (code < 0) throw new TypeError(`unknown unit ${String(unit)}`);
  return code;
}
/** `value` in unit `from`, converted to unit `to` (one inch is exactly 25.4 mm). */
export function convertLength(value: number, from: Unit, to: Unit): number {
  return wasm._tw_convert(value, unitCode(from), unitCode(to));
}
export const inchesToMillimeters = (inches: number): number => convertLength(inches, 'in', 'mm');
export const millimetersToInches = (mm: number): number => convertLength(mm, 'mm', 'in');

// ---- reading
/** Why an entry is not a length. */
export type ParseErrorName =
  | 'Empty' | 'InvalidUtf8' | 'UnknownText' | 'MissingNumber' | 'MissingUnit'
  | 'AmbiguousAfterMeters' | 'MalformedNumber' | 'ZeroDenominator' | 'OutOfRange'
  | 'BadGrouping' | 'MisplacedDash' | 'MisplacedSign' | 'RepeatedUnit' | 'UnitOrder'
  | 'MixedSystems';
export interface ParseOptions {
  /** The unit of a bare number; without it a bare number is an error. */
  defaultUnit?: Unit;
  /** The comma is the decimal mark; a period or a space groups digits. */
  decimalComma?: boolean;
  /** Text not understood is listed in `unread` instead of being an error. */
  lenient?: boolean;
}
export interface ParseResult {
  /** The length in inches; NaN when the entry is not a length. */
  inches: number;
  error: ParseErrorName | null;
  /** The message for people ('' when there is no error). */
  message: string;
  /** The part of the entry the error concerns: [start, end) in UTF-16 code units of `text`. */
  at: [number, number] | null;
  /** Lenient reading: the parts not understood, as [start, end) ranges. */
  unread: [number, number][];
}
/** Reads a length as people type it: "12'-6 1/2\"", "5 ft 3", "12′ 6½″", "2,500 mm". */
export function parseLength(text: string, options: ParseOptions = {}): ParseResult {
  const size = put(text);
  const flags = (options.decimalComma ? 1 : 0) | (options.lenient ? 2 : 0);
  const unit = options.defaultUnit === undefined ? -1 : unitCode(options.defaultUnit);
  const r = record(wasm._tw_parse(size, flags, unit));
  const ascii = size === text.length;
  const error = i32(r + 8);
  const unreadCount = u32(r + 40);
  const unread: [number, number][] = [];
  if (unreadCount > 0) {
    const list = u32(r + 36);
    for (let i = 0; i < unreadCount; ++i) {
      unread.push(span(text, ascii, u32(list + 8 * i), u32(list + 8 * i + 4)));
    }
  }
  if (error === 0) return { inches: f64(r), error: null, message: '', at: null, unread };
  return {
    inches: NaN,
    error: readText(r + 20) as ParseErrorName,
    message: readText(r + 28),
    at: span(text, ascii, u32(r + 12), u32(r + 16)),
    unread,
  };
}

// ---- display
export type EnglishFormat =
  | 'feet-inches-words' | 'feet-inches-abbreviated' | 'feet-inches-short'
  | 'decimal-feet-words' | 'decimal-feet-abbreviated' | 'decimal-feet-short'
  | 'feet-inches-marks' | 'feet-inches-dash-marks' | 'decimal-feet-mark'
  | 'inches-words' | 'inches-abbreviated' | 'inches-short' | 'inches-mark' | 'inches-bare';
export type MetricFormat =
  | 'meters-millimeters-words' | 'meters-millimeters-short' | 'decimal-meters-words'
  | 'decimal-meters-short' | 'millimeters-short' | 'millimeters-bare' | 'meters-centimeters-short';
/** A display format; its name says its system. */
export type LengthFormat = EnglishFormat | MetricFormat;
export const englishFormats: readonly EnglishFormat[] = [
  'feet-inches-words', 'feet-inches-abbreviated', 'feet-inches-short', 'decimal-feet-words',
  'decimal-feet-abbreviated', 'decimal-feet-short', 'feet-inches-marks', 'feet-inches-dash-marks',
  'decimal-feet-mark', 'inches-words', 'inches-abbreviated', 'inches-short', 'inches-mark',
  'inches-bare'];
export const metricFormats: readonly MetricFormat[] = [
  'meters-millimeters-words', 'meters-millimeters-short', 'decimal-meters-words',
  'decimal-meters-short', 'millimeters-short', 'millimeters-bare', 'meters-centimeters-short'];
/** The part of an inch as a common fraction or as decimals. */
export type FractionMode = 'fraction' | 'decimal';
export interface FormatOptions {
  /** Default 'feet-inches-marks' (12' 6 1/2"). */
  format?: LengthFormat;
  /** English formats with inches: default 'fraction'. */
  fraction?: FractionMode;
  /** The largest denominator of an inch fraction (default 16). */
  denominator?: number;
  /** The most decimal places of every other number (default 3). */
  decimals?: number;
}
function formatCode(format: LengthFormat): [system: number, code: number] {
  let code = (englishFormats as readonly string[]).indexOf(format);
  if (code >= 0) return [0, code];
  code = (metricFormats as readonly string[]).indexOf(format);
  if (code >= 0) return [1, code];
  throw new TypeError(`unknown format ${String(format)}`);
}
function fractionCode(fraction: FractionMode): number {
  if (fraction === 'fraction') return 0;
  if (fraction === 'decimal') return 1;
  throw new TypeError(`unknown fraction mode ${String(fraction)}`);
}
function int32(name: string, value: number): number {
  if (!Number.isInteger(value) || value < -2147483648 || value > 2147483647) {
    throw new RangeError(`${name} must be a 32-bit integer, got ${String(value)}`);
  }
  return value;
}
/** The display text of a length in inches ('' for one that cannot be shown). */
export function formatLength(inches: number, options: FormatOptions = {}): string {
  const [system, code] = formatCode(options.format ?? 'feet-inches-marks');
  const r = record(wasm._tw_format(Number(inches), system, code, fractionCode(options.fraction ?? 'fraction'),
    int32('denominator', options.denominator ?? 16), int32('decimals', options.decimals ?? 3)));
  return readText(r);
}

export interface ValidateOptions extends FormatOptions {
  /** The smallest length accepted, in inches (default: no limit). */
  minimum?: number;
  /** The largest length accepted, in inches (default: no limit). */
  maximum?: number;
  /**
   * How to read the entry; by default a bare number is read in the unit of
   * a format that shows none (inches-bare, millimeters-bare) and is an error
   * otherwise.
   */
  reading?: ParseOptions;
}
/** What became of an entry. */
export type Verdict = 'accepted' | 'empty' | 'unreadable' | 'too-small' | 'too-large';
const verdicts: readonly Verdict[] = ['accepted', 'empty', 'unreadable', 'too-small', 'too-large'];
export interface Validation {
  accepted: boolean;
  verdict: Verdict;
  /** The length in inches; NaN when none was read. */
  inches: number;
  /** With 'unreadable': why. */
  error: ParseErrorName | null;
  /** The message for people ('' when accepted); it shows the limits in the display. */
  message: string;
  /** The part of the entry to select: [start, end) in UTF-16 code units. */
  at: [number, number] | null;
  /** The accepted length as it should be shown in the field. */
  echo: string;
}
function limit(name: string, value: number | undefined): number {
  if (value === undefined) return NaN;
  if (typeof value !== 'number' || Number.isNaN(value)) throw new TypeError(`${name} must be a number`);
  return value;
}
/** Reads an entry and checks it against limits, with a message and the text to show back. */
export function validateLength(text: string, options: ValidateOptions = {}): Validation {
  const size = put(text);
  const [system, code] = formatCode(options.format ?? 'feet-inches-marks');
  const reading = options.reading;
  const flags = reading ? 4 | (reading.decimalComma ? 1 : 0) | (reading.lenient ? 2 : 0) : 0;
  const unit = reading?.defaultUnit === undefined ? -1 : unitCode(reading.defaultUnit);
  const r = record(wasm._tw_validate(size, limit('minimum', options.minimum), limit('maximum', options.maximum),
    system, code, fractionCode(options.fraction ?? 'fraction'),
    int32('denominator', options.denominator ?? 16), int32('decimals', options.decimals ?? 3), flags, unit));
  const verdict = verdicts[i32(r + 8)];
  const read = verdict === 'accepted' || verdict === 'too-small' || verdict === 'too-large';
  const ascii = size === text.length;
  return {
    accepted: verdict === 'accepted',
    verdict,
    inches: read ? f64(r) : NaN,
    error: i32(r + 12) === 0 ? null : readText(r + 44) as ParseErrorName,
    message: readText(r + 28),
    at: i32(r + 16) !== 0 ? span(text, ascii, u32(r + 20), u32(r + 24)) : null,
    echo: readText(r + 36),
  };
}

// ---- drawing scales
export type System = 'english' | 'metric';
const systemCode = (system: System): number => {
  if (system === 'english') return 0;
  if (system === 'metric') return 1;
  throw new TypeError(`unknown system ${String(system)}`);
};
export interface Scale { numerator: number; denominator: number }
/** The 13 entries of a system's drawing-scale table, numerator : denominator (an unused entry is 0 : 0). */
export function scales(system: System): Scale[] {
  const s = systemCode(system);
  const list: Scale[] = [];
  for (let i = 0; i <= 12; ++i) {
    list.push({ numerator: shortest(wasm._tw_scale_ratio(s, 0, i)),
      denominator: shortest(wasm._tw_scale_ratio(s, 1, i)) });
  }
  return list;
}
/** The index in scales(system) of numerator : denominator, or undefined. */
export function scaleIndex(system: System, numerator: number, denominator: number): number | undefined {
  const i = wasm._tw_scale_index(systemCode(system), numerator, denominator);
  return i < 0 ? undefined : i;
}
/** Inches of drawing per foot of the building at numerator : denominator. */
export const inchesPerFoot = (numerator: number, denominator: number): number =>
  shortest(wasm._tw_inches_per_foot(numerator, denominator));
/**
 * The denominator D of the standard scale 1 : D nearest `ratio` (0.0105
 * gives 100; halfway goes to the larger ratio); 0 for a ratio that is not
 * positive.
 */
export const nearestScale = (system: System, scale: number): number =>
  wasm._tw_nearest_scale(systemCode(system), scale);

// ---- standard scales and scale notations
/** Families of standard scales: architectural (1/4" = 1'-0"), engineering (1" = 20'), metric (1:50). */
export type ScaleFamily = 'architectural' | 'engineering' | 'metric';
const familyCode = (family: ScaleFamily): number => {
  const code = ['architectural', 'engineering', 'metric'].indexOf(family);
  if (code < 0) throw new TypeError(`unknown scale family ${String(family)}`);
  return code;
};
/** The denominators D of a family's standard scales 1 : D, largest drawing first. */
export function standardScales(family: ScaleFamily): number[] {
  const f = familyCode(family);
  const list: number[] = [];
  for (let i = 0, n = wasm._tw_standard_scale_count(f); i < n; ++i) list.push(wasm._tw_standard_scale(f, i));
  return list;
}
/**
 * The denominator D of the family's standard scale 1 : D nearest `ratio`
 * (0.0416 gives 24 among the architectural scales; halfway goes to the
 * larger drawing); undefined for a ratio that is not positive.
 */
export function nearestStandardScale(ratio: number, family: ScaleFamily = 'architectural'): number | undefined {
  const d = wasm._tw_nearest_standard_scale(familyCode(family), ratio);
  return d > 0 ? d : undefined;
}
/** Why a text is not a scale. */
export type ScaleErrorName =
  | 'Empty' | 'MalformedNumber' | 'ZeroDenominator' | 'NotPositive' | 'MissingLength' | 'BadLength';
export interface ScaleResult {
  /** The drawing length and the real length it stands for (1 : 48); NaN on error. */
  numerator: number;
  denominator: number;
  /** numerator / denominator; NaN on error. */
  ratio: number;
  error: ScaleErrorName | null;
  message: string;
  /** The part of the text the error concerns: [start, end) in UTF-16 code units. */
  at: [number, number] | null;
}
/** Reads a scale as people write it: "1:50", "1/48", "0.02", "1/4\"=1'-0\"", "1 in = 20 ft". */
export function parseScale(text: string): ScaleResult {
  const size = put(text);
  const r = record(wasm._tw_parse_scale(size));
  if (i32(r + 16) === 0) {
    const numerator = f64(r);
    const denominator = f64(r + 8);
    return { numerator, denominator, ratio: numerator / denominator, error: null, message: '', at: null };
  }
  return {
    numerator: NaN, denominator: NaN, ratio: NaN,
    error: readText(r + 32) as ScaleErrorName,
    message: readText(r + 40),
    at: span(text, size === text.length, u32(r + 20), u32(r + 24)),
  };
}
/** How a scale is written: 1:48, 1/48, 0.0208333, 1/4" = 1'-0", 1" = 4'. */
export type ScaleNotation = 'colon' | 'slash' | 'decimal' | 'inches-to-foot' | 'inch-to-feet';
const notations: readonly ScaleNotation[] = ['colon', 'slash', 'decimal', 'inches-to-foot', 'inch-to-feet'];
/** numerator : denominator written in a notation (default 'colon'). */
export function formatScale(numerator: number, denominator: number, notation: ScaleNotation = 'colon'): string {
  const code = notations.indexOf(notation);
  if (code < 0) throw new TypeError(`unknown scale notation ${String(notation)}`);
  return readText(record(wasm._tw_format_scale(numerator, denominator, code)));
}

// ---- standard paper sizes
export type PaperSeries = 'iso-a' | 'iso-b' | 'iso-c' | 'ansi' | 'arch' | 'north-american';
const paperSeries: readonly PaperSeries[] = ['iso-a', 'iso-b', 'iso-c', 'ansi', 'arch', 'north-american'];
export interface StandardPaper {
  /** As printed: "A4", "ANSI B", "ARCH E1", "Letter". */
  name: string;
  series: PaperSeries;
  /** The paper's own unit: millimetres for ISO, inches for the others. */
  unit: 'mm' | 'in';
  /** In `unit`, exact. */
  width: number;
  height: number;
}
function standardPaper(index: number): StandardPaper {
  const r = record(wasm._tw_standard_paper(index));
  return {
    name: readText(r + 16), series: paperSeries[i32(r + 24)] ?? 'iso-a',
    unit: units[i32(r + 28)] === 'mm' ? 'mm' : 'in', width: f64(r), height: f64(r + 8),
  };
}
/** Every standard paper size: ISO 216 A and B, ISO 269 C, ANSI A-E, ARCH A-E1, Letter, Legal, Tabloid, Ledger. */
export function standardPapers(): StandardPaper[] {
  const list: StandardPaper[] = [];
  for (let i = 0, n = wasm._tw_standard_paper_count(); i < n; ++i) list.push(standardPaper(i));
  return list;
}
/** The standard paper people call `name` ("A4", "a4", "ARCH D", "Arch-D", "11x17"), or undefined. */
export function findStandardPaper(name: string): StandardPaper | undefined {
  const i = wasm._tw_standard_paper_by_name(put(name));
  return i < 0 ? undefined : standardPaper(i);
}
/**
 * Every standard paper of that size within half a millimetre, as listed or
 * turned (11 x 17 in: ANSI B, Tabloid and Ledger turned).
 */
export function standardPapersOfSize(width: number, height: number, unit: Unit = 'in'):
  { paper: StandardPaper; orientation: 'portrait' | 'landscape' }[] {
  const n = wasm._tw_standard_papers_of_size(width, height, unitCode(unit));
  const matches: number[] = [];
  for (let i = 0; i < n; ++i) matches.push(wasm._tw_standard_match(i));
  return matches.map((m) => ({ paper: standardPaper(m >> 2), orientation: (m & 3) === 2 ? 'landscape' : 'portrait' }));
}

// ---- paper
export interface Paper {
  index: number;
  name: string;
  /** Inches. */
  width: number;
  height: number;
  margins: { top: number; bottom: number; left: number; right: number };
}
/** The paper record at `index`, or undefined outside the table. */
export function paper(index: number): Paper | undefined {
  const r = record(wasm._tw_paper(int32('index', index)));
  if (i32(r + 32) === 0) return undefined;
  return {
    index, name: readText(r + 24), width: f32(r), height: f32(r + 4),
    margins: { top: f32(r + 8), bottom: f32(r + 12), left: f32(r + 16), right: f32(r + 20) },
  };
}
/** Every paper record that has a name (the table keeps free records too). */
export function paperSizes(): Paper[] {
  const list: Paper[] = [];
  for (let i = 0, last = wasm._tw_paper_upper_bound(); i <= last; ++i) {
    const p = paper(i);
    if (p && p.name !== '') list.push(p);
  }
  return list;
}
/** The paper named `name` (case and spaces around it do not matter). */
export function findPaper(name: string): Paper | undefined {
  const i = wasm._tw_paper_by_name(put(name));
  return i < 0 ? undefined : paper(i);
}
/** The paper of that size, upright or turned (metric: millimetres). */
export function findPaperBySize(width: number, height: number, system: System = 'english'):
  { paper: Paper; orientation: 'portrait' | 'landscape' } | undefined {
  const m = wasm._tw_paper_by_size(systemCode(system), width, height);
  if (m < 0) return undefined;
  const found = paper(m >> 2);
  return found && { paper: found, orientation: (m & 3) === 2 ? 'landscape' : 'portrait' };
}

// ---- catalog names
export const categoryDescription = (category: number, subCategory: number): string =>
  readText(record(wasm._tw_category_description(int32('category', category), int32('subCategory', subCategory))));
export const itemName = (category: number, subCategory: number, itemType: number,
  { plural = false }: { plural?: boolean } = {}): string =>
  readText(record(wasm._tw_item_name(int32('category', category), int32('subCategory', subCategory),
    int32('itemType', itemType), plural ? 1 : 0)));
export const subItemName = (category: number, subCategory: number, itemType: number,
  subItemType: number): string =>
  readText(record(wasm._tw_sub_item_name(int32('category', category), int32('subCategory', subCategory),
    int32('itemType', itemType), int32('subItemType', subItemType))));
export const libraryName = (category: number, subCategory: number, itemType: number): string =>
  readText(record(wasm._tw_library_name(int32('category', category), int32('subCategory', subCategory),
    int32('itemType', itemType))));
export const isValidLibraryName = (name: string): boolean =>
  wasm._tw_is_valid_library_name(put(name)) !== 0;
export const wireTypeDescription = (type: number): string =>
  readText(record(wasm._tw_wire_type_description(int32('type', type))));
export const drawingToolDescription = (type: number): string =>
  readText(record(wasm._tw_drawing_tool_description(int32('type', type))));
