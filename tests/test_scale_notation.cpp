// Standard scales: the lists, the nearest standard scale, and the scale
// notations read and written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "tolmer/measure.h"
#include "tolmer/scale.h"
#include "tolmerdll.h"

namespace {

using tolmer::scale::Family;
using tolmer::scale::Notation;
using tolmer::scale::NotationError;
using tolmer::scale::Ratio;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(StandardScales, ListsLargestRatioFirst) {
  const std::vector<int32_t> architectural = {1, 2, 4, 8, 12, 16, 24, 32, 48, 64, 96, 128, 192, 256, 384, 768};
  const std::vector<int32_t> engineering = {120, 240, 360, 480, 600, 720, 1200, 2400};
  const std::vector<int32_t> metric = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 1250, 2000, 2500, 5000, 10000};
  const auto as_vector = [](Family f) {
    const auto list = tolmer::scale::standard_denominators(f);
    return std::vector<int32_t>(list.begin(), list.end());
  };
  EXPECT_EQ(as_vector(Family::Architectural), architectural);
  EXPECT_EQ(as_vector(Family::Engineering), engineering);
  EXPECT_EQ(as_vector(Family::Metric), metric);
  // The classic table's scales are in these lists.
  INITIALIZEDLL();
  for (int32_t index = 0; index < 12; ++index) {
    const auto english = static_cast<int32_t>(GETSCALERATIOVALUE(0, 1, index));
    const auto metres = static_cast<int32_t>(GETSCALERATIOVALUE(1, 1, index));
    EXPECT_NE(std::find(architectural.begin(), architectural.end(), english), architectural.end()) << english;
    EXPECT_NE(std::find(metric.begin(), metric.end(), metres), metric.end()) << metres;
  }
}

TEST(StandardScales, Nearest) {
  struct Row {
    Family family;
    double ratio;
    std::optional<int32_t> expected;
  };
  const double tie_12_16 = (12.0 + 16.0) / (2 * 12.0 * 16.0);
  const Row rows[] = {
      {Family::Architectural, 0.0416, 24},  // 1/2" = 1'-0"
      {Family::Architectural, 1.0 / 48, 48},
      {Family::Architectural, 0.021, 48},
      {Family::Architectural, 0.03, 32},    // nearer 1/32 than 1/48 (the classic rule gives 48)
      {Family::Architectural, 0.026, 48},
      {Family::Architectural, tie_12_16, 12},  // halfway: the larger drawing
      {Family::Architectural, std::nextafter(tie_12_16, 0.0), 16},
      {Family::Architectural, 1.0, 1},
      {Family::Architectural, 5.0, 1},
      {Family::Architectural, kInf, 1},
      {Family::Architectural, 1e-9, 768},
      {Family::Architectural, 0.0, std::nullopt},
      {Family::Architectural, -0.02, std::nullopt},
      {Family::Architectural, kNaN, std::nullopt},
      {Family::Metric, 1.0 / 49, 50},
      {Family::Metric, 0.0199, 50},         // the classic rule gives 100
      {Family::Metric, 0.015, 50},          // halfway between 1:50 and 1:100
      {Family::Metric, std::nextafter(0.015, 0.0), 100},
      {Family::Metric, 1.0 / 95, 100},
      {Family::Metric, 0.0005, 2000},
      {Family::Metric, 1e-7, 10000},
      {Family::Metric, 0.3, 5},            // 0.1 from 1/5, 0.2 from 1/2
      {Family::Metric, 0.4, 2},
      {Family::Engineering, 1.0 / 100, 120},
      {Family::Engineering, 1.0 / 250, 240},
      {Family::Engineering, 1.0 / 1000, 1200},
      {Family::Engineering, 1e-5, 2400},
      {Family::Engineering, 1.0, 120},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(static_cast<int>(r.family)) + " " + std::to_string(r.ratio));
    EXPECT_EQ(tolmer::scale::nearest_standard(r.family, r.ratio), r.expected);
  }
}

TEST(StandardScales, MeasureNearestIsTodaysRuleTheExportKeepsTheClassic) {
  struct Row {
    int32_t system;
    double scale;
    int32_t nearest;  // measure::nearest_scale_denominator
    int32_t classic;  // GETNEARESTSCALERATIOVALUE
  };
  const Row rows[] = {
      {0, 0.0416, 24, 48}, {0, 0.03, 32, 48},       {0, 0.021, 48, 48}, {0, 5.0, 1, 1},
      {0, 0.0, 0, -768},   {0, 1e-9, 768, -768},    {1, 1.0 / 49, 50, 50}, {1, 0.0199, 50, 100},
      {1, 0.0005, 2000, -1000}, {1, -1.0, 0, -1000},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::to_string(r.system) + " " + std::to_string(r.scale));
    EXPECT_EQ(tolmer::measure::nearest_scale_denominator(static_cast<tolmer::System>(r.system), r.scale), r.nearest);
    EXPECT_EQ(GETNEARESTSCALERATIOVALUE(r.system, r.scale), r.classic);
  }
}

TEST(ScaleNotation, Reads) {
  struct Row {
    const char* text;
    double numerator, denominator;
  };
  const Row rows[] = {
      {"1:50", 1, 50},
      {" 1 : 48 ", 1, 48},
      {"1/100", 1, 100},
      {"2:1", 2, 1},
      {"0.02", 0.02, 1},
      {"1e-2", 0.01, 1},
      {"1/4\"=1'-0\"", 1, 48},
      {"1/4 in = 1 ft", 1, 48},
      {"3/32\" = 1'", 1, 128},
      {"1 1/2\" = 1'-0\"", 1, 8},
      {"1\" = 20'", 1, 240},
      {"\t12\" = 1'-0\" ", 1, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    const auto read = tolmer::scale::parse(r.text);
    ASSERT_TRUE(read.ok()) << read.message();
    EXPECT_EQ(read.ratio, (Ratio{r.numerator, r.denominator}));
    EXPECT_EQ(read.message(), "");
  }
}

TEST(ScaleNotation, RefusesWithTheBytesConcerned) {
  struct Row {
    const char* text;
    NotationError error;
    std::size_t begin, end;
    tolmer::ParseError length_error = tolmer::ParseError::None;
  };
  const Row rows[] = {
      {"", NotationError::Empty, 0, 0},
      {"   ", NotationError::Empty, 3, 3},
      {"abc", NotationError::MalformedNumber, 0, 3},
      {" 1:x", NotationError::MalformedNumber, 3, 4},
      {"1:", NotationError::MalformedNumber, 0, 2},
      {"1:2:3", NotationError::MalformedNumber, 2, 5},
      {"1.2.3", NotationError::MalformedNumber, 0, 5},
      {"1:0", NotationError::ZeroDenominator, 2, 3},
      {"1 / 0", NotationError::ZeroDenominator, 4, 5},
      {"1:-5", NotationError::NotPositive, 2, 4},
      {"0:5", NotationError::NotPositive, 0, 1},
      {"-0.5", NotationError::NotPositive, 0, 4},
      {"0", NotationError::NotPositive, 0, 1},
      {"=1'", NotationError::MissingLength, 0, 3},
      {"1\" = ", NotationError::MissingLength, 0, 4},
      {"1\"=0'", NotationError::NotPositive, 3, 5},
      {"1/4=1 ft", NotationError::BadLength, 0, 3, tolmer::ParseError::MissingUnit},
      {"1\" = 1 zz", NotationError::BadLength, 7, 9, tolmer::ParseError::UnknownText},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    const auto read = tolmer::scale::parse(r.text);
    EXPECT_EQ(read.error, r.error);
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.where, (tolmer::ByteRange{r.begin, r.end}));
    EXPECT_EQ(read.length_error, r.length_error);
    EXPECT_FALSE(read.message().empty());
    EXPECT_EQ(read.message(), tolmer::scale::message(r.error));
  }
}

TEST(ScaleNotation, Writes) {
  struct Row {
    Ratio ratio;
    Notation notation;
    const char* text;
  };
  const Row rows[] = {
      {{1, 48}, Notation::Colon, "1:48"},
      {{1, 48}, Notation::Slash, "1/48"},
      {{1, 48}, Notation::Decimal, "0.020833333333333332"},
      {{1, 48}, Notation::InchesFoot, "1/4\" = 1'-0\""},
      {{1, 48}, Notation::InchFeet, "1\" = 4'"},
      {{1, 8}, Notation::InchesFoot, "1 1/2\" = 1'-0\""},
      {{1, 1}, Notation::InchesFoot, "12\" = 1'-0\""},
      {{1, 256}, Notation::InchesFoot, "3/64\" = 1'-0\""},
      {{1, 50}, Notation::InchesFoot, "0.24\" = 1'-0\""},
      {{1, 240}, Notation::InchFeet, "1\" = 20'"},
      {{1, 50}, Notation::InchFeet, "1\" = 4.166666666666667'"},
      {{2, 1}, Notation::Colon, "2:1"},
      {{2, 1}, Notation::InchesFoot, "24\" = 1'-0\""},
      {{0.02, 1}, Notation::Colon, "0.02:1"},
      {{1, 0}, Notation::Colon, ""},
      {{0, 1}, Notation::Slash, ""},
      {{-1, 48}, Notation::InchesFoot, ""},
      {{kNaN, 48}, Notation::Decimal, ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(tolmer::scale::format(r.ratio, r.notation), r.text);
  }
}

// Every standard scale written in its family's notation reads back as itself.
TEST(ScaleNotation, StandardScalesRoundTrip) {
  const std::pair<Family, Notation> families[] = {{Family::Architectural, Notation::InchesFoot},
                                                  {Family::Engineering, Notation::InchFeet},
                                                  {Family::Metric, Notation::Colon},
                                                  {Family::Architectural, Notation::Slash}};
  for (const auto& [family, notation] : families) {
    for (const int32_t d : tolmer::scale::standard_denominators(family)) {
      const std::string text = tolmer::scale::format(Ratio{1, static_cast<double>(d)}, notation);
      SCOPED_TRACE(text);
      const auto read = tolmer::scale::parse(text);
      ASSERT_TRUE(read.ok()) << read.message();
      EXPECT_EQ(read.ratio.value(), 1.0 / d);
      EXPECT_EQ(tolmer::scale::nearest_standard(family, read.ratio.value()), d);
    }
  }
}

}  // namespace
