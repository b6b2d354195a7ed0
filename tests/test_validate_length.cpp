// Checking a typed length: tolmer::validate_length, one row per rule. Each
// row is an entry, its limits and display, and what the user is told.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tolmer/display.h"

namespace {

using tolmer::ByteRange;
using tolmer::EnglishFormat;
using tolmer::FractionMode;
using tolmer::Length;
using tolmer::LengthDisplay;
using tolmer::LengthLimits;
using tolmer::LengthVerdict;
using tolmer::MetricFormat;
using tolmer::Unit;

Length in(double value, Unit unit = Unit::Inches) { return Length::from(value, unit); }

struct Row {
  const char* entry;
  LengthLimits limits;
  LengthDisplay display;
  LengthVerdict verdict;
  const char* message_or_echo;  // the message, or the echo when accepted
  std::optional<ByteRange> select;
};

const LengthDisplay kMarks{};
const LengthDisplay kMillimetres{MetricFormat::MillimetersShort};

TEST(CheckingLengths, Rows) {
  const std::vector<Row> rows = {
      // Accepted: the echo is the length in the caller's display.
      {"12'6 1/2\"", {}, kMarks, LengthVerdict::Accepted, "12' 6 1/2\"", std::nullopt},
      {"12 ft 6.5 in", {}, LengthDisplay{EnglishFormat::FeetInchesWords}, LengthVerdict::Accepted,
       "12 Feet 6 1/2 Inches", std::nullopt},
      {"-6 1/2\"", {}, kMarks, LengthVerdict::Accepted, "-6 1/2\"", std::nullopt},
      {"0\"", {}, kMarks, LengthVerdict::Accepted, "0\"", std::nullopt},
      {"6.125\"", {}, LengthDisplay{EnglishFormat::InchesMark, FractionMode::Decimal, 16, 2},
       LengthVerdict::Accepted, "6.13\"", std::nullopt},
      {"6.125\"", {}, LengthDisplay{EnglishFormat::InchesMark, FractionMode::Fraction, 4}, LengthVerdict::Accepted,
       "6 1/4\"", std::nullopt},
      {"3.5 m", {}, kMillimetres, LengthVerdict::Accepted, "3500 mm", std::nullopt},
      // A bare number takes the unit of a display that shows none.
      {"12", {}, LengthDisplay{EnglishFormat::InchesBare}, LengthVerdict::Accepted, "12", std::nullopt},
      {"250", {}, LengthDisplay{MetricFormat::MillimetersBare}, LengthVerdict::Accepted, "250", std::nullopt},
      // Limits: nullopt is no limit; a limit of zero is a limit.
      {"1\"", {std::nullopt, std::nullopt}, kMarks, LengthVerdict::Accepted, "1\"", std::nullopt},
      {"1\"", {std::nullopt, in(0)}, kMarks, LengthVerdict::TooLarge, "The length cannot be more than 0\".",
       ByteRange{0, 2}},
      {"-1\"", {in(0), std::nullopt}, kMarks, LengthVerdict::TooSmall, "The length cannot be less than 0\".",
       ByteRange{0, 3}},
      // The limits are shown in the display, with clean numbers.
      {"150 ft", {std::nullopt, in(100, Unit::Feet)}, kMarks, LengthVerdict::TooLarge,
       "The length cannot be more than 100'.", ByteRange{0, 6}},
      {"  101'  ", {std::nullopt, in(100)}, LengthDisplay{EnglishFormat::DecimalFeetWords, FractionMode::Fraction, 16, 2},
       LengthVerdict::TooLarge, "The length cannot be more than 8.33 Feet.", ByteRange{2, 6}},
      {"20 m", {std::nullopt, in(10, Unit::Meters)}, LengthDisplay{MetricFormat::DecimalMetersShort},
       LengthVerdict::TooLarge, "The length cannot be more than 10 m.", ByteRange{0, 4}},
      {"1/2 in", {in(1), std::nullopt}, kMarks, LengthVerdict::TooSmall, "The length cannot be less than 1\".",
       ByteRange{0, 6}},
      {"10 mm", {in(1), std::nullopt}, kMillimetres, LengthVerdict::TooSmall,
       "The length cannot be less than 25.4 mm.", ByteRange{0, 5}},
      {"10 mm", {tolmer::length_from_float(100.0f / 12.0f), std::nullopt},
       LengthDisplay{EnglishFormat::DecimalFeetWords, FractionMode::Decimal, 16, 9}, LengthVerdict::TooSmall,
       "The length cannot be less than 0.694444417 Feet.", ByteRange{0, 5}},
      // A length on a limit, however its units were typed, is within it.
      {"2 m 500 mm", {std::nullopt, in(2500, Unit::Millimeters)}, kMillimetres, LengthVerdict::Accepted, "2500 mm",
       std::nullopt},
      {"250 cm", {in(2.5, Unit::Meters), in(2500, Unit::Millimeters)}, kMillimetres, LengthVerdict::Accepted,
       "2500 mm", std::nullopt},
      {"100'", {std::nullopt, in(1200)}, kMarks, LengthVerdict::Accepted, "100'", std::nullopt},
      {"100' 1/64\"", {std::nullopt, in(1200)}, kMarks, LengthVerdict::TooLarge,
       "The length cannot be more than 100'.", ByteRange{0, 10}},
      // The largest limit first, as typed numbers are checked against it.
      {"5 ft", {in(100), in(50)}, kMarks, LengthVerdict::TooLarge, "The length cannot be more than 4' 2\".",
       ByteRange{0, 4}},
      // An entry that reads nothing is refused.
      {"", {}, kMarks, LengthVerdict::Empty, "Enter a length.", std::nullopt},
      {"    ", {}, kMarks, LengthVerdict::Empty, "Enter a length.", std::nullopt},
  };
  for (const Row& row : rows) {
    const tolmer::LengthCheck check = tolmer::validate_length(row.entry, row.limits, row.display);
    EXPECT_EQ(check.verdict, row.verdict) << row.entry;
    EXPECT_EQ(check.accepted() ? check.echo : check.message, row.message_or_echo) << row.entry;
    EXPECT_EQ(check.accepted() ? check.message : check.echo, "") << row.entry;
    EXPECT_EQ(check.select, row.select) << row.entry;
  }
}

// An entry the reader refuses: the reader's error, message and bytes.
TEST(CheckingLengths, UnreadableEntriesCarryTheReadersError) {
  for (const char* entry : {"12 bananas", "12", "1/0\"", "12'6'", "5 m 3"}) {
    const tolmer::ParseResult read = tolmer::parse_length(entry);
    ASSERT_FALSE(read.ok()) << entry;
    const tolmer::LengthCheck check = tolmer::validate_length(entry, {}, kMarks);
    EXPECT_EQ(check.verdict, LengthVerdict::Unreadable) << entry;
    EXPECT_EQ(check.error, read.error) << entry;
    EXPECT_EQ(check.message, read.message()) << entry;
    EXPECT_FALSE(check.message.empty()) << entry;
    EXPECT_EQ(check.select, read.where) << entry;
    EXPECT_EQ(check.echo, "") << entry;
  }
}

// Lenient reading that understands none of the entry reads nothing.
TEST(CheckingLengths, LenientReadingOfNothingIsRefused) {
  tolmer::ParseOptions lenient;
  lenient.lenient = true;
  const tolmer::LengthCheck nothing = tolmer::validate_length("bananas", {}, kMarks, lenient);
  EXPECT_EQ(nothing.verdict, LengthVerdict::Unreadable);
  EXPECT_FALSE(nothing.message.empty());
  const tolmer::LengthCheck something = tolmer::validate_length("12' bananas", {}, kMarks, lenient);
  EXPECT_EQ(something.verdict, LengthVerdict::Accepted);
  EXPECT_EQ(something.echo, "12'");
}

}  // namespace
