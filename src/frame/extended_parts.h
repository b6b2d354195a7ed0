// The pieces the double-extended arithmetic is built from, shared by its
// source files (extended.cpp, extended_conversions.cpp,
// extended_integral.cpp): classification, unpacking to significand and
// exponent, and rounding back to the format.
#pragma once

#include <bit>
#include <cstdint>

#include "frame/extended.h"

namespace tolmer::inline v1::extended_parts {

using Traits = ExtendedTraits;

// The "indefinite" NaN: the answer of an invalid operation.
inline constexpr Extended kIndefinite = Extended::from_bits(
    static_cast<uint16_t>(Traits::kSignBit | Traits::kExponentMask), Traits::kIndefiniteSignificand);

inline uint16_t exponent_of(const Extended& x) {
  return static_cast<uint16_t>(x.sign_exponent() & Traits::kExponentMask);
}
inline bool negative(const Extended& x) { return (x.sign_exponent() & Traits::kSignBit) != 0; }

inline Extended signed_zero(bool neg) { return Extended::from_bits(neg ? Traits::kSignBit : 0, 0); }
inline Extended signed_infinity(bool neg) {
  return Extended::from_bits(static_cast<uint16_t>((neg ? Traits::kSignBit : 0) | Traits::kExponentMask),
                             Traits::kIntegerBit);
}

enum class Kind { Zero, Finite, Infinite, NaN, Invalid };

inline Kind kind_of(const Extended& x) {
  const uint16_t e = exponent_of(x);
  const uint64_t m = x.significand();
  if (e == Traits::kExponentMask) {
    if ((m & Traits::kIntegerBit) == 0) return Kind::Invalid;  // pseudo-infinity / pseudo-NaN
    return (m << 1) == 0 ? Kind::Infinite : Kind::NaN;
  }
  if (e == 0) return m == 0 ? Kind::Zero : Kind::Finite;  // denormal or pseudo-denormal
  return (m & Traits::kIntegerBit) != 0 ? Kind::Finite : Kind::Invalid;  // unnormal
}

inline bool is_signalling(const Extended& x) { return (x.significand() & Traits::kQuietBit) == 0; }
inline Extended quieted(const Extended& x) {
  return Extended::from_bits(x.sign_exponent(), x.significand() | Traits::kQuietBit);
}

// The NaN result of an operation with at least one NaN operand (and no
// unsupported encoding).
Extended propagate(const Extended& a, Kind ka, const Extended& b, Kind kb);

// A finite non-zero magnitude as significand * 2^exponent with bit 63 of
// the significand set.
struct Unpacked {
  uint64_t m;
  int e;
};

inline Unpacked unpack(const Extended& x) {
  uint64_t m = x.significand();
  int e = Traits::lowest_bit_exponent(exponent_of(x));
  const int shift = std::countl_zero(m);
  m <<= shift;
  e -= shift;
  return Unpacked{m, e};
}

// Rounds (hi + lo / 2^64) * 2^e, hi with bit 63 set, to the format: to
// nearest, ties to even, gradual underflow, overflow to infinity.
Extended round_pack(bool neg, int e, uint64_t hi, uint64_t lo);

// Brings (hi, lo) to hi's bit 63 set, adjusting e. (hi, lo) is not zero.
void normalize(uint64_t& hi, uint64_t& lo, int& e);

// Exact value of an integral magnitude below 2^64.
Extended from_magnitude(bool neg, uint64_t m);

}  // namespace tolmer::extended_parts
