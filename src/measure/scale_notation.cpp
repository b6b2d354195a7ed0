// The standard scales, the nearest of them, and the scale notations.
#include "measure/scale_notation.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "frame/charconv.h"
#include "measure/reading.h"

namespace tolmer::inline v1 {

namespace {

using scale::Family;
using scale::Notation;
using scale::NotationError;
using scale::NotationResult;
using scale::Ratio;

// Architectural: 12", 6", 3", 1 1/2", 1", 3/4", 1/2", 3/8", 1/4", 3/16",
// 1/8", 3/32", 1/16", 3/64", 1/32" and 1/64" to the foot.
constexpr int32_t kArchitectural[] = {1, 2, 4, 8, 12, 16, 24, 32, 48, 64, 96, 128, 192, 256, 384, 768};
// Engineering: one inch to 10', 20', 30', 40', 50', 60', 100' and 200'.
constexpr int32_t kEngineering[] = {120, 240, 360, 480, 600, 720, 1200, 2400};
constexpr int32_t kMetric[] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000, 1250, 2000, 2500, 5000, 10000};

bool is_space(char c) { return c == ' ' || c == '\t'; }

// [begin, end) of `text` without surrounding spaces and tabs.
ByteRange trimmed(std::string_view text, std::size_t begin, std::size_t end) {
  while (begin < end && is_space(text[begin])) ++begin;
  while (end > begin && is_space(text[end - 1])) --end;
  return {begin, end};
}

std::string_view part(std::string_view text, ByteRange range) {
  return text.substr(range.begin, range.end - range.begin);
}

NotationResult failure(NotationError error, ByteRange where, ParseError length_error = ParseError::None) {
  NotationResult result;
  result.error = error;
  result.where = where;
  result.length_error = length_error;
  return result;
}

// A plain decimal number filling the whole range (a sign, digits, one point,
// an exponent), finite.
std::optional<double> plain_number(std::string_view text, ByteRange range) {
  std::string_view digits = part(text, range);
  const bool negative = !digits.empty() && digits.front() == '-';
  if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
  if (digits.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] = from_chars_general(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc{} || end != digits.data() + digits.size() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

NotationResult two_numbers(std::string_view text, ByteRange whole, std::size_t at) {
  const ByteRange left = trimmed(text, whole.begin, at);
  const ByteRange right = trimmed(text, at + 1, whole.end);
  const auto numerator = plain_number(text, left);
  if (!numerator) return failure(NotationError::MalformedNumber, left.begin == left.end ? whole : left);
  const auto denominator = plain_number(text, right);
  if (!denominator) return failure(NotationError::MalformedNumber, right.begin == right.end ? whole : right);
  if (*denominator == 0) return failure(NotationError::ZeroDenominator, right);
  if (*denominator < 0) return failure(NotationError::NotPositive, right);
  if (!(*numerator > 0)) return failure(NotationError::NotPositive, left);
  NotationResult result;
  result.ratio = Ratio{*numerator, *denominator};
  return result;
}

NotationResult drawing_and_real(std::string_view text, ByteRange whole, std::size_t at) {
  const ByteRange sides[2] = {trimmed(text, whole.begin, at), trimmed(text, at + 1, whole.end)};
  Length lengths[2];
  for (int i = 0; i < 2; ++i) {
    const ByteRange side = sides[i];
    if (side.begin == side.end) return failure(NotationError::MissingLength, whole);
    const ParseResult read = reading::parse(part(text, side), ParseOptions{});
    if (!read.ok()) {
      return failure(NotationError::BadLength, {side.begin + read.where.begin, side.begin + read.where.end},
                     read.error);
    }
    if (!(read.length > Length{}) || !std::isfinite(read.length.inches()))
      return failure(NotationError::NotPositive, side);
    lengths[i] = read.length;
  }
  const double denominator = lengths[1] / lengths[0];
  if (!std::isfinite(denominator) || !(denominator > 0)) return failure(NotationError::NotPositive, whole);
  NotationResult result;
  result.ratio = Ratio{1, denominator};
  return result;
}

// The fewest significant digits that read back as `value`, without an
// exponent from 1e-9 to below 1e17 (20, not 2e+01).
std::string shortest(double value) {
  char text[64];
  int precision = 1;
  for (; precision < 17; ++precision) {
    std::snprintf(text, sizeof text, "%.*g", precision, value);
    if (std::strtod(text, nullptr) == value) break;
  }
  std::snprintf(text, sizeof text, "%.*g", precision, value);
  const double magnitude = std::fabs(value);
  if (std::strchr(text, 'e') != nullptr && magnitude >= 1e-9 && magnitude < 1e17) {
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const int decimals = precision - 1 - exponent;
    std::snprintf(text, sizeof text, "%.*f", decimals > 0 ? decimals : 0, value);
  }
  return text;
}

// A dyadic number of inches with a denominator of at most 64 as a mixed
// fraction ("1 1/2", "3/16", "12"); other numbers as decimals.
std::string inches_text(double inches) {
  const double sixty_fourths = inches * 64;
  if (sixty_fourths >= 1 && sixty_fourths < 2147483648.0 && sixty_fourths == std::floor(sixty_fourths)) {
    auto numerator = static_cast<int64_t>(sixty_fourths);
    int64_t denominator = 64;
    const int64_t whole = numerator / denominator;
    numerator %= denominator;
    while (numerator != 0 && numerator % 2 == 0) {
      numerator /= 2;
      denominator /= 2;
    }
    std::string out;
    if (whole != 0) out = std::to_string(whole);
    if (numerator != 0) {
      if (!out.empty()) out += ' ';
      out += std::to_string(numerator) + "/" + std::to_string(denominator);
    }
    return out;
  }
  return shortest(inches);
}

}  // namespace

std::span<const int32_t> standard_scale_denominators(scale::Family family) noexcept {
  switch (family) {
    case Family::Architectural: return kArchitectural;
    case Family::Engineering: return kEngineering;
    case Family::Metric: return kMetric;
  }
  return {};
}

std::optional<int32_t> nearest_standard_denominator(scale::Family family, double ratio) noexcept {
  const std::span<const int32_t> list = standard_scale_denominators(family);
  if (list.empty() || !(ratio > 0)) return std::nullopt;
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    const double a = list[i];
    const double b = list[i + 1];
    // The midpoint of 1/a and 1/b, (a + b) / (2ab), rounded once: a ratio at
    // or above it is nearer 1/a (or halfway, which goes to the larger ratio).
    const double midpoint = (a + b) / (2 * a * b);
    if (ratio >= midpoint) return list[i];
  }
  return list.back();
}

scale::NotationResult parse_scale_notation(std::string_view text) {
  const ByteRange whole = trimmed(text, 0, text.size());
  if (whole.begin == whole.end) return failure(NotationError::Empty, whole);
  const std::string_view body = part(text, whole);
  if (const auto equals = body.find('='); equals != std::string_view::npos)
    return drawing_and_real(text, whole, whole.begin + equals);
  if (const auto colon = body.find(':'); colon != std::string_view::npos)
    return two_numbers(text, whole, whole.begin + colon);
  if (const auto slash = body.find('/'); slash != std::string_view::npos)
    return two_numbers(text, whole, whole.begin + slash);
  const auto value = plain_number(text, whole);
  if (!value) return failure(NotationError::MalformedNumber, whole);
  if (!(*value > 0)) return failure(NotationError::NotPositive, whole);
  NotationResult result;
  result.ratio = Ratio{*value, 1};
  return result;
}

std::string format_scale_notation(scale::Ratio ratio, scale::Notation notation) {
  const double value = ratio.value();
  if (!(ratio.numerator > 0) || !(ratio.denominator > 0) || !std::isfinite(ratio.numerator) ||
      !std::isfinite(ratio.denominator) || !(value > 0) || !std::isfinite(value))
    return {};
  switch (notation) {
    case Notation::Colon: return shortest(ratio.numerator) + ":" + shortest(ratio.denominator);
    case Notation::Slash: return shortest(ratio.numerator) + "/" + shortest(ratio.denominator);
    case Notation::Decimal: return shortest(value);
    case Notation::InchesFoot: return inches_text(12 * ratio.numerator / ratio.denominator) + "\" = 1'-0\"";
    case Notation::InchFeet: return "1\" = " + shortest(ratio.denominator / (12 * ratio.numerator)) + "'";
  }
  return {};
}

std::string_view scale_notation_message(scale::NotationError error) noexcept {
  switch (error) {
    case NotationError::None: return "";
    case NotationError::Empty: return "there is no scale: the text is empty";
    case NotationError::MalformedNumber: return "a scale is N:D, N/D, a number, or DRAWING=REAL such as 1/4\"=1'-0\"";
    case NotationError::ZeroDenominator: return "a scale needs a positive denominator";
    case NotationError::NotPositive: return "a scale must be positive";
    case NotationError::MissingLength: return "a scale DRAWING=REAL needs a length on each side of '='";
    case NotationError::BadLength: return "a side of '=' is no length with a unit";
  }
  return "";
}

}  // namespace tolmer
