// Number to text: the decimal digits of a real and their layout.
#include "frame/primitives.h"
#include "frame/charconv.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace tolmer::inline v1 {

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

// A finite extended value above 0 as mantissa * 2^exponent (integers).
void split_extended(const xreal& magnitude, uint64_t& mantissa, int& exponent) {
#if TOLMER_HARDWARE_EXTENDED
  // The x87 format in memory: the 64-bit mantissa with its leading bit, then
  // the sign and the 15-bit biased exponent.
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &magnitude, sizeof bytes);
  std::memcpy(&mantissa, bytes, sizeof mantissa);
  uint16_t sign_exponent = 0;
  std::memcpy(&sign_exponent, bytes + 8, sizeof sign_exponent);
#else
  mantissa = magnitude.significand();
  const uint16_t sign_exponent = magnitude.sign_exponent();
#endif
  exponent = ExtendedTraits::lowest_bit_exponent(sign_exponent & ExtendedTraits::kExponentMask);
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

// The same for a finite extended value above 0.
void leading_digits(const xreal& magnitude, int digits, Digits18& out) {
  const auto as_double = static_cast<double>(magnitude);
  // A value that a double holds exactly has the same decimal expansion; the
  // double conversion is the faster one.
  if (static_cast<xreal>(as_double) == magnitude) {
    leading_digits(as_double, digits, out);
    return;
  }
  uint64_t mantissa = 0;
  int exponent = 0;
  split_extended(magnitude, mantissa, exponent);
#if TOLMER_HARDWARE_EXTENDED
  leading_digits(magnitude, digits, mantissa, exponent, out);
#else
  // All 18 digits, exactly: their first `digits` + 1 are those of any
  // shorter route.
  if (short_exact_digits(mantissa, exponent, out)) return;
  decimal_digits(magnitude, 18, out.digit.data(), out.exponent);
#endif
}

// All 18 digits of a finite extended value above 0.
void eighteen_digits(const xreal& magnitude, Digits18& out) { leading_digits(magnitude, 18, out); }

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

// 10^digits for 1 to 15 digits (every whole double below it is exact); 0
// for more, where the whole-number shortcut is not taken.
constexpr double kWholeLimit[19] = {0,    1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                                    1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 0,    0,    0};

// Writes the decimal digits of a whole number (not 0) and gives the end.
char* write_whole(char* p, uint64_t whole) {
  char reversed[20];
  int count = 0;
  while (whole != 0) {
    reversed[count++] = static_cast<char>('0' + whole % 10);
    whole /= 10;
  }
  while (count > 0) *p++ = reversed[--count];
  return p;
}

// Writes the text of number_to_text at `p` (kNumberRoom bytes of room) and
// gives the end.
char* write_number(char* p, const xreal& value, int digits, NumberForm form) {
  if (digits < 1) digits = 1;
  if (digits > 18) digits = 18;
  // Sign, zero, infinities and the digits, read from the double when it
  // holds the value (the usual case), else from the extended value.
  bool negative = false;
  Digits18 d;
  const auto as_double = static_cast<double>(value);
  if (static_cast<xreal>(as_double) == value) {
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
    // A whole number of at most `digits` digits (and below 2^53) is its own
    // text: no digit is dropped, so there is nothing to round.
    const double magnitude = std::fabs(as_double);
    if (magnitude < kWholeLimit[digits] && std::trunc(magnitude) == magnitude) {
      return write_whole(p, static_cast<uint64_t>(magnitude));
    }
    leading_digits(magnitude, digits, d);
  } else {
    if (x_isnan(value)) return write_chars(p, "NaN", 3);
    negative = x_signbit(value);  // not 0: a double holds 0
    if (negative) {
      *p++ = '-';
    } else if (form == NumberForm::Spaced) {
      *p++ = ' ';
    }
    if (x_isinf(value)) return write_chars(p, "Inf", 3);
    leading_digits(x_fabs(value), digits, d);
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

void append_number(std::string& out, xreal value, int digits, NumberForm form) {
  char buffer[kNumberRoom];
  out.append(buffer, write_number(buffer, value, digits, form));
}

std::string number_to_text(xreal value, int digits, NumberForm form) {
  char buffer[kNumberRoom];
  return std::string(buffer, write_number(buffer, value, digits, form));
}

std::string six_place_text(xreal value) {
  std::string out;
  if (x_isnan(value) || x_isinf(value)) {
    append_number(out, value, kDoubleDigits);
    return out;
  }
  if (x_signbit(value) && value != 0) out += '-';
  if (value == 0) {
    out += '.';
    return out;
  }
  Digits18 d;
  eighteen_digits(x_fabs(value), d);
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

}  // namespace tolmer
