// The digest program's inputs: reals built from integers in integer
// arithmetic must be the correctly rounded quotients, the same bits the
// hardware's IEEE division gives (float and double are evaluated without
// excess precision in every build).
#include <gtest/gtest.h>

#include <cstdint>

#include "digest/digest.h"

namespace {

TEST(DigestInputs, DoubleRatioIsTheRoundedQuotient) {
  for (std::int64_t i = 0; i < 20000; ++i) {
    const std::int64_t p = (i * 7919) % 2000003 - 1000000;
    const std::int64_t q = (i * 104729) % 99991 + 1;
    ASSERT_EQ(digest::bits_of(digest::dratio(p, q)),
              digest::bits_of(static_cast<double>(p) / static_cast<double>(q)))
        << p << " / " << q;
  }
}

TEST(DigestInputs, SingleRatioIsTheRoundedQuotient) {
  for (std::int64_t i = 0; i < 20000; ++i) {
    const std::int64_t p = (i * 7919) % 16000001 - 8000000;
    const std::int64_t q = (i * 104729) % 99991 + 1;
    ASSERT_EQ(digest::bits_of(digest::fratio(p, q)),
              digest::bits_of(static_cast<float>(p) / static_cast<float>(q)))
        << p << " / " << q;
  }
}

TEST(DigestInputs, TiesGoToEven) {
  struct Case {
    std::int64_t p, q;
    double expected;
  };
  const Case doubles[] = {
      {(std::int64_t{1} << 53) + 1, 1, 9007199254740992.0},  // tie, even below
      {(std::int64_t{1} << 53) + 3, 1, 9007199254740996.0},  // tie, even above
      {(std::int64_t{1} << 54) + 6, 2, 9007199254740996.0},  // the same after division
      {-((std::int64_t{1} << 53) + 1), 1, -9007199254740992.0},
      {1, 3, 1.0 / 3.0},
      {0, 7, 0.0},
  };
  for (const Case& c : doubles) EXPECT_EQ(digest::dratio(c.p, c.q), c.expected) << c.p << " / " << c.q;
  EXPECT_EQ(digest::fratio((1 << 24) + 1, 1), 16777216.0f);
  EXPECT_EQ(digest::fratio((1 << 24) + 3, 1), 16777220.0f);
  EXPECT_EQ(digest::fratio((1 << 25) - 1, 1), 33554432.0f);  // carry into the exponent
  EXPECT_EQ(digest::fratio(-1, 64), -0.015625f);
}

}  // namespace
