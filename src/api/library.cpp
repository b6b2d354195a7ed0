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
#include "measure/entry.h"
#include "measure/scales.h"
#include "measure/units.h"
#include "measure/validate.h"
#include "geometry/angles.h"
#include "paper/paper.h"
#include "paper/standard_sizes.h"
#include "text/temp_array.h"

namespace tolmer::inline v1 {

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
  set_conversion_decimal_places(impl_->state, system, places);
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
  append_formatted(impl_->state, out, display, inches);
}

LengthParts Library::split(float inches, System system, int32_t places) const {
  ExtendedPrecision guard;
  return split_inches(impl_->state, system, inches, places);
}

namespace {

// A conversion as SeparatedReading carries it: with a number too large, the
// negative code of its unit (-1 metres, -2 yards, -3 decimetres, -4 feet,
// -5 centimetres, -6 inches, -7 millimetres) and the number's positions (0
// for a position not found).
SeparatedReading separated_reading(const Conversion& c) {
  if (c.ok()) return SeparatedReading{c.inches, false, 0, 0};
  float code = 0;
  switch (c.unit) {
    case Unit::Meters: code = -1; break;
    case Unit::Yards: code = -2; break;
    case Unit::Decimeters: code = -3; break;
    case Unit::Feet: code = -4; break;
    case Unit::Centimeters: code = -5; break;
    case Unit::Inches: code = -6; break;
    case Unit::Millimeters: code = -7; break;
  }
  return SeparatedReading{code, true, c.number.start.value_or(0), c.number.end.value_or(0)};
}

}  // namespace

LengthReading Library::read_length(std::string_view entry, float maximum) const {
  ExtendedPrecision guard;
  return tolmer::read_length(impl_->state, entry, maximum);
}

SeparatedReading Library::read_separated(std::string_view separated, float maximum) const {
  ExtendedPrecision guard;
  return separated_reading(convert_text_to_inches(impl_->state, separated, maximum));
}

Validation Library::validate(std::string_view entry, const EntryLimits& limits,
                             const DisplayFormat& display) const {
  ExtendedPrecision guard;
  return validate_entry(impl_->state, entry, limits, display);
}

float Library::validate_in_window(int32_t window, std::string_view separated_entry,
                                  const EntryLimits& limits, const DisplayFormat& display) const {
  ExtendedPrecision guard;
  return validate_measurement_entry(impl_->state, impl_->state.services.window(), window,
                                    separated_entry, limits, display);
}

// ---------------------------------------------------------- drawing scales

float Library::scale_ratio(System system, ScalePart part, int32_t index) const {
  return scale_ratio_value(impl_->state, system, part, index);
}

std::optional<int32_t> Library::scale_index(System system, float numerator,
                                            float denominator) const {
  const int32_t i =
      scale_ratio_index(impl_->state, system, numerator, denominator);
  if (i < 0) return std::nullopt;
  return i;
}

float Library::converted_scale_value(System system, float value) const {
  ExtendedPrecision guard;
  return tolmer::converted_scale_value(impl_->state, system, value);
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
  return paper_record(impl_->state, index);
}

std::optional<float> Library::paper_width(int32_t index, Orientation orientation) const {
  const auto record = paper_record(impl_->state, index);
  if (!record) return std::nullopt;
  return tolmer::paper_width(*record, orientation);
}

std::optional<float> Library::paper_height(int32_t index, Orientation orientation) const {
  const auto record = paper_record(impl_->state, index);
  if (!record) return std::nullopt;
  return tolmer::paper_height(*record, orientation);
}

void Library::set_paper(int32_t index, const PaperRecord& r) {
  set_paper_item(impl_->state, index, r.name, r.width, r.height, r.top_margin, r.bottom_margin,
                 r.left_margin, r.right_margin);
}

void Library::set_paper_field(int32_t index, PaperField field, float value) {
  tolmer::set_paper_field(impl_->state, index, field, value);
}

std::optional<int32_t> Library::paper_index(std::string_view name) const {
  const int32_t i = paper_index_from_name(impl_->state, to_upper(trim(name)));
  if (i >= 0) return i;
  const auto standard = standard_paper_by_name(name);
  if (!standard) return std::nullopt;
  return paper_index_of_standard(impl_->state, *standard);
}

std::optional<PaperMatch> Library::paper_index(System system, float width, float height) const {
  ExtendedPrecision guard;
  return paper_index_from_size(impl_->state, impl_->state, system, width, height);
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
