#include "frame/extended.h"

#include <bit>
#include <climits>
#include <cstring>
#include <utility>

#include "frame/extended_parts.h"

namespace tolmer::inline v1 {

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

}  // namespace

// ------------------------------------------------------------ shared pieces

namespace extended_parts {

Extended propagate(const Extended& a, Kind ka, const Extended& b, Kind kb) {
  if (ka != Kind::NaN) return quieted(b);
  if (kb != Kind::NaN) return quieted(a);
  const bool sa = is_signalling(a), sb = is_signalling(b);
  if (sa != sb) return sa ? quieted(b) : quieted(a);
  if (a.significand() != b.significand()) return quieted(a.significand() > b.significand() ? a : b);
  return quieted(negative(a) ? b : a);
}

Extended round_pack(bool neg, int e, uint64_t hi, uint64_t lo) {
  const uint16_t sign = neg ? Traits::kSignBit : 0;
  long biased = static_cast<long>(e) + Traits::kIntegerBitIndex + Traits::kBias;
  if (biased >= Traits::kExponentMask) return signed_infinity(neg);
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
      hi = Traits::kIntegerBit;
      ++biased;
      if (biased >= Traits::kExponentMask) return signed_infinity(neg);
    }
  }
  if (biased == 0 && (hi & Traits::kIntegerBit) != 0) biased = 1;  // rounded up to the smallest normal
  if (hi == 0) return signed_zero(neg);
  return Extended::from_bits(static_cast<uint16_t>(sign | biased), hi);
}

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

Extended from_magnitude(bool neg, uint64_t m) {
  if (m == 0) return signed_zero(neg);
  const int s = std::countl_zero(m);
  return Extended::from_bits(static_cast<uint16_t>((neg ? Traits::kSignBit : 0) | (Traits::kBias + Traits::kIntegerBitIndex - s)), m << s);
}

}  // namespace extended_parts

using namespace extended_parts;

namespace {

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
      hi = (hi >> 1) | Traits::kIntegerBit;
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

}  // namespace

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
  if ((p.hi & Traits::kIntegerBit) == 0) {
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
    hi = (q >> 1) | Traits::kIntegerBit;
    lo = (q << 63) | (r != 0 ? 1 : 0);
    ++e;
  } else {
    hi = q;
    // One more quotient bit from the remainder (r < y.m < 2^64).
    const bool r_top = (r >> 63) != 0;
    const uint64_t twice = r << 1;
    const bool bit = r_top || twice >= y.m;
    const uint64_t rest = twice - (bit ? y.m : 0);
    lo = (bit ? Traits::kIntegerBit : 0) | (rest != 0 ? 1 : 0);
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

}  // namespace tolmer
