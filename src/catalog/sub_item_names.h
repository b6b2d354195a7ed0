// Symbol sub-item-type names: the display name of each variant of an item
// type (a Duplex receptacle, a Three Way switch).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tolmer::inline v1 {

// One entry: (sub-category, item type, sub-item type) of category 1 and its
// name.
struct SubItemName {
  int32_t sub_category;
  int32_t item_type;
  int32_t sub_item_type;
  std::string_view name;
};

// The table, ordered by sub-category, item type, sub-item type.
std::span<const SubItemName> sub_item_name_table();

// The name of a sub-item type; empty for every key not in the table (and
// every category but 1). The view refers to constant storage.
std::string_view symbol_sub_item_name(int32_t category, int32_t sub_category, int32_t item_type,
                                      int32_t sub_item_type);

}  // namespace tolmer
