// Extended: the double-extended binary format (sign, 15-bit biased exponent,
// 64-bit significand with an explicit integer bit) computed in integer code,
// so that every target gets the same bits.
//
// Arithmetic rounds to nearest with ties to even at 64 bits, with the full
// 15-bit exponent range: overflow gives an infinity, underflow a correctly
// rounded subnormal (gradual underflow), exactly as an x87 unit at 64-bit
// precision with every exception masked. NaNs follow the same unit:
// - an invalid operation (inf - inf, 0 * inf, 0 / 0, inf / inf, a remainder
//   by 0 or of an infinity, an unsupported encoding: an unnormal, pseudo-NaN
//   or pseudo-infinity) gives the "indefinite" NaN: sign set, exponent all
//   ones, significand 0xC000000000000000;
// - a NaN operand is returned quieted (bit 62 set); of two NaNs a quiet one
//   is preferred to a signalling one, and between two of the same kind the
//   one with the larger significand, on a tie the positive one;
// - a single or double NaN becomes an extended NaN with its payload at the
//   top of the significand (quieted), and back again by truncating the
//   payload (quiet bit set).
// Conversions to integers truncate; NaN and out-of-range values give the
// smallest integer of the target type (the unit's "integer indefinite").
#pragma once

#include <bit>
#include <cstdint>

namespace tolmer::inline v1 {

// The constants of the double-extended encoding, written once: a sign bit and
// a 15-bit biased exponent in 16 bits, then a 64-bit significand whose
// integer bit (bit 63) is explicit.
struct ExtendedTraits {
  static constexpr uint16_t kSignBit = 0x8000;
  // The exponent field; all ones encodes infinities and NaNs.
  static constexpr uint16_t kExponentMask = 0x7FFF;
  static constexpr int kBias = 16383;
  static constexpr int kSignificandBits = 64;
  static constexpr int kIntegerBitIndex = kSignificandBits - 1;
  static constexpr uint64_t kIntegerBit = uint64_t{1} << kIntegerBitIndex;
  // Set in a quiet NaN, clear in a signalling one.
  static constexpr uint64_t kQuietBit = uint64_t{1} << (kIntegerBitIndex - 1);
  // The significand of the "indefinite" NaN.
  static constexpr uint64_t kIndefiniteSignificand = kIntegerBit | kQuietBit;

  // The power of two of the significand's lowest bit for a biased exponent:
  // a finite value is significand x 2^lowest_bit_exponent(biased). Subnormals
  // (biased 0) share the scale of the smallest normal exponent (biased 1).
  [[nodiscard]] static constexpr int lowest_bit_exponent(int biased) noexcept {
    return (biased == 0 ? 1 : biased) - kBias - kIntegerBitIndex;
  }
};

class Extended {
 public:
  constexpr Extended() = default;
  // Exact conversions.
  constexpr Extended(int32_t value) : Extended(static_cast<int64_t>(value)) {}  // NOLINT: implicit, like a built-in real
  constexpr Extended(int64_t value) {                                          // NOLINT
    const bool negative = value < 0;
    const uint64_t m = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    if (m != 0) {
      const int shift = std::countl_zero(m);
      m_ = m << shift;
      se_ = static_cast<uint16_t>(ExtendedTraits::kBias + ExtendedTraits::kIntegerBitIndex - shift);
    }
    if (negative) se_ = static_cast<uint16_t>(se_ | ExtendedTraits::kSignBit);
  }
  Extended(float value);                                                 // NOLINT
  Extended(double value);                                                // NOLINT

  // The encoding (ExtendedTraits): bit 15 of `sign_exponent` is the sign,
  // bits 0-14 the biased exponent; `significand` holds the integer bit at 63.
  static constexpr Extended from_bits(uint16_t sign_exponent, uint64_t significand) {
    Extended x;
    x.se_ = sign_exponent;
    x.m_ = significand;
    return x;
  }
  constexpr uint16_t sign_exponent() const { return se_; }
  constexpr uint64_t significand() const { return m_; }

  // Correctly rounded (ties to even) to the narrower formats.
  explicit operator float() const;
  explicit operator double() const;
  // Truncated toward zero; NaN or out of range gives INT64_MIN / INT32_MIN.
  int64_t to_int64() const;
  explicit operator int64_t() const { return to_int64(); }
  explicit operator int32_t() const;

  friend Extended operator+(const Extended& a, const Extended& b);
  friend Extended operator-(const Extended& a, const Extended& b);
  friend Extended operator*(const Extended& a, const Extended& b);
  friend Extended operator/(const Extended& a, const Extended& b);
  friend constexpr Extended operator-(const Extended& a) { return from_bits(static_cast<uint16_t>(a.se_ ^ ExtendedTraits::kSignBit), a.m_); }
  Extended& operator+=(const Extended& b) { return *this = *this + b; }
  Extended& operator-=(const Extended& b) { return *this = *this - b; }
  Extended& operator*=(const Extended& b) { return *this = *this * b; }
  Extended& operator/=(const Extended& b) { return *this = *this / b; }

  // Ordered comparisons: any NaN compares unequal and unordered; -0 == +0.
  friend bool operator==(const Extended& a, const Extended& b);
  friend bool operator<(const Extended& a, const Extended& b);
  friend bool operator!=(const Extended& a, const Extended& b) { return !(a == b); }
  friend bool operator>(const Extended& a, const Extended& b) { return b < a; }
  friend bool operator<=(const Extended& a, const Extended& b) { return a < b || a == b; }
  friend bool operator>=(const Extended& a, const Extended& b) { return b < a || a == b; }

 private:
  uint64_t m_ = 0;
  uint16_t se_ = 0;
};

// Classification (an unsupported encoding counts as NaN).
bool isnan(const Extended& x);
bool isinf(const Extended& x);
inline bool signbit(const Extended& x) { return (x.sign_exponent() & ExtendedTraits::kSignBit) != 0; }
inline Extended fabs(const Extended& x) {
  return Extended::from_bits(static_cast<uint16_t>(x.sign_exponent() & ExtendedTraits::kExponentMask), x.significand());
}

// Rounding to an integral value (same format): to nearest with ties to even,
// toward minus infinity, toward zero, toward plus infinity. Zeros keep their
// sign, a result of zero takes the operand's sign; NaNs come back quieted.
Extended nearbyint(const Extended& x);
Extended floor(const Extended& x);
Extended trunc(const Extended& x);
Extended ceil(const Extended& x);
// The exact remainder of x / y with the quotient truncated toward zero, the
// sign of x. y = 0 or an infinite x gives the indefinite NaN; an infinite y
// gives x.
Extended fmod(const Extended& x, const Extended& y);

// The first `count` (1 to 19) significant decimal digits of a finite,
// non-zero magnitude, correctly rounded with ties to even, as characters
// '0'-'9' in `digits`, and the decimal exponent of the first:
// |x| ~ d0.d1d2... x 10^exponent. The value's exact binary expansion is
// converted, so every digit is right.
void decimal_digits(const Extended& x, int count, char* digits, int& exponent);

namespace detail {
// The pieces the arithmetic is built from, exposed so that the portable forms
// (used where the compiler has no 128-bit integer) can be checked against the
// native ones.
struct U128 {
  uint64_t hi = 0;
  uint64_t lo = 0;
};
U128 multiply_64(uint64_t a, uint64_t b);
U128 multiply_64_portable(uint64_t a, uint64_t b);
// (high * 2^64 + low) / divisor for a divisor with bit 63 set and high <
// divisor: the quotient (64 bits) and the remainder.
uint64_t divide_128(uint64_t high, uint64_t low, uint64_t divisor, uint64_t& remainder);
uint64_t divide_128_portable(uint64_t high, uint64_t low, uint64_t divisor, uint64_t& remainder);
}  // namespace detail

}  // namespace tolmer
