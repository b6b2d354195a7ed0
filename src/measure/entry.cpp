// Reading a typed entry with diagnostics: where each byte of the entry went
// (the number too large for its unit, the bytes no unit word consumed), and
// the checks of a length entry as values.
#include "measure/entry.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "frame/primitives.h"
#include "host/services.h"
#include "measure/parse.h"
#include "measure/validate.h"

namespace tolmer::inline v1 {

namespace {

// Where each byte of the separated text came from: the index of the entry's
// byte, or npos for a space the separation inserted. Separation only inserts
// spaces between two bytes that are not spaces, so a greedy match is exact.
std::vector<std::size_t> origins(std::string_view entry, std::string_view separated) {
  std::vector<std::size_t> from(separated.size(), std::string_view::npos);
  std::size_t j = 0;
  for (std::size_t i = 0; i < separated.size(); ++i) {
    if (j < entry.size() && separated[i] == entry[j]) from[i] = j++;
  }
  return from;
}

struct Mapped {
  std::string separated;
  std::vector<std::size_t> from;
  std::size_t lead = 0;  // spaces before the prepared text in the separated one
};

Mapped map_entry(std::string_view entry) {
  Mapped m;
  m.separated = separate_measurements(entry);
  m.from = origins(entry, m.separated);
  const std::size_t first = m.separated.find_first_not_of(' ');
  m.lead = first == std::string::npos ? 0 : first;
  return m;
}

// The entry's bytes covered by prepared-text bytes [first, after_last).
ByteRange entry_range(const Mapped& m, std::size_t first, std::size_t after_last) {
  ByteRange range{std::string_view::npos, 0};
  for (std::size_t i = m.lead + first; i < m.lead + after_last && i < m.from.size(); ++i) {
    if (m.from[i] == std::string_view::npos) continue;
    range.begin = std::min(range.begin, m.from[i]);
    range.end = std::max(range.end, m.from[i] + 1);
  }
  if (range.begin == std::string_view::npos) range = {0, 0};
  return range;
}

// Widens a unit word's range (prepared-text bytes, hyphens mended) to take in
// the number standing before it, as the conversion reads it: the run of
// numeral characters before the spaces before the word and, when that run is
// a fraction, the whole number before it and its spaces ("6 1/2", "6-1/2").
ConsumedRange with_number(std::string_view prepared, ConsumedRange word) {
  const auto numeral = [&](char c) { return is_measurement_numeral(word.system, c); };
  const auto run_start = [&](std::size_t end) {
    while (end > 0 && numeral(prepared[end - 1])) --end;
    return end;
  };
  const auto before_spaces = [&](std::size_t end) {
    while (end > 0 && prepared[end - 1] == ' ') --end;
    return end;
  };
  const std::size_t run_end = before_spaces(std::min(word.first, prepared.size()));
  if (run_end == 0 || run_end == word.first || !numeral(prepared[run_end - 1])) return word;
  std::size_t first = run_start(run_end);
  const std::string_view run = prepared.substr(first, run_end - first);
  const bool fraction = run.find_first_of("/\\") != std::string_view::npos;
  const std::size_t whole_end = before_spaces(first);
  if (fraction && whole_end < first && whole_end > 0 && numeral(prepared[whole_end - 1])) {
    const std::size_t whole = run_start(whole_end);
    const std::string_view w = prepared.substr(whole, whole_end - whole);
    if (w.find_first_of("/\\") == std::string_view::npos) first = whole;
  }
  word.first = first;
  return word;
}

// The stretches of the entry that no consumed range covers, each trimmed of
// spaces; stretches apart only by spaces are one. A hyphen that the
// conversion reads as a space (`prepared` has a hyphen where `mended` has a
// space: "12'-6\"") counts as a space.
std::vector<ByteRange> unread_runs(std::string_view entry, const Mapped& m,
                                   const std::vector<ConsumedRange>& consumed, std::string_view prepared,
                                   std::string_view mended) {
  std::vector<bool> used(entry.size(), false);
  for (const ConsumedRange& c : consumed) {
    for (std::size_t i = m.lead + c.first; i < m.lead + c.after_last && i < m.from.size(); ++i) {
      if (m.from[i] != std::string_view::npos) used[m.from[i]] = true;
    }
  }
  // Spaces, and hyphens that read as spaces.
  std::vector<bool> blank(entry.size(), false);
  for (std::size_t i = 0; i < entry.size(); ++i) blank[i] = entry[i] == ' ';
  for (std::size_t i = 0; i < prepared.size() && i < mended.size(); ++i) {
    const std::size_t at = m.lead + i;
    if (prepared[i] != mended[i] && at < m.from.size() && m.from[at] != std::string_view::npos)
      blank[m.from[at]] = true;
  }
  std::vector<ByteRange> runs;
  for (std::size_t i = 0; i < entry.size();) {
    if (used[i] || blank[i]) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < entry.size() && !used[end]) ++end;
    while (end > i && blank[end - 1]) --end;
    runs.push_back({i, end});
    i = end;
  }
  return runs;
}

}  // namespace

LengthReading read_length(const MeasureState& state, std::string_view entry, float maximum) {
  const Mapped m = map_entry(entry);
  std::vector<ConsumedRange> consumed;
  const Conversion conversion = convert_text_to_inches(state, m.separated, maximum, &consumed);
  const std::string prepared = to_upper(trim(m.separated));
  std::string mended = prepared;
  mend_hyphens(mended);
  LengthReading reading;
  if (!conversion.ok() && !consumed.empty()) {
    reading.too_large = conversion.unit;
    // The refused number is reported, not consumed: from its first byte to
    // its last, before the spaces before its unit word.
    const ConsumedRange word = consumed.back();
    consumed.pop_back();
    const std::size_t first = with_number(mended, word).first;
    std::size_t end = std::min(word.first, mended.size());
    while (end > first && mended[end - 1] == ' ') --end;
    reading.number = entry_range(m, first, end);
  } else {
    reading.inches = conversion.inches;
  }
  for (ConsumedRange& c : consumed) c = with_number(mended, c);
  reading.unread = unread_runs(entry, m, consumed, prepared, mended);
  return reading;
}

namespace {

// A field that records what the validator does with it.
class RecordingField final : public host::WindowService {
 public:
  explicit RecordingField(std::size_t length) : length_(length) {}
  void show_message(std::string_view text, std::string_view) override { message.assign(text); }
  void select_range(int32_t, int32_t first, int32_t after_last) override {
    selected = std::pair<int32_t, int32_t>(first, after_last);
  }
  int32_t line_length(int32_t, int32_t) override {
    return static_cast<int32_t>(std::min<std::size_t>(length_, INT32_MAX));
  }
  void set_focus(int32_t) override {}
  void set_text(int32_t, std::string_view text) override { echo.assign(text); }

  std::string message;
  std::optional<std::pair<int32_t, int32_t>> selected;
  std::string echo;

 private:
  std::size_t length_;
};

}  // namespace

Validation validate_entry(const MeasureState& state, std::string_view entry,
                          const EntryLimits& limits, const DisplayFormat& display) {
  const Mapped m = map_entry(entry);
  RecordingField field(m.separated.size());
  Validation v;
  v.result = validate_measurement_entry(state, field, 0, m.separated, limits, display);
  v.message = std::move(field.message);
  v.echo = std::move(field.echo);
  v.accepted = v.message.empty();
  LengthReading reading = read_length(state, entry, limits.maximum);
  if (field.selected) {
    // The number too large for its unit, or the whole entry.
    v.select = v.result < 0 ? reading.number : ByteRange{0, entry.size()};
  }
  v.unread = std::move(reading.unread);
  return v;
}

}  // namespace tolmer
