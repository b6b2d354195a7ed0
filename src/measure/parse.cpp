#include "measure/parse.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "frame/primitives.h"
#include "measure/fraction.h"
#include "measure/units.h"

namespace tolmer::inline v1 {

bool is_measurement_numeral(System system, char c) {
  if ((c >= '0' && c <= '9') || c == '.') return true;
  return system == System::English && (c == '/' || c == '\\');
}

std::string separate_measurements(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 2 + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (i + 1 == text.size()) break;
    const char a = text[i], b = text[i + 1];
    if (a != ' ' && b != ' ' &&
        is_measurement_numeral(System::English, a) != is_measurement_numeral(System::English, b)) {
      out += ' ';
    }
  }
  return out;
}

NumberInText read_measurement_value(System system, std::string_view text, int32_t position,
                                         bool backwards, int32_t start_before) {
  NumberInText reading;
  const int64_t p = position;
  const int64_t length = static_cast<int64_t>(text.size());
  if (!backwards && p > length) return reading;
  if (backwards && p < 1) return reading;

  // The stretch next to the position, trimmed; backwards it is reversed so
  // that it begins next to the position.
  std::string stretch(trim(backwards ? left(text, p) : (p >= 1 ? mid(text, p) : std::string_view())));
  if (backwards) std::reverse(stretch.begin(), stretch.end());
  if (stretch.empty()) return reading;

  // The fraction, cut out of the stretch.
  float fraction_value = 0;
  std::string fraction;
  if (std::optional<measure::FoundFraction> found = extract_fraction(stretch, backwards)) {
    fraction_value = found->value;
    fraction = std::move(found->fraction);
    stretch.assign(trim(found->remainder));
  }

  // The whole part: the numeral run next to the position, in reading order.
  std::size_t run = 0;
  while (run < stretch.size() && is_measurement_numeral(system, stretch[run])) ++run;
  std::string whole = stretch.substr(0, run);
  if (backwards) std::reverse(whole.begin(), whole.end());

  // The start: the last occurrence of the whole part found while the search
  // starts below position - 1 and the occurrence begins at or before it.
  int64_t start = start_before;
  for (int64_t k = 1; k < p - 1;) {
    const std::size_t at = tolmer::find(text, whole, k);
    if (at == 0 || static_cast<int64_t>(at) > p - 1) break;
    start = static_cast<int64_t>(at);
    reading.start = static_cast<int32_t>(start);
    k = start + 1;
  }

  // The end.
  int64_t end;
  if (!fraction.empty()) {
    end = static_cast<int64_t>(tolmer::find(text, fraction, start)) + static_cast<int64_t>(fraction.size()) - 1;
  } else {
    end = start + static_cast<int64_t>(whole.size()) - 1;
  }
  reading.end = static_cast<int32_t>(end);  // modular for a caller's start near the limit

  // With no fraction the sum is the whole part itself (a number text has no
  // sign here, so never -0), rounded once to a single either way.
  const double whole_value = text_to_number(whole);
  reading.value = fraction_value == 0
                      ? static_cast<float>(whole_value)
                      : static_cast<float>(static_cast<xreal>(fraction_value) +
                                           static_cast<xreal>(whole_value));
  return reading;
}

namespace {

struct UnitVisit {
  Unit unit;
  double factor;  // English: to inches; Metric: to millimetres (whole, at most 1000)
};

// The order in which units are looked for.
constexpr std::array<UnitVisit, 7> kVisits = {{
    {Unit::Yards, 36},
    {Unit::Meters, 1000},
    {Unit::Inches, 1},
    {Unit::Centimeters, 10},
    {Unit::Feet, 12},
    {Unit::Decimeters, 100},
    {Unit::Millimeters, 1},
}};

// The highest designator index that is tried.
constexpr int32_t kLastDesignatorIndex = 10;

// The sum of two doubles and whether it is exact (Knuth's two-sum: the
// rounding error computed exactly, no overflow possible for singles' sums).
bool exact_sum(double a, double b, double& sum) {
  sum = a + b;
  const double b_part = sum - a;
  const double error = (a - (sum - b_part)) + (b - b_part);
  return error == 0;
}

// ((feet slot + yards slot) + inches slot) + the fourth, added in extended
// precision and rounded once to a single. When every partial sum is exact
// in a double the extended sums are the same exact values, so the double
// sum is rounded instead (the usual case: a few feet and inches).
float sum_of_slots(const std::array<float, 4>& slots) {
  double sum = 0;
  if (exact_sum(slots[1], slots[0], sum) && exact_sum(sum, slots[2], sum) &&
      exact_sum(sum, slots[3], sum)) {
    return static_cast<float>(sum);
  }
  return static_cast<float>(((static_cast<xreal>(slots[1]) + slots[0]) + slots[2]) + slots[3]);
}

// Every unit word of every visit, grouped by first byte: the entries of
// byte b are entries[first[b] .. first[b + 1]).
struct WordEntry {
  std::string_view word;
  std::size_t visit;
  std::size_t index;
};
struct WordIndex {
  std::array<WordEntry, kVisits.size() * (kLastDesignatorIndex + 1)> entries{};
  std::array<std::size_t, 257> first{};
};

WordIndex build_word_index() {
  WordIndex built;
  std::size_t count = 0;
  for (int byte = 0; byte < 256; ++byte) {
    built.first[static_cast<std::size_t>(byte)] = count;
    for (std::size_t v = 0; v < kVisits.size(); ++v) {
      for (int32_t index = 0; index <= kLastDesignatorIndex; ++index) {
        const std::string_view word = designator_word(kVisits[v].unit, index);
        if (word.empty()) break;
        if (static_cast<unsigned char>(word.front()) != byte) continue;
        built.entries[count++] = {word, v, static_cast<std::size_t>(index)};
      }
    }
  }
  built.first[256] = count;
  return built;
}

// Constant after its first use (built once, thread-safely).
const WordIndex& word_index() {
  static const WordIndex index = build_word_index();
  return index;
}

// Whether the hyphen at `i` joins feet and inches, or whole inches and their
// fraction, and so reads as a space (see parse.h). `w` is the prepared text
// as upper-cased and trimmed, before any hyphen is mended.
bool hyphen_reads_as_space(std::string_view w, std::size_t i) {
  if (i == 0) return false;
  // (a) Directly after a unit word or mark: "12 '- 6", "12 FT- 6".
  const char before = w[i - 1];
  if (before != ' ' && before != '-' && !is_measurement_numeral(System::English, before)) return true;
  // (b) Between a digit and a fraction, spaces allowed on either side:
  // "6 - 1/2", "6-1/2".
  std::size_t b = i;
  while (b > 0 && w[b - 1] == ' ') --b;
  if (b == 0 || !is_digit(w[b - 1])) return false;
  std::size_t a = i + 1;
  while (a < w.size() && w[a] == ' ') ++a;
  const std::size_t digits_start = a;
  while (a < w.size() && is_digit(w[a])) ++a;
  if (a == digits_start || a >= w.size() || (w[a] != '/' && w[a] != '\\')) return false;
  return a + 1 < w.size() && is_digit(w[a + 1]);
}

}  // namespace

void mend_hyphens(std::string& w) {
  const std::string typed = w;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (typed[i] == '-' && hyphen_reads_as_space(typed, i)) w[i] = ' ';
  }
}

Conversion convert_text_to_inches(const MeasureState& state, std::string_view text, float maximum,
                                  std::vector<ConsumedRange>* consumed) {
  Conversion conversion;
  if (trim(text).empty()) return conversion;
  std::string prepared(trim(to_upper(text)));
  mend_hyphens(prepared);
  prepared += ' ';

  // Each unit's word: the first of its words in list order that stands
  // between spaces, at its first such place. " WORD " occurs exactly where
  // a space-delimited token after the first equals the word (words hold no
  // space; the text is trimmed and ends with the added space), so one pass
  // over the tokens finds them all.
  const WordIndex& words = word_index();
  constexpr std::size_t kNone = kLastDesignatorIndex + 1;
  std::array<std::size_t, kVisits.size()> best_index;
  best_index.fill(kNone);
  std::array<std::size_t, kVisits.size()> best_at{};  // 1-based: the space before the word
  for (std::size_t i = 1; i < prepared.size(); ++i) {
    if (prepared[i - 1] != ' ' || prepared[i] == ' ') continue;
    std::size_t end = i;
    while (prepared[end] != ' ') ++end;  // the added space ends the last token
    const std::string_view token(prepared.data() + i, end - i);
    const auto b = static_cast<unsigned char>(token.front());
    for (std::size_t e = words.first[b]; e < words.first[b + 1]; ++e) {
      const WordEntry& entry = words.entries[e];
      // A word earlier in its unit's list wins; the same word later in the
      // text does not replace its first place.
      if (entry.index < best_index[entry.visit] && entry.word == token) {
        best_index[entry.visit] = entry.index;
        best_at[entry.visit] = i;
      }
    }
    i = end;
  }

  std::array<float, 4> slots{};
  for (std::size_t v = 0; v < kVisits.size(); ++v) {
    const UnitVisit& visit = kVisits[v];
    if (best_index[v] == kNone) continue;
    const std::size_t at = best_at[v];
    const System system = system_of(visit.unit);
    const std::string_view word = designator_word(visit.unit, static_cast<int32_t>(best_index[v]));
    NumberInText reading =
        read_measurement_value(system, prepared, static_cast<int32_t>(at - 1), true, 0);
    if (consumed != nullptr) consumed->push_back({at, at + word.size(), system});
    if (maximum > 0 && reading.value > maximum) {
      conversion.error = ReadError::TooLarge;
      conversion.unit = visit.unit;
      conversion.number = std::move(reading);
      return conversion;
    }
    // A single times a whole factor of at most 1000 is exact in a double
    // (and in extended precision): the product is rounded once either way.
    const float product = static_cast<float>(static_cast<double>(reading.value) * visit.factor);
    slots[static_cast<std::size_t>(code_of(visit.unit))] =
        system == System::Metric ? millimeters_to_inches(state, product) : product;
  }
  conversion.inches = sum_of_slots(slots);
  return conversion;
}

}  // namespace tolmer
