// The symbol catalog: every look-up returns a view into constant tables (no
// allocation); an unknown key gives the empty view, 0 or nothing.
#pragma once

#include "tolmer/version.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolmer::inline v1::catalog {

// Catalog numbers of a symbol or record.
struct CatalogKey {
  int32_t category = 0;
  int32_t sub_category = 0;
  int32_t item_type = 0;
  int32_t sub_item_type = 0;
};

std::string_view category_description(int32_t category, int32_t sub_category);
std::string_view subcategories_code_string(int32_t category);
std::string_view item_types_code_string(int32_t category, int32_t sub_category);
std::string_view sub_item_types_code_string(int32_t category, int32_t sub_category,
                                            int32_t item_type);
// "lib_<category>_<sub-category>[_<item type>]".
std::string library_name(int32_t category, int32_t sub_category, int32_t item_type);
// The same name held by value, without allocation ("lib_" and three numbers
// of at most 11 characters fit).
struct LibraryName {
  std::array<char, 40> bytes{};
  std::size_t size = 0;
  std::string_view view() const noexcept { return {bytes.data(), size}; }
};
LibraryName library_name_value(int32_t category, int32_t sub_category, int32_t item_type);
// The numbers read back from a library name (-1 for a field it lacks).
CatalogKey categories_from_library_name(std::string_view name);
// The same numbers, with which fields the name holds: fields split at "_",
// field 2 the category (0 when the name lacks it), field 3 the sub-category
// and field 4 the item type, each rounded to the nearest integer (ties to
// even; NaN, infinities and out-of-range values give INT32_MIN).
struct LibraryNameFields {
  int32_t category = 0;
  std::optional<int32_t> sub_category;
  std::optional<int32_t> item_type;
};
LibraryNameFields library_name_fields(std::string_view name);
bool is_valid_library_name(std::string_view name);

std::string_view item_name(int32_t category, int32_t sub_category, int32_t item_type,
                           bool plural);
// The item type named `name` (trimmed, upper-cased), nothing when none.
std::optional<int32_t> item_type_from_name(int32_t category, int32_t sub_category,
                                           std::string_view name);
std::string_view sub_item_name(const CatalogKey& key);

// Wall snapping and object tests.
std::optional<int32_t> wall_snap_index(const CatalogKey& key);
int32_t highest_wall_snap_index();
bool is_wall(std::string_view key);
int32_t wire_type(std::string_view key);  // 0 for no wire
bool is_symbol_view_number_valid(int32_t view, std::string_view view_list);

// Descriptions and name rules.
std::string_view wire_type_description(int32_t wire_type);
std::string_view drawing_tool_description(int32_t tool_type);
int32_t text_box_part(std::string_view object_name);
std::string_view folder_name_invalid_characters();
std::string_view category_name_invalid_characters();
std::string_view circuit_name_invalid_characters();
std::string_view symbol_name_invalid_characters();

}  // namespace tolmer::catalog
