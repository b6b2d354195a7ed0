// The demo page: reads the entry as it is typed, shows every display format
// and the paper and scale tables, with the package's own module.
import * as tolmer from './tolmer/index.js';

const $ = (id) => document.getElementById(id);
const cell = (row, text) => row.insertCell().append(String(text));
const round = (x, places) => String(Number(x.toFixed(places)));

function readEntry() {
  const text = $('entry').value;
  const options = { decimalComma: $('decimal-comma').checked, lenient: $('lenient').checked };
  if ($('default-unit').value) options.defaultUnit = $('default-unit').value;
  const r = tolmer.parseLength(text, options);
  $('result').classList.toggle('error', r.error !== null);
  if (r.error === null) {
    $('inches').textContent = String(r.inches);
    $('millimeters').textContent = String(tolmer.inchesToMillimeters(r.inches));
  } else {
    // The entry with the part in error marked ([start, end) in UTF-16 units,
    // as the string holds them); an empty part is marked by a space.
    const [start, end] = r.at;
    const mark = document.createElement('mark');
    mark.textContent = text.slice(start, end) || ' ';
    $('highlight').replaceChildren(text.slice(0, start), mark, text.slice(end));
    $('error').textContent = r.error;
    $('message').textContent = r.message;
  }
  // The formats show the last length read.
  if (r.error === null) shown = r.inches;
  showFormats();
}
let shown = 0;

function showFormats() {
  $('formats-of').textContent = `${shown} in`;
  const options = {
    fraction: $('fraction').value,
    denominator: Number($('denominator').value) || 16,
    decimals: Number($('decimals').value) || 0,
  };
  const body = $('formats').tBodies[0];
  body.replaceChildren();
  for (const format of [...tolmer.englishFormats, ...tolmer.metricFormats]) {
    const row = body.insertRow();
    row.dataset.format = format;
    cell(row, format);
    cell(row, tolmer.formatLength(shown, { ...options, format }));
  }
}

function showPapers() {
  const body = $('papers').tBodies[0];
  for (const p of tolmer.paperSizes()) {
    const row = body.insertRow();
    row.id = `paper-${p.index}`;
    cell(row, p.index);
    cell(row, p.name);
    cell(row, `${p.width} × ${p.height}`);
    cell(row, `${round(tolmer.inchesToMillimeters(p.width), 1)} × ${round(tolmer.inchesToMillimeters(p.height), 1)}`);
    const m = p.margins;
    cell(row, `${m.top} ${m.bottom} ${m.left} ${m.right}`);
  }
}

function findPaper() {
  const p = tolmer.findPaper($('paper-name').value);
  for (const row of $('papers').tBodies[0].rows) row.classList.toggle('found', row.id === `paper-${p?.index}`);
  $('paper-found').textContent = p ? `#${p.index} ${p.name}: ${p.width} × ${p.height} in` : 'no such paper';
}

// A standard paper's size in its own unit, then in the other.
function paperSize(p) {
  const other = p.unit === 'mm' ? 'in' : 'mm';
  const w = round(tolmer.convertLength(p.width, p.unit, other), other === 'mm' ? 1 : 2);
  const h = round(tolmer.convertLength(p.height, p.unit, other), other === 'mm' ? 1 : 2);
  return `${p.width} × ${p.height} ${p.unit} (${w} × ${h} ${other})`;
}

function findStandardPaper() {
  const p = tolmer.findStandardPaper($('standard-name').value);
  $('standard-found').textContent = p ? `${p.name}: ${paperSize(p)}` : 'no such paper';
}

function findPapersOfSize() {
  const width = Number($('size-width').value);
  const height = Number($('size-height').value);
  const list = $('size-found');
  list.replaceChildren();
  const matches = tolmer.standardPapersOfSize(width, height, $('size-unit').value);
  for (const m of matches) {
    const item = document.createElement('li');
    item.textContent = `${m.paper.name}${m.orientation === 'landscape' ? ' (turned)' : ''}: ${paperSize(m.paper)}`;
    list.append(item);
  }
  if (matches.length === 0) {
    const item = document.createElement('li');
    item.textContent = 'no standard paper of that size';
    list.append(item);
  }
}

function readScale() {
  const s = tolmer.parseScale($('scale-notation').value);
  const out = $('notation-found');
  out.classList.toggle('error', s.error !== null);
  if (s.error) {
    out.textContent = s.message;
    return;
  }
  const nearest = tolmer.nearestStandardScale(s.ratio, 'architectural');
  out.textContent = `${tolmer.formatScale(s.numerator, s.denominator, 'colon')} · ` +
    `${tolmer.formatScale(s.numerator, s.denominator, 'inches-to-foot')} · ` +
    `nearest architectural scale 1:${nearest ?? '–'}, metric 1:${tolmer.nearestStandardScale(s.ratio, 'metric') ?? '–'}`;
}

function showScales() {
  const english = tolmer.scales('english');
  const metric = tolmer.scales('metric');
  const body = $('scale-table').tBodies[0];
  english.forEach((e, i) => {
    if (e.numerator === 0 && metric[i].numerator === 0) return;  // an unused entry
    const row = body.insertRow();
    row.id = `scale-${i}`;
    cell(row, i);
    cell(row, `${e.numerator} : ${e.denominator}`);
    cell(row, tolmer.inchesPerFoot(e.numerator, e.denominator));
    cell(row, `${metric[i].numerator} : ${metric[i].denominator}`);
  });
}

function findScale() {
  const wanted = Number($('scale-input').value);
  const denominator = tolmer.nearestScale('metric', 1 / wanted);
  const index = tolmer.scaleIndex('metric', 1, denominator);
  for (const row of $('scale-table').tBodies[0].rows) row.classList.toggle('found', row.id === `scale-${index}`);
  $('scale-found').textContent = `1 : ${denominator}`;
}

for (const id of ['entry', 'default-unit', 'decimal-comma', 'lenient', 'fraction', 'denominator', 'decimals']) {
  $(id).addEventListener('input', readEntry);
}
$('paper-name').addEventListener('input', findPaper);
$('standard-name').addEventListener('input', findStandardPaper);
for (const id of ['size-width', 'size-height', 'size-unit']) $(id).addEventListener('input', findPapersOfSize);
$('scale-notation').addEventListener('input', readScale);
$('scale-input').addEventListener('input', findScale);
showPapers();
showScales();
readEntry();
findPaper();
findStandardPaper();
findPapersOfSize();
readScale();
findScale();
document.body.dataset.ready = 'true';
