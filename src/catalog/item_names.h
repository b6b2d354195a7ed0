// Symbol item-type names: the plural and singular display names of every item
// type of the floor plan's sub-categories 0 to 5, and the reverse lookup of
// an item type from a typed or stored name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tolmer::inline v1 {

// One forward entry: item type of a sub-category of category 1 with its two
// names (the same text twice where one name serves both forms).
struct ItemName {
  int32_t sub_category;
  int32_t item_type;
  std::string_view plural;
  std::string_view singular;
};

// The forward table, ordered by sub-category, then item type.
std::span<const ItemName> item_name_table();

// The name of an item type: the plural name for a non-zero plural flag, the
// singular name for 0; empty when (category, sub-category, item type) is not
// in the table. The view refers to constant storage.
std::string_view symbol_item_name(int32_t category, int32_t sub_category, int32_t item_type,
                                  int32_t plural);

// The item type whose upper-case name equals `upper_name` exactly within the
// sub-category (category 1 only); 0 when none does. The names recognised are
// the upper-case forms of the forward names, except: 10201 is never
// recognised; 235 is not recognised in sub-category 2; 31 to 33 are not in
// sub-category 4; the wires (254) are recognised from "WIRE" only; "BATTERY
// BACKUP (UPS)" also gives 28 in sub-category 4, "SPEAKER" 11 and "GENERAL"
// 235 in sub-category 5.
int32_t symbol_item_type_from_upper_name(int32_t category, int32_t sub_category,
                                         std::string_view upper_name);

// The same look-up of a name as typed: trimmed (spaces only) and upper-cased
// first, without allocating (a name longer than every recognised one finds
// nothing).
int32_t symbol_item_type_from_name(int32_t category, int32_t sub_category,
                                   std::string_view name);

// One name of the reverse table.
struct ReverseItemName {
  int32_t sub_category;
  std::string_view upper_name;
  int32_t item_type;
};

// The reverse table, ordered by sub-category, then name bytes.
std::span<const ReverseItemName> reverse_item_name_table();

}  // namespace tolmer
