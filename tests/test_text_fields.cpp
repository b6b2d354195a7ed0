// Positional fields: count, read as text and number, replace in place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "c_abi/abi.h"
#include "frame/primitives.h"
#include "text/fields.h"
#include "test_text_support.h"

namespace {

using text_test::take;

const char* const kQcq = "\",\"";  // quote, comma, quote

// ------------------------------------------------------------ PARSECOUNTDLL

struct CountCase {
  const char* text;
  const char* delimiter;
  int32_t count;
};

TEST(ParseCount, CountsFieldsByDelimiterOrCommaRule) {
  const CountCase cases[] = {
      {"a,b,,c", ",", 4},
      {"", ",", 1},
      {"a,b", ", ", 1},
      {"a,b,", ",", 3},
      {",", ",", 2},
      {"a::b::c", "::", 3},
      {"a:::b", "::", 2},  // non-overlapping, from the left
      {"abc", "abcd", 1},
      {nullptr, ",", 1},
      {"a,b", nullptr, 2},  // comma rule
      {"a,\"b,c\",d", "", 3},
      {" \"x,y,z\" junk, w", "", 2},
      {"\"open, quote", "", 1},
      {"", "", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PARSECOUNTDLL(c.text, c.delimiter), c.count)
        << "text '" << (c.text ? c.text : "(null)") << "' delimiter '"
        << (c.delimiter ? c.delimiter : "(null)") << "'";
  }
}

// ---------------------------------------- GETSTRINGPARTFROMSTRINGBYPOSITION

struct PartCase {
  const char* text;
  int32_t position;
  const char* delimiter;
  const char* part;
};

TEST(GetStringPart, ReadsFieldUnchanged) {
  const int32_t min = std::numeric_limits<int32_t>::min();
  const int32_t max = std::numeric_limits<int32_t>::max();
  const PartCase cases[] = {
      {"10, 20 ,30", 2, ",", " 20 "},
      {"10, 20 ,30", -1, ",", "30"},
      {"10, 20 ,30", -3, ",", "10"},
      {"10, 20 ,30", -4, ",", ""},
      {"10, 20 ,30", 5, ",", ""},
      {"10, 20 ,30", 0, ",", ""},
      {"10, 20 ,30", min, ",", ""},
      {"10, 20 ,30", max, ",", ""},
      {"a,b,,c", 3, ",", ""},
      {"a,b,", 3, ",", ""},
      {"a:::b", 2, "::", ":b"},
      {"one--two--three", 2, "--", "two"},
      {" \"x,y\" z, w", 1, "", "x,y"},
      {" \"x,y\" z, w", 2, "", "w"},
      {" \"x,y\" z, w", -1, "", "w"},
      {nullptr, 1, ",", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(take(GETSTRINGPARTFROMSTRINGBYPOSITION(c.text, c.position, c.delimiter)), c.part)
        << "text '" << (c.text ? c.text : "(null)") << "' position " << c.position;
  }
}

// ------------------------------------------------ GETVALUEFROMSTRINGBYPOSITION

struct ValueCase {
  const char* text;
  int32_t position;
  const char* delimiter;
  double value;
};

TEST(GetValue, ReadsFieldAsNumber) {
  const ValueCase cases[] = {
      {"10, 20 ,30", 2, ",", 20.0},
      {"1;2.5;x", 3, ";", 0.0},
      {"1;2.5;x", 2, ";", 2.5},
      {"1;2.5;x", 9, ";", 0.0},
      {"1;2.5;x", -2, ";", 2.5},
      {"&HFF|-3.5e1x", 1, "|", 255.0},
      {"&HFF|-3.5e1x", 2, "|", -35.0},
      {"a,,b", 2, ",", 0.0},
      {"\"12.75\",3", 1, "", 12.75},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GETVALUEFROMSTRINGBYPOSITION(c.text, c.position, c.delimiter), c.value)
        << "text '" << c.text << "' position " << c.position;
  }
}

// ------------------------------------- SETSTRINGPARTINSTRINGBYPOSITION(2)

using SetExport = int32_t(TOLMER_CALL*)(char*, int32_t, const char*, const char*);

struct SetCase {
  const char* list;
  int32_t position;
  const char* part;
  const char* delimiter;
  int32_t result;
  const char* buffer;  // the buffer afterwards
};

const SetCase kSetCases[] = {
    {"a,b,c", 2, "xyz", ",", 7, "a,xyz,c"},
    {"a,b,c", 4, "q", ",", -1, "a,b,c"},
    {"a,b", 2, "", ",", 2, "a,"},
    {" a,b", 1, "c", ",", 3, "c,b"},
    {"a,b", 2, "x ", ",", 3, "a,x"},
    {"a , b , c", 2, "x", ",", 7, "a ,x, c"},
    {"a,b,c", 2, " x ", ",", 7, "a, x ,c"},
    {"a", 1, "   ", ",", 0, ""},
    {"", 1, "abc", ",", 3, "abc"},
    {"", 2, "abc", ",", -1, ""},
    {"a::b::c", 3, "z", "::", 7, "a::b::z"},
    {"a:::b", 2, "q", "::", 4, "a::q"},
    {"a,b", 1, "x,y", ",", 5, "x,y,b"},
    // Positions of 0 or less: -1, buffer untouched.
    {"a,b,c", 0, "x", ",", -1, "a,b,c"},
    {"a,b,c", -1, "x", ",", -1, "a,b,c"},
    {"a,b,c", std::numeric_limits<int32_t>::min(), "x", ",", -1, "a,b,c"},
    {"a,b,c", std::numeric_limits<int32_t>::max(), "x", ",", -1, "a,b,c"},
    // Quote-comma-quote: the joined text is wrapped in one quote at each end.
    {"a\",\"c", 2, "b", kQcq, 7, "\"a\",\"b\""},
    {"", 1, "x", kQcq, 3, "\"x\""},
    // A list already wrapped in quotes keeps one pair of them.
    {"\"a\",\"b\"", 1, "c", kQcq, 7, "\"c\",\"b\""},
    {"\"a\",\"b\"", 2, "x", kQcq, 7, "\"a\",\"x\""},
    {"  \"a\",\"b\"  ", 2, "x", kQcq, 7, "\"a\",\"x\""},
    {"\"a\",\"b\"", 3, "x", kQcq, -1, "\"a\",\"b\""},
    {"\"\"", 1, "x", kQcq, 3, "\"x\""},
    // Quotes that belong to the delimiters: the first and last fields are
    // empty, and the list is split as it stands.
    {"\",\"a\",\"", 1, "X", kQcq, 10, "\"X\",\"a\",\"\""},
    {"\",\"a\",\"", 2, "X", kQcq, 9, "\"\",\"X\",\"\""},
    {"\",\"a\",\"", 3, "X", kQcq, 10, "\"\",\"a\",\"X\""},
    {"\",\"a\",\"", 4, "X", kQcq, -1, "\",\"a\",\""},
    {"\",\"", 1, "X", kQcq, 6, "\"X\",\"\""},
    {"\",\"", 2, "X", kQcq, 6, "\"\",\"X\""},
    // Comma rule: the other fields keep their bytes.
    {"a,b,c", 2, "x", "", 5, "a,x,c"},
    {"\"p, q\" ,r", 2, "s", "", 9, "\"p, q\" ,s"},
    {"a, \"b,c\" ,d", 2, "x", "", 5, "a,x,d"},
    {"a,b", 3, "x", "", -1, "a,b"},
};

void check_set_export(SetExport set, const char* name) {
  for (const auto& c : kSetCases) {
    // A buffer with room, filled with a sentinel past the list's NUL.
    std::vector<char> buffer(std::strlen(c.list) + std::strlen(c.part) + 16, '#');
    std::memcpy(buffer.data(), c.list, std::strlen(c.list) + 1);
    const int32_t result = set(buffer.data(), c.position, c.part, c.delimiter);
    EXPECT_EQ(result, c.result) << name << " list '" << c.list << "' position " << c.position;
    EXPECT_STREQ(buffer.data(), c.buffer) << name << " list '" << c.list << "'";
    // Nothing past the new NUL is written.
    const std::size_t written = std::strlen(c.buffer) + 1;
    const std::size_t untouched_from = std::max(written, std::strlen(c.list) + 1);
    for (std::size_t i = untouched_from; i < buffer.size(); ++i) {
      ASSERT_EQ(buffer[i], '#') << name << " wrote past its result at " << i;
    }
  }
}

TEST(SetStringPart, ReplacesFieldAndRewritesBuffer) {
  check_set_export(SETSTRINGPARTINSTRINGBYPOSITION, "SETSTRINGPARTINSTRINGBYPOSITION");
}

TEST(SetStringPart, SecondFormBehavesTheSame) {
  check_set_export(SETSTRINGPARTINSTRINGBYPOSITION2, "SETSTRINGPARTINSTRINGBYPOSITION2");
}

// With the quote-comma-quote delimiter, every position that PARSECOUNTDLL
// counts can be replaced, the one after it cannot, and the replaced field
// reads back at the same position.
TEST(SetStringPart, QuotedListPositionsAreThoseOfTheFieldCount) {
  const char* const lists[] = {
      "\",\"a\",\"", "\",\"", "\"a\",\"b\"", "\"\"", "\"a\",\"\",\"b\"", " \",\"a\" ",
      "\"\",\"\"", "\"a\",\"", "\",\"a\"", "a\",\"b", "\"", "\"\",\"\",\"\"",
  };
  for (const char* list : lists) {
    const int32_t count = PARSECOUNTDLL(list, kQcq);
    for (int32_t position = 1; position <= count + 1; ++position) {
      char buffer[64];
      std::snprintf(buffer, sizeof buffer, "%s", list);
      const int32_t result = SETSTRINGPARTINSTRINGBYPOSITION(buffer, position, "Z", kQcq);
      if (position > count) {
        EXPECT_EQ(result, -1) << list << " position " << position;
        EXPECT_STREQ(buffer, list);
        continue;
      }
      EXPECT_EQ(result, static_cast<int32_t>(std::strlen(buffer))) << list << " position " << position;
      // The new list, read inside its outer quotes, has the same fields
      // with Z at the position.
      const std::string inside(buffer + 1, std::strlen(buffer) - 2);
      EXPECT_EQ(PARSECOUNTDLL(inside.c_str(), kQcq), count) << list << " position " << position;
      for (int32_t k = 1; k <= count; ++k) {
        const std::string expected =
            k == position ? "Z" : take(GETSTRINGPARTFROMSTRINGBYPOSITION(list, k, kQcq));
        const std::string got = take(GETSTRINGPARTFROMSTRINGBYPOSITION(inside.c_str(), k, kQcq));
        if (k == 1 || k == count) continue;  // outer fields may lose the list's own quote
        EXPECT_EQ(got, expected) << list << " position " << position << " field " << k;
      }
      EXPECT_EQ(take(GETSTRINGPARTFROMSTRINGBYPOSITION(inside.c_str(), position, kQcq)), "Z")
          << list << " position " << position;
    }
  }
}

TEST(SetStringPart, RepeatedReplacementKeepsQuotedListStable) {
  char buffer[64] = "";
  ASSERT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(buffer, 1, "a", kQcq), 3);
  EXPECT_STREQ(buffer, "\"a\"");
  // Grow the list by replacing field 1 with two fields, then edit each field.
  ASSERT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(buffer, 1, "a\",\"b", kQcq), 7);
  EXPECT_STREQ(buffer, "\"a\",\"b\"");
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(buffer, 2, "b", kQcq), 7);
    EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(buffer, 1, "a", kQcq), 7);
  }
  EXPECT_STREQ(buffer, "\"a\",\"b\"");
}

TEST(SetStringPart, NullArguments) {
  // A null list reads as empty and is not written.
  EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(nullptr, 1, "xy", ","), 2);
  EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION2(nullptr, 2, "xy", ","), -1);
  // A null part is the empty text; a null delimiter the comma rule.
  char buffer[16] = "a,b";
  EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(buffer, 1, nullptr, nullptr), 2);
  EXPECT_STREQ(buffer, ",b");
}

TEST(SetStringPart, PartTakenFromTheListBufferItself) {
  char buffer[32] = "left,right";
  // The part aliases the buffer: it is read before the buffer is rewritten.
  EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(buffer, 1, buffer + 5, ","), 11);
  EXPECT_STREQ(buffer, "right,right");
}

TEST(ParseCount, LongTextsCountedAcrossPieces) {
  // Delimiters around every multiple of 64 KiB, where a long text is split
  // into the pieces it is read in, and a text longer than the read cap.
  std::string text(300000, 'x');
  for (const std::size_t at : {65535u, 131071u, 196607u, 262143u}) {
    text[at - 1] = text[at] = text[at + 1] = ';';  // three at each boundary
  }
  text.back() = ';';
  EXPECT_EQ(PARSECOUNTDLL(text.c_str(), ";"), 14);   // 13 delimiters
  EXPECT_EQ(PARSECOUNTDLL(text.c_str(), "x;"), 6);   // one per boundary and the last
  text[131071] = '\0';  // the text now ends inside its second piece
  EXPECT_EQ(PARSECOUNTDLL(text.c_str(), ";"), 5);

  std::string beyond(tolmer::abi::kTextCap + 5, ';');
  EXPECT_EQ(PARSECOUNTDLL(beyond.c_str(), ";"), static_cast<int32_t>(tolmer::abi::kTextCap + 1));
  EXPECT_EQ(PARSECOUNTDLL(beyond.c_str(), ";;"), static_cast<int32_t>(tolmer::abi::kTextCap / 2 + 1));
}

TEST(SetStringPart, LongListEveryFieldReplaced) {
  // 2000 fields, each replaced in turn by its own number.
  const int kFields = 2000;
  std::string list(kFields - 1, ',');
  std::vector<char> buffer(16 * kFields, '\0');
  std::memcpy(buffer.data(), list.data(), list.size() + 1);
  std::string expected;
  for (int i = 1; i <= kFields; ++i) {
    const std::string part = std::to_string(i);
    ASSERT_GT(SETSTRINGPARTINSTRINGBYPOSITION(buffer.data(), i, part.c_str(), ","), 0);
    expected += (i > 1 ? "," : "") + part;
  }
  EXPECT_EQ(std::string(buffer.data()), expected);
  EXPECT_EQ(PARSECOUNTDLL(buffer.data(), ","), kFields);
  EXPECT_EQ(take(GETSTRINGPARTFROMSTRINGBYPOSITION(buffer.data(), 1234, ",")), "1234");
}

// ------------------------------------------------------------ FieldScanner

TEST(FieldScanner, AgreesWithFieldPrimitives) {
  struct Text {
    const char* text;
    const char* delimiter;
  };
  const Text texts[] = {
      {"", ","},          {"a", ","},        {"a,b,,c,", ","},     {",,,", ","},
      {"a:::b::", "::"},  {"xyxyx", "xy"},    {"", ""},             {"a,b", ""},
      {" a , b ,", ""},   {"\"x,y\" z,w", ""}, {"  \"un, closed", ""}, {"\"a\"\"b\",c", ""},
      {",\" \",", ""},
  };
  for (const auto& t : texts) {
    tolmer::FieldScanner scanner(t.text, t.delimiter);
    tolmer::FieldSpan span;
    int64_t k = 0;
    std::string rebuilt;
    while (scanner.next(span)) {
      ++k;
      const std::string_view text(t.text);
      const std::string_view content =
          text.substr(span.content_begin, span.content_end - span.content_begin);
      EXPECT_EQ(content, tolmer::field_at(text, k, t.delimiter))
          << "text '" << t.text << "' field " << k;
      // The raw spans with their separators give back the text.
      if (k > 1) rebuilt += *t.delimiter ? t.delimiter : ",";
      rebuilt += text.substr(span.raw_begin, span.raw_end - span.raw_begin);
    }
    EXPECT_EQ(static_cast<std::size_t>(k), tolmer::count_fields(t.text, t.delimiter))
        << "text '" << t.text << "'";
    EXPECT_EQ(rebuilt, t.text);
  }
}

}  // namespace
