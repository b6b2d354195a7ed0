// Wall-snap numbering, the wall, wire and view tests, descriptions and name
// rules.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <set>
#include <string>
#include <tuple>

#include "catalog/sub_item_names.h"
#include "catalog/wall_snap.h"
#include "c_abi/libstring.h"
#include "tolmerdll.h"
#include "test_support.h"

namespace {

using test_support::take;

// -------------------------------------------------------------- wall snap

struct SnapCase {
  int32_t category;
  int32_t sub_category;
  int32_t item_type;
  int32_t sub_item_type;
  int32_t expected;
};

TEST(WallSnapIndex, Lookup) {
  const SnapCase cases[] = {
      {1, 1, 1, 1, 1},       {1, 1, 2, 2, 2},       {1, 1, 2, 1, 3},     {1, 1, 3, 2, 5},
      {1, 1, 3, 1, 6},       {1, 1, 3, 5, 9},       {1, 2, 11, 2, 24},   {1, 3, 4, 3, 32},
      {1, 4, 1, 13, 45},     {1, 4, 1, 14, 262},    {1, 4, 2, 6, 51},    {1, 4, 2, 9, 52},
      {1, 4, 2, 8, 53},      {1, 4, 2, 25, 54},     {1, 4, 2, 10, 55},   {1, 4, 2, 24, 69},
      {1, 4, 2, 7, 255},     {1, 4, 25, 1, 165},    {1, 4, 235, 1, 256}, {1, 4, 235, 6, 261},
      {1, 5, 1, 1, 166},     {1, 5, 18, 11, 237},   {1, 5, 36, 1, 254},  {2, 1, 1, 1, 0},
      {1, 0, 1, 1, 0},       {1, 1, 4, 1, 0},       {1, 4, 254, 2, 0},   {1, 5, 254, 1, 0},
      {1, 2, 9, 1, 0},       {1, 4, 8, 1, 0},       {1, 4, 1, 15, 0},    {1, 4, 1, 0, 0},
      {0, 1, 1, 1, 0},       {-1, 1, 1, 1, 0},      {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, 0},
  };
  for (const SnapCase& c : cases) {
    EXPECT_EQ(GETOBJECTWALLSNAPINDEXFROMCATEGORIES(c.category, c.sub_category, c.item_type,
                                                   c.sub_item_type),
              c.expected)
        << c.category << "," << c.sub_category << "," << c.item_type << "," << c.sub_item_type;
  }
}

TEST(WallSnapIndex, TableUsesEveryIndexOnce) {
  const auto table = tolmer::wall_snap_table();
  EXPECT_EQ(table.size(), 262u);
  std::set<int32_t> indices;
  std::set<std::tuple<int32_t, int32_t, int32_t>> keys;
  for (const tolmer::WallSnapEntry& e : table) {
    EXPECT_TRUE(indices.insert(e.index).second) << "index " << e.index << " twice";
    EXPECT_TRUE(keys.insert({e.sub_category, e.item_type, e.sub_item_type}).second);
    EXPECT_EQ(GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, e.sub_category, e.item_type,
                                                   e.sub_item_type),
              e.index);
  }
  ASSERT_FALSE(indices.empty());
  EXPECT_EQ(*indices.begin(), 1);
  EXPECT_EQ(*indices.rbegin(), 262);
}

TEST(WallSnapIndex, KeysAreTheNamedSubItemsButTheWires) {
  // Every wall-snap key has a sub-item name ...
  for (const tolmer::WallSnapEntry& e : tolmer::wall_snap_table()) {
    EXPECT_FALSE(
        tolmer::symbol_sub_item_name(1, e.sub_category, e.item_type, e.sub_item_type).empty())
        << e.sub_category << "," << e.item_type << "," << e.sub_item_type;
  }
  // ... and every named sub-item but the wires has a wall-snap index.
  int wires = 0;
  for (const tolmer::SubItemName& e : tolmer::sub_item_name_table()) {
    const int32_t index = tolmer::object_wall_snap_index(1, e.sub_category, e.item_type,
                                                         e.sub_item_type);
    if (e.item_type == 254) {
      ++wires;
      EXPECT_EQ(index, 0);
    } else {
      EXPECT_NE(index, 0) << e.sub_category << "," << e.item_type << "," << e.sub_item_type;
    }
  }
  EXPECT_EQ(wires, 6);
}

TEST(WallSnapIndex, HighestIndexFollowsTheTable) {
  // The highest index as defined: the largest value over the searched key
  // space, found by brute force through the export.
  int32_t highest = 0;
  for (int32_t sub = 1; sub <= 5; ++sub) {
    for (int32_t item = 1; item <= 254; ++item) {
      for (int32_t sub_item = 1; sub_item <= 254; ++sub_item) {
        const int32_t index = GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, sub, item, sub_item);
        if (index > highest) highest = index;
      }
    }
  }
  EXPECT_EQ(GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(), highest);
  EXPECT_EQ(GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(), 262);
}

// ------------------------------------------------------------- wall test

TEST(ObjectIsAWall, Keys) {
  struct Case {
    const char* key;
    int32_t expected;
  };
  const Case cases[] = {
      {"1,1,1", 1},      {"1,1,1,7,x", 1}, {" 1,1.0,  1", 1}, {"1,1,1abc", 1},
      {"1e0,10e-1,1", 1}, {"1,1", 0},       {"1,1,2,1", 0},     {"1,1,1.5", 0},
      {"2,1,1", 0},      {"1;1;1", 0},     {"", 0},            {",,", 0},
      {"1,1,\t1", 1},  // tabs are blanks to the number reader
  };
  for (const Case& c : cases) EXPECT_EQ(ISOBJECTAWALL(c.key), c.expected) << c.key;
  EXPECT_EQ(ISOBJECTAWALL(nullptr), 0);
}

// ------------------------------------------------------------- wire test

TEST(ObjectIsAWire, Keys) {
  struct Case {
    const char* key;
    int32_t expected;
  };
  const Case cases[] = {
      {"1,4,254,2", 2},
      {"1,5,254,3", 3},
      {"9,9,250,3", 3},
      {"x,-7,252,-4", -4},       // category and sub-category not examined
      {"1,4,253.6,5", 5},        // 253.6 rounds to 254
      {"1,4,249.5,5", 5},        // 249.5 -> 250 (ties to even)
      {"1,0,13,2", -2},
      {"1,0,12,7", -7},
      {"1,0,14,-3", 3},
      {"1,0,12.5,2", -2},        // 12.5 -> 12
      {"1,0,14.5,1", -1},        // 14.5 -> 14
      {"1,0,11.5,1", -1},        // 11.5 -> 12
      {"1,4,254.5,1", 1},        // 254.5 -> 254
      {"1,4,255.5,1", 0},        // 255.5 -> 256
      {"1,1,13,2", 0},
      {"1,4,254", 0},
      {"1,4,255,1", 0},
      {"1,0,11,1", 0},
      {"1,0,13,1e20", INT32_MIN},  // INT32_MIN negated stays INT32_MIN
      {"1,4,254,1e20", INT32_MIN},
      {"1,4,254,2.5", 2},
      {"1,4,254,3.5", 4},
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ISOBJECTAWIRE(c.key), c.expected) << c.key;
  EXPECT_EQ(ISOBJECTAWIRE(nullptr), 0);
}

// ------------------------------------------------------------- view test

TEST(SymbolViewNumber, Membership) {
  struct Case {
    int32_t view;
    const char* list;
    int32_t expected;
  };
  const Case cases[] = {
      {3, "1,2,3", -1},     {4, "1,2,3", 0},      {1, "1,2,3", -1},    {0, "", -1},
      {1, "", 0},           {0, "1,,3", -1},      {5, " 5", -1},       {5, "5.0", -1},
      {5, "5.5", 0},        {1, "\"1,2\",3", -1}, {2, "\"1,2\",3", 0}, {3, "\"1,2\",3", -1},
      {-2, "-2", -1},       {16, "&H10", -1},     {7, "x7", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(c.view, c.list), c.expected) << c.view << " in " << c.list;
  }
  EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(0, nullptr), -1);
  EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(1, nullptr), 0);
}

// ------------------------------------------------ descriptions, name rules

TEST(WireTypeDescription, Table) {
  const std::pair<int32_t, const char*> cases[] = {
      {1, "Curved"}, {2, "Straight"}, {3, "Sweeping"}, {0, ""}, {4, ""}, {-1, ""}, {INT32_MIN, ""},
  };
  for (const auto& [type, expected] : cases) {
    EXPECT_EQ(take(GETDESCRIPTIONFORWIRETYPE(type)), expected) << type;
  }
}

TEST(DrawingToolTypeDescription, Table) {
  const std::pair<int32_t, const char*> cases[] = {
      {1, "Line"},   {2, "Polyline"}, {3, "Rectangle"}, {4, "Circle"},     {5, "Ellipse"},
      {6, "Arc"},    {7, "Text"},     {8, "Label"},     {9, "Image"},      {10, "Dimension"},
      {11, "Box"},   {12, ""},        {0, ""},          {-8, ""},          {INT32_MAX, ""},
  };
  for (const auto& [type, expected] : cases) {
    EXPECT_EQ(take(GETDESCRIPTIONFORDRAWINGTOOLTYPE(type)), expected) << type;
  }
}

TEST(TextBoxPart, Prefixes) {
  const std::pair<const char*, int32_t> cases[] = {
      {"TEXTBOX PRIMARY 12", 1},
      {"TEXTBOX PRIMARY", 1},
      {"TEXTBOX SECONDARY", 2},
      {"TEXTBOX SECONDARYX", 2},
      {"TEXTBOX BOUNDRY", 3},
      {"TEXTBOX BACKGROUNDS", 4},
      {"TEXTBOX BACKGROUND", 4},
      {"TEXTBOX BOUNDARY", 0},
      {"textbox primary", 0},
      {"TEXTBOX PRIMAR", 0},
      {" TEXTBOX PRIMARY", 0},
      {"TEXTBOX", 0},
      {"", 0},
  };
  for (const auto& [name, expected] : cases) {
    EXPECT_EQ(ISOBJECTPARTOFTEXTBOX(name), expected) << name;
  }
  EXPECT_EQ(ISOBJECTPARTOFTEXTBOX(nullptr), 0);
}

TEST(InvalidCharacters, Sets) {
  EXPECT_EQ(take(GETFOLDERNAMEINVALIDCHARACTERS()),
            std::string({47, 92, 58, 42, 63, 60, 62, 124, 34}));
  EXPECT_EQ(take(GETCATEGORYNAMEINVALIDCHARACTERS()),
            std::string({46, 44, 47, 92, 58, 42, 63, 60, 62, 124, 95, 34}));
  EXPECT_EQ(take(GETCIRCUITNAMEINVALIDCHARACTERS()), std::string({46, 44, 58, 42, 63, 34}));
  EXPECT_EQ(take(GETSYMBOLNAMEINVALIDCHARACTERS()), std::string({46, 44, 47, 92, 58, 42, 63, 34}));
}

}  // namespace
