// The free functions of the C++ interface: typed calls into the core.
#include <algorithm>
#include <climits>

#include "catalog/categories.h"
#include "catalog/descriptions.h"
#include "catalog/item_names.h"
#include "catalog/sub_item_names.h"
#include "catalog/wall_snap.h"
#include "frame/precision.h"
#include "frame/primitives.h"
#include "measure/fraction.h"
#include "measure/parse.h"
#include "measure/scale_notation.h"
#include "measure/scales.h"
#include "measure/units.h"
#include "tolmer/catalog.h"
#include "tolmer/measure.h"

namespace tolmer::inline v1::measure {

// ------------------------------------------------------------ units, words

std::string_view designator_word(Unit unit, int32_t index) noexcept {
  return tolmer::designator_word(unit, index);
}

int32_t designator_count(Unit unit) noexcept {
  return tolmer::designator_count(unit);
}

std::string_view measurement_label(System system, LabelStyle style, float quantity) noexcept {
  return tolmer::measurement_label(system, style, quantity);
}

float inches_to_feet(float inches) noexcept {
  ExtendedPrecision guard;
  return convert_measurement(inches, Unit::Feet);
}

float inches_to_meters(float inches) noexcept {
  ExtendedPrecision guard;
  return convert_measurement(inches, Unit::Meters);
}

// --------------------------------------------------------------- fractions

std::optional<Fraction> break_fraction_apart(std::string_view text) {
  ExtendedPrecision guard;
  return tolmer::break_fraction_apart(text);
}

std::string convert_fraction_denominator(std::string_view text, int32_t new_denominator) {
  ExtendedPrecision guard;
  return tolmer::convert_fraction_denominator(text, new_denominator);
}

std::string reduce_fraction(std::string_view text, int32_t largest_denominator) {
  ExtendedPrecision guard;
  return tolmer::reduce_fraction(text, largest_denominator);
}

float fraction_to_decimal(std::string_view text) {
  ExtendedPrecision guard;
  return fraction_string_to_decimal(text);
}

std::string decimal_to_fraction(float value, int32_t largest_denominator) {
  ExtendedPrecision guard;
  return decimal_to_fraction_string(value, largest_denominator);
}

std::optional<FoundFraction> extract_fraction(std::string_view text, bool from_end) {
  ExtendedPrecision guard;
  return tolmer::extract_fraction(text, from_end);
}

// -------------------------------------------------------------- typed text

bool is_measurement_numeral(System system, char c) noexcept {
  return tolmer::is_measurement_numeral(system, c);
}

std::string separate_measurements(std::string_view text) {
  return tolmer::separate_measurements(text);
}

NumberAt number_at(System system, std::string_view text, std::size_t position, bool backwards,
                   std::size_t start_before) {
  ExtendedPrecision guard;
  // The core counts positions from 1 in 32 bits: position p there is byte
  // p - 1 here. Forwards past the end there is nothing to read; backwards
  // past the end the whole text is the stretch.
  constexpr std::size_t kLargest = INT32_MAX - 1;
  if (!backwards && position >= text.size()) return {};
  const std::size_t last = backwards ? std::min(position, text.size() - 1) : position;
  if (text.empty() || last > kLargest) return {};
  const NumberInText read = read_measurement_value(
      system, text, static_cast<int32_t>(last + 1), backwards,
      static_cast<int32_t>(std::min(start_before, kLargest) + 1));
  NumberAt n;
  n.value = read.value;
  if (read.start && *read.start >= 1) n.start = static_cast<std::size_t>(*read.start - 1);
  if (read.end && *read.end >= 0 && static_cast<std::size_t>(*read.end) <= text.size())
    n.end = static_cast<std::size_t>(*read.end);
  return n;
}

// ------------------------------------------------------------------ scales

float inches_per_foot(float numerator, float denominator) noexcept {
  ExtendedPrecision guard;
  return tolmer::inches_per_foot(numerator, denominator);
}

int32_t nearest_scale_denominator(System system, double scale) {
  const auto family = system == System::Metric ? tolmer::scale::Family::Metric : tolmer::scale::Family::Architectural;
  return nearest_standard_denominator(family, scale).value_or(0);
}

}  // namespace tolmer::measure

namespace tolmer::inline v1::catalog {


std::string_view category_description(int32_t category, int32_t sub_category) noexcept {
  return description_for_category_type(category, sub_category);
}

std::string_view subcategories_code_string(int32_t category) noexcept {
  return tolmer::subcategories_code_string(category);
}

std::string_view item_types_code_string(int32_t category, int32_t sub_category) noexcept {
  return tolmer::item_types_code_string(category, sub_category);
}

std::string_view sub_item_types_code_string(int32_t category, int32_t sub_category,
                                            int32_t item_type) noexcept {
  return tolmer::sub_item_types_code_string(category, sub_category, item_type);
}

std::string library_name(int32_t category, int32_t sub_category, int32_t item_type) {
  const LibraryName name = library_name_value(category, sub_category, item_type);
  return std::string(name.view());
}

LibraryName library_name_value(int32_t category, int32_t sub_category, int32_t item_type) noexcept {
  static_assert(LibraryName{}.bytes.size() == tolmer::LibraryName::kCapacity);
  const auto core = library_name_from_categories(category, sub_category, item_type);
  const std::string_view made = core.view();
  LibraryName name;
  std::copy(made.begin(), made.end(), name.bytes.begin());
  name.size = made.size();
  return name;
}

CatalogKey categories_from_library_name(std::string_view name) {
  const LibraryNameFields f = library_name_fields(name);
  return CatalogKey{f.category, f.sub_category.value_or(-1), f.item_type.value_or(-1), -1};
}

LibraryNameFields library_name_fields(std::string_view name) {
  ExtendedPrecision guard;
  const LibraryNameNumbers n = tolmer::categories_from_library_name(name);
  LibraryNameFields fields{n.category, std::nullopt, std::nullopt};
  if (n.sub_category_read) fields.sub_category = n.sub_category;
  if (n.item_type_read) fields.item_type = n.item_type;
  return fields;
}

bool is_valid_library_name(std::string_view name) {
  return tolmer::is_valid_library_name(name);
}

std::string_view item_name(int32_t category, int32_t sub_category, int32_t item_type,
                           bool plural) noexcept {
  return symbol_item_name(category, sub_category, item_type, plural ? 1 : 0);
}

std::optional<int32_t> item_type_from_name(int32_t category, int32_t sub_category,
                                           std::string_view name) {
  const int32_t type = symbol_item_type_from_name(category, sub_category, name);
  if (type == 0) return std::nullopt;
  return type;
}

std::string_view sub_item_name(const CatalogKey& k) noexcept {
  return symbol_sub_item_name(k.category, k.sub_category, k.item_type, k.sub_item_type);
}

std::optional<int32_t> wall_snap_index(const CatalogKey& k) noexcept {
  const int32_t index =
      object_wall_snap_index(k.category, k.sub_category, k.item_type, k.sub_item_type);
  if (index == 0) return std::nullopt;
  return index;
}

int32_t highest_wall_snap_index() noexcept { return highest_object_wall_snap_index(); }

bool is_wall(std::string_view key) {
  ExtendedPrecision guard;
  return is_object_a_wall(key);
}

int32_t wire_type(std::string_view key) {
  ExtendedPrecision guard;
  return object_wire_type(key);
}

bool is_symbol_view_number_valid(int32_t view, std::string_view view_list) {
  ExtendedPrecision guard;
  return tolmer::is_symbol_view_number_valid(view, view_list);
}

std::string_view wire_type_description(int32_t type) noexcept {
  return tolmer::wire_type_description(type);
}

std::string_view drawing_tool_description(int32_t tool_type) noexcept {
  return drawing_tool_type_description(tool_type);
}

int32_t text_box_part(std::string_view object_name) { return tolmer::text_box_part(object_name); }

std::string_view folder_name_invalid_characters() noexcept {
  return tolmer::folder_name_invalid_characters();
}
std::string_view category_name_invalid_characters() noexcept {
  return tolmer::category_name_invalid_characters();
}
std::string_view circuit_name_invalid_characters() noexcept {
  return tolmer::circuit_name_invalid_characters();
}
std::string_view symbol_name_invalid_characters() noexcept {
  return tolmer::symbol_name_invalid_characters();
}

}  // namespace tolmer::catalog
