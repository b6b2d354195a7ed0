// Today's display of lengths: decimals of 15 significant digits, one
// rounding to the display's step, integer splitting and composition.
#include "measure/display.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string_view>

#include "frame/charconv.h"

namespace tolmer::inline v1::display {
namespace {

constexpr uint64_t kPow10[20] = {1ULL,
                                 10ULL,
                                 100ULL,
                                 1'000ULL,
                                 10'000ULL,
                                 100'000ULL,
                                 1'000'000ULL,
                                 10'000'000ULL,
                                 100'000'000ULL,
                                 1'000'000'000ULL,
                                 10'000'000'000ULL,
                                 100'000'000'000ULL,
                                 1'000'000'000'000ULL,
                                 10'000'000'000'000ULL,
                                 100'000'000'000'000ULL,
                                 1'000'000'000'000'000ULL,
                                 10'000'000'000'000'000ULL,
                                 100'000'000'000'000'000ULL,
                                 1'000'000'000'000'000'000ULL,
                                 10'000'000'000'000'000'000ULL};

// A non-negative decimal: whole + fraction / 10^digits, digits 0 to 18.
struct Decimal {
  uint64_t whole = 0;
  uint64_t fraction = 0;
  int digits = 0;
};

// A finite magnitude below 10^17 as a decimal of 15 significant digits
// (correctly rounded) with at most 15 decimal places (places beyond are
// dropped: they lie below every step of a display).
Decimal to_decimal(double magnitude) noexcept {
  Decimal d;
  if (magnitude == 0) return d;
  // Multiples of 1/64 below 10^9: their decimal is exact in 15 digits.
  if (magnitude < 1e9) {
    const double sixty_fourths = magnitude * 64;
    if (sixty_fourths == std::floor(sixty_fourths)) {
      const auto n = static_cast<uint64_t>(sixty_fourths);
      d.whole = n >> 6;
      d.fraction = (n & 63) * 15625;
      d.digits = 6;
      return d;
    }
  }
  char text[64];
  const auto result = to_chars_scientific(text, text + sizeof text, magnitude, 14);
  if (result.ec != std::errc{}) return d;
  // d.dddddddddddddde[+-]xx
  uint64_t mantissa = 0;
  const char* p = text;
  const char* end = result.ptr;
  for (; p < end && *p != 'e' && *p != 'E'; ++p)
    if (*p >= '0' && *p <= '9') mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
  int exponent = 0;
  if (p < end) {
    ++p;
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+')) ++p;
    for (; p < end && *p >= '0' && *p <= '9'; ++p) exponent = exponent * 10 + (*p - '0');
    if (negative) exponent = -exponent;
  }
  const int shift = exponent - 14;  // magnitude = mantissa x 10^shift
  if (shift >= 0) {
    d.whole = mantissa * kPow10[shift];  // shift <= 2 below 10^17
  } else if (shift >= -15) {
    d.whole = mantissa / kPow10[-shift];
    d.fraction = mantissa % kPow10[-shift];
    d.digits = -shift;
  } else if (shift > -30) {
    d.fraction = mantissa / kPow10[-shift - 15];
    d.digits = 15;
  }
  return d;
}

// The decimal divided by 10^places (a shift of the point; places 1 to 3).
Decimal shifted(Decimal d, int places) noexcept {
  const uint64_t divisor = kPow10[places];
  Decimal s;
  s.whole = d.whole / divisor;
  s.fraction = (d.whole % divisor) * kPow10[d.digits] + d.fraction;
  s.digits = d.digits + places;
  return s;
}

// Rounded to `places` decimals, halves away from zero: fraction has exactly
// `places` digits.
Decimal round_decimals(Decimal d, int places) noexcept {
  Decimal r;
  r.whole = d.whole;
  r.digits = places;
  if (d.digits <= places) {
    r.fraction = d.fraction * kPow10[places - d.digits];
    return r;
  }
  const uint64_t unit = kPow10[d.digits - places];
  r.fraction = d.fraction / unit;
  if ((d.fraction % unit) * 2 >= unit) ++r.fraction;
  if (r.fraction == kPow10[places]) {
    r.fraction = 0;
    ++r.whole;
  }
  return r;
}

// Rounded to the nearest 1/denominator (halves away from zero); the
// numerator is below the denominator. (fraction < 10^15 and denominator <=
// 1024: the products stay below 2^63.)
void round_fraction(Decimal d, uint64_t denominator, uint64_t& whole, uint64_t& numerator) noexcept {
  whole = d.whole;
  const uint64_t scale = kPow10[d.digits];
  numerator = (2 * d.fraction * denominator + scale) / (2 * scale);
  if (numerator >= denominator) {
    numerator = 0;
    ++whole;
  }
}

enum class Shape { FeetInches, DecimalFeet, Inches, MetersMillimeters, Meters, Millimeters, MetersCentimeters };

// What a format shows: its shape and captions ("" none; a caption that is a
// word carries its leading space).
struct Style {
  Shape shape;
  std::string_view major_one, major_many;
  std::string_view minor_one, minor_many;
  std::string_view separator;
};

constexpr Style kEnglish[english_format_count] = {
    {Shape::FeetInches, " Foot", " Feet", " Inch", " Inches", " "},
    {Shape::FeetInches, " Ft.", " Ft.", " In.", " In.", " "},
    {Shape::FeetInches, " Ft", " Ft", " In", " In", " "},
    {Shape::DecimalFeet, "", "", " Foot", " Feet", ""},
    {Shape::DecimalFeet, "", "", " Ft.", " Ft.", ""},
    {Shape::DecimalFeet, "", "", " Ft", " Ft", ""},
    {Shape::FeetInches, "'", "'", "\"", "\"", " "},
    {Shape::FeetInches, "'", "'", "\"", "\"", " - "},
    {Shape::DecimalFeet, "", "", "'", "'", ""},
    {Shape::Inches, "", "", " Inch", " Inches", ""},
    {Shape::Inches, "", "", " In.", " In.", ""},
    {Shape::Inches, "", "", " In", " In", ""},
    {Shape::Inches, "", "", "\"", "\"", ""},
    {Shape::Inches, "", "", "", "", ""},
};

constexpr Style kMetric[metric_format_count] = {
    {Shape::MetersMillimeters, " Meter", " Meters", " Millimeter", " Millimeters", " "},
    {Shape::MetersMillimeters, "m", "m", "mm", "mm", " "},
    {Shape::Meters, "", "", " Meter", " Meters", ""},
    {Shape::Meters, "", "", " m", " m", ""},
    {Shape::Millimeters, "", "", " mm", " mm", ""},
    {Shape::Millimeters, "", "", "", "", ""},
    {Shape::MetersCentimeters, "m", "m", "cm", "cm", " "},
};

// The style of a display; a format code outside its list (an enum value
// made from an integer) takes the system's default format.
const Style& style_of(const LengthDisplay& display) noexcept {
  if (const auto* metric = std::get_if<MetricFormat>(&display.format)) {
    const auto code = static_cast<int32_t>(*metric);
    return kMetric[code >= 0 && code < metric_format_count ? code : 0];
  }
  const auto code = static_cast<int32_t>(std::get<EnglishFormat>(display.format));
  return kEnglish[code >= 0 && code < english_format_count ? code : static_cast<int32_t>(EnglishFormat::FeetInchesMarks)];
}

int32_t clamped(int32_t value, int32_t low, int32_t high) noexcept {
  return value < low ? low : value > high ? high : value;
}

// Minor units per major unit (0: the shape has no major unit).
uint64_t minor_per_major(Shape shape) noexcept {
  switch (shape) {
    case Shape::FeetInches: return 12;
    case Shape::MetersMillimeters: return 1000;
    case Shape::MetersCentimeters: return 100;
    default: return 0;
  }
}

bool uses_fractions(const LengthDisplay& display, Shape shape) noexcept {
  return display.inch_fraction == FractionMode::Fraction && (shape == Shape::FeetInches || shape == Shape::Inches);
}

// A fixed buffer of kMaxText bytes.
class Writer {
 public:
  explicit Writer(char* buffer) noexcept : begin_(buffer), p_(buffer) {}
  void put(char c) noexcept {
    if (p_ < begin_ + kMaxText) *p_++ = c;
  }
  void put(std::string_view text) noexcept {
    for (const char c : text) put(c);
  }
  void put(uint64_t n) noexcept {
    char digits[20];
    const auto result = std::to_chars(digits, digits + sizeof digits, n);
    put(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
  }
  // whole.fraction with `digits` decimals, trailing zeros dropped.
  void put_decimal(uint64_t whole, uint64_t fraction, int digits) noexcept {
    put(whole);
    if (fraction == 0) return;
    while (fraction % 10 == 0) {
      fraction /= 10;
      --digits;
    }
    put('.');
    char text[20];
    for (int i = digits - 1; i >= 0; --i) {
      text[i] = static_cast<char>('0' + fraction % 10);
      fraction /= 10;
    }
    put(std::string_view(text, static_cast<std::size_t>(digits)));
  }
  std::size_t size() const noexcept { return static_cast<std::size_t>(p_ - begin_); }

 private:
  char* begin_;
  char* p_;
};

}  // namespace

bool shown_parts(double inches, const LengthDisplay& display, ShownParts& parts) noexcept {
  parts = ShownParts{};
  if (!std::isfinite(inches)) return false;
  const double magnitude = std::fabs(inches);
  if (magnitude >= largest_shown_inches) return false;
  const Style& style = style_of(display);
  Decimal value;
  switch (style.shape) {
    case Shape::FeetInches:
    case Shape::Inches: value = to_decimal(magnitude); break;
    case Shape::DecimalFeet: value = to_decimal(magnitude / 12); break;
    case Shape::MetersMillimeters:
    case Shape::Millimeters: value = to_decimal(magnitude * 25.4); break;
    case Shape::Meters: value = shifted(to_decimal(magnitude * 25.4), 3); break;
    case Shape::MetersCentimeters: value = shifted(to_decimal(magnitude * 25.4), 1); break;
  }
  uint64_t whole = 0;
  if (uses_fractions(display, style.shape)) {
    const auto denominator = static_cast<uint64_t>(clamped(display.denominator, 1, LengthDisplay::max_denominator));
    uint64_t numerator = 0;
    round_fraction(value, denominator, whole, numerator);
    const uint64_t divisor = numerator == 0 ? denominator : std::gcd(numerator, denominator);
    parts.numerator = numerator / divisor;
    parts.denominator = denominator / divisor;
  } else {
    const Decimal rounded = round_decimals(value, clamped(display.decimals, 0, LengthDisplay::max_decimals));
    whole = rounded.whole;
    parts.decimal = rounded.fraction;
    parts.digits = rounded.digits;
  }
  if (const uint64_t per = minor_per_major(style.shape)) {
    parts.major = whole / per;
    parts.minor = whole % per;
  } else {
    parts.minor = whole;
  }
  parts.negative = inches < 0 && !parts.zero();
  return true;
}

std::size_t write_length(char* buffer, double inches, const LengthDisplay& display) noexcept {
  ShownParts parts;
  if (!shown_parts(inches, display, parts)) return 0;
  const Style& style = style_of(display);
  Writer out(buffer);
  if (parts.negative) out.put('-');
  if (parts.major > 0) {
    out.put(parts.major);
    out.put(parts.major == 1 ? style.major_one : style.major_many);
  }
  const bool minor_shown = parts.minor > 0 || parts.decimal > 0 || parts.numerator > 0;
  if (minor_shown) {
    if (parts.major > 0) out.put(style.separator);
    bool one = false;
    if (parts.numerator > 0) {
      if (parts.minor > 0) {
        out.put(parts.minor);
        out.put(' ');
      }
      out.put(parts.numerator);
      out.put('/');
      out.put(parts.denominator);
      one = parts.minor == 0;  // "1/2 Inch"
    } else {
      out.put_decimal(parts.minor, parts.decimal, parts.digits);
      one = parts.minor == 1 && parts.decimal == 0;
    }
    out.put(one ? style.minor_one : style.minor_many);
  } else if (parts.major == 0) {
    out.put('0');
    out.put(style.minor_many);
  }
  return out.size();
}

double shown_inches(double inches, const LengthDisplay& display) noexcept {
  ShownParts parts;
  if (!shown_parts(inches, display, parts)) return inches;
  const Style& style = style_of(display);
  const uint64_t per = minor_per_major(style.shape);
  // Whole minor units, then the part below one: exact integers in a double
  // below 2^53, one rounding for the quotient.
  const double minor = static_cast<double>(parts.major * per + parts.minor) +
                       static_cast<double>(parts.decimal) / static_cast<double>(kPow10[parts.digits]) +
                       static_cast<double>(parts.numerator) / static_cast<double>(parts.denominator);
  double shown = 0;
  switch (style.shape) {
    case Shape::FeetInches:
    case Shape::Inches: shown = minor; break;
    case Shape::DecimalFeet: shown = minor * 12; break;
    case Shape::MetersMillimeters:
    case Shape::Millimeters: shown = minor / 25.4; break;
    case Shape::Meters: shown = minor * 1000 / 25.4; break;
    case Shape::MetersCentimeters: shown = minor * 10 / 25.4; break;
  }
  return parts.negative ? -shown : shown;
}

double float_as_shortest_decimal(float value) noexcept {
  if (!std::isfinite(value) || value == 0) return value;
  const float magnitude = std::fabs(value);
  char text[64];
  double result = magnitude;
#if defined(__cpp_lib_to_chars)
  // Scientific: the shortest significant digits. (The plain form may choose
  // fixed notation, which writes every integer digit of a large float:
  // 123456704 instead of 1.234567e+08.)
  const auto written = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
  if (written.ec == std::errc{}) std::from_chars(text, written.ptr, result);
#else
  // The fewest significant digits that read back as the same float.
  for (int precision = 0; precision <= 8; ++precision) {
    const auto written = to_chars_scientific(text, text + sizeof text - 1, magnitude, precision);
    if (written.ec != std::errc{}) break;
    *written.ptr = '\0';
    if (std::strtof(text, nullptr) == magnitude) {
      result = std::strtod(text, nullptr);
      break;
    }
  }
#endif
  return value < 0 ? -result : result;
}

}  // namespace tolmer::display
