// Drawing scale ratios: the table, lookups, snapping and conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "c_abi/process.h"
#include "measure/scales.h"
#include "tolmerdll.h"

namespace {

class Scales : public ::testing::Test {
 protected:
  void SetUp() override { INITIALIZEDLL(); }
};

constexpr float kEnglishDenominators[12] = {1, 2, 12, 24, 48, 64, 96, 128, 192, 256, 384, 768};
constexpr float kMetricDenominators[12] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};

TEST_F(Scales, TableCells) {
  EXPECT_EQ(GETSCALERATIOVALUE(0, 1, 4), 48.0f);
  EXPECT_EQ(GETSCALERATIOVALUE(1, 1, 11), 1000.0f);
  EXPECT_EQ(GETSCALERATIOVALUE(0, 0, 12), 0.0f);
  EXPECT_EQ(GETSCALERATIOVALUE(1, 1, 12), 0.0f);
  for (int32_t i = 0; i < 12; ++i) {
    EXPECT_EQ(GETSCALERATIOVALUE(0, 0, i), 1.0f) << i;
    EXPECT_EQ(GETSCALERATIOVALUE(1, 0, i), 1.0f) << i;
    EXPECT_EQ(GETSCALERATIOVALUE(0, 1, i), kEnglishDenominators[i]) << i;
    EXPECT_EQ(GETSCALERATIOVALUE(1, 1, i), kMetricDenominators[i]) << i;
  }
}

TEST_F(Scales, CellsOutsideTheTableAreZero) {
  struct Args {
    int32_t system, part, index;
  };
  const Args outside[] = {{0, 1, 13},  {0, 1, -1}, {1, 2, 4},  {1, -1, 4},
                          {2, 1, 4},   {-1, 1, 4}, {5, 1, 4},  {0, 0, INT32_MAX},
                          {INT32_MIN, 0, 0}};
  for (const Args& a : outside) {
    EXPECT_EQ(GETSCALERATIOVALUE(a.system, a.part, a.index), 0.0f)
        << a.system << " " << a.part << " " << a.index;
  }
}

TEST_F(Scales, IndexOfARatio) {
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(1, 1, 250), 9);
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, 1, 250), -1);
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, 1, 64), 5);
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, 0, 0), 12);
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(1, 0, 0), 12);
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(1, 2, 250), -1);   // both parts must match
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, 1, 48.0001f), -1);
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(7, 1, 768), 11);   // any system but 1 is English
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(7, 1, 1000), -1);
  for (int32_t i = 0; i < 12; ++i) {
    EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, 1, kEnglishDenominators[i]), i);
    EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(1, 1, kMetricDenominators[i]), i);
  }
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, std::numeric_limits<float>::quiet_NaN(), 1), -1);
}

TEST_F(Scales, NearestStandardRatio) {
  struct Case {
    int32_t system;
    double scale;
    int32_t denominator;
  };
  const Case cases[] = {
      {0, 0.021, 48},   {1, 0.0199, 100}, {1, 0.0005, -1000}, {0, 0, -768},   {0, 5, 1},
      {0, 0.03, 48},    {0, 1, 1},        {0, 0.75, 2},       {1, 0.3, 5},    {0, -1, -768},
      {1, -0.5, -1000}, {0, 0.00131, 768}, {0, 0.0012, -768},  {1, 0.001, 1000},
      {3, 0.03, 48},  // any system but 1 is English
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GETNEARESTSCALERATIOVALUE(c.system, c.scale), c.denominator)
        << c.system << " " << c.scale;
  }
  EXPECT_EQ(GETNEARESTSCALERATIOVALUE(0, std::numeric_limits<double>::quiet_NaN()), -768);
  EXPECT_EQ(GETNEARESTSCALERATIOVALUE(1, std::numeric_limits<double>::infinity()), 1);
}

TEST_F(Scales, ExactStandardRatioSelectsItself) {
  // 1.0 / 48 as a double lies just below 1/48; it still selects 48, in both
  // systems and for every standard denominator.
  for (float d : kEnglishDenominators) {
    EXPECT_EQ(GETNEARESTSCALERATIOVALUE(0, 1.0 / d), static_cast<int32_t>(d)) << d;
    // Just below the ratio: the next (smaller) standard scale, or none.
    const double below = std::nextafter(1.0 / d, 0.0);
    const int32_t next = GETNEARESTSCALERATIOVALUE(0, below);
    EXPECT_TRUE(next > static_cast<int32_t>(d) || next == -768) << d;
  }
  for (float d : kMetricDenominators) {
    EXPECT_EQ(GETNEARESTSCALERATIOVALUE(1, 1.0 / d), static_cast<int32_t>(d)) << d;
  }
}

TEST_F(Scales, InchesPerFoot) {
  EXPECT_EQ(GETINCHESPERFOOTFROMSCALERATIO(1, 96), 0.125f);
  EXPECT_EQ(GETINCHESPERFOOTFROMSCALERATIO(1, 48), 0.25f);
  EXPECT_EQ(GETINCHESPERFOOTFROMSCALERATIO(1, 12), 1.0f);
  EXPECT_EQ(GETINCHESPERFOOTFROMSCALERATIO(3, 1), 36.0f);
  EXPECT_TRUE(std::isinf(GETINCHESPERFOOTFROMSCALERATIO(1, 0)));
  EXPECT_GT(GETINCHESPERFOOTFROMSCALERATIO(1, 0), 0.0f);
  EXPECT_TRUE(std::isnan(GETINCHESPERFOOTFROMSCALERATIO(0, 0)));
  // The ratio is stored as a single before it is multiplied: 1/7 as a single
  // times 12 rounds to 1.71428585, not to the single nearest 12/7 (1.71428573).
  EXPECT_EQ(GETINCHESPERFOOTFROMSCALERATIO(1, 7), 1.71428585f);
  EXPECT_NE(GETINCHESPERFOOTFROMSCALERATIO(1, 7), static_cast<float>(12.0 / 7));
}

TEST_F(Scales, ConvertedScaleValue) {
  EXPECT_EQ(GETCONVERTEDSCALEVALUE(1, 25.4f), 1.0f);
  EXPECT_EQ(GETCONVERTEDSCALEVALUE(0, 1.0f), 25.4f);
  EXPECT_EQ(GETCONVERTEDSCALEVALUE(9, 1.0f), 25.4f);  // any system but 1: inches in
  EXPECT_EQ(GETCONVERTEDSCALEVALUE(1, 0.0f), 0.0f);
  EXPECT_EQ(GETCONVERTEDSCALEVALUE(0, 10.0f), 254.0f);
}

TEST_F(Scales, LookupsBeforeTheTableExists) {
  tolmer::State& s = tolmer::state();
  const std::optional<tolmer::ScaleTable> saved = s.scales;
  s.scales.reset();
  EXPECT_EQ(GETSCALERATIOVALUE(0, 1, 4), 0.0f);
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, 1, 48), -1);
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, 0, 0), -1);
  // Snapping does not read the table.
  EXPECT_EQ(GETNEARESTSCALERATIOVALUE(0, 0.021), 48);
  s.scales = saved;
  EXPECT_EQ(GETSCALERATIOVALUE(0, 1, 4), 48.0f);
}

TEST_F(Scales, ReinitialisingRestoresTheTable) {
  tolmer::state().scales->at(0).at(1).at(4) = 50;
  EXPECT_EQ(GETSCALERATIOVALUE(0, 1, 4), 50.0f);
  INITIALIZEDLL();
  EXPECT_EQ(GETSCALERATIOVALUE(0, 1, 4), 48.0f);
}

}  // namespace
