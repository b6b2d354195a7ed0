// The paper size table.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "c_abi/libstring.h"
#include "c_abi/process.h"
#include "paper/paper.h"
#include "tolmerdll.h"
#include "test_support.h"

namespace {

using test_support::take;

// Every field of one record as the getters report it.
struct Record {
  std::string name;
  float width, height, top, bottom, left, right;
  bool operator==(const Record&) const = default;
};

Record read_record(int32_t index) {
  std::array<char, 32> name{};
  Record r{};
  GETPAPERINFOITEM(index, name.data(), &r.width, &r.height, &r.top, &r.bottom, &r.left, &r.right);
  r.name = name.data();
  return r;
}

std::vector<Record> read_table() {
  std::vector<Record> table;
  for (int32_t i = 0; i <= GETUBPAPERINFOARRAY(); ++i) table.push_back(read_record(i));
  return table;
}

// The library as loaded: no tables yet.
class PaperBeforeInit : public ::testing::Test {
 protected:
  void SetUp() override { tolmer::state() = tolmer::State{}; }
  void TearDown() override { tolmer::state() = tolmer::State{}; }
};

// The library after INITIALIZEDLL.
class Paper : public PaperBeforeInit {
 protected:
  void SetUp() override {
    PaperBeforeInit::SetUp();
    INITIALIZEDLL();
  }
};

struct Initial {
  int32_t index;
  const char* name;
  float width;
  float height;
};

constexpr Initial kInitial[] = {
    {0, "Generic Letter", 8.5f, 11},   {1, "Generic Legal", 8.5f, 14},
    {2, "Generic Ledger", 8.5f, 17},   {3, "Generic D", 17, 22},
    {4, "Generic F", 22, 34},          {5, "Generic G", 34, 44},
    {6, "Generic H", 28, 40},          {7, "Generic I", 11, 42},
    {8, "Generic J", 28, 48},          {9, "Generic K", 34, 48},
    {10, "Generic L", 40, 48},         {11, "Generic 2A0", 46.81f, 66.22f},
    {12, "Generic A0", 33.11f, 46.81f}, {13, "Generic A1", 23.39f, 33.11f},
    {14, "Generic A2", 16.54f, 23.39f}, {15, "Generic A3", 11.69f, 16.54f},
    {16, "Generic A4", 8.27f, 11.69f},  {17, "Generic A5", 5.83f, 8.27f},
    {18, "Generic A6", 4.13f, 5.83f},   {19, "Generic A7", 2.91f, 4.13f},
    {20, "Generic B0", 40.48f, 57.32f}, {21, "Generic B1", 28.66f, 40.48f},
    {22, "Generic B2", 20.24f, 28.66f}, {23, "Generic B3", 14.33f, 20.24f},
    {24, "Generic B4", 10.12f, 14.33f}, {25, "Generic B5", 7.17f, 10.12f},
    {26, "Generic B6", 5.04f, 7.17f},   {40, "Generic Custom", 8.5f, 11},
};

// ------------------------------------------------------------ initial table

TEST_F(Paper, InitialRecords) {
  ASSERT_EQ(GETUBPAPERINFOARRAY(), 40);
  for (const Initial& p : kInitial) {
    EXPECT_EQ(read_record(p.index), (Record{p.name, p.width, p.height, 0.5f, 0.5f, 0.5f, 0.5f}))
        << "index " << p.index;
  }
  for (int32_t i = 27; i <= 39; ++i) {
    EXPECT_EQ(read_record(i), (Record{"", 0, 0, 0, 0, 0, 0})) << "index " << i;
    const tolmer::StoredPaper& stored = tolmer::state().paper->at(static_cast<std::size_t>(i));
    EXPECT_EQ(std::string(stored.name.data(), 16), std::string(16, ' '));
  }
  EXPECT_EQ(std::size(kInitial), 28u);
}

TEST_F(Paper, InitializeAgainRestoresEditedRecords) {
  SETPAPERINFOITEM(0, "Mine", 1, 2, 3, 4, 5, 6);
  SETPAPERINFOITEM(33, "Blank no more", 1, 2, 3, 4, 5, 6);
  INITIALIZEDLL();
  EXPECT_EQ(read_record(0), (Record{"Generic Letter", 8.5f, 11, 0.5f, 0.5f, 0.5f, 0.5f}));
  EXPECT_EQ(read_record(33), (Record{"", 0, 0, 0, 0, 0, 0}));
}

// ------------------------------------------------------------------ sizing

TEST_F(Paper, SizingAnExistingTableChangesNothing) {
  SETPAPERINFOWIDTH(3, 99);
  const std::vector<Record> before = read_table();
  for (int32_t upper : {100, 10, 0, -1, 40}) {
    EXPECT_EQ(SIZEPAPERINFOARRAY(upper), 40) << "upper " << upper;
    EXPECT_EQ(GETUBPAPERINFOARRAY(), 40);
  }
  EXPECT_EQ(read_table(), before);
}

TEST_F(PaperBeforeInit, SizingCreatesABlankTableOnce) {
  EXPECT_EQ(GETUBPAPERINFOARRAY(), -1);
  EXPECT_EQ(SIZEPAPERINFOARRAY(-1), -1);
  EXPECT_EQ(SIZEPAPERINFOARRAY(std::numeric_limits<int32_t>::min()), -1);
  EXPECT_EQ(GETUBPAPERINFOARRAY(), -1);
  EXPECT_EQ(SIZEPAPERINFOARRAY(5), 5);
  EXPECT_EQ(GETUBPAPERINFOARRAY(), 5);
  for (int32_t i = 0; i <= 5; ++i) EXPECT_EQ(read_record(i), (Record{"", 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(SIZEPAPERINFOARRAY(50), 5);
}

TEST_F(PaperBeforeInit, HugeTableIsRefused) {
  for (int32_t upper : {std::numeric_limits<int32_t>::max(), tolmer::kMaxPaperRecords}) {
    EXPECT_EQ(SIZEPAPERINFOARRAY(upper), -1);
    EXPECT_EQ(GETUBPAPERINFOARRAY(), -1);
  }
}

TEST_F(PaperBeforeInit, InitializeFillsOnlyTheRecordsThatFitASmallerTable) {
  ASSERT_EQ(SIZEPAPERINFOARRAY(5), 5);
  INITIALIZEDLL();
  EXPECT_EQ(GETUBPAPERINFOARRAY(), 5);
  for (const Initial& p : kInitial) {
    if (p.index > 5) continue;
    EXPECT_EQ(read_record(p.index), (Record{p.name, p.width, p.height, 0.5f, 0.5f, 0.5f, 0.5f}));
  }
  EXPECT_EQ(GETPAPERINFONAME(40), nullptr);
}

TEST_F(PaperBeforeInit, InitializeFillsALargerTableFrom0To40) {
  ASSERT_EQ(SIZEPAPERINFOARRAY(45), 45);
  SETPAPERINFOITEM(44, "Host paper", 1, 2, 3, 4, 5, 6);
  INITIALIZEDLL();
  EXPECT_EQ(GETUBPAPERINFOARRAY(), 45);
  EXPECT_EQ(take(GETPAPERINFONAME(40)), "Generic Custom");
  EXPECT_EQ(read_record(44), (Record{"Host paper", 1, 2, 3, 4, 5, 6}));
}

// ------------------------------------------------------------------ names

TEST_F(Paper, NamesAreReadBackTrimmed) {
  struct Case {
    int32_t index;
    std::string name;
    int32_t length;
  };
  const Case cases[] = {{16, "Generic A4", 10}, {0, "Generic Letter", 14}, {40, "Generic Custom", 14},
                        {30, "", 0},            {27, "", 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(take(GETPAPERINFONAME(c.index)), c.name);
    EXPECT_EQ(GETPAPERINFONAMELENGTH(c.index), c.length);
  }
}

TEST_F(Paper, StoredNamesAreCutOrPaddedTo16Bytes) {
  struct Case {
    const char* given;
    std::string stored;  // the 16 bytes
    std::string read;
  };
  const Case cases[] = {
      {"Architectural E1", "Architectural E1", "Architectural E1"},
      {"Architectural E1 x", "Architectural E1", "Architectural E1"},
      {"ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP"},
      {"Wide sheet      tail", "Wide sheet      ", "Wide sheet"},
      {"   Spaced  ", "   Spaced       ", "Spaced"},
      {"", "                ", ""},
      {nullptr, "                ", ""},
      {"a\tb", "a\tb             ", "a\tb"},
  };
  for (const Case& c : cases) {
    SETPAPERINFOITEM(35, c.given, 1, 2, 3, 4, 5, 6);
    const tolmer::StoredPaper& stored = tolmer::state().paper->at(35);
    EXPECT_EQ(std::string(stored.name.data(), 16), c.stored);
    EXPECT_EQ(take(GETPAPERINFONAME(35)), c.read);
    EXPECT_EQ(GETPAPERINFONAMELENGTH(35), static_cast<int32_t>(c.read.size()));
    EXPECT_EQ(read_record(35), (Record{c.read, 1, 2, 3, 4, 5, 6}));
  }
}

TEST_F(Paper, ItemNameNeeds17Bytes) {
  SETPAPERINFOITEM(2, "ABCDEFGHIJKLMNOPQRST", 1, 2, 3, 4, 5, 6);
  std::array<char, 18> name;
  name.fill('#');
  float values[6] = {};
  GETPAPERINFOITEM(2, name.data(), &values[0], &values[1], &values[2], &values[3], &values[4],
                   &values[5]);
  EXPECT_EQ(std::string(name.data()), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(name[17], '#');
  EXPECT_EQ(values[5], 6);
  // Null references are skipped; the others are written.
  float width = 0;
  GETPAPERINFOITEM(16, nullptr, &width, nullptr, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(width, 8.27f);
}

// ------------------------------------------------- width, height, margins

TEST_F(Paper, OrientationExchangesWidthAndHeightOnlyForLandscape) {
  struct Case {
    int32_t index;
    int32_t orientation;
    float width;
    float height;
  };
  const Case cases[] = {
      {0, 2, 11, 8.5f},  {0, 1, 8.5f, 11}, {0, 0, 8.5f, 11},   {0, 3, 8.5f, 11},
      {0, -2, 8.5f, 11}, {7, 2, 42, 11},   {16, 2, 11.69f, 8.27f}, {30, 2, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GETPAPERINFOWIDTH(c.index, c.orientation), c.width)
        << "index " << c.index << " orientation " << c.orientation;
    EXPECT_EQ(GETPAPERINFOHEIGHT(c.index, c.orientation), c.height)
        << "index " << c.index << " orientation " << c.orientation;
  }
}

TEST_F(Paper, SettersStoreOneFieldEach) {
  using Setter = void(TOLMER_CALL*)(int32_t, float);
  struct Case {
    Setter set;
    float Record::*field;
  };
  const Case cases[] = {
      {SETPAPERINFOWIDTH, &Record::width},        {SETPAPERINFOHEIGHT, &Record::height},
      {SETPAPERINFOTOPMARGIN, &Record::top},      {SETPAPERINFOBOTTOMMARGIN, &Record::bottom},
      {SETPAPERINFOLEFTMARGIN, &Record::left},    {SETPAPERINFORIGHTMARGIN, &Record::right},
  };
  for (const Case& c : cases) {
    INITIALIZEDLL();
    Record expected = read_record(16);
    c.set(16, 1.25f);
    expected.*c.field = 1.25f;
    EXPECT_EQ(read_record(16), expected);
    EXPECT_EQ(read_record(15), (Record{"Generic A3", 11.69f, 16.54f, 0.5f, 0.5f, 0.5f, 0.5f}));
  }
}

// --------------------------------------------------- indices outside the table

void expect_no_record(int32_t index) {
  EXPECT_EQ(GETPAPERINFONAME(index), nullptr) << "index " << index;
  EXPECT_EQ(GETPAPERINFONAMELENGTH(index), 0);
  EXPECT_EQ(GETPAPERINFOWIDTH(index, 1), 0);
  EXPECT_EQ(GETPAPERINFOHEIGHT(index, 2), 0);
  EXPECT_EQ(GETPAPERINFOTOPMARGIN(index), 0);
  EXPECT_EQ(GETPAPERINFOBOTTOMMARGIN(index), 0);
  EXPECT_EQ(GETPAPERINFOLEFTMARGIN(index), 0);
  EXPECT_EQ(GETPAPERINFORIGHTMARGIN(index), 0);
  char name[17] = "untouched";
  float values[6] = {7, 7, 7, 7, 7, 7};
  GETPAPERINFOITEM(index, name, &values[0], &values[1], &values[2], &values[3], &values[4],
                   &values[5]);
  EXPECT_STREQ(name, "untouched");
  for (float v : values) EXPECT_EQ(v, 7);
}

void set_everything(int32_t index) {
  SETPAPERINFOITEM(index, "Outside", 1, 2, 3, 4, 5, 6);
  SETPAPERINFOWIDTH(index, 9);
  SETPAPERINFOHEIGHT(index, 9);
  SETPAPERINFOTOPMARGIN(index, 9);
  SETPAPERINFOBOTTOMMARGIN(index, 9);
  SETPAPERINFOLEFTMARGIN(index, 9);
  SETPAPERINFORIGHTMARGIN(index, 9);
}

constexpr int32_t kOutside[] = {-1, 41, 42, 1000, std::numeric_limits<int32_t>::min(),
                                std::numeric_limits<int32_t>::max()};

TEST_F(Paper, IndicesOutsideTheTableNameNoRecord) {
  const std::vector<Record> before = read_table();
  for (int32_t index : kOutside) {
    set_everything(index);
    expect_no_record(index);
  }
  EXPECT_EQ(read_table(), before);
  EXPECT_EQ(GETUBPAPERINFOARRAY(), 40);
}

TEST_F(PaperBeforeInit, EveryIndexNamesNoRecordBeforeTheTableExists) {
  for (int32_t index : {0, 16, 40, -1}) {
    set_everything(index);
    expect_no_record(index);
  }
  EXPECT_EQ(GETUBPAPERINFOARRAY(), -1);
}

// ------------------------------------------------------------ lookup by name

TEST_F(Paper, LookupByNameIgnoresCaseAndSurroundingSpaces) {
  struct Case {
    std::string given;
    int32_t expected;
    std::string rewritten;
  };
  const Case cases[] = {
      {"  generic a4 ", 16, "GENERIC A4"},
      {"Generic Letter", 0, "GENERIC LETTER"},
      {"GENERIC CUSTOM", 40, "GENERIC CUSTOM"},
      {"generic 2a0", 11, "GENERIC 2A0"},
      {"", 27, ""},
      {"     ", 27, ""},
      {"Generic", -1, "GENERIC"},
      {"Generic  A4", -1, "GENERIC  A4"},
      {"\tGeneric A4", -1, "\tGENERIC A4"},
      {"Generic Letterx", -1, "GENERIC LETTERX"},
  };
  for (const Case& c : cases) {
    std::array<char, 32> buffer{};
    std::memcpy(buffer.data(), c.given.c_str(), c.given.size() + 1);
    EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(buffer.data()), c.expected) << "'" << c.given << "'";
    EXPECT_EQ(std::string(buffer.data()), c.rewritten);
  }
  EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(nullptr), 27);
}

TEST_F(Paper, LookupByNameFindsTheFirstOfEqualNames) {
  SETPAPERINFOITEM(30, "generic a4", 1, 1, 0, 0, 0, 0);
  SETPAPERINFOITEM(2, "  GENERIC A4", 1, 1, 0, 0, 0, 0);
  char name[] = "Generic A4";
  EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(name), 2);
}

TEST_F(PaperBeforeInit, LookupByNameWithoutTableStillRewritesTheBuffer) {
  char name[] = " letter ";
  EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(name), -1);
  EXPECT_STREQ(name, "LETTER");
}

// ------------------------------------------------------------ lookup by size

TEST_F(Paper, LookupBySizeTriesPortraitThenLandscapePerRecord) {
  struct Case {
    int32_t system;
    float width;
    float height;
    int32_t expected;
    int32_t orientation;  // 99: left unchanged
  };
  const Case cases[] = {
      {0, 11, 8.5f, 0, 2},
      {0, 8.5f, 11, 0, 1},
      {1, 215.9f, 279.4f, 0, 1},
      {1, 279.4f, 215.9f, 0, 2},
      {0, 1, 1, -1, 99},
      {0, 0, 0, 27, 1},
      {0, 17, 8.5f, 2, 2},
      {0, 22, 17, 3, 2},
      {0, 8.27f, 11.69f, 16, 1},
      {0, 46.81f, 66.22f, 11, 1},
      {0, 46.81f, 33.11f, 12, 2},
      {2, 8.5f, 11, 0, 1},    // any system but 1 is English
      {-1, 11, 8.5f, 0, 2},
      {1, 8.5f, 11, -1, 99},  // metric compares millimetres
      {0, 215.9f, 279.4f, -1, 99},
      {1, 215.9001f, 279.4f, -1, 99},
      {0, 8.5000009f, 11, -1, 99},
      {0, std::nanf(""), 11, -1, 99},
      {1, 0, 0, 27, 1},
  };
  for (const Case& c : cases) {
    int32_t orientation = 99;
    EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(c.system, c.width, c.height, &orientation), c.expected)
        << "system " << c.system << " size " << c.width << " x " << c.height;
    EXPECT_EQ(orientation, c.orientation)
        << "system " << c.system << " size " << c.width << " x " << c.height;
  }
  EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(0, 11, 8.5f, nullptr), 0);
}

TEST_F(Paper, LookupBySizeFinishesEachRecordBeforeTheNext) {
  // Record 30 holds the letter size turned: record 0's landscape comes first.
  SETPAPERINFOITEM(30, "Letter turned", 11, 8.5f, 0, 0, 0, 0);
  // Record 31 is square: its portrait match is reported.
  SETPAPERINFOITEM(31, "Square", 5, 5, 0, 0, 0, 0);
  struct Case {
    float width;
    float height;
    int32_t expected;
    int32_t orientation;
  };
  const Case cases[] = {{11, 8.5f, 0, 2}, {8.5f, 11, 0, 1}, {5, 5, 31, 1}};
  for (const Case& c : cases) {
    int32_t orientation = 99;
    EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(0, c.width, c.height, &orientation), c.expected);
    EXPECT_EQ(orientation, c.orientation);
  }
}

TEST_F(PaperBeforeInit, LookupBySizeWithoutTableFindsNothing) {
  int32_t orientation = 99;
  EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(0, 0, 0, &orientation), -1);
  EXPECT_EQ(orientation, 99);
}

}  // namespace
