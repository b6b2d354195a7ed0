// The text and number primitives every export builds on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "frame/primitives.h"

using namespace tolmer;

namespace {

struct NumberCase {
  long double value;
  int digits;
  NumberForm form;
  const char* text;
};

class NumberToText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberToText, LaysOutDigits) {
  const NumberCase& c = GetParam();
  EXPECT_EQ(number_to_text(c.value, c.digits, c.form), c.text);
}

constexpr auto P = NumberForm::Plain;
constexpr auto S = NumberForm::Spaced;

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberToText,
    ::testing::Values(
        NumberCase{0.0L, 15, P, "0"}, NumberCase{0.0L, 15, S, " 0"},
        NumberCase{-0.0L, 15, P, "0"}, NumberCase{0.5L, 15, P, ".5"},
        NumberCase{0.5L, 15, S, " .5"}, NumberCase{2.0L, 15, P, "2"},
        NumberCase{-3.0L, 15, P, "-3"}, NumberCase{-3.0L, 15, S, "-3"},
        NumberCase{1.25L, 15, P, "1.25"}, NumberCase{1e20L, 15, P, "1E+20"},
        NumberCase{-0.25L, 15, P, "-.25"}, NumberCase{12.75L, 15, P, "12.75"},
        NumberCase{0.05L, 15, P, ".05"}, NumberCase{1200.0L, 15, P, "1200"},
        NumberCase{12345678.0L, 7, P, "1.234568E+7"}, NumberCase{0.00000012L, 7, P, "1.2E-7"},
        NumberCase{1234567.0L, 7, P, "1234567"}, NumberCase{99999995.0L, 7, P, "1E+8"},
        NumberCase{9.9999999L, 7, P, "10"}, NumberCase{0.1L, 15, P, ".1"},
        NumberCase{1.0L / 3.0L, 15, P, ".333333333333333"},
        NumberCase{2.0L / 3.0L, 7, P, ".6666667"},
        NumberCase{123456.75L, 7, P, "123456.8"},  // 5 after odd 7 rounds up
        NumberCase{123456.25L, 7, P, "123456.2"},  // 5 after even 2 stays
        NumberCase{1e15L, 15, P, "1E+15"}, NumberCase{999999999999999.0L, 15, P, "999999999999999"},
        NumberCase{0.000001L, 7, P, ".000001"}, NumberCase{0.0000001L, 7, P, ".0000001"}, NumberCase{0.00000001L, 7, P, "1E-8"},
        NumberCase{25.399999618530273L, 15, P, "25.3999996185303"},
        NumberCase{std::numeric_limits<long double>::infinity(), 15, S, " Inf"},
        NumberCase{-std::numeric_limits<long double>::infinity(), 15, P, "-Inf"}));

TEST(NumberToText, SingleNearestOneTenthIsPointOne) {
  EXPECT_EQ(single_to_text(0.1f), ".1");
  EXPECT_EQ(single_to_text(0.1f, NumberForm::Spaced), " .1");
  // With 15 digits the single's error shows.
  EXPECT_EQ(double_to_text(0.1f), ".100000001490116");
}

TEST(NumberToText, EighteenDigitRoundingComesFirst) {
  // 0.15 as a double is 0.1499999999999999944..., which to 18 digits is
  // .149999999999999994: the first dropped digit at one place is 4.
  EXPECT_EQ(number_to_text(0.15, 1), ".1");
  // 2.5 exactly: the 5 follows an even digit and is dropped.
  EXPECT_EQ(number_to_text(2.5, 1), "2");
  EXPECT_EQ(number_to_text(3.5, 1), "4");
  // A 5 followed by more digits still rounds by the parity rule alone.
  EXPECT_EQ(number_to_text(2.51L, 1), "2");
}

// Values whose exact expansion has at most 18 digits are written from it;
// longer ones go through the 18-digit rounding (ties to even) first. Both
// sides of that boundary, for doubles and for wider long doubles.
INSTANTIATE_TEST_SUITE_P(
    ExpansionLengths, NumberToText,
    ::testing::Values(
        NumberCase{123456789012345678.0L, 18, P, "123456789012345678"},
        NumberCase{1152921504606846976.0L, 18, P, "1.15292150460684698E+18"},  // 2^60
        NumberCase{18446744073709551615.0L, 18, P, "1.84467440737095516E+19"},  // 2^64 - 1
        NumberCase{0.00000095367431640625L, 15, P, "9.5367431640625E-7"},     // 2^-20
        NumberCase{0.00000001490116119384765625L, 18, P, "1.49011611938476562E-8"},  // 2^-26: tie kept
        NumberCase{0.00000004470348358154296875L, 18, P, "4.47034835815429688E-8"},  // tie raised
        NumberCase{1234.5625L, 15, S, " 1234.5625"}, NumberCase{-1234.5625L, 6, P, "-1234.56"},
        NumberCase{12345.6789L, 15, P, "12345.6789"}, NumberCase{-0.0625L, 1, P, "-6E-2"},
        // The least double, 4.94065645841246544...E-324: the dropped 5 follows an even 6.
        NumberCase{std::numeric_limits<double>::denorm_min(), 15, P, "4.94065645841246E-324"},
        NumberCase{1e300L, 15, P, "1E+300"}, NumberCase{1e-4000L, 7, P, "1E-4000"},
        // Digits just past the kept ones that read 9999... or 0000...
        NumberCase{0.1234567999999, 7, P, ".1234568"}, NumberCase{0.1234567000001, 7, P, ".1234567"},
        NumberCase{2.5000000001, 1, P, "2"}, NumberCase{3.4999999999, 1, P, "3"},
        NumberCase{9.9999999999e-20, 3, P, "1E-19"}, NumberCase{1.0000000001e20f, 7, P, "1E+20"}));

TEST(NumberToText, AppendsWithoutReplacing) {
  std::string out = "x=";
  append_number(out, 1.5L, 15, NumberForm::Spaced);
  EXPECT_EQ(out, "x= 1.5");
}

struct SixCase {
  long double value;
  const char* text;
};

class SixPlaces : public ::testing::TestWithParam<SixCase> {};

TEST_P(SixPlaces, RoundsToAtMostSixDecimals) {
  EXPECT_EQ(six_place_text(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, SixPlaces,
                         ::testing::Values(SixCase{1.0L / 3.0L, ".333333"},
                                           SixCase{2.0L / 3.0L, ".666667"},
                                           SixCase{0.5L, ".5"}, SixCase{0.0L, "."},
                                           SixCase{-0.25L, "-.25"},
                                           SixCase{0.0000005L, "."},      // exactly half: kept down
                                           SixCase{0.00000051L, ".000001"},
                                           SixCase{0.9999996L, "1."},
                                           SixCase{9.9999996L, "10."},   // the carry runs through the 9s
                                           SixCase{129.9999999L, "130."},
                                           SixCase{-99.9999999L, "-100."},
                                           SixCase{0.0625L, ".0625"}));

struct ReadCase {
  const char* text;
  double value;
};

class TextToNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TextToNumber, ReadsLeadingNumber) {
  EXPECT_EQ(text_to_number(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToNumber,
    ::testing::Values(ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"-", 0}, ReadCase{".", 0},
                      ReadCase{"12abc", 12}, ReadCase{"  -3.5e1x", -35}, ReadCase{".5", 0.5},
                      ReadCase{"1 2", 1}, ReadCase{"  7 1/2", 7}, ReadCase{"&HFF", 255},
                      ReadCase{"&hff", 255}, ReadCase{"&O17", 15}, ReadCase{"&Q17", 15},
                      ReadCase{"&B101", 5}, ReadCase{"&", 0}, ReadCase{"&X1", 0},
                      ReadCase{"1.5E2", 150}, ReadCase{"1.5D2", 150}, ReadCase{"1.5d+2", 150},
                      ReadCase{"25e-1", 2.5}, ReadCase{"--1", 0}, ReadCase{"+4", 4},
                      ReadCase{"\t\r\n 9", 9}, ReadCase{"1.2.3", 1.2}, ReadCase{"5.", 5},
                      ReadCase{"3e", 3}, ReadCase{"3e+", 3}, ReadCase{"0.1", 0.1},
                      ReadCase{"1e99999", std::numeric_limits<double>::infinity()},
                      ReadCase{"-1e99999", -std::numeric_limits<double>::infinity()},
                      ReadCase{"1e-99999", 0}, ReadCase{"000000000000000000000001", 1},
                      ReadCase{"4.9406564584124654e-324", 4.9406564584124654e-324}));

TEST(TextToNumber, StartsAtPosition) {
  EXPECT_EQ(text_to_number("ab12", 3), 12);
  EXPECT_EQ(text_to_number("ab12", 99), 0);
}

TEST(TextToNumber, LongDigitRunsStayExact) {
  std::string digits(100000, '0');
  digits[0] = '1';
  EXPECT_EQ(text_to_number(digits), std::numeric_limits<double>::infinity());
  EXPECT_EQ(text_to_number("0." + std::string(5000, '0') + "1"), 0.0);
  EXPECT_EQ(text_to_number(std::string(5000, '0') + "12.5"), 12.5);
}

TEST(TextToNumber, ExponentsBeyondFourDigitsAreCapped) {
  // 10^-10000 written out, times 10^10005 read as 10^9999.
  const std::string tiny = "0." + std::string(9999, '0') + "1";
  EXPECT_EQ(text_to_number(tiny + "e10005"), 0.1);
  EXPECT_EQ(text_to_number(tiny + "E+10005x"), 0.1);
  EXPECT_EQ(text_to_number(tiny + "D10005"), 0.1);
  EXPECT_EQ(text_to_number("2e00003"), 2000);
  EXPECT_EQ(text_to_number("2e0003"), 2000);
  EXPECT_EQ(text_to_number("-2.5e-0400"), -0.0);
  EXPECT_EQ(text_to_number("1e0400"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(text_to_number("7.25d-1"), 0.725);
  EXPECT_EQ(text_to_number("7.25e-1d3"), 0.725);
}

struct IntCase {
  long double value;
  int32_t nearest, floor, trunc, ceil;
};

class RealToInteger : public ::testing::TestWithParam<IntCase> {};

TEST_P(RealToInteger, RoundsEachWay) {
  const IntCase& c = GetParam();
  EXPECT_EQ(round_to_int(c.value), c.nearest);
  EXPECT_EQ(floor_to_int(c.value), c.floor);
  EXPECT_EQ(trunc_to_int(c.value), c.trunc);
  EXPECT_EQ(ceil_to_int(c.value), c.ceil);
}

constexpr int32_t kIndefinite = std::numeric_limits<int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Cases, RealToInteger,
    ::testing::Values(IntCase{0.5L, 0, 0, 0, 1}, IntCase{1.5L, 2, 1, 1, 2},
                      IntCase{2.5L, 2, 2, 2, 3}, IntCase{-2.5L, -2, -3, -2, -2},
                      IntCase{3.5L, 4, 3, 3, 4}, IntCase{4.5L, 4, 4, 4, 5},
                      IntCase{-1.5L, -2, -2, -1, -1},
                      IntCase{2147483647.4L, 2147483647, 2147483647, 2147483647, kIndefinite},
                      IntCase{2147483647.5L, kIndefinite, 2147483647, 2147483647, kIndefinite},
                      IntCase{-2147483648.5L, -2147483648, kIndefinite, -2147483648, -2147483648},
                      IntCase{1e30L, kIndefinite, kIndefinite, kIndefinite, kIndefinite},
                      IntCase{std::numeric_limits<long double>::quiet_NaN(), kIndefinite,
                              kIndefinite, kIndefinite, kIndefinite},
                      IntCase{-std::numeric_limits<long double>::infinity(), kIndefinite,
                              kIndefinite, kIndefinite, kIndefinite}));

TEST(IntegerDivision, RoundsOperandsThenTruncates) {
  EXPECT_EQ(int_divide(7.5L, 2.0L), 4);    // 8 / 2
  EXPECT_EQ(int_divide(-7.0L, 2.0L), -3);  // truncated
  EXPECT_EQ(int_divide(5.0L, 0.4L), kIndefinite);  // divisor rounds to 0
  EXPECT_EQ(int_divide(-2147483648.0L, -1.0L), kIndefinite);
}

TEST(DecimalRounding, TiesToEven) {
  EXPECT_EQ(round_decimal(2.5L, 0), 2.0L);
  EXPECT_EQ(round_decimal(0.125L, 2), 0.12L);
  EXPECT_EQ(round_decimal(0.375L, 2), 0.38L);
  EXPECT_EQ(round_decimal(100.0L, 2), 100.0L);
  // A negative or too large place count means 18 places.
  EXPECT_EQ(round_decimal(0.5L, -1), round_decimal(0.5L, 18));
  EXPECT_TRUE(std::isinf(round_decimal(std::numeric_limits<long double>::infinity(), 2)));
}

TEST(Trimming, RemovesSpacesOnly) {
  EXPECT_EQ(trim("\t x "), "\t x");
  EXPECT_EQ(trim_left("  a  "), "a  ");
  EXPECT_EQ(trim_right("  a  "), "  a");
  EXPECT_EQ(trim("    "), "");
  EXPECT_EQ(trim(std::string_view("\0 a", 3)), std::string_view("\0 a", 3));
}

TEST(UpperCasing, MapsTheWesternCodePage) {
  EXPECT_EQ(to_upper("abc xyz 123 ABC"), "ABC XYZ 123 ABC");
  struct { unsigned char in, out; } cases[] = {
      {0xE0, 0xC0}, {0xFE, 0xDE}, {0xF7, 0xF7}, {0x9A, 0x8A}, {0x9C, 0x8C},
      {0x9E, 0x8E}, {0xFF, 0x9F}, {0xDF, 0xDF}, {0xB5, 0xB5}, {0x7B, 0x7B}};
  for (const auto& c : cases) EXPECT_EQ(upper_byte(c.in), c.out) << int(c.in);
  for (int b = 0; b < 128; ++b) {
    const int expected = b >= 'a' && b <= 'z' ? b - 32 : b;
    EXPECT_EQ(upper_byte(static_cast<unsigned char>(b)), expected);
  }
}

TEST(Comparison, IgnoresAsciiCaseOnly) {
  EXPECT_TRUE(equal_ignoring_ascii_case("Generic a4", "GENERIC A4"));
  EXPECT_FALSE(equal_ignoring_ascii_case("\xE0", "\xC0"));
  EXPECT_FALSE(equal_ignoring_ascii_case("ab", "abc"));
}

TEST(Search, FindsFromStart) {
  EXPECT_EQ(find("a/b", "/", 1), 2u);
  EXPECT_EQ(find("a/b", "", 1), 1u);
  EXPECT_EQ(find("a/b", "/", 0), 0u);
  EXPECT_EQ(find("", "", 1), 0u);
  EXPECT_EQ(find("a/b/c", "/", 3), 4u);
  EXPECT_EQ(find("a/b", "/", 3), 0u);
  EXPECT_EQ(find("a/b", "/", -5), 0u);
  EXPECT_EQ(find("abc", "C", 1), 0u);  // case matters
  EXPECT_EQ(find("abc", "", 9), 0u);
  EXPECT_EQ(find_last("a/b/c", "/"), 4u);
  EXPECT_EQ(find_last("abc", "/"), 0u);
}

TEST(Substrings, ClampToTheText) {
  EXPECT_EQ(mid("abcdef", 2, 3), "bcd");
  EXPECT_EQ(mid("abcdef", 5, 10), "ef");
  EXPECT_EQ(mid("abcdef", 7, 1), "");
  EXPECT_EQ(mid("abcdef", 0, 1), "");
  EXPECT_EQ(mid("abcdef", 2, 0), "");
  EXPECT_EQ(mid("abcdef", -2, 5), "ef");
  EXPECT_EQ(mid("abcdef", 3), "cdef");
  EXPECT_EQ(left("abc", 2), "ab");
  EXPECT_EQ(left("abc", 9), "abc");
  EXPECT_EQ(left("abc", -1), "");
  EXPECT_EQ(right("abc", 2), "bc");
  EXPECT_EQ(right("abc", 9), "abc");
  EXPECT_EQ(char_code_at("a\xFF", 2), 255);
  EXPECT_EQ(char_code_at("a", 2), -1);
  EXPECT_EQ(char_code_at("", 1), -1);
}

struct FieldCase {
  const char* text;
  const char* delimiter;
  std::size_t count;
  int64_t k;
  const char* field;
};

class DelimiterFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(DelimiterFields, CountAndPick) {
  const FieldCase& c = GetParam();
  EXPECT_EQ(field_count(c.text, c.delimiter), c.count);
  EXPECT_EQ(field(c.text, c.delimiter, c.k), c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DelimiterFields,
    ::testing::Values(FieldCase{"", ",", 1, 1, ""}, FieldCase{"a,b,", ",", 3, 2, "b"},
                      FieldCase{"a,b,", ",", 3, 3, ""}, FieldCase{"a,b", ", ", 1, 1, "a,b"},
                      FieldCase{"a,,b", ",", 3, 2, ""}, FieldCase{"a,,b", ",", 3, -1, "b"},
                      FieldCase{"a,,b", ",", 3, -3, "a"}, FieldCase{"a,,b", ",", 3, -4, ""},
                      FieldCase{"a,,b", ",", 3, 4, ""}, FieldCase{"a,,b", ",", 3, 0, ""},
                      FieldCase{"aaa", "aa", 2, 2, "a"}, FieldCase{"x::y::z", "::", 3, 3, "z"},
                      FieldCase{"abc", "", 1, 1, "abc"}));

// Long texts where the delimiter is sparse in places and dense in others,
// against a plain split.
TEST(DelimiterFields, LongTextsWithSparseAndDenseStretches) {
  std::string text;
  for (int stretch = 0; stretch < 40; ++stretch) {
    const int gap = stretch % 4 == 0 ? 300 : 1 + stretch % 9;  // sparse, then dense
    for (int i = 0; i < 97; ++i) {
      text.append(static_cast<std::size_t>(gap), static_cast<char>('a' + (stretch + i) % 26));
      text += ';';
    }
  }
  std::vector<std::string> parts;
  std::string current;
  for (const char c : text) {
    if (c == ';') {
      parts.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  parts.push_back(current);
  ASSERT_EQ(field_count(text, ";"), parts.size());
  const auto count = static_cast<int64_t>(parts.size());
  for (int64_t k = 1; k <= count; k += 7) {
    EXPECT_EQ(field(text, ";", k), parts[static_cast<std::size_t>(k - 1)]) << k;
    EXPECT_EQ(field(text, ";", -k), parts[static_cast<std::size_t>(count - k)]) << -k;
  }
  EXPECT_EQ(field(text, ";", count), "");
  EXPECT_EQ(field(text, ";", count + 1), "");
  EXPECT_EQ(field_count(text.substr(0, 1000), ";"), 1 + static_cast<std::size_t>(std::count(
                                                          text.begin(), text.begin() + 1000, ';')));
}

struct DefaultCase {
  const char* text;
  std::size_t count;
  int64_t k;
  const char* field;
};

class DefaultFields : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultFields, CommasAndQuotes) {
  const DefaultCase& c = GetParam();
  EXPECT_EQ(default_field_count(c.text), c.count) << c.text;
  EXPECT_EQ(default_field(c.text, c.k), c.field) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DefaultFields,
    ::testing::Values(DefaultCase{"", 1, 1, ""}, DefaultCase{"a, b,c", 3, 2, "b"},
                      DefaultCase{"\"a,b\",c", 2, 1, "a,b"}, DefaultCase{"\"a,b\",c", 2, 2, "c"},
                      DefaultCase{"  \"q\" junk ,z", 2, 1, "q"},
                      DefaultCase{"  \"q\" junk ,z", 2, 2, "z"},
                      DefaultCase{"\"open, quote", 1, 1, "open, quote"},
                      DefaultCase{"a,b ", 2, 2, "b "}, DefaultCase{"a,b", 2, 3, ""},
                      DefaultCase{"a,b,c", 3, -1, "c"}, DefaultCase{"x,", 2, 2, ""}));

}  // namespace
