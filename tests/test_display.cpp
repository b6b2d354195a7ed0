// Showing lengths: tolmer::format_length, one row per rule. Each row is a
// length, the display settings and the text a reader sees.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "tolmer/display.h"

namespace {

using tolmer::EnglishFormat;
using tolmer::FractionMode;
using tolmer::Length;
using tolmer::LengthDisplay;
using tolmer::MetricFormat;

constexpr auto kFraction = FractionMode::Fraction;
constexpr auto kDecimal = FractionMode::Decimal;

Length inches(double value) { return Length::from_inches(value); }
Length mm(double value) { return Length::from_millimeters(value); }

struct Row {
  Length length;
  LengthDisplay display;
  const char* text;
};

void expect_rows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    const bool metric = row.display.system() == tolmer::System::Metric;
    const int32_t code = metric ? static_cast<int32_t>(std::get<MetricFormat>(row.display.format))
                                : static_cast<int32_t>(std::get<EnglishFormat>(row.display.format));
    EXPECT_EQ(tolmer::format_length(row.length, row.display), row.text)
        << row.length.inches() << " in, " << (metric ? "metric" : "English") << " format " << code
        << (row.display.inch_fraction == kFraction ? ", fraction /" : ", decimals ")
        << (row.display.inch_fraction == kFraction ? row.display.denominator : row.display.decimals);
  }
}

LengthDisplay english(EnglishFormat format, FractionMode mode = kFraction, int32_t denominator = 16,
                      int32_t decimals = 3) {
  return LengthDisplay{format, mode, denominator, decimals};
}
LengthDisplay metric(MetricFormat format, int32_t decimals = 3) {
  return LengthDisplay{format, kDecimal, 16, decimals};
}

TEST(ShowingLengths, EveryEnglishFormat) {
  expect_rows({
      {inches(150.5), english(EnglishFormat::FeetInchesWords), "12 Feet 6 1/2 Inches"},
      {inches(150.5), english(EnglishFormat::FeetInchesAbbreviated), "12 Ft. 6 1/2 In."},
      {inches(150.5), english(EnglishFormat::FeetInchesShort), "12 Ft 6 1/2 In"},
      {inches(150.5), english(EnglishFormat::DecimalFeetWords, kFraction, 16, 2), "12.54 Feet"},
      {inches(150.5), english(EnglishFormat::DecimalFeetAbbreviated, kFraction, 16, 2), "12.54 Ft."},
      {inches(150.5), english(EnglishFormat::DecimalFeetShort, kFraction, 16, 2), "12.54 Ft"},
      {inches(150.5), english(EnglishFormat::FeetInchesMarks), "12' 6 1/2\""},
      {inches(150.5), english(EnglishFormat::FeetInchesDashMarks), "12' - 6 1/2\""},
      {inches(150.5), english(EnglishFormat::DecimalFeetMark, kFraction, 16, 2), "12.54'"},
      {inches(150.5), english(EnglishFormat::InchesWords), "150 1/2 Inches"},
      {inches(150.5), english(EnglishFormat::InchesAbbreviated), "150 1/2 In."},
      {inches(150.5), english(EnglishFormat::InchesShort), "150 1/2 In"},
      {inches(150.5), english(EnglishFormat::InchesMark), "150 1/2\""},
      {inches(150.5), english(EnglishFormat::InchesBare), "150 1/2"},
  });
}

TEST(ShowingLengths, EveryMetricFormat) {
  expect_rows({
      {mm(2500), metric(MetricFormat::MetersMillimetersWords), "2 Meters 500 Millimeters"},
      {mm(2500), metric(MetricFormat::MetersMillimetersShort), "2m 500mm"},
      {mm(2500), metric(MetricFormat::DecimalMetersWords), "2.5 Meters"},
      {mm(2500), metric(MetricFormat::DecimalMetersShort), "2.5 m"},
      {mm(2500), metric(MetricFormat::MillimetersShort), "2500 mm"},
      {mm(2500), metric(MetricFormat::MillimetersBare), "2500"},
      {mm(2500), metric(MetricFormat::MetersCentimetersShort), "2m 50cm"},
  });
}

TEST(ShowingLengths, ZeroShowsTheSmallestPart) {
  expect_rows({
      {inches(0), english(EnglishFormat::FeetInchesWords), "0 Inches"},
      {inches(0), english(EnglishFormat::FeetInchesAbbreviated), "0 In."},
      {inches(0), english(EnglishFormat::DecimalFeetWords), "0 Feet"},
      {inches(0), english(EnglishFormat::DecimalFeetShort), "0 Ft"},
      {inches(0), english(EnglishFormat::FeetInchesMarks), "0\""},
      {inches(0), english(EnglishFormat::FeetInchesDashMarks), "0\""},
      {inches(0), english(EnglishFormat::DecimalFeetMark), "0'"},
      {inches(0), english(EnglishFormat::InchesWords), "0 Inches"},
      {inches(0), english(EnglishFormat::InchesBare), "0"},
      {inches(0), english(EnglishFormat::FeetInchesMarks, kDecimal), "0\""},
      {inches(0), metric(MetricFormat::MetersMillimetersWords), "0 Millimeters"},
      {inches(0), metric(MetricFormat::MetersMillimetersShort), "0mm"},
      {inches(0), metric(MetricFormat::DecimalMetersWords), "0 Meters"},
      {inches(0), metric(MetricFormat::DecimalMetersShort), "0 m"},
      {inches(0), metric(MetricFormat::MillimetersShort), "0 mm"},
      {inches(0), metric(MetricFormat::MillimetersBare), "0"},
      {inches(0), metric(MetricFormat::MetersCentimetersShort), "0cm"},
      // Lengths that round to zero are zero, never "-0".
      {inches(-0.0), english(EnglishFormat::FeetInchesMarks), "0\""},
      {inches(-0.01), english(EnglishFormat::FeetInchesMarks), "0\""},
      {inches(-0.04), english(EnglishFormat::DecimalFeetMark, kFraction, 16, 2), "0'"},
      {mm(-0.0004), metric(MetricFormat::MillimetersShort), "0 mm"},
      {mm(-4), metric(MetricFormat::MetersCentimetersShort, 0), "0cm"},
  });
}

TEST(ShowingLengths, NegativeLengthsHaveOneLeadingMinus) {
  expect_rows({
      {inches(-6.5), english(EnglishFormat::FeetInchesMarks), "-6 1/2\""},
      {inches(-150.5), english(EnglishFormat::FeetInchesWords), "-12 Feet 6 1/2 Inches"},
      {inches(-150.5), english(EnglishFormat::FeetInchesDashMarks), "-12' - 6 1/2\""},
      {inches(-150.5), english(EnglishFormat::InchesBare), "-150 1/2"},
      {inches(-0.5), english(EnglishFormat::DecimalFeetMark), "-0.042'"},
      {inches(-6.125), english(EnglishFormat::InchesMark, kDecimal, 16, 2), "-6.13\""},
      {inches(-6.5), metric(MetricFormat::MillimetersShort), "-165.1 mm"},
      {inches(-6.5), metric(MetricFormat::MillimetersBare), "-165.1"},
      {inches(-6.5), metric(MetricFormat::MetersMillimetersWords), "-165.1 Millimeters"},
      {inches(-6.5), metric(MetricFormat::DecimalMetersShort), "-0.165 m"},
      {inches(-6.5), metric(MetricFormat::MetersCentimetersShort), "-16.51cm"},
      {mm(-2500), metric(MetricFormat::MetersMillimetersShort), "-2m 500mm"},
  });
}

TEST(ShowingLengths, CaptionsAreSingularForOne) {
  expect_rows({
      {inches(12), english(EnglishFormat::FeetInchesWords), "1 Foot"},
      {inches(13), english(EnglishFormat::FeetInchesWords), "1 Foot 1 Inch"},
      {inches(0.5), english(EnglishFormat::FeetInchesWords), "1/2 Inch"},
      {inches(24.5), english(EnglishFormat::FeetInchesWords), "2 Feet 1/2 Inch"},
      {inches(1.5), english(EnglishFormat::InchesWords), "1 1/2 Inches"},
      {inches(12), english(EnglishFormat::DecimalFeetWords), "1 Foot"},
      {inches(18), english(EnglishFormat::DecimalFeetWords), "1.5 Feet"},
      {inches(0.5), english(EnglishFormat::InchesWords, kDecimal), "0.5 Inches"},
      {mm(1000), metric(MetricFormat::DecimalMetersWords), "1 Meter"},
      {mm(1500), metric(MetricFormat::DecimalMetersWords), "1.5 Meters"},
      {mm(1001), metric(MetricFormat::MetersMillimetersWords), "1 Meter 1 Millimeter"},
  });
}

TEST(ShowingLengths, FractionsRoundToTheLargestDenominatorAndCarry) {
  expect_rows({
      {inches(12.5), english(EnglishFormat::FeetInchesMarks), "1' 1/2\""},
      {inches(143.99), english(EnglishFormat::FeetInchesMarks), "12'"},
      {inches(11.99), english(EnglishFormat::FeetInchesMarks), "1'"},
      {inches(6.01), english(EnglishFormat::FeetInchesMarks), "6\""},
      // Halfway between two sixteenths: away from zero.
      {inches(6.03125), english(EnglishFormat::FeetInchesMarks), "6 1/16\""},
      {inches(-6.03125), english(EnglishFormat::FeetInchesMarks), "-6 1/16\""},
      {inches(0.3), english(EnglishFormat::InchesMark, kFraction, 8), "1/4\""},
      {inches(1.0 / 3), english(EnglishFormat::InchesMark, kFraction, 3), "1/3\""},
      {inches(0.75), english(EnglishFormat::InchesMark, kFraction, 64), "3/4\""},
      {inches(0.2), english(EnglishFormat::InchesMark, kFraction, 64), "13/64\""},
      // Denominators outside 1..1024 take the nearest end.
      {inches(6.5), english(EnglishFormat::InchesMark, kFraction, 0), "7\""},
      {inches(6.4), english(EnglishFormat::InchesMark, kFraction, -5), "6\""},
      {inches(1.0 / 2048), english(EnglishFormat::InchesMark, kFraction, 100000), "1/1024\""},
  });
}

TEST(ShowingLengths, DecimalsAreHonouredByEveryDecimalNumber) {
  expect_rows({
      {inches(150.5), english(EnglishFormat::FeetInchesMarks, kDecimal, 16, 2), "12' 6.5\""},
      {inches(12.5), english(EnglishFormat::FeetInchesMarks, kDecimal, 16, 2), "1' 0.5\""},
      {inches(143.999), english(EnglishFormat::FeetInchesMarks, kDecimal, 16, 2), "12'"},
      {inches(6.125), english(EnglishFormat::InchesMark, kDecimal, 16, 2), "6.13\""},
      {inches(6.4), english(EnglishFormat::InchesMark, kDecimal, 16, -3), "6\""},
      {inches(0.5), english(EnglishFormat::DecimalFeetMark), "0.042'"},
      {inches(0.5), english(EnglishFormat::DecimalFeetMark, kFraction, 16, 6), "0.041667'"},
      {inches(12), metric(MetricFormat::MillimetersShort, 0), "305 mm"},
      {inches(12), metric(MetricFormat::MillimetersShort, 1), "304.8 mm"},
      {mm(1234.5678), metric(MetricFormat::MetersMillimetersShort, 2), "1m 234.57mm"},
      {mm(1234.5678), metric(MetricFormat::MetersMillimetersWords, 0), "1 Meter 235 Millimeters"},
      {mm(1234.5678), metric(MetricFormat::DecimalMetersShort, 2), "1.23 m"},
      {mm(1234.5678), metric(MetricFormat::MillimetersBare, 1), "1234.6"},
      {mm(2005), metric(MetricFormat::MetersCentimetersShort, 0), "2m 1cm"},
      {mm(2005), metric(MetricFormat::MetersCentimetersShort, 1), "2m 0.5cm"},
      {mm(999.9996), metric(MetricFormat::MetersMillimetersWords), "1 Meter"},
      {mm(1999.9996), metric(MetricFormat::DecimalMetersWords, 6), "2 Meters"},
      // Up to nine decimals, never an exponent.
      {inches(1e-6), english(EnglishFormat::InchesMark, kDecimal, 16, 40), "0.000001\""},
      {inches(123456789.125), english(EnglishFormat::InchesMark, kDecimal, 16, 9), "123456789.125\""},
  });
}

TEST(ShowingLengths, NoBinaryNoise) {
  expect_rows({
      // Unit conversions: the decimal of 15 significant digits is rounded.
      {inches(-1), metric(MetricFormat::MillimetersShort, 9), "-25.4 mm"},
      {mm(2.675), metric(MetricFormat::MillimetersShort, 2), "2.68 mm"},
      {inches(2.675), english(EnglishFormat::InchesMark, kDecimal, 16, 2), "2.68\""},
      {mm(3822.7), metric(MetricFormat::DecimalMetersShort, 9), "3.8227 m"},
      {inches(100), english(EnglishFormat::DecimalFeetWords, kFraction, 16, 9), "8.333333333 Feet"},
      // A float taken as its shortest decimal.
      {tolmer::length_from_float(-1.0f), metric(MetricFormat::MillimetersShort, 9), "-25.4 mm"},
      {tolmer::length_from_float(0.1f), english(EnglishFormat::InchesMark, kDecimal, 16, 9), "0.1\""},
      {tolmer::length_from_float(150.5f / 25.4f), metric(MetricFormat::MillimetersShort), "150.5 mm"},
      // The float's own value keeps its binary digits.
      {inches(0.1f), english(EnglishFormat::InchesMark, kDecimal, 16, 9), "0.100000001\""},
  });
}

TEST(ShowingLengths, LengthsWithoutADisplay) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  for (const double value : {nan, infinity, -infinity, tolmer::largest_shown_inches, -1e300}) {
    EXPECT_EQ(tolmer::format_length(inches(value), {}), "") << value;
    EXPECT_EQ(tolmer::format_length(inches(value), metric(MetricFormat::MillimetersShort)), "") << value;
  }
  EXPECT_EQ(tolmer::format_length(inches(999999999999999), english(EnglishFormat::FeetInchesMarks)),
            "83333333333333' 3\"");
  EXPECT_EQ(tolmer::format_length(inches(-999999999999999), metric(MetricFormat::MetersMillimetersWords)),
            "-25400000000000 Meters");
}

TEST(ShowingLengths, AFormatCodeOutsideItsListTakesTheDefault) {
  const auto english_code = static_cast<EnglishFormat>(14);
  const auto metric_code = static_cast<MetricFormat>(-1);
  EXPECT_EQ(tolmer::format_length(inches(150.5), english(english_code)), "12' 6 1/2\"");
  EXPECT_EQ(tolmer::format_length(mm(2500), metric(metric_code)), "2 Meters 500 Millimeters");
}

TEST(ShowingLengths, TheAppendingFormAppends) {
  std::string out = "width: ";
  tolmer::format_length_to(out, inches(150.5), {});
  out += ", depth: ";
  tolmer::format_length_to(out, inches(-6.5), metric(MetricFormat::MillimetersShort));
  EXPECT_EQ(out, "width: 12' 6 1/2\", depth: -165.1 mm");
}

TEST(ShowingLengths, TheShownLengthIsTheRoundedLength) {
  struct ShownRow {
    Length length;
    LengthDisplay display;
    double shown_inches;
  };
  const std::vector<ShownRow> rows = {
      {inches(150.51), english(EnglishFormat::FeetInchesMarks), 150.5},
      {inches(-143.99), english(EnglishFormat::FeetInchesMarks), -144},
      {inches(-0.01), english(EnglishFormat::FeetInchesMarks), 0},
      {inches(6.125), english(EnglishFormat::InchesMark, kDecimal, 16, 2), 6.13},
      {inches(0.5), english(EnglishFormat::DecimalFeetMark), 0.042 * 12},
      {mm(1234.5678), metric(MetricFormat::MillimetersShort, 1), 1234.6 / 25.4},
      {mm(1234.5678), metric(MetricFormat::DecimalMetersShort, 2), 1230 / 25.4},
  };
  for (const ShownRow& row : rows) {
    const Length shown = tolmer::shown_length(row.length, row.display);
    EXPECT_NEAR(shown.inches(), row.shown_inches, 1e-12) << row.length.inches();
    EXPECT_FALSE(std::signbit(shown.inches()) && shown.inches() == 0) << "negative zero";
  }
}

}  // namespace
