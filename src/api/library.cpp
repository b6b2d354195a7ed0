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
#include "host/random_stream.h"
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

Library::Library() : Library(RandomSeed{entropy_seed()}) {}
Library::Library(RandomSeed seed) : impl_(std::make_unique<Impl>(seed.value)) {
  initialize_state(impl_->state);
}
Library::Library(Uninitialised) : impl_(std::make_unique<Impl>(entropy_seed())) {}
Library::~Library() = default;
Library::Library(Library&&) noexcept = default;
Library& Library::operator=(Library&&) noexcept = default;

void Library::reinitialize() { initialize_state(impl_->state); }

// ------------------------------------------------------------------ units

double Library::inches_to_millimeters(double inches) const noexcept {
  ExtendedPrecision guard;
  return tolmer::inches_to_millimeters(impl_->state, inches);
}

float Library::millimeters_to_inches(float millimeters) const noexcept {
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

LengthReading Library::read_length(std::string_view entry, float maximum) const {
  ExtendedPrecision guard;
  return tolmer::read_length(impl_->state, entry, maximum);
}

SeparatedReading Library::read_separated(std::string_view separated, float maximum) const {
  ExtendedPrecision guard;
  // Separating a separated text changes nothing: the reading of an entry,
  // without its unread runs, is the reading of the separated text.
  LengthReading r = tolmer::read_length(impl_->state, separated, maximum);
  return SeparatedReading{r.inches, r.too_large, r.number};
}

Validation Library::validate(std::string_view entry, const EntryLimits& limits,
                             const DisplayFormat& display) const {
  ExtendedPrecision guard;
  return validate_entry(impl_->state, entry, limits, display);
}

float Library::validate_in_window(int32_t window, std::string_view separated_entry,
                                  const EntryLimits& limits, const DisplayFormat& display) const {
  ExtendedPrecision guard;
  host::Services::Session services = impl_->state.services.session();
  return validate_measurement_entry(impl_->state, services, window,
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

float Library::converted_scale_value(System system, float value) const noexcept {
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
std::optional<std::string> Library::temp_entry(int32_t index) const {
  return temp_array_entry(impl_->state, index);
}

// ----------------------------------------------------------------- angles

double Library::rotate_radians(double angle, double change) const noexcept {
  ExtendedPrecision guard;
  return rotate_radians_value(impl_->state, angle, change);
}

// ---------------------------------------------------------- host services

void Library::set_host_services(HostServices services) {
  impl_->state.services.install(std::move(services));
}
HostServices Library::host_services() const { return impl_->state.services.current(); }

std::optional<std::string> Library::special_folder(SpecialFolder folder) const {
  host::Services::Session services = impl_->state.services.session();
  std::string path = special_folder_location(services, static_cast<int32_t>(folder));
  if (path.empty()) return std::nullopt;
  return path;
}

MouseButton Library::mouse_button(int32_t window) const {
  // The cursor, the window under it and the buttons, all of one set.
  host::Services::Session services = impl_->state.services.session();
  switch (tolmer::mouse_button(services, window)) {
    case 1: return MouseButton::Left;
    case 2: return MouseButton::Right;
    case 3: return MouseButton::Middle;
    default: return MouseButton::None;
  }
}

bool Library::key_down(int32_t virtual_key) const {
  host::Services::Session services = impl_->state.services.session();
  return key_state(services, virtual_key) != 0;
}

// --------------------------------------------------------- random numbers

void Library::randomize() { set_seed(entropy_seed()); }

void Library::set_seed(uint64_t seed) {
  const RandomStream fresh(seed);
  const std::lock_guard lock(impl_->random_lock);
  impl_->stream = fresh;
}

uint64_t Library::seed() const {
  const std::lock_guard lock(impl_->random_lock);
  return impl_->stream.seed();
}

int32_t Library::random_value() {
  const std::lock_guard lock(impl_->random_lock);
  return random_record_id(impl_->stream);
}

int32_t Library::unique_record_id(std::span<const int32_t> existing) {
  for (;;) {
    const int32_t value = random_value();
    if (std::find(existing.begin(), existing.end(), value) == existing.end()) return value;
  }
}

}  // namespace tolmer
