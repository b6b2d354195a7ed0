// Measurement parsing: character tests, separation, reading numbers by
// position and conversion to inches.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "c_abi/libstring.h"
#include "measure/parse.h"
#include "test_measure_support.h"
#include "tolmerdll.h"

namespace {

using tolmer::testing::buffer_with;
using tolmer::testing::take;

class MeasureParse : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { INITIALIZEDLL(); }
};

// ------------------------------------------------------------------ character tests

TEST_F(MeasureParse, ScaleNumeralCharacterBySystem) {
  struct Case {
    int32_t system;
    const char* text;
    int32_t expected;
  } const cases[] = {
      {0, "/", -1}, {1, "/", 0},   {1, "7x", -1}, {0, "", 0},   {0, "\\", -1}, {1, "\\", 0},
      {7, "/", 0},  // only system 0 takes the fraction bars
      {1, ".", -1}, {0, "-", 0},   {0, " ", 0},   {0, ",", 0},  {0, "x7", 0},  {2, "9", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.system) + " '" + c.text + "'");
    EXPECT_EQ(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(c.system, c.text), c.expected);
  }
  EXPECT_EQ(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(0, nullptr), 0);
}

TEST_F(MeasureParse, NumeralCharacterOfEitherSystem) {
  struct Case {
    const char* text;
    int32_t expected;
  } const cases[] = {
      {"\\", -1}, {"-", 0}, {"5", -1}, {"/", -1}, {".", -1}, {"", 0}, {"a", 0}, {"'", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ISVALIDMEASUREMENTNUMERICALCHARACTER(c.text), c.expected);
  }
}

// -------------------------------------------------------------------------- separation

TEST_F(MeasureParse, SeparationInsertsSpacesAtRunBoundaries) {
  struct Case {
    const char* text;
    const char* expected;
  } const cases[] = {
      {"12'6\"", "12 ' 6 \""},
      {"6-1/2", "6 - 1/2"},
      {"3.5m", "3.5 m"},
      {"12 ft", "12 ft"},
      {"12'-6\"", "12 '- 6 \""},
      {" 5FT3IN ", " 5 FT 3 IN "},  // leading and trailing spaces stay
      {"5\tFT", "5 \tFT"},          // a tab is not a space
      {"12", "12"},
      {"1/2\"", "1/2 \""},
      {"1\\2mm", "1\\2 mm"},
      {"a", "a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    // Exactly the room the contract asks for, then guard bytes.
    const std::size_t grown = std::strlen(c.expected) - std::strlen(c.text);
    std::vector<char> buffer = buffer_with(c.text, grown + 3);
    std::fill(buffer.end() - static_cast<std::ptrdiff_t>(grown + 3), buffer.end(), 'X');
    EXPECT_EQ(take(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data())), c.expected);
    EXPECT_EQ(std::string(buffer.data()), c.expected);
    EXPECT_EQ(std::string(buffer.end() - 2, buffer.end()), "XX");
  }
}

TEST_F(MeasureParse, SeparationOfBlankTextLeavesTheBuffer) {
  for (const char* text : {"   ", ""}) {
    std::vector<char> buffer = buffer_with(text, 2);
    EXPECT_EQ(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()), nullptr);
    EXPECT_EQ(std::string(buffer.data()), text);
    EXPECT_EQ(buffer[std::strlen(text) + 1], 'X');
  }
  EXPECT_EQ(SEPARATEMEASUREMENTSINTEXTSTRING(nullptr), nullptr);
}

TEST_F(MeasureParse, SeparationOfALongPastedText) {
  // Every pair of bytes is a boundary: the text nearly doubles.
  std::string text;
  for (int i = 0; i < 100000; ++i) text += (i % 2 == 0) ? '7' : 'x';
  std::vector<char> buffer = buffer_with(text, text.size());
  const std::string separated = take(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
  ASSERT_EQ(separated.size(), 2 * text.size() - 1);
  EXPECT_EQ(separated.substr(0, 8), "7 x 7 x ");
  EXPECT_EQ(std::string(buffer.data()), separated);
}

// ---------------------------------------------------------- reading one number by position

struct ReadCase {
  int32_t system;
  const char* text;
  int32_t position;
  int32_t backwards;
  float value;
  int32_t start;  // expected start (preset kPreset before the call)
  int32_t end;    // expected end (preset kPreset before the call)
};

constexpr int32_t kPreset = 77;

// Reads one case with both references preset and checks value, start and end.
void expect_reading(const ReadCase& c) {
  SCOPED_TRACE(std::string(c.text) + " @" + std::to_string(c.position));
  LibString text = tolmer::make_libstring(c.text);
  int32_t start = kPreset, end = kPreset;
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(c.system, text, c.position, c.backwards,
                                                      &start, &end),
            c.value);
  EXPECT_EQ(start, c.start);
  EXPECT_EQ(end, c.end);
  FREELIBSTRING(text);
}

TEST_F(MeasureParse, ReadsTheNumberNextToAPosition) {
  const ReadCase cases[] = {
      // The inches of 12' 6 1/2": fraction and whole part, start and end.
      {0, "12 ' 6 1/2 \"", 10, -1, 6.5f, 6, 10},
      // A number at position 1 has no start: the start keeps its value and
      // the end is that start value plus the length minus 1.
      {0, "6 FT", 1, -1, 6.0f, kPreset, kPreset},
      // A one-digit number read backwards has no start either.
      {0, "5 FT 3 IN", 6, -1, 3.0f, kPreset, kPreset},
      {0, "5 FT 13 IN", 7, -1, 13.0f, 6, 7},
      {0, "12 13/16", 8, -1, 12.8125f, 1, 8},
      {0, "150 FT", 3, -1, 150.0f, 1, 3},
      {0, "16 FT", 2, -1, 16.0f, kPreset, kPreset + 1},
      {0, "- 5 FT", 3, -1, 5.0f, kPreset, kPreset},  // the minus sign is not read
      // Backslash: a numeral in English only.
      {0, "7\\ IN", 2, -1, 7.0f, kPreset, kPreset + 1},
      {1, "7\\ IN", 2, -1, 0.0f, kPreset, kPreset - 1},
      // A fraction is cut out of the stretch in any system.
      {1, "1/2 M", 3, -1, 0.5f, 1, 3},
      // Forwards: the stretch starts at the position; the start search runs
      // only below position - 1, so it finds nothing here, and the fraction's
      // end is searched from the untouched start.
      {0, "150 FT", 1, 0, 150.0f, kPreset, kPreset + 2},
      {0, "x 3 1/4", 3, 0, 3.25f, kPreset, 2},  // "1/4" not found from 77: 0 + 3 - 1
      // A backwards flag other than -1 reads forwards.
      {0, "x 42", 3, 1, 42.0f, kPreset, kPreset + 1},
  };
  for (const ReadCase& c : cases) expect_reading(c);
}

TEST_F(MeasureParse, ReadingOutsideTheTextLeavesTheReferences) {
  const ReadCase cases[] = {
      {0, "12 FT", 6, 0, 0.0f, kPreset, kPreset},    // forwards past the end
      {0, "12 FT", 0, -1, 0.0f, kPreset, kPreset},   // backwards before position 1
      {0, "12 FT", -3, -1, 0.0f, kPreset, kPreset},
      {0, "   5", 3, -1, 0.0f, kPreset, kPreset},    // blank stretch
      {0, "5   ", 2, 0, 0.0f, kPreset, kPreset},
      {0, "", 1, -1, 0.0f, kPreset, kPreset},
  };
  for (const ReadCase& c : cases) expect_reading(c);
}

TEST_F(MeasureParse, ReadingWithAStartNearTheLimitDoesNotOverflow) {
  LibString text = tolmer::make_libstring("6 FT");
  int32_t start = INT32_MAX, end = 0;
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, 1, -1, &start, &end), 6.0f);
  EXPECT_EQ(start, INT32_MAX);
  EXPECT_EQ(end, INT32_MAX);
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, text, 1, -1, nullptr, nullptr), 6.0f);
  FREELIBSTRING(text);
}

// ------------------------------------------------------------------------- conversion

struct ConvertCase {
  const char* text;
  float maximum;
  float inches;
};

TEST_F(MeasureParse, WorkedReadings) {
  const ConvertCase cases[] = {
      {"12 ' 6 1/2 \"", 0, 150.5f},
      {"5 FT 3 IN", 0, 63.0f},
      {"3.5 m", 0, 137.795273f},  // "M" between spaces; 3500 mm
      {"250 mm", 0, 9.84251976f},  // " M " does not match inside "MM"
      {"1 - 1/2", 0, 0.0f},        // no designator word
  };
  for (const ConvertCase& c : cases) {
    SCOPED_TRACE(c.text);
    int32_t start = kPreset, end = kPreset;
    EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES(c.text, c.maximum, &start, &end), c.inches);
    EXPECT_EQ(start, kPreset);  // written only with an error code
    EXPECT_EQ(end, kPreset);
  }
}

TEST_F(MeasureParse, ConversionWordsSpacingAndCase) {
  const ConvertCase cases[] = {
      {"12 '- 6 \"", 0, 150.0f},
      {"2 FT 3 FT", 0, 24.0f},  // a unit is read once, at its first word
      {"1 YD 1 M", 0, 39.370079f},  // the metric reading of code 0 wins
      {"1 M 1 YD", 0, 39.370079f},
      {"5 ft", 0, 60.0f},       // lower case
      {"5 Feet 2 inches", 0, 62.0f},
      {"- 5 FT", 0, 60.0f},     // the minus sign is skipped
      {"12FT", 0, 0.0f},        // not separated: no word between spaces
      {"", 0, 0.0f},
      {"   ", 0, 0.0f},
      {"  7 IN  ", 0, 7.0f},
      {"2 YDS. 1 FOOT", 0, 84.0f},
      {"1 ' 1 '' ", 0, 13.0f},  // two apostrophes are inches
      {"3 DM 2 CM 5 MM", 0, 12.7952757f},  // 300 + 20 + 5 mm, each slot apart
      {"1 1/2 IN", 0, 1.5f},
      {"1/0 IN", 0, std::numeric_limits<float>::infinity()},
      // A fraction anywhere before the word is taken by that word's number:
      // the inches read 3 1/2, and the feet the 1/2 again (6 inches).
      {"1/2 FT 3 IN", 0, 9.5f},
      // A single stored before the metric division: 0.001 m is 1 mm exactly.
      {"0.001 M", 0, 0.0393700786f},
      // Slots are added in extended precision and rounded once.
      {"0.1 YD 0.1 FT 0.3 IN 0.1 MM", 0, 5.10393715f},
      // A word stands between spaces: not as the first token, not inside
      // a longer token; of a unit's words the first in its list wins
      // wherever the others stand ("M." before "M").
      {"FT 3 IN", 0, 3.0f},
      {"3 FT.FT 2 IN", 0, 2.0f},
      {"1 M 2 M.", 0, 78.7401581f},
      {"1 M. 2 M", 0, 39.3700790f},
  };
  for (const ConvertCase& c : cases) {
    SCOPED_TRACE(c.text);
    int32_t start = kPreset, end = kPreset;
    EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES(c.text, c.maximum, &start, &end), c.inches);
    EXPECT_EQ(start, kPreset);
    EXPECT_EQ(end, kPreset);
  }
}

TEST_F(MeasureParse, HyphenatedFeetAndInches) {
  const ConvertCase cases[] = {
      // A hyphen straight after a unit word or mark separates feet from inches.
      {"12 '- 6 \"", 0, 150.0f},
      {"3 '- 4 3/8 \"", 0, 40.375f},
      {"12 FT- 6 IN", 0, 150.0f},
      {"12 '- 0 \"", 0, 144.0f},
      {"12 ft- 6 in", 0, 150.0f},
      // A hyphen between whole inches and their fraction joins them.
      {"6 - 1/2 \"", 0, 6.5f},
      {"12 ' 6 - 1/2 \"", 0, 150.5f},
      {"6-1/2 \"", 0, 6.5f},
      {"6 -1/2 IN", 0, 6.5f},
      {"6 - 15\\16 \"", 0, 6.9375f},
      // Other hyphens are left as they are.
      {"- 5 FT", 0, 60.0f},     // first byte
      {"1 - 1/2", 0, 0.0f},     // no unit word
      {"6 - 1 IN", 0, 1.0f},    // no fraction after it
      {"6 - 1/ IN", 0, 1.0f},   // no digit after the bar
      {"X - 1/2 IN", 0, 0.5f},  // no digit before it
      {"12 ' - 6 \"", 0, 150.0f},
  };
  for (const ConvertCase& c : cases) {
    SCOPED_TRACE(c.text);
    int32_t start = kPreset, end = kPreset;
    EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES(c.text, c.maximum, &start, &end), c.inches);
    EXPECT_EQ(start, kPreset);
    EXPECT_EQ(end, kPreset);
  }
  // A mended hyphen reads exactly as a space would.
  const char* const pairs[][2] = {
      {"3 M- 50 CM", "3 M  50 CM"},
      {"2 YD- 1 FT- 3 IN", "2 YD  1 FT  3 IN"},
      {"1 FT- 3 1/4 IN", "1 FT  3 1/4 IN"},
      {"4 FT 3 - 7/8 IN", "4 FT 3   7/8 IN"},
  };
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair[0]);
    const float spaced = CONVERTTEXTSTRINGVALUETOINCHES(pair[1], 0, nullptr, nullptr);
    EXPECT_GT(spaced, 0.0f);
    EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES(pair[0], 0, nullptr, nullptr), spaced);
  }
}

TEST_F(MeasureParse, HyphenMendMovesNoPosition) {
  // The inches number 12 1/2 is read across the hyphen; its positions are
  // those of the typed text (trimmed).
  int32_t start = kPreset, end = kPreset;
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("5 ' 12 - 1/2 \"", 10, &start, &end), -6.0f);
  EXPECT_EQ(start, 5);
  EXPECT_EQ(end, 12);
  start = end = kPreset;
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("  11 FT- 6 IN", 10, &start, &end), -4.0f);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 1);
}

TEST_F(MeasureParse, HyphensStayInSeparationAndReading) {
  std::vector<char> buffer = buffer_with("12'-6\"", 8);
  EXPECT_EQ(take(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data())), "12 '- 6 \"");
  const ReadCase cases[] = {
      {0, "6 - 1/2 \"", 7, -1, 0.5f, 5, 7},
  };
  for (const ReadCase& c : cases) expect_reading(c);
}

struct MaximumCase {
  const char* text;
  float maximum;
  float result;
  int32_t start, end;  // kPreset: not written
};

TEST_F(MeasureParse, MaximumPerTypedNumber) {
  const MaximumCase cases[] = {
      {"16 FT", 10, -4.0f, 0, 1},
      {"150 FT", 100, -4.0f, 1, 3},
      {"   150 FT", 100, -4.0f, 1, 3},   // positions in the trimmed text
      {"150 MM", 100, -7.0f, 1, 3},
      {"100 M", 100, 3937.00781f, kPreset, kPreset},  // the maximum is per typed number
      {"11 M", 10, -1.0f, 0, 1},
      {"11 YD", 10, -2.0f, 0, 1},
      {"11 DM", 10, -3.0f, 0, 1},
      {"11 CM", 10, -5.0f, 0, 1},
      {"11 IN", 10, -6.0f, 0, 1},
      {"11 MM", 10, -7.0f, 0, 1},
      {"20 FT 30 IN", 10, -6.0f, 7, 8},  // inches are visited before feet
      {"5 FT 30 IN", 10, -6.0f, 6, 7},
      {"5 FT 9 IN", 8, -6.0f, 0, 0},     // one digit read backwards: no start
      {"12 ' 6 1/2 \"", 6, -6.0f, 6, 10},
      {"10 FT", 10, 120.0f, kPreset, kPreset},  // equal passes
      {"150 FT", 0, 1800.0f, kPreset, kPreset}, // 0 disables the check
      {"150 FT", -1, 1800.0f, kPreset, kPreset},
  };
  for (const MaximumCase& c : cases) {
    SCOPED_TRACE(c.text);
    int32_t start = kPreset, end = kPreset;
    EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES(c.text, c.maximum, &start, &end), c.result);
    EXPECT_EQ(start, c.start);
    EXPECT_EQ(end, c.end);
  }
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("150 FT", 100, nullptr, nullptr), -4.0f);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES(nullptr, 100, nullptr, nullptr), 0.0f);
}

TEST_F(MeasureParse, SeparatedTextConvertsLikeTheWorkedRoad) {
  // The road of one entry: separation, then conversion.
  struct Case {
    const char* typed;
    float inches;
  } const cases[] = {
      {"12'6 1/2\"", 150.5f}, {"5FT3IN", 63.0f}, {"250mm", 9.84251976f},
      {"6-1/2 in", 6.5f}, {"6 1/2in", 6.5f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    std::vector<char> buffer = buffer_with(c.typed, std::strlen(c.typed));
    FREELIBSTRING(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
    EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES(buffer.data(), 0, nullptr, nullptr), c.inches);
  }
}

}  // namespace
