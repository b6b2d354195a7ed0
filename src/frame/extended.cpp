#include "frame/extended.h"
#include "frame/charconv.h"

#include <bit>
#include <climits>
#include <cstring>
#include <utility>

namespace tolmer {

// ------------------------------------------------------------ 128-bit pieces

#if defined(__SIZEOF_INT128__)
__extension__ typedef unsigned __int128 Native128;
#endif

namespace detail {

U128 multiply_64_portable(uint64_t a, uint64_t b) {
  const uint64_t a_lo = a & 0xFFFFFFFFu, a_hi = a >> 32;
  const uint64_t b_lo = b & 0xFFFFFFFFu, b_hi = b >> 32;
  const uint64_t ll = a_lo * b_lo;
  const uint64_t lh = a_lo * b_hi;
  const uint64_t hl = a_hi * b_lo;
  const uint64_t hh = a_hi * b_hi;
  const uint64_t middle = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
  U128 r;
  r.lo = (middle << 32) | (ll & 0xFFFFFFFFu);
  r.hi = hh + (lh >> 32) + (hl >> 32) + (middle >> 32);
  return r;
}

U128 multiply_64(uint64_t a, uint64_t b) {
#if defined(__SIZEOF_INT128__)
  const Native128 p = static_cast<Native128>(a) * b;
  return U128{static_cast<uint64_t>(p >> 64), static_cast<uint64_t>(p)};
#else
  return multiply_64_portable(a, b);
#endif
}

// Long division in 32-bit digits (the two-digit-by-one-digit step of the
// schoolbook method), valid for a divisor with bit 63 set and high < divisor.
uint64_t divide_128_portable(uint64_t high, uint64_t low, uint64_t divisor, uint64_t& remainder) {
  constexpr uint64_t kBase = uint64_t{1} << 32;
  const uint64_t d1 = divisor >> 32, d0 = divisor & 0xFFFFFFFFu;
  const uint64_t n1 = low >> 32, n0 = low & 0xFFFFFFFFu;
  // First quotient digit: (high, n1) / divisor.
  uint64_t q1 = high / d1;
  uint64_t r = high - q1 * d1;
  while (q1 >= kBase || q1 * d0 > ((r << 32) | n1)) {
    --q1;
    r += d1;
    if (r >= kBase) break;
  }
  const uint64_t u21 = (high << 32) + n1 - q1 * divisor;  // modulo 2^64: the true value fits
  // Second digit: (u21, n0) / divisor.
  uint64_t q0 = u21 / d1;
  r = u21 - q0 * d1;
  while (q0 >= kBase || q0 * d0 > ((r << 32) | n0)) {
    --q0;
    r += d1;
    if (r >= kBase) break;
  }
  remainder = (u21 << 32) + n0 - q0 * divisor;
  return (q1 << 32) | q0;
}

uint64_t divide_128(uint64_t high, uint64_t low, uint64_t divisor, uint64_t& remainder) {
#if defined(__SIZEOF_INT128__)
  const Native128 n = (static_cast<Native128>(high) << 64) | low;
  const auto q = static_cast<uint64_t>(n / divisor);
  remainder = static_cast<uint64_t>(n - static_cast<Native128>(q) * divisor);
  return q;
#else
  return divide_128_portable(high, low, divisor, remainder);
#endif
}

}  // namespace detail

namespace {

constexpr int kBias = 16383;
constexpr uint16_t kMaxExponent = 0x7FFF;
constexpr uint64_t kIntegerBit = uint64_t{1} << 63;
constexpr uint64_t kQuietBit = uint64_t{1} << 62;

constexpr Extended kIndefinite = Extended::from_bits(0xFFFF, 0xC000000000000000u);

uint16_t exponent_of(const Extended& x) { return static_cast<uint16_t>(x.sign_exponent() & 0x7FFF); }
bool negative(const Extended& x) { return (x.sign_exponent() & 0x8000) != 0; }

Extended signed_zero(bool neg) { return Extended::from_bits(neg ? 0x8000 : 0, 0); }
Extended signed_infinity(bool neg) {
  return Extended::from_bits(static_cast<uint16_t>((neg ? 0x8000 : 0) | kMaxExponent), kIntegerBit);
}

enum class Kind { Zero, Finite, Infinite, NaN, Invalid };

Kind kind_of(const Extended& x) {
  const uint16_t e = exponent_of(x);
  const uint64_t m = x.significand();
  if (e == kMaxExponent) {
    if ((m & kIntegerBit) == 0) return Kind::Invalid;  // pseudo-infinity / pseudo-NaN
    return (m << 1) == 0 ? Kind::Infinite : Kind::NaN;
  }
  if (e == 0) return m == 0 ? Kind::Zero : Kind::Finite;  // denormal or pseudo-denormal
  return (m & kIntegerBit) != 0 ? Kind::Finite : Kind::Invalid;  // unnormal
}

bool is_signalling(const Extended& x) { return (x.significand() & kQuietBit) == 0; }
Extended quieted(const Extended& x) { return Extended::from_bits(x.sign_exponent(), x.significand() | kQuietBit); }

// The NaN result of an operation with at least one NaN operand (and no
// unsupported encoding).
Extended propagate(const Extended& a, Kind ka, const Extended& b, Kind kb) {
  if (ka != Kind::NaN) return quieted(b);
  if (kb != Kind::NaN) return quieted(a);
  const bool sa = is_signalling(a), sb = is_signalling(b);
  if (sa != sb) return sa ? quieted(b) : quieted(a);
  if (a.significand() != b.significand()) return quieted(a.significand() > b.significand() ? a : b);
  return quieted(negative(a) ? b : a);
}

// A finite non-zero magnitude as significand * 2^exponent with bit 63 of
// the significand set.
struct Unpacked {
  uint64_t m;
  int e;
};

Unpacked unpack(const Extended& x) {
  const int biased = exponent_of(x);
  uint64_t m = x.significand();
  int e = (biased == 0 ? 1 : biased) - kBias - 63;
  const int shift = std::countl_zero(m);
  m <<= shift;
  e -= shift;
  return Unpacked{m, e};
}

// Shifts (hi, lo) right by `s` bits, or-ing every bit shifted out into the
// lowest bit of lo.
void shift_right_jam(uint64_t& hi, uint64_t& lo, int s) {
  if (s <= 0) return;
  if (s < 64) {
    const bool lost = (lo << (64 - s)) != 0;
    lo = (lo >> s) | (hi << (64 - s)) | (lost ? 1u : 0u);
    hi >>= s;
  } else if (s < 128) {
    const bool lost = lo != 0 || (s > 64 && (hi << (128 - s)) != 0);
    lo = (s == 64 ? hi : hi >> (s - 64)) | (lost ? 1u : 0u);
    hi = 0;
  } else {
    lo = (hi != 0 || lo != 0) ? 1u : 0u;
    hi = 0;
  }
}

// Rounds (hi + lo / 2^64) * 2^e, hi with bit 63 set, to the format: to
// nearest, ties to even, gradual underflow, overflow to infinity.
Extended round_pack(bool neg, int e, uint64_t hi, uint64_t lo) {
  const uint16_t sign = neg ? 0x8000 : 0;
  long biased = static_cast<long>(e) + 63 + kBias;
  if (biased >= kMaxExponent) return signed_infinity(neg);
  if (biased < 1) {
    const long s = 1 - biased;
    shift_right_jam(hi, lo, s > 200 ? 200 : static_cast<int>(s));
    biased = 0;
  }
  const bool round = (lo >> 63) != 0;
  const bool sticky = (lo << 1) != 0;
  if (round && (sticky || (hi & 1) != 0)) {
    ++hi;
    if (hi == 0) {  // carried out of the significand
      hi = kIntegerBit;
      ++biased;
      if (biased >= kMaxExponent) return signed_infinity(neg);
    }
  }
  if (biased == 0 && (hi & kIntegerBit) != 0) biased = 1;  // rounded up to the smallest normal
  if (hi == 0) return signed_zero(neg);
  return Extended::from_bits(static_cast<uint16_t>(sign | biased), hi);
}

// Brings (hi, lo) to hi's bit 63 set, adjusting e. (hi, lo) is not zero.
void normalize(uint64_t& hi, uint64_t& lo, int& e) {
  if (hi == 0) {
    hi = lo;
    lo = 0;
    e -= 64;
  }
  const int s = std::countl_zero(hi);
  if (s > 0) {
    hi = (hi << s) | (lo >> (64 - s));
    lo <<= s;
    e -= s;
  }
}

Extended add_magnitudes(const Extended& a, const Extended& b, bool negate_b) {
  const Kind ka = kind_of(a), kb = kind_of(b);
  if (ka == Kind::Invalid || kb == Kind::Invalid) return kIndefinite;
  if (ka == Kind::NaN || kb == Kind::NaN) return propagate(a, ka, b, kb);
  const bool na = negative(a);
  const bool nb = negative(b) != negate_b;
  if (ka == Kind::Infinite || kb == Kind::Infinite) {
    if (ka == Kind::Infinite && kb == Kind::Infinite && na != nb) return kIndefinite;
    return signed_infinity(ka == Kind::Infinite ? na : nb);
  }
  if (kb == Kind::Zero || ka == Kind::Zero) {
    if (ka == Kind::Zero && kb == Kind::Zero) return signed_zero(na && nb);
    // The other operand, in its canonical encoding.
    const Unpacked u = unpack(ka == Kind::Zero ? b : a);
    return round_pack(ka == Kind::Zero ? nb : na, u.e, u.m, 0);
  }
  Unpacked x = unpack(a), y = unpack(b);
  bool nx = na, ny = nb;
  if (x.e < y.e || (x.e == y.e && x.m < y.m)) {
    std::swap(x, y);
    std::swap(nx, ny);
  }
  const int d = x.e - y.e;
  uint64_t yhi = y.m, ylo = 0;
  shift_right_jam(yhi, ylo, d > 200 ? 200 : d);
  uint64_t hi = x.m, lo = 0;
  int e = x.e;
  if (nx == ny) {
    lo = ylo;
    const uint64_t sum = hi + yhi;
    const bool carry = sum < hi;
    hi = sum;
    if (carry) {
      lo = (lo >> 1) | (lo & 1) | (hi << 63);
      hi = (hi >> 1) | kIntegerBit;
      ++e;
    }
    return round_pack(nx, e, hi, lo);
  }
  // Subtract the smaller magnitude.
  const uint64_t new_lo = lo - ylo;
  const uint64_t borrow = lo < ylo ? 1 : 0;
  hi = hi - yhi - borrow;
  lo = new_lo;
  if (hi == 0 && lo == 0) return signed_zero(false);
  normalize(hi, lo, e);
  return round_pack(nx, e, hi, lo);
}

// Exact value of an integral magnitude below 2^64.
Extended from_magnitude(bool neg, uint64_t m) {
  if (m == 0) return signed_zero(neg);
  const int s = std::countl_zero(m);
  return Extended::from_bits(static_cast<uint16_t>((neg ? 0x8000 : 0) | (kBias + 63 - s)), m << s);
}

// A binary interchange format value (float or double) widened exactly.
Extended widen(uint64_t bits, int fraction_bits, int exponent_bits) {
  const bool neg = (bits >> (fraction_bits + exponent_bits)) != 0;
  const int max_e = (1 << exponent_bits) - 1;
  const int bias = max_e >> 1;
  const int biased = static_cast<int>((bits >> fraction_bits) & static_cast<uint64_t>(max_e));
  const uint64_t fraction = bits & ((uint64_t{1} << fraction_bits) - 1);
  const uint16_t sign = neg ? 0x8000 : 0;
  if (biased == max_e) {
    if (fraction == 0) return signed_infinity(neg);
    return Extended::from_bits(static_cast<uint16_t>(sign | kMaxExponent),
                               kIntegerBit | kQuietBit | (fraction << (63 - fraction_bits)));
  }
  if (biased == 0) {
    if (fraction == 0) return signed_zero(neg);
    const int s = std::countl_zero(fraction);
    // fraction * 2^(1 - bias - fraction_bits)
    const int e = 1 - bias - fraction_bits - s + 63;  // exponent of the leading bit
    return Extended::from_bits(static_cast<uint16_t>(sign | (e + kBias)), fraction << s);
  }
  return Extended::from_bits(static_cast<uint16_t>(sign | (biased - bias + kBias)),
                             kIntegerBit | (fraction << (63 - fraction_bits)));
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
  long biased = static_cast<long>(u.e) + 63 + bias;
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
    return neg && magnitude == kIntegerBit ? INT64_MIN : kIndefiniteInteger;
  }
  return neg ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

Extended::operator int32_t() const {
  const int64_t wide = to_int64();
  if (wide < INT32_MIN || wide > INT32_MAX) return INT32_MIN;
  return static_cast<int32_t>(wide);
}

// --------------------------------------------------------------- arithmetic

Extended operator+(const Extended& a, const Extended& b) { return add_magnitudes(a, b, false); }
Extended operator-(const Extended& a, const Extended& b) { return add_magnitudes(a, b, true); }

Extended operator*(const Extended& a, const Extended& b) {
  const Kind ka = kind_of(a), kb = kind_of(b);
  if (ka == Kind::Invalid || kb == Kind::Invalid) return kIndefinite;
  if (ka == Kind::NaN || kb == Kind::NaN) return propagate(a, ka, b, kb);
  const bool neg = negative(a) != negative(b);
  if (ka == Kind::Infinite || kb == Kind::Infinite) {
    if (ka == Kind::Zero || kb == Kind::Zero) return kIndefinite;
    return signed_infinity(neg);
  }
  if (ka == Kind::Zero || kb == Kind::Zero) return signed_zero(neg);
  const Unpacked x = unpack(a), y = unpack(b);
  detail::U128 p = detail::multiply_64(x.m, y.m);
  int e = x.e + y.e + 64;
  if ((p.hi & kIntegerBit) == 0) {
    p.hi = (p.hi << 1) | (p.lo >> 63);
    p.lo <<= 1;
    --e;
  }
  return round_pack(neg, e, p.hi, p.lo);
}

Extended operator/(const Extended& a, const Extended& b) {
  const Kind ka = kind_of(a), kb = kind_of(b);
  if (ka == Kind::Invalid || kb == Kind::Invalid) return kIndefinite;
  if (ka == Kind::NaN || kb == Kind::NaN) return propagate(a, ka, b, kb);
  const bool neg = negative(a) != negative(b);
  if (ka == Kind::Infinite) return kb == Kind::Infinite ? kIndefinite : signed_infinity(neg);
  if (kb == Kind::Infinite) return signed_zero(neg);
  if (kb == Kind::Zero) return ka == Kind::Zero ? kIndefinite : signed_infinity(neg);
  if (ka == Kind::Zero) return signed_zero(neg);
  const Unpacked x = unpack(a), y = unpack(b);
  // q = floor(x.m * 2^64 / y.m), 64 or 65 bits.
  uint64_t high = x.m;
  bool top = false;
  if (high >= y.m) {
    top = true;
    high -= y.m;
  }
  uint64_t r = 0;
  const uint64_t q = detail::divide_128(high, 0, y.m, r);
  uint64_t hi, lo;
  int e = x.e - y.e - 64;
  if (top) {
    hi = (q >> 1) | kIntegerBit;
    lo = (q << 63) | (r != 0 ? 1 : 0);
    ++e;
  } else {
    hi = q;
    // One more quotient bit from the remainder (r < y.m < 2^64).
    const bool r_top = (r >> 63) != 0;
    const uint64_t twice = r << 1;
    const bool bit = r_top || twice >= y.m;
    const uint64_t rest = twice - (bit ? y.m : 0);
    lo = (bit ? kIntegerBit : 0) | (rest != 0 ? 1 : 0);
  }
  return round_pack(neg, e, hi, lo);
}

bool operator==(const Extended& a, const Extended& b) {
  const Kind ka = kind_of(a), kb = kind_of(b);
  if (ka == Kind::NaN || kb == Kind::NaN || ka == Kind::Invalid || kb == Kind::Invalid) return false;
  if (ka == Kind::Zero && kb == Kind::Zero) return true;
  if (ka != kb || negative(a) != negative(b)) return false;
  if (ka == Kind::Infinite) return true;
  const Unpacked x = unpack(a), y = unpack(b);
  return x.e == y.e && x.m == y.m;
}

bool operator<(const Extended& a, const Extended& b) {
  const Kind ka = kind_of(a), kb = kind_of(b);
  if (ka == Kind::NaN || kb == Kind::NaN || ka == Kind::Invalid || kb == Kind::Invalid) return false;
  if (ka == Kind::Zero && kb == Kind::Zero) return false;
  const bool na = ka != Kind::Zero && negative(a);
  const bool nb = kb != Kind::Zero && negative(b);
  if (na != nb) return na;
  // Same sign (a zero counts as positive): compare magnitudes.
  auto magnitude_less = [](const Extended& x, Kind kx, const Extended& y, Kind ky) {
    if (kx == ky && kx == Kind::Infinite) return false;
    if (ky == Kind::Infinite) return true;
    if (kx == Kind::Infinite) return false;
    if (kx == Kind::Zero) return ky != Kind::Zero;
    if (ky == Kind::Zero) return false;
    const Unpacked u = unpack(x), v = unpack(y);
    return u.e < v.e || (u.e == v.e && u.m < v.m);
  };
  return na ? magnitude_less(b, kb, a, ka) : magnitude_less(a, ka, b, kb);
}

bool isnan(const Extended& x) {
  const Kind k = kind_of(x);
  return k == Kind::NaN || k == Kind::Invalid;
}

bool isinf(const Extended& x) { return kind_of(x) == Kind::Infinite; }

// ----------------------------------------------------------- integer rounding

namespace {

enum class Direction { Nearest, Down, TowardZero, Up };

Extended round_integral(const Extended& x, Direction direction) {
  const Kind k = kind_of(x);
  if (k == Kind::Invalid) return kIndefinite;
  if (k == Kind::NaN) return quieted(x);
  if (k != Kind::Finite) return x;
  const bool neg = negative(x);
  const Unpacked u = unpack(x);
  if (u.e >= 0) return x;  // already integral
  // value = m * 2^e with e < 0: integer part and the fraction's bits.
  uint64_t whole = 0;
  bool half = false, above_half = false, any = false;
  if (u.e <= -65) {
    any = true;  // 0 < value < 1/2
  } else if (u.e == -64) {
    half = true;
    above_half = (u.m << 1) != 0;  // value in [1/2, 1)
    any = true;
  } else {
    const int s = -u.e;
    whole = u.m >> s;
    const uint64_t fraction = u.m << (64 - s);
    any = fraction != 0;
    half = (fraction >> 63) != 0;
    above_half = half && (fraction << 1) != 0;
  }
  bool up = false;  // away from zero
  switch (direction) {
    case Direction::Nearest: up = half && (above_half || (whole & 1) != 0); break;
    case Direction::Down: up = neg && any; break;
    case Direction::TowardZero: up = false; break;
    case Direction::Up: up = !neg && any; break;
  }
  if (up) ++whole;  // below 2^63: no overflow
  return from_magnitude(neg, whole);
}

}  // namespace

Extended nearbyint(const Extended& x) { return round_integral(x, Direction::Nearest); }
Extended floor(const Extended& x) { return round_integral(x, Direction::Down); }
Extended trunc(const Extended& x) { return round_integral(x, Direction::TowardZero); }
Extended ceil(const Extended& x) { return round_integral(x, Direction::Up); }

Extended fmod(const Extended& x, const Extended& y) {
  const Kind kx = kind_of(x), ky = kind_of(y);
  if (kx == Kind::Invalid || ky == Kind::Invalid) return kIndefinite;
  if (kx == Kind::NaN || ky == Kind::NaN) return propagate(x, kx, y, ky);
  if (kx == Kind::Infinite || ky == Kind::Zero) return kIndefinite;
  const bool neg = negative(x);
  if (kx == Kind::Zero) return x;
  const Unpacked a = unpack(x);
  // x itself, in its canonical encoding (a pseudo-denormal comes back normal).
  if (ky == Kind::Infinite) return round_pack(neg, a.e, a.m, 0);
  const Unpacked b = unpack(y);
  if (a.e < b.e || (a.e == b.e && a.m < b.m)) return round_pack(neg, a.e, a.m, 0);
  // r = (a.m * 2^(a.e - b.e)) mod b.m, then the result is r * 2^b.e.
  uint64_t r = a.m >= b.m ? a.m - b.m : a.m;  // a.m < 2 * b.m
  int d = a.e - b.e;
  while (d > 0) {
    const int step = d >= 64 ? 63 : d;
    // (r * 2^step) mod b.m with r < b.m.
    const uint64_t high = r >> (64 - step);
    const uint64_t low = r << step;
    uint64_t rem = 0;
    detail::divide_128(high, low, b.m, rem);
    r = rem;
    d -= step;
  }
  if (r == 0) return signed_zero(neg);
  uint64_t hi = r, lo = 0;
  int e = b.e;
  normalize(hi, lo, e);
  return round_pack(neg, e, hi, lo);  // exact
}

}  // namespace tolmer
