// A TypeScript program using the package, checked by `tsc --noEmit`
// against the .d.ts that the package ships: the option unions and the
// result types as a user sees them.
import {
  parseLength, formatLength, validateLength, convertLength, findPaper, scales,
  findStandardPaper, standardPapersOfSize, parseScale, formatScale, nearestStandardScale,
  type StandardPaper, type ScaleResult, type LengthFormat, type ParseResult, type ParseErrorName, type Unit,
} from 'tolmer';

const lines: string[] = [];
const entry: string = `12' 6 1/2"`;
const reading: ParseResult = parseLength(entry, { defaultUnit: 'in', lenient: false });
if (reading.error !== null) {
  const name: ParseErrorName = reading.error;
  const [start, end]: [number, number] = reading.at ?? [0, 0];
  lines.push(`${name}: ${reading.message} (${entry.slice(start, end)})`);
} else {
  const formats: LengthFormat[] = ['feet-inches-dash-marks', 'millimeters-short'];
  for (const format of formats) lines.push(formatLength(reading.inches, { format, fraction: 'fraction', denominator: 32 }));
}
const unit: Unit = 'mm';
const mm: number = convertLength(1, 'in', unit);
const checked = validateLength('7 ft', { maximum: 96, format: 'inches-mark', reading: { decimalComma: true } });
const verdict: 'accepted' | 'empty' | 'unreadable' | 'too-small' | 'too-large' = checked.verdict;
const shown: string = checked.accepted ? checked.echo : checked.message;
const letterWidth: number | undefined = findPaper('Generic Letter')?.width;
const firstScale: number = scales('english')[0].denominator;
export const summary: [string[], number, string, string, number | undefined, number] =
  [lines, mm, verdict, shown, letterWidth, firstScale];

// @ts-expect-error: not a display format
formatLength(1, { format: 'cubits' });
// @ts-expect-error: not a fraction mode
formatLength(1, { fraction: 'vulgar' });
// @ts-expect-error: not a unit
parseLength('6', { defaultUnit: 'furlong' });
const a4: StandardPaper | undefined = findStandardPaper('a4');
const tabloidMatches: number = standardPapersOfSize(11, 17, 'in').length;
const scale: ScaleResult = parseScale(`1/4"=1'-0"`);
const written: string = formatScale(scale.numerator, scale.denominator, 'inches-to-foot');
const nearest: number | undefined = nearestStandardScale(scale.ratio, 'metric');
export const lookups: [string | undefined, number, string, number | undefined] = [a4?.unit, tabloidMatches, written, nearest];
// @ts-expect-error: not a scale notation
formatScale(1, 48, 'roman');
// @ts-expect-error: not a scale family
nearestStandardScale(0.02, 'nautical');
