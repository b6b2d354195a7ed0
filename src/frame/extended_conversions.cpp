// The double-extended format's conversions: from and to the binary
// interchange formats (float, double) and to integers.
#include <climits>
#include <cstdint>

#include "frame/charconv.h"
#include "frame/extended.h"
#include "frame/extended_parts.h"

namespace tolmer::inline v1 {

using namespace extended_parts;

namespace {

// A binary interchange format value (float or double) widened exactly.
Extended widen(uint64_t bits, int fraction_bits, int exponent_bits) {
  const bool neg = (bits >> (fraction_bits + exponent_bits)) != 0;
  const int max_e = (1 << exponent_bits) - 1;
  const int bias = max_e >> 1;
  const int biased = static_cast<int>((bits >> fraction_bits) & static_cast<uint64_t>(max_e));
  const uint64_t fraction = bits & ((uint64_t{1} << fraction_bits) - 1);
  const uint16_t sign = neg ? Traits::kSignBit : 0;
  if (biased == max_e) {
    if (fraction == 0) return signed_infinity(neg);
    return Extended::from_bits(static_cast<uint16_t>(sign | Traits::kExponentMask),
                               Traits::kIntegerBit | Traits::kQuietBit | (fraction << (Traits::kIntegerBitIndex - fraction_bits)));
  }
  if (biased == 0) {
    if (fraction == 0) return signed_zero(neg);
    const int s = std::countl_zero(fraction);
    // fraction * 2^(1 - bias - fraction_bits)
    const int e = 1 - bias - fraction_bits - s + Traits::kIntegerBitIndex;  // exponent of the leading bit
    return Extended::from_bits(static_cast<uint16_t>(sign | (e + Traits::kBias)), fraction << s);
  }
  return Extended::from_bits(static_cast<uint16_t>(sign | (biased - bias + Traits::kBias)),
                             Traits::kIntegerBit | (fraction << (Traits::kIntegerBitIndex - fraction_bits)));
}

// Rounds to a binary interchange format: `precision` significand bits
// (integer bit included), exponent field of `exponent_bits`.
uint64_t narrow(const Extended& x, int precision, int exponent_bits) {
  const int fraction_bits = precision - 1;
  const bool neg = negative(x);
  const uint64_t sign = neg ? uint64_t{1} << (fraction_bits + exponent_bits) : 0;
  const int max_e = (1 << exponent_bits) - 1;
  const int bias = max_e >> 1;
  const uint64_t infinity = sign | (static_cast<uint64_t>(max_e) << fraction_bits);
  switch (kind_of(x)) {
    case Kind::Zero: return sign;
    case Kind::Infinite: return infinity;
    case Kind::Invalid:
      return (uint64_t{1} << (fraction_bits + exponent_bits)) | (static_cast<uint64_t>(max_e) << fraction_bits) |
             (uint64_t{1} << (fraction_bits - 1));
    case Kind::NaN:
      return infinity | (uint64_t{1} << (fraction_bits - 1)) |
             ((x.significand() << 1) >> (64 - fraction_bits));
    case Kind::Finite: break;
  }
  const Unpacked u = unpack(x);
  // value = m * 2^e; leading bit exponent u.e + 63.
  long biased = static_cast<long>(u.e) + Traits::kIntegerBitIndex + bias;
  if (biased >= max_e) return infinity;
  int drop = 64 - precision;  // bits below the target significand
  if (biased < 1) {
    drop += static_cast<int>(1 - biased > 100 ? 100 : 1 - biased);
    biased = 0;
  }
  uint64_t kept, round, sticky;
  if (drop >= 65) {
    kept = 0;
    round = 0;
    sticky = 1;
  } else if (drop == 64) {
    kept = 0;
    round = u.m >> 63;
    sticky = (u.m << 1) != 0;
  } else {
    kept = u.m >> drop;
    round = (u.m >> (drop - 1)) & 1;
    sticky = (u.m << (65 - drop)) != 0 ? 1 : 0;  // drop >= 11 here
  }
  if (round != 0 && (sticky != 0 || (kept & 1) != 0)) ++kept;
  // kept may have reached 2^precision (next binade) or, for a subnormal,
  // 2^(precision-1) (the smallest normal): both are carried by adding the
  // field values.
  if (biased == 0) {
    return sign | kept;  // a carry into bit `fraction_bits` is the smallest normal
  }
  uint64_t result = (static_cast<uint64_t>(biased) << fraction_bits) + (kept - (uint64_t{1} << fraction_bits));
  if (kept >> precision) result = (static_cast<uint64_t>(biased + 1) << fraction_bits);
  if ((result >> fraction_bits) >= static_cast<uint64_t>(max_e)) return infinity;
  return sign | result;
}

}  // namespace

// ------------------------------------------------------------- conversions

Extended::Extended(float value) {
  *this = widen(bits_cast<uint32_t>(value), 23, 8);
}

Extended::Extended(double value) {
  *this = widen(bits_cast<uint64_t>(value), 52, 11);
}

Extended::operator float() const { return bits_cast<float>(static_cast<uint32_t>(narrow(*this, 24, 8))); }
Extended::operator double() const { return bits_cast<double>(narrow(*this, 53, 11)); }

int64_t Extended::to_int64() const {
  constexpr int64_t kIndefiniteInteger = INT64_MIN;
  const Kind k = kind_of(*this);
  if (k == Kind::Zero) return 0;
  if (k != Kind::Finite) return kIndefiniteInteger;
  const Unpacked u = unpack(*this);
  if (u.e <= -64) return 0;
  const bool neg = negative(*this);
  if (u.e > 0) return kIndefiniteInteger;
  const uint64_t magnitude = u.e == 0 ? u.m : u.m >> -u.e;
  if (u.e == 0) {
    // 2^63 or more: only -2^63 fits.
    return neg && magnitude == Traits::kIntegerBit ? INT64_MIN : kIndefiniteInteger;
  }
  return neg ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

Extended::operator int32_t() const {
  const int64_t wide = to_int64();
  if (wide < INT32_MIN || wide > INT32_MAX) return INT32_MIN;
  return static_cast<int32_t>(wide);
}

}  // namespace tolmer
