// The temporary string array: search, append, clear, size and read.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "c_abi/process.h"
#include "test_text_support.h"

namespace {

using text_test::take;

constexpr int32_t kSearch = 0;
constexpr int32_t kAppend = 1;
constexpr int32_t kClear = -1;
constexpr int32_t kSize = -2;

class TempStringArray : public ::testing::Test {
 protected:
  void SetUp() override { INITIALIZEDLL(); }
};

TEST_F(TempStringArray, FreshArrayHoldsOneEmptyEntry) {
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSize, nullptr), 0);
  EXPECT_EQ(READTEMPSTRINGARRAY(0), nullptr);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, ""), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, nullptr), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, "x"), -1);
}

TEST_F(TempStringArray, AppendSearchAndRead) {
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "Kitchen"), 1);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "Garage"), 2);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSize, "ignored"), 2);

  struct Read {
    int32_t index;
    const char* text;
  };
  const Read reads[] = {
      {0, ""},  {1, "Kitchen"}, {2, "Garage"}, {3, ""}, {-1, ""},
      {std::numeric_limits<int32_t>::min(), ""}, {std::numeric_limits<int32_t>::max(), ""},
  };
  for (const auto& r : reads) EXPECT_EQ(take(READTEMPSTRINGARRAY(r.index)), r.text) << r.index;

  struct Search {
    const char* text;
    int32_t index;
  };
  const Search searches[] = {
      {"garage", 2}, {"KITCHEN", 1}, {"Garage", 2}, {"Attic", -1},
      {"Garage ", -1}, {"", 0}, {"Kitche", -1},
  };
  for (const auto& s : searches) EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, s.text), s.index) << s.text;
}

TEST_F(TempStringArray, SearchFoldsOnlyAsciiLetters) {
  ASSERT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "caf\xe9"), 1);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, "CAF\xe9"), 1);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, "CAF\xc9"), -1);
  ASSERT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "[x]"), 2);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, "{x}"), -1);
}

TEST_F(TempStringArray, DuplicatesAreStoredTwiceAndTheLowerIndexFound) {
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "Hall"), 1);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "Den"), 2);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "HALL"), 3);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, "hall"), 1);
  EXPECT_EQ(take(READTEMPSTRINGARRAY(3)), "HALL");
  // An appended empty text is found at index 0 first.
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, ""), 4);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, nullptr), 0);
}

TEST_F(TempStringArray, ClearLeavesTheEmptyEntry) {
  ACCESSTEMPSTRINGARRAY(kAppend, "a");
  ACCESSTEMPSTRINGARRAY(kAppend, "b");
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kClear, "a"), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSize, nullptr), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, "a"), -1);
  EXPECT_EQ(take(READTEMPSTRINGARRAY(1)), "");
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "c"), 1);
}

TEST_F(TempStringArray, OtherOperationsChangeNothing) {
  ACCESSTEMPSTRINGARRAY(kAppend, "a");
  const int32_t others[] = {7, 2, -3, std::numeric_limits<int32_t>::min(),
                            std::numeric_limits<int32_t>::max()};
  for (const int32_t operation : others) {
    EXPECT_EQ(ACCESSTEMPSTRINGARRAY(operation, "b"), 0) << operation;
  }
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSize, nullptr), 1);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, "b"), -1);
}

TEST_F(TempStringArray, InitializeDiscardsEntries) {
  ACCESSTEMPSTRINGARRAY(kAppend, "a");
  INITIALIZEDLL();
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSize, nullptr), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, "a"), -1);
}

TEST_F(TempStringArray, ManyAppendsKeepEveryEntry) {
  const int32_t kCount = 3000;
  for (int32_t i = 1; i <= kCount; ++i) {
    ASSERT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, ("item " + std::to_string(i)).c_str()), i);
  }
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSize, nullptr), kCount);
  for (int32_t i = 1; i <= kCount; i += 137) {
    EXPECT_EQ(take(READTEMPSTRINGARRAY(i)), "item " + std::to_string(i));
  }
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, "ITEM 2999"), 2999);
}

TEST_F(TempStringArray, TextEndsAtItsNul) {
  ASSERT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "ab\0cd"), 1);
  EXPECT_EQ(take(READTEMPSTRINGARRAY(1)), "ab");
}

TEST(TempStringArrayBeforeInitialisation, SafeAnswers) {
  tolmer::state().temp_strings.reset();
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, ""), -1);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "x"), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSize, nullptr), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(5, nullptr), 0);
  EXPECT_EQ(READTEMPSTRINGARRAY(0), nullptr);
  EXPECT_FALSE(tolmer::state().temp_strings.has_value());
  // A clear creates the array with its empty entry.
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kClear, nullptr), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kSearch, ""), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(kAppend, "x"), 1);
  INITIALIZEDLL();
}

}  // namespace
