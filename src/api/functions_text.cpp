// The free functions of the C++ interface: text, geometry, bits and host.
#include <climits>

#include "frame/precision.h"
#include "frame/primitives.h"
#include "geometry/angles.h"
#include "geometry/bits.h"
#include "geometry/rects.h"
#include "host/input.h"
#include "host/paths.h"
#include "text/delimited.h"
#include "text/fields.h"
#include "text/strings.h"
#include "tolmer/geometry.h"
#include "tolmer/host.h"
#include "tolmer/text.h"

namespace tolmer::inline v1::text {

// ------------------------------------------------------------------ fields

std::size_t field_count(std::string_view text, std::string_view delimiter) {
  return count_fields(text, delimiter);
}

std::string_view field(std::string_view text, int64_t position, std::string_view delimiter) {
  return field_at(text, position, delimiter);
}

double field_value(std::string_view text, int64_t position, std::string_view delimiter) {
  ExtendedPrecision guard;
  return tolmer::field_value(text, position, delimiter);
}

std::optional<std::string> replace_field(std::string_view list, int64_t position,
                                         std::string_view part, std::string_view delimiter) {
  return tolmer::replace_field(list, position, part, delimiter);
}

// ------------------------------------------------------------------- lists

std::string_view effective_delimiter(std::string_view delimiter) {
  return tolmer::effective_delimiter(delimiter);
}

std::string join(std::span<const std::string_view> items, std::string_view delimiter) {
  return join_nonempty(items, effective_delimiter(delimiter));
}

std::string join(std::span<const int32_t> values, std::string_view delimiter) {
  return join_integers(values, effective_delimiter(delimiter));
}

std::string add_to_list(std::string_view list, std::string_view item, std::string_view delimiter) {
  return tolmer::add_to_list(list, item, effective_delimiter(delimiter));
}

int32_t find_in_list(std::string_view list, std::string_view item, std::string_view delimiter,
                     bool keep_spaces, bool match_case) {
  return tolmer::find_in_list(list, item, effective_delimiter(delimiter), keep_spaces, match_case);
}

std::optional<std::string> remove_from_list(std::string_view list, int64_t position,
                                            std::string_view delimiter) {
  ListRemoval removal = list_without(list, position, delimiter);
  if (!removal.removed) return std::nullopt;
  return std::move(removal.list);
}

ListRemoval list_without(std::string_view list, int64_t position, std::string_view delimiter) {
  tolmer::ListRemoval removal =
      tolmer::remove_from_list(list, position, effective_delimiter(delimiter));
  return ListRemoval{std::move(removal.list), removal.removed};
}

std::optional<int32_t> index_of(int32_t value, std::span<const int32_t> values,
                                int32_t first) {
  if (values.empty()) return std::nullopt;
  const auto last = static_cast<int32_t>(std::min<std::size_t>(values.size() - 1, INT32_MAX));
  const int32_t at = is_value_in_long_array(value, values.data(), last, first);
  if (at < 0) return std::nullopt;
  return at;
}

// ----------------------------------------------------------------- strings

std::string reverse(std::string_view text) { return reverse_bytes(text); }
std::string_view strip_blanks(std::string_view text) { return tolmer::trim(text); }
bool is_numeric(std::string_view text) { return is_unsigned_decimal(text); }
int32_t first_of(std::string_view text, std::string_view characters) {
  return first_contained_character(text, characters);
}

}  // namespace tolmer::text

namespace tolmer::inline v1::geometry {


double reduce_to_360(double angle, bool allow_360) {
  ExtendedPrecision guard;
  return reduce_to_360_degree_angle(angle, allow_360);
}
double offset_from_angles(double start, double end, int32_t direction, double limit) {
  ExtendedPrecision guard;
  return tolmer::offset_from_angles(start, end, direction, limit);
}
double add_angle_offset(double angle, double offset) {
  ExtendedPrecision guard;
  return tolmer::add_angle_offset(angle, offset);
}
double rotate_degrees(double angle, double change) {
  ExtendedPrecision guard;
  return rotate_degrees_value(angle, change);
}
double rotate_to_next_degree(double angle, double step) {
  ExtendedPrecision guard;
  return rotate_to_next_degree_value(angle, step);
}
int32_t angle_passed_through_zero(double angle, double change) {
  ExtendedPrecision guard;
  return tolmer::angle_passed_through_zero(angle, change);
}

// -------------------------------------------------------------- rectangles

Rect lower_left_justified(Rect r) {
  set_rect_lower_left_justified(r.x1, r.y1, r.x2, r.y2);
  return r;
}
int32_t rect_in_rect(const Rect& a, const Rect& b) {
  return tolmer::rect_in_rect(a, b);
}
bool is_point_in_rect(double x, double y, const Rect& rect, bool exclusive) {
  return tolmer::is_point_in_rect(x, y, rect, exclusive);
}

// -------------------------------------------------------------------- bits

namespace {
bool inside(std::span<const std::byte> bits, int32_t bit) {
  return bit >= 0 && static_cast<std::size_t>(bit) / 8 < bits.size();
}
}  // namespace

int32_t total_bits_set(int32_t value, int32_t count) {
  return tolmer::total_bits_set(value, count);
}
int32_t first_bit_set(int32_t value, int32_t start, int32_t count) {
  return tolmer::first_bit_set(value, start, count);
}
bool examine_bit(std::span<const std::byte> bits, int32_t bit) {
  return inside(bits, bit) && tolmer::examine_bit(bits.data(), bit);
}
void clear_bit(std::span<std::byte> bits, int32_t bit) {
  if (inside(bits, bit)) tolmer::clear_bit(bits.data(), bit);
}
void set_bit(std::span<std::byte> bits, int32_t bit) {
  if (inside(bits, bit)) tolmer::set_bit(bits.data(), bit);
}
void toggle_bit(std::span<std::byte> bits, int32_t bit) {
  if (inside(bits, bit)) tolmer::toggle_bit(bits.data(), bit);
}
int32_t shift_bits_left(int32_t value, int32_t count) {
  return tolmer::shift_bits_left(value, count);
}
int32_t shift_bits_right(int32_t value, int32_t count) {
  return tolmer::shift_bits_right(value, count);
}
std::byte rotate_left(std::byte value, int32_t count) {
  return static_cast<std::byte>(rotate_byte_left(static_cast<uint8_t>(value), count));
}
std::byte rotate_right(std::byte value, int32_t count) {
  return static_cast<std::byte>(rotate_byte_right(static_cast<uint8_t>(value), count));
}

}  // namespace tolmer::geometry

namespace tolmer::inline v1::host {


std::string_view drive_of(std::string_view path) { return drive_from_path(path); }
std::string_view directory_of(std::string_view path) { return directory_from_path(path); }
std::string_view file_name_of(std::string_view path) { return file_name_from_path(path); }
std::string_view without_file_name(std::string_view path) {
  return remove_file_name_from_full_path(path);
}
std::string export_file_name(std::string_view base_name, int32_t category, int32_t number) {
  ExtendedPrecision guard;
  return tolmer::export_file_name(base_name, category, number);
}

}  // namespace tolmer::host
