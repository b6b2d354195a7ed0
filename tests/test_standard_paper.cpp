// The standard paper sizes: the list, look-up by name and by size, and the
// Library's name look-up that falls back to a standard name.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tolmer/library.h"
#include "tolmer/paper.h"

namespace {

using tolmer::Length;
using tolmer::Orientation;
using tolmer::Unit;
using tolmer::paper::Series;
using tolmer::paper::StandardPaper;

TEST(StandardPaper, ListHoldsEachSeriesInItsOwnUnit) {
  struct Expected {
    std::string_view name;
    Series series;
    Unit unit;
    double width, height;
  };
  const Expected rows[] = {
      {"A0", Series::IsoA, Unit::Millimeters, 841, 1189},   {"A4", Series::IsoA, Unit::Millimeters, 210, 297},
      {"A10", Series::IsoA, Unit::Millimeters, 26, 37},     {"B0", Series::IsoB, Unit::Millimeters, 1000, 1414},
      {"B5", Series::IsoB, Unit::Millimeters, 176, 250},    {"B10", Series::IsoB, Unit::Millimeters, 31, 44},
      {"C0", Series::IsoC, Unit::Millimeters, 917, 1297},   {"C4", Series::IsoC, Unit::Millimeters, 229, 324},
      {"C10", Series::IsoC, Unit::Millimeters, 28, 40},     {"ANSI A", Series::Ansi, Unit::Inches, 8.5, 11},
      {"ANSI E", Series::Ansi, Unit::Inches, 34, 44},       {"ARCH A", Series::Arch, Unit::Inches, 9, 12},
      {"ARCH E1", Series::Arch, Unit::Inches, 30, 42},      {"Letter", Series::NorthAmerican, Unit::Inches, 8.5, 11},
      {"Legal", Series::NorthAmerican, Unit::Inches, 8.5, 14},
      {"Tabloid", Series::NorthAmerican, Unit::Inches, 11, 17},
      {"Ledger", Series::NorthAmerican, Unit::Inches, 17, 11},
  };
  const auto list = tolmer::paper::standard_papers();
  EXPECT_EQ(list.size(), 11u + 11u + 11u + 5u + 6u + 4u);
  for (const Expected& e : rows) {
    SCOPED_TRACE(e.name);
    const StandardPaper* found = nullptr;
    for (const StandardPaper& p : list)
      if (p.name == e.name) found = &p;
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->series, e.series);
    EXPECT_EQ(found->unit, e.unit);
    EXPECT_EQ(found->width, e.width);
    EXPECT_EQ(found->height, e.height);
  }
  // Each ISO size halves the one before it (the longer side of the next is
  // the shorter side of this one), all upright but Ledger.
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].name != "Ledger") {
      EXPECT_LE(list[i].width, list[i].height) << list[i].name;
    }
    if (i > 0 && list[i].series == list[i - 1].series && list[i].unit == Unit::Millimeters) {
      EXPECT_EQ(list[i].height, list[i - 1].width) << list[i].name;
    }
  }
}

TEST(StandardPaper, LengthsConvert) {
  const auto a4 = tolmer::paper::standard_paper("A4");
  ASSERT_TRUE(a4);
  EXPECT_DOUBLE_EQ(a4->width_length().millimeters(), 210);
  EXPECT_NEAR(a4->height_length().inches(), 11.69, 0.005);
  const auto letter = tolmer::paper::standard_paper("Letter");
  ASSERT_TRUE(letter);
  EXPECT_EQ(letter->width_length(), Length::from(8.5, Unit::Inches));
  EXPECT_DOUBLE_EQ(letter->height_length().millimeters(), 279.4);
}

TEST(StandardPaper, ByName) {
  struct Row {
    std::string_view query;
    std::string_view name;  // "" for none
  };
  const Row rows[] = {
      {"A4", "A4"},           {"a4", "A4"},           {" A 4 ", "A4"},         {"A-4", "A4"},
      {"ISO A4", "A4"},       {"iso-b5", "B5"},       {"c5", "C5"},            {"A10", "A10"},
      {"ARCH D", "ARCH D"},   {"Arch-D", "ARCH D"},   {"archd", "ARCH D"},     {"ARCH E1", "ARCH E1"},
      {"arch_e1", "ARCH E1"}, {"ANSI B", "ANSI B"},   {"ansi.b", "ANSI B"},    {"letter", "Letter"},
      {"US Letter", "Letter"}, {"U.S. Legal", "Legal"}, {"TABLOID", "Tabloid"}, {"ledger", "Ledger"},
      {"11x17", "Tabloid"},   {"11 x 17", "Tabloid"}, {"11X17", "Tabloid"},    {"11*17", "Tabloid"},
      {"11\xC3\x97" "17", "Tabloid"}, {"8.5x11", "Letter"}, {"8 1/2 x 11", "Letter"}, {"8.5 x 14", "Legal"},
      // Not names: sizes other than the trade sizes, a letter alone, an
      // unknown series, the period inside a number kept.
      {"17x11", ""},          {"210x297", ""},        {"11x8.5", ""},          {"85x11", ""},
      {"A", ""},              {"D", ""},              {"A11", ""},             {"ISO Letter", ""},
      {"US A4", ""},          {"", ""},               {"   ", ""},             {"Generic A4", ""},
      {"A4 paper", ""},       {"ARCH F", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.query));
    const auto found = tolmer::paper::standard_paper(r.query);
    if (r.name.empty()) {
      EXPECT_FALSE(found) << found->name;
    } else {
      ASSERT_TRUE(found);
      EXPECT_EQ(found->name, r.name);
    }
  }
}

std::string names_of(const std::vector<tolmer::paper::StandardPaperMatch>& found) {
  std::string text;
  for (const auto& m : found) {
    text += (text.empty() ? "" : ", ") + std::string(m.paper.name);
    if (m.orientation == Orientation::Landscape) text += " turned";
  }
  return text;
}

TEST(StandardPaper, BySize) {
  struct Row {
    double width, height;
    Unit unit;
    std::string_view expected;
  };
  const Row rows[] = {
      {210, 297, Unit::Millimeters, "A4"},
      {297, 210, Unit::Millimeters, "A4 turned"},
      {8.27, 11.69, Unit::Inches, "A4"},           // 210.06 x 296.93 mm
      {210.49, 296.51, Unit::Millimeters, "A4"},   // just within half a millimetre
      {210.51, 297, Unit::Millimeters, ""},        // just outside
      {210, 297.51, Unit::Millimeters, ""},
      {21, 29.7, Unit::Centimeters, "A4"},
      {11, 17, Unit::Inches, "ANSI B, Tabloid, Ledger turned"},
      {17, 11, Unit::Inches, "ANSI B turned, Tabloid turned, Ledger"},
      {8.5, 11, Unit::Inches, "ANSI A, Letter"},
      {11, 8.5, Unit::Inches, "ANSI A turned, Letter turned"},
      {215.9, 279.4, Unit::Millimeters, "ANSI A, Letter"},
      {8.5, 14, Unit::Inches, "Legal"},
      {24, 36, Unit::Inches, "ARCH D"},
      {2, 3, Unit::Feet, "ARCH D"},
      {30, 42, Unit::Inches, "ARCH E1"},
      {1, 1.414, Unit::Meters, "B0"},
      {324, 229, Unit::Millimeters, "C4 turned"},
      {8.5, 12, Unit::Inches, ""},
      {1, 1, Unit::Inches, ""},
      {0, 0, Unit::Inches, ""},
      {-210, -297, Unit::Millimeters, ""},
      {std::numeric_limits<double>::quiet_NaN(), 297, Unit::Millimeters, ""},
      {std::numeric_limits<double>::infinity(), 297, Unit::Millimeters, ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.width) + " x " + std::to_string(r.height));
    EXPECT_EQ(names_of(tolmer::paper::standard_papers_of_size(r.width, r.height, r.unit)), r.expected);
  }
  // Two Lengths of different units.
  EXPECT_EQ(names_of(tolmer::paper::standard_papers_of_size(Length::from(210, Unit::Millimeters),
                                                            Length::from(11.69, Unit::Inches))),
            "A4");
}

TEST(StandardPaper, SeriesNames) {
  EXPECT_EQ(tolmer::paper::series_name(Series::IsoA), "ISO A");
  EXPECT_EQ(tolmer::paper::series_name(Series::IsoC), "ISO C");
  EXPECT_EQ(tolmer::paper::series_name(Series::Arch), "ARCH");
  EXPECT_EQ(tolmer::paper::series_name(Series::NorthAmerican), "North American");
}

TEST(StandardPaper, LibraryNameLookUpFallsBackToTheStandardSize) {
  tolmer::Library library;
  struct Row {
    std::string_view name;
    std::optional<int32_t> index;
  };
  const Row rows[] = {
      {"Generic A4", 16},   // a record's own name first
      {"  generic a4 ", 16},
      {"A4", 16},           // 8.27 x 11.69 in is A4 within half a millimetre
      {"letter", 0},        // the first record of 8.5 x 11 (not 40)
      {"8.5x11", 0},
      {"Legal", 1},
      {"B5", std::nullopt}, // Generic B5, 7.17 x 10.12 in, is 182.1 x 257.0 mm: not B5's 176 x 250
      {"Tabloid", std::nullopt},  // no record of 11 x 17
      {"ARCH D", std::nullopt},
      {"no such paper", std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.name));
    EXPECT_EQ(library.paper_index(r.name), r.index);
  }
}

TEST(StandardPaper, LibraryFallBackSeesEditedRecordsEitherWayRound) {
  tolmer::Library library;
  EXPECT_EQ(library.paper_index("Tabloid"), std::nullopt);
  library.set_paper(30, tolmer::PaperRecord{"Big", 17, 11, 0.5f, 0.5f, 0.5f, 0.5f});
  EXPECT_EQ(library.paper_index("Tabloid"), 30);
  EXPECT_EQ(library.paper_index("ledger"), 30);
  // A record that holds the standard name itself comes first.
  library.set_paper(35, tolmer::PaperRecord{"TABLOID", 11, 17, 0.5f, 0.5f, 0.5f, 0.5f});
  EXPECT_EQ(library.paper_index("tabloid"), 35);
}

}  // namespace
