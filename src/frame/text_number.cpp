// Text to number: reading a decimal or prefixed number from a text.
#include "frame/primitives.h"
#include "frame/charconv.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

namespace tolmer::inline v1 {

// ------------------------------------------------------- text to number

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

double read_prefixed(std::string_view text, std::size_t i) {
  // text[i] is '&'.
  if (i + 1 >= text.size()) return 0;
  unsigned base = 0;
  switch (text[i + 1]) {
    case 'H': case 'h': base = 16; break;
    case 'O': case 'o': case 'Q': case 'q': base = 8; break;
    case 'B': case 'b': base = 2; break;
    default: return 0;
  }
  uint64_t value = 0;
  for (std::size_t k = i + 2; k < text.size(); ++k) {
    const char c = text[k];
    unsigned d = 0;
    if (is_digit(c)) {
      d = static_cast<unsigned>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      d = static_cast<unsigned>(c - 'A' + 10);
    } else if (c >= 'a' && c <= 'f') {
      d = static_cast<unsigned>(c - 'a' + 10);
    } else {
      break;
    }
    if (d >= base) break;
    value = value * base + d;  // unsigned: keeps the low 64 bits
  }
  return static_cast<double>(value);
}

}  // namespace

double text_to_number(std::string_view text, std::size_t start) {
  std::size_t i = start == 0 ? 0 : start - 1;
  while (i < text.size() && is_blank(text[i])) ++i;
  if (i >= text.size()) return 0;
  if (text[i] == '&') return read_prefixed(text, i);
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  // The common case read in one pass: a number whose exponent, if any, is
  // written with E or e and at most four digits has exactly the grammar of
  // the exact converter, which then reads it in place.
  if (i < text.size() && (is_digit(text[i]) || text[i] == '.')) {
    const char* const begin = text.data() + i;
    const char* const end = text.data() + text.size();
    double value = 0;
    const auto parsed = from_chars_general(begin, end, value);
    if (parsed.ec == std::errc{} && !(parsed.ptr < end && (*parsed.ptr == 'D' || *parsed.ptr == 'd'))) {
      const char* p = parsed.ptr;
      while (p > begin && is_digit(p[-1])) --p;
      const auto trailing_digits = parsed.ptr - p;
      const bool has_exponent = p > begin && (p[-1] == 'e' || p[-1] == 'E' || p[-1] == '+' || p[-1] == '-');
      if (!has_exponent || trailing_digits <= 4) return negative ? -value : value;
    }
    // Otherwise (no digits, a D exponent, a long exponent, out of range) the
    // general reading below decides.
  }
  // Mantissa: digits with at most one point.
  const std::size_t mantissa_begin = i;
  bool seen_point = false;
  bool seen_digit = false;
  std::size_t first_nonzero = std::string_view::npos;
  std::size_t point_at = std::string_view::npos;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (is_digit(c)) {
      seen_digit = true;
      if (c != '0' && first_nonzero == std::string_view::npos) first_nonzero = i;
    } else if (c == '.' && !seen_point) {
      seen_point = true;
      point_at = i;
    } else {
      break;
    }
  }
  if (!seen_digit) return 0;
  const std::size_t mantissa_end = i;
  // Exponent: E, e, D or d, optional sign, digits (capped at 9999).
  int exponent = 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    std::size_t k = i + 1;
    bool exp_negative = false;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) {
      exp_negative = text[k] == '-';
      ++k;
    }
    int magnitude = 0;
    for (; k < text.size() && is_digit(text[k]); ++k) {
      magnitude = magnitude * 10 + (text[k] - '0');
      if (magnitude > 9999) magnitude = 9999;
    }
    exponent = exp_negative ? -magnitude : magnitude;
  }
  if (first_nonzero == std::string_view::npos) return negative ? -0.0 : 0.0;
  // Hand the canonical form "mantissa e exponent" to the exact converter.
  const std::string_view mantissa = text.substr(mantissa_begin, mantissa_end - mantissa_begin);
  char small[128];
  std::string large;
  char* buffer = small;
  const std::size_t needed = mantissa.size() + 8;
  if (needed > sizeof small) {
    large.resize(needed);
    buffer = large.data();
  }
  std::memcpy(buffer, mantissa.data(), mantissa.size());
  char* end = buffer + mantissa.size();
  *end++ = 'e';
  end = std::to_chars(end, buffer + needed, exponent).ptr;
  double value = 0;
  const auto parsed = from_chars_general(buffer, end, value);
  if (parsed.ec == std::errc::result_out_of_range) {
    // Decimal position of the first significant digit decides overflow or
    // underflow.
    const std::size_t integer_end = point_at == std::string_view::npos ? mantissa_end : point_at;
    long long position = first_nonzero < integer_end
                             ? static_cast<long long>(integer_end - first_nonzero)
                             : -static_cast<long long>(first_nonzero - integer_end - 1);
    value = position + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace tolmer
