// String helpers: reversing, stripping, the numeric test, the character search.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "c_abi/libstring.h"
#include "test_text_support.h"

namespace {

using namespace std::string_literals;
using text_test::take;

// -------------------------------------------------------------- reversing

TEST(ReverseStringDll, ReversesEveryByteOfTheLibString) {
  const std::string cases[][2] = {
      {"abc"s, "cba"s},
      {"a\0bc"s, "cb\0a"s},
      {"\0\0x"s, "x\0\0"s},
      {"\xff\x80 z"s, "z \x80\xff"s},
      {"q"s, "q"s},
  };
  for (const auto& c : cases) {
    LibString handle = tolmer::make_libstring(c[0]);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(take(REVERSESTRINGDLL(handle)), c[1]);
    // The argument is only read.
    EXPECT_EQ(std::string(tolmer::libstring_bytes(handle)), c[0]);
    FREELIBSTRING(handle);
  }
}

TEST(ReverseStringDll, EmptyStringGivesEmptyString) {
  EXPECT_EQ(REVERSESTRINGDLL(nullptr), nullptr);
}

TEST(ReverseStringDll, EveryByteValueRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  LibString handle = tolmer::make_libstring(all);
  LibString once = REVERSESTRINGDLL(handle);
  ASSERT_EQ(tolmer::libstring_bytes(once).size(), 256u);
  EXPECT_EQ(static_cast<unsigned char>(tolmer::libstring_bytes(once)[0]), 255);
  EXPECT_EQ(take(REVERSESTRINGDLL(once)), all);
  FREELIBSTRING(once);
  FREELIBSTRING(handle);
}

TEST(ReverseString, ReversesTextUpToItsNul) {
  const char* const cases[][2] = {
      {"Wall 12", "21 llaW"},
      {"ab\0cd", "ba"},
      {"", ""},
      {" x\t", "\tx "},
  };
  for (const auto& c : cases) EXPECT_EQ(take(REVERSESTRING(c[0])), c[1]) << c[0];
  EXPECT_EQ(REVERSESTRING(nullptr), nullptr);
}

// -------------------------------------------------------------- STRIPNULL

TEST(StripNull, CutsAtNulAndStripsBlanks) {
  const char* const cases[][2] = {
      {"  Panel A  ", "Panel A"},
      {"   ", ""},
      {"", ""},
      {"a  b", "a  b"},
      {"\tx ", "\tx"},  // only spaces are blanks
      {" y\t ", "y\t"},
      {"  a\0  b  ", "a"},
  };
  for (const auto& c : cases) EXPECT_EQ(take(STRIPNULL(c[0])), c[1]) << "'" << c[0] << "'";
  EXPECT_EQ(STRIPNULL("   "), nullptr);  // the empty string is the null handle
  EXPECT_EQ(STRIPNULL(nullptr), nullptr);
}

// ------------------------------------------------------------ ISNUMERICDLL

TEST(IsNumericDll, DigitsAndAtMostOnePeriod) {
  struct Case {
    const char* text;
    int32_t result;
  };
  const Case cases[] = {
      {"12", 1},    {"12.5", 1}, {".5", 1},   {"5.", 1},   {".", 1},      {"", 1},
      {"0123456789", 1},         {nullptr, 1},
      {"1.2.3", 0}, {"-3", 0},   {"+3", 0},   {" 12", 0},  {"12 ", 0},    {"1e3", 0},
      {"1,000", 0}, {"..", 0},   {"12a", 0},  {"\t1", 0},  {"\xb2", 0},   {"/", 0},
      {":", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ISNUMERICDLL(c.text), c.result) << "'" << (c.text ? c.text : "(null)") << "'";
  }
}

// ------------------------------------------------ STRINGCONTAINSCHARACTERS

TEST(StringContainsCharacters, PositionWithinTheSet) {
  struct Case {
    const char* string;
    const char* characters;
    int32_t result;
  };
  const Case cases[] = {
      {"Room 1/2", ".,/", 3},
      {"Kitchen", ".,/", 0},
      {"a.b,c", ",.", 1},
      {"", "abc", 0},
      {"abc", "", 0},
      {nullptr, "a", 0},
      {"abc", nullptr, 0},
      {"abc", "xyzc", 4},
      {"abc", "CBA", 0},  // case matters
      {"caf\xe9", "\xc9\xe9", 2},
      {"a b", "\t ", 2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(STRINGCONTAINSCHARACTERS(c.string, c.characters), c.result)
        << "'" << (c.string ? c.string : "(null)") << "' in '"
        << (c.characters ? c.characters : "(null)") << "'";
  }
}

}  // namespace
