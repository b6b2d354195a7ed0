// Rounding reals to integers and to decimal places.
#include "frame/primitives.h"

#include <cmath>
#include <limits>

namespace tolmer::inline v1 {

// ---------------------------------------------------------- integer rounding

namespace {
int32_t to_int_checked(xreal whole) {
  // `whole` is integral or NaN/infinite here.
  if (!(whole >= xreal(int64_t{-2147483648}) && whole <= xreal(2147483647))) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(whole);
}
}  // namespace

int32_t round_to_int(xreal value) { return to_int_checked(x_nearbyint(value)); }
int32_t trunc_to_int(xreal value) { return to_int_checked(x_trunc(value)); }

float single_quotient(double n, double d) {
  const bool singles = static_cast<double>(static_cast<float>(n)) == n &&
                       static_cast<double>(static_cast<float>(d)) == d;
  if (singles && std::isfinite(n) && std::isfinite(d) && d != 0) {
    return static_cast<float>(n / d);
  }
  return static_cast<float>(static_cast<xreal>(n) / static_cast<xreal>(d));
}

xreal round_decimal(xreal value, int32_t places) {
  if (places < 0 || places > 18) places = 18;
  // Powers of ten up to 10^18 are exact in 64 mantissa bits: the table
  // holds the same values the repeated product gives.
  static constexpr xreal kScales[19] = {
      xreal(int64_t{1}), xreal(int64_t{10}), xreal(int64_t{100}),
      xreal(int64_t{1000}), xreal(int64_t{10000}), xreal(int64_t{100000}),
      xreal(int64_t{1000000}), xreal(int64_t{10000000}), xreal(int64_t{100000000}),
      xreal(int64_t{1000000000}), xreal(int64_t{10000000000}), xreal(int64_t{100000000000}),
      xreal(int64_t{1000000000000}), xreal(int64_t{10000000000000}), xreal(int64_t{100000000000000}),
      xreal(int64_t{1000000000000000}), xreal(int64_t{10000000000000000}), xreal(int64_t{100000000000000000}),
      xreal(int64_t{1000000000000000000})};
  const xreal scale = kScales[places];
  return x_nearbyint(value * scale) / scale;
}

}  // namespace tolmer
