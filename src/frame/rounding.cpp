// Rounding reals to integers and to decimal places.
#include "frame/primitives.h"

#include <cmath>
#include <limits>

namespace tolmer {

// ---------------------------------------------------------- integer rounding

namespace {
int32_t to_int_checked(long double whole) {
  // `whole` is integral or NaN/infinite here.
  if (!(whole >= -2147483648.0L && whole <= 2147483647.0L)) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(whole);
}
}  // namespace

int32_t round_to_int(long double value) { return to_int_checked(std::nearbyint(value)); }
int32_t floor_to_int(long double value) { return to_int_checked(std::floor(value)); }
int32_t trunc_to_int(long double value) { return to_int_checked(std::trunc(value)); }
int32_t ceil_to_int(long double value) { return to_int_checked(std::ceil(value)); }

int32_t int_divide(long double dividend, long double divisor) {
  const long double a = std::nearbyint(dividend);
  const long double b = std::nearbyint(divisor);
  const int32_t ia = to_int_checked(a);
  const int32_t ib = to_int_checked(b);
  if (ib == 0 || (ia == std::numeric_limits<int32_t>::min() && !(a == -2147483648.0L)) ||
      (ib == std::numeric_limits<int32_t>::min() && !(b == -2147483648.0L))) {
    return std::numeric_limits<int32_t>::min();
  }
  if (ia == std::numeric_limits<int32_t>::min() && ib == -1) return std::numeric_limits<int32_t>::min();
  return ia / ib;
}

long double round_decimal(long double value, int32_t places) {
  if (places < 0 || places > 18) places = 18;
  long double scale = 1;
  for (int32_t i = 0; i < places; ++i) scale *= 10;
  return std::nearbyint(value * scale) / scale;
}

}  // namespace tolmer
