// Rounding reals to integers and to decimal places.
#include "frame/primitives.h"

#include <cmath>
#include <limits>

namespace tolmer {

// ---------------------------------------------------------- integer rounding

namespace {
int32_t to_int_checked(xreal whole) {
  // `whole` is integral or NaN/infinite here.
  if (!(whole >= xreal(int64_t{-2147483648}) && whole <= xreal(2147483647))) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(whole);
}
}  // namespace

int32_t round_to_int(xreal value) { return to_int_checked(x_nearbyint(value)); }
int32_t floor_to_int(xreal value) { return to_int_checked(x_floor(value)); }
int32_t trunc_to_int(xreal value) { return to_int_checked(x_trunc(value)); }
int32_t ceil_to_int(xreal value) { return to_int_checked(x_ceil(value)); }

int32_t int_divide(xreal dividend, xreal divisor) {
  const xreal a = x_nearbyint(dividend);
  const xreal b = x_nearbyint(divisor);
  const int32_t ia = to_int_checked(a);
  const int32_t ib = to_int_checked(b);
  if (ib == 0 || (ia == std::numeric_limits<int32_t>::min() && !(a == xreal(int64_t{-2147483648}))) ||
      (ib == std::numeric_limits<int32_t>::min() && !(b == xreal(int64_t{-2147483648})))) {
    return std::numeric_limits<int32_t>::min();
  }
  if (ia == std::numeric_limits<int32_t>::min() && ib == -1) return std::numeric_limits<int32_t>::min();
  return ia / ib;
}

xreal round_decimal(xreal value, int32_t places) {
  if (places < 0 || places > 18) places = 18;
  xreal scale = 1;
  for (int32_t i = 0; i < places; ++i) scale *= 10;
  return x_nearbyint(value * scale) / scale;
}

}  // namespace tolmer
