// Delimited lists and integer arrays.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "c_abi/libstring.h"
#include "text/delimited.h"
#include "tolmerdll.h"
#include "test_support.h"

namespace {

// Takes a LibString result: its bytes, the handle released.
using test_support::take;

// A caller's text buffer with room to spare.
struct Buffer {
  explicit Buffer(const std::string& text) { std::memcpy(bytes.data(), text.c_str(), text.size() + 1); }
  std::array<char, 128> bytes{};
  char* data() { return bytes.data(); }
  std::string str() const { return std::string(bytes.data()); }
};

// A descriptor of `values` with the given lower bound.
TolmerLongArray describe(std::vector<int32_t>& values, int32_t lower = 0) {
  TolmerLongArray array{};
  array.elements = values.data();
  array.flags = TOLMER_LONG_ARRAY_HAS_STORAGE;
  array.lower_bound = lower;
  array.upper_bound = lower + static_cast<int32_t>(values.size()) - 1;
  return array;
}

// ------------------------------------------------------------------ layout

TEST(LongArrayDescriptor, RawBytesAtTheDocumentedOffsetsAreRead) {
  // A descriptor built byte by byte, as a host in another language would.
  std::vector<int32_t> values = {4, 5, 6};
  alignas(TolmerLongArray) std::array<unsigned char, sizeof(TolmerLongArray)> raw{};
  const std::size_t address = sizeof(int32_t*);
  int32_t* storage = values.data();
  const int32_t lower = 0;
  const int32_t upper = 1;  // only elements 0 and 1
  std::memcpy(raw.data(), &storage, address);
  raw[address] = 0x80 | TOLMER_LONG_ARRAY_HAS_STORAGE;  // other flag bits are ignored
  std::memcpy(raw.data() + address + 20, &lower, 4);
  std::memcpy(raw.data() + address + 24, &upper, 4);
  TolmerLongArray array;
  std::memcpy(&array, raw.data(), sizeof array);
  Buffer delimiter(",");
  EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(delimiter.data(), &array)), "4,5");
}

// ------------------------------------------------------ CREATEDELIMITEDSTRING

TEST(CreateDelimitedString, JoinsNonEmptyItems) {
  struct Case {
    std::string delimiter;
    std::array<const char*, 10> items;
    std::string expected;
    std::string delimiter_after;
  };
  const Case cases[] = {
      {",", {"a", "", "b", "", "", "", "", "", "", ""}, "a,b", ","},
      {"", {"a", "", "b", "", "", "", "", "", "", ""}, "a,b", ","},
      {",", {"", "", "", "", "", "", "", "", "", ""}, "", ","},
      {"", {"", "", "", "", "", "", "", "", "", ""}, "", ","},
      {" - ", {"", "x", nullptr, "y", "", "", "", "", "", "z"}, "x - y - z", " - "},
      {"\xFF", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
       "1\xFF" "2\xFF" "3\xFF" "4\xFF" "5\xFF" "6\xFF" "7\xFF" "8\xFF" "9\xFF" "10", "\xFF"},
      {";", {"", "", "", "", "", "", "", "", "", "last"}, "last", ";"},
      {",", {" ", "", "", "", "", "", "", "", "", " "}, " , ", ","},
  };
  for (const Case& c : cases) {
    Buffer delimiter(c.delimiter);
    const auto& i = c.items;
    EXPECT_EQ(take(CREATEDELIMITEDSTRING(delimiter.data(), i[0], i[1], i[2], i[3], i[4], i[5], i[6],
                                         i[7], i[8], i[9])),
              c.expected)
        << "delimiter '" << c.delimiter << "'";
    EXPECT_EQ(delimiter.str(), c.delimiter_after);
  }
}

TEST(CreateDelimitedString, NullDelimiterBufferDefaultsWithoutWriting) {
  EXPECT_EQ(take(CREATEDELIMITEDSTRING(nullptr, "a", "b", "", "", "", "", "", "", "", "")), "a,b");
}

// ------------------------------------------------------- ADDTODELIMITEDSTRING

TEST(AddToDelimitedString, AppendsAndRewritesANonEmptyList) {
  struct Case {
    std::string list;
    const char* item;
    std::string delimiter;
    std::string expected;
    std::string list_after;
    std::string delimiter_after;
  };
  const Case cases[] = {
      {"a,b", "c", ",", "a,b,c", "a,b,", ","},
      {"", "c", ",", "c", "", ","},
      {"a", "", ",", "a,", "a,", ","},
      {"a", nullptr, ",", "a,", "a,", ","},
      {"a,b", "c", "", "a,b,c", "a,b,", ","},
      {"", "", "", "", "", ","},
      {"x", "y", "::", "x::y", "x::", "::"},
  };
  for (const Case& c : cases) {
    Buffer list(c.list);
    Buffer delimiter(c.delimiter);
    EXPECT_EQ(take(ADDTODELIMITEDSTRING(list.data(), c.item, delimiter.data())), c.expected);
    EXPECT_EQ(list.str(), c.list_after) << "list '" << c.list << "'";
    EXPECT_EQ(delimiter.str(), c.delimiter_after);
  }
}

TEST(AddToDelimitedString, EmptyListBufferIsNotWritten) {
  Buffer list("");
  list.bytes[1] = 'Q';  // a byte past the NUL must survive
  EXPECT_EQ(take(ADDTODELIMITEDSTRING(list.data(), "c", nullptr)), "c");
  EXPECT_EQ(list.bytes[0], '\0');
  EXPECT_EQ(list.bytes[1], 'Q');
  EXPECT_EQ(take(ADDTODELIMITEDSTRING(nullptr, "c", nullptr)), "c");
}

// -------------------------------------------------- ISSTRINGINDELIMITEDSTRING

TEST(IsStringInDelimitedString, FindsTheFirstEqualField) {
  struct Case {
    const char* list;
    const char* item;
    std::string delimiter;
    int32_t keep_spaces;
    int32_t match_case;
    int32_t expected;
  };
  const Case cases[] = {
      {"Red, Green,Blue", "green", ",", 0, 0, 2},
      {"Red, Green,Blue", "green", ",", 0, 1, 0},
      {"Red, Green,Blue", "Green", ",", 0, 1, 2},
      {"Red, Green,Blue", "Green", ",", 1, 1, 0},
      {"Red, Green,Blue", " Green", ",", 1, 1, 2},
      {"Red, Green,Blue", " GREEN", ",", 1, 0, 2},
      {"Red, Green,Blue", "  blue  ", ",", 0, 0, 3},
      {"Red, Green,Blue", "red", "", 0, 0, 1},
      {"", "", ",", 0, 0, 1},
      {nullptr, nullptr, ",", 1, 1, 1},
      {"a,,b", "", ",", 1, 1, 2},
      {"a,b,", "", ",", 1, 1, 3},
      {"a,b", "a,b", ",", 0, 0, 0},
      {"a, b", "a, b", ", ", 0, 0, 0},
      {"a, b", "b", ", ", 1, 1, 2},
      {"x, y, x", "x", ", ", 0, 0, 1},
      {"one\xFFtwo", "two", "\xFF", 0, 1, 2},
      // Upper-casing turns 0xFF into 0x9F, in the list and the delimiter alike:
      // code strings still split (the caller's delimiter buffer keeps 0xFF).
      {"one\xFFtwo", "TWO", "\xFF", 0, 0, 2},
      {"one\xFFtwo", "ONE\x9FTWO", "\xFF", 0, 0, 0},
      {"0\xFF" "1\xFF" "2\xFF" "3", "2", "\xFF", 0, 0, 3},
      {"0\xFF" "1\xFF" "2\xFF" "3", "3", "\xFF", 1, 0, 4},
      {"0\xFF" "1\xFF" "2\xFF" "3", "2", "\xFF", 0, 1, 3},
      {"a\xFF" "b", "B", "\x9F", 0, 0, 2},  // a 0x9F delimiter splits at the list's 0xFF
      {"a\xFF" "b", "b", "\x9F", 0, 1, 0},
      {"a,a", "a", ",", 0, 0, 1},
      {"b,a,a", "a", ",", 0, 0, 2},
      {"a,b", "c", ",", 0, 0, 0},
      // A lower-case delimiter is upper-cased with the list when case is ignored.
      {"axb", "A", "x", 0, 0, 1},
      {"aXb", "b", "x", 0, 0, 2},
      {"axb", "a", "x", 0, 1, 1},
      {"aXb", "aXb", "x", 0, 1, 1},
      {"aandb", "B", "and", 0, 0, 2},
      {"aANDb", "b", "and", 0, 0, 2},
      {"aandb", "aandb", "and", 0, 1, 0},
      // A delimiter that upper-casing leaves alone splits as it stands.
      {"x-y-z", "Z", "-", 0, 0, 3},
      {"x1y", "X1Y", "1", 0, 0, 0},
      // Trimming removes spaces only: a tab stays.
      {"a,\tb", "b", ",", 0, 0, 0},
      // Upper-casing reaches accented letters.
      {"\xE9t\xE9", "\xC9T\xC9", ",", 0, 0, 1},
  };
  for (const Case& c : cases) {
    Buffer delimiter(c.delimiter);
    EXPECT_EQ(ISSTRINGINDELIMITEDSTRING(c.list, c.item, delimiter.data(), c.keep_spaces, c.match_case),
              c.expected)
        << "list '" << (c.list ? c.list : "(null)") << "' item '" << (c.item ? c.item : "(null)") << "'";
    EXPECT_EQ(delimiter.str(), c.delimiter.empty() ? "," : c.delimiter);
  }
}

TEST(IsStringInDelimitedString, LongListIsSearchedToTheEnd) {
  std::string list;
  for (int i = 0; i < 20000; ++i) tolmer::append_joined(list, "item" + std::to_string(i), ";");
  Buffer delimiter(";");
  EXPECT_EQ(ISSTRINGINDELIMITEDSTRING(list.c_str(), "ITEM19999", delimiter.data(), 0, 0), 20000);
  EXPECT_EQ(ISSTRINGINDELIMITEDSTRING(list.c_str(), "item20000", delimiter.data(), 0, 0), 0);
}

// ------------------------------------- REMOVESTRINGINDELIMITEDSTRINGBYPOSITION

TEST(RemoveStringInDelimitedStringByPosition, RemovesTheNamedField) {
  struct Case {
    std::string list;
    int32_t position;
    const char* delimiter;
    std::string list_after;
    int32_t expected;
  };
  const Case cases[] = {
      {"a,b,c", 2, ",", "a,c", 1},
      {"a,b,c", 4, ",", "a,b,c", 0},
      {"a,b,c", 0, ",", "a,b,c", 0},
      {"a,b,c", -1, ",", "a,b,c", 0},
      {",b,c", 3, ",", "b", 1},
      {"a,b,c", 2, "", "a,c", 1},
      {"a,b,c", 2, nullptr, "a,c", 1},
      {"a,b,c", 1, ",", "b,c", 1},
      {"a,b,c", 3, ",", "a,b", 1},
      {",,a", 3, ",", "", 1},
      {",,a", 4, ",", "a", 0},      // empty fields at the front vanish
      {"a,,b", 3, ",", "a,", 1},    // an empty field after a non-empty one stays
      {"a,,b", 1, ",", "b", 1},
      {"", 1, ",", "", 1},
      {"", 2, ",", "", 0},
      {"x", 1, ",", "", 1},
      {"a::b::c", 2, "::", "a::c", 1},
      {"a::b::c", 2, ":", "a:b::c", 1},
      {"1\xFF" "2\xFF" "3", 1, "\xFF", "2\xFF" "3", 1},
  };
  for (const Case& c : cases) {
    Buffer list(c.list);
    EXPECT_EQ(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(list.data(), c.position, c.delimiter), c.expected)
        << "list '" << c.list << "' position " << c.position;
    EXPECT_EQ(list.str(), c.list_after) << "list '" << c.list << "' position " << c.position;
  }
}

TEST(RemoveStringInDelimitedStringByPosition, EmptyDelimiterIsNotWrittenBack) {
  Buffer list("a,b");
  Buffer delimiter("");
  EXPECT_EQ(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(list.data(), 1, delimiter.data()), 1);
  EXPECT_EQ(list.str(), "b");
  EXPECT_EQ(delimiter.str(), "");
  EXPECT_EQ(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(nullptr, 1, ","), 1);
}

TEST(RemoveStringInDelimitedStringByPosition, ResultNeverLongerThanTheList) {
  const std::string lists[] = {"", ",", ",,", ",a,", "a,,", ",,,b,,c,", "abc"};
  for (const std::string& text : lists) {
    for (int32_t position = -1; position <= 6; ++position) {
      Buffer list(text);
      list.bytes[text.size() + 1] = 'Q';
      REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(list.data(), position, ",");
      EXPECT_LE(list.str().size(), text.size());
      EXPECT_EQ(list.bytes[text.size() + 1], 'Q');
    }
  }
}

// ------------------------------------------ CREATEDELIMITEDSTRINGFROMLONGARRAY

TEST(CreateDelimitedStringFromLongArray, JoinsElementsAsDecimalText) {
  struct Case {
    std::vector<int32_t> values;
    std::string delimiter;
    std::string expected;
  };
  const Case cases[] = {
      {{1, -2, 30}, ",", "1,-2,30"},
      {{1, 2, 3, 4, 5}, "\xFF", "1\xFF" "2\xFF" "3\xFF" "4\xFF" "5"},
      {{1, -2, 30}, "", "1,-2,30"},
      {{0}, ",", "0"},
      {{INT32_MIN, INT32_MAX, 0}, "; ", "-2147483648; 2147483647; 0"},
      {{1234567890, 100000000}, ",", "1234567890,100000000"},
  };
  for (const Case& c : cases) {
    std::vector<int32_t> values = c.values;
    TolmerLongArray array = describe(values);
    Buffer delimiter(c.delimiter);
    EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(delimiter.data(), &array)), c.expected);
    EXPECT_EQ(delimiter.str(), c.delimiter.empty() ? "," : c.delimiter);
  }
}

TEST(CreateDelimitedStringFromLongArray, ArrayWithoutStorageGivesEmpty) {
  std::vector<int32_t> values = {1, 2, 3};
  TolmerLongArray no_flag = describe(values);
  no_flag.flags = 0x01 | 0x02 | 0x80;  // every bit but the storage bit
  TolmerLongArray null_storage = describe(values);
  null_storage.elements = nullptr;
  TolmerLongArray negative_upper = describe(values);
  negative_upper.upper_bound = -1;
  TolmerLongArray zeroed{};
  const TolmerLongArray* descriptors[] = {&no_flag, &null_storage, &negative_upper, &zeroed, nullptr};
  for (const TolmerLongArray* array : descriptors) {
    Buffer delimiter("");
    EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(delimiter.data(), array)), "");
    EXPECT_EQ(delimiter.str(), ",");
  }
}

TEST(CreateDelimitedStringFromLongArray, WalkStartsAtIndexZero) {
  std::vector<int32_t> values = {7, 8, 9, 10};
  // Lower bound -2: elements -2 to 1; the walk reads indices 0 and 1.
  TolmerLongArray negative_lower = describe(values, -2);
  EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(nullptr, &negative_lower)), "9,10");
  // Lower bound 2: elements 2 to 5; indices 0 and 1 do not exist and are skipped.
  TolmerLongArray positive_lower = describe(values, 2);
  EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(nullptr, &positive_lower)), "7,8,9,10");
}

TEST(JoinIntegers, CodeStringSeparator) {
  const int32_t codes[] = {30, 235, 254};
  EXPECT_EQ(tolmer::join_integers(codes, "\xFF"), "30\xFF" "235\xFF" "254");
  EXPECT_EQ(tolmer::join_integers({}, "\xFF"), "");
}

// ------------------------------------------------------------ ISVALUEINLONGARRAY

TEST(IsValueInLongArray, FindsTheSmallestIndexInRange) {
  const int32_t elements[] = {3, 7, 7, 1, 0};
  struct Case {
    int32_t value;
    int32_t last;
    int32_t first;
    int32_t expected;
  };
  const Case cases[] = {
      {7, 4, 0, 1},  {7, 4, 2, 2},  {9, 4, 0, -1}, {3, 4, 0, 0},   {0, 4, 0, 4},
      {0, 3, 0, -1}, {7, 0, 0, -1}, {3, 0, 0, 0},  {7, 1, 2, -1},  {1, 3, 3, 3},
      {3, 4, -5, 0}, {7, -1, -3, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ISVALUEINLONGARRAY(c.value, elements, c.last, c.first), c.expected)
        << "value " << c.value << " last " << c.last << " first " << c.first;
  }
  EXPECT_EQ(ISVALUEINLONGARRAY(0, nullptr, 4, 0), -1);
}

}  // namespace
