#include "measure/fraction.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

#include "frame/primitives.h"

namespace tolmer::inline v1 {

namespace {

// The 0-based index of the separator: the first "/", else the first "\".
std::size_t find_separator(std::string_view text) {
  const std::size_t slash = text.find('/');
  return slash != std::string_view::npos ? slash : text.find('\\');
}

// The index where the digit run ending just before `end` begins.
std::size_t run_start_before(std::string_view text, std::size_t end) {
  std::size_t start = end;
  while (start > 0 && is_digit(text[start - 1])) --start;
  return start;
}

// The index just past the digit run starting at `start`.
std::size_t run_end_after(std::string_view text, std::size_t start) {
  std::size_t end = start;
  while (end < text.size() && is_digit(text[end])) ++end;
  return end;
}

// A digit run as an integer: read as a number, rounded ties to even; an
// empty run, or one too large for 32 bits, reads as 0.
int32_t run_value(std::string_view run) {
  if (run.empty()) return 0;
  const double value = text_to_number(run);
  if (!(value <= static_cast<double>(std::numeric_limits<int32_t>::max()))) return 0;
  return round_to_int(value);
}

int32_t gcd(int32_t a, int32_t b) {
  while (b != 0) {
    const int32_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

std::string integer_text(int64_t value) {
  return std::string(trim(number_to_text(static_cast<xreal>(value), kDoubleDigits)));
}

}  // namespace

std::optional<measure::Fraction> break_fraction_apart(std::string_view text) {
  const std::size_t sep = find_separator(text);
  if (sep == std::string_view::npos) return std::nullopt;
  measure::Fraction parts;
  parts.separator = text[sep];
  const std::size_t num_start = run_start_before(text, sep);
  parts.numerator = run_value(text.substr(num_start, sep - num_start));
  const std::size_t den_end = run_end_after(text, sep + 1);
  parts.denominator = run_value(text.substr(sep + 1, den_end - (sep + 1)));
  if (num_start >= 2) {
    const std::size_t whole_end = num_start - 1;  // one past the whole number's last digit
    const std::size_t whole_start = run_start_before(text, whole_end);
    parts.whole = run_value(text.substr(whole_start, whole_end - whole_start));
  }
  return parts;
}

std::string convert_fraction_denominator(std::string_view text, int32_t new_denominator) {
  if (new_denominator < 1) return {};
  const measure::Fraction parts = break_fraction_apart(text).value_or(measure::Fraction{0, 0, 0, '\0'});
  if (parts.numerator < 1 || parts.denominator < 1) return {};
  const float ratio = static_cast<float>(static_cast<xreal>(parts.denominator) /
                                         static_cast<xreal>(new_denominator));
  const int32_t numerator =
      round_to_int(static_cast<xreal>(parts.numerator) / static_cast<xreal>(ratio));
  std::string out;
  if (parts.whole > 0) {
    out = integer_text(parts.whole);
    out += ' ';
  }
  out += integer_text(numerator);
  out += parts.separator;
  out += integer_text(new_denominator);
  return out;
}

std::string reduce_fraction(std::string_view text, int32_t largest_denominator) {
  const int32_t largest = std::max<int32_t>(largest_denominator, 1);
  const std::optional<measure::Fraction> found = break_fraction_apart(text);
  if (!found || found->numerator < 1 || found->denominator < 1) return {};
  int32_t numerator = found->numerator;
  int32_t denominator = found->denominator;
  int64_t whole = found->whole;
  // Both are positive: integer division is the floor.
  const int32_t carry = numerator / denominator;
  numerator -= denominator * carry;
  std::string fraction;
  if (numerator > 0) {
    const double ratio = static_cast<double>(static_cast<xreal>(numerator) /
                                             static_cast<xreal>(denominator));
    int32_t divisor = gcd(numerator, denominator);
    numerator /= divisor;
    denominator /= divisor;
    if (denominator > largest) {
      denominator = largest;
      numerator = round_to_int(static_cast<xreal>(ratio) * largest);
      if (numerator > 0) {
        divisor = gcd(numerator, denominator);
        numerator /= divisor;
        denominator /= divisor;
      }
    }
    if (numerator > 0) {
      if (numerator == denominator) {
        whole += 1;
      } else {
        fraction = integer_text(numerator);
        fraction += found->separator;
        fraction += integer_text(denominator);
      }
    }
  }
  const int64_t total = static_cast<int64_t>(carry) + whole;
  if (total == 0) return fraction;
  std::string out = integer_text(total);
  out += ' ';
  out += fraction;
  return std::string(trim(out));
}

float fraction_string_to_decimal(std::string_view text) {
  const std::optional<measure::Fraction> parts = break_fraction_apart(text);
  if (!parts || parts->numerator < 1 || parts->denominator < 1) return 0;
  return static_cast<float>(static_cast<xreal>(parts->numerator) /
                            static_cast<xreal>(parts->denominator));
}

namespace {

// The text of a positive whole number below 2^31: its decimal digits.
void append_whole(std::string& out, int32_t value) {
  char digits[12];
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  while (n > 0) out += digits[--n];
}

// A value strictly between 0 and 1 that is a whole number of 64ths is
// written exactly by six decimal places and by seven significant digits, so
// the general road below reads back its own value, and reduces
// digits/10^count to the same lowest terms as numerator/64. This computes
// that result directly: the same reduction, cap and rounding, no texts.
std::optional<std::string> sixty_fourths_fraction(float value, int32_t largest_denominator) {
  if (!(value > 0 && value < 1)) return std::nullopt;
  const float scaled = value * 64;  // exact: a power of two
  const auto sixty_fourths = static_cast<int32_t>(scaled);
  if (static_cast<float>(sixty_fourths) != scaled) return std::nullopt;
  const int32_t largest = std::max<int32_t>(largest_denominator, 1);
  int32_t divisor = gcd(sixty_fourths, 64);
  int32_t numerator = sixty_fourths / divisor;
  int32_t denominator = 64 / divisor;
  if (denominator > largest) {
    denominator = largest;
    numerator = round_to_int(static_cast<xreal>(static_cast<double>(value)) * largest);
    if (numerator > 0) {
      divisor = gcd(numerator, denominator);
      numerator /= divisor;
      denominator /= divisor;
    }
  }
  std::string text;
  if (numerator <= 0) return text;
  if (numerator == denominator) return std::string("1");
  append_whole(text, numerator);
  text += '/';
  append_whole(text, denominator);
  return text;
}

}  // namespace

std::string decimal_to_fraction_string(float value, int32_t largest_denominator) {
  if (std::optional<std::string> quick = sixty_fourths_fraction(value, largest_denominator)) {
    return *std::move(quick);
  }
  // 1. Six decimal places, kept as a single (whole digits kept).
  const float rounded = static_cast<float>(text_to_number(six_place_text(value)));
  // 2. Seven significant digits.
  const std::string s(trim(number_to_text(rounded, kSingleDigits)));
  // 3. An integral value stands as it is: a text without a point, or one in
  // positive exponent form ("1.5E+10"), which only values of 10^7 and more
  // take, and every single that large is whole.
  const std::size_t point = s.find('.');
  if (point == std::string::npos || s.find("E+") != std::string::npos) return s;
  // 4. The whole part ("0" counts as none) and the digits after the point.
  std::string_view whole = std::string_view(s).substr(0, point);
  if (whole == "0") whole = {};
  const std::string_view digits = std::string_view(s).substr(point + 1);
  // 5. Nothing after the point worth a fraction.
  if (text_to_number(digits) < 1) return {};
  // 6. The digits over the power of ten of their count, reduced.
  std::string text(whole);
  text += ' ';
  text += digits;
  text += "/1";
  text.append(digits.size(), '0');
  return reduce_fraction(trim(text), largest_denominator);
}

std::optional<measure::FoundFraction> extract_fraction(std::string_view text, bool reversed) {
  const std::string_view t = trim(text);
  if (t.size() < 3) return std::nullopt;
  const std::size_t sep = find_separator(t);
  if (sep == std::string_view::npos || sep == 0 || sep + 1 >= t.size()) return std::nullopt;
  const std::size_t a_start = run_start_before(t, sep);
  const std::size_t b_end = run_end_after(t, sep + 1);
  const std::string_view a = t.substr(a_start, sep - a_start);
  const std::string_view b = t.substr(sep + 1, b_end - (sep + 1));
  if (a.empty() || b.empty()) return std::nullopt;
  std::string numerator, denominator;
  if (reversed) {
    numerator.assign(b.rbegin(), b.rend());
    denominator.assign(a.rbegin(), a.rend());
  } else {
    numerator.assign(a);
    denominator.assign(b);
  }
  measure::FoundFraction found;
  found.remainder.reserve(t.size() - (b_end - a_start));
  found.remainder.append(t.substr(0, a_start));
  found.remainder.append(t.substr(b_end));
  found.value = single_quotient(text_to_number(numerator), text_to_number(denominator));
  found.fraction = numerator;
  found.fraction += t[sep];
  found.fraction += denominator;
  return found;
}

}  // namespace tolmer
