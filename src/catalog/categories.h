// Catalog numbering: category and sub-category descriptions, the code strings
// that list the numbers of the next level down, and symbol-library names.
//
// Catalog numbers are category, sub-category, item type and sub-item type,
// four 32-bit signed integers in that order. Category 1 is the floor plan and
// the only category with sub-categories (0 the plan itself, 1 to 5 the
// symbol groups, 6 the rulers).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolmer::inline v1 {

// ------------------------------------------------------------ descriptions

// One row of the description table. A sub-category of kAnySubCategory
// matches every sub-category of its category.
struct CategoryDescription {
  int32_t category;
  int32_t sub_category;
  std::string_view description;
};

inline constexpr int32_t kAnySubCategory = INT32_MIN;

inline constexpr std::array<CategoryDescription, 12> kCategoryDescriptions{{
    {1, 0, "Floor Plan"},
    {1, 1, "Walls/Windows/Doors"},
    {1, 2, "Electrical Appliances"},
    {1, 3, "Plumbing Fixtures"},
    {1, 4, "Power"},
    {1, 5, "Structured"},
    {1, 6, "Rulers"},
    {2, kAnySubCategory, "Document"},
    {3, kAnySubCategory, "Invoice"},
    {4, kAnySubCategory, "Estimate"},
    {5, kAnySubCategory, "Inventory Item"},
    {6, kAnySubCategory, "Label"},
}};

// The display description of a category (and, for category 1, of its
// sub-category 0 to 6); empty for every other combination. The view refers
// to constant storage.
constexpr std::string_view description_for_category_type(int32_t category,
                                                         int32_t sub_category) noexcept {
  for (const CategoryDescription& row : kCategoryDescriptions) {
    if (row.category == category &&
        (row.sub_category == kAnySubCategory || row.sub_category == sub_category)) {
      return row.description;
    }
  }
  return {};
}

// ------------------------------------------------------------ code strings

// The separator byte between the numbers of a code string.
inline constexpr char kCodeStringSeparator = static_cast<char>(0xFF);

// Code strings are joined once, when the library is loaded, by the integer
// joining of the delimited lists; the views below refer to that lasting
// storage.

// The sub-category code string of a category: "1", 255, "2", ... "5" for
// category 1, empty for every other.
std::string_view subcategories_code_string(int32_t category);
// The item-type code string of (category, sub-category); empty when there is
// no list.
std::string_view item_types_code_string(int32_t category, int32_t sub_category);
// The sub-item-type code string 1, 2, ..., n of (category, sub-category,
// item type); empty when the item type has no sub-item types.
std::string_view sub_item_types_code_string(int32_t category, int32_t sub_category,
                                            int32_t item_type);
// The number of sub-item types of an item type (0 when it has none).
int32_t sub_item_type_count(int32_t category, int32_t sub_category, int32_t item_type);

// ------------------------------------------------------------ library names

// A library name held by value (no heap memory): "lib_" and three numbers of
// at most 11 characters, each after a "_", fit.
class LibraryName {
 public:
  static constexpr std::size_t kCapacity = 40;
  void append(std::string_view bytes);
  std::string_view view() const { return {bytes_.data(), size_}; }

 private:
  std::array<char, kCapacity> bytes_{};
  std::size_t size_ = 0;
};

// "lib_<category>_<sub-category>", followed by "_<item type>" only when the
// item type is above 0. No number is checked against the catalog.
LibraryName library_name_from_categories(int32_t category, int32_t sub_category,
                                         int32_t item_type);

// The catalog numbers read back from a library name: fields split at "_";
// field 2 is the category, field 3 the sub-category and field 4 the item
// type, each read as a number and rounded to the nearest integer (ties to
// even; NaN, infinities and out-of-range values give INT32_MIN). A field
// the name lacks leaves -1 and is marked not read (the category is always
// read: a missing field 2 reads as 0).
struct LibraryNameNumbers {
  int32_t category = -1;
  int32_t sub_category = -1;
  int32_t item_type = -1;
  bool sub_category_read = false;  // the name has a field 3
  bool item_type_read = false;     // the name has a field 4
};
LibraryNameNumbers categories_from_library_name(std::string_view name);

// True when the name is a library file name: 3 to 5 fields separated by
// single "_", the first "LIB" and the last "LIB.VDF" (any letter case), the
// ones between made of the digits 0 to 9 only.
bool is_valid_library_name(std::string_view name);

}  // namespace tolmer
