#include "frame/primitives.h"

#include "frame/charconv.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace tolmer {

// ------------------------------------------------------- number to text

namespace {

// The magnitude of a finite, non-zero value as 18 significant decimal
// digits (correctly rounded, ties to even) and the decimal exponent of the
// first digit: value = d0.d1d2...d17 x 10^exponent.
struct Digits18 {
  std::array<char, 18> digit{};
  int exponent = 0;
};

// A finite double above 0 as mantissa * 2^exponent (integers).
void split_double(double magnitude, uint64_t& mantissa, int& exponent) {
  const auto bits = bits_cast<uint64_t>(magnitude);
  const auto biased = static_cast<int>((bits >> 52) & 0x7FF);
  mantissa = bits & ((uint64_t{1} << 52) - 1);
  if (biased != 0) mantissa |= uint64_t{1} << 52;
  exponent = (biased == 0 ? 1 : biased) - 1075;
}

// A finite long double above 0 as mantissa * 2^exponent; a mantissa of 0
// when it does not fit 64 bits.
void split_long_double(long double magnitude, uint64_t& mantissa, int& exponent) {
#if defined(__i386__) || defined(__x86_64__)
  if constexpr (std::numeric_limits<long double>::digits == 64) {
    // The x87 format: a 64-bit mantissa with its leading bit, then the sign
    // and a 15-bit biased exponent.
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &magnitude, sizeof bytes);
    std::memcpy(&mantissa, bytes, sizeof mantissa);
    uint16_t sign_exponent = 0;
    std::memcpy(&sign_exponent, bytes + 8, sizeof sign_exponent);
    const int biased = sign_exponent & 0x7FFF;
    exponent = (biased == 0 ? 1 : biased) - 16383 - 63;
    return;
  }
#endif
  int binary_exponent = 0;
  const long double fraction = std::frexp(magnitude, &binary_exponent);  // [0.5, 1)
  const long double scaled = std::ldexp(fraction, 64);
  mantissa = scaled < 18446744073709551616.0L ? static_cast<uint64_t>(scaled) : 0;
  if (static_cast<long double>(mantissa) != scaled) mantissa = 0;
  exponent = binary_exponent - 64;
}

// A short exact expansion: when the magnitude, mantissa * 2^exponent, has at
// most 18 significant decimal digits, those are its digits exactly and no
// rounding is needed. This covers whole numbers and the decimals people type
// (12.5, 1234.5625, 0.25) without the general conversion. False when the
// expansion is longer (or the mantissa is 0).
bool short_exact_digits(uint64_t mantissa, int exponent, Digits18& out) {
  constexpr uint64_t kLimit = 1'000'000'000'000'000'000ULL;  // 10^18
  if (mantissa == 0) return false;
  const int zeros = std::countr_zero(mantissa);
  mantissa >>= zeros;
  exponent += zeros;
  uint64_t whole = 0;  // magnitude * 10^places, an integer below 10^18
  int places = 0;
  if (exponent >= 0) {
    if (exponent >= 60 || mantissa > (kLimit - 1) >> exponent) return false;
    whole = mantissa << exponent;
  } else {
    // magnitude = mantissa * 5^places / 10^places
    places = -exponent;
    if (places > 26) return false;  // 5^26 < 2^63
    uint64_t five_power = 1;
    for (int i = 0; i < places; ++i) five_power *= 5;
    if (mantissa > (kLimit - 1) / five_power) return false;
    whole = mantissa * five_power;
  }
  char reversed[20];
  int count = 0;
  while (whole != 0) {
    reversed[count++] = static_cast<char>('0' + whole % 10);
    whole /= 10;
  }
  char forward[18];
  for (int i = 0; i < 18; ++i) forward[i] = i < count ? reversed[count - 1 - i] : '0';
  std::memcpy(out.digit.data(), forward, sizeof forward);
  out.exponent = count - 1 - places;
  return true;
}

// Reads to_chars' scientific form with `precision` (at most 17) digits after
// the point, d.ddd...e[+-]x..., into `out`: the digits, then zeros.
void read_scientific(const char* buffer, const char* end, int precision, Digits18& out) {
  const auto after_point = static_cast<std::size_t>(precision);
  out.digit[0] = buffer[0];
  std::memcpy(out.digit.data() + 1, buffer + 2, after_point);
  std::memset(out.digit.data() + 1 + after_point, '0', 17 - after_point);
  const char* p = buffer + 3 + after_point;  // the exponent's sign
  const bool negative = *p == '-';
  ++p;
  int exponent = 0;
  for (; p < end; ++p) exponent = exponent * 10 + (*p - '0');
  out.exponent = negative ? -exponent : exponent;
}

// The digits that a text of `digits` significant digits is made from: the
// first `digits` + 1 of the 18-digit rounding (the rest may read as zeros).
// A short expansion gives them exactly. Otherwise, for few digits, the value
// correctly rounded to `digits` + 3 digits gives them when its last two digits
// are neither 00 nor 99: the exact digits in those places are then not both
// 9, so neither rounding can carry into the places before them. Failing
// both, the full 18 digits are computed.
template <class Float>
void leading_digits(Float magnitude, int digits, uint64_t mantissa, int exponent, Digits18& out) {
  if (short_exact_digits(mantissa, exponent, out)) return;
  char buffer[64];
  if (digits <= 13) {
    const int precision = digits + 2;  // digits after the point
    const auto written =
        to_chars_scientific(buffer, buffer + sizeof buffer, magnitude, precision);
    const char a = buffer[precision];  // the last two digits
    const char b = buffer[precision + 1];
    if (!(a == '0' && b == '0') && !(a == '9' && b == '9')) {
      read_scientific(buffer, written.ptr, precision, out);
      return;
    }
  }
  const auto written =
      to_chars_scientific(buffer, buffer + sizeof buffer, magnitude, 17);
  read_scientific(buffer, written.ptr, 17, out);
}

// The same for a finite double above 0.
void leading_digits(double magnitude, int digits, Digits18& out) {
  uint64_t mantissa = 0;
  int exponent = 0;
  split_double(magnitude, mantissa, exponent);
  leading_digits(magnitude, digits, mantissa, exponent, out);
}

// The same for a finite long double above 0.
void leading_digits(long double magnitude, int digits, Digits18& out) {
  const auto as_double = static_cast<double>(magnitude);
  // A value that a double holds exactly has the same decimal expansion; the
  // double conversion is the faster one.
  if (static_cast<long double>(as_double) == magnitude) {
    leading_digits(as_double, digits, out);
    return;
  }
  uint64_t mantissa = 0;
  int exponent = 0;
  split_long_double(magnitude, mantissa, exponent);
  leading_digits(magnitude, digits, mantissa, exponent, out);
}

// All 18 digits of a finite long double above 0.
void eighteen_digits(long double magnitude, Digits18& out) { leading_digits(magnitude, 18, out); }

// Room for the longest number text: a sign, 18 digits, a point, "E-" and a
// four-digit exponent, with some to spare.
constexpr std::size_t kNumberRoom = 48;

char* write_chars(char* p, const char* from, std::size_t count) {
  std::memcpy(p, from, count);
  return p + count;
}

char* write_fill(char* p, std::size_t count, char c) {
  std::memset(p, c, count);
  return p + count;
}

// Writes the text of number_to_text at `p` (kNumberRoom bytes of room) and
// gives the end.
char* write_number(char* p, long double value, int digits, NumberForm form) {
  if (digits < 1) digits = 1;
  if (digits > 18) digits = 18;
  // Sign, zero, infinities and the digits, read from the double when it
  // holds the value (the usual case), else from the long double.
  bool negative = false;
  Digits18 d;
  const auto as_double = static_cast<double>(value);
  if (static_cast<long double>(as_double) == value) {
    negative = std::signbit(as_double) && as_double != 0;
    if (negative) {
      *p++ = '-';
    } else if (form == NumberForm::Spaced) {
      *p++ = ' ';
    }
    if (std::isinf(as_double)) return write_chars(p, "Inf", 3);
    if (as_double == 0) {
      *p++ = '0';
      return p;
    }
    leading_digits(std::fabs(as_double), digits, d);
  } else {
    if (std::isnan(value)) return write_chars(p, "NaN", 3);
    negative = std::signbit(value);  // not 0: a double holds 0
    if (negative) {
      *p++ = '-';
    } else if (form == NumberForm::Spaced) {
      *p++ = ' ';
    }
    if (std::isinf(value)) return write_chars(p, "Inf", 3);
    leading_digits(std::fabs(value), digits, d);
  }
  // Keep `digits` digits: round up when the first dropped digit is above 5,
  // or is 5 after an odd kept digit.
  const auto keep = static_cast<std::size_t>(digits);
  if (keep < 18) {
    const char dropped = d.digit[keep];
    const bool up = dropped > '5' || (dropped == '5' && ((d.digit[keep - 1] - '0') & 1) != 0);
    if (up) {
      std::size_t i = keep;
      while (i > 0) {
        --i;
        if (d.digit[i] == '9') {
          d.digit[i] = '0';
        } else {
          ++d.digit[i];
          break;
        }
      }
      if (i == 0 && d.digit[0] == '0') {  // carried through every digit
        d.digit[0] = '1';
        ++d.exponent;
      }
    }
  }
  std::size_t count = keep < 18 ? keep : 18;
  while (count > 1 && d.digit[count - 1] == '0') --count;
  const int n = static_cast<int>(count);
  const int x = d.exponent;
  const char* digit = d.digit.data();
  if (x >= n - 1) {
    // Integral: digits and zeros up to the units place, while that fits.
    if (x + 1 <= digits) {
      p = write_chars(p, digit, count);
      return write_fill(p, static_cast<std::size_t>(x + 1 - n), '0');
    }
  } else {
    const int places = n - 1 - x;
    if (places <= digits) {
      if (x < 0) {
        *p++ = '.';
        p = write_fill(p, static_cast<std::size_t>(-x - 1), '0');
        return write_chars(p, digit, count);
      }
      p = write_chars(p, digit, static_cast<std::size_t>(x + 1));
      *p++ = '.';
      return write_chars(p, digit + x + 1, count - static_cast<std::size_t>(x + 1));
    }
  }
  *p++ = digit[0];
  if (count > 1) {
    *p++ = '.';
    p = write_chars(p, digit + 1, count - 1);
  }
  *p++ = 'E';
  *p++ = x < 0 ? '-' : '+';
  return std::to_chars(p, p + 8, x < 0 ? -x : x).ptr;
}

}  // namespace

void append_number(std::string& out, long double value, int digits, NumberForm form) {
  char buffer[kNumberRoom];
  out.append(buffer, write_number(buffer, value, digits, form));
}

std::string number_to_text(long double value, int digits, NumberForm form) {
  char buffer[kNumberRoom];
  return std::string(buffer, write_number(buffer, value, digits, form));
}

std::string six_place_text(long double value) {
  std::string out;
  if (std::isnan(value) || std::isinf(value)) {
    append_number(out, value, kDoubleDigits);
    return out;
  }
  if (std::signbit(value) && value != 0) out += '-';
  if (value == 0) {
    out += '.';
    return out;
  }
  Digits18 d;
  eighteen_digits(std::fabs(value), d);
  const int x = d.exponent;
  auto digit_at = [&](int i) -> int {  // digit of weight 10^(x - i)
    return i >= 0 && i < 18 ? d.digit[static_cast<std::size_t>(i)] - '0' : 0;
  };
  // Integer digits (weights 10^x .. 10^0) and six decimals (10^-1 .. 10^-6).
  std::string whole;
  for (int i = 0; i <= x; ++i) whole += static_cast<char>('0' + digit_at(i));
  std::array<int, 6> decimal{};
  for (int j = 1; j <= 6; ++j) decimal[static_cast<std::size_t>(j - 1)] = digit_at(x + j);
  // The dropped part raises the sixth place when it is more than half of it.
  const int first_dropped = x + 7;
  bool raise = false;
  const int lead = digit_at(first_dropped);
  if (lead > 5) {
    raise = true;
  } else if (lead == 5) {
    for (int i = first_dropped + 1; i < 18 && !raise; ++i) raise = digit_at(i) != 0;
  }
  if (raise) {
    int j = 5;
    for (; j >= 0; --j) {
      if (decimal[static_cast<std::size_t>(j)] == 9) {
        decimal[static_cast<std::size_t>(j)] = 0;
      } else {
        ++decimal[static_cast<std::size_t>(j)];
        break;
      }
    }
    if (j < 0) {  // carry into the whole part
      std::size_t i = whole.size();
      bool carry = true;
      while (carry && i > 0) {
        --i;
        if (whole[i] == '9') {
          whole[i] = '0';
        } else {
          ++whole[i];
          carry = false;
        }
      }
      if (carry) whole.insert(whole.begin(), '1');
    }
  }
  out += whole;
  out += '.';
  int last = 5;
  while (last >= 0 && decimal[static_cast<std::size_t>(last)] == 0) --last;
  for (int j = 0; j <= last; ++j) out += static_cast<char>('0' + decimal[static_cast<std::size_t>(j)]);
  return out;
}

// ------------------------------------------------------- text to number

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

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
    if (c >= '0' && c <= '9') {
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

// ----------------------------------------------------------------- texts

std::string_view trim_left(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view trim_right(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string_view trim(std::string_view text) { return trim_right(trim_left(text)); }

#if defined(_WIN32)
// The system's ANSI upper-casing (the code page of the process).
unsigned char upper_byte(unsigned char byte) {
  char c = static_cast<char>(byte);
  CharUpperBuffA(&c, 1);
  return static_cast<unsigned char>(c);
}

void to_upper_in_place(std::string& text) {
  constexpr std::size_t kPiece = std::size_t{1} << 30;  // counted by a DWORD
  for (std::size_t at = 0; at < text.size(); at += kPiece) {
    const std::size_t length = text.size() - at < kPiece ? text.size() - at : kPiece;
    CharUpperBuffA(text.data() + at, static_cast<DWORD>(length));
  }
}
#else
namespace {
constexpr std::array<unsigned char, 256> make_upper_table() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) table[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
  for (int b = 'a'; b <= 'z'; ++b) table[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b - 32);
  for (int b = 0xE0; b <= 0xFE; ++b) {
    if (b != 0xF7) table[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b - 0x20);
  }
  table[0x9A] = 0x8A;
  table[0x9C] = 0x8C;
  table[0x9E] = 0x8E;
  table[0xFF] = 0x9F;
  return table;
}
constexpr std::array<unsigned char, 256> kUpper = make_upper_table();
}  // namespace

unsigned char upper_byte(unsigned char byte) { return kUpper[byte]; }

void to_upper_in_place(std::string& text) {
  for (char& c : text) c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
}
#endif

std::string to_upper(std::string_view text) {
  std::string out(text);
  to_upper_in_place(out);
  return out;
}

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::size_t find(std::string_view text, std::string_view pattern, int64_t start) {
  if (start <= 0 || text.empty()) return 0;
  const auto from = static_cast<uint64_t>(start - 1);
  if (from > text.size()) return 0;
  if (pattern.empty()) return static_cast<std::size_t>(start);
  const std::size_t at = text.find(pattern, static_cast<std::size_t>(from));
  return at == std::string_view::npos ? 0 : at + 1;
}

std::size_t find_last(std::string_view text, std::string_view pattern) {
  if (text.empty() || pattern.empty()) return 0;
  const std::size_t at = text.rfind(pattern);
  return at == std::string_view::npos ? 0 : at + 1;
}

std::string_view mid(std::string_view text, int64_t start, int64_t count) {
  if (start == 0 || count == 0 || text.empty()) return {};
  const auto size = static_cast<int64_t>(text.size());
  if (start < 0) {
    start = size + start + 1;
    if (start < 1) start = 1;
  }
  if (start > size) return {};
  const int64_t available = size - start + 1;
  const int64_t take = count < 0 || count > available ? available : count;
  return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(take));
}

std::string_view left(std::string_view text, int64_t count) {
  if (count <= 0) return {};
  return text.substr(0, static_cast<uint64_t>(count) < text.size() ? static_cast<std::size_t>(count) : text.size());
}

std::string_view right(std::string_view text, int64_t count) {
  if (count <= 0) return {};
  if (static_cast<uint64_t>(count) >= text.size()) return text;
  return text.substr(text.size() - static_cast<std::size_t>(count));
}

int32_t char_code_at(std::string_view text, int64_t position) {
  if (position < 1 || static_cast<uint64_t>(position) > text.size()) return -1;
  return static_cast<unsigned char>(text[static_cast<std::size_t>(position - 1)]);
}

// ----------------------------------------------------------------- fields

namespace {

// The occurrences of byte `c` in the `n` bytes at `p`, by comparison: blocks
// of 64 bytes are counted into one byte each, which compilers turn into
// vector compares.
std::size_t count_byte_by_compare(const char* p, std::size_t n, char c) {
  std::size_t count = 0;
  while (n >= 64) {
    unsigned char block = 0;
    for (int i = 0; i < 64; ++i) block = static_cast<unsigned char>(block + (p[i] == c ? 1 : 0));
    count += block;
    p += 64;
    n -= 64;
  }
  for (; n > 0; --n) count += *p++ == c ? 1 : 0;
  return count;
}

// The occurrences of byte `c` in `text`. Long stretches without it are
// skipped by memchr; where it occurs densely (two within 64 bytes) the next
// 2 KiB are counted by comparison instead of one memchr call per occurrence.
std::size_t count_byte(std::string_view text, char c) {
  constexpr std::ptrdiff_t kDenseGap = 64;
  constexpr std::size_t kDenseBlock = 2048;
  std::size_t count = 0;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    const void* found = std::memchr(p, c, static_cast<std::size_t>(end - p));
    if (found == nullptr) break;
    const char* hit = static_cast<const char*>(found);
    ++count;
    const bool dense = hit - p < kDenseGap;
    p = hit + 1;
    if (dense) {
      const std::size_t block = std::min(kDenseBlock, static_cast<std::size_t>(end - p));
      count += count_byte_by_compare(p, block, c);
      p += block;
    }
  }
  return count;
}

// The 0-based offset just after occurrence number `nth` (1 or more) of byte
// `c` in `text`, or npos. Found as count_byte counts: memchr between sparse
// occurrences, whole 64-byte blocks counted and skipped between dense ones.
std::size_t after_occurrence(std::string_view text, char c, std::size_t nth) {
  constexpr std::ptrdiff_t kDenseGap = 64;
  constexpr std::size_t kDenseBlocks = 32;
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  while (p < end) {
    const void* found = std::memchr(p, c, static_cast<std::size_t>(end - p));
    if (found == nullptr) break;
    const char* hit = static_cast<const char*>(found);
    if (--nth == 0) return static_cast<std::size_t>(hit + 1 - begin);
    const bool dense = hit - p < kDenseGap;
    p = hit + 1;
    if (dense) {
      for (std::size_t b = 0; b < kDenseBlocks && end - p >= 64; ++b) {
        const std::size_t in_block = count_byte_by_compare(p, 64, c);
        if (in_block >= nth) break;  // the wanted one is in this block
        nth -= in_block;
        p += 64;
      }
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::size_t field_count(std::string_view text, std::string_view delimiter) {
  if (delimiter.empty()) return 1;
  if (delimiter.size() == 1) return 1 + count_byte(text, delimiter[0]);
  std::size_t count = 1;
  std::size_t at = 0;
  while ((at = text.find(delimiter, at)) != std::string_view::npos) {
    ++count;
    at += delimiter.size();
  }
  return count;
}

std::string_view field(std::string_view text, std::string_view delimiter, int64_t k) {
  if (k == 0) return {};
  if (delimiter.empty()) return k == 1 || k == -1 ? text : std::string_view{};
  if (k < 0) {
    const auto count = static_cast<int64_t>(field_count(text, delimiter));
    k = count + k + 1;
    if (k < 1) return {};
  }
  std::size_t begin = 0;
  if (delimiter.size() == 1) {
    if (k > 1) {
      begin = after_occurrence(text, delimiter[0], static_cast<uint64_t>(k - 1));
      if (begin == std::string_view::npos) return {};
    }
  } else {
    for (int64_t i = 1; i < k; ++i) {
      const std::size_t at = text.find(delimiter, begin);
      if (at == std::string_view::npos) return {};
      begin = at + delimiter.size();
    }
  }
  const std::size_t end = text.find(delimiter, begin);
  return text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

namespace {

// Reads the default-rule field that starts at `begin`; sets `next` to the
// position after its separating comma, or npos when it is the last field.
std::string_view scan_default_field(std::string_view text, std::size_t begin, std::size_t& next) {
  std::size_t i = begin;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string_view content;
  std::size_t after = i;
  if (i < text.size() && text[i] == '"') {
    const std::size_t close = text.find('"', i + 1);
    if (close == std::string_view::npos) {
      content = text.substr(i + 1);
      next = std::string_view::npos;
      return content;
    }
    content = text.substr(i + 1, close - i - 1);
    after = close + 1;
    const std::size_t comma = text.find(',', after);
    next = comma == std::string_view::npos ? std::string_view::npos : comma + 1;
    return content;
  }
  const std::size_t comma = text.find(',', after);
  if (comma == std::string_view::npos) {
    next = std::string_view::npos;
    return text.substr(i);
  }
  next = comma + 1;
  return text.substr(i, comma - i);
}

}  // namespace

std::size_t default_field_count(std::string_view text) {
  std::size_t count = 1;
  std::size_t next = 0;
  std::size_t begin = 0;
  for (;;) {
    scan_default_field(text, begin, next);
    if (next == std::string_view::npos) return count;
    ++count;
    begin = next;
  }
}

std::string_view default_field(std::string_view text, int64_t k) {
  if (k == 0) return {};
  if (k < 0) {
    k = static_cast<int64_t>(default_field_count(text)) + k + 1;
    if (k < 1) return {};
  }
  std::size_t begin = 0;
  std::size_t next = 0;
  for (int64_t i = 1;; ++i) {
    const std::string_view content = scan_default_field(text, begin, next);
    if (i == k) return content;
    if (next == std::string_view::npos) return {};
    begin = next;
  }
}

}  // namespace tolmer
