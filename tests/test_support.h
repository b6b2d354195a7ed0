// Helpers shared by the test files.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

#include "c_abi/libstring.h"
#include "frame/xreal.h"
#include "tolmerdll.h"

namespace test_support {

// The bytes of a LibString result (count-based, so NUL bytes survive); the
// result is released.
inline std::string take(LibString result) {
  std::string bytes(tolmer::libstring_bytes(result));
  FREELIBSTRING(result);
  return bytes;
}

// The extended value of digits * 10^exp10: correctly rounded (one exact
// operand, one rounding) for |exp10| <= 18, as a decimal literal of the
// extended type would be; beyond that within a few units in the last place.
inline tolmer::xreal xdec(int64_t digits, int exp10) {
  constexpr int64_t kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000,
                                 10000000000, 100000000000, 1000000000000, 10000000000000, 100000000000000,
                                 1000000000000000, 10000000000000000, 100000000000000000,
                                 1000000000000000000};
  tolmer::xreal value = digits;
  while (exp10 > 18) {
    value = value * tolmer::xreal(kPowers[18]);
    exp10 -= 18;
  }
  while (exp10 < -18) {
    value = value / tolmer::xreal(kPowers[18]);
    exp10 += 18;
  }
  return exp10 >= 0 ? value * tolmer::xreal(kPowers[exp10]) : value / tolmer::xreal(kPowers[-exp10]);
}
inline tolmer::xreal xinf() { return tolmer::xreal(std::numeric_limits<double>::infinity()); }
inline tolmer::xreal xnan() { return tolmer::xreal(std::numeric_limits<double>::quiet_NaN()); }

}  // namespace test_support
