// Hostile inputs to the text utilities: positional fields, delimited lists,
// string helpers and the temporary string array.
#include <cstring>
#include <string>
#include <vector>

#include "c_abi/process.h"
#include "test_hostile_support.h"

using namespace hostile;

namespace {

class HostileFields : public Hostile {};
class HostileLists : public Hostile {};
class HostileStrings : public Hostile {};
class HostileTempArray : public Hostile {};

void forget_initialisation() { tolmer::state() = tolmer::State{}; }

// A caller's buffer: the text, its NUL, then `spare` guard bytes 'G'.
std::vector<char> buffer_of(const std::string& text, std::size_t spare) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  buffer.insert(buffer.end(), spare, 'G');
  return buffer;
}

// A buffer past the cap: kCap bytes of `fill`, then "T", then the NUL.
std::vector<char> long_buffer(char fill) {
  std::vector<char> buffer(kCap + 2, fill);
  buffer[kCap] = 'T';
  buffer[kCap + 1] = '\0';
  return buffer;
}

}  // namespace

// ------------------------------------------------------------------ fields

HOSTILE_TEST(HostileFields, PARSECOUNTDLL) {
  EXPECT_EQ(PARSECOUNTDLL(nullptr, nullptr), 1);
  EXPECT_EQ(PARSECOUNTDLL("", ","), 1);
  EXPECT_EQ(PARSECOUNTDLL(",,", nullptr), 3);
  EXPECT_EQ(PARSECOUNTDLL(" \"b,c\"x,d", ""), 2);  // the comma rule: a quoted field keeps its comma
  EXPECT_EQ(PARSECOUNTDLL("a\"b,c\",d", ""), 3);    // a quote inside a field does not
  // Past the cap: the commas beyond are never reached.
  EXPECT_EQ(PARSECOUNTDLL(long_text('a'), ","), 1);
  EXPECT_EQ(PARSECOUNTDLL("a,b", long_text(',')), 1);  // a delimiter longer than the text
  const std::string every = all_bytes();
  EXPECT_EQ(PARSECOUNTDLL(every.c_str(), every.c_str()), 2);
}

HOSTILE_TEST(HostileFields, GETSTRINGPARTFROMSTRINGBYPOSITION) {
  for (int32_t position : {kMin, kMin + 1, -3, 0, 3, kMax}) {
    EXPECT_EQ(take(GETSTRINGPARTFROMSTRINGBYPOSITION("a,b", position, ",")), "") << position;
  }
  EXPECT_EQ(take(GETSTRINGPARTFROMSTRINGBYPOSITION("a,b", -2, nullptr)), "a");
  EXPECT_EQ(take(GETSTRINGPARTFROMSTRINGBYPOSITION(nullptr, 1, nullptr)), "");
  const std::string capped = take(GETSTRINGPARTFROMSTRINGBYPOSITION(long_text('a'), -1, ","));
  EXPECT_EQ(capped.size(), kCap);
  EXPECT_EQ(capped.back(), 'a');
}

HOSTILE_TEST(HostileFields, GETVALUEFROMSTRINGBYPOSITION) {
  EXPECT_EQ(GETVALUEFROMSTRINGBYPOSITION(nullptr, 1, nullptr), 0.0);
  EXPECT_EQ(GETVALUEFROMSTRINGBYPOSITION("5,6", kMin, ","), 0.0);
  EXPECT_EQ(GETVALUEFROMSTRINGBYPOSITION("5,6", kMax, ","), 0.0);
  EXPECT_EQ(GETVALUEFROMSTRINGBYPOSITION("x,nan,inf", 2, ","), 0.0);  // not numbers
  EXPECT_EQ(GETVALUEFROMSTRINGBYPOSITION("1e400", 1, ","), kInf);
  EXPECT_EQ(GETVALUEFROMSTRINGBYPOSITION("-1e400", 1, ","), -kInf);
  EXPECT_EQ(GETVALUEFROMSTRINGBYPOSITION("4.9e-324", 1, ","), kDenormal);
  EXPECT_EQ(GETVALUEFROMSTRINGBYPOSITION(long_text('1'), 1, ","), kInf);  // 33 million digits
}

HOSTILE_TEST(HostileFields, SETSTRINGPARTINSTRINGBYPOSITION) {
  // Positions that name no field: -1 and the buffer untouched.
  for (int32_t position : {kMin, -1, 0, 3, kMax}) {
    std::vector<char> list = buffer_of("a,b", 4);
    EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(list.data(), position, "x", ","), -1) << position;
    EXPECT_EQ(std::string(list.data()), "a,b");
  }
  // Null list: not written, the length the result would have.
  EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(nullptr, 1, "xyz", ","), 3);
  EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(nullptr, 1, nullptr, nullptr), 0);
  // The documented room (list + part + 3) is enough in the worst case.
  const std::string part = "p";
  std::vector<char> quoted = buffer_of("a", part.size() + 2);
  quoted.push_back('G');
  EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(quoted.data(), 1, part.c_str(), "\",\""), 3);
  EXPECT_STREQ(quoted.data(), "\"p\"");
  EXPECT_EQ(quoted.back(), 'G');
  // Past the cap: the list is read and rewritten up to the cap only.
  std::vector<char> big = long_buffer(' ');
  EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION(big.data(), 1, "x", ","), 1);
  EXPECT_STREQ(big.data(), "x");
  EXPECT_EQ(big[kCap], 'T');
}

HOSTILE_TEST(HostileFields, SETSTRINGPARTINSTRINGBYPOSITION2) {
  for (int32_t position : {kMin, 0, 2, kMax}) {
    std::vector<char> list = buffer_of("", 4);
    EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION2(list.data(), position, "x", nullptr), -1) << position;
    EXPECT_EQ(list[0], '\0');
  }
  std::vector<char> list = buffer_of("", 4);
  EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION2(list.data(), 1, nullptr, nullptr), 0);
  EXPECT_EQ(SETSTRINGPARTINSTRINGBYPOSITION2(list.data(), 1, "  x  ", nullptr), 1);  // spaces stripped
  EXPECT_STREQ(list.data(), "x");
}

// ------------------------------------------------------------------ lists

HOSTILE_TEST(HostileLists, CREATEDELIMITEDSTRING) {
  // Null items are empty and left out; a null delimiter buffer means ","
  // and is not written.
  EXPECT_EQ(take(CREATEDELIMITEDSTRING(nullptr, nullptr, "a", nullptr, nullptr, "", nullptr, nullptr, nullptr,
                                       nullptr, "b")),
            "a,b");
  EXPECT_EQ(take(CREATEDELIMITEDSTRING(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, nullptr)),
            "");
  char delimiter[2] = "";
  EXPECT_EQ(take(CREATEDELIMITEDSTRING(delimiter, "x", "y", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr)),
            "x,y");
  EXPECT_STREQ(delimiter, ",");
  const std::string joined = take(CREATEDELIMITEDSTRING(nullptr, long_text('i'), "j", nullptr, nullptr, nullptr,
                                                        nullptr, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(joined.size(), kCap + 2);
  EXPECT_EQ(joined.substr(kCap), ",j");
}

HOSTILE_TEST(HostileLists, ADDTODELIMITEDSTRING) {
  EXPECT_EQ(take(ADDTODELIMITEDSTRING(nullptr, nullptr, nullptr)), "");
  EXPECT_EQ(take(ADDTODELIMITEDSTRING(nullptr, "x", nullptr)), "x");
  // An empty list buffer is not written; a non-empty one gets the delimiter
  // within its documented room.
  std::vector<char> empty = buffer_of("", 0);
  EXPECT_EQ(take(ADDTODELIMITEDSTRING(empty.data(), "x", nullptr)), "x");
  EXPECT_EQ(empty.size(), 1u);
  std::vector<char> list = buffer_of("a", 2);
  list.push_back('G');
  EXPECT_EQ(take(ADDTODELIMITEDSTRING(list.data(), nullptr, nullptr)), "a,");
  EXPECT_STREQ(list.data(), "a,");
  EXPECT_EQ(list.back(), 'G');
  std::vector<char> delimiter = buffer_of(all_bytes(), 0);
  std::vector<char> two = buffer_of("ab", all_bytes().size() + 1);
  EXPECT_EQ(take(ADDTODELIMITEDSTRING(two.data(), "c", delimiter.data())), "ab" + all_bytes() + "c");
}

HOSTILE_TEST(HostileLists, ISSTRINGINDELIMITEDSTRING) {
  EXPECT_EQ(ISSTRINGINDELIMITEDSTRING(nullptr, nullptr, nullptr, 0, 0), 1);  // one empty field
  EXPECT_EQ(ISSTRINGINDELIMITEDSTRING(nullptr, "x", nullptr, 0, 0), 0);
  for (int32_t flag : bad_integers()) {
    // Any non-zero flag keeps spaces / matches case.
    EXPECT_EQ(ISSTRINGINDELIMITEDSTRING("a, b", "b", nullptr, flag, 1), 0) << flag;
    EXPECT_EQ(ISSTRINGINDELIMITEDSTRING("a,B", "b", nullptr, 1, flag), 0) << flag;
  }
  EXPECT_EQ(ISSTRINGINDELIMITEDSTRING("a, b", "b", nullptr, 0, 0), 2);
  char delimiter[2] = "";
  EXPECT_EQ(ISSTRINGINDELIMITEDSTRING(long_text('q'), "Q", delimiter, 0, 0), 0);
  EXPECT_STREQ(delimiter, ",");
}

HOSTILE_TEST(HostileLists, REMOVESTRINGINDELIMITEDSTRINGBYPOSITION) {
  EXPECT_EQ(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(nullptr, 1, nullptr), 1);  // the empty list's one field
  EXPECT_EQ(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(nullptr, kMin, nullptr), 0);
  for (int32_t position : {kMin, -1, 0, 4, kMax}) {
    std::vector<char> list = buffer_of("a,b,c", 0);
    EXPECT_EQ(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(list.data(), position, nullptr), 0) << position;
    EXPECT_STREQ(list.data(), "a,b,c");  // rewritten unchanged
  }
  std::vector<char> big = long_buffer('r');
  EXPECT_EQ(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(big.data(), 1, ","), 1);
  EXPECT_EQ(big[0], '\0');
  EXPECT_EQ(big[kCap], 'T');
}

HOSTILE_TEST(HostileLists, CREATEDELIMITEDSTRINGFROMLONGARRAY) {
  int32_t elements[4] = {kMin, -1, 0, kMax};
  TolmerLongArray array{};
  array.elements = elements;
  array.flags = TOLMER_LONG_ARRAY_HAS_STORAGE;
  array.lower_bound = 0;
  array.upper_bound = 3;
  EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(nullptr, &array)), "-2147483648,-1,0,2147483647");
  EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(nullptr, nullptr)), "");
  array.flags = static_cast<uint8_t>(~TOLMER_LONG_ARRAY_HAS_STORAGE);
  EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(nullptr, &array)), "");
  array.flags = TOLMER_LONG_ARRAY_HAS_STORAGE;
  array.elements = nullptr;
  EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(nullptr, &array)), "");
  array.elements = elements;
  // Bounds the wrong way round, or both at the extremes: nothing to join.
  array.lower_bound = kMax;
  array.upper_bound = kMin;
  EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(nullptr, &array)), "");
  array.lower_bound = kMax;
  array.upper_bound = kMax;
  EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(nullptr, &array)), "-2147483648");
  // A negative lower bound: element 0 onwards.
  array.lower_bound = -2;
  array.upper_bound = 1;
  EXPECT_EQ(take(CREATEDELIMITEDSTRINGFROMLONGARRAY(nullptr, &array)), "0,2147483647");
}

HOSTILE_TEST(HostileLists, ISVALUEINLONGARRAY) {
  int32_t elements[3] = {kMin, 0, kMax};
  EXPECT_EQ(ISVALUEINLONGARRAY(0, nullptr, 2, 0), -1);
  EXPECT_EQ(ISVALUEINLONGARRAY(kMax, elements, 2, kMin), 2);  // below 0 is not examined
  EXPECT_EQ(ISVALUEINLONGARRAY(kMin, elements, kMin, kMax), -1);
  EXPECT_EQ(ISVALUEINLONGARRAY(kMin, elements, -1, kMin), -1);
  EXPECT_EQ(ISVALUEINLONGARRAY(kMin, elements, 0, 0), 0);
}

// ----------------------------------------------------------------- strings

HOSTILE_TEST(HostileStrings, REVERSESTRINGDLL) {
  EXPECT_EQ(take(REVERSESTRINGDLL(nullptr)), "");
  LibString with_nul = STRIPNULL("a");
  // A counted string keeps its NUL bytes.
  const std::string bytes("x\0y", 3);
  LibString counted = tolmer::make_libstring(bytes);
  EXPECT_EQ(take(REVERSESTRINGDLL(counted)), std::string("y\0x", 3));
  EXPECT_EQ(take(counted), bytes);  // only read
  EXPECT_EQ(take(with_nul), "a");
}

HOSTILE_TEST(HostileStrings, REVERSESTRING) {
  EXPECT_EQ(take(REVERSESTRING(nullptr)), "");
  EXPECT_EQ(take(REVERSESTRING("")), "");
  const std::string every = all_bytes();
  EXPECT_EQ(take(REVERSESTRING(every.c_str())), std::string(every.rbegin(), every.rend()));
  const std::string capped = take(REVERSESTRING(long_text('r')));
  EXPECT_EQ(capped.size(), kCap);
  EXPECT_EQ(capped.find_first_not_of('r'), std::string::npos);
}

HOSTILE_TEST(HostileStrings, STRIPNULL) {
  EXPECT_EQ(take(STRIPNULL(nullptr)), "");
  EXPECT_EQ(take(STRIPNULL("    ")), "");
  EXPECT_EQ(take(STRIPNULL("\t a \t")), "\t a \t");
  EXPECT_EQ(take(STRIPNULL(long_text(' '))), "");
}

HOSTILE_TEST(HostileStrings, ISNUMERICDLL) {
  EXPECT_EQ(ISNUMERICDLL(nullptr), 1);
  EXPECT_EQ(ISNUMERICDLL(""), 1);
  EXPECT_EQ(ISNUMERICDLL("."), 1);
  EXPECT_EQ(ISNUMERICDLL("1..2"), 0);
  EXPECT_EQ(ISNUMERICDLL("-1"), 0);
  EXPECT_EQ(ISNUMERICDLL(all_bytes().c_str()), 0);
  EXPECT_EQ(ISNUMERICDLL(long_text('5')), 1);
  EXPECT_EQ(ISNUMERICDLL(long_text('.')), 0);
}

HOSTILE_TEST(HostileStrings, STRINGCONTAINSCHARACTERS) {
  EXPECT_EQ(STRINGCONTAINSCHARACTERS(nullptr, nullptr), 0);
  EXPECT_EQ(STRINGCONTAINSCHARACTERS("abc", nullptr), 0);
  EXPECT_EQ(STRINGCONTAINSCHARACTERS(nullptr, "abc"), 0);
  // The position is in the set of characters.
  EXPECT_EQ(STRINGCONTAINSCHARACTERS(all_bytes().c_str(), "\xFF"), 1);
  EXPECT_EQ(STRINGCONTAINSCHARACTERS("\xFF", all_bytes().c_str()), 255);
  EXPECT_EQ(STRINGCONTAINSCHARACTERS(long_text('s'), "#/,"), 0);  // only past the cap
  EXPECT_EQ(STRINGCONTAINSCHARACTERS("x,", long_text('q')), 0);
  EXPECT_EQ(STRINGCONTAINSCHARACTERS("xyz", long_text('z')), 1);
}

// ---------------------------------------------------------- temporary array

HOSTILE_TEST(HostileTempArray, ACCESSTEMPSTRINGARRAY) {
  for (int32_t operation : {kMin, -3, 2, kMax}) {
    EXPECT_EQ(ACCESSTEMPSTRINGARRAY(operation, "x"), 0) << operation;
  }
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(-2, nullptr), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(1, nullptr), 1);  // the empty text appended
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(0, nullptr), 0);  // entry 0 is empty too
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(1, long_text('t')), 2);
  EXPECT_EQ(take(READTEMPSTRINGARRAY(2)).size(), kCap);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(0, long_text('t')), 2);
  const std::string every = all_bytes();
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(1, every.c_str()), 3);
  // a-z match A-Z; other bytes (0xE0-0xFE among them) exactly.
  std::string upper = every;
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(0, upper.c_str()), 3);
  upper.back() = '\x9F';
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(0, upper.c_str()), -1);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(-1, "ignored"), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(-2, nullptr), 0);
  // Before initialisation there is no array.
  forget_initialisation();
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(0, nullptr), -1);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(1, "x"), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(-2, nullptr), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(-1, nullptr), 0);
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(1, "x"), 1);
}

HOSTILE_TEST(HostileTempArray, READTEMPSTRINGARRAY) {
  ACCESSTEMPSTRINGARRAY(1, "one");
  for (int32_t index : {kMin, -1, 2, kMax}) EXPECT_EQ(take(READTEMPSTRINGARRAY(index)), "") << index;
  EXPECT_EQ(take(READTEMPSTRINGARRAY(0)), "");
  EXPECT_EQ(take(READTEMPSTRINGARRAY(1)), "one");
  forget_initialisation();
  EXPECT_EQ(take(READTEMPSTRINGARRAY(0)), "");
  EXPECT_EQ(take(READTEMPSTRINGARRAY(1)), "");
}
