// Units, designator words, captions and the unit conversions.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "c_abi/process.h"
#include "measure/units.h"
#include "tolmerdll.h"
#include "test_support.h"

namespace {

using test_support::take;

class Units : public ::testing::Test {
 protected:
  void SetUp() override { INITIALIZEDLL(); }
};

TEST_F(Units, InchesAndMillimetres) {
  EXPECT_EQ(INCHESTOMILLIMETERS(1.0), 25.399999618530273);
  EXPECT_EQ(MILLIMETERSTOINCHES(25.4f), 1.0f);
  EXPECT_EQ(INCHESTOMILLIMETERS(0.0), 0.0);
  EXPECT_EQ(MILLIMETERSTOINCHES(0.0f), 0.0f);
}

TEST_F(Units, ExtendedIntermediatesChangeTheStoredResult) {
  // Multiply in extended precision and round once, or round the product to
  // double: somewhere in a run of inputs the two stored results differ, and
  // the export must give the extended one.
  const double mm = 25.399999618530273;
  int differing = 0;
  uint64_t bits = 0x9E3779B97F4A7C15u;
  for (int i = 0; i < 200000; ++i) {
    bits = bits * 6364136223846793005u + 1442695040888963407u;
    const double inches = 1.0 + static_cast<double>(bits >> 11) / 9007199254740992.0 * 1000.0;
    const double extended = static_cast<double>(static_cast<tolmer::xreal>(inches) * mm);
    volatile double a = inches, b = mm;
    const double plain = a * b;
    if (extended != plain) {
      ++differing;
      EXPECT_EQ(INCHESTOMILLIMETERS(inches), extended) << inches;
    } else {
      EXPECT_EQ(INCHESTOMILLIMETERS(inches), plain) << inches;
    }
  }
  EXPECT_GT(differing, 0);
}

TEST_F(Units, ConvertMeasurement) {
  EXPECT_EQ(CONVERTMEASUREMENT(39.369f, 1), 1.0f);
  EXPECT_EQ(CONVERTMEASUREMENT(24.0f, 0), 2.0f);
  EXPECT_EQ(CONVERTMEASUREMENT(24.0f, 5), 0.0f);
  EXPECT_EQ(CONVERTMEASUREMENT(24.0f, -1), 0.0f);
  EXPECT_EQ(CONVERTMEASUREMENT(1.0f, 0), static_cast<float>(tolmer::xreal(1) / tolmer::xreal(12)));
}

TEST_F(Units, DecimalPlacesGoToTheirSlot) {
  SETCONVERSIONDECIMALPLACES(5, 3);
  SETCONVERSIONDECIMALPLACES(0, -7);
  EXPECT_EQ(tolmer::state().decimal_places.value()[1], 3);
  EXPECT_EQ(tolmer::state().decimal_places.value()[0], -7);
}

struct WordCase {
  int32_t system, unit, index, bare;
  const char* word;
};

class Designators : public ::testing::TestWithParam<WordCase> {};

TEST_P(Designators, Word) {
  const WordCase& c = GetParam();
  EXPECT_EQ(take(GETMEASUREMENTDESIGNATOR(c.system, c.unit, c.index, c.bare)), c.word);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Designators,
    ::testing::Values(WordCase{0, 1, 2, 0, " FEET "}, WordCase{0, 1, 2, 1, "FEET"},
                      WordCase{1, 0, 6, 1, ""}, WordCase{1, 0, 6, 0, "  "},
                      WordCase{7, 2, 0, 1, "\""}, WordCase{0, 2, 1, 1, "''"},
                      WordCase{0, 1, 0, 1, "'"}, WordCase{1, 0, 2, 1, "METER"},
                      WordCase{1, 0, 3, 1, "METER."}, WordCase{1, 1, 10, 1, "D.M."},
                      WordCase{1, 3, 9, 1, "MM"}, WordCase{0, 0, 9, 1, "Y"},
                      WordCase{0, 0, 10, 1, ""}, WordCase{0, 3, 0, 1, ""},
                      WordCase{0, -1, 0, 1, ""}, WordCase{1, 4, 0, 1, ""},
                      WordCase{0, 2, -1, 0, "  "}, WordCase{-3, 1, 8, 2, "F"}));

TEST(DesignatorTable, CountsPerUnit) {
  const int expected[2][4] = {{10, 9, 10, 0}, {6, 11, 11, 11}};
  for (int system = 0; system < 2; ++system) {
    for (int unit = 0; unit < 4; ++unit) {
      // The English list has no fourth unit: a code past Inches names none.
      const auto named = static_cast<tolmer::Unit>(system == 1 ? 3 + unit : unit);
      if (system == 0 && unit == 3) continue;
      const int32_t count = tolmer::designator_count(named);
      EXPECT_EQ(count, expected[system][unit]);
      for (int i = 0; i < count; ++i) EXPECT_FALSE(tolmer::designator_word(named, i).empty());
      EXPECT_TRUE(tolmer::designator_word(named, count).empty());
    }
  }
}

struct LabelCase {
  int32_t system, style;
  float quantity;
  const char* caption;
};

class Labels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(Labels, Caption) {
  const LabelCase& c = GetParam();
  EXPECT_EQ(take(GETMEASUREMENTLABEL(c.system, c.style, c.quantity)), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Labels,
    ::testing::Values(LabelCase{0, 0, 1, "Foot"}, LabelCase{0, 0, 1.5f, "Feet"},
                      LabelCase{0, 0, 0, "Foot"}, LabelCase{0, 0, -5, "Foot"},
                      LabelCase{0, 1, 2, "Inches"}, LabelCase{0, 1, 1.0000001f, "Inches"},
                      LabelCase{0, 2, 9, "Ft"}, LabelCase{0, 5, 9, "In."},
                      LabelCase{0, 6, 9, "'"}, LabelCase{0, 7, 1, "\""},
                      LabelCase{0, 8, 1, ""}, LabelCase{1, 0, 2, "Meters"},
                      LabelCase{1, 1, 1, "Millimeter"}, LabelCase{1, 1, 3, "Millimeters"},
                      LabelCase{1, 4, 10, "cm"}, LabelCase{1, 5, 2, ""},
                      LabelCase{1, -1, 2, ""}, LabelCase{9, 3, 2, "In"}));

}  // namespace
