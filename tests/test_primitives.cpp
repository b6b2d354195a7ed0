// The text and number primitives every export builds on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "frame/primitives.h"
#include "text/fields.h"
#include "test_support.h"

using namespace tolmer;
using test_support::xdec;
using test_support::xinf;
using test_support::xnan;

namespace {

struct NumberCase {
  tolmer::xreal value;
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
        NumberCase{xdec(0, 0), 15, P, "0"}, NumberCase{xdec(0, 0), 15, S, " 0"},
        NumberCase{-xdec(0, 0), 15, P, "0"}, NumberCase{xdec(5, -1), 15, P, ".5"},
        NumberCase{xdec(5, -1), 15, S, " .5"}, NumberCase{xdec(2, 0), 15, P, "2"},
        NumberCase{-xdec(3, 0), 15, P, "-3"}, NumberCase{-xdec(3, 0), 15, S, "-3"},
        NumberCase{xdec(125, -2), 15, P, "1.25"}, NumberCase{xdec(1, 20), 15, P, "1E+20"},
        NumberCase{-xdec(25, -2), 15, P, "-.25"}, NumberCase{xdec(1275, -2), 15, P, "12.75"},
        NumberCase{xdec(5, -2), 15, P, ".05"}, NumberCase{xdec(12, 2), 15, P, "1200"},
        NumberCase{xdec(12345678, 0), 7, P, "1.234568E+7"}, NumberCase{xdec(12, -8), 7, P, "1.2E-7"},
        NumberCase{xdec(1234567, 0), 7, P, "1234567"}, NumberCase{xdec(99999995, 0), 7, P, "1E+8"},
        NumberCase{xdec(99999999, -7), 7, P, "10"}, NumberCase{xdec(1, -1), 15, P, ".1"},
        NumberCase{xdec(1, 0) / xdec(3, 0), 15, P, ".333333333333333"},
        NumberCase{xdec(2, 0) / xdec(3, 0), 7, P, ".6666667"},
        NumberCase{xdec(12345675, -2), 7, P, "123456.8"},  // 5 after odd 7 rounds up
        NumberCase{xdec(12345625, -2), 7, P, "123456.2"},  // 5 after even 2 stays
        NumberCase{xdec(1, 15), 15, P, "1E+15"}, NumberCase{xdec(999999999999999, 0), 15, P, "999999999999999"},
        NumberCase{xdec(1, -6), 7, P, ".000001"}, NumberCase{xdec(1, -7), 7, P, ".0000001"}, NumberCase{xdec(1, -8), 7, P, "1E-8"},
        NumberCase{xdec(25399999618530273, -15), 15, P, "25.3999996185303"},
        NumberCase{xinf(), 15, S, " Inf"},
        NumberCase{-xinf(), 15, P, "-Inf"}));

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
  EXPECT_EQ(number_to_text(xdec(251, -2), 1), "2");
}

// Values whose exact expansion has at most 18 digits are written from it;
// longer ones go through the 18-digit rounding (ties to even) first. Both
// sides of that boundary, for doubles and for wider long doubles.
INSTANTIATE_TEST_SUITE_P(
    ExpansionLengths, NumberToText,
    ::testing::Values(
        NumberCase{xdec(123456789012345678, 0), 18, P, "123456789012345678"},
        NumberCase{xdec(1152921504606846976, 0), 18, P, "1.15292150460684698E+18"},  // 2^60
        NumberCase{(xreal(int64_t{9223372036854775807}) * 2 + 1), 18, P, "1.84467440737095516E+19"},  // 2^64 - 1
        NumberCase{xdec(95367431640625, -20), 15, P, "9.5367431640625E-7"},     // 2^-20
        NumberCase{xdec(1490116119384765625, -26), 18, P, "1.49011611938476562E-8"},  // 2^-26: tie kept
        NumberCase{xdec(4470348358154296875, -26), 18, P, "4.47034835815429688E-8"},  // tie raised
        NumberCase{xdec(12345625, -4), 15, S, " 1234.5625"}, NumberCase{-xdec(12345625, -4), 6, P, "-1234.56"},
        NumberCase{xdec(123456789, -4), 15, P, "12345.6789"}, NumberCase{-xdec(625, -4), 1, P, "-6E-2"},
        // The least double, 4.94065645841246544...E-324: the dropped 5 follows an even 6.
        NumberCase{std::numeric_limits<double>::denorm_min(), 15, P, "4.94065645841246E-324"},
        NumberCase{xdec(1, 300), 15, P, "1E+300"}, NumberCase{xdec(1, -4000), 7, P, "1E-4000"},
        // Digits just past the kept ones that read 9999... or 0000...
        NumberCase{0.1234567999999, 7, P, ".1234568"}, NumberCase{0.1234567000001, 7, P, ".1234567"},
        NumberCase{2.5000000001, 1, P, "2"}, NumberCase{3.4999999999, 1, P, "3"},
        NumberCase{9.9999999999e-20, 3, P, "1E-19"}, NumberCase{1.0000000001e20f, 7, P, "1E+20"}));

TEST(NumberToText, AppendsWithoutReplacing) {
  std::string out = "x=";
  append_number(out, xdec(15, -1), 15, NumberForm::Spaced);
  EXPECT_EQ(out, "x= 1.5");
}

struct SixCase {
  tolmer::xreal value;
  const char* text;
};

class SixPlaces : public ::testing::TestWithParam<SixCase> {};

TEST_P(SixPlaces, RoundsToAtMostSixDecimals) {
  EXPECT_EQ(six_place_text(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, SixPlaces,
                         ::testing::Values(SixCase{xdec(1, 0) / xdec(3, 0), ".333333"},
                                           SixCase{xdec(2, 0) / xdec(3, 0), ".666667"},
                                           SixCase{xdec(5, -1), ".5"}, SixCase{xdec(0, 0), "."},
                                           SixCase{-xdec(25, -2), "-.25"},
                                           SixCase{xdec(5, -7), "."},      // exactly half: kept down
                                           SixCase{xdec(51, -8), ".000001"},
                                           SixCase{xdec(9999996, -7), "1."},
                                           SixCase{xdec(99999996, -7), "10."},   // the carry runs through the 9s
                                           SixCase{xdec(1299999999, -7), "130."},
                                           SixCase{-xdec(999999999, -7), "-100."},
                                           SixCase{xdec(625, -4), ".0625"}));

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

// Floor and ceiling to 32-bit integers and the integer division of two reals
// (both rounded to integers, ties to even, the quotient truncated), with the
// library's out-of-range rule (NaN, infinities and values outside the 32-bit
// range give INT32_MIN; so does a divisor of 0). The library itself needs
// only round_to_int and trunc_to_int; the four directions are checked
// together below.
int32_t to_int_checked(xreal whole) {
  if (!(whole >= xreal(int64_t{-2147483648}) && whole <= xreal(2147483647))) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(whole);
}
int32_t floor_to_int(xreal value) { return to_int_checked(x_floor(value)); }
int32_t ceil_to_int(xreal value) { return to_int_checked(x_ceil(value)); }
int32_t int_divide(xreal dividend, xreal divisor) {
  const xreal a = x_nearbyint(dividend);
  const xreal b = x_nearbyint(divisor);
  const int32_t ia = to_int_checked(a);
  const int32_t ib = to_int_checked(b);
  if (ib == 0 || (ia == std::numeric_limits<int32_t>::min() && !(a == xreal(int64_t{-2147483648}))) ||
      (ib == std::numeric_limits<int32_t>::min() && !(b == xreal(int64_t{-2147483648})))) {
    return std::numeric_limits<int32_t>::min();
  }
  if (ia == std::numeric_limits<int32_t>::min() && ib == -1) return std::numeric_limits<int32_t>::min();
  return ia / ib;
}

struct IntCase {
  tolmer::xreal value;
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
    ::testing::Values(IntCase{xdec(5, -1), 0, 0, 0, 1}, IntCase{xdec(15, -1), 2, 1, 1, 2},
                      IntCase{xdec(25, -1), 2, 2, 2, 3}, IntCase{-xdec(25, -1), -2, -3, -2, -2},
                      IntCase{xdec(35, -1), 4, 3, 3, 4}, IntCase{xdec(45, -1), 4, 4, 4, 5},
                      IntCase{-xdec(15, -1), -2, -2, -1, -1},
                      IntCase{xdec(21474836474, -1), 2147483647, 2147483647, 2147483647, kIndefinite},
                      IntCase{xdec(21474836475, -1), kIndefinite, 2147483647, 2147483647, kIndefinite},
                      IntCase{-xdec(21474836485, -1), -2147483648, kIndefinite, -2147483648, -2147483648},
                      IntCase{xdec(1, 30), kIndefinite, kIndefinite, kIndefinite, kIndefinite},
                      IntCase{xnan(), kIndefinite,
                              kIndefinite, kIndefinite, kIndefinite},
                      IntCase{-xinf(), kIndefinite,
                              kIndefinite, kIndefinite, kIndefinite}));

TEST(IntegerDivision, RoundsOperandsThenTruncates) {
  EXPECT_EQ(int_divide(xdec(75, -1), xdec(2, 0)), 4);    // 8 / 2
  EXPECT_EQ(int_divide(-xdec(7, 0), xdec(2, 0)), -3);  // truncated
  EXPECT_EQ(int_divide(xdec(5, 0), xdec(4, -1)), kIndefinite);  // divisor rounds to 0
  EXPECT_EQ(int_divide(-xdec(2147483648, 0), -xdec(1, 0)), kIndefinite);
}

TEST(DecimalRounding, TiesToEven) {
  EXPECT_EQ(round_decimal(xdec(25, -1), 0), xdec(2, 0));
  EXPECT_EQ(round_decimal(xdec(125, -3), 2), xdec(12, -2));
  EXPECT_EQ(round_decimal(xdec(375, -3), 2), xdec(38, -2));
  EXPECT_EQ(round_decimal(xdec(1, 2), 2), xdec(1, 2));
  // A negative or too large place count means 18 places.
  EXPECT_EQ(round_decimal(xdec(5, -1), -1), round_decimal(xdec(5, -1), 18));
  EXPECT_TRUE(tolmer::x_isinf(round_decimal(xinf(), 2)));
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
  const FieldDelimiter delimiter = FieldDelimiter::text(c.delimiter);
  EXPECT_EQ(count_fields(c.text, delimiter), c.count);
  EXPECT_EQ(field_at(c.text, c.k, delimiter), c.field);
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
  ASSERT_EQ(count_fields(text, ";"), parts.size());
  const auto count = static_cast<int64_t>(parts.size());
  for (int64_t k = 1; k <= count; k += 7) {
    EXPECT_EQ(field_at(text, k, ";"), parts[static_cast<std::size_t>(k - 1)]) << k;
    EXPECT_EQ(field_at(text, -k, ";"), parts[static_cast<std::size_t>(count - k)]) << -k;
  }
  EXPECT_EQ(field_at(text, count, ";"), "");
  EXPECT_EQ(field_at(text, count + 1, ";"), "");
  EXPECT_EQ(count_fields(text.substr(0, 1000), ";"), 1 + static_cast<std::size_t>(std::count(
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
  EXPECT_EQ(count_fields(c.text, FieldDelimiter::comma_rule()), c.count) << c.text;
  EXPECT_EQ(field_at(c.text, c.k, FieldDelimiter::comma_rule()), c.field) << c.text;
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
