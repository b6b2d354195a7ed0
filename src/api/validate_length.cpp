// Checking a typed length on today's terms: read with parse_length, limits
// as optional lengths, messages and the echo in the caller's display.
#include <algorithm>
#include <cmath>
#include <string>

#include "tolmer/display.h"

namespace tolmer::inline v1 {
namespace {

// a is above b by more than one part in 10^12 of the larger magnitude.
bool above(double a, double b) noexcept {
  return a > b && a - b > 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

// The entry's bytes without its leading and trailing spaces.
ByteRange typed_bytes(std::string_view entry) noexcept {
  const auto first = entry.find_first_not_of(' ');
  if (first == std::string_view::npos) return {0, entry.size()};
  return {first, entry.find_last_not_of(' ') + 1};
}

// Lenient reading: every byte other than spaces went unread.
bool nothing_read(std::string_view entry, const ParseResult& read) noexcept {
  if (read.unread.empty()) return false;
  std::size_t unread = 0;
  for (const ByteRange& range : read.unread) {
    if (range.begin >= range.end || range.end > entry.size()) continue;
    const std::string_view bytes = entry.substr(range.begin, range.end - range.begin);
    unread += bytes.size() - static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), ' '));
  }
  const auto typed = entry.size() - static_cast<std::size_t>(std::count(entry.begin(), entry.end(), ' '));
  return unread >= typed;
}

// "The length cannot be more than 8' 4"." (or, for a limit with no display,
// "The length is too large.").
std::string limit_message(const char* lead, const char* otherwise, Length limit, const LengthDisplay& display) {
  std::string message = lead;
  const std::size_t before = message.size();
  format_length_to(message, limit, display);
  if (message.size() == before) return otherwise;
  message += '.';
  return message;
}

}  // namespace

ParseOptions reading_options(const LengthDisplay& display) noexcept {
  ParseOptions options;
  if (const auto* english = std::get_if<EnglishFormat>(&display.format)) {
    if (*english == EnglishFormat::InchesBare) options.default_unit = Unit::Inches;
  } else if (std::get<MetricFormat>(display.format) == MetricFormat::MillimetersBare) {
    options.default_unit = Unit::Millimeters;
  }
  return options;
}

LengthCheck validate_length(std::string_view entry, const LengthLimits& limits, const LengthDisplay& display) {
  return validate_length(entry, limits, display, reading_options(display));
}

LengthCheck validate_length(std::string_view entry, const LengthLimits& limits, const LengthDisplay& display,
                            const ParseOptions& options) {
  LengthCheck check;
  const ParseResult read = parse_length(entry, options);
  if (read.error == ParseError::Empty) {
    check.verdict = LengthVerdict::Empty;
    check.error = read.error;
    check.message = "Enter a length.";
    return check;
  }
  if (!read.ok()) {
    check.verdict = LengthVerdict::Unreadable;
    check.error = read.error;
    check.message = std::string(read.message());
    check.select = read.where;
    return check;
  }
  if (nothing_read(entry, read)) {
    check.verdict = LengthVerdict::Unreadable;
    check.error = ParseError::UnknownText;
    check.message = std::string(message(ParseError::UnknownText));
    check.select = typed_bytes(entry);
    return check;
  }
  check.length = read.length;
  const double inches = read.length.inches();
  if (limits.maximum && above(inches, limits.maximum->inches())) {
    check.verdict = LengthVerdict::TooLarge;
    check.message = limit_message("The length cannot be more than ", "The length is too large.", *limits.maximum, display);
    check.select = typed_bytes(entry);
    return check;
  }
  if (limits.minimum && above(limits.minimum->inches(), inches)) {
    check.verdict = LengthVerdict::TooSmall;
    check.message = limit_message("The length cannot be less than ", "The length is too small.", *limits.minimum, display);
    check.select = typed_bytes(entry);
    return check;
  }
  check.verdict = LengthVerdict::Accepted;
  check.echo = format_length(read.length, display);
  return check;
}

}  // namespace tolmer
