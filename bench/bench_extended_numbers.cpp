// The library's own number to text, on its own extended type.
#include <cstring>

#include "bench_extended_numbers.h"
#include "frame/primitives.h"

namespace bench {

void append_number_hardware(std::string& out, const ExtendedBits& value) {
#if TOLMER_HARDWARE_EXTENDED
  long double x = 0;
  std::memcpy(&x, &value.significand, 8);
  std::memcpy(reinterpret_cast<unsigned char*>(&x) + 8, &value.sign_exponent, 2);
#else
  const tolmer::xreal x = tolmer::Extended::from_bits(value.sign_exponent, value.significand);
#endif
  tolmer::append_number(out, x, tolmer::kDoubleDigits);
}

}  // namespace bench
