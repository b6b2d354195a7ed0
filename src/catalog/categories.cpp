// Code strings and library names of the catalog numbering.
#include "catalog/categories.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>
#include <tuple>

#include "frame/primitives.h"
#include "text/delimited.h"
#include "text/fields.h"

namespace tolmer::inline v1 {
namespace {

// ------------------------------------------------------------ code strings

// The item types listed for a sub-category of category 1: 0 to `last`, then
// the special item types that follow.
struct ItemTypeList {
  int32_t sub_category;
  int32_t last;
  std::array<int32_t, 2> specials;
  std::size_t special_count;
};

constexpr std::array<ItemTypeList, 5> kItemTypeLists{{
    {1, 3, {}, 0},
    {2, 14, {}, 0},
    {3, 4, {}, 0},
    {4, 30, {235, 254}, 2},
    {5, 39, {235, 254}, 2},
}};

// The number of sub-item types of an item type of category 1 (the list is 1
// to n).
struct SubItemTypeList {
  int32_t sub_category;
  int32_t item_type;
  int32_t count;
};

constexpr SubItemTypeList kSubItemTypeLists[] = {
    {1, 1, 1},
    {1, 2, 3},
    {1, 3, 5},

    {2, 1, 2},
    {2, 2, 3},
    {2, 3, 2},
    {2, 4, 2},
    {2, 5, 1},
    {2, 6, 1},
    {2, 7, 1},
    {2, 8, 1},
    {2, 11, 2},

    {3, 1, 2},
    {3, 2, 2},
    {3, 3, 1},
    {3, 4, 3},

    {4, 1, 14},
    {4, 2, 25},
    {4, 3, 6},
    {4, 4, 15},
    {4, 5, 5},
    {4, 6, 5},
    {4, 7, 26},
    {4, 9, 3},
    {4, 11, 2},
    {4, 12, 2},
    {4, 13, 8},
    {4, 14, 1},
    {4, 15, 1},
    {4, 16, 1},
    {4, 17, 7},
    {4, 18, 3},
    {4, 19, 1},
    {4, 20, 1},
    {4, 21, 2},
    {4, 22, 4},
    {4, 23, 1},
    {4, 24, 1},
    {4, 25, 1},
    {4, 235, 6},
    {4, 254, 3},

    {5, 1, 8},
    {5, 2, 4},
    {5, 3, 6},
    {5, 4, 2},
    {5, 5, 3},
    {5, 6, 3},
    {5, 7, 1},
    {5, 8, 3},
    {5, 9, 4},
    {5, 10, 2},
    {5, 11, 7},
    {5, 13, 5},
    {5, 14, 7},
    {5, 15, 1},
    {5, 16, 1},
    {5, 17, 4},
    {5, 18, 11},
    {5, 19, 3},
    {5, 20, 2},
    {5, 21, 1},
    {5, 25, 1},
    {5, 26, 1},
    {5, 27, 3},
    {5, 28, 3},
    {5, 34, 1},
    {5, 35, 1},
    {5, 36, 1},
    {5, 254, 3},
};

constexpr auto sub_item_list_key(const SubItemTypeList& row) {
  return std::tuple(row.sub_category, row.item_type);
}

// A list of catalog numbers is held in this many slots; 0 ends it.
constexpr std::size_t kCodeSlots = 254;
using CodeSlots = std::array<int32_t, kCodeSlots>;

constexpr bool sub_item_lists_sound() {
  for (std::size_t k = 0; k < std::size(kSubItemTypeLists); ++k) {
    const SubItemTypeList& row = kSubItemTypeLists[k];
    if (row.count < 1 || row.count > static_cast<int32_t>(kCodeSlots)) return false;
    if (k > 0 && !(sub_item_list_key(kSubItemTypeLists[k - 1]) < sub_item_list_key(row))) {
      return false;
    }
  }
  return true;
}
static_assert(sub_item_lists_sound(),
              "sub-item lists: ordered keys, 1 to 254 sub-item types per item type");

constexpr std::string_view kSeparator(&kCodeStringSeparator, 1);

// The code string of the numbers in the slots up to the first 0.
std::string join_slots(const CodeSlots& slots) {
  const auto end = std::find(slots.begin(), slots.end(), 0);
  return join_integers(
      std::span<const int32_t>(slots.data(), static_cast<std::size_t>(end - slots.begin())),
      kSeparator);
}

// Every code string, joined once on first use so that a lookup hands out a
// view of text made earlier.
struct CodeStrings {
  std::string sub_categories;
  std::array<std::string, std::size(kItemTypeLists)> item_types;
  std::array<std::string, std::size(kSubItemTypeLists)> sub_item_types;
};

CodeStrings join_code_strings() {
  CodeStrings strings;
  constexpr std::array<int32_t, 5> kSubCategories{1, 2, 3, 4, 5};
  strings.sub_categories = join_integers(kSubCategories, kSeparator);
  for (std::size_t k = 0; k < kItemTypeLists.size(); ++k) {
    const ItemTypeList& list = kItemTypeLists[k];
    CodeSlots slots{};
    std::size_t used = 0;
    for (int32_t item = 0; item <= list.last; ++item) slots[used++] = item;
    for (std::size_t s = 0; s < list.special_count; ++s) slots[used++] = list.specials[s];
    // The list starts with item type 0, so it is joined whole, not up to a 0.
    strings.item_types[k] = join_integers(std::span<const int32_t>(slots.data(), used), kSeparator);
  }
  for (std::size_t k = 0; k < std::size(kSubItemTypeLists); ++k) {
    CodeSlots slots{};
    for (int32_t n = 0; n < kSubItemTypeLists[k].count; ++n) {
      slots[static_cast<std::size_t>(n)] = n + 1;
    }
    strings.sub_item_types[k] = join_slots(slots);
  }
  return strings;
}

const CodeStrings& code_strings() {
  static const CodeStrings strings = join_code_strings();
  return strings;
}

// The code strings are joined when the library is loaded, so that no export
// call pays for it (the joining needs only constant data).
[[maybe_unused]] const CodeStrings& kJoinedAtLoad = code_strings();

// The row of an item type's sub-item list, or null.
const SubItemTypeList* find_sub_item_list(int32_t category, int32_t sub_category,
                                          int32_t item_type) {
  if (category != 1) return nullptr;
  const auto key = std::tuple(sub_category, item_type);
  const auto* found = std::lower_bound(
      std::begin(kSubItemTypeLists), std::end(kSubItemTypeLists), key,
      [](const SubItemTypeList& row, const auto& k) { return sub_item_list_key(row) < k; });
  if (found == std::end(kSubItemTypeLists) || sub_item_list_key(*found) != key) return nullptr;
  return found;
}

}  // namespace

std::string_view subcategories_code_string(int32_t category) {
  if (category != 1) return {};
  return code_strings().sub_categories;
}

std::string_view item_types_code_string(int32_t category, int32_t sub_category) {
  if (category != 1) return {};
  for (std::size_t k = 0; k < kItemTypeLists.size(); ++k) {
    if (kItemTypeLists[k].sub_category == sub_category) return code_strings().item_types[k];
  }
  return {};
}

int32_t sub_item_type_count(int32_t category, int32_t sub_category, int32_t item_type) {
  const SubItemTypeList* row = find_sub_item_list(category, sub_category, item_type);
  return row == nullptr ? 0 : row->count;
}

std::string_view sub_item_types_code_string(int32_t category, int32_t sub_category,
                                            int32_t item_type) {
  const SubItemTypeList* row = find_sub_item_list(category, sub_category, item_type);
  if (row == nullptr) return {};
  const auto k = static_cast<std::size_t>(row - std::begin(kSubItemTypeLists));
  return code_strings().sub_item_types[k];
}

// ------------------------------------------------------------ library names

void LibraryName::append(std::string_view bytes) {
  // The longest name is 38 bytes; nothing is ever cut.
  const std::size_t count = std::min(bytes.size(), kCapacity - size_);
  std::copy_n(bytes.data(), count, bytes_.data() + size_);
  size_ += count;
}

LibraryName library_name_from_categories(int32_t category, int32_t sub_category,
                                         int32_t item_type) {
  // Each number's text is at most 11 bytes, held without heap memory.
  LibraryName name;
  name.append("lib_");
  name.append(number_to_text(category, kDoubleDigits));
  name.append("_");
  name.append(number_to_text(sub_category, kDoubleDigits));
  if (item_type > 0) {
    name.append("_");
    name.append(number_to_text(item_type, kDoubleDigits));
  }
  return name;
}

LibraryNameNumbers categories_from_library_name(std::string_view name) {
  constexpr FieldDelimiter kDelimiter = FieldDelimiter::text("_");
  LibraryNameNumbers numbers;
  const std::size_t fields = count_fields(name, kDelimiter);
  const auto read = [&](int64_t k) { return round_to_int(field_value(name, k, kDelimiter)); };
  numbers.category = read(2);
  numbers.sub_category_read = fields >= 3;
  numbers.item_type_read = fields >= 4;
  if (numbers.sub_category_read) numbers.sub_category = read(3);
  if (numbers.item_type_read) numbers.item_type = read(4);
  return numbers;
}

namespace {

// True when the text, upper-cased, equals `upper` (no copy is made).
bool upper_equals(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (upper_byte(static_cast<unsigned char>(text[k])) != static_cast<unsigned char>(upper[k])) {
      return false;
    }
  }
  return true;
}

bool all_digits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), is_digit);
}

}  // namespace

bool is_valid_library_name(std::string_view name) {
  constexpr FieldDelimiter kDelimiter = FieldDelimiter::text("_");
  if (tolmer::find(name, "__", 1) != 0) return false;
  const std::size_t fields = count_fields(name, kDelimiter);
  if (fields < 3 || fields > 5) return false;
  if (!upper_equals(field_at(name, 1, kDelimiter), "LIB")) return false;
  for (std::size_t k = 2; k < fields; ++k) {
    if (!all_digits(field_at(name, static_cast<int64_t>(k), kDelimiter))) return false;
  }
  return upper_equals(field_at(name, static_cast<int64_t>(fields), kDelimiter), "LIB.VDF");
}

}  // namespace tolmer
