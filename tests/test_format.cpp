// Splitting lengths and formatting them for display.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

#include "measure/format.h"
#include "measure/parse.h"
#include "tolmerdll.h"
#include "test_support.h"
#include "c_abi/process.h"

namespace {

using test_support::take;

std::string formatted(int32_t system, int32_t format, int32_t mode, double inches, int32_t places) {
  return take(GETFORMATEDTEXTFROMINCHES(system, format, mode, inches, places, 0));
}

// Millimetres as the inches a host would hold for them.
double metres(double m) { return m * 1000.0 / 25.4; }

constexpr int32_t kEnglish = 0;
constexpr int32_t kMetric = 1;
constexpr int32_t kFractional = 0;
constexpr int32_t kDecimal = 1;

class Formatting : public ::testing::Test {
 protected:
  void SetUp() override { INITIALIZEDLL(); }
};

struct Case {
  int32_t system;
  int32_t format;
  int32_t mode;
  double inches;
  int32_t places;
  const char* text;
};

void expect_cases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(formatted(c.system, c.format, c.mode, c.inches, c.places), c.text)
        << "system " << c.system << " format " << c.format << " mode " << c.mode << " inches "
        << c.inches << " places " << c.places;
  }
}

// ------------------------------------------------------------ splitting

TEST_F(Formatting, SplitEnglish) {
  struct Split {
    float inches;
    int32_t places;
    float major, minor, fraction;
  };
  const Split cases[] = {
      {150.5f, 2, 12, 6, 0.5f},
      {12.0f, 2, 1, 0, 0},
      {11.75f, 16, 0, 11, 0.75f},
      {143.99f, 2, 11, 11, 0.99f},
      {6.25f, 1, 0, 6, 0.2f},    // 2.5 tenths round to even
      {6.75f, 1, 0, 6, 0.8f},    // 7.5 tenths round to even
      {6.125f, 2, 0, 6, 0.12f},  // 12.5 hundredths round to even
      {-6.5f, 2, 0, -6, -0.5f},  // truncation towards zero
      {-30.25f, 2, -2, -6, -0.25f},
  };
  for (const Split& c : cases) {
    float major = -99, minor = -99, fraction = -99;
    GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(kEnglish, c.inches, c.places, &major, &minor,
                                             &fraction, 0);
    EXPECT_EQ(major, c.major) << c.inches;
    EXPECT_EQ(minor, c.minor) << c.inches;
    EXPECT_EQ(fraction, c.fraction) << c.inches;
  }
}

TEST_F(Formatting, SplitUnroundedWithManyPlaces) {
  // Places above 18 leave the fraction as the single subtraction gives it.
  float major = 0, minor = 0, fraction = 0;
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(kEnglish, 143.99f, 20, &major, &minor, &fraction, 0);
  EXPECT_EQ(major, 11.0f);
  EXPECT_EQ(minor, 11.0f);
  EXPECT_EQ(fraction, 143.99f - 132.0f - 11.0f);
}

TEST_F(Formatting, SplitMetric) {
  struct Split {
    double metres;
    float major, minor;
  };
  const Split cases[] = {
      {2.5, 2, 500},
      {2.005, 2, 5},
      {0.3048, 0, 304.8f},
      {1.0, 1, 0},
      {-0.5, -1, 500},  // the floor split of a negative length
  };
  for (const Split& c : cases) {
    float major = -99, minor = -99, fraction = -99;
    GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(kMetric, static_cast<float>(metres(c.metres)), 99,
                                             &major, &minor, &fraction, 7);
    EXPECT_EQ(major, c.major) << c.metres;
    EXPECT_EQ(minor, c.minor) << c.metres;
    EXPECT_EQ(fraction, 0.0f) << c.metres;
  }
}

TEST_F(Formatting, SplitWritesNothingThroughNull) {
  float minor = -1;
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(kEnglish, 150.5f, 2, nullptr, &minor, nullptr, 0);
  EXPECT_EQ(minor, 6.0f);
}

// ------------------------------------------------------- every format

TEST_F(Formatting, EnglishFractionalEveryFormat) {
  expect_cases({
      {kEnglish, 0, kFractional, 150.5, 16, "12 Feet 6 1/2 Inches"},
      {kEnglish, 1, kFractional, 150.5, 16, "12 Ft. 6 1/2 In."},
      {kEnglish, 2, kFractional, 150.5, 16, "12 Ft 6 1/2 In"},
      {kEnglish, 3, kFractional, 150.5, 2, "12.54 Feet"},
      {kEnglish, 4, kFractional, 150.5, 2, "12.54 Ft."},
      {kEnglish, 5, kFractional, 150.5, 2, "12.54 Ft"},
      {kEnglish, 6, kFractional, 150.5, 16, "12' 6 1/2\""},
      {kEnglish, 7, kFractional, 150.5, 16, "12' - 6 1/2\""},
      {kEnglish, 8, kFractional, 150.5, 2, "12.54'"},
      {kEnglish, 9, kFractional, 150.5, 16, "150 1/2 Inches"},
      {kEnglish, 10, kFractional, 150.5, 16, "150 1/2 In."},
      {kEnglish, 11, kFractional, 150.5, 16, "150 1/2 In"},
      {kEnglish, 12, kFractional, 150.5, 16, "150 1/2\""},
      {kEnglish, 13, kFractional, 150.5, 16, "150 1/2"},
      // Unlisted codes: the numbers side by side, no captions or separator.
      {kEnglish, 14, kFractional, 150.5, 16, "126 1/2"},
      {kEnglish, -1, kFractional, 150.5, 16, "126 1/2"},
  });
}

TEST_F(Formatting, EnglishDecimalEveryFormat) {
  expect_cases({
      {kEnglish, 0, kDecimal, 150.5, 2, "12 Feet 6.5 Inches"},
      {kEnglish, 1, kDecimal, 150.5, 2, "12 Ft. 6.5 In."},
      {kEnglish, 2, kDecimal, 150.5, 2, "12 Ft 6.5 In"},
      {kEnglish, 3, kDecimal, 150.5, 2, "12.54 Feet"},
      {kEnglish, 4, kDecimal, 150.5, 3, "12.542 Ft."},
      // Half an inch rounds to none, then 12.5 feet to 12 (ties to even).
      {kEnglish, 5, kDecimal, 150.5, 0, "12 Ft"},
      {kEnglish, 5, kDecimal, 150.6, 0, "13 Ft"},
      {kEnglish, 6, kDecimal, 150.5, 2, "12' 6.5\""},
      {kEnglish, 7, kDecimal, 150.5, 2, "12' - 6.5\""},
      {kEnglish, 8, kDecimal, 150.5, 1, "12.5'"},
      {kEnglish, 9, kDecimal, 150.5, 2, "150.5 Inches"},
      {kEnglish, 10, kDecimal, 150.5, 2, "150.5 In."},
      {kEnglish, 11, kDecimal, 150.5, 2, "150.5 In"},
      {kEnglish, 12, kDecimal, 150.5, 2, "150.5\""},
      {kEnglish, 13, kDecimal, 150.5, 2, "150.5"},
      {kEnglish, 14, kDecimal, 150.5, 2, "126.5"},
      // Any mode but 0 is decimal.
      {kEnglish, 6, 7, 150.25, 2, "12' 6.25\""},
      // A system other than 0 and 1 is English, and never fractional.
      {5, 6, kFractional, 150.5, 2, "12' 6.5\""},
      {5, 0, kFractional, 13.0, 2, "1 Foot 1 Inch"},
  });
}

TEST_F(Formatting, MetricEveryFormat) {
  expect_cases({
      {kMetric, 0, kFractional, metres(2.5), 2, "2 Meters 500 Millimeters"},
      {kMetric, 1, kFractional, metres(2.5), 2, "2m 500mm"},
      {kMetric, 2, kFractional, metres(2.5), 2, "2.5 Meters"},
      {kMetric, 3, kFractional, metres(2.5), 2, "2.5 m"},
      {kMetric, 4, kFractional, metres(2.5), 2, "2500 mm"},
      {kMetric, 5, kFractional, metres(2.5), 2, "2500"},
      {kMetric, 6, kFractional, metres(2.5), 2, "2m 50cm"},
      {kMetric, 7, kFractional, metres(2.5), 2, ""},
      {kMetric, -1, kFractional, metres(2.5), 2, ""},
      // The mode does not matter in Metric.
      {kMetric, 2, kDecimal, metres(2.5), 2, "2.5 Meters"},
      // Decimal metres are rounded to the places, ties to even.
      {kMetric, 2, kDecimal, metres(2.125), 2, "2.12 Meters"},
      {kMetric, 3, kDecimal, metres(2.375), 2, "2.38 m"},
      {kMetric, 3, kDecimal, metres(2.375), 0, "2 m"},
      {kMetric, 1, kDecimal, metres(0.75), 2, "750mm"},
      {kMetric, 1, kDecimal, metres(3), 2, "3m"},
      {kMetric, 0, kDecimal, metres(0.001), 2, "1 Millimeter"},
      {kMetric, 12, kDecimal, 12.0, 2, ""},
      {kMetric, 4, kDecimal, 12.0, 2, "304.8 mm"},
      {kMetric, 5, kDecimal, 12.0, 2, "304.8"},
      // Millimetres below a centimetre are dropped, but the part still shows.
      {kMetric, 6, kDecimal, metres(2.005), 2, "2m 0cm"},
      {kMetric, 6, kDecimal, metres(0.125), 2, "12cm"},  // 125 mm: 12.5 cm truncated
      // 99.5 mm round to 100 (ties to even) before the centimetres are cut.
      {kMetric, 6, kDecimal, metres(1.0995), 2, "1m 10cm"},
      {kMetric, 6, kDecimal, metres(1.0985), 2, "1m 9cm"},
  });
}

// ------------------------------------------------------------- captions

TEST_F(Formatting, SingularAndPluralCaptions) {
  expect_cases({
      {kEnglish, 0, kFractional, 12.0, 16, "1 Foot"},
      {kEnglish, 0, kFractional, 24.0, 16, "2 Feet"},
      {kEnglish, 0, kFractional, 13.0, 16, "1 Foot 1 Inch"},
      {kEnglish, 0, kFractional, 14.0, 16, "1 Foot 2 Inches"},
      // The minor caption counts the fraction with the inches.
      {kEnglish, 0, kFractional, 0.5, 16, "1/2 Inch"},
      {kEnglish, 0, kFractional, 1.0, 16, "1 Inch"},
      {kEnglish, 0, kFractional, 1.5, 16, "1 1/2 Inches"},
      {kEnglish, 9, kFractional, 12.0, 16, "12 Inches"},
      {kEnglish, 9, kDecimal, 0.75, 2, ".75 Inch"},
      // Decimal feet: the rounded feet decide.
      {kEnglish, 3, kFractional, 12.0, 2, "1 Foot"},
      {kEnglish, 3, kDecimal, 18.0, 2, "1.5 Feet"},
      {kEnglish, 3, kDecimal, 6.0, 2, ".5 Foot"},
      {kEnglish, 6, kFractional, 12.0, 16, "1'"},
      {kMetric, 0, kDecimal, metres(1), 2, "1 Meter"},
      {kMetric, 0, kDecimal, metres(1.5), 2, "1 Meter 500 Millimeters"},
      {kMetric, 0, kDecimal, metres(2.001), 2, "2 Meters 1 Millimeter"},
      // The whole metres decide the plural of decimal metres.
      {kMetric, 2, kDecimal, metres(1.5), 2, "1.5 Meter"},
      {kMetric, 2, kDecimal, metres(0.5), 2, ".5 Meter"},
  });
}

// ------------------------------------------------ fraction boundaries

TEST_F(Formatting, FractionsReachingAWholeInchCarry) {
  expect_cases({
      // 0.99 reaches 16/16: shown as 144 inches.
      {kEnglish, 6, kFractional, 143.99, 16, "12'"},
      {kEnglish, 0, kFractional, 143.99, 16, "12 Feet"},
      {kEnglish, 9, kFractional, 143.99, 16, "144 Inches"},
      {kEnglish, 13, kFractional, 143.99, 16, "144"},
      // In decimals the fraction rounds to 1.0 at one place.
      {kEnglish, 6, kDecimal, 143.99, 1, "12'"},
      {kEnglish, 6, kDecimal, 143.99, 2, "11' 11.99\""},
      // 15/16 at eighths: 7.5 eighths round to 8.
      {kEnglish, 6, kFractional, 6.9375, 8, "7\""},
      {kEnglish, 6, kFractional, 6.9375, 16, "6 15/16\""},
      {kEnglish, 0, kFractional, 0.999, 16, "1 Inch"},
      // A carry across the foot.
      {kEnglish, 7, kFractional, 23.97, 16, "2'"},
      {kEnglish, 7, kDecimal, 23.96, 1, "2'"},
  });
}

TEST_F(Formatting, FractionsTooSmallToShow) {
  expect_cases({
      // 0.01 inch is no sixteenth.
      {kEnglish, 6, kFractional, 6.01, 16, "6\""},
      {kEnglish, 0, kFractional, 1.01, 16, "1 Inch"},
      {kEnglish, 6, kFractional, 0.01, 16, ""},
      // The separator and the space before the fraction both stand.
      {kEnglish, 6, kFractional, 12.5, 16, "1'  1/2\""},
      {kEnglish, 6, kDecimal, 12.5, 2, "1' .5\""},
      {kEnglish, 6, kDecimal, 150.5, 2, "12' 6.5\""},
  });
}

TEST_F(Formatting, FractionNoiseIsNotShownAsZero) {
  // The single just above 6 is 6 + 4.8e-7: below half a millionth, the
  // fraction reads as "0", which must not be shown as "6 0\"".
  const double above_six = std::nextafter(6.0f, 7.0f);
  const double above_one = std::nextafter(1.0f, 2.0f);
  expect_cases({
      {kEnglish, 6, kFractional, 6.0000001, 16, "6\""},
      {kEnglish, 6, kFractional, above_six, 16, "6\""},
      {kEnglish, 6, kFractional, above_six, 64, "6\""},
      {kEnglish, 13, kFractional, above_one, 16, "1"},
      // 13 + 9.5e-7: no sixteenth at all.
      {kEnglish, 0, kFractional, std::nextafter(13.0f, 14.0f), 16, "1 Foot 1 Inch"},
      {kEnglish, 6, kDecimal, above_six, 8, "6.00000048\""},
      {kEnglish, 6, kDecimal, above_six, 6, "6\""},
  });
}

TEST_F(Formatting, SmallDecimalFractionsKeepTheirDigits) {
  // Fractions below 0.1 whose seven significant digits need more than seven
  // places are written out in full, never in exponent form and never dropped.
  expect_cases({
      {kEnglish, 6, kDecimal, 6.07, 8, "6.07000017\""},
      {kEnglish, 0, kDecimal, 6040.01141, 8, "503 Feet 4.01123047 Inches"},
      {kEnglish, 6, kDecimal, 6.000000476837158, 16, "6.0000004768372\""},
      {kEnglish, 13, kDecimal, 0.0625 / 1024, 18, ".00006103516"},
      // Decimal feet count the whole fraction.
      {5, 4, kDecimal, 9988.09, 20, "832.3408 Ft."},
      {kEnglish, 3, kDecimal, 12.01, 8, "1.000833 Feet"},
      {kEnglish, 8, kDecimal, 12.01, 8, "1.000833'"},
      // Seven places or fewer are written as before.
      {kEnglish, 6, kDecimal, 6.07, 7, "6.0700002\""},
      {kEnglish, 6, kDecimal, 6.07, 2, "6.07\""},
  });
}

TEST_F(Formatting, HiddenFractionNoiseStillCountsInDecimalFeet) {
  // 3.0000002 inches is 3 + 2.4e-7: the fraction is too small to show as a
  // common fraction, but the decimal feet are 0.25000002, which round up at
  // one place.
  const double above_three = std::nextafter(3.0f, 4.0f);
  expect_cases({
      {kEnglish, 3, kFractional, 3.0000002, 1, ".3 Foot"},
      {kEnglish, 8, kFractional, above_three, 1, ".3'"},
      {kEnglish, 3, kFractional, 3.0, 1, ".2 Foot"},
      {kEnglish, 3, kFractional, 3.0000002, 2, ".25 Foot"},
      {kEnglish, 6, kFractional, 3.0000002, 1, "3\""},
      {kEnglish, 0, kFractional, above_three, 16, "3 Inches"},
  });
}

TEST_F(Formatting, FractionRoundingTiesToEven) {
  expect_cases({
      // In 32nds at sixteenths: 1/32 (0.5) drops, 3/32 (1.5) and 5/32 (2.5)
      // both give 2/16, 7/32 (3.5) gives 4/16.
      {kEnglish, 6, kFractional, 6 + 1.0 / 32, 16, "6\""},
      {kEnglish, 6, kFractional, 6 + 3.0 / 32, 16, "6 1/8\""},
      {kEnglish, 6, kFractional, 6 + 5.0 / 32, 16, "6 1/8\""},
      {kEnglish, 6, kFractional, 6 + 7.0 / 32, 16, "6 1/4\""},
      // 13/16 at eighths: 6.5 eighths give 6/8.
      {kEnglish, 6, kFractional, 6.8125, 8, "6 3/4\""},
      // Decimal places: 2.5 and 7.5 tenths.
      {kEnglish, 6, kDecimal, 6.25, 1, "6.2\""},
      {kEnglish, 6, kDecimal, 6.75, 1, "6.8\""},
      {kEnglish, 6, kDecimal, 6.125, 2, "6.12\""},
      {kEnglish, 6, kDecimal, 6.375, 2, "6.38\""},
      // Half an inch at no places rounds to 0, whatever the whole inches.
      {kEnglish, 6, kDecimal, 6.5, 0, "6\""},
      {kEnglish, 6, kDecimal, 7.5, 0, "7\""},
      // Decimal feet: 0.125 and 0.375 feet at two places.
      {kEnglish, 8, kDecimal, 1.5, 2, ".12'"},
      {kEnglish, 8, kDecimal, 4.5, 2, ".38'"},
  });
}

TEST_F(Formatting, DenominatorIsACap) {
  expect_cases({
      {kEnglish, 13, kFractional, 5.3, 16, "5 3/10"},  // tenths fit under 16
      {kEnglish, 13, kFractional, 5.25, 64, "5 1/4"},
      {kEnglish, 13, kFractional, 5.015625, 64, "5 1/64"},
      {kEnglish, 13, kFractional, 5.015625, 16, "5"},
      {kEnglish, 13, kFractional, 5.75, 2, "6"},  // 1.5 halves round to 2
      {kEnglish, 13, kFractional, 5.25, 2, "5"},  // 0.5 halves round to 0
  });
}

// -------------------------------------------------- zero and negatives

TEST_F(Formatting, ZeroLength) {
  for (int32_t format = 0; format <= 14; ++format) {
    EXPECT_EQ(formatted(kEnglish, format, kFractional, 0, 16), "") << format;
    EXPECT_EQ(formatted(kEnglish, format, kDecimal, 0, 2), "") << format;
  }
  for (int32_t format : {0, 1, 2, 3, 6}) EXPECT_EQ(formatted(kMetric, format, 0, 0, 2), "");
  EXPECT_EQ(formatted(kMetric, 4, 0, 0, 2), "0 mm");
  EXPECT_EQ(formatted(kMetric, 5, 0, 0, 2), "0");
}

TEST_F(Formatting, NegativeLengths) {
  for (int32_t format = 0; format <= 14; ++format) {
    EXPECT_EQ(formatted(kEnglish, format, kFractional, -150.5, 16), "") << format;
    EXPECT_EQ(formatted(kEnglish, format, kDecimal, -150.5, 2), "") << format;
  }
  expect_cases({
      {kMetric, 0, kDecimal, metres(-0.5), 2, "500 Millimeters"},
      {kMetric, 1, kDecimal, metres(-0.5), 2, "500mm"},
      {kMetric, 2, kDecimal, metres(-0.5), 2, "-.5 Meter"},
      {kMetric, 3, kDecimal, metres(-0.5), 2, "-.5 m"},
      {kMetric, 4, kDecimal, metres(-0.5), 2, "-500 mm"},
      {kMetric, 5, kDecimal, metres(-0.5), 2, "-500"},
      {kMetric, 6, kDecimal, metres(-0.5), 2, "50cm"},
      {kMetric, 0, kDecimal, metres(-2), 2, ""},
      {kMetric, 4, kDecimal, metres(-2), 2, "-2000 mm"},
  });
}

TEST_F(Formatting, NonFiniteLengths) {
  // No part of NaN is above 0; infinities and huge lengths must not trap or
  // convert out of range (the sanitizer build watches these calls).
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (int32_t format = 0; format <= 14; ++format) {
    EXPECT_EQ(formatted(kEnglish, format, kFractional, nan, 16), "") << format;
    EXPECT_EQ(formatted(kEnglish, format, kDecimal, nan, 2), "") << format;
  }
  for (int32_t format : {0, 1, 2, 3, 6}) EXPECT_EQ(formatted(kMetric, format, 0, nan, 2), "");
  for (int32_t system : {kEnglish, kMetric}) {
    for (int32_t format = 0; format <= 14; ++format) {
      for (double inches : {inf, -inf, 1e30, -1e30, 3e9}) {
        const std::string text = formatted(system, format, kFractional, inches, 16);
        EXPECT_EQ(text, formatted(system, format, kFractional, inches, 16));
        (void)formatted(system, format, kDecimal, inches, -5);
      }
    }
  }
  EXPECT_EQ(formatted(kEnglish, 13, kFractional, 3e9, 16), "3E+9");
}

// ------------------------------------------------------------ properties

// The reduced fraction n/16 as text ("" for 0), built independently.
std::string sixteenths(int n) {
  if (n == 0) return "";
  const int g = std::gcd(n, 16);
  return std::to_string(n / g) + "/" + std::to_string(16 / g);
}

TEST_F(Formatting, LengthsExactInSixteenthsShowTheirFraction) {
  for (int k = 1; k <= 16 * 40; ++k) {
    const double inches = k / 16.0;
    const int whole_inches = k / 16;
    const int feet = whole_inches / 12;
    const int inch = whole_inches % 12;
    const std::string fraction = sixteenths(k % 16);

    std::string inches_only = whole_inches > 0 ? std::to_string(whole_inches) : "";
    if (!fraction.empty()) inches_only += (inches_only.empty() ? "" : " ") + fraction;
    EXPECT_EQ(formatted(kEnglish, 13, kFractional, inches, 16), inches_only) << inches;
    EXPECT_EQ(formatted(kEnglish, 12, kFractional, inches, 16), inches_only + "\"") << inches;

    std::string feet_inches = feet > 0 ? std::to_string(feet) + "'" : "";
    std::string rest = inch > 0 ? std::to_string(inch) : "";
    if (!fraction.empty()) rest += " " + fraction;
    if (!rest.empty()) feet_inches += (feet > 0 ? " " : "") + rest + "\"";
    // Format 6 keeps the space before a fraction without whole inches.
    const std::string shown = formatted(kEnglish, 6, kFractional, inches, 16);
    if (feet > 0 && inch == 0 && !fraction.empty()) {
      EXPECT_EQ(shown, std::to_string(feet) + "'  " + fraction + "\"") << inches;
    } else if (feet == 0 && inch == 0) {
      EXPECT_EQ(shown, fraction + "\"") << inches;
    } else {
      EXPECT_EQ(shown, feet_inches) << inches;
    }

    // Reformatting is stable, in every format and both modes.
    for (int32_t format = 0; format <= 14; ++format) {
      EXPECT_EQ(formatted(kEnglish, format, kFractional, inches, 16),
                formatted(kEnglish, format, kFractional, inches, 16));
      EXPECT_EQ(formatted(kEnglish, format, kDecimal, inches, 4),
                formatted(kEnglish, format, kDecimal, inches, 4));
    }
  }
}

TEST_F(Formatting, LengthsExactInSixteenthsShowTheirDecimals) {
  // k/16 has at most four decimals, so four places show it exactly.
  for (int k = 1; k <= 16 * 30; ++k) {
    const double inches = k / 16.0;
    const int whole = k / 16;
    const int ten_thousandths = (k % 16) * 625;
    std::string decimals;
    if (ten_thousandths > 0) {
      decimals = std::to_string(10000 + ten_thousandths).substr(1);
      while (decimals.back() == '0') decimals.pop_back();
      decimals = "." + decimals;
    }
    const std::string expected = (whole > 0 ? std::to_string(whole) : "") + decimals;
    EXPECT_EQ(formatted(kEnglish, 13, kDecimal, inches, 4), expected) << inches;
  }
}

TEST_F(Formatting, LengthsExactInSixteenthsReparse) {
  // Every captioned feet-and-inches or inches-only text of a length exact in
  // sixteenths reads back, once separated, as the same inches.
  const int32_t formats[] = {0, 1, 2, 6, 7, 9, 10, 11, 12};
  for (int k = 1; k <= 16 * 40; ++k) {
    const float inches = static_cast<float>(k) / 16;
    for (int32_t format : formats) {
      for (int32_t mode : {kFractional, kDecimal}) {
        const int32_t places = mode == kFractional ? 16 : 4;
        const std::string text = tolmer::format_inches(
            tolmer::state(),
            {tolmer::System::English, static_cast<tolmer::Format>(format),
             static_cast<tolmer::FractionMode>(mode), places},
            inches);
        const tolmer::Conversion read =
            tolmer::convert_text_to_inches(tolmer::state(), tolmer::separate_measurements(text), 0);
        EXPECT_TRUE(read.ok()) << text;
        EXPECT_EQ(read.inches, inches) << "format " << format << ": " << text;
      }
    }
  }
}

TEST_F(Formatting, CoreMatchesExport) {
  using tolmer::Format;
  using tolmer::FractionMode;
  using tolmer::System;
  EXPECT_EQ(tolmer::format_inches(tolmer::state(),
                                  {System::English, Format::FeetInchesMarks, FractionMode::Fraction, 16},
                                  150.5),
            formatted(kEnglish, 6, kFractional, 150.5, 16));
  EXPECT_EQ(tolmer::format_inches(tolmer::state(),
                                  {System::English, Format::FeetInchesMarks, FractionMode::Fraction, 64},
                                  150.25),
            "12' 6 1/4\"");
  const tolmer::LengthParts parts = tolmer::split_inches(tolmer::state(), System::English, 150.5f, 2);
  EXPECT_EQ(parts.major, 12.0f);
  EXPECT_EQ(parts.minor, 6.0f);
  EXPECT_EQ(parts.fraction, 0.5f);
}

}  // namespace
