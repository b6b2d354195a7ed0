// The random generator and record identifiers.
//
// The generator is process-wide. ctest runs every test in a process of its
// own; the fixture below also puts the seed back after each test, so that the
// test of the sequence after load holds when the whole program runs at once.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "c_abi/process.h"
#include "host/random.h"
#include "tolmerdll.h"

namespace {

constexpr int32_t kFirstFive[] = {2080096055, 433179940, 1115656853, 283993338, 1877305942};

class Random : public testing::Test {
 protected:
  void SetUp() override { saved_ = tolmer::state().seed; }
  void TearDown() override {
    tolmer::state().seed = saved_;
    SETHOSTSERVICES(nullptr);
  }
  uint32_t saved_ = 0;
};

TEST_F(Random, FirstFiveValuesAfterLoad) {
  ASSERT_EQ(tolmer::state().seed, 0xFFFFFFFFu) << "the generator was used before this test";
  for (int32_t expected : kFirstFive) EXPECT_EQ(GETRANDOMLONGVALUE(), expected);
}

TEST_F(Random, InitializeDoesNotTouchTheSeed) {
  tolmer::state().seed = 0xFFFFFFFFu;
  INITIALIZEDLL();
  EXPECT_EQ(tolmer::state().seed, 0xFFFFFFFFu);
  EXPECT_EQ(GETRANDOMLONGVALUE(), kFirstFive[0]);
}

struct Tick {
  uint32_t tick;
  uint32_t seed;
};

TEST_F(Random, SeedFromTickCountThroughSingleBits) {
  const Tick cases[] = {
      {123456789u, 0x4CEB79A3u},
      {0u, 0x00000000u},
      {1u, 0x3F800000u},
      {16777217u, 0x4B800000u},  // 2^24 + 1 rounds to 2^24 (ties to even)
      {16777219u, 0x4B800002u},  // 2^24 + 3 rounds up to 2^24 + 4
      {0x80000000u, 0xCF000000u},  // taken as -2^31
      {0xFFFFFFFFu, 0xBF800000u},  // taken as -1
  };
  for (const Tick& c : cases) {
    SCOPED_TRACE(c.tick);
    EXPECT_EQ(tolmer::seed_from_tick_count(c.tick), c.seed);
  }
}

uint32_t fixed_tick(void* context) { return *static_cast<uint32_t*>(context); }

TEST_F(Random, RandomizeReadsTheInstalledClock) {
  uint32_t tick = 123456789u;
  TolmerHostServices services{};
  services.size = sizeof services;
  services.context = &tick;
  services.tick_count = fixed_tick;
  SETHOSTSERVICES(&services);
  RANDOMIZEDLLGENERATOR();
  EXPECT_EQ(tolmer::state().seed, 0x4CEB79A3u);
  // Seeding replaces the whole state: the same tick gives the same sequence.
  const int32_t first = GETRANDOMLONGVALUE();
  const int32_t second = GETRANDOMLONGVALUE();
  RANDOMIZEDLLGENERATOR();
  EXPECT_EQ(GETRANDOMLONGVALUE(), first);
  EXPECT_EQ(GETRANDOMLONGVALUE(), second);
  EXPECT_NE(first, kFirstFive[0]);
}

TEST_F(Random, StepIsTheLinearCongruence) {
  tolmer::state().seed = 0;
  EXPECT_EQ(tolmer::generator_step(tolmer::state()), 0u);  // seed 1, shifted right
  EXPECT_EQ(tolmer::state().seed, 1u);
  EXPECT_EQ(tolmer::generator_step(tolmer::state()), 134775814u >> 1);
  EXPECT_EQ(tolmer::state().seed, 134775814u);
  tolmer::state().seed = 0xFFFFFFFFu;
  tolmer::generator_step(tolmer::state());
  EXPECT_EQ(tolmer::state().seed, 0xF7F77BFCu);  // -134775813 + 1 mod 2^32
}

TEST_F(Random, RangeEndsAreReachedAndNeverPassed) {
  struct Case {
    uint32_t last;
    int32_t expected;
  };
  const Case cases[] = {
      {0u, 10000},
      {1u, 10000},
      {0x7FFFFFFFu, 2147483647},
      {0x40000000u, 10000 + 1073736824},  // exactly half of the 2147473648 values
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.last);
    EXPECT_EQ(tolmer::scale_to_range(c.last, tolmer::kRecordIdLow, tolmer::kRecordIdHigh),
              c.expected);
  }
  // The widest range: n = 2^32, the product still fits in 64 bits; the top
  // fraction 1 - 2^-31 of 2^32 values floors to the value before the last.
  EXPECT_EQ(tolmer::scale_to_range(0x7FFFFFFFu, INT32_MIN, INT32_MAX), INT32_MAX - 1);
  EXPECT_EQ(tolmer::scale_to_range(0u, INT32_MIN, INT32_MAX), INT32_MIN);
}

TEST_F(Random, UniqueRecordIdWithNegativeLastIndexDrawsNothing) {
  tolmer::state().seed = 0xFFFFFFFFu;
  const int32_t existing[] = {1};
  EXPECT_EQ(GETUNIQUERECORDID(existing, -1), 0);
  EXPECT_EQ(GETUNIQUERECORDID(nullptr, INT32_MIN), 0);
  EXPECT_EQ(tolmer::state().seed, 0xFFFFFFFFu);
}

TEST_F(Random, UniqueRecordIdRetriesOnCollision) {
  tolmer::state().seed = 0xFFFFFFFFu;
  const int32_t existing[] = {kFirstFive[0]};
  EXPECT_EQ(GETUNIQUERECORDID(existing, 0), kFirstFive[1]);
  // Every rejected draw moved the generator: the next value is the third.
  EXPECT_EQ(GETRANDOMLONGVALUE(), kFirstFive[2]);
}

TEST_F(Random, UniqueRecordIdExaminesExactlyElementsZeroToLast) {
  // Element 1 holds the first draw but lies past the last index 0.
  tolmer::state().seed = 0xFFFFFFFFu;
  const int32_t existing[] = {5, kFirstFive[0]};
  EXPECT_EQ(GETUNIQUERECORDID(existing, 0), kFirstFive[0]);
  // With last index 1 it is found, and the second draw is kept.
  tolmer::state().seed = 0xFFFFFFFFu;
  EXPECT_EQ(GETUNIQUERECORDID(existing, 1), kFirstFive[1]);
  // Several collisions in a row.
  tolmer::state().seed = 0xFFFFFFFFu;
  const int32_t three[] = {kFirstFive[2], kFirstFive[0], kFirstFive[1]};
  EXPECT_EQ(GETUNIQUERECORDID(three, 2), kFirstFive[3]);
  // A null array holds nothing.
  tolmer::state().seed = 0xFFFFFFFFu;
  EXPECT_EQ(GETUNIQUERECORDID(nullptr, 3), kFirstFive[0]);
}

TEST_F(Random, ValuesStayInRange) {
  tolmer::state().seed = 0x4CEB79A3u;
  for (int i = 0; i < 100000; ++i) {
    const int32_t v = GETRANDOMLONGVALUE();
    ASSERT_GE(v, 10000) << "draw " << i;
  }
}

}  // namespace
