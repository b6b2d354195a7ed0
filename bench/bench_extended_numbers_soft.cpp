// Number to text compiled a second time with the integer-coded extended type,
// in a namespace of its own so that it sits beside the library's build in one
// program. Only the sources that number to text needs are included.
#define TOLMER_SOFT_EXTENDED 1
#define tolmer tolmer_bench_soft
#include "frame/extended.cpp"
#include "frame/extended_conversions.cpp"
#include "frame/extended_integral.cpp"
#include "frame/extended_digits.cpp"
#include "frame/number_text.cpp"
#undef tolmer

#include "bench_extended_numbers.h"

namespace bench {

void append_number_software(std::string& out, const ExtendedBits& value) {
  tolmer_bench_soft::append_number(out, tolmer_bench_soft::Extended::from_bits(value.sign_exponent, value.significand),
                                   tolmer_bench_soft::kDoubleDigits);
}

}  // namespace bench
