// The integer-coded extended type against the x87 unit, bit for bit: random
// operands (random encodings and values biased to the hard cases: ties,
// carries, cancellation, overflow and underflow boundaries, NaN payloads)
// and a table of edge cases. Built only where long double is the x87 format.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "frame/extended.h"
#include "frame/precision.h"

#if (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__) && LDBL_MANT_DIG == 64

namespace {

using tolmer::Extended;
using Traits = tolmer::ExtendedTraits;

long double to_hardware(const Extended& x) {
  long double h = 0;
  const uint64_t m = x.significand();
  const uint16_t se = x.sign_exponent();
  std::memcpy(&h, &m, 8);
  std::memcpy(reinterpret_cast<unsigned char*>(&h) + 8, &se, 2);
  return h;
}

Extended from_hardware(long double h) {
  uint64_t m = 0;
  uint16_t se = 0;
  std::memcpy(&m, &h, 8);
  std::memcpy(&se, reinterpret_cast<const unsigned char*>(&h) + 8, 2);
  return Extended::from_bits(se, m);
}

std::string show(const Extended& x) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04x:%016llx", x.sign_exponent(),
                static_cast<unsigned long long>(x.significand()));
  return buffer;
}

// Same encoding (x87 results are canonical, so bits, not values).
bool same_bits(const Extended& software, long double hardware) {
  const Extended h = from_hardware(hardware);
  return software.sign_exponent() == h.sign_exponent() && software.significand() == h.significand();
}

::testing::AssertionResult same(const Extended& software, long double hardware, const char* what,
                                const Extended& a, const Extended& b) {
  if (same_bits(software, hardware)) return ::testing::AssertionSuccess();
  const Extended h = from_hardware(hardware);
  return ::testing::AssertionFailure() << what << "(" << show(a) << ", " << show(b) << "): software "
                                       << show(software) << ", x87 " << show(h);
}

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t next() {  // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  uint32_t below(uint32_t n) { return static_cast<uint32_t>(((next() >> 32) * n) >> 32); }

 private:
  uint64_t state_;
};

// A significand shaped for the hard cases: runs of ones or zeros at the
// bottom (ties and carries), few bits, or uniform bits.
uint64_t shaped_significand(Random& r) {
  const uint64_t bits = r.next();
  switch (r.below(6)) {
    case 0: return bits | Traits::kIntegerBit;
    case 1: return (bits | Traits::kIntegerBit) & ~((uint64_t{1} << r.below(64)) - 1);  // trailing zeros
    case 2: return bits | Traits::kIntegerBit | ((uint64_t{1} << r.below(64)) - 1);     // trailing ones
    case 3: return Traits::kIntegerBit | (uint64_t{1} << r.below(63));                  // two bits
    case 4: return ~uint64_t{0} << r.below(64);                                         // leading ones
    default: return Traits::kIntegerBit | (bits >> r.below(64));
  }
}

// An operand: a random encoding, or a value near the other operand's scale,
// near the ends of the range, a float or double, a small integer, a special.
Extended operand(Random& r, const Extended* near = nullptr) {
  const uint64_t bits = r.next();
  const auto sign = static_cast<uint16_t>(bits & 0x8000u);
  switch (r.below(16)) {
    case 0: case 1: case 2: {  // any exponent, valid encoding (denormals included)
      const auto e = static_cast<uint16_t>(r.below(0x8000));
      uint64_t m = shaped_significand(r);
      if (e == 0) {
        const uint64_t shift = 1 + r.below(64);
        m = shift < 64 ? m >> shift : 0;
      }
      return Extended::from_bits(static_cast<uint16_t>(sign | e), m);
    }
    case 3: case 4: case 5: case 6: {  // close in scale to the other operand
      int base = near != nullptr ? (near->sign_exponent() & Traits::kExponentMask) : Traits::kBias;
      int e = base + static_cast<int>(r.below(141)) - 70;
      if (e < 1) e = 1;
      if (e > 0x7FFE) e = 0x7FFE;
      return Extended::from_bits(static_cast<uint16_t>(sign | e), shaped_significand(r));
    }
    case 7: {  // near the top of the range
      const auto e = static_cast<uint16_t>(0x7FFE - r.below(70));
      return Extended::from_bits(static_cast<uint16_t>(sign | e), shaped_significand(r));
    }
    case 8: {  // near the bottom: small normals and denormals
      const auto e = static_cast<uint16_t>(r.below(70));
      uint64_t m = shaped_significand(r);
      if (e == 0) m >>= r.below(64);
      return Extended::from_bits(static_cast<uint16_t>(sign | e), m);
    }
    case 9: return Extended(std::bit_cast<double>(r.next()));
    case 10: return Extended(std::bit_cast<float>(static_cast<uint32_t>(r.next())));
    case 11: return Extended(static_cast<int64_t>(r.next()) >> r.below(64));
    case 12: {  // moderate values, as lengths and angles are
      const auto e = static_cast<uint16_t>(Traits::kBias - 40 + r.below(60));
      return Extended::from_bits(static_cast<uint16_t>(sign | e), shaped_significand(r));
    }
    case 13: {  // specials: zeros, infinities, NaNs quiet and signalling
      static constexpr uint64_t kSpecial[] = {0, 0x8000000000000000u, 0xC000000000000000u,
                                              0xC000000000000001u, 0x8000000000000001u, 0xFFFFFFFFFFFFFFFFu,
                                              0xA5A5A5A5A5A5A5A5u};
      const uint64_t m = kSpecial[r.below(7)];
      return Extended::from_bits(static_cast<uint16_t>(sign | (m == 0 ? 0 : Traits::kExponentMask)), m);
    }
    case 14: {  // a random NaN or an unsupported encoding (unnormal, pseudo-NaN) now and then
      if (r.below(8) == 0) {
        return Extended::from_bits(static_cast<uint16_t>(sign | (1 + r.below(Traits::kExponentMask))), bits >> 1);
      }
      return Extended::from_bits(static_cast<uint16_t>(sign | Traits::kExponentMask), bits | Traits::kIntegerBit | 1);
    }
    default: {  // a pseudo-denormal or a small-exponent value
      const auto e = static_cast<uint16_t>(r.below(3));
      return Extended::from_bits(static_cast<uint16_t>(sign | e), bits | Traits::kIntegerBit);
    }
  }
}

constexpr int kCount = 10'000'000;

template <class Software, class Hardware>
void check_binary(const char* what, uint64_t seed, Software software, Hardware hardware) {
  tolmer::ExtendedPrecision precision;
  Random r(seed);
  int failures = 0;
  for (int i = 0; i < kCount && failures < 10; ++i) {
    const Extended a = operand(r);
    const Extended b = operand(r, &a);
    const Extended soft = software(a, b);
    const long double hard = hardware(to_hardware(a), to_hardware(b));
    if (!same_bits(soft, hard)) {
      ADD_FAILURE() << same(soft, hard, what, a, b).message();
      ++failures;
    }
  }
}

TEST(ExtendedAgreement, Add) {
  check_binary("add", 1, [](Extended a, Extended b) { return a + b; },
               [](long double a, long double b) { return a + b; });
}
TEST(ExtendedAgreement, Subtract) {
  check_binary("subtract", 2, [](Extended a, Extended b) { return a - b; },
               [](long double a, long double b) { return a - b; });
}
TEST(ExtendedAgreement, Multiply) {
  check_binary("multiply", 3, [](Extended a, Extended b) { return a * b; },
               [](long double a, long double b) { return a * b; });
}
TEST(ExtendedAgreement, Divide) {
  check_binary("divide", 4, [](Extended a, Extended b) { return a / b; },
               [](long double a, long double b) { return a / b; });
}

TEST(ExtendedAgreement, Compare) {
  tolmer::ExtendedPrecision precision;
  Random r(5);
  int failures = 0;
  for (int i = 0; i < kCount && failures < 10; ++i) {
    Extended a = operand(r);
    Extended b = r.below(8) == 0 ? a : operand(r, &a);
    if (r.below(16) == 0) b = -a;
    const long double x = to_hardware(a), y = to_hardware(b);
    const int soft = (a < b) | (a == b) << 1 | (a > b) << 2 | (a <= b) << 3 | (a >= b) << 4 | (a != b) << 5;
    const int hard = (x < y) | (x == y) << 1 | (x > y) << 2 | (x <= y) << 3 | (x >= y) << 4 | (x != y) << 5;
    if (soft != hard) {
      ADD_FAILURE() << "compare(" << show(a) << ", " << show(b) << "): software " << soft << ", x87 " << hard;
      ++failures;
    }
  }
}

TEST(ExtendedAgreement, Remainder) {
  tolmer::ExtendedPrecision precision;
  Random r(6);
  int failures = 0;
  // Remainders cost time in proportion to the exponent gap on both sides:
  // most pairs are a few hundred binary places apart, some far.
  for (int i = 0; i < kCount && failures < 10; ++i) {
    const Extended a = operand(r);
    Extended b = operand(r, &a);
    if ((a.sign_exponent() & Traits::kExponentMask) - (b.sign_exponent() & Traits::kExponentMask) > 300 &&
        r.below(64) != 0) {
      b = Extended::from_bits(
          static_cast<uint16_t>((b.sign_exponent() & Traits::kSignBit) |
                                ((a.sign_exponent() & Traits::kExponentMask) - r.below(300))),
          b.significand() | Traits::kIntegerBit);
    }
    const Extended soft = fmod(a, b);
    const long double hard = std::fmod(to_hardware(a), to_hardware(b));
    if (!same_bits(soft, hard)) {
      ADD_FAILURE() << same(soft, hard, "fmod", a, b).message();
      ++failures;
    }
  }
}

// The x87 rounding to an integral value (frndint) under a rounding control
// put in force for one loop: the unit's own operation, without the C
// library's save and restore of the environment around every call.
long double x87_round_to_integral(long double v) {
  __asm__("frndint" : "+t"(v));
  return v;
}

class RoundingControl {
 public:
  explicit RoundingControl(uint16_t rounding_bits) {
    __asm__ __volatile__("fnstcw %0" : "=m"(saved_) : : "memory");
    const auto word = static_cast<uint16_t>((saved_ & ~0x0C00u) | rounding_bits);
    __asm__ __volatile__("fldcw %0" : : "m"(word) : "memory");
  }
  ~RoundingControl() { __asm__ __volatile__("fldcw %0" : : "m"(saved_) : "memory"); }
  RoundingControl(const RoundingControl&) = delete;
  RoundingControl& operator=(const RoundingControl&) = delete;

 private:
  uint16_t saved_ = 0;
};

TEST(ExtendedAgreement, IntegerRounding) {
  tolmer::ExtendedPrecision precision;
  const struct {
    const char* what;
    uint16_t rounding_bits;
    Extended (*software)(const Extended&);
  } directions[] = {{"nearbyint", 0x0000, [](const Extended& x) { return nearbyint(x); }},
                    {"floor", 0x0400, [](const Extended& x) { return floor(x); }},
                    {"ceil", 0x0800, [](const Extended& x) { return ceil(x); }},
                    {"trunc", 0x0C00, [](const Extended& x) { return trunc(x); }}};
  const Extended zero;
  for (const auto& direction : directions) {
    Random r(7);
    int failures = 0;
    RoundingControl control(direction.rounding_bits);
    for (int i = 0; i < kCount && failures < 10; ++i) {
      Extended a = operand(r);
      if (r.below(2) == 0) {  // around the integers: exponents of 2^-2 to 2^66
        a = Extended::from_bits(static_cast<uint16_t>((a.sign_exponent() & 0x8000) | (16381 + r.below(68))),
                                shaped_significand(r));
      }
      const Extended soft = direction.software(a);
      const long double hard = x87_round_to_integral(to_hardware(a));
      if (!same_bits(soft, hard)) {
        ADD_FAILURE() << same(soft, hard, direction.what, a, zero).message();
        ++failures;
      }
    }
  }
  // The C library's functions, which the x87 path of the library calls, on a
  // sample.
  Random r(11);
  for (int i = 0; i < 100'000; ++i) {
    const Extended a = operand(r);
    const long double h = to_hardware(a);
    ASSERT_TRUE(same_bits(nearbyint(a), std::nearbyint(h))) << show(a);
    ASSERT_TRUE(same_bits(floor(a), std::floor(h))) << show(a);
    ASSERT_TRUE(same_bits(ceil(a), std::ceil(h))) << show(a);
    ASSERT_TRUE(same_bits(trunc(a), std::trunc(h))) << show(a);
  }
}

TEST(ExtendedAgreement, TruncationToInt64) {
  tolmer::ExtendedPrecision precision;
  Random r(12);
  int failures = 0;
  for (int i = 0; i < kCount && failures < 10; ++i) {
    Extended a = operand(r);
    if (r.below(2) == 0) {
      a = Extended::from_bits(static_cast<uint16_t>((a.sign_exponent() & 0x8000) | (16381 + r.below(66))),
                              shaped_significand(r));
    }
    const long double h = to_hardware(a);
    // Where the hardware result is defined: NaN and out of range are not.
    if (std::isnan(h) || !(h > -9223372036854775809.0L && h < 9223372036854775808.0L)) continue;
    const auto hard = static_cast<int64_t>(h);
    if (a.to_int64() != hard) {
      ADD_FAILURE() << "to_int64(" << show(a) << "): " << a.to_int64() << ", x87 " << hard;
      ++failures;
    }
  }
}

TEST(ExtendedAgreement, Conversions) {
  tolmer::ExtendedPrecision precision;
  Random r(8);
  int failures = 0;
  auto fail = [&](const std::string& message) {
    ADD_FAILURE() << message;
    ++failures;
  };
  for (int i = 0; i < kCount && failures < 10; ++i) {
    const Extended a = operand(r);
    const long double h = to_hardware(a);
    // To the narrower formats (rounded once); bits, NaN payloads included.
    const auto f_soft = std::bit_cast<uint32_t>(static_cast<float>(a));
    const auto f_hard = std::bit_cast<uint32_t>(static_cast<float>(h));
    if (f_soft != f_hard) fail("to float " + show(a) + ": " + std::to_string(f_soft) + " vs " + std::to_string(f_hard));
    const auto d_soft = std::bit_cast<uint64_t>(static_cast<double>(a));
    const auto d_hard = std::bit_cast<uint64_t>(static_cast<double>(h));
    if (d_soft != d_hard) fail("to double " + show(a) + ": " + std::to_string(d_soft) + " vs " + std::to_string(d_hard));
    // From the narrower formats and from integers (exact).
    const uint64_t bits = r.next();
    const auto f = std::bit_cast<float>(static_cast<uint32_t>(bits));
    const auto d = std::bit_cast<double>(bits);
    const auto n = static_cast<int64_t>(bits) >> r.below(64);
    if (!same_bits(Extended(f), static_cast<long double>(f))) fail("from float " + std::to_string(bits));
    if (!same_bits(Extended(d), static_cast<long double>(d))) fail("from double " + std::to_string(bits));
    if (!same_bits(Extended(n), static_cast<long double>(n))) fail("from int64 " + std::to_string(n));
    const auto n32 = static_cast<int32_t>(bits);
    if (!same_bits(Extended(n32), static_cast<long double>(n32))) fail("from int32 " + std::to_string(n32));
  }
}

// Decimal digits against the C library's exact conversion (fewer operands:
// the library's conversion is the slow side).
TEST(ExtendedAgreement, DecimalDigits) {
  Random r(9);
  int failures = 0;
  for (int i = 0; i < 40'000 && failures < 10; ++i) {
    Extended a = fabs(operand(r));
    if (isnan(a) || isinf(a) || a == Extended()) continue;
    // The C library misreads pseudo-denormals (exponent field 0, integer bit
    // set); their value is that of the same significand with exponent field 1.
    if (a.sign_exponent() == 0 && (a.significand() >> 63) != 0) a = Extended::from_bits(1, a.significand());
    const int count = 1 + static_cast<int>(r.below(19));
    char soft[20] = {};
    int exponent = 0;
    decimal_digits(a, count, soft, exponent);
    char text[64];
    std::snprintf(text, sizeof text, "%.*Le", count - 1, to_hardware(a));
    std::string hard_digits;
    const char* p = text;
    for (; *p != 'e'; ++p) {
      if (*p != '.') hard_digits += *p;
    }
    const int hard_exponent = std::atoi(p + 1);
    if (std::string(soft, static_cast<std::size_t>(count)) != hard_digits || exponent != hard_exponent) {
      ADD_FAILURE() << "digits of " << show(a) << " (" << count << "): " << std::string(soft, count) << "e"
                    << exponent << ", C library " << text;
      ++failures;
    }
  }
}

// The portable 128-bit pieces (used where the compiler has no 128-bit
// integer) against the native ones.
TEST(ExtendedPieces, PortableMatchesNative) {
  Random r(10);
  for (int i = 0; i < 2'000'000; ++i) {
    const uint64_t a = r.next() >> r.below(64), b = r.next() >> r.below(64);
    const auto native = tolmer::detail::multiply_64(a, b);
    const auto portable = tolmer::detail::multiply_64_portable(a, b);
    ASSERT_EQ(native.hi, portable.hi) << a << " * " << b;
    ASSERT_EQ(native.lo, portable.lo) << a << " * " << b;
    const uint64_t divisor = shaped_significand(r);
    const uint64_t high = r.next() % divisor;
    const uint64_t low = r.below(4) == 0 ? ~uint64_t{0} : r.next();
    uint64_t rem_native = 0, rem_portable = 0;
    const uint64_t q_native = tolmer::detail::divide_128(high, low, divisor, rem_native);
    const uint64_t q_portable = tolmer::detail::divide_128_portable(high, low, divisor, rem_portable);
    ASSERT_EQ(q_native, q_portable) << high << ":" << low << " / " << divisor;
    ASSERT_EQ(rem_native, rem_portable) << high << ":" << low << " / " << divisor;
  }
}

// Edge cases with their known results (not the hardware's): ties, carries
// into the exponent, subnormal results, the ends of the range, NaN rules.
Extended bits(uint16_t se, uint64_t m) { return Extended::from_bits(se, m); }

TEST(ExtendedEdges, KnownResults) {
  const Extended one = bits(0x3FFF, 0x8000000000000000u);
  const Extended ulp_half = bits(0x3FFF - 64, 0x8000000000000000u);  // 2^-64: half an ulp of 1
  const Extended largest = bits(0x7FFE, 0xFFFFFFFFFFFFFFFFu);
  const Extended smallest_normal = bits(0x0001, 0x8000000000000000u);
  const Extended smallest_denormal = bits(0x0000, 1);
  const Extended indefinite = bits(0xFFFF, 0xC000000000000000u);
  const Extended infinity = bits(0x7FFF, 0x8000000000000000u);
  const Extended zero;
  const Extended minus_zero = bits(0x8000, 0);
  const struct {
    const char* what;
    Extended got;
    Extended want;
  } rows[] = {
      {"1 + 2^-64 ties to even (down)", one + ulp_half, one},
      {"(1 + 2^-63) + 2^-64 ties to even (up)", bits(0x3FFF, 0x8000000000000001u) + ulp_half,
       bits(0x3FFF, 0x8000000000000002u)},
      {"all ones + half ulp carries into the exponent", bits(0x3FFF, 0xFFFFFFFFFFFFFFFFu) + ulp_half,
       bits(0x4000, 0x8000000000000000u)},
      {"largest * 2 overflows to infinity", largest * Extended(2), infinity},
      {"largest + largest / 2^64 rounds to infinity", largest + bits(0x7FFE - 64, 0x8000000000000000u), infinity},
      {"smallest normal / 2 is a denormal", smallest_normal / Extended(2), bits(0x0000, 0x4000000000000000u)},
      {"smallest denormal / 2 ties to zero", smallest_denormal / Extended(2), zero},
      {"3 * smallest denormal / 2 ties to even (2)", bits(0x0000, 3) / Extended(2), bits(0x0000, 2)},
      {"denormal sum reaching the smallest normal", bits(0x0000, 0x7FFFFFFFFFFFFFFFu) + smallest_denormal,
       smallest_normal},
      {"x - x is +0", one - one, zero},
      {"-0 + -0 is -0", minus_zero + minus_zero, minus_zero},
      {"-0 + +0 is +0", minus_zero + zero, zero},
      {"1 / 0 is infinity", one / zero, infinity},
      {"-1 / +0 is -infinity", -one / zero, -infinity},
      {"0 / 0 is the indefinite NaN", zero / zero, indefinite},
      {"inf - inf is the indefinite NaN", infinity - infinity, indefinite},
      {"0 * inf is the indefinite NaN", zero * infinity, indefinite},
      {"a signalling NaN comes back quiet", bits(0x7FFF, 0x8000000000000001u) + one, bits(0x7FFF, 0xC000000000000001u)},
      {"of two quiet NaNs the larger significand",
       bits(0x7FFF, 0xC000000000000001u) * bits(0xFFFF, 0xC000000000000002u), bits(0xFFFF, 0xC000000000000002u)},
      {"a quiet NaN is preferred to a signalling one",
       bits(0x7FFF, 0x8000000000000005u) - bits(0xFFFF, 0xC000000000000001u), bits(0xFFFF, 0xC000000000000001u)},
      {"an unnormal is invalid", bits(0x3FFF, 0x4000000000000000u) + one, indefinite},
      {"nearbyint 2.5 is 2", nearbyint(Extended(2.5)), Extended(2)},
      {"nearbyint -3.5 is -4", nearbyint(Extended(-3.5)), Extended(-4)},
      {"nearbyint -0.25 is -0", nearbyint(Extended(-0.25)), minus_zero},
      {"floor -1.5 is -2", floor(Extended(-1.5)), Extended(-2)},
      {"trunc -1.5 is -1", trunc(Extended(-1.5)), Extended(-1)},
      {"ceil -0.5 is -0", ceil(Extended(-0.5)), minus_zero},
      {"fmod -370 by 360 is -10", fmod(Extended(-370), Extended(360)), Extended(-10)},
      {"fmod 720 by 360 is +0", fmod(Extended(720), Extended(360)), zero},
      {"fmod by 0 is the indefinite NaN", fmod(one, zero), indefinite},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(show(row.got), show(row.want)) << row.what;
  }
}

TEST(ExtendedEdges, NarrowingKnownResults) {
  // 1 + 2^-24 is a tie between 1 and 1 + 2^-23 as a float: even is 1.
  EXPECT_EQ(static_cast<float>(Extended(1.0) + Extended(std::ldexp(1.0, -24))), 1.0f);
  // One bit more than the tie rounds up.
  EXPECT_EQ(static_cast<float>(Extended(1.0) + Extended(std::ldexp(1.0, -24)) + Extended(std::ldexp(1.0, -60))),
            1.0f + std::ldexp(1.0f, -23));
  // Rounded once: 1 + 2^-24 + 2^-54 would round to 1 through a double.
  EXPECT_EQ(static_cast<float>(Extended(1.0) + Extended(std::ldexp(1.0, -24)) + Extended(std::ldexp(1.0, -54))),
            1.0f + std::ldexp(1.0f, -23));
  EXPECT_EQ(static_cast<double>(bits(0x7FFE, 0xFFFFFFFFFFFFFFFFu)), std::numeric_limits<double>::infinity());
  EXPECT_EQ(static_cast<float>(Extended(std::numeric_limits<double>::denorm_min())), 0.0f);
  EXPECT_EQ(static_cast<double>(Extended(std::numeric_limits<double>::denorm_min())),
            std::numeric_limits<double>::denorm_min());
  // The indefinite NaN narrows to the negative quiet NaN.
  EXPECT_EQ(std::bit_cast<uint64_t>(static_cast<double>(bits(0xFFFF, 0xC000000000000000u))), 0xFFF8000000000000u);
  EXPECT_EQ(bits(0x3FFF, 0x8000000000000000u).to_int64(), 1);
  EXPECT_EQ(bits(0x403E, 0x8000000000000000u).to_int64(), INT64_MIN);  // 2^63: out of range
  EXPECT_EQ(static_cast<int32_t>(Extended(int64_t{1} << 31)), INT32_MIN);
  EXPECT_EQ(static_cast<int32_t>(Extended(-2147483647.75)), -2147483647);
}

}  // namespace

#endif
