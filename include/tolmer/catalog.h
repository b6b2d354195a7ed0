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

[[nodiscard]] std::string_view category_description(int32_t category, int32_t sub_category) noexcept;
[[nodiscard]] std::string_view subcategories_code_string(int32_t category) noexcept;
[[nodiscard]] std::string_view item_types_code_string(int32_t category, int32_t sub_category) noexcept;
[[nodiscard]] std::string_view sub_item_types_code_string(int32_t category, int32_t sub_category,
                                            int32_t item_type) noexcept;
// "lib_<category>_<sub-category>[_<item type>]".
[[nodiscard]] std::string library_name(int32_t category, int32_t sub_category, int32_t item_type);
// The same name held by value, without allocation ("lib_" and three numbers
// of at most 11 characters fit).
struct LibraryName {
  std::array<char, 40> bytes{};
  std::size_t size = 0;
  // A view of the bytes held here: only of a named LibraryName (a view of a
  // temporary would dangle).
  [[nodiscard]] std::string_view view() const& noexcept TOLMER_LIFETIME_BOUND {
    return {bytes.data(), size};
  }
  std::string_view view() const&& = delete;
};
[[nodiscard]] LibraryName library_name_value(int32_t category, int32_t sub_category, int32_t item_type) noexcept;
// The numbers read back from a library name (-1 for a field it lacks).
[[nodiscard]] CatalogKey categories_from_library_name(std::string_view name);
// The same numbers, with which fields the name holds: fields split at "_",
// field 2 the category (0 when the name lacks it), field 3 the sub-category
// and field 4 the item type, each rounded to the nearest integer (ties to
// even; NaN, infinities and out-of-range values give INT32_MIN).
struct LibraryNameFields {
  int32_t category = 0;
  std::optional<int32_t> sub_category;
  std::optional<int32_t> item_type;
};
[[nodiscard]] LibraryNameFields library_name_fields(std::string_view name);
[[nodiscard]] bool is_valid_library_name(std::string_view name);

[[nodiscard]] std::string_view item_name(int32_t category, int32_t sub_category, int32_t item_type,
                           bool plural) noexcept;
// The item type named `name` (trimmed, upper-cased), nothing when none.
[[nodiscard]] std::optional<int32_t> item_type_from_name(int32_t category, int32_t sub_category,
                                           std::string_view name);
[[nodiscard]] std::string_view sub_item_name(const CatalogKey& key) noexcept;

// Wall snapping and object tests.
[[nodiscard]] std::optional<int32_t> wall_snap_index(const CatalogKey& key) noexcept;
[[nodiscard]] int32_t highest_wall_snap_index() noexcept;
[[nodiscard]] bool is_wall(std::string_view key);
[[nodiscard]] int32_t wire_type(std::string_view key);  // 0 for no wire
[[nodiscard]] bool is_symbol_view_number_valid(int32_t view, std::string_view view_list);

// Descriptions and name rules.
[[nodiscard]] std::string_view wire_type_description(int32_t wire_type) noexcept;
[[nodiscard]] std::string_view drawing_tool_description(int32_t tool_type) noexcept;
[[nodiscard]] int32_t text_box_part(std::string_view object_name);
[[nodiscard]] std::string_view folder_name_invalid_characters() noexcept;
[[nodiscard]] std::string_view category_name_invalid_characters() noexcept;
[[nodiscard]] std::string_view circuit_name_invalid_characters() noexcept;
[[nodiscard]] std::string_view symbol_name_invalid_characters() noexcept;

}  // namespace tolmer::catalog
