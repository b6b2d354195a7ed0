// Bit casts and exact decimal conversions of reals through the standard
// library, with a fallback for standard libraries that lack them (the
// libc++ of Debian's emscripten has neither std::bit_cast nor the
// floating-point std::to_chars / std::from_chars).
//
// The fallback gives the same results: the C library's printf and strtod
// convert exactly (correctly rounded) as to_chars and from_chars do (with
// emscripten, printf does so for long double only when linked with
// PRINTF_LONG_DOUBLE, as cmake/wasm.cmake does); the text
// handed to strtod is first cut to the grammar that from_chars reads (digits
// with at most one point, then an exponent only when it has digits), so
// strtod's own extras (a sign, hexadecimal, "inf") never take part; a result
// out of range is reported only where from_chars reports it (an overflow to
// infinity, an underflow to zero).
#ifndef TOLMER_FRAME_CHARCONV_H
#define TOLMER_FRAME_CHARCONV_H

#include <charconv>
#include <cstring>
#include <system_error>
#include <version>

#if defined(__cpp_lib_bit_cast)
#include <bit>
#endif
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "frame/digits.h"

namespace tolmer::inline v1 {

template <class To, class From>
To bits_cast(const From& from) {
  static_assert(sizeof(To) == sizeof(From));
#if defined(__cpp_lib_bit_cast)
  return std::bit_cast<To>(from);
#else
  To to;
  std::memcpy(&to, &from, sizeof to);
  return to;
#endif
}

namespace charconv_fallback {

// std::to_chars(first, last, value, std::chars_format::scientific, precision)
// through printf.
template <class Float>
std::to_chars_result to_chars_scientific(char* first, char* last, Float value, int precision) {
  char buffer[160];
  const int written =
      std::snprintf(buffer, sizeof buffer, "%.*Le", precision, static_cast<long double>(value));
  if (written < 0 || written >= static_cast<int>(sizeof buffer) || written > last - first) {
    return {last, std::errc::value_too_large};
  }
  std::memcpy(first, buffer, static_cast<std::size_t>(written));
  return {first + written, std::errc{}};
}

// std::from_chars(first, last, value, std::chars_format::general) for a text
// without a sign, through strtod.
inline std::from_chars_result from_chars_general(const char* first, const char* last, double& value) {
  const char* p = first;
  bool any_digit = false;
  while (p < last && is_digit(*p)) {
    ++p;
    any_digit = true;
  }
  if (p < last && *p == '.') {
    ++p;
    while (p < last && is_digit(*p)) {
      ++p;
      any_digit = true;
    }
  }
  if (!any_digit) return {first, std::errc::invalid_argument};
  const char* end = p;
  if (p < last && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q < last && (*q == '+' || *q == '-')) ++q;
    const char* digits = q;
    while (q < last && is_digit(*q)) ++q;
    if (q > digits) end = q;
  }
  const std::string text(first, end);
  errno = 0;
  const double parsed = std::strtod(text.c_str(), nullptr);
  if (errno == ERANGE && (parsed == 0.0 || std::isinf(parsed))) return {end, std::errc::result_out_of_range};
  value = parsed;
  return {end, std::errc{}};
}

}  // namespace charconv_fallback

// std::to_chars(first, last, value, std::chars_format::scientific, precision).
template <class Float>
std::to_chars_result to_chars_scientific(char* first, char* last, Float value, int precision) {
#if defined(__cpp_lib_to_chars)
  return std::to_chars(first, last, value, std::chars_format::scientific, precision);
#else
  return charconv_fallback::to_chars_scientific(first, last, value, precision);
#endif
}

// std::from_chars(first, last, value, std::chars_format::general) for a text
// without a sign.
inline std::from_chars_result from_chars_general(const char* first, const char* last, double& value) {
#if defined(__cpp_lib_to_chars)
  return std::from_chars(first, last, value, std::chars_format::general);
#else
  return charconv_fallback::from_chars_general(first, last, value);
#endif
}

}  // namespace tolmer

#endif
