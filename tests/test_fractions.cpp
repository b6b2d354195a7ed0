// Fractions: splitting, re-expressing, reducing, converting and extracting.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "measure/fraction.h"
#include "test_measure_support.h"
#include "tolmerdll.h"

namespace {

using tolmer::testing::buffer_with;
using tolmer::testing::take;

// ------------------------------------------------------------ BREAKFRACTIONAPART

struct BreakCase {
  const char* text;
  int32_t whole, numerator, denominator;
  const char* separator;
};

TEST(BreakFractionApart, SplitsTheThreeRuns) {
  const BreakCase cases[] = {
      {"1 1/2", 1, 1, 2, "/"},
      {"11/2", 0, 11, 2, "/"},
      {"1-3\\4", 1, 3, 4, "\\"},
      {"1  1/2", 0, 1, 2, "/"},  // two characters between: no whole number
      {"12 34/56", 12, 34, 56, "/"},
      {"-7 3/4", 7, 3, 4, "/"},        // a sign ends the run
      {"2.5 1/8", 5, 1, 8, "/"},       // so does a point
      {"3/4\\5", 0, 3, 4, "/"},        // the slash wins over an earlier-found backslash
      {"a\\b", 0, 0, 0, "\\"},         // absent runs are 0
      {"/16", 0, 0, 16, "/"},
      {"5 /8", 5, 0, 8, "/"},          // the whole number ends two before the (empty) numerator
      {"99999999999/2", 0, 0, 2, "/"}, // too large for 32 bits: unusable, 0
      {"0002147483647/1", 0, 2147483647, 1, "/"},
  };
  for (const BreakCase& c : cases) {
    SCOPED_TRACE(c.text);
    int32_t whole = -9, numerator = -9, denominator = -9;
    char separator[4] = "zzz";
    BREAKFRACTIONAPART(c.text, &whole, &numerator, &denominator, separator);
    EXPECT_EQ(whole, c.whole);
    EXPECT_EQ(numerator, c.numerator);
    EXPECT_EQ(denominator, c.denominator);
    EXPECT_STREQ(separator, c.separator);
    EXPECT_EQ(separator[2], 'z');  // one byte and its NUL
  }
}

TEST(BreakFractionApart, WritesNothingWithoutSeparator) {
  for (const char* text : {"2.5", "", "12 IN", "-"}) {
    SCOPED_TRACE(text);
    int32_t whole = -9, numerator = -9, denominator = -9;
    char separator[4] = "zzz";
    BREAKFRACTIONAPART(text, &whole, &numerator, &denominator, separator);
    EXPECT_EQ(whole, -9);
    EXPECT_EQ(numerator, -9);
    EXPECT_EQ(denominator, -9);
    EXPECT_STREQ(separator, "zzz");
  }
  BREAKFRACTIONAPART(nullptr, nullptr, nullptr, nullptr, nullptr);
}

TEST(BreakFractionApart, WritesNumeratorThenDenominatorThenWhole) {
  // One variable for all three: the last write (the whole number) stays.
  int32_t shared = -9;
  BREAKFRACTIONAPART("4 3/8", &shared, &shared, &shared, nullptr);
  EXPECT_EQ(shared, 4);
  // Numerator and denominator share: the denominator is written after.
  int32_t whole = 0, both = 0;
  BREAKFRACTIONAPART("4 3/8", &whole, &both, &both, nullptr);
  EXPECT_EQ(both, 8);
}

// ---------------------------------------------------- CONVERTFRACTIONDENOMINATOR

struct ConvertCase {
  const char* text;
  int32_t new_denominator;
  const char* expected;
};

TEST(ConvertFractionDenominator, ReexpressesWithoutReducing) {
  const ConvertCase cases[] = {
      {"15/16", 4, "4/4"},
      {"1/16", 8, "0/8"},
      {"5/16", 8, "2/8"},   // 2.5 to even
      {"7/16", 8, "4/8"},   // 3.5 to even
      {"1 3/4", 8, "1 6/8"},
      {"3\\4", 8, "6\\8"},
      {"1/2", 64, "32/64"},
      {"0 1/2", 4, "2/4"},  // a whole number of 0 is not shown
      // The ratio 10/3 is stored as a single (3.33333325): 15 / it is just
      // above 4.5 and rounds to 5 (the exact ratio would give 4).
      {"15/10", 3, "5/3"},
  };
  for (const ConvertCase& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " over " + std::to_string(c.new_denominator));
    EXPECT_EQ(take(CONVERTFRACTIONDENOMINATOR(c.text, c.new_denominator)), c.expected);
  }
}

TEST(ConvertFractionDenominator, UnusableGivesEmpty) {
  const ConvertCase cases[] = {
      {"3/4", 0, ""}, {"3/4", -8, ""}, {"0/4", 8, ""}, {"3/0", 8, ""},
      {"5", 8, ""},   {"", 8, ""},     {"/", 8, ""},
  };
  for (const ConvertCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CONVERTFRACTIONDENOMINATOR(c.text, c.new_denominator), nullptr);
  }
  EXPECT_EQ(CONVERTFRACTIONDENOMINATOR(nullptr, 8), nullptr);
}

// ----------------------------------------------------------------- REDUCEFRACTION

struct ReduceCase {
  const char* text;
  int32_t largest;
  const char* expected;
};

TEST(ReduceFraction, LowestTermsCarriedAndCapped) {
  const ReduceCase cases[] = {
      {"6/8", 16, "3/4"},
      {"1 3/2", 16, "2 1/2"},
      {"4/4", 16, "1"},
      {"3/10", 16, "3/10"},    // 10 does not exceed 16
      {"33/100", 16, "5/16"},  // 5.28 -> 5
      {"13/50", 16, "1/4"},    // 4.16 -> 4, then 4/16 reduces
      {"3/8", 4, "1/2"},       // 1.5 -> 2, 2/4 reduces
      {"7/8", 4, "1"},         // 3.5 -> 4 = 4/4: a whole one
      {"1/8", 4, ""},          // 0.5 -> 0
      {"2 8/4", 16, "4"},
      {"1 15/16", 8, "2"},     // 7.5 -> 8: carried into the whole number
      {"9/16", 8, "1/2"},      // 4.5 -> 4 (even)
      {"11/16", 8, "3/4"},     // 5.5 -> 6 (even)
      {"3 1/32", 16, "3"},     // 0.5 -> 0: the fraction drops, the whole stays
      {"3\\6", 16, "1\\2"},    // the separator is kept
      {"3/4", 0, "1"},         // a cap below 1 counts as 1
      {"1/2", 0, ""},
      {"1/2", -5, ""},
      {"2147483647 2147483647/1", 16, "4294967294"},  // no overflow in the total
  };
  for (const ReduceCase& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " at " + std::to_string(c.largest));
    EXPECT_EQ(take(REDUCEFRACTION(c.text, c.largest)), c.expected);
  }
}

TEST(ReduceFraction, UnusableGivesEmpty) {
  for (const char* text : {"5", "0/4", "3/0", "", "1 /2"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(REDUCEFRACTION(text, 16), nullptr);
  }
}

// -------------------------------------------------------- FRACTIONSTRINGTODECIMAL

TEST(FractionStringToDecimal, NumeratorOverDenominator) {
  struct Case {
    const char* text;
    float expected;
  } const cases[] = {
      {"1 1/2", 0.5f},  // the whole number is not included
      {"15/16", 0.9375f},
      {"1/3", static_cast<float>(1.0L / 3.0L)},
      {"3/0", 0.0f},
      {"0/5", 0.0f},
      {"2.5", 0.0f},
      {"", 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FRACTIONSTRINGTODECIMAL(c.text), c.expected);
  }
}

// -------------------------------------------------------- DECIMALTOFRACTIONSTRING

struct DecimalCase {
  float value;
  int32_t largest;
  const char* expected;
};

TEST(DecimalToFractionString, FractionsOfAnInch) {
  const DecimalCase cases[] = {
      {0.375f, 16, "3/8"},
      {0.3f, 16, "3/10"},
      {0.33f, 16, "5/16"},
      {0.5f, 16, "1/2"},
      {0.999f, 16, "1"},
      {-0.75f, 16, "3/4"},  // the sign is not a digit
      {3.0f, 16, "3"},
      {0.0f, 16, "0"},
      {0.0625f, 16, "1/16"},
      {0.9375f, 8, "1"},     // 15/16 at eighths: 7.5 rounds to 8
      {0.99f, 16, "1"},      // the fraction of 143.99
      {0.01f, 16, ""},       // the fraction of 6.01: too small for sixteenths
      {0.0000001f, 16, "0"}, // below the sixth place: rounds to 0
      {0.25f, 3, "1/3"},     // a cap of 3 cannot show a quarter
      {0.25f, 64, "1/4"},
      {static_cast<float>(1.0 / 3.0), 64, "21/64"},  // .333333 x 64 = 21.33
      {0.1f, 16, "1/10"},    // the single nearest 0.1 prints as .1
  };
  for (const DecimalCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " at " + std::to_string(c.largest));
    EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(c.value, c.largest)), c.expected);
  }
}

// Whole numbers of 64ths take a shorter road than other values; the
// reduction, the cap and its ties-to-even rounding must be the same.
TEST(DecimalToFractionString, SixtyFourths) {
  const DecimalCase cases[] = {
      {0.015625f, 64, "1/64"},
      {0.984375f, 64, "63/64"},
      {0.984375f, 16, "1"},     // 15.75 sixteenths round to 16
      {0.046875f, 32, "1/16"},  // 1.5 32nds: ties to even, 2
      {0.078125f, 32, "1/16"},  // 2.5 32nds: ties to even, 2
      {0.015625f, 32, ""},      // half a 32nd rounds to none
      {0.125f, 4, ""},
      {0.375f, 4, "1/2"},
      {0.625f, 4, "1/2"},
      {0.875f, 4, "1"},
      {0.5f, 2, "1/2"},
      {0.5f, 0, ""},            // no cap below 1: 0.5 of a whole rounds to 0
      {0.75f, -3, "1"},
      {0.3125f, 1000, "5/16"},
      {0.03125f, 64, "1/32"},
  };
  for (const DecimalCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " at " + std::to_string(c.largest));
    EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(c.value, c.largest)), c.expected);
  }
}

TEST(DecimalToFractionString, KeepsWholeDigitsOfOneAndMore) {
  const DecimalCase cases[] = {
      {2.5f, 16, "2 1/2"},
      {12.75f, 4, "12 3/4"},
      {-2.5f, 16, "2 1/2"},
      {1.0f, 16, "1"},
      {0.9999999f, 16, "1"},  // rounds up to 1 at the sixth place
      {5.99f, 16, "6"},       // the fraction carries into the whole number
      {143.99f, 16, "144"},
  };
  for (const DecimalCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " at " + std::to_string(c.largest));
    EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(c.value, c.largest)), c.expected);
  }
}

TEST(DecimalToFractionString, ValuesFromTenMillionOnAreWholeNumbers) {
  // Seven digits write these in exponent form; every single this large is
  // whole, so the text is the answer (it used to be read as a fraction
  // "5E+10/10" and lost).
  const DecimalCase cases[] = {
      {1.5e10f, 16, "1.5E+10"},
      {12345678.5f, 16, "1.234568E+7"},
      {1e7f, 16, "1E+7"},
      {3.4028235e38f, 64, "3.402823E+38"},
      {-1.5e10f, 16, "-1.5E+10"},
      {1.25e-5f, 16, ""},  // small values still go the fraction way
  };
  for (const DecimalCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " at " + std::to_string(c.largest));
    EXPECT_EQ(take(DECIMALTOFRACTIONSTRING(c.value, c.largest)), c.expected);
  }
}

TEST(DecimalToFractionString, CoreMatchesExport) {
  for (float value : {0.375f, 2.5f, 0.01f, 0.0f}) {
    EXPECT_EQ(tolmer::decimal_to_fraction_string(value, 16),
              take(DECIMALTOFRACTIONSTRING(value, 16)));
  }
}

// ---------------------------------------------------- EXTRACTFRACTIONINTEXTSTRING

struct ExtractCase {
  const char* text;
  int32_t reversed;
  const char* fraction;   // "" when none is found
  float value;            // expected value (when found)
  const char* remainder;  // expected remainder
};

TEST(ExtractFractionInTextString, FindsAndCutsOut) {
  const ExtractCase cases[] = {
      {"5 3/8 IN", 0, "3/8", 0.375f, "5  IN"},
      {"61/31 21", -1, "13/16", 0.8125f, " 21"},  // reversed "12 13/16"
      {"61/31 21", 1, "61/31", 61.0f / 31.0f, " 21"},  // only -1 means reversed
      {"  3/4  ", 0, "3/4", 0.75f, ""},
      {"2\\1 6", -1, "1\\2", 0.5f, " 6"},
      {"x12/5y/7", 0, "12/5", 2.4f, "xy/7"},
      {"1/0", 0, "1/0", std::numeric_limits<float>::infinity(), ""},
  };
  for (const ExtractCase& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<char> buffer = buffer_with(c.text, 4);
    int32_t length = -9;
    float value = -1.0f;
    const std::string fraction =
        take(EXTRACTFRACTIONINTEXTSTRING(c.text, c.reversed, buffer.data(), &length, &value));
    EXPECT_EQ(fraction, c.fraction);
    EXPECT_EQ(value, c.value);
    EXPECT_EQ(length, static_cast<int32_t>(std::strlen(c.remainder)));
    // Left-aligned, spaces up to the previous text's length, NUL, untouched after.
    std::string padded = c.remainder;
    padded.resize(std::strlen(c.text), ' ');
    EXPECT_EQ(std::string(buffer.data()), padded);
    EXPECT_EQ(std::string(buffer.end() - 4, buffer.end()), "XXXX");
  }
}

TEST(ExtractFractionInTextString, NoFractionBlanksTheBuffer) {
  for (const char* text : {"12 IN", "/5", "/12", "12/", "a/b", "1 /2", "12 /", "  1/  "}) {
    SCOPED_TRACE(text);
    std::vector<char> buffer = buffer_with(text, 2);
    int32_t length = -9;
    float value = -1.0f;
    EXPECT_EQ(EXTRACTFRACTIONINTEXTSTRING(text, 0, buffer.data(), &length, &value), nullptr);
    EXPECT_EQ(value, -1.0f);  // untouched
    EXPECT_EQ(length, 0);
    EXPECT_EQ(std::string(buffer.data()), std::string(std::strlen(text), ' '));
    EXPECT_EQ(buffer[std::strlen(text) + 1], 'X');
  }
}

TEST(ExtractFractionInTextString, LongerRemainderIsCutToTheBuffer) {
  // The buffer holds 2 bytes of text; the remainder "5  IN" does not fit.
  std::vector<char> buffer = buffer_with("ab", 6);
  int32_t length = -9;
  float value = 0;
  EXPECT_EQ(take(EXTRACTFRACTIONINTEXTSTRING("5 3/8 IN", 0, buffer.data(), &length, &value)), "3/8");
  EXPECT_EQ(length, 2);
  EXPECT_EQ(std::string(buffer.data()), "5 ");
  EXPECT_EQ(std::string(buffer.begin() + 3, buffer.end()), "XXXXXX");
  // An empty buffer takes nothing but keeps its NUL.
  std::vector<char> empty = buffer_with("", 3);
  EXPECT_EQ(take(EXTRACTFRACTIONINTEXTSTRING("1/2", 0, empty.data(), &length, &value)), "1/2");
  EXPECT_EQ(length, 0);
  EXPECT_EQ(empty[0], '\0');
  EXPECT_EQ(empty[1], 'X');
}

TEST(ExtractFractionInTextString, TextMayBeTheBufferItself) {
  std::vector<char> buffer = buffer_with("7 1/4 FT");
  int32_t length = 0;
  float value = 0;
  EXPECT_EQ(take(EXTRACTFRACTIONINTEXTSTRING(buffer.data(), 0, buffer.data(), &length, &value)),
            "1/4");
  EXPECT_EQ(std::string(buffer.data()), "7  FT   ");
  EXPECT_EQ(value, 0.25f);
}

TEST(ExtractFractionInTextString, NullArgumentsAreSafe) {
  float value = 0;
  EXPECT_EQ(take(EXTRACTFRACTIONINTEXTSTRING("3/4", 0, nullptr, nullptr, &value)), "3/4");
  EXPECT_EQ(value, 0.75f);
  EXPECT_EQ(EXTRACTFRACTIONINTEXTSTRING(nullptr, -1, nullptr, nullptr, nullptr), nullptr);
}

}  // namespace
