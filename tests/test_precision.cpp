// The extended-precision guard: whatever floating-point controls the caller
// left in force, arithmetic under the guard has a 64-bit mantissa, rounds to
// nearest and never traps, and the caller's controls are back afterwards.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstring>
#include <limits>
#include <cstdint>
#include <ostream>
#include <string>

#include "frame/precision.h"
#include "frame/xreal.h"

#if (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__)

namespace {

std::uint16_t x87_control() {
  std::uint16_t word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word) : : "memory");
  return word;
}

void set_x87_control(std::uint16_t word) {
  __asm__ __volatile__("fnclex\n\tfldcw %0" : : "m"(word) : "memory");
}

#if defined(__SSE__)
std::uint32_t sse_control() {
  std::uint32_t word = 0;
  __asm__ __volatile__("stmxcsr %0" : "=m"(word) : : "memory");
  return word;
}

void set_sse_control(std::uint32_t word) {
  __asm__ __volatile__("ldmxcsr %0" : : "m"(word) : "memory");
}
#endif

// Puts a caller's control words in force for one test and restores the
// test program's own afterwards.
class CallerControls {
 public:
  CallerControls(std::uint16_t x87, std::uint32_t sse) : x87_(x87_control()) {
#if defined(__SSE__)
    sse_ = sse_control();
    set_sse_control(sse);
#else
    (void)sse;
#endif
    set_x87_control(x87);
  }
  ~CallerControls() {
    set_x87_control(x87_);
#if defined(__SSE__)
    set_sse_control(sse_);
#endif
  }
  CallerControls(const CallerControls&) = delete;
  CallerControls& operator=(const CallerControls&) = delete;

 private:
  std::uint16_t x87_;
  std::uint32_t sse_ = 0;
};

// 1 + 2^-60 - 1 in long double: 2^-60 with a 64-bit mantissa; with 53 or 24
// bits the sum rounds to 1 (or, rounding up, to the next value above 1).
long double residue_of_small_sum() {
  volatile long double one = 1.0L;
  volatile long double tiny = 0x1p-60L;
  volatile long double sum = one + tiny;
  return sum - one;
}

// 1 / 0 and 0 / 0 in long double (traps when the caller unmasked them).
long double quotient(long double numerator) {
  volatile long double n = numerator;
  volatile long double zero = 0.0L;
  return n / zero;
}

// 1 / 3 in double: the SSE unit's rounding.
double third() {
  volatile double one = 1.0;
  volatile double three = 3.0;
  return one / three;
}

// 1 / 0 in double (traps when the caller unmasked it).
double double_quotient() {
  volatile double one = 1.0;
  volatile double zero = 0.0;
  return one / zero;
}

// Half the smallest normal double: a subnormal, unless flushed to zero.
double half_of_smallest_normal() {
  volatile double smallest = 0x1p-1022;
  volatile double half = 0.5;
  return smallest * half;
}

struct CallerCase {
  const char* name;
  std::uint16_t x87;
  std::uint32_t sse;
};

// x87 control: bits 0-5 exception masks, 8-9 precision (00 24-bit, 10
// 53-bit, 11 64-bit), 10-11 rounding. SSE control: bits 7-12 masks, 13-14
// rounding, 15 flush to zero, 6 denormals are zero.
const CallerCase kCallers[] = {
    {"Extended64BitNearestMasked", 0x037F, 0x1F80},  // x86 Linux's start
    {"Double53Bit", 0x027F, 0x1F80},                 // Windows' start
    {"Single24Bit", 0x007F, 0x1F80},
    {"Double53BitRoundingUp", 0x0A7F, 0x5F80},
    {"Extended64BitTowardZero", 0x0F7F, 0x7F80},
    {"ZeroDivideAndInvalidUnmasked", 0x027A, 0x1D00},
    {"FlushToZeroDenormalsAreZero", 0x027F, 0x9FC0},
};

// Named in test listings by its name, not its bytes.
void PrintTo(const CallerCase& caller, std::ostream* out) { *out << caller.name; }

class GuardUnderCaller : public ::testing::TestWithParam<CallerCase> {};

TEST_P(GuardUnderCaller, ArithmeticIsExtendedAndNearestAndNeverTraps) {
  const CallerCase& caller = GetParam();
  CallerControls controls(caller.x87, caller.sse);
  long double residue = 0;
  long double infinity = 0;
  long double not_a_number = 0;
  double one_third = 0;
  double double_infinity = 0;
  double subnormal = 0;
  std::uint16_t inside_x87 = 0;
  {
    tolmer::ExtendedPrecision guard;
    inside_x87 = x87_control();
    residue = residue_of_small_sum();
    infinity = quotient(1.0L);
    not_a_number = quotient(0.0L);
    one_third = third();
    double_infinity = double_quotient();
    subnormal = half_of_smallest_normal();
  }
  EXPECT_EQ(residue, 0x1p-60L);
  EXPECT_TRUE(std::isinf(infinity));
  EXPECT_TRUE(std::isnan(not_a_number));
  // Nearest: 1/3 rounds down in double (rounding up would give ...56).
  EXPECT_EQ(one_third, 0x1.5555555555555p-2);
  EXPECT_TRUE(std::isinf(double_infinity));
  EXPECT_EQ(subnormal, 0x1p-1023);
  EXPECT_EQ(inside_x87 & 0x0F3F, 0x033F);
}

TEST_P(GuardUnderCaller, CallersControlsAreRestored) {
  const CallerCase& caller = GetParam();
  CallerControls controls(caller.x87, caller.sse);
  { tolmer::ExtendedPrecision guard; }
  EXPECT_EQ(x87_control(), caller.x87);
#if defined(__SSE__)
  EXPECT_EQ(sse_control() & 0xFFC0u, caller.sse & 0xFFC0u);
#endif
}

TEST_P(GuardUnderCaller, ExceptionsRaisedInsideDoNotReachTheCaller) {
  const CallerCase& caller = GetParam();
  CallerControls controls(caller.x87, caller.sse);
  {
    tolmer::ExtendedPrecision guard;
    (void)quotient(1.0L);
  }
  // A pending x87 exception would trap on this instruction when unmasked.
  volatile long double two = 2.0L;
  const long double four = two * two;
  std::uint16_t status = 0;
  __asm__ __volatile__("fnstsw %0" : "=m"(status) : : "memory");
  EXPECT_EQ(four, 4.0L);
  EXPECT_EQ(status & 0x0004, 0);  // no zero-divide flag left over
}

// The x87 precision flag raised inside is cleared when the caller unmasked
// it (else its next x87 instruction would trap) and may stay when masked;
// any other flag raised inside is cleared either way.
TEST(GuardUnderCaller, InexactFlagIsClearedExactlyWhenTheCallerUnmaskedIt) {
  struct Case {
    std::uint16_t x87;
    bool divide;  // also divide by zero inside
    std::uint16_t left_at_most;  // status bits 0-5 allowed afterwards
  };
  const Case cases[] = {
      {0x031F, false, 0x00},  // 64-bit, precision unmasked: nothing left
      {0x021F, true, 0x00},
      {0x033F, false, 0x20},  // all masked: the precision flag may stay
      {0x033F, true, 0x20},   // but the zero-divide flag is cleared
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x87 + (c.divide ? 0x10000 : 0));
    std::uint16_t status = 0;
    long double four = 0;
    {
      CallerControls controls(c.x87, 0x1F80);
      {
        tolmer::ExtendedPrecision guard;
        volatile long double one = 1.0L;
        volatile long double three = 3.0L;
        volatile long double third = one / three;  // inexact only
        (void)third;
        if (c.divide) (void)quotient(1.0L);
      }
      // Traps here when a flag the caller unmasked was left pending.
      volatile long double two = 2.0L;
      four = two * two;
      __asm__ __volatile__("fnstsw %0" : "=m"(status) : : "memory");
    }
    EXPECT_EQ(four, 4.0L);
    EXPECT_EQ(status & 0x3F & ~c.left_at_most, 0);
  }
}

// The guard writes a control register only when it must, so the caller's
// exception flags need their own check: flags raised inside (here the SSE
// inexact flag of 1/3) are gone afterwards, and flags the caller had stay.
TEST_P(GuardUnderCaller, CallersSseFlagsComeBackExactly) {
#if defined(__SSE__)
  const CallerCase& caller = GetParam();
  for (const std::uint32_t flags : {0x00u, 0x20u, 0x3Fu}) {
    SCOPED_TRACE(flags);
    CallerControls controls(caller.x87, caller.sse | flags);
    {
      tolmer::ExtendedPrecision guard;
      (void)third();
      (void)double_quotient();
    }
    EXPECT_EQ(sse_control(), caller.sse | flags);
  }
#else
  GTEST_SKIP() << "no SSE unit";
#endif
}

INSTANTIATE_TEST_SUITE_P(Callers, GuardUnderCaller, ::testing::ValuesIn(kCallers),
                         [](const ::testing::TestParamInfo<CallerCase>& info) {
                           return std::string(info.param.name);
                         });

// Without the guard the caller's precision is what counts: the residue test
// above separates 53-bit from 64-bit precision.
TEST(GuardUnderCaller, ResidueDependsOnThePrecisionControl) {
  {
    CallerControls controls(0x027F, 0x1F80);
    EXPECT_EQ(residue_of_small_sum(), 0.0L);
  }
  {
    CallerControls controls(0x037F, 0x1F80);
    EXPECT_EQ(residue_of_small_sum(), 0x1p-60L);
  }
}

#if TOLMER_HARDWARE_EXTENDED
// x_nearbyint, x_floor, x_trunc and x_ceil round with the unit's own
// instruction: the same bits as the library functions in every rounding
// direction, ties, signed zeros, values
// beyond 2^63 and non-finite values included.
TEST(ExtendedRounding, MatchesTheLibraryFunctionsBitForBit) {
  const long double values[] = {
      0.0L, -0.0L, 0.5L, -0.5L, 1.5L, 2.5L, -2.5L, 0.49999999999999999996L, 1e-4000L,
      0.7L, -0.7L, 1.0L, -1.0L, 12.999L, -12.999L, 0x1p63L - 0.5L, -0x1p63L + 0.5L,
      -0.25L, 7.75L, 123456789.5L, 0x1p63L + 1.0L, -0x1.fffffffffffffffep62L, 1e30L,
      std::numeric_limits<long double>::infinity(), -std::numeric_limits<long double>::infinity(),
      std::numeric_limits<long double>::quiet_NaN()};
  const int directions[] = {FE_TONEAREST, FE_DOWNWARD, FE_UPWARD, FE_TOWARDZERO};
  const int saved = std::fegetround();
  for (const int direction : directions) {
    ASSERT_EQ(std::fesetround(direction), 0);
    for (const long double v : values) {
      volatile long double in = v;
      const long double mine[] = {tolmer::x_nearbyint(in), tolmer::x_floor(in),
                                  tolmer::x_trunc(in), tolmer::x_ceil(in)};
      const long double theirs[] = {
          std::nearbyint(static_cast<long double>(in)), std::floor(static_cast<long double>(in)),
          std::trunc(static_cast<long double>(in)), std::ceil(static_cast<long double>(in))};
      std::fesetround(saved);
      for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(std::memcmp(&mine[f], &theirs[f], 10), 0)
            << "function " << f << " direction " << direction << " value "
            << static_cast<double>(v);
      }
      std::fesetround(direction);
    }
  }
  std::fesetround(saved);
}
#endif

}  // namespace

#endif
