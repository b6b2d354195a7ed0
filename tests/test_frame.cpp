// Load notification, initialisation, LibString results and the argument
// conventions shared by every export.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <string>

#include "c_abi/abi.h"
#include "c_abi/process.h"
#include "test_support.h"
#include "tolmerdll.h"

namespace {

TEST(LoadNotification, AnswersProcessAttachOnly) {
  EXPECT_EQ(LIBMAIN(0, 1, 0), 1);
  for (int reason : {0, 2, 3, -1, 99}) EXPECT_EQ(LIBMAIN(0, reason, 0), 0) << reason;
}

TEST(LoadState, NothingExistsBeforeInitialisation) {
  // Each test runs in its own process: this one sees the load-time state.
  const tolmer::State& s = tolmer::state();
  EXPECT_FALSE(s.decimal_places.has_value());
  EXPECT_FALSE(s.scales.has_value());
  EXPECT_FALSE(s.paper.has_value());
  EXPECT_FALSE(s.temp_strings.has_value());
  EXPECT_EQ(s.seed, 0xFFFFFFFFu);
  EXPECT_EQ(s.mm_per_inch, 0.0);
  // Conversions before initialisation divide by the unset constant.
  EXPECT_TRUE(std::isinf(MILLIMETERSTOINCHES(1.0f)));
  EXPECT_EQ(INCHESTOMILLIMETERS(1.0), 0.0);
}

// What the exports that need a table or constant answer before
// INITIALIZEDLL, as the header lists them.
class BeforeInitialisation : public ::testing::Test {
 protected:
  void SetUp() override { tolmer::state() = tolmer::State{}; }
  void TearDown() override {
    tolmer::state() = tolmer::State{};
    INITIALIZEDLL();
  }
};

TEST_F(BeforeInitialisation, LookUpsAnswerMinusOne) {
  EXPECT_EQ(GETUBPAPERINFOARRAY(), -1);
  int32_t orientation = 7;
  EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(0, 8.5f, 11.0f, &orientation), -1);
  EXPECT_EQ(orientation, 7);
  char name[32] = "  generic letter ";
  EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(name), -1);
  EXPECT_STREQ(name, "GENERIC LETTER");  // rewritten all the same
  EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(0, 1.0f, 1.0f), -1);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(0, ""), -1);
  // After initialisation the same calls find their records.
  INITIALIZEDLL();
  char again[32] = "  generic letter ";
  EXPECT_GE(GETPAPERINDEXFROMPAPERNAME(again), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(0, ""), 0);
}

TEST_F(BeforeInitialisation, OtherTableReadsAnswerZeroAndWriteNothing) {
  char name[17] = "keep";
  float width = 7, right = 7;
  GETPAPERINFOITEM(0, name, &width, &width, &width, &width, &width, &right);
  EXPECT_STREQ(name, "keep");
  EXPECT_EQ(width, 7.0f);
  EXPECT_EQ(right, 7.0f);
  EXPECT_EQ(GETPAPERINFOWIDTH(0, 1), 0.0f);
  EXPECT_EQ(GETPAPERINFONAMELENGTH(0), 0);
  EXPECT_EQ(GETSCALERATIOVALUE(0, 0, 0), 0.0f);
  SETCONVERSIONDECIMALPLACES(0, 3);
  EXPECT_FALSE(tolmer::state().decimal_places.has_value());
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(-2, nullptr), 0);
}

TEST_F(BeforeInitialisation, ConstantsAreZero) {
  EXPECT_EQ(INCHESTOMILLIMETERS(12.0), 0.0);
  EXPECT_TRUE(std::isnan(INCHESTOMILLIMETERS(INFINITY)));
  EXPECT_TRUE(std::isinf(MILLIMETERSTOINCHES(254.0f)));
  EXPECT_TRUE(std::isnan(MILLIMETERSTOINCHES(0.0f)));
  EXPECT_EQ(GETCONVERTEDSCALEVALUE(0, 1.0f), 0.0f);
  EXPECT_TRUE(std::isinf(GETCONVERTEDSCALEVALUE(1, 1.0f)));
  int32_t start = 0, end = 0;
  EXPECT_TRUE(std::isinf(CONVERTTEXTSTRINGVALUETOINCHES("3 M", 0, &start, &end)));
  EXPECT_EQ(ROTATERADIANSVALUE(7.0, 0.0), 7.0);  // no wrap at a turn of 0
  // Every metric length formats as 0 millimetres.
  using test_support::take;
  const std::string zero = take(GETFORMATEDTEXTFROMINCHES(1, 0, 1, 0.0, 2, 0));
  EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(1, 0, 1, 100.0, 2, 0)), zero);
  INITIALIZEDLL();
  EXPECT_NE(take(GETFORMATEDTEXTFROMINCHES(1, 0, 1, 100.0, 2, 0)), zero);
  EXPECT_LT(ROTATERADIANSVALUE(7.0, 0.0), 1.0);  // 7 - 2 pi
}

TEST(Initialisation, BuildsTheTables) {
  INITIALIZEDLL();
  const tolmer::State& s = tolmer::state();
  ASSERT_TRUE(s.decimal_places.has_value());
  EXPECT_EQ((*s.decimal_places)[0], 0);
  EXPECT_EQ((*s.decimal_places)[1], 0);
  EXPECT_EQ(s.services.select_range_code(), 177);
  EXPECT_EQ(s.services.line_length_code(), 193);
  EXPECT_EQ(s.mm_per_inch, 25.399999618530273);
  EXPECT_EQ(s.pi, 3.141592653589793);
  ASSERT_TRUE(s.temp_strings.has_value());
  ASSERT_EQ(s.temp_strings->size(), 1u);
  EXPECT_EQ((*s.temp_strings)[0], "");
  ASSERT_TRUE(s.paper.has_value());
  EXPECT_EQ(s.paper->size(), 41u);
  EXPECT_EQ(std::string(s.paper->front().name.data(), 16), "Generic Letter  ");
  ASSERT_TRUE(s.scales.has_value());
  EXPECT_EQ((*s.scales)[0][1][4], 48.0f);
  EXPECT_EQ((*s.scales)[1][1][11], 1000.0f);
  EXPECT_EQ((*s.scales)[1][0][12], 0.0f);
}

TEST(Initialisation, RepeatingRestoresTablesButKeepsPlaces) {
  INITIALIZEDLL();
  SETCONVERSIONDECIMALPLACES(1, 4);
  tolmer::state().paper->front().width = 99;
  tolmer::state().temp_strings->push_back("kept?");
  INITIALIZEDLL();
  EXPECT_EQ(tolmer::state().paper->front().width, 8.5f);
  EXPECT_EQ(tolmer::state().temp_strings->size(), 1u);
  EXPECT_EQ((*tolmer::state().decimal_places)[1], 4);
}

TEST(Initialisation, KeepsASmallerPaperTableMadeEarlier) {
  tolmer::state().paper = std::vector<tolmer::StoredPaper>(5);
  INITIALIZEDLL();
  ASSERT_EQ(tolmer::state().paper->size(), 5u);
  EXPECT_EQ(std::string(tolmer::state().paper->at(4).name.data(), 16), "Generic F       ");
}

TEST(LibStringResults, CountBytesAndNul) {
  const std::string bytes("a\0b", 3);
  LibString s = tolmer::make_libstring(bytes);
  ASSERT_NE(s, nullptr);
  uint32_t count = 0;
  std::memcpy(&count, s - 4, 4);
  EXPECT_EQ(count, 3u);
  EXPECT_EQ(std::memcmp(s, bytes.data(), 3), 0);
  EXPECT_EQ(s[3], '\0');
  EXPECT_EQ(tolmer::libstring_bytes(s), bytes);
  FREELIBSTRING(s);
  EXPECT_EQ(tolmer::make_libstring(""), nullptr);
  EXPECT_EQ(tolmer::libstring_bytes(nullptr), "");
  FREELIBSTRING(nullptr);
}

// MAKELIBSTRING: the bytes the caller gives, counted, NULs included.
struct MadeCase {
  const char* label;
  const char* bytes;
  int32_t length;
  std::string expected;  // the bytes of the result; empty for the null handle
};

TEST(MakeLibString, CountsTheGivenBytes) {
  const MadeCase cases[] = {
      {"three bytes", "abc", 3, "abc"},
      {"a prefix", "abcdef", 2, "ab"},
      {"NUL bytes inside", "a\0b", 3, std::string("a\0b", 3)},
      {"the closing NUL", "ab", 3, std::string("ab\0", 3)},
      {"length 0 is the empty string", "abc", 0, ""},
      {"a negative length is the empty string", "abc", -5, ""},
      {"INT32_MIN is the empty string", "abc", INT32_MIN, ""},
      {"no bytes: zeros", nullptr, 4, std::string(4, '\0')},
      {"no bytes, length 0", nullptr, 0, ""},
  };
  for (const MadeCase& c : cases) {
    LibString made = MAKELIBSTRING(c.bytes, c.length);
    if (c.expected.empty()) {
      EXPECT_EQ(made, nullptr) << c.label;
      continue;
    }
    ASSERT_NE(made, nullptr) << c.label;
    uint32_t count = 0;
    std::memcpy(&count, made - 4, 4);
    EXPECT_EQ(count, c.expected.size()) << c.label;
    EXPECT_EQ(std::string(made, count), c.expected) << c.label;
    EXPECT_EQ(made[count], '\0') << c.label;
    FREELIBSTRING(made);
  }
}

TEST(MakeLibString, PassesToTheExportsThatTakeOne) {
  INITIALIZEDLL();
  LibString text = MAKELIBSTRING("a\0bc", 4);
  LibString reversed = REVERSESTRINGDLL(text);
  ASSERT_NE(reversed, nullptr);
  EXPECT_EQ(tolmer::libstring_bytes(reversed), std::string("cb\0a", 4));
  FREELIBSTRING(reversed);
  FREELIBSTRING(text);
  // The number ending at position 10 of a separated entry: 6 1/2.
  LibString entry = MAKELIBSTRING("12 ' 6 1/2 \"", 12);
  int32_t start = 0, end = 0;
  EXPECT_EQ(GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(0, entry, 10, -1, &start, &end), 6.5f);
  EXPECT_EQ(start, 6);
  EXPECT_EQ(end, 10);
  FREELIBSTRING(entry);
}

TEST(TextArguments, NullIsEmptyAndReadingStopsAtNul) {
  using tolmer::abi::text_view;
  EXPECT_EQ(text_view(nullptr), "");
  const char with_nul[] = "ab\0cd";
  EXPECT_EQ(text_view(with_nul), "ab");
  std::string huge(tolmer::abi::kTextCap + 10, 'x');
  EXPECT_EQ(text_view(huge.c_str()).size(), tolmer::abi::kTextCap);
}

TEST(References, NullIsReadAsZeroAndNeverWritten) {
  using namespace tolmer::abi;
  EXPECT_EQ(read<int32_t>(nullptr), 0);
  EXPECT_EQ(read<float>(nullptr), 0.0f);
  int32_t value = 5;
  EXPECT_EQ(read(&value), 5);
  write<int32_t>(nullptr, 3);
  write(&value, 7);
  EXPECT_EQ(value, 7);
  write_buffer(nullptr, "abc");
  char buffer[8] = "zzzzzzz";
  write_buffer(buffer, "ab");
  EXPECT_STREQ(buffer, "ab");
}

}  // namespace
