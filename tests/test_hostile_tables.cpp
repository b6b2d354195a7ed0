// Hostile inputs to the paper table and the symbol catalog: indices outside
// every table, null and oversized texts, NaN and infinite sizes.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "c_abi/process.h"
#include "test_hostile_support.h"

using namespace hostile;

namespace {

class HostilePaper : public Hostile {};
class HostileCatalog : public Hostile {};

void forget_initialisation() { tolmer::state() = tolmer::State{}; }

// Indices that name no record of the initial table (0 to 40).
const std::vector<int32_t>& outside_paper() {
  static const std::vector<int32_t> indices = {kMin, -1000000, -1, 41, 1000000, kMax};
  return indices;
}

using Getter = float(TOLMER_CALL*)(int32_t);
using Setter = void(TOLMER_CALL*)(int32_t, float);

// Each margin getter with its setter.
const std::vector<std::pair<Getter, Setter>>& margins() {
  static const std::vector<std::pair<Getter, Setter>> pairs = {
      {GETPAPERINFOTOPMARGIN, SETPAPERINFOTOPMARGIN},
      {GETPAPERINFOBOTTOMMARGIN, SETPAPERINFOBOTTOMMARGIN},
      {GETPAPERINFOLEFTMARGIN, SETPAPERINFOLEFTMARGIN},
      {GETPAPERINFORIGHTMARGIN, SETPAPERINFORIGHTMARGIN},
  };
  return pairs;
}

// Runs a margin check for one getter/setter pair: outside indices read 0
// and store nothing; inside, any single is stored as given.
void check_margin(Getter get, Setter set) {
  const float before = get(5);
  for (int32_t index : outside_paper()) {
    set(index, 99);
    EXPECT_EQ(get(index), 0.0f) << index;
  }
  EXPECT_EQ(get(5), before);
  for (float value : bad_singles()) {
    set(5, value);
    if (std::isnan(value)) {
      EXPECT_TRUE(std::isnan(get(5)));
    } else {
      EXPECT_EQ(get(5), value);
      EXPECT_EQ(std::signbit(get(5)), std::signbit(value));
    }
  }
  forget_initialisation();
  set(0, 1);
  EXPECT_EQ(get(0), 0.0f);
  INITIALIZEDLL();
}

}  // namespace

// ------------------------------------------------------------------ paper

HOSTILE_TEST(HostilePaper, SIZEPAPERINFOARRAY) {
  // An existing table is never resized.
  for (int32_t bound : bad_integers()) EXPECT_EQ(SIZEPAPERINFOARRAY(bound), 40) << bound;
  forget_initialisation();
  EXPECT_EQ(SIZEPAPERINFOARRAY(kMin), -1);
  EXPECT_EQ(SIZEPAPERINFOARRAY(-1), -1);
  EXPECT_EQ(SIZEPAPERINFOARRAY(kMax), -1);      // refused: no such memory
  EXPECT_EQ(SIZEPAPERINFOARRAY(16777216), -1);  // one record more than the limit
  EXPECT_EQ(GETUBPAPERINFOARRAY(), -1);
  EXPECT_EQ(SIZEPAPERINFOARRAY(0), 0);
  EXPECT_EQ(GETPAPERINFONAMELENGTH(0), 0);
  // A later initialisation stores only the records that fit.
  INITIALIZEDLL();
  EXPECT_EQ(GETUBPAPERINFOARRAY(), 0);
  EXPECT_GT(GETPAPERINFONAMELENGTH(0), 0);
}

HOSTILE_TEST(HostilePaper, GETUBPAPERINFOARRAY) {
  EXPECT_EQ(GETUBPAPERINFOARRAY(), 40);
  forget_initialisation();
  EXPECT_EQ(GETUBPAPERINFOARRAY(), -1);
}

HOSTILE_TEST(HostilePaper, SETPAPERINFOITEM) {
  for (int32_t index : outside_paper()) SETPAPERINFOITEM(index, "X", 1, 2, 3, 4, 5, 6);
  EXPECT_EQ(GETUBPAPERINFOARRAY(), 40);
  // Null name: blank; a name past the cap: its first 16 bytes.
  SETPAPERINFOITEM(2, nullptr, kNaNf, kInff, -0.0f, kDenormalf, -kInff, FLT_MAX);
  EXPECT_EQ(take(GETPAPERINFONAME(2)), "");
  EXPECT_TRUE(std::isnan(GETPAPERINFOWIDTH(2, 1)));
  EXPECT_EQ(GETPAPERINFOHEIGHT(2, 1), kInff);
  EXPECT_TRUE(std::signbit(GETPAPERINFOTOPMARGIN(2)));
  EXPECT_EQ(GETPAPERINFOBOTTOMMARGIN(2), kDenormalf);
  EXPECT_EQ(GETPAPERINFOLEFTMARGIN(2), -kInff);
  EXPECT_EQ(GETPAPERINFORIGHTMARGIN(2), FLT_MAX);
  SETPAPERINFOITEM(2, long_text('Q'), 1, 1, 0, 0, 0, 0);
  EXPECT_EQ(take(GETPAPERINFONAME(2)), std::string(16, 'Q'));
  const std::string every = all_bytes();
  SETPAPERINFOITEM(2, every.c_str(), 1, 1, 0, 0, 0, 0);
  // Bytes 1-16, trimmed of spaces (none among them).
  EXPECT_EQ(take(GETPAPERINFONAME(2)), every.substr(0, 16));
  forget_initialisation();
  SETPAPERINFOITEM(0, "X", 1, 2, 3, 4, 5, 6);
  EXPECT_EQ(GETUBPAPERINFOARRAY(), -1);
}

HOSTILE_TEST(HostilePaper, GETPAPERINFOITEM) {
  for (int32_t index : outside_paper()) {
    char name[17] = "untouched";
    float value = 7;
    GETPAPERINFOITEM(index, name, &value, &value, &value, &value, &value, &value);
    EXPECT_STREQ(name, "untouched") << index;
    EXPECT_EQ(value, 7.0f) << index;
  }
  GETPAPERINFOITEM(0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  // A 16-byte name fills the 17-byte buffer exactly.
  SETPAPERINFOITEM(1, "ABCDEFGHIJKLMNOPQRST", 1, 2, 3, 4, 5, 6);
  char name[18];
  std::memset(name, 'G', sizeof name);
  float width = 0, right = 0;
  GETPAPERINFOITEM(1, name, &width, nullptr, nullptr, nullptr, nullptr, &right);
  EXPECT_STREQ(name, "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(name[17], 'G');
  EXPECT_EQ(width, 1.0f);
  EXPECT_EQ(right, 6.0f);
}

HOSTILE_TEST(HostilePaper, GETPAPERINFONAMELENGTH) {
  for (int32_t index : outside_paper()) EXPECT_EQ(GETPAPERINFONAMELENGTH(index), 0) << index;
  SETPAPERINFOITEM(4, "   ", 1, 1, 0, 0, 0, 0);
  EXPECT_EQ(GETPAPERINFONAMELENGTH(4), 0);
  SETPAPERINFOITEM(4, long_text('n'), 1, 1, 0, 0, 0, 0);
  EXPECT_EQ(GETPAPERINFONAMELENGTH(4), 16);
}

HOSTILE_TEST(HostilePaper, GETPAPERINFONAME) {
  for (int32_t index : outside_paper()) EXPECT_EQ(take(GETPAPERINFONAME(index)), "") << index;
  SETPAPERINFOITEM(4, "  a b  ", 1, 1, 0, 0, 0, 0);
  EXPECT_EQ(take(GETPAPERINFONAME(4)), "a b");
}

HOSTILE_TEST(HostilePaper, GETPAPERINFOWIDTH) {
  SETPAPERINFOITEM(6, "W", 3, 4, 0, 0, 0, 0);
  for (int32_t index : outside_paper()) EXPECT_EQ(GETPAPERINFOWIDTH(index, 1), 0.0f) << index;
  // Only orientation 2 exchanges.
  for (int32_t orientation : bad_integers()) EXPECT_EQ(GETPAPERINFOWIDTH(6, orientation), 3.0f) << orientation;
  EXPECT_EQ(GETPAPERINFOWIDTH(6, 2), 4.0f);
}

HOSTILE_TEST(HostilePaper, GETPAPERINFOHEIGHT) {
  SETPAPERINFOITEM(6, "H", 3, 4, 0, 0, 0, 0);
  for (int32_t index : outside_paper()) EXPECT_EQ(GETPAPERINFOHEIGHT(index, 2), 0.0f) << index;
  for (int32_t orientation : bad_integers()) EXPECT_EQ(GETPAPERINFOHEIGHT(6, orientation), 4.0f) << orientation;
  EXPECT_EQ(GETPAPERINFOHEIGHT(6, 2), 3.0f);
}

HOSTILE_TEST(HostilePaper, SETPAPERINFOWIDTH) {
  for (int32_t index : outside_paper()) SETPAPERINFOWIDTH(index, 1);
  SETPAPERINFOWIDTH(7, -kInff);
  EXPECT_EQ(GETPAPERINFOWIDTH(7, 1), -kInff);
  EXPECT_EQ(GETPAPERINFOHEIGHT(7, 2), -kInff);
  SETPAPERINFOWIDTH(7, kNaNf);
  EXPECT_TRUE(std::isnan(GETPAPERINFOWIDTH(7, 1)));
}

HOSTILE_TEST(HostilePaper, SETPAPERINFOHEIGHT) {
  for (int32_t index : outside_paper()) SETPAPERINFOHEIGHT(index, 1);
  SETPAPERINFOHEIGHT(7, kDenormalf);
  EXPECT_EQ(GETPAPERINFOHEIGHT(7, 1), kDenormalf);
  EXPECT_EQ(GETPAPERINFOWIDTH(7, 2), kDenormalf);
}

HOSTILE_TEST(HostilePaper, GETPAPERINFOTOPMARGIN) { check_margin(margins()[0].first, margins()[0].second); }
HOSTILE_TEST(HostilePaper, SETPAPERINFOTOPMARGIN) {
  SETPAPERINFOTOPMARGIN(kMax, 1);
  SETPAPERINFOTOPMARGIN(8, kInff);
  EXPECT_EQ(GETPAPERINFOTOPMARGIN(8), kInff);
  EXPECT_NE(GETPAPERINFOBOTTOMMARGIN(8), kInff);
}
HOSTILE_TEST(HostilePaper, GETPAPERINFOBOTTOMMARGIN) { check_margin(margins()[1].first, margins()[1].second); }
HOSTILE_TEST(HostilePaper, SETPAPERINFOBOTTOMMARGIN) {
  SETPAPERINFOBOTTOMMARGIN(kMin, 1);
  SETPAPERINFOBOTTOMMARGIN(8, -0.0f);
  EXPECT_TRUE(std::signbit(GETPAPERINFOBOTTOMMARGIN(8)));
}
HOSTILE_TEST(HostilePaper, GETPAPERINFOLEFTMARGIN) { check_margin(margins()[2].first, margins()[2].second); }
HOSTILE_TEST(HostilePaper, SETPAPERINFOLEFTMARGIN) {
  SETPAPERINFOLEFTMARGIN(-1, 1);
  SETPAPERINFOLEFTMARGIN(8, FLT_MAX);
  EXPECT_EQ(GETPAPERINFOLEFTMARGIN(8), FLT_MAX);
}
HOSTILE_TEST(HostilePaper, GETPAPERINFORIGHTMARGIN) { check_margin(margins()[3].first, margins()[3].second); }
HOSTILE_TEST(HostilePaper, SETPAPERINFORIGHTMARGIN) {
  SETPAPERINFORIGHTMARGIN(41, 1);
  SETPAPERINFORIGHTMARGIN(8, kNaNf);
  EXPECT_TRUE(std::isnan(GETPAPERINFORIGHTMARGIN(8)));
}

HOSTILE_TEST(HostilePaper, GETPAPERINDEXFROMPAPERSIZE) {
  int32_t orientation = 77;
  for (float bad : {kNaNf, -kNaNf, kInff, -kInff, kDenormalf, FLT_MAX}) {
    EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(0, bad, bad, &orientation), -1) << bad;
    EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(1, bad, 11, &orientation), -1) << bad;
  }
  EXPECT_EQ(orientation, 77);
  // A record stored with NaN never matches, even a NaN size.
  SETPAPERINFOITEM(0, "nan", kNaNf, kNaNf, 0, 0, 0, 0);
  EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(0, kNaNf, kNaNf, &orientation), -1);
  // -0.0 equals 0.0.
  SETPAPERINFOITEM(0, "zero", 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(kMin, -0.0f, -0.0f, nullptr), 0);
  EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(0, -0.0f, 0.0f, &orientation), 0);
  EXPECT_EQ(orientation, 1);
  SETPAPERINFOITEM(0, "tall", 1, 2, 0, 0, 0, 0);
  EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(kMax, 2, 1, &orientation), 0);
  EXPECT_EQ(orientation, 2);
  forget_initialisation();
  orientation = 77;
  EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(0, 8.5f, 11, &orientation), -1);
  EXPECT_EQ(orientation, 77);
}

HOSTILE_TEST(HostilePaper, GETPAPERINDEXFROMPAPERNAME) {
  // Null reads as the empty name: the first record without a name.
  int32_t unnamed = -1;
  for (int32_t k = 40; k >= 0; --k) {
    if (GETPAPERINFONAMELENGTH(k) == 0) unnamed = k;
  }
  EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(nullptr), unnamed);
  char empty[2] = "";
  EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(empty), unnamed);
  SETPAPERINFOITEM(0, "", 1, 1, 0, 0, 0, 0);
  EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(nullptr), 0);
  // A buffer past the cap: read and rewritten up to the cap, never beyond.
  std::vector<char> big(kCap + 2, 'b');
  big[kCap + 1] = '\0';
  big[kCap] = 'T';
  EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(big.data()), -1);
  EXPECT_EQ(big[0], 'B');
  EXPECT_EQ(big[kCap - 1], 'B');
  EXPECT_EQ(big[kCap], '\0');  // the text read ends at the cap: its NUL goes there
  EXPECT_EQ(big[kCap + 1], '\0');
  // Every byte: upper-cased in place, never longer.
  std::string every = all_bytes();
  std::vector<char> buffer(every.begin(), every.end());
  buffer.push_back('\0');
  EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(buffer.data()), -1);
  EXPECT_EQ(std::strlen(buffer.data()), every.size());
  EXPECT_EQ(buffer['a' - 1], 'A');
  forget_initialisation();
  char name[] = " letter ";
  EXPECT_EQ(GETPAPERINDEXFROMPAPERNAME(name), -1);
}

// ---------------------------------------------------------------- catalog

HOSTILE_TEST(HostileCatalog, GETDESCRIPTIONFORCATEGORYTYPE) {
  for (int32_t bad : bad_integers()) {
    EXPECT_EQ(take(GETDESCRIPTIONFORCATEGORYTYPE(bad, 0)), "") << bad;
    EXPECT_EQ(take(GETDESCRIPTIONFORCATEGORYTYPE(1, bad)), "") << bad;
  }
  EXPECT_NE(take(GETDESCRIPTIONFORCATEGORYTYPE(1, 0)), "");
}

HOSTILE_TEST(HostileCatalog, GETSUBCATEGORIESCODESTRING) {
  for (int32_t bad : bad_integers()) EXPECT_EQ(take(GETSUBCATEGORIESCODESTRING(bad)), "") << bad;
  EXPECT_EQ(take(GETSUBCATEGORIESCODESTRING(1)), "1\xFF" "2\xFF" "3\xFF" "4\xFF" "5");
}

HOSTILE_TEST(HostileCatalog, GETITEMTYPESCODESTRING) {
  for (int32_t bad : bad_integers()) {
    EXPECT_EQ(take(GETITEMTYPESCODESTRING(bad, 1)), "") << bad;
    EXPECT_EQ(take(GETITEMTYPESCODESTRING(1, bad)), "") << bad;
  }
}

HOSTILE_TEST(HostileCatalog, GETSUBITEMTYPESCODESTRING) {
  for (int32_t bad : bad_integers()) {
    EXPECT_EQ(take(GETSUBITEMTYPESCODESTRING(bad, 1, 1)), "") << bad;
    EXPECT_EQ(take(GETSUBITEMTYPESCODESTRING(1, bad, 1)), "") << bad;
    EXPECT_EQ(take(GETSUBITEMTYPESCODESTRING(1, 1, bad)), "") << bad;
  }
}

HOSTILE_TEST(HostileCatalog, GETLIBRARYNAMEFROMCATEGORIES) {
  EXPECT_EQ(take(GETLIBRARYNAMEFROMCATEGORIES(kMin, kMax, kMin)), "lib_-2147483648_2147483647");
  EXPECT_EQ(take(GETLIBRARYNAMEFROMCATEGORIES(kMax, kMin, kMax)), "lib_2147483647_-2147483648_2147483647");
  EXPECT_EQ(take(GETLIBRARYNAMEFROMCATEGORIES(-1, -1, 0)), "lib_-1_-1");
}

HOSTILE_TEST(HostileCatalog, GETCATEGORIESFROMLIBRARYNAME) {
  int32_t category = 5, sub_category = 5, item_type = 5;
  // Null and empty names: field 2 missing reads as 0, fields 3 and 4 as -1.
  EXPECT_EQ(GETCATEGORIESFROMLIBRARYNAME(nullptr, &category, &sub_category, &item_type), 0);
  EXPECT_EQ(category, 0);
  EXPECT_EQ(sub_category, -1);
  EXPECT_EQ(item_type, -1);
  EXPECT_EQ(GETCATEGORIESFROMLIBRARYNAME("lib_1_2_3", nullptr, nullptr, nullptr), 0);
  // Out of range, infinite and not-a-number fields give INT32_MIN.
  EXPECT_EQ(GETCATEGORIESFROMLIBRARYNAME("lib_99999999999_1E300_-5", &category, &sub_category, &item_type), 0);
  EXPECT_EQ(category, kMin);
  EXPECT_EQ(sub_category, kMin);
  EXPECT_EQ(item_type, -5);
  EXPECT_EQ(GETCATEGORIESFROMLIBRARYNAME("lib_2.5_3.5_-2147483648.5", &category, &sub_category, &item_type), 0);
  EXPECT_EQ(category, 2);  // ties to even
  EXPECT_EQ(sub_category, 4);
  EXPECT_EQ(item_type, kMin);
  EXPECT_EQ(GETCATEGORIESFROMLIBRARYNAME(long_text('_'), &category, &sub_category, &item_type), 0);
  EXPECT_EQ(category, 0);
  EXPECT_EQ(sub_category, 0);
  EXPECT_EQ(item_type, 0);
}

HOSTILE_TEST(HostileCatalog, ISVALIDLIBRARYNAME) {
  EXPECT_EQ(ISVALIDLIBRARYNAME(nullptr), 0);
  EXPECT_EQ(ISVALIDLIBRARYNAME(""), 0);
  EXPECT_EQ(ISVALIDLIBRARYNAME(all_bytes().c_str()), 0);
  EXPECT_EQ(ISVALIDLIBRARYNAME(long_text('_')), 0);
  EXPECT_EQ(ISVALIDLIBRARYNAME("lib_-1_2_lib.vdf"), 0);
  EXPECT_EQ(ISVALIDLIBRARYNAME("LiB_99999999999999999999_lIb.VdF"), 1);  // digits, any count
  EXPECT_EQ(ISVALIDLIBRARYNAME("lib__lib.vdf"), 0);  // fields separated by single "_"
}

HOSTILE_TEST(HostileCatalog, GETSYMBOLITEMNAMEFROMTYPE) {
  for (int32_t bad : bad_integers()) {
    EXPECT_EQ(take(GETSYMBOLITEMNAMEFROMTYPE(bad, 1, 1, 0)), "") << bad;
    EXPECT_EQ(take(GETSYMBOLITEMNAMEFROMTYPE(1, bad, 1, 0)), "") << bad;
    EXPECT_EQ(take(GETSYMBOLITEMNAMEFROMTYPE(1, 1, bad, 0)), "") << bad;
  }
  const std::string singular = take(GETSYMBOLITEMNAMEFROMTYPE(1, 1, 1, 0));
  const std::string plural = take(GETSYMBOLITEMNAMEFROMTYPE(1, 1, 1, 1));
  ASSERT_NE(singular, "");
  for (int32_t flag : bad_integers()) EXPECT_EQ(take(GETSYMBOLITEMNAMEFROMTYPE(1, 1, 1, flag)), plural) << flag;
}

HOSTILE_TEST(HostileCatalog, GETSYMBOLITEMTYPEFROMNAME) {
  EXPECT_EQ(GETSYMBOLITEMTYPEFROMNAME(1, 1, nullptr), 0);
  char blank[5] = "   ";
  EXPECT_EQ(GETSYMBOLITEMTYPEFROMNAME(1, 1, blank), 0);
  EXPECT_STREQ(blank, "   ");  // a blank name is not rewritten
  const std::string name = take(GETSYMBOLITEMNAMEFROMTYPE(1, 1, 1, 0));
  for (int32_t bad : bad_integers()) {
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    EXPECT_EQ(GETSYMBOLITEMTYPEFROMNAME(bad, 1, buffer.data()), 0) << bad;
    EXPECT_EQ(GETSYMBOLITEMTYPEFROMNAME(1, bad, buffer.data()), 0) << bad;
  }
  std::vector<char> big(kCap + 2, 'w');
  big[kCap] = 'T';
  big[kCap + 1] = '\0';
  EXPECT_EQ(GETSYMBOLITEMTYPEFROMNAME(1, 1, big.data()), 0);
  EXPECT_EQ(big[0], 'W');
  EXPECT_EQ(big[kCap], 'T');
}

HOSTILE_TEST(HostileCatalog, GETSYMBOLSUBITEMNAMEFROMTYPE) {
  for (int32_t bad : bad_integers()) {
    EXPECT_EQ(take(GETSYMBOLSUBITEMNAMEFROMTYPE(bad, 1, 1, 1)), "") << bad;
    EXPECT_EQ(take(GETSYMBOLSUBITEMNAMEFROMTYPE(1, bad, 1, 1)), "") << bad;
    EXPECT_EQ(take(GETSYMBOLSUBITEMNAMEFROMTYPE(1, 1, bad, 1)), "") << bad;
    EXPECT_EQ(take(GETSYMBOLSUBITEMNAMEFROMTYPE(1, 1, 1, bad)), "") << bad;
  }
}

HOSTILE_TEST(HostileCatalog, GETOBJECTWALLSNAPINDEXFROMCATEGORIES) {
  for (int32_t bad : bad_integers()) {
    EXPECT_EQ(GETOBJECTWALLSNAPINDEXFROMCATEGORIES(bad, 1, 1, 0), 0) << bad;
    EXPECT_EQ(GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, bad, 1, 0), 0) << bad;
    EXPECT_EQ(GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, 1, bad, 0), 0) << bad;
    EXPECT_EQ(GETOBJECTWALLSNAPINDEXFROMCATEGORIES(1, 1, 1, bad), 0) << bad;
  }
}

HOSTILE_TEST(HostileCatalog, GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX) {
  forget_initialisation();  // a constant of the catalog, not of the tables
  EXPECT_EQ(GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(), 262);
}

HOSTILE_TEST(HostileCatalog, ISOBJECTAWALL) {
  EXPECT_EQ(ISOBJECTAWALL(nullptr), 0);
  EXPECT_EQ(ISOBJECTAWALL(""), 0);
  EXPECT_EQ(ISOBJECTAWALL("1,1"), 0);
  EXPECT_EQ(ISOBJECTAWALL("1, 1.0 ,1e0"), 1);
  EXPECT_EQ(ISOBJECTAWALL("nan,1,1"), 0);
  EXPECT_EQ(ISOBJECTAWALL(long_text(',')), 0);
  EXPECT_EQ(ISOBJECTAWALL(all_bytes().c_str()), 0);
}

HOSTILE_TEST(HostileCatalog, ISOBJECTAWIRE) {
  EXPECT_EQ(ISOBJECTAWIRE(nullptr), 0);
  EXPECT_EQ(ISOBJECTAWIRE("1,0,12"), 0);  // fewer than 4 fields
  EXPECT_EQ(ISOBJECTAWIRE("1,0,12,2"), -2);
  EXPECT_EQ(ISOBJECTAWIRE("1,0,12,1e300"), kMin);  // INT32_MIN negated stays INT32_MIN
  EXPECT_EQ(ISOBJECTAWIRE("1,0,12,2147483647"), -kMax);
  EXPECT_EQ(ISOBJECTAWIRE("1,1,250,-2147483648"), kMin);
  EXPECT_EQ(ISOBJECTAWIRE(long_text('9')), 0);
}

HOSTILE_TEST(HostileCatalog, ISSYMBOLVIEWNUMBERVALID) {
  EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(0, nullptr), -1);  // one empty field, read as 0
  EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(1, nullptr), 0);
  // Fields compare as numbers, not rounded.
  EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(kMin, "1e300"), 0);
  EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(0, "0.4"), 0);
  EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(kMin, "x,-2147483648"), -1);
  EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(kMax, "2147483647"), -1);
  EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(3, "\"1,3\",2"), 0);  // a quoted field keeps its comma
  EXPECT_EQ(ISSYMBOLVIEWNUMBERVALID(7, long_text('7')), 0);
}

HOSTILE_TEST(HostileCatalog, GETDESCRIPTIONFORWIRETYPE) {
  for (int32_t bad : bad_integers()) EXPECT_EQ(take(GETDESCRIPTIONFORWIRETYPE(bad)), "") << bad;
  EXPECT_EQ(take(GETDESCRIPTIONFORWIRETYPE(0)), "");
  EXPECT_EQ(take(GETDESCRIPTIONFORWIRETYPE(4)), "");
  EXPECT_EQ(take(GETDESCRIPTIONFORWIRETYPE(3)), "Sweeping");
}

HOSTILE_TEST(HostileCatalog, GETDESCRIPTIONFORDRAWINGTOOLTYPE) {
  for (int32_t bad : bad_integers()) EXPECT_EQ(take(GETDESCRIPTIONFORDRAWINGTOOLTYPE(bad)), "") << bad;
  EXPECT_EQ(take(GETDESCRIPTIONFORDRAWINGTOOLTYPE(0)), "");
  EXPECT_EQ(take(GETDESCRIPTIONFORDRAWINGTOOLTYPE(12)), "");
  EXPECT_EQ(take(GETDESCRIPTIONFORDRAWINGTOOLTYPE(11)), "Box");
}

HOSTILE_TEST(HostileCatalog, ISOBJECTPARTOFTEXTBOX) {
  EXPECT_EQ(ISOBJECTPARTOFTEXTBOX(nullptr), 0);
  EXPECT_EQ(ISOBJECTPARTOFTEXTBOX(""), 0);
  EXPECT_EQ(ISOBJECTPARTOFTEXTBOX(all_bytes().c_str()), 0);
  EXPECT_EQ(ISOBJECTPARTOFTEXTBOX(long_text('T')), 0);
}

HOSTILE_TEST(HostileCatalog, GETFOLDERNAMEINVALIDCHARACTERS) {
  EXPECT_EQ(take(GETFOLDERNAMEINVALIDCHARACTERS()), "/\\:*?<>|\"");
}
HOSTILE_TEST(HostileCatalog, GETCATEGORYNAMEINVALIDCHARACTERS) {
  EXPECT_EQ(take(GETCATEGORYNAMEINVALIDCHARACTERS()), ".,/\\:*?<>|_\"");
}
HOSTILE_TEST(HostileCatalog, GETCIRCUITNAMEINVALIDCHARACTERS) {
  EXPECT_EQ(take(GETCIRCUITNAMEINVALIDCHARACTERS()), ".,:*?\"");
}
HOSTILE_TEST(HostileCatalog, GETSYMBOLNAMEINVALIDCHARACTERS) {
  forget_initialisation();  // constants: no table needed
  EXPECT_EQ(take(GETSYMBOLNAMEINVALIDCHARACTERS()), ".,/\\:*?\"");
}
