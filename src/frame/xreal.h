// xreal: the type of every extended-precision intermediate.
//
// Where long double is the x87 double-extended format (x86 with GCC or
// Clang) it is long double, computed by the x87 unit; elsewhere, or when the
// build defines TOLMER_SOFT_EXTENDED, it is Extended, the same format computed
// in integer code. Both give the same bits for every operation used here
// (checked operand by operand in the test suite), so results do not depend on
// the target. x86 keeps the x87 unit: timed in one run, the integer-coded path
// costs about 1.4 times as much on the length road and 1.15 times on number
// to text of values a double does not hold, and on 32-bit x86 (the
// product's own target) it would run without 128-bit integers.
//
// The x_ functions are the math functions the library applies to an xreal,
// spelled once for both types.
#pragma once

#include <cfloat>
#include <cmath>

#include "frame/extended.h"

#if !defined(TOLMER_SOFT_EXTENDED) && (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__) && \
    LDBL_MANT_DIG == 64
#define TOLMER_HARDWARE_EXTENDED 1
#else
#define TOLMER_HARDWARE_EXTENDED 0
#endif

namespace tolmer::inline v1 {

#if TOLMER_HARDWARE_EXTENDED
using xreal = long double;

inline bool x_isnan(xreal v) { return std::isnan(v); }
inline bool x_isinf(xreal v) { return std::isinf(v); }
inline bool x_signbit(xreal v) { return std::signbit(v); }
inline xreal x_fabs(xreal v) { return std::fabs(v); }
// Rounds to an integer in the current rounding direction (round to nearest
// inside every ExtendedPrecision guard), as nearbyint does, with one x87
// instruction instead of a library call that saves and restores the whole
// floating-point environment. Unlike nearbyint it may set the x87 inexact
// flag; the guard clears x87 flags raised inside on return.
inline xreal x_nearbyint(xreal v) {
  __asm__("frndint" : "+t"(v));
  return v;
}
// floor, trunc and ceil from frndint in whatever rounding direction is in
// force, then a step of one where it went the wrong way: the compiler's own
// expansion writes the x87 control word twice per call, which costs more
// than the rest of a formatted length. frndint gives one of the two
// neighbouring integers; integers below 2^64 step by one exactly, and larger
// values are integers already. A zero result takes the argument's sign, as
// the library functions' does (trunc(-0.5) is -0, floor(0.5) is +0).
namespace detail {
inline xreal x87_round_integral(xreal v) {
  __asm__("frndint" : "+t"(v));
  return v;
}
inline xreal signed_zero_like(xreal result, xreal v) {
  if (result == 0) return std::signbit(v) ? -0.0L : 0.0L;
  return result;
}
}  // namespace detail
inline xreal x_floor(xreal v) {
  xreal r = detail::x87_round_integral(v);
  if (r > v) r -= 1;
  return detail::signed_zero_like(r, v);
}
inline xreal x_ceil(xreal v) {
  xreal r = detail::x87_round_integral(v);
  if (r < v) r += 1;
  return detail::signed_zero_like(r, v);
}
inline xreal x_trunc(xreal v) { return v < 0 ? x_ceil(v) : x_floor(v); }
inline xreal x_fmod(xreal a, xreal b) { return std::fmod(a, b); }
#else
using xreal = Extended;

inline bool x_isnan(const xreal& v) { return isnan(v); }
inline bool x_isinf(const xreal& v) { return isinf(v); }
inline bool x_signbit(const xreal& v) { return signbit(v); }
inline xreal x_fabs(const xreal& v) { return fabs(v); }
inline xreal x_nearbyint(const xreal& v) { return nearbyint(v); }
inline xreal x_floor(const xreal& v) { return floor(v); }
inline xreal x_trunc(const xreal& v) { return trunc(v); }
inline xreal x_ceil(const xreal& v) { return ceil(v); }
inline xreal x_fmod(const xreal& a, const xreal& b) { return fmod(a, b); }
#endif

}  // namespace tolmer
