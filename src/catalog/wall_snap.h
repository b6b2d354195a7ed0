// Object classes: the wall-snap record numbering of plan objects, and the
// tests of an object's comma-separated type key (wall, wire) and of a view
// number against a list.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tolmer::inline v1 {

// One wall-snap entry: (sub-category, item type, sub-item type) of category 1
// and the index of its record in the host's wall-snap array.
struct WallSnapEntry {
  int32_t sub_category;
  int32_t item_type;
  int32_t sub_item_type;
  int32_t index;
};

// The table, ordered by key.
std::span<const WallSnapEntry> wall_snap_table();

// The wall-snap index of an object kind: 1 to 262, or 0 when the kind has no
// record (every category but 1, every key not in the table).
int32_t object_wall_snap_index(int32_t category, int32_t sub_category, int32_t item_type,
                               int32_t sub_item_type);

// The largest index the mapping yields over category 1, sub-categories 1 to
// 5, item types 1 to 254 and sub-item types 1 to 254 (0 when none), derived
// from the table.
int32_t highest_object_wall_snap_index();

// True when fields 1, 2 and 3 of the comma-separated key each read as the
// number 1 (a floor-plan wall); a key of fewer than 3 fields is no wall.
bool is_object_a_wall(std::string_view key);

// The wire type of a comma-separated key (fields category, sub-category,
// item type, sub-item type, each read as a number and rounded to the nearest
// integer, ties to even): the sub-item type when the item type is 250 to 254;
// else its negation when the sub-category is 0 and the item type 12 to 14;
// else 0. A key of fewer than 4 fields gives 0. The negation of INT32_MIN
// (the value of a NaN, infinite or out-of-range field) is INT32_MIN.
int32_t object_wire_type(std::string_view key);

// True when a field of the view list (the default comma rule: quoted fields
// keep their commas) reads as the number `view`. An empty list holds one
// empty field, which reads as 0.
bool is_symbol_view_number_valid(int32_t view, std::string_view view_list);

}  // namespace tolmer
