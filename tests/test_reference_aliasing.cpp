// Exports that write more than one reference, called with one variable passed
// for two or more of them (as a host language that passes by reference may
// do): each writes in its stated order, so the variable ends with the value
// written last.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "c_abi/libstring.h"
#include "tolmerdll.h"

namespace {

class ReferenceAliasing : public ::testing::Test {
 protected:
  void SetUp() override { INITIALIZEDLL(); }
  void TearDown() override { INITIALIZEDLL(); }  // restores the paper record changed here
};

// ----------------------------------------------- GETCATEGORIESFROMLIBRARYNAME

// Which references share one variable.
enum class Shared { CategoryAndSub, CategoryAndItem, SubAndItem, All };

struct CategoriesCase {
  const char* name;
  Shared shared;
  int32_t value;  // what the shared variable holds afterwards
};

// All three are set to -1 first, then the category, the sub-category (name
// with a field 3) and the item type (name with a field 4) are written.
const CategoriesCase kCategoriesCases[] = {
    {"lib_3", Shared::CategoryAndItem, 3},   {"lib_3", Shared::CategoryAndSub, 3},
    {"lib_3", Shared::SubAndItem, -1},       {"lib_3", Shared::All, 3},
    {"lib_1_4", Shared::CategoryAndItem, 1}, {"lib_1_4", Shared::CategoryAndSub, 4},
    {"lib_1_4", Shared::SubAndItem, 4},      {"lib_1_4", Shared::All, 4},
    {"lib_1_4_2", Shared::CategoryAndItem, 2}, {"lib_1_4_2", Shared::CategoryAndSub, 4},
    {"lib_1_4_2", Shared::SubAndItem, 2},    {"lib_1_4_2", Shared::All, 2},
    {"", Shared::All, 0},                    {"", Shared::SubAndItem, -1},
    {"lib_7_8_lib.vdf", Shared::CategoryAndItem, 0},
};

TEST_F(ReferenceAliasing, CategoriesFromLibraryNameWritesInItsOrder) {
  for (const CategoriesCase& c : kCategoriesCases) {
    int32_t shared = 99, other = 99;
    int32_t result = 1;
    switch (c.shared) {
      case Shared::CategoryAndSub:
        result = GETCATEGORIESFROMLIBRARYNAME(c.name, &shared, &shared, &other);
        break;
      case Shared::CategoryAndItem:
        result = GETCATEGORIESFROMLIBRARYNAME(c.name, &shared, &other, &shared);
        break;
      case Shared::SubAndItem:
        result = GETCATEGORIESFROMLIBRARYNAME(c.name, &other, &shared, &shared);
        break;
      case Shared::All:
        result = GETCATEGORIESFROMLIBRARYNAME(c.name, &shared, &shared, &shared);
        break;
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(shared, c.value) << c.name << " case " << static_cast<int>(c.shared);
  }
}

TEST_F(ReferenceAliasing, CategoriesFromLibraryNameWithDistinctVariables) {
  int32_t category = 9, sub = 9, item = 9;
  GETCATEGORIESFROMLIBRARYNAME("lib_3", &category, &sub, &item);
  EXPECT_EQ(category, 3);
  EXPECT_EQ(sub, -1);
  EXPECT_EQ(item, -1);
  GETCATEGORIESFROMLIBRARYNAME("lib_1_4_lib.vdf", &category, &sub, &item);
  EXPECT_EQ(category, 1);
  EXPECT_EQ(sub, 4);
  EXPECT_EQ(item, 0);
}

// -------------------------------------------------- SETRECTLOWERLEFTJUSTIFIED

struct RectCase {
  double a, b, c, d;  // the four variables before
  int layout;         // which variables are passed as x1, y1, x2, y2
  double ea, eb, ec, ed;
};

// Layouts: 0 distinct (a, b, c, d); 1 x2 and y1 shared (a, b, b, c);
// 2 x1 and y2 shared (a, b, c, a); 3 all four shared (a, a, a, a);
// 4 x1 and x2 shared (a, b, a, c).
const RectCase kRectCases[] = {
    {5, 7, 1, 2, 0, 1, 2, 5, 7},
    // x exchanges 5 and 3 (b becomes 5), then y compares 4 with that 5.
    {5, 3, 4, 0, 1, 3, 4, 5, 0},
    {2, 3, 4, 0, 1, 2, 3, 4, 0},  // nothing to exchange
    // x exchanges a = 1 and c = 0 (a becomes 0), then y compares a = 0 with b = 3.
    {1, 3, 0, 0, 2, 3, 0, 1, 0},
    {5, 1, 2, 0, 2, 2, 1, 5, 0},
    {4, 0, 0, 0, 3, 4, 0, 0, 0},
    {6, 9, 2, 0, 4, 6, 2, 9, 0},  // x never exchanged; y exchanges b and c
};

TEST_F(ReferenceAliasing, RectExchangesXThenY) {
  for (const RectCase& r : kRectCases) {
    double a = r.a, b = r.b, c = r.c, d = r.d;
    switch (r.layout) {
      case 0: SETRECTLOWERLEFTJUSTIFIED(&a, &b, &c, &d); break;
      case 1: SETRECTLOWERLEFTJUSTIFIED(&a, &b, &b, &c); break;
      case 2: SETRECTLOWERLEFTJUSTIFIED(&a, &b, &c, &a); break;
      case 3: SETRECTLOWERLEFTJUSTIFIED(&a, &a, &a, &a); break;
      default: SETRECTLOWERLEFTJUSTIFIED(&a, &b, &a, &c); break;
    }
    const std::string where = "layout " + std::to_string(r.layout) + " from " +
                              std::to_string(r.a) + " " + std::to_string(r.b) + " " +
                              std::to_string(r.c) + " " + std::to_string(r.d);
    EXPECT_EQ(a, r.ea) << where;
    EXPECT_EQ(b, r.eb) << where;
    EXPECT_EQ(c, r.ec) << where;
    EXPECT_EQ(d, r.ed) << where;
  }
}

// ----------------------------------------- the other exports with references

TEST_F(ReferenceAliasing, BreakFractionApartWritesNumeratorDenominatorWhole) {
  char separator[2] = "";
  int32_t v = 0, w = 0;
  BREAKFRACTIONAPART("3 1/2", &v, &v, &v, separator);
  EXPECT_EQ(v, 3);  // the whole number, written last
  BREAKFRACTIONAPART("3 1/2", &w, &v, &v, separator);
  EXPECT_EQ(v, 2);  // the denominator after the numerator
  EXPECT_EQ(w, 3);
  BREAKFRACTIONAPART("3 5/8", &v, &v, &w, separator);
  EXPECT_EQ(v, 3);  // the whole number after the numerator
  EXPECT_EQ(w, 8);
  EXPECT_STREQ(separator, "/");
}

TEST_F(ReferenceAliasing, IndividualValuesWritesMajorMinorFraction) {
  float v = 0, w = 0;
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, 30.5f, 2, &v, &v, &w, 0);
  EXPECT_EQ(v, 6.0f);  // minor after major
  EXPECT_EQ(w, 0.5f);
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, 30.5f, 2, &v, &w, &v, 0);
  EXPECT_EQ(v, 0.5f);  // fraction after major
  EXPECT_EQ(w, 6.0f);
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, 30.5f, 2, &v, &v, &v, 0);
  EXPECT_EQ(v, 0.5f);
}

TEST_F(ReferenceAliasing, PaperInfoItemWritesTheSixValuesInOrder) {
  // Record 5 with six different values.
  SETPAPERINFOITEM(5, "Test", 1, 2, 3, 4, 5, 6);
  char name[17] = "";
  float v = 0, w = 0;
  GETPAPERINFOITEM(5, name, &v, &v, &v, &v, &v, &v);
  EXPECT_EQ(v, 6.0f);
  GETPAPERINFOITEM(5, name, &v, &v, &w, &w, &w, &w);
  EXPECT_EQ(v, 2.0f);
  EXPECT_EQ(w, 6.0f);
  GETPAPERINFOITEM(5, name, &w, &v, &v, &v, &v, &w);
  EXPECT_EQ(v, 5.0f);
  EXPECT_EQ(w, 6.0f);
  EXPECT_STREQ(name, "Test");
}

TEST_F(ReferenceAliasing, ConversionWritesStartThenEnd) {
  int32_t start = 0, end = 0, shared = 0;
  // "150" exceeds the maximum 100 in feet (-4): positions 1 to 3.
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("150 FT ", 100, &start, &end), -4.0f);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 3);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("150 FT ", 100, &shared, &shared), -4.0f);
  EXPECT_EQ(shared, 3);
}

TEST_F(ReferenceAliasing, ReadingByPositionWritesStartThenEnd) {
  LibString text = tolmer::make_libstring("ab 12 FT");
  int32_t start = 0, end = 0, shared = 0;
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, 5, -1, &start, &end), 12.0f);
  EXPECT_EQ(start, 4);
  EXPECT_EQ(end, 5);
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, 5, -1, &shared, &shared), 12.0f);
  EXPECT_EQ(shared, 5);
  // No start found before the position: the end counts from the value the
  // start reference holds, which is the shared variable's.
  shared = 7;
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, 1, 0, &shared, &shared), 0.0f);
  EXPECT_EQ(shared, 6);  // no number: an empty one, ending before the start
  FREELIBSTRING(text);
  LibString ten = tolmer::make_libstring("10 FT");
  shared = 7;
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, ten, 2, -1, &shared, &shared), 10.0f);
  EXPECT_EQ(shared, 8);
  FREELIBSTRING(ten);
}

}  // namespace
