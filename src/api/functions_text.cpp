// The free functions of the C++ interface: text, geometry and host. (The bit
// operations are constexpr, in tolmer/bits.h.)
#include <algorithm>
#include <climits>
#include <cstddef>

#include "frame/precision.h"
#include "frame/primitives.h"
#include "geometry/angles.h"
#include "geometry/rects.h"
#include "host/input.h"
#include "host/paths.h"
#include "host/portable_paths.h"
#include "text/delimited.h"
#include "text/fields.h"
#include "text/strings.h"
#include "tolmer/geometry.h"
#include "tolmer/host.h"
#include "tolmer/text.h"

namespace tolmer::inline v1::text {

namespace {

// The 1-based position of the core for a 0-based index: an index too large
// for it names no field there either.
int64_t position_of(std::size_t index) {
  if (index >= static_cast<std::uint64_t>(INT64_MAX)) return INT64_MAX;
  return static_cast<int64_t>(index) + 1;
}

// A 1-based position of the core (0 or less: none) as a 0-based index.
std::optional<std::size_t> index_from(int32_t position) {
  if (position < 1) return std::nullopt;
  return static_cast<std::size_t>(position) - 1u;
}

}  // namespace

// ------------------------------------------------------------------ fields

std::size_t field_count(std::string_view text, std::string_view delimiter) noexcept {
  return count_fields(text, delimiter);
}

std::string_view field(std::string_view text, std::size_t index, std::string_view delimiter) noexcept {
  return field_at(text, position_of(index), delimiter);
}

double field_value(std::string_view text, std::size_t index, std::string_view delimiter) {
  ExtendedPrecision guard;
  return tolmer::field_value(text, position_of(index), delimiter);
}

std::optional<std::string> replace_field(std::string_view list, std::size_t index,
                                         std::string_view part, std::string_view delimiter) {
  return tolmer::replace_field(list, position_of(index), part, delimiter);
}

// ------------------------------------------------------------------- lists

std::string_view effective_delimiter(std::string_view delimiter) noexcept {
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

std::optional<std::size_t> find_in_list(std::string_view list, std::string_view item,
                                        std::string_view delimiter, bool keep_spaces,
                                        bool match_case) {
  return index_from(
      tolmer::find_in_list(list, item, effective_delimiter(delimiter), keep_spaces, match_case));
}

std::optional<std::string> remove_from_list(std::string_view list, std::size_t index,
                                            std::string_view delimiter) {
  ListRemoval removal = list_without(list, index, delimiter);
  if (!removal.removed) return std::nullopt;
  return std::move(removal.list);
}

ListRemoval list_without(std::string_view list, std::size_t index, std::string_view delimiter) {
  tolmer::ListRemoval removal =
      tolmer::remove_from_list(list, position_of(index), effective_delimiter(delimiter));
  return ListRemoval{std::move(removal.list), removal.removed};
}

std::optional<std::size_t> index_of(int32_t value, std::span<const int32_t> values,
                                    std::size_t first) noexcept {
  if (first >= values.size()) return std::nullopt;
  const auto at = std::find(values.begin() + static_cast<std::ptrdiff_t>(first), values.end(), value);
  if (at == values.end()) return std::nullopt;
  return static_cast<std::size_t>(at - values.begin());
}

// ----------------------------------------------------------------- strings

std::string reverse(std::string_view text) { return reverse_bytes(text); }
std::string_view strip_blanks(std::string_view text) noexcept { return tolmer::trim(text); }
bool is_numeric(std::string_view text) noexcept { return is_unsigned_decimal(text); }
std::optional<std::size_t> first_of(std::string_view text, std::string_view characters) noexcept {
  return index_from(first_contained_character(text, characters));
}

}  // namespace tolmer::text

namespace tolmer::inline v1::geometry {

double reduce_to_360(double angle, bool allow_360) noexcept {
  ExtendedPrecision guard;
  return reduce_to_360_degree_angle(angle, allow_360);
}
double offset_from_angles(double start, double end, Turn turn, double limit) noexcept {
  ExtendedPrecision guard;
  return tolmer::offset_from_angles(start, end, static_cast<int32_t>(turn), limit);
}
double add_angle_offset(double angle, double offset) noexcept {
  ExtendedPrecision guard;
  return tolmer::add_angle_offset(angle, offset);
}
double rotate_degrees(double angle, double change) noexcept {
  ExtendedPrecision guard;
  return rotate_degrees_value(angle, change);
}
double rotate_to_next_degree(double angle, double step) noexcept {
  ExtendedPrecision guard;
  return rotate_to_next_degree_value(angle, step);
}
ZeroCrossing angle_passed_through_zero(double angle, double change) noexcept {
  ExtendedPrecision guard;
  const int32_t code = tolmer::angle_passed_through_zero(angle, change);
  return code > 0 ? ZeroCrossing::Upward : code < 0 ? ZeroCrossing::Downward : ZeroCrossing::None;
}

// -------------------------------------------------------------- rectangles

Rect lower_left_justified(Rect r) noexcept {
  set_rect_lower_left_justified(r.x1, r.y1, r.x2, r.y2);
  return r;
}
RectRelation rect_in_rect(const Rect& a, const Rect& b) noexcept {
  switch (tolmer::rect_in_rect(a, b)) {
    case 1: return RectRelation::Within;
    case 2: return RectRelation::HoldsCorner;
    default: return RectRelation::Neither;
  }
}
bool is_point_in_rect(double x, double y, const Rect& rect, bool exclusive) noexcept {
  return tolmer::is_point_in_rect(x, y, rect, exclusive);
}

}  // namespace tolmer::geometry

namespace tolmer::inline v1::host {


std::string_view drive_of(std::string_view path) noexcept {
  return path.substr(0, split_path(path).root_end);
}
std::string_view directory_of(std::string_view path) noexcept {
  const PathSplit split = split_path(path);
  return path.substr(split.root_end, split.directory_end - split.root_end);
}
std::string_view file_name_of(std::string_view path) noexcept {
  return path.substr(split_path(path).directory_end);
}
std::string_view without_file_name(std::string_view path) noexcept {
  return path.substr(0, split_path(path).directory_end);
}
std::string export_file_name(std::string_view base_name, int32_t category, int32_t number) {
  ExtendedPrecision guard;
  return tolmer::export_file_name(base_name, category, number);
}

}  // namespace tolmer::host
