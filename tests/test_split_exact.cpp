// The English split of a length against the same steps computed in the
// software extended type: feet and inches truncated from inches / 12 and the
// inches left, the fraction rounded to the places (18 for places above 17 or
// below 0) and each part stored as a single. Random singles of every
// magnitude and sign, fractions near the 2^-30 boundary of the unrounded
// road, and every places value from -1 to 20.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "frame/extended.h"
#include "measure/format.h"
#include "tolmerdll.h"

namespace {

using tolmer::Extended;

struct Parts {
  float major, minor, fraction;
};

Parts reference_split(float inches, int32_t places) {
  const Extended length = inches;
  const float major = static_cast<float>(trunc(length / Extended(12)));
  const Extended rest = length - Extended(12) * Extended(major);
  const float minor = static_cast<float>(trunc(rest));
  Extended fraction = rest - Extended(minor);
  if (fraction != Extended(0)) {
    const int p = places < 0 || places > 18 ? 18 : places;
    int64_t power = 1;
    for (int i = 0; i < p; ++i) power *= 10;
    fraction = nearbyint(fraction * Extended(power)) / Extended(power);
  }
  return {major, minor, static_cast<float>(fraction)};
}

uint32_t bits(float f) { return std::bit_cast<uint32_t>(f); }

void expect_same_split(float inches, int32_t places) {
  float major = 0, minor = 0, fraction = 0;
  GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, inches, places, &major, &minor, &fraction, 0);
  const Parts want = reference_split(inches, places);
  // Bit for bit: the sign of a zero counts.
  ASSERT_EQ(bits(major), bits(want.major)) << inches << " places " << places;
  ASSERT_EQ(bits(minor), bits(want.minor)) << inches << " places " << places;
  ASSERT_EQ(bits(fraction), bits(want.fraction)) << inches << " places " << places;
}

TEST(SplitExact, RandomSinglesMatchTheExtendedSteps) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<uint32_t> any_bits;
  std::uniform_int_distribution<int32_t> any_places(-1, 20);
  std::uniform_real_distribution<float> everyday(-20000.0f, 20000.0f);
  for (int i = 0; i < 100000; ++i) {
    float inches = std::bit_cast<float>(any_bits(random));
    if (std::isnan(inches)) continue;
    expect_same_split(inches, any_places(random));
    expect_same_split(everyday(random), any_places(random));
  }
}

TEST(SplitExact, FractionsAroundTheUnroundedBoundary) {
  // Whole inches plus fractions of 2^-31 .. 2^-29 and their neighbours, and
  // tiny lengths whose 18-place rounding changes or removes them.
  for (const float whole : {0.0f, 1.0f, -1.0f, 13.0f, -25.0f}) {
    for (int k = -40; k <= -1; ++k) {
      const float step = std::ldexp(1.0f, k);
      for (const float f : {step, std::nextafter(step, 0.0f), std::nextafter(step, 1.0f), 3 * step}) {
        for (const int32_t places : {-1, 17, 18, 20, 3, 0}) {
          expect_same_split(whole + f, places);
          expect_same_split(whole - f, places);
        }
      }
    }
  }
  for (const float edge : {0x1p24f, -0x1p24f, std::nextafter(0x1p24f, 0.0f), 1e-45f, -0.0f,
                           std::numeric_limits<float>::infinity(), 3.4e38f}) {
    expect_same_split(edge, 20);
  }
}

}  // namespace
