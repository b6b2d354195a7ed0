// Number to text of one extended value with each arithmetic: the library's
// own (long double where it is the x87 format) and the integer-coded
// Extended, compiled a second time for the comparison.
#pragma once

#include <cstdint>
#include <string>

namespace bench {

// An extended value by its encoding.
struct ExtendedBits {
  uint16_t sign_exponent;
  uint64_t significand;
};

// Appends the value's text with 15 significant digits.
void append_number_hardware(std::string& out, const ExtendedBits& value);
void append_number_software(std::string& out, const ExtendedBits& value);

}  // namespace bench
