// tolmer::parse_length: every row of tests/data/lengths.tsv, and what a
// table cannot show (bytes that are not UTF-8 anywhere, unread ranges of
// lenient reading, the messages, the library's own display texts read back).
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "lengths_table.h"
#include "tolmer/library.h"
#include "tolmer/reading.h"

namespace {

using tolmer::ByteRange;
using tolmer::Length;
using tolmer::ParseError;
using tolmer::ParseOptions;
using tolmer::ParseResult;
using tolmer::parse_length;
using tolmer::Unit;
using tolmer::testdata::error_name;
using tolmer::testdata::length_rows;
using tolmer::testdata::LengthRow;

std::string ranges(const std::vector<ByteRange>& list) {
  std::string text;
  for (const ByteRange& r : list) text += (text.empty() ? "" : ",") + std::to_string(r.begin) + "-" + std::to_string(r.end);
  return text;
}

std::string describe(const ParseResult& r) {
  if (!r.ok()) {
    return "error:" + std::string(error_name(r.error)) + "@" + std::to_string(r.where.begin) + "-" +
           std::to_string(r.where.end);
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", r.length.inches());
  return std::string(buffer) + (r.unread.empty() ? "" : " unread " + ranges(r.unread));
}

TEST(ReadingTable, EveryRowReadsAsTheTableSays) {
  const std::vector<LengthRow> rows = length_rows();
  ASSERT_GE(rows.size(), 400u);
  for (const LengthRow& row : rows) {
    SCOPED_TRACE("lengths.tsv line " + std::to_string(row.line) + ": " + row.source);
    const ParseResult r = parse_length(row.entry, row.options);
    EXPECT_EQ(error_name(r.error), error_name(row.error)) << describe(r);
    if (row.error == ParseError::None) {
      // Exactly the double of the table (a negative zero included).
      EXPECT_EQ(r.length.inches(), row.inches) << describe(r);
      EXPECT_EQ(std::signbit(r.length.inches()), std::signbit(row.inches)) << describe(r);
      EXPECT_EQ(ranges(r.unread), ranges(row.unread));
    } else {
      EXPECT_EQ(describe(r), row.source.substr(row.source.rfind('\t') + 1));
      EXPECT_EQ(r.length.inches(), 0.0);
      EXPECT_TRUE(r.unread.empty());
      EXPECT_LE(r.where.end, row.entry.size());
    }
  }
}

// The table documents every error at least once, and every option.
TEST(ReadingTable, EveryErrorAndOptionHasRows) {
  std::set<ParseError> errors;
  bool comma = false, lenient = false, unit = false;
  for (const LengthRow& row : length_rows()) {
    errors.insert(row.error);
    comma = comma || row.options.decimal_comma;
    lenient = lenient || row.options.lenient;
    unit = unit || row.options.default_unit.has_value();
  }
  for (int e = 0; e <= static_cast<int>(ParseError::MixedSystems); ++e)
    EXPECT_EQ(errors.count(static_cast<ParseError>(e)), 1u) << error_name(static_cast<ParseError>(e));
  EXPECT_TRUE(comma && lenient && unit);
}

// The table of docs/cpp.md ("Reading lengths") shows rows of the file as
// they are: entry, options, and the expected column (with "X, bytes B-E
// unread" for a lenient row's fourth column).
TEST(ReadingTable, TheDocumentsRowsAreRowsOfTheTable) {
  const std::string_view doc = tolmer::testdata::cpp_md();
  const std::size_t section = doc.find("\n## Reading lengths\n");
  ASSERT_NE(section, std::string_view::npos);
  const std::size_t section_end = doc.find("\n## ", section + 1);
  std::set<std::string> table;
  for (const LengthRow& row : length_rows()) {
    const std::size_t tab = row.source.find('\t');
    table.insert(row.entry + row.source.substr(tab));
  }
  int rows = 0;
  for (std::size_t at = section; at < section_end;) {
    const std::size_t next = doc.find('\n', at + 1);
    const std::string_view line = doc.substr(at + 1, next - at - 1);
    at = next;
    if (line.substr(0, 3) != "| `") continue;
    const std::size_t tick = line.find("` | ");
    ASSERT_NE(tick, std::string_view::npos) << line;
    const std::string entry(line.substr(3, tick - 3));
    const std::size_t bar = line.find(" | ", tick + 4);
    const std::string options(line.substr(tick + 4, bar - tick - 4));
    std::string expected(line.substr(bar + 3, line.rfind(" |") - bar - 3));
    if (const std::size_t unread = expected.find(", bytes "); unread != std::string::npos)
      expected = expected.substr(0, unread) + "\t" + expected.substr(unread + 8, expected.find(" unread") - unread - 8);
    EXPECT_EQ(table.count(entry + "\t" + options + "\t" + expected), 1u) << line;
    ++rows;
  }
  EXPECT_GE(rows, 15);
}

TEST(ReadingMessages, OnePerErrorDistinctAndNonEmpty) {
  std::set<std::string_view> seen;
  EXPECT_TRUE(tolmer::message(ParseError::None).empty());
  for (int e = 1; e <= static_cast<int>(ParseError::MixedSystems); ++e) {
    const std::string_view text = tolmer::message(static_cast<ParseError>(e));
    EXPECT_FALSE(text.empty()) << e;
    EXPECT_TRUE(seen.insert(text).second) << "message shared: " << text;
  }
  const ParseResult r = parse_length("12");
  EXPECT_EQ(r.message(), tolmer::message(ParseError::MissingUnit));
  EXPECT_TRUE(parse_length("12'").message().empty());
}

// A byte that cannot stand in UTF-8 text, or a sequence cut short, anywhere
// in an entry that reads well, is the error, at that byte.
TEST(ReadingUtf8, EveryInvalidByteAtEveryPlace) {
  const std::string good = "12' 6\u00bd\" ";
  const std::vector<std::string> bad_bytes = {"\x80", "\xBF", "\xC0\xAF", "\xC1\xBF", "\xF5\x80\x80\x80",
                                              "\xFF", "\xE2\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                                              "\xE0\x80\xAF", "\xC2"};
  for (const std::string& bytes : bad_bytes) {
    for (std::size_t at = 0; at <= good.size(); ++at) {
      if (at > 0 && at < good.size() && (static_cast<unsigned char>(good[at]) & 0xC0) == 0x80) continue;
      const std::string entry = good.substr(0, at) + bytes + good.substr(at);
      SCOPED_TRACE(testing::PrintToString(entry));
      const ParseResult r = parse_length(entry);
      EXPECT_EQ(r.error, ParseError::InvalidUtf8);
      EXPECT_EQ(r.where, (ByteRange{at, at + 1}));
      // Lenient: the bytes are skipped, the rest reads as before.
      ParseOptions lenient;
      lenient.lenient = true;
      const ParseResult l = parse_length(entry, lenient);
      if (at == 0 || good[at - 1] == ' ' || good[at] == ' ') {
        ASSERT_TRUE(l.ok()) << describe(l);
        EXPECT_EQ(l.length.inches(), 150.5);
        ASSERT_FALSE(l.unread.empty());
        EXPECT_EQ(l.unread.front().begin, at);
      }
    }
  }
}

// Text added after an entry that reads well: an error at that text, or with
// the lenient option the same length and the text's bytes unread.
TEST(ReadingLenient, TrailingTextIsUnreadAndTheLengthStays) {
  ParseOptions lenient;
  lenient.lenient = true;
  int checked = 0;
  for (const LengthRow& row : length_rows()) {
    if (row.error != ParseError::None || row.options.lenient || !row.unread.empty()) continue;
    const std::string entry = row.entry + " (approx.)";
    ParseOptions options = row.options;
    const ParseResult strict = parse_length(entry, options);
    ASSERT_EQ(strict.error, ParseError::UnknownText) << row.source;
    EXPECT_EQ(strict.where.begin, row.entry.size() + 1) << row.source;
    options.lenient = true;
    const ParseResult r = parse_length(entry, options);
    ASSERT_TRUE(r.ok()) << row.source << " " << describe(r);
    EXPECT_EQ(r.length.inches(), row.inches) << row.source;
    const std::size_t b = row.entry.size() + 1;
    EXPECT_EQ(ranges(r.unread), ranges({{b, b + 1}, {b + 1, b + 8}, {b + 8, b + 9}})) << row.source;
    ++checked;
  }
  EXPECT_GT(checked, 300);
}

// A length read is the Length of the same number and unit.
TEST(ReadingValues, AgreeWithLengthFrom) {
  using namespace tolmer::literals;
  EXPECT_EQ(parse_length("2500 mm").length, 2500_mm);
  EXPECT_EQ(parse_length("12' 6\"").length, 12_ft + 6_in);
  const std::pair<const char*, Unit> units[] = {{"yd", Unit::Yards}, {"ft", Unit::Feet}, {"in", Unit::Inches},
                                                {"m", Unit::Meters}, {"dm", Unit::Decimeters},
                                                {"cm", Unit::Centimeters}, {"mm", Unit::Millimeters}};
  for (const auto& [word, unit] : units) {
    for (int n = 0; n <= 20000; n += 37) {
      const double value = n / 100.0;
      char text[64];
      std::snprintf(text, sizeof text, "%.17g %s", value, word);
      const ParseResult r = parse_length(text);
      ASSERT_TRUE(r.ok()) << text;
      EXPECT_EQ(r.length, Length::from(value, unit)) << text;
    }
  }
}

// Every display text of the library's formatter reads back as the length
// shown (the bare formats with their unit as the default).
TEST(ReadingValues, TheLibrarysDisplayTextsReadBack) {
  const tolmer::Library library;
  for (int code = 0; code <= 13; ++code) {
    tolmer::DisplayFormat display;
    display.format = static_cast<tolmer::Format>(code);
    ParseOptions options;
    if (code == 13) options.default_unit = Unit::Inches;
    const bool decimal_feet = code == 3 || code == 4 || code == 5 || code == 8;
    for (int n = 1; n <= 4000; n += 7) {
      // Multiples of 1/16 inch; of 3 inches where the feet are shown with two decimals.
      const double inches = decimal_feet ? n * 3.0 : n / 16.0;
      const std::string text = library.format(inches, display);
      const ParseResult r = parse_length(text, options);
      ASSERT_TRUE(r.ok()) << "format " << code << ": '" << text << "' " << describe(r);
      EXPECT_EQ(r.length.inches(), inches) << "format " << code << ": " << text;
    }
  }
  for (int code = 0; code <= 6; ++code) {
    tolmer::DisplayFormat display;
    display.system = tolmer::System::Metric;
    display.format = static_cast<tolmer::Format>(code);
    display.mode = tolmer::FractionMode::Decimal;
    display.places = 3;
    ParseOptions options;
    if (code == 5) options.default_unit = Unit::Millimeters;
    for (int mm = 10; mm <= 40000; mm += 130) {
      const std::string text = library.format(mm / 25.4, display);
      const ParseResult r = parse_length(text, options);
      ASSERT_TRUE(r.ok()) << "metric format " << code << ": '" << text << "' " << describe(r);
      // The display rounds through single precision: within a tenth of a millimetre.
      EXPECT_NEAR(r.length.millimeters(), mm, 0.1) << "metric format " << code << ": " << text;
    }
  }
}

}  // namespace
