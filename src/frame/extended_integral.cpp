// The double-extended format rounded to integral values, and the remainder.
#include <cstdint>

#include "frame/extended.h"
#include "frame/extended_parts.h"

namespace tolmer::inline v1 {

using namespace extended_parts;

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
