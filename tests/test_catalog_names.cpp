// Item-type names (forward and reverse) and sub-item-type names.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <tuple>

#include "catalog/item_names.h"
#include "catalog/sub_item_names.h"
#include "c_abi/libstring.h"
#include "tolmerdll.h"
#include "test_support.h"

namespace {

using test_support::take;

// A caller's name buffer; bytes past the text are filled with '#' so that
// writes beyond the rewritten name show.
struct NameBuffer {
  explicit NameBuffer(const std::string& text) {
    bytes.fill('#');
    std::memcpy(bytes.data(), text.data(), text.size());
    bytes[text.size()] = '\0';
  }
  std::array<char, 64> bytes{};
  std::string str() const { return std::string(bytes.data()); }
};

// ----------------------------------------------------------- forward names

struct ForwardCase {
  int32_t category;
  int32_t sub_category;
  int32_t item_type;
  int32_t plural;
  const char* expected;
};

TEST(SymbolItemName, ForwardLookup) {
  const ForwardCase cases[] = {
      {1, 5, 1, 1, "Telephone Jacks"},
      {1, 5, 1, 0, "Telephone Jack"},
      {1, 5, 1, 7, "Telephone Jacks"},
      {1, 5, 1, -1, "Telephone Jacks"},
      {1, 5, 1, INT32_MIN, "Telephone Jacks"},
      {1, 5, 11, 0, "Speakers"},
      {1, 4, 28, 0, "Battery Backups (UPS)"},
      {1, 4, 12, 1, "Grounding"},
      {1, 4, 12, 0, "Grounding"},
      {1, 2, 235, 0, "GENERAL"},
      {1, 4, 235, 1, "General"},
      {1, 2, 14, 1, "A/C Units"},
      {1, 2, 14, 0, "A/C Unit"},
      {1, 1, 10201, 0, "Graphic Object"},
      {1, 5, 38, 1, "Meters"},
      {1, 4, 254, 1, "Wires"},
      {1, 4, 33, 0, "Motor Starter"},
      {1, 0, 248, 1, "Arrows"},
      {1, 0, 249, 0, "Drawing Shape"},
      {1, 5, 235, 1, ""},
      {1, 1, 235, 1, ""},
      {1, 0, 1, 1, ""},
      {1, 6, 1, 1, ""},
      {2, 5, 1, 1, ""},
      {1, 5, 0, 1, ""},
      {1, 5, 39, 1, ""},
      {1, 3, 254, 1, ""},
      {0, 0, 0, 0, ""},
      {1, INT32_MIN, INT32_MIN, 0, ""},
  };
  for (const ForwardCase& c : cases) {
    EXPECT_EQ(take(GETSYMBOLITEMNAMEFROMTYPE(c.category, c.sub_category, c.item_type, c.plural)),
              c.expected)
        << c.sub_category << ", " << c.item_type << ", " << c.plural;
  }
}

TEST(SymbolItemName, TableShape) {
  const auto table = tolmer::item_name_table();
  EXPECT_EQ(table.size(), 114u);
  for (const tolmer::ItemName& e : table) {
    EXPECT_LE(e.plural.size(), 21u);
    EXPECT_LE(e.singular.size(), 21u);
    EXPECT_FALSE(e.singular.empty());
    // Every entry is reachable through the export with both flags.
    EXPECT_EQ(take(GETSYMBOLITEMNAMEFROMTYPE(1, e.sub_category, e.item_type, 1)), e.plural);
    EXPECT_EQ(take(GETSYMBOLITEMNAMEFROMTYPE(1, e.sub_category, e.item_type, 0)), e.singular);
  }
}

// ----------------------------------------------------------- reverse names

struct ReverseCase {
  int32_t category;
  int32_t sub_category;
  const char* name;
  int32_t expected;
  const char* buffer_after;
};

TEST(SymbolItemType, ReverseLookupAndBufferRewrite) {
  const ReverseCase cases[] = {
      {1, 5, "  telephone jack ", 1, "TELEPHONE JACK"},
      {1, 5, "Telephone Jacks", 1, "TELEPHONE JACKS"},
      {1, 5, "Speaker", 11, "SPEAKER"},
      {1, 5, "speakers", 11, "SPEAKERS"},
      {1, 4, "Wires", 0, "WIRES"},
      {1, 4, "wire", 254, "WIRE"},
      {1, 5, "WIRES", 0, "WIRES"},
      {1, 5, "Wire", 254, "WIRE"},
      {1, 5, "general", 235, "GENERAL"},
      {1, 4, "General", 235, "GENERAL"},
      {1, 2, "General", 0, "GENERAL"},
      {1, 2, "a/c units", 14, "A/C UNITS"},
      {1, 2, "A/C Unit", 14, "A/C UNIT"},
      {1, 4, "battery backups (ups)", 28, "BATTERY BACKUPS (UPS)"},
      {1, 4, "Battery Backup (UPS)", 28, "BATTERY BACKUP (UPS)"},
      {1, 5, "Battery Backup (UPS)", 0, "BATTERY BACKUP (UPS)"},
      {1, 5, "battery backup", 24, "BATTERY BACKUP"},
      {1, 4, "Service Panel", 0, "SERVICE PANEL"},
      {1, 4, "Relays", 0, "RELAYS"},
      {1, 4, "motor starter", 0, "MOTOR STARTER"},
      {1, 4, "network hubs", 30, "NETWORK HUBS"},
      {1, 1, "Graphic Objects", 0, "GRAPHIC OBJECTS"},
      {1, 0, "arrows", 248, "ARROWS"},
      {1, 0, "Drawing Shape", 249, "DRAWING SHAPE"},
      {1, 0, "Wall", 0, "WALL"},
      {1, 1, "wall", 1, "WALL"},
      {1, 6, "Rulers", 0, "RULERS"},
      {2, 5, "Camera", 0, "CAMERA"},
      {0, 5, "camera", 0, "CAMERA"},
      {1, 5, "\tCamera", 0, "\tCAMERA"},   // a tab is no blank
      {1, 5, "Cam era", 0, "CAM ERA"},
      {1, 5, "caf\xE9", 0, "CAF\xC9"},      // accented letters are upper-cased too
  };
  for (const ReverseCase& c : cases) {
    NameBuffer buffer(c.name);
    EXPECT_EQ(GETSYMBOLITEMTYPEFROMNAME(c.category, c.sub_category, buffer.bytes.data()),
              c.expected)
        << c.name;
    EXPECT_EQ(buffer.str(), c.buffer_after) << c.name;
  }
}

TEST(SymbolItemType, BlankNamesLeaveTheBufferUntouched) {
  for (const char* name : {"   ", "", " "}) {
    NameBuffer buffer(name);
    const auto before = buffer.bytes;
    EXPECT_EQ(GETSYMBOLITEMTYPEFROMNAME(1, 5, buffer.bytes.data()), 0);
    EXPECT_EQ(buffer.bytes, before);
  }
  EXPECT_EQ(GETSYMBOLITEMTYPEFROMNAME(1, 5, nullptr), 0);
}

TEST(SymbolItemType, RewriteStaysWithinTheTextRead) {
  // "  wire  " is 8 bytes; the rewrite is "WIRE" and a NUL, and the bytes
  // after the NUL the text had are not touched.
  NameBuffer buffer("  wire  ");
  EXPECT_EQ(GETSYMBOLITEMTYPEFROMNAME(1, 4, buffer.bytes.data()), 254);
  EXPECT_EQ(std::string(buffer.bytes.data(), 10), std::string("WIRE\0e  \0#", 10));
}

TEST(SymbolItemType, EveryForwardNameIsRecognisedUnlessExcepted) {
  // The names that are deliberately not recognised.
  const std::set<std::tuple<int32_t, int32_t>> unrecognised = {
      {2, 235}, {4, 31}, {4, 32}, {4, 33},
  };
  for (const tolmer::ItemName& e : tolmer::item_name_table()) {
    const bool excepted = e.item_type == 10201 || unrecognised.count({e.sub_category, e.item_type});
    for (const std::string_view name : {e.singular, e.plural}) {
      NameBuffer buffer{std::string(name)};
      const int32_t found = GETSYMBOLITEMTYPEFROMNAME(1, e.sub_category, buffer.bytes.data());
      const bool wire_plural = e.item_type == 254 && name == e.plural;
      EXPECT_EQ(found, excepted || wire_plural ? 0 : e.item_type)
          << e.sub_category << ": " << name;
    }
  }
}

TEST(SymbolItemType, ReverseTableIsUniquePerSubCategory) {
  std::set<std::tuple<int32_t, std::string_view>> seen;
  for (const tolmer::ReverseItemName& e : tolmer::reverse_item_name_table()) {
    EXPECT_TRUE(seen.insert({e.sub_category, e.upper_name}).second)
        << e.sub_category << ": " << e.upper_name;
    EXPECT_NE(e.item_type, 0);
    for (const char c : e.upper_name) EXPECT_FALSE(c >= 'a' && c <= 'z') << e.upper_name;
  }
  // Only the listed additions are not forward names.
  EXPECT_EQ(tolmer::symbol_item_type_from_upper_name(1, 5, "SPEAKER"), 11);
  EXPECT_EQ(tolmer::symbol_item_type_from_upper_name(1, 5, "GENERAL"), 235);
  EXPECT_EQ(tolmer::symbol_item_type_from_upper_name(1, 4, "BATTERY BACKUP (UPS)"), 28);
  EXPECT_EQ(tolmer::symbol_item_type_from_upper_name(1, 4, "Wire"), 0);  // exact bytes only
}

// ---------------------------------------------------------- sub-item names

struct SubItemCase {
  int32_t category;
  int32_t sub_category;
  int32_t item_type;
  int32_t sub_item_type;
  const char* expected;
};

TEST(SymbolSubItemName, Lookup) {
  const SubItemCase cases[] = {
      {1, 4, 25, 1, "Security"},
      {1, 5, 15, 1, "Security"},
      {1, 5, 16, 1, "Security"},
      {1, 1, 2, 1, "Double"},
      {1, 1, 2, 2, "Single"},
      {1, 1, 3, 1, "Right Hand Door"},
      {1, 1, 3, 2, "Left Hand Door"},
      {1, 4, 1, 14, "Single"},
      {1, 4, 2, 25, "Disconnect"},
      {1, 4, 2, 6, "Single Pole, Double Throw"},
      {1, 5, 9, 3, "Floor Mounted Microphone"},
      {1, 5, 9, 4, "Floor Mounted Microphone"},
      {1, 4, 2, 17, "Key Opertated"},
      {1, 4, 5, 2, "Paddel #2"},
      {1, 4, 254, 2, "Straight"},
      {1, 5, 254, 3, "Sweeping"},
      {1, 4, 235, 6, "Four Wire Identifier"},
      {1, 5, 36, 1, "Ventillation"},
      {1, 4, 7, 15, "Ceiling Lamp Holder With Chain"},
      {1, 4, 8, 1, ""},
      {1, 4, 1, 0, ""},
      {1, 4, 1, 15, ""},
      {1, 4, 248, 1, ""},
      {1, 5, 10201, 1, ""},
      {1, 0, 1, 1, ""},
      {2, 1, 1, 1, ""},
      {0, 0, 0, 0, ""},
      {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, ""},
  };
  for (const SubItemCase& c : cases) {
    EXPECT_EQ(take(GETSYMBOLSUBITEMNAMEFROMTYPE(c.category, c.sub_category, c.item_type,
                                                c.sub_item_type)),
              c.expected)
        << c.sub_category << ", " << c.item_type << ", " << c.sub_item_type;
  }
}

TEST(SymbolSubItemName, TableHas268UniqueKeys) {
  const auto table = tolmer::sub_item_name_table();
  EXPECT_EQ(table.size(), 268u);
  std::set<std::tuple<int32_t, int32_t, int32_t>> keys;
  for (const tolmer::SubItemName& e : table) {
    EXPECT_TRUE(keys.insert({e.sub_category, e.item_type, e.sub_item_type}).second);
    EXPECT_GE(e.sub_category, 1);
    EXPECT_LE(e.sub_category, 5);
    EXPECT_LE(e.name.size(), 30u);
    EXPECT_EQ(take(GETSYMBOLSUBITEMNAMEFROMTYPE(1, e.sub_category, e.item_type, e.sub_item_type)),
              e.name);
    // Every named sub-item belongs to a named item type.
    EXPECT_FALSE(tolmer::symbol_item_name(1, e.sub_category, e.item_type, 0).empty());
  }
}

TEST(SymbolSubItemName, WireNamesMatchTheWireDescriptions) {
  for (const int32_t sub : {4, 5}) {
    for (int32_t wire = 1; wire <= 3; ++wire) {
      EXPECT_EQ(take(GETSYMBOLSUBITEMNAMEFROMTYPE(1, sub, 254, wire)),
                take(GETDESCRIPTIONFORWIRETYPE(wire)));
    }
  }
}

}  // namespace
