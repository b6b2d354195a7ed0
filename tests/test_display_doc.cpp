// The table of docs/cpp.md ("Showing lengths") is what format_length
// writes: each row's length, format, mode and step give its text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "lengths_table.h"
#include "tolmer/display.h"

namespace {

using tolmer::EnglishFormat;
using tolmer::MetricFormat;

// The format of a row by its enumerator's name.
bool format_named(std::string_view name, tolmer::LengthDisplay& display) {
  static constexpr std::string_view kEnglish[] = {
      "FeetInchesWords",  "FeetInchesAbbreviated", "FeetInchesShort",     "DecimalFeetWords",
      "DecimalFeetAbbreviated", "DecimalFeetShort", "FeetInchesMarks",    "FeetInchesDashMarks",
      "DecimalFeetMark",  "InchesWords",           "InchesAbbreviated",   "InchesShort",
      "InchesMark",       "InchesBare"};
  static constexpr std::string_view kMetric[] = {
      "MetersMillimetersWords", "MetersMillimetersShort", "DecimalMetersWords", "DecimalMetersShort",
      "MillimetersShort",       "MillimetersBare",        "MetersCentimetersShort"};
  for (int32_t i = 0; i < tolmer::english_format_count; ++i)
    if (kEnglish[i] == name) return display.format = static_cast<EnglishFormat>(i), true;
  for (int32_t i = 0; i < tolmer::metric_format_count; ++i)
    if (kMetric[i] == name) return display.format = static_cast<MetricFormat>(i), true;
  return false;
}

std::vector<std::string> cells(std::string_view line) {
  std::vector<std::string> out;
  std::size_t at = 1;
  while (at < line.size()) {
    const std::size_t bar = line.find(" |", at);
    if (bar == std::string_view::npos) break;
    std::string cell(line.substr(at, bar - at));
    while (!cell.empty() && cell.front() == ' ') cell.erase(0, 1);
    out.push_back(cell);
    at = bar + 2;
  }
  return out;
}

TEST(ShowingLengthsDocument, TheTableIsWhatFormatLengthWrites) {
  const std::string_view doc = tolmer::testdata::cpp_md();
  const std::size_t section = doc.find("\n## Showing lengths\n");
  ASSERT_NE(section, std::string_view::npos);
  const std::size_t end = doc.find("\n## ", section + 1);
  int rows = 0;
  for (std::size_t at = section; at < end;) {
    const std::size_t next = doc.find('\n', at + 1);
    const std::string_view line = doc.substr(at + 1, next - at - 1);
    at = next;
    if (line.size() < 3 || line[0] != '|' || line.find('`') == std::string_view::npos) continue;
    const std::vector<std::string> row = cells(line);
    ASSERT_EQ(row.size(), 5u) << line;
    tolmer::LengthDisplay display;
    ASSERT_TRUE(format_named(row[1], display)) << line;
    ASSERT_TRUE(row[2] == "fraction" || row[2] == "decimal") << line;
    display.inch_fraction = row[2] == "fraction" ? tolmer::FractionMode::Fraction : tolmer::FractionMode::Decimal;
    const int32_t step = std::atoi(row[3].c_str());
    (row[2] == "fraction" ? display.denominator : display.decimals) = step;
    ASSERT_GE(row[4].size(), 2u) << line;
    const std::string text = row[4].substr(1, row[4].size() - 2);
    const auto length = tolmer::Length::from_inches(std::strtod(row[0].c_str(), nullptr));
    EXPECT_EQ(tolmer::format_length(length, display), text) << line;
    ++rows;
  }
  EXPECT_GE(rows, 25);
}

}  // namespace
