#include "frame/primitives.h"

#include <array>
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

Digits18 eighteen_digits(long double magnitude) {
  char buffer[64] = {};
  std::to_chars_result written{};
  const auto as_double = static_cast<double>(magnitude);
  // A value that a double holds exactly has the same decimal expansion; the
  // double conversion is the faster one.
  if (static_cast<long double>(as_double) == magnitude) {
    written = std::to_chars(buffer, buffer + sizeof buffer, as_double,
                            std::chars_format::scientific, 17);
  } else {
    written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                            std::chars_format::scientific, 17);
  }
  Digits18 out;
  // Layout: d.ddddddddddddddddde[+-]x... Anything else (the callers pass
  // only finite values, but an 80-bit pattern that is no canonical number
  // prints as "nan" or "inf") reads as zero digits: nothing past what
  // to_chars wrote is read.
  if (written.ptr - buffer < 22 || buffer[0] < '0' || buffer[0] > '9') {
    out.digit.fill('0');
    return out;
  }
  const char* p = buffer;
  out.digit[0] = *p;
  p += 2;  // digit and point
  for (int i = 1; i < 18; ++i) out.digit[static_cast<std::size_t>(i)] = *p++;
  ++p;  // 'e'
  const bool negative = *p == '-';
  ++p;
  int exponent = 0;
  for (; p < written.ptr; ++p) exponent = exponent * 10 + (*p - '0');
  out.exponent = negative ? -exponent : exponent;
  return out;
}

void append_exponent(std::string& out, int exponent) {
  out += exponent < 0 ? "E-" : "E+";
  char buffer[16];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, exponent < 0 ? -exponent : exponent);
  out.append(buffer, written.ptr);
}

}  // namespace

void append_number(std::string& out, long double value, int digits, NumberForm form) {
  if (digits < 1) digits = 1;
  if (digits > 18) digits = 18;
  if (std::isnan(value)) {
    out += "NaN";
    return;
  }
  const bool negative = std::signbit(value) && value != 0;
  if (negative) {
    out += '-';
  } else if (form == NumberForm::Spaced) {
    out += ' ';
  }
  if (std::isinf(value)) {
    out += "Inf";
    return;
  }
  if (value == 0) {
    out += '0';
    return;
  }
  Digits18 d = eighteen_digits(std::fabs(value));
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
      out.append(digit, count);
      out.append(static_cast<std::size_t>(x + 1 - n), '0');
      return;
    }
  } else {
    const int places = n - 1 - x;
    if (places <= digits) {
      if (x < 0) {
        out += '.';
        out.append(static_cast<std::size_t>(-x - 1), '0');
        out.append(digit, count);
      } else {
        out.append(digit, static_cast<std::size_t>(x + 1));
        out += '.';
        out.append(digit + x + 1, count - static_cast<std::size_t>(x + 1));
      }
      return;
    }
  }
  out += digit[0];
  if (count > 1) {
    out += '.';
    out.append(digit + 1, count - 1);
  }
  append_exponent(out, x);
}

std::string number_to_text(long double value, int digits, NumberForm form) {
  std::string out;
  append_number(out, value, digits, form);
  return out;
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
  const Digits18 d = eighteen_digits(std::fabs(value));
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
  const auto parsed = std::from_chars(buffer, end, value, std::chars_format::general);
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

std::size_t field_count(std::string_view text, std::string_view delimiter) {
  if (delimiter.empty()) return 1;
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
  for (int64_t i = 1; i < k; ++i) {
    const std::size_t at = text.find(delimiter, begin);
    if (at == std::string_view::npos) return {};
    begin = at + delimiter.size();
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
