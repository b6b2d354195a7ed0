// The wall-snap numbering and the object tests.
#include "catalog/wall_snap.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <tuple>

#include "frame/primitives.h"
#include "text/fields.h"

namespace tolmer::inline v1 {
namespace {

// sub-category, item type, sub-item type -> wall-snap index, in index order
// within each item type as the numbering was laid out.
constexpr WallSnapEntry kWallSnapEntries[] = {
    // Sub-category 1 (Walls/Windows/Doors)
    // item type 1 (Wall): 1 -> 1
    {1, 1, 1, 1},
    // item type 2 (Window): 2 -> 2; 1 -> 3; 3 -> 4
    {1, 2, 2, 2},
    {1, 2, 1, 3},
    {1, 2, 3, 4},
    // item type 3 (Door): 2 -> 5; 1 -> 6; 3-5 -> 7-9
    {1, 3, 2, 5},
    {1, 3, 1, 6},
    {1, 3, 3, 7},
    {1, 3, 4, 8},
    {1, 3, 5, 9},

    // Sub-category 2 (Electrical Appliances)
    // item type 1 (Range): 1-2 -> 10-11
    {2, 1, 1, 10},
    {2, 1, 2, 11},
    // item type 2 (Refrigerator): 1-3 -> 12-14
    {2, 2, 1, 12},
    {2, 2, 2, 13},
    {2, 2, 3, 14},
    // item type 3 (Washer): 1-2 -> 15-16
    {2, 3, 1, 15},
    {2, 3, 2, 16},
    // item type 4 (Dryer): 1-2 -> 17-18
    {2, 4, 1, 17},
    {2, 4, 2, 18},
    // item type 5 (Furnace): 1 -> 19
    {2, 5, 1, 19},
    // item type 6 (Dish Washer): 1 -> 20
    {2, 6, 1, 20},
    // item type 7 (Trash Compactor): 1 -> 21
    {2, 7, 1, 21},
    // item type 8 (Hot Water Heater): 1 -> 22
    {2, 8, 1, 22},
    // item type 11 (Hot Tub): 1-2 -> 23-24
    {2, 11, 1, 23},
    {2, 11, 2, 24},

    // Sub-category 3 (Plumbing Fixtures)
    // item type 1 (Shower): 1-2 -> 25-26
    {3, 1, 1, 25},
    {3, 1, 2, 26},
    // item type 2 (Bath Tub): 1-2 -> 27-28
    {3, 2, 1, 27},
    {3, 2, 2, 28},
    // item type 3 (Toilet): 1 -> 29
    {3, 3, 1, 29},
    // item type 4 (Sink): 1-3 -> 30-32
    {3, 4, 1, 30},
    {3, 4, 2, 31},
    {3, 4, 3, 32},

    // Sub-category 4 (Power)
    // item type 1 (Receptacle): 1-13 -> 33-45; 14 -> 262
    {4, 1, 1, 33},
    {4, 1, 2, 34},
    {4, 1, 3, 35},
    {4, 1, 4, 36},
    {4, 1, 5, 37},
    {4, 1, 6, 38},
    {4, 1, 7, 39},
    {4, 1, 8, 40},
    {4, 1, 9, 41},
    {4, 1, 10, 42},
    {4, 1, 11, 43},
    {4, 1, 12, 44},
    {4, 1, 13, 45},
    {4, 1, 14, 262},
    // item type 2 (Switch): 1-6 -> 46-51; 9 -> 52; 8 -> 53; 25 -> 54; 10-24 -> 55-69; 7 -> 255
    {4, 2, 1, 46},
    {4, 2, 2, 47},
    {4, 2, 3, 48},
    {4, 2, 4, 49},
    {4, 2, 5, 50},
    {4, 2, 6, 51},
    {4, 2, 9, 52},
    {4, 2, 8, 53},
    {4, 2, 25, 54},
    {4, 2, 10, 55},
    {4, 2, 11, 56},
    {4, 2, 12, 57},
    {4, 2, 13, 58},
    {4, 2, 14, 59},
    {4, 2, 15, 60},
    {4, 2, 16, 61},
    {4, 2, 17, 62},
    {4, 2, 18, 63},
    {4, 2, 19, 64},
    {4, 2, 20, 65},
    {4, 2, 21, 66},
    {4, 2, 22, 67},
    {4, 2, 23, 68},
    {4, 2, 24, 69},
    {4, 2, 7, 255},
    // item type 3 (Heater): 1-6 -> 70-75
    {4, 3, 1, 70},
    {4, 3, 2, 71},
    {4, 3, 3, 72},
    {4, 3, 4, 73},
    {4, 3, 5, 74},
    {4, 3, 6, 75},
    // item type 4 (Light): 1-15 -> 76-90
    {4, 4, 1, 76},
    {4, 4, 2, 77},
    {4, 4, 3, 78},
    {4, 4, 4, 79},
    {4, 4, 5, 80},
    {4, 4, 6, 81},
    {4, 4, 7, 82},
    {4, 4, 8, 83},
    {4, 4, 9, 84},
    {4, 4, 10, 85},
    {4, 4, 11, 86},
    {4, 4, 12, 87},
    {4, 4, 13, 88},
    {4, 4, 14, 89},
    {4, 4, 15, 90},
    // item type 5 (Fan): 1-5 -> 91-95
    {4, 5, 1, 91},
    {4, 5, 2, 92},
    {4, 5, 3, 93},
    {4, 5, 4, 94},
    {4, 5, 5, 95},
    // item type 6 (Detector): 1-5 -> 96-100
    {4, 6, 1, 96},
    {4, 6, 2, 97},
    {4, 6, 3, 98},
    {4, 6, 4, 99},
    {4, 6, 5, 100},
    // item type 7 (Outlet): 1-26 -> 101-126
    {4, 7, 1, 101},
    {4, 7, 2, 102},
    {4, 7, 3, 103},
    {4, 7, 4, 104},
    {4, 7, 5, 105},
    {4, 7, 6, 106},
    {4, 7, 7, 107},
    {4, 7, 8, 108},
    {4, 7, 9, 109},
    {4, 7, 10, 110},
    {4, 7, 11, 111},
    {4, 7, 12, 112},
    {4, 7, 13, 113},
    {4, 7, 14, 114},
    {4, 7, 15, 115},
    {4, 7, 16, 116},
    {4, 7, 17, 117},
    {4, 7, 18, 118},
    {4, 7, 19, 119},
    {4, 7, 20, 120},
    {4, 7, 21, 121},
    {4, 7, 22, 122},
    {4, 7, 23, 123},
    {4, 7, 24, 124},
    {4, 7, 25, 125},
    {4, 7, 26, 126},
    // item type 9 (Junction Box): 1-3 -> 127-129
    {4, 9, 1, 127},
    {4, 9, 2, 128},
    {4, 9, 3, 129},
    // item type 11 (Thermostat): 1-2 -> 130-131
    {4, 11, 1, 130},
    {4, 11, 2, 131},
    // item type 12 (Grounding): 1-2 -> 132-133
    {4, 12, 1, 132},
    {4, 12, 2, 133},
    // item type 13 (Motor): 1-8 -> 134-141
    {4, 13, 1, 134},
    {4, 13, 2, 135},
    {4, 13, 3, 136},
    {4, 13, 4, 137},
    {4, 13, 5, 138},
    {4, 13, 6, 139},
    {4, 13, 7, 140},
    {4, 13, 8, 141},
    // item type 14 (Generator): 1 -> 142
    {4, 14, 1, 142},
    // item type 15 (Transformer): 1 -> 143
    {4, 15, 1, 143},
    // item type 16 (Meter): 1 -> 144
    {4, 16, 1, 144},
    // item type 17 (Alarm): 1-7 -> 145-151
    {4, 17, 1, 145},
    {4, 17, 2, 146},
    {4, 17, 3, 147},
    {4, 17, 4, 148},
    {4, 17, 5, 149},
    {4, 17, 6, 150},
    {4, 17, 7, 151},
    // item type 18 (Intercom): 1-3 -> 152-154
    {4, 18, 1, 152},
    {4, 18, 2, 153},
    {4, 18, 3, 154},
    // item type 19 (Camera): 1 -> 155
    {4, 19, 1, 155},
    // item type 20 (Modem): 1 -> 156
    {4, 20, 1, 156},
    // item type 21 (Network Router): 1-2 -> 157-158
    {4, 21, 1, 157},
    {4, 21, 2, 158},
    // item type 22 (Sensor): 1-4 -> 159-162
    {4, 22, 1, 159},
    {4, 22, 2, 160},
    {4, 22, 3, 161},
    {4, 22, 4, 162},
    // item type 23 (Door Opener): 1 -> 163
    {4, 23, 1, 163},
    // item type 24 (Door Strike): 1 -> 164
    {4, 24, 1, 164},
    // item type 25 (Control Panel): 1 -> 165
    {4, 25, 1, 165},
    // item type 235 (General): 1-6 -> 256-261
    {4, 235, 1, 256},
    {4, 235, 2, 257},
    {4, 235, 3, 258},
    {4, 235, 4, 259},
    {4, 235, 5, 260},
    {4, 235, 6, 261},

    // Sub-category 5 (Structured)
    // item type 1 (Telephone Jack): 1-8 -> 166-173
    {5, 1, 1, 166},
    {5, 1, 2, 167},
    {5, 1, 3, 168},
    {5, 1, 4, 169},
    {5, 1, 5, 170},
    {5, 1, 6, 171},
    {5, 1, 7, 172},
    {5, 1, 8, 173},
    // item type 2 (Telephone Terminal): 1-4 -> 174-177
    {5, 2, 1, 174},
    {5, 2, 2, 175},
    {5, 2, 3, 176},
    {5, 2, 4, 177},
    // item type 3 (Network Jack): 1-6 -> 178-183
    {5, 3, 1, 178},
    {5, 3, 2, 179},
    {5, 3, 3, 180},
    {5, 3, 4, 181},
    {5, 3, 5, 182},
    {5, 3, 6, 183},
    // item type 4 (Network Router): 1-2 -> 184-185
    {5, 4, 1, 184},
    {5, 4, 2, 185},
    // item type 5 (Cable Jack): 1-3 -> 186-188
    {5, 5, 1, 186},
    {5, 5, 2, 187},
    {5, 5, 3, 188},
    // item type 6 (Cable Splitter): 1-3 -> 189-191
    {5, 6, 1, 189},
    {5, 6, 2, 190},
    {5, 6, 3, 191},
    // item type 7 (Camera): 1 -> 192
    {5, 7, 1, 192},
    // item type 8 (Intercom): 1-3 -> 193-195
    {5, 8, 1, 193},
    {5, 8, 2, 194},
    {5, 8, 3, 195},
    // item type 9 (Audio Jack): 1-4 -> 196-199
    {5, 9, 1, 196},
    {5, 9, 2, 197},
    {5, 9, 3, 198},
    {5, 9, 4, 199},
    // item type 10 (Audio Control): 1-2 -> 200-201
    {5, 10, 1, 200},
    {5, 10, 2, 201},
    // item type 11 (Speakers): 1-7 -> 202-208
    {5, 11, 1, 202},
    {5, 11, 2, 203},
    {5, 11, 3, 204},
    {5, 11, 4, 205},
    {5, 11, 5, 206},
    {5, 11, 6, 207},
    {5, 11, 7, 208},
    // item type 13 (Detector): 1-5 -> 209-213
    {5, 13, 1, 209},
    {5, 13, 2, 210},
    {5, 13, 3, 211},
    {5, 13, 4, 212},
    {5, 13, 5, 213},
    // item type 14 (Alarm): 1-7 -> 214-220
    {5, 14, 1, 214},
    {5, 14, 2, 215},
    {5, 14, 3, 216},
    {5, 14, 4, 217},
    {5, 14, 5, 218},
    {5, 14, 6, 219},
    {5, 14, 7, 220},
    // item type 15 (Control Panel): 1 -> 221
    {5, 15, 1, 221},
    // item type 16 (Keypad): 1 -> 222
    {5, 16, 1, 222},
    // item type 17 (Sensor): 1-4 -> 223-226
    {5, 17, 1, 223},
    {5, 17, 2, 224},
    {5, 17, 3, 225},
    {5, 17, 4, 226},
    // item type 18 (Switch): 1-11 -> 227-237
    {5, 18, 1, 227},
    {5, 18, 2, 228},
    {5, 18, 3, 229},
    {5, 18, 4, 230},
    {5, 18, 5, 231},
    {5, 18, 6, 232},
    {5, 18, 7, 233},
    {5, 18, 8, 234},
    {5, 18, 9, 235},
    {5, 18, 10, 236},
    {5, 18, 11, 237},
    // item type 19 (Light): 1-3 -> 238-240
    {5, 19, 1, 238},
    {5, 19, 2, 239},
    {5, 19, 3, 240},
    // item type 20 (Thermostat): 1-2 -> 241-242
    {5, 20, 1, 241},
    {5, 20, 2, 242},
    // item type 21 (Transformer): 1 -> 243
    {5, 21, 1, 243},
    // item type 25 (Door Opener): 1 -> 244
    {5, 25, 1, 244},
    // item type 26 (Door Strike): 1 -> 245
    {5, 26, 1, 245},
    // item type 27 (Video Jack): 1-3 -> 246-248
    {5, 27, 1, 246},
    {5, 27, 2, 247},
    {5, 27, 3, 248},
    // item type 28 (Video Splitter): 1-3 -> 249-251
    {5, 28, 1, 249},
    {5, 28, 2, 250},
    {5, 28, 3, 251},
    // item type 34 (Modem): 1 -> 252
    {5, 34, 1, 252},
    // item type 35 (Heater): 1 -> 253
    {5, 35, 1, 253},
    // item type 36 (Fan): 1 -> 254
    {5, 36, 1, 254},
};

constexpr auto wall_snap_key(const WallSnapEntry& e) {
  return std::tuple(e.sub_category, e.item_type, e.sub_item_type);
}

constexpr auto sort_by_key() {
  std::array<WallSnapEntry, std::size(kWallSnapEntries)> sorted{};
  std::copy(std::begin(kWallSnapEntries), std::end(kWallSnapEntries), sorted.begin());
  std::sort(sorted.begin(), sorted.end(), [](const WallSnapEntry& a, const WallSnapEntry& b) {
    return wall_snap_key(a) < wall_snap_key(b);
  });
  return sorted;
}

// The entries ordered by key, for the lookup.
constexpr auto kWallSnapByKey = sort_by_key();

constexpr bool keys_unique() {
  for (std::size_t k = 1; k < kWallSnapByKey.size(); ++k) {
    if (wall_snap_key(kWallSnapByKey[k - 1]) == wall_snap_key(kWallSnapByKey[k])) return false;
  }
  return true;
}
static_assert(keys_unique(), "a wall-snap key stands once");

// The key space the host searches for the highest index: sub-categories 1 to
// 5, item and sub-item types 1 to 254.
constexpr int32_t kLastSearchedSubCategory = 5;
constexpr int32_t kLastSearchedType = 254;

// The highest index over the key space the host searches, taken from the
// table: only entries inside that space count.
constexpr int32_t highest_index() {
  int32_t highest = 0;
  for (const WallSnapEntry& e : kWallSnapEntries) {
    const bool in_space = e.sub_category >= 1 && e.sub_category <= kLastSearchedSubCategory &&
                          e.item_type >= 1 && e.item_type <= kLastSearchedType && e.sub_item_type >= 1 &&
                          e.sub_item_type <= kLastSearchedType;
    if (in_space && e.index > highest) highest = e.index;
  }
  return highest;
}

constexpr int32_t kHighestWallSnapIndex = highest_index();

// An object key: category, sub-category, item type and sub-item type, in
// fields separated by commas.
constexpr FieldDelimiter kKeyDelimiter = FieldDelimiter::text(",");
constexpr int64_t kCategoryField = 1;
constexpr int64_t kSubCategoryField = 2;
constexpr int64_t kItemTypeField = 3;
constexpr int64_t kSubItemTypeField = 4;

// A wall: category 1, sub-category 1 (Walls/Windows/Doors), item type 1.
constexpr double kWallCategory = 1.0;
constexpr double kWallSubCategory = 1.0;
constexpr double kWallItemType = 1.0;

// Wires: item types 250 to 254 in any sub-category (254 is Wire), answered
// with their sub-item type; item types 12 to 14 of sub-category 0, answered
// with their sub-item type negated.
constexpr int32_t kFirstWireItemType = 250;
constexpr int32_t kLastWireItemType = 254;
constexpr int32_t kNegatedWireSubCategory = 0;
constexpr int32_t kFirstNegatedWireItemType = 12;
constexpr int32_t kLastNegatedWireItemType = 14;

// Field k of an object key, read as a number.
double key_number(std::string_view key, int64_t k) { return field_value(key, k, kKeyDelimiter); }

}  // namespace

std::span<const WallSnapEntry> wall_snap_table() { return kWallSnapByKey; }

int32_t object_wall_snap_index(int32_t category, int32_t sub_category, int32_t item_type,
                               int32_t sub_item_type) {
  if (category != 1) return 0;
  const auto key = std::tuple(sub_category, item_type, sub_item_type);
  const auto* found =
      std::lower_bound(kWallSnapByKey.begin(), kWallSnapByKey.end(), key,
                       [](const WallSnapEntry& e, const auto& k) { return wall_snap_key(e) < k; });
  if (found == kWallSnapByKey.end() || wall_snap_key(*found) != key) return 0;
  return found->index;
}

int32_t highest_object_wall_snap_index() { return kHighestWallSnapIndex; }

bool is_object_a_wall(std::string_view key) {
  if (count_fields(key, kKeyDelimiter) < static_cast<std::size_t>(kItemTypeField)) return false;
  return key_number(key, kCategoryField) == kWallCategory &&
         key_number(key, kSubCategoryField) == kWallSubCategory &&
         key_number(key, kItemTypeField) == kWallItemType;
}

int32_t object_wire_type(std::string_view key) {
  if (count_fields(key, kKeyDelimiter) < static_cast<std::size_t>(kSubItemTypeField)) return 0;
  const int32_t sub_category = round_to_int(key_number(key, kSubCategoryField));
  const int32_t item_type = round_to_int(key_number(key, kItemTypeField));
  const int32_t sub_item_type = round_to_int(key_number(key, kSubItemTypeField));
  if (item_type >= kFirstWireItemType && item_type <= kLastWireItemType) return sub_item_type;
  if (sub_category == kNegatedWireSubCategory && item_type >= kFirstNegatedWireItemType &&
      item_type <= kLastNegatedWireItemType) {
    // Two's complement negation: INT32_MIN stays INT32_MIN.
    return static_cast<int32_t>(0u - static_cast<uint32_t>(sub_item_type));
  }
  return 0;
}

bool is_symbol_view_number_valid(int32_t view, std::string_view view_list) {
  FieldScanner scanner(view_list, FieldDelimiter::comma_rule());
  FieldSpan span;
  while (scanner.next(span)) {
    const std::string_view content =
        view_list.substr(span.content_begin, span.content_end - span.content_begin);
    if (text_to_number(content) == view) return true;
  }
  return false;
}

}  // namespace tolmer
