// Every display text reads back: for many lengths (a fixed-seed generator)
// and every format, fraction mode and step, parse_length reads what
// format_length wrote, with no error, as the length shown; and the length
// read shows as the same text again.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tolmer/display.h"

namespace {

using tolmer::EnglishFormat;
using tolmer::FractionMode;
using tolmer::Length;
using tolmer::LengthDisplay;
using tolmer::MetricFormat;

// Lengths people draw and a few that stress the display: everyday
// dimensions, metric-born lengths, sixty-fourths, tiny and huge ones, both
// signs. The generator's raw output is mapped by hand, so the lengths are
// the same with every standard library.
std::vector<Length> sample_lengths(std::size_t count) {
  std::mt19937_64 random(20261210);
  const auto below = [&](uint64_t n) { return random() % n; };
  const auto unit = [&] { return static_cast<double>(random() >> 11) * 0x1p-53; };  // [0, 1)
  std::vector<Length> lengths;
  for (std::size_t i = 0; i < count; ++i) {
    double inches = 0;
    switch (i % 6) {
      case 0: inches = unit() * 1200; break;                                                   // up to 100 ft
      case 1: inches = Length::from_millimeters(static_cast<double>(below(100'000'000)) / 100).inches(); break;
      case 2: inches = static_cast<double>(below(64 * 2000)) / 64; break;                      // sixty-fourths
      case 3: inches = unit() * std::pow(10.0, static_cast<double>(below(16)) - 6); break;      // 1e-6 to 1e10
      case 4: inches = static_cast<double>(below(100'000)) / 1000; break;                      // thousandths
      case 5: inches = tolmer::length_from_float(static_cast<float>(unit() * 500)).inches(); break;
    }
    lengths.push_back(Length::from_inches(below(2) == 0 ? inches : -inches));
  }
  lengths.push_back(Length{});
  return lengths;
}

// Checks one display of one length; false after the first failure.
bool reads_back(Length length, const LengthDisplay& display) {
  const std::string text = tolmer::format_length(length, display);
  const tolmer::ParseResult read = tolmer::parse_length(text, tolmer::reading_options(display));
  const Length shown = tolmer::shown_length(length, display);
  const double tolerance = 1e-12 * std::max(1.0, std::fabs(shown.inches()));
  const bool metric = display.system() == tolmer::System::Metric;
  const int32_t code = metric ? static_cast<int32_t>(std::get<MetricFormat>(display.format))
                              : static_cast<int32_t>(std::get<EnglishFormat>(display.format));
  const auto where = [&] {
    return ::testing::Message() << "\"" << text << "\" (" << length.inches() << " in, "
                                << (metric ? "metric" : "English") << " format " << code << ", "
                                << (display.inch_fraction == FractionMode::Fraction ? "denominator " : "decimals ")
                                << (display.inch_fraction == FractionMode::Fraction ? display.denominator
                                                                                     : display.decimals)
                                << ")";
  };
  EXPECT_FALSE(text.empty()) << where();
  EXPECT_TRUE(read.ok()) << where() << ": " << read.message() << " at " << read.where.begin << "-"
                         << read.where.end;
  if (!read.ok()) return false;
  EXPECT_NEAR(read.length.inches(), shown.inches(), tolerance) << where();
  EXPECT_EQ(tolmer::format_length(read.length, display), text) << where() << " read as " << read.length.inches();
  return !::testing::Test::HasFailure();
}

std::vector<LengthDisplay> every_display(const std::vector<int32_t>& denominators) {
  std::vector<LengthDisplay> displays;
  for (int32_t code = 0; code < tolmer::english_format_count; ++code) {
    const auto format = static_cast<EnglishFormat>(code);
    for (const int32_t denominator : denominators)
      displays.push_back({format, FractionMode::Fraction, denominator, 3});
    for (int32_t decimals = 0; decimals <= LengthDisplay::max_decimals; ++decimals)
      displays.push_back({format, FractionMode::Decimal, 16, decimals});
  }
  for (int32_t code = 0; code < tolmer::metric_format_count; ++code)
    for (int32_t decimals = 0; decimals <= LengthDisplay::max_decimals; ++decimals)
      displays.push_back({static_cast<MetricFormat>(code), FractionMode::Decimal, 16, decimals});
  return displays;
}

TEST(DisplayRoundTrip, EveryFormatAndStepReadsBack) {
  const auto displays = every_display({1, 2, 3, 4, 8, 10, 12, 16, 32, 64, 100, 128, 1000, 1024});
  for (const Length length : sample_lengths(1200))
    for (const LengthDisplay& display : displays)
      if (!reads_back(length, display)) return;
}

TEST(DisplayRoundTrip, EveryDenominatorReadsBack) {
  std::vector<int32_t> denominators;
  for (int32_t d = 1; d <= LengthDisplay::max_denominator; ++d) denominators.push_back(d);
  std::vector<LengthDisplay> displays;
  for (const auto format : {EnglishFormat::FeetInchesWords, EnglishFormat::FeetInchesDashMarks,
                            EnglishFormat::InchesAbbreviated, EnglishFormat::InchesBare})
    for (const int32_t d : denominators) displays.push_back({format, FractionMode::Fraction, d, 3});
  for (const Length length : sample_lengths(48))
    for (const LengthDisplay& display : displays)
      if (!reads_back(length, display)) return;
}

}  // namespace
