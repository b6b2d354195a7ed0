// tolmer::Library: the members, each a call into the core with this
// context's State.
#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <utility>

#include "api/library_impl.h"
#include "frame/precision.h"
#include "frame/primitives.h"
#include "host/input.h"
#include "host/paths.h"
#include "host/random.h"
#include "measure/format.h"
#include "measure/parse.h"
#include "measure/scales.h"
#include "measure/units.h"
#include "measure/validate.h"
#include "geometry/angles.h"
#include "paper/paper.h"
#include "text/temp_array.h"

namespace tolmer {

Library::Library() : impl_(std::make_unique<Impl>()) { initialize_state(impl_->state); }
Library::Library(Uninitialised) : impl_(std::make_unique<Impl>()) {}
Library::~Library() = default;
Library::Library(Library&&) noexcept = default;
Library& Library::operator=(Library&&) noexcept = default;

void Library::reinitialize() { initialize_state(impl_->state); }

// ------------------------------------------------------------------ units

double Library::inches_to_millimeters(double inches) const {
  ExtendedPrecision guard;
  return tolmer::inches_to_millimeters(impl_->state, inches);
}

float Library::millimeters_to_inches(float millimeters) const {
  ExtendedPrecision guard;
  return tolmer::millimeters_to_inches(impl_->state, millimeters);
}

void Library::set_conversion_places(System system, int32_t places) {
  set_conversion_decimal_places(impl_->state, static_cast<int32_t>(system), places);
}

std::optional<int32_t> Library::conversion_places(System system) const {
  const State& s = impl_->state;
  const auto lock = s.places_lock.read();
  if (!s.decimal_places) return std::nullopt;
  return (*s.decimal_places)[system == System::Metric ? 1 : 0];
}

// ---------------------------------------------------------------- lengths

std::string Library::format(double inches, const DisplayFormat& display) const {
  std::string out;
  format_to(out, inches, display);
  return out;
}

void Library::format_to(std::string& out, double inches, const DisplayFormat& display) const {
  ExtendedPrecision guard;
  append_formatted(impl_->state, out, static_cast<int32_t>(display.system),
                   static_cast<int32_t>(display.format), static_cast<int32_t>(display.mode),
                   inches, display.places);
}

LengthParts Library::split(float inches, System system, int32_t places) const {
  ExtendedPrecision guard;
  const MeasurementParts parts =
      split_inches(impl_->state, static_cast<int32_t>(system), inches, places);
  return {parts.major, parts.minor, parts.fraction};
}

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

// The unit a conversion error code names.
Unit unit_of_error(float code) {
  constexpr std::array<Unit, 7> kUnits = {Unit::Meters,      Unit::Yards,  Unit::Decimeters,
                                          Unit::Feet,        Unit::Centimeters, Unit::Inches,
                                          Unit::Millimeters};
  const auto n = static_cast<std::size_t>(-static_cast<int32_t>(code) - 1);
  return n < kUnits.size() ? kUnits[n] : Unit::Inches;
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

LengthReading Library::read_length(std::string_view entry, float maximum) const {
  ExtendedPrecision guard;
  const Mapped m = map_entry(entry);
  std::vector<ConsumedRange> consumed;
  const Conversion conversion = convert_text_to_inches(impl_->state, m.separated, maximum, &consumed);
  const std::string prepared = to_upper(trim(m.separated));
  std::string mended = prepared;
  mend_hyphens(mended);
  LengthReading reading;
  if (conversion.error && !consumed.empty()) {
    reading.too_large = unit_of_error(conversion.inches);
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

SeparatedReading Library::read_separated(std::string_view separated, float maximum) const {
  ExtendedPrecision guard;
  const Conversion c = convert_text_to_inches(impl_->state, separated, maximum);
  return SeparatedReading{c.inches, c.error, c.start, c.end};
}

Validation Library::validate(std::string_view entry, const EntryLimits& limits,
                             const DisplayFormat& display) const {
  ExtendedPrecision guard;
  const Mapped m = map_entry(entry);
  RecordingField field(m.separated.size());
  Validation v;
  v.result = validate_measurement_entry(
      impl_->state, field, 0, m.separated, limits.minimum, limits.maximum, limits.maximum_total,
      static_cast<int32_t>(display.system), static_cast<int32_t>(display.format),
      static_cast<int32_t>(display.mode), display.places);
  v.message = std::move(field.message);
  v.echo = std::move(field.echo);
  v.accepted = v.message.empty();
  LengthReading reading = read_length(entry, limits.maximum);
  if (field.selected) {
    // The number too large for its unit, or the whole entry.
    v.select = v.result < 0 ? reading.number : ByteRange{0, entry.size()};
  }
  v.unread = std::move(reading.unread);
  return v;
}

float Library::validate_in_window(int32_t window, std::string_view separated_entry,
                                  const EntryLimits& limits, const DisplayFormat& display) const {
  ExtendedPrecision guard;
  return validate_measurement_entry(impl_->state, impl_->state.services.window(), window, separated_entry,
                                    limits.minimum, limits.maximum, limits.maximum_total,
                                    static_cast<int32_t>(display.system),
                                    static_cast<int32_t>(display.format),
                                    static_cast<int32_t>(display.mode), display.places);
}

// ---------------------------------------------------------- drawing scales

float Library::scale_ratio(System system, ScalePart part, int32_t index) const {
  return scale_ratio_value(impl_->state, static_cast<int32_t>(system), static_cast<int32_t>(part),
                           index);
}

std::optional<int32_t> Library::scale_index(System system, float numerator,
                                            float denominator) const {
  const int32_t i =
      scale_ratio_index(impl_->state, static_cast<int32_t>(system), numerator, denominator);
  if (i < 0) return std::nullopt;
  return i;
}

float Library::converted_scale_value(System system, float value) const {
  ExtendedPrecision guard;
  return tolmer::converted_scale_value(impl_->state, static_cast<int32_t>(system), value);
}

// ------------------------------------------------------------ paper table

int32_t Library::size_paper_table(int32_t upper_bound) {
  return tolmer::size_paper_table(impl_->state, upper_bound);
}

std::optional<int32_t> Library::paper_upper_bound() const {
  const int32_t upper = tolmer::paper_upper_bound(impl_->state);
  if (upper < 0) return std::nullopt;
  return upper;
}

std::optional<PaperRecord> Library::paper(int32_t index) const {
  const auto record = paper_record(impl_->state, index);
  if (!record) return std::nullopt;
  return PaperRecord{std::string(paper_name(*record)), record->width,       record->height,
                     record->top_margin,                record->bottom_margin, record->left_margin,
                     record->right_margin};
}

std::optional<float> Library::paper_width(int32_t index, Orientation orientation) const {
  const auto record = paper_record(impl_->state, index);
  if (!record) return std::nullopt;
  return tolmer::paper_width(*record, static_cast<int32_t>(orientation));
}

std::optional<float> Library::paper_height(int32_t index, Orientation orientation) const {
  const auto record = paper_record(impl_->state, index);
  if (!record) return std::nullopt;
  return tolmer::paper_height(*record, static_cast<int32_t>(orientation));
}

void Library::set_paper(int32_t index, const PaperRecord& r) {
  set_paper_item(impl_->state, index, r.name, r.width, r.height, r.top_margin, r.bottom_margin,
                 r.left_margin, r.right_margin);
}

void Library::set_paper_field(int32_t index, PaperField field, float value) {
  change_paper_record(impl_->state, index, [&](PaperInfo& record) {
    switch (field) {
      case PaperField::Width: record.width = value; break;
      case PaperField::Height: record.height = value; break;
      case PaperField::TopMargin: record.top_margin = value; break;
      case PaperField::BottomMargin: record.bottom_margin = value; break;
      case PaperField::LeftMargin: record.left_margin = value; break;
      case PaperField::RightMargin: record.right_margin = value; break;
    }
  });
}

std::optional<int32_t> Library::paper_index(std::string_view name) const {
  const int32_t i = paper_index_from_name(impl_->state, to_upper(trim(name)));
  if (i < 0) return std::nullopt;
  return i;
}

std::optional<PaperMatch> Library::paper_index(System system, float width, float height) const {
  ExtendedPrecision guard;
  const auto match =
      paper_index_from_size(impl_->state, impl_->state, static_cast<int32_t>(system), width, height);
  if (!match) return std::nullopt;
  return PaperMatch{match->index, static_cast<Orientation>(match->orientation)};
}

// ------------------------------------------------- temporary string array

std::optional<int32_t> Library::temp_find(std::string_view text) const {
  const int32_t i = temp_array_search(impl_->state, text);
  if (i < 0) return std::nullopt;
  return i;
}

int32_t Library::temp_append(std::string_view text) { return temp_array_append(impl_->state, text); }
void Library::temp_clear() { temp_array_clear(impl_->state); }
int32_t Library::temp_upper_bound() const { return temp_array_upper_bound(impl_->state); }
int32_t Library::temp_access(int32_t operation, std::string_view text) {
  return temp_array_access(impl_->state, operation, text);
}
std::optional<std::string> Library::temp_entry(int32_t index) const {
  return temp_array_entry(impl_->state, index);
}

// ----------------------------------------------------------------- angles

double Library::rotate_radians(double angle, double change) const {
  ExtendedPrecision guard;
  return rotate_radians_value(impl_->state, angle, change);
}

// ---------------------------------------------------------- host services

void Library::set_host_services(const TolmerHostServices* services) {
  impl_->state.services.install(services);
}
TolmerHostServices Library::host_services() const { return impl_->state.services.installed(); }
std::string Library::special_folder(int32_t folder) const {
  return special_folder_location(impl_->state.services.folders(), folder);
}
int32_t Library::mouse_button(int32_t window) const {
  return tolmer::mouse_button(impl_->state.services.input(), window);
}
bool Library::key_down(int32_t virtual_key) const {
  return key_state(impl_->state.services.input(), virtual_key) != 0;
}

// --------------------------------------------------------- random numbers

void Library::randomize() { randomize_generator(impl_->state, impl_->state.services.clock()); }
void Library::set_seed(uint32_t seed) { impl_->state.seed = seed; }
uint32_t Library::seed() const { return impl_->state.seed; }
int32_t Library::random_value() { return random_long_value(impl_->state); }

int32_t Library::unique_record_id(std::span<const int32_t> existing) {
  if (existing.empty()) return random_long_value(impl_->state);
  return tolmer::unique_record_id(impl_->state, existing.data(),
                                  static_cast<int32_t>(existing.size() - 1));
}

}  // namespace tolmer
