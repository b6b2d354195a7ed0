// tolmer format by today's rules (tolmer::format_length), and today's
// display settings of the command line, which tolmer length shares.
#include "display_commands.h"

#include <cmath>
#include <string>

namespace tolmer::inline v1::tool {
namespace {

constexpr int32_t kLastEnglish = tolmer::english_format_count - 1;
constexpr int32_t kLastMetric = tolmer::metric_format_count - 1;

int32_t bounded(const Options& options, const char* option, int32_t low, int32_t high, const char* meaning) {
  const auto text = options.value(option);
  const int32_t value = parse_integer(*text, option);
  if (value < low || value > high)
    throw UsageError(std::string(option) + " is " + meaning + ": " + std::to_string(low) + " to " +
                     std::to_string(high) + ", not " + *text);
  return value;
}

}  // namespace

std::string TodayDisplay::text(double inches) const {
  if (round > 0) {
    const double steps = inches * round;
    if (std::isfinite(steps)) inches = std::round(steps) / round;
  }
  return tolmer::format_length(tolmer::Length::from_inches(inches), display);
}

TodayDisplay today_display(const Options& options, bool allow_all) {
  if (options.has("--decimal") && options.has("--fraction"))
    throw UsageError("--decimal and --fraction exclude each other");
  TodayDisplay today;
  const bool metric = options.has("--metric");
  tolmer::LengthDisplay& display = today.display;
  display.inch_fraction = options.has("--decimal") ? FractionMode::Decimal : FractionMode::Fraction;
  int32_t code = metric ? static_cast<int32_t>(MetricFormat::MetersMillimetersShort)
                        : static_cast<int32_t>(EnglishFormat::FeetInchesMarks);
  if (const auto format = options.value("--format")) {
    if (allow_all && *format == "all") {
      today.all_formats = true;
    } else {
      code = parse_integer(*format, "--format");
      const int32_t last = metric ? kLastMetric : kLastEnglish;
      if (code < 0 || code > last)
        throw UsageError("unknown format " + *format + " for " + (metric ? "metric" : "English") +
                         " lengths (0 to " + std::to_string(last) + ")");
    }
  }
  if (metric) {
    display.format = static_cast<MetricFormat>(code);
  } else {
    display.format = static_cast<EnglishFormat>(code);
  }
  const bool fractions = !metric && display.inch_fraction == FractionMode::Fraction;
  if (options.value("--round")) {
    if (metric) throw UsageError("--round rounds to a fraction of an inch: English lengths only");
    today.round = parse_integer(*options.value("--round"), "--round");
    if (today.round < 1 || today.round > tolmer::LengthDisplay::max_denominator)
      throw UsageError("--round N rounds to the nearest 1/N inch: N from 1 to " +
                       std::to_string(tolmer::LengthDisplay::max_denominator) + ", not " + *options.value("--round"));
    display.denominator = today.round;
  }
  // --places: the denominator of fractions, else the decimals; --denominator
  // and --decimals name one of them.
  if (options.value("--places")) {
    if (fractions) {
      display.denominator = bounded(options, "--places", 1, tolmer::LengthDisplay::max_denominator,
                                    "the largest denominator of a fraction");
    } else {
      display.decimals = bounded(options, "--places", 0, tolmer::LengthDisplay::max_decimals,
                                 "a number of decimal places");
    }
  }
  if (options.value("--denominator"))
    display.denominator = bounded(options, "--denominator", 1, tolmer::LengthDisplay::max_denominator,
                                  "the largest denominator of a fraction");
  if (options.value("--decimals"))
    display.decimals = bounded(options, "--decimals", 0, tolmer::LengthDisplay::max_decimals,
                               "a number of decimal places");
  return today;
}

int run_format_today(const Options& options, std::ostream& out, std::ostream& err) {
  TodayDisplay today = today_display(options, true);
  const double inches = parse_finite(options.positional[0], "the length in inches");
  if (!today.all_formats) {
    const std::string text = today.text(inches);
    out << text << '\n';
    if (text.empty()) err << "tolmer format: note: a length of 1e15 inches or more has no display text\n";
    return kSuccess;
  }
  out << "format  text\n";
  const bool metric = today.display.system() == System::Metric;
  const int32_t last = metric ? kLastMetric : kLastEnglish;
  for (int32_t code = 0; code <= last; ++code) {
    if (metric) {
      today.display.format = static_cast<MetricFormat>(code);
    } else {
      today.display.format = static_cast<EnglishFormat>(code);
    }
    const std::string number = std::to_string(code);
    out << std::string(6 - number.size(), ' ') << number << "  " << today.text(inches) << '\n';
  }
  return kSuccess;
}

}  // namespace tolmer::tool
