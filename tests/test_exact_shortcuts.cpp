// Shortcuts that compute in double precision where the result is provably
// the one of the extended-precision steps, checked against those steps
// computed in the software extended type:
// - the English split of a length: feet and inches truncated from inches /
//   12 and the inches left, the fraction rounded to the places (18 for
//   places above 17 or below 0), each part stored as a single;
// - the quotient of two singles rounded to a single;
// - the unit slots of a read length added and rounded to a single.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <limits>
#include <random>

#include "frame/charconv.h"
#include "frame/extended.h"
#include "frame/primitives.h"
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

uint32_t bits(float f) { return tolmer::bits_cast<uint32_t>(f); }

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
    float inches = tolmer::bits_cast<float>(any_bits(random));
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

uint32_t quotient_bits_by_steps(float n, float d) {
  return bits(static_cast<float>(Extended(n) / Extended(d)));
}

TEST(SingleQuotient, EverySinglePairMatchesTheExtendedSteps) {
  std::mt19937 random(7);
  std::uniform_int_distribution<uint32_t> any_bits;
  const float specials[] = {0.0f, -0.0f, 1.0f, 25.4f, 3.0f, 1e-45f, 3.4e38f,
                            std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::quiet_NaN()};
  for (const float n : specials) {
    for (const float d : specials) {
      SCOPED_TRACE(std::to_string(n) + " / " + std::to_string(d));
      EXPECT_EQ(bits(tolmer::single_quotient(n, d)), quotient_bits_by_steps(n, d));
    }
  }
  for (int i = 0; i < 200000; ++i) {
    const float n = tolmer::bits_cast<float>(any_bits(random));
    // Small whole divisors, as typed fractions have them, and any single.
    const float d = i % 2 ? static_cast<float>(1 + any_bits(random) % 128)
                          : tolmer::bits_cast<float>(any_bits(random));
    ASSERT_EQ(bits(tolmer::single_quotient(n, d)), quotient_bits_by_steps(n, d)) << n << " / " << d;
  }
  // Operands that are not singles take the extended steps.
  EXPECT_EQ(bits(tolmer::single_quotient(1.0 + 0x1p-40, 3.0)),
            bits(static_cast<float>(Extended(1.0 + 0x1p-40) / Extended(3.0))));
}

// "y YD f FT i IN" reads each number exactly (dyadic, written out in full),
// so the length is ((12 f + 36 y) + i), added in extended precision and
// rounded once; numbers of far apart magnitudes make the sums inexact.
TEST(SlotSum, ReadLengthsAddTheirUnitsLikeTheExtendedSteps) {
  std::mt19937 random(11);
  std::uniform_int_distribution<uint32_t> mantissa(0, (1u << 24) - 1);
  std::uniform_int_distribution<int> shift(0, 30);
  auto text_of = [](float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.30f", static_cast<double>(value));
    return std::string(text);
  };
  auto check = [&](float y, float f, float n) {
    const std::string entry = text_of(y) + " YD " + text_of(f) + " FT " + text_of(n) + " IN";
    const float yards = static_cast<float>(Extended(y) * Extended(36));
    const float feet = static_cast<float>(Extended(f) * Extended(12));
    const float want = static_cast<float>((Extended(feet) + Extended(yards)) + Extended(n));
    int32_t start = 0, end = 0;
    ASSERT_EQ(bits(CONVERTTEXTSTRINGVALUETOINCHES(entry.c_str(), 0, &start, &end)), bits(want))
        << entry;
  };
  // 3 x 2^30 + 9 x 2^-28 + 2^7: the first sum is exact in extended precision
  // only; rounded to a double it leaves a tie that rounds down to 3 x 2^30,
  // while the exact sum lies above the tie and rounds up.
  check(0x1p-30f, 0x1p28f, 128.0f);
  for (int i = 0; i < 20000; ++i) {
    auto any = [&] { return std::ldexp(static_cast<float>(mantissa(random)), -shift(random)); };
    check(any(), any(), any());
  }
}

}  // namespace
