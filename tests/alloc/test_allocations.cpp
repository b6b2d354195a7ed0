// The catalog, scale, angle, rectangle and bit exports make no heap
// allocation beyond the string they return: each export family is swept over
// its tables and beyond, with every allocation through operator new counted.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "catalog/item_names.h"
#include "catalog/sub_item_names.h"
#include "catalog/wall_snap.h"
#include "tolmerdll.h"

namespace {

using tolmer_test::AllocationWatch;

// Valgrind (scripts/valgrind.sh) puts its own allocator in place of every
// operator new, this program's included, so nothing can be counted under it.
bool under_valgrind() {
  const char* preload = std::getenv("LD_PRELOAD");
  return preload != nullptr && std::strstr(preload, "vgpreload") != nullptr;
}

// Calls that return a LibString release it at once; releasing allocates nothing.
void take(LibString result) { FREELIBSTRING(result); }

// Catalog numbers to sweep: every table key plus numbers around and outside.
struct Key {
  int32_t category, sub_category, item_type, sub_item_type;
};

std::vector<Key> catalog_keys() {
  std::vector<Key> keys;
  for (const auto& e : tolmer::item_name_table()) keys.push_back({1, e.sub_category, e.item_type, 1});
  for (const auto& e : tolmer::sub_item_name_table())
    keys.push_back({1, e.sub_category, e.item_type, e.sub_item_type});
  for (const auto& e : tolmer::wall_snap_table())
    keys.push_back({1, e.sub_category, e.item_type, e.sub_item_type});
  const int32_t odd[] = {-1, 0, 2, 7, 255, 1000, std::numeric_limits<int32_t>::max(),
                         std::numeric_limits<int32_t>::min()};
  for (int32_t c = 0; c <= 3; ++c)
    for (int32_t s = -1; s <= 7; ++s)
      for (const int32_t i : odd) keys.push_back({c, s, i, i});
  return keys;
}

// Texts prepared before counting starts: names longer than the 15 bytes a
// string keeps without the heap, and odd ones.
std::vector<std::string> catalog_texts() {
  std::vector<std::string> texts = {"",
                                    "LIB_1_2_3_LIB.VDF",
                                    "lib_12_345_6789_lib.vdf",
                                    "LIB_1_LIB.VDF",
                                    "LIB__LIB.VDF",
                                    "not a library name at all, and rather long",
                                    "1,1,1,0",
                                    "1,0,12,3",
                                    "1,2,250,7,extra,fields,beyond,the,four",
                                    "\"1,2\",3,4",
                                    "TEXTBOX_FRAME_0123456789",
                                    std::string(300, 'x')};
  for (const auto& e : tolmer::item_name_table()) {
    texts.emplace_back(e.plural);
    texts.emplace_back("   " + std::string(e.singular) + "   ");
  }
  return texts;
}

struct FamilyCase {
  const char* family;
  std::function<void()> sweep;  // calls every export of the family, many times
};

void PrintTo(const FamilyCase& c, std::ostream* os) { *os << c.family; }

class NoAllocation : public ::testing::TestWithParam<FamilyCase> {};

TEST_P(NoAllocation, BeyondTheReturnedString) {
  if (under_valgrind()) GTEST_SKIP() << "allocations are not counted under valgrind";
  INITIALIZEDLL();
  GetParam().sweep();  // once to settle anything made on first use
  const AllocationWatch watch;
  GetParam().sweep();
  EXPECT_EQ(watch.count(), 0u) << GetParam().family;
}

void sweep_catalog() {
  static const std::vector<Key> keys = catalog_keys();
  static const std::vector<std::string> texts = catalog_texts();
  // Writable copies of the texts, made on the first sweep and refilled in
  // place (without allocating) on the next.
  static std::vector<std::vector<char>> buffers(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    buffers[i].resize(texts[i].size() + 1);
    std::copy(texts[i].begin(), texts[i].end(), buffers[i].begin());
    buffers[i].back() = '\0';
  }
  for (const Key& k : keys) {
    take(GETDESCRIPTIONFORCATEGORYTYPE(k.category, k.sub_category));
    take(GETSUBCATEGORIESCODESTRING(k.category));
    take(GETITEMTYPESCODESTRING(k.category, k.sub_category));
    take(GETSUBITEMTYPESCODESTRING(k.category, k.sub_category, k.item_type));
    take(GETLIBRARYNAMEFROMCATEGORIES(k.category, k.sub_category, k.item_type));
    take(GETSYMBOLITEMNAMEFROMTYPE(k.category, k.sub_category, k.item_type, 0));
    take(GETSYMBOLITEMNAMEFROMTYPE(k.category, k.sub_category, k.item_type, 1));
    take(GETSYMBOLSUBITEMNAMEFROMTYPE(k.category, k.sub_category, k.item_type, k.sub_item_type));
    GETOBJECTWALLSNAPINDEXFROMCATEGORIES(k.category, k.sub_category, k.item_type, k.sub_item_type);
    take(GETDESCRIPTIONFORWIRETYPE(k.item_type));
    take(GETDESCRIPTIONFORDRAWINGTOOLTYPE(k.sub_category));
    ISSYMBOLVIEWNUMBERVALID(k.item_type, "1,2,3,\"4,5\",250");
  }
  GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX();
  take(GETFOLDERNAMEINVALIDCHARACTERS());
  take(GETCATEGORYNAMEINVALIDCHARACTERS());
  take(GETCIRCUITNAMEINVALIDCHARACTERS());
  take(GETSYMBOLNAMEINVALIDCHARACTERS());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const char* text = texts[i].c_str();
    int32_t category = 0, sub_category = 0, item_type = 0;
    GETCATEGORIESFROMLIBRARYNAME(text, &category, &sub_category, &item_type);
    ISVALIDLIBRARYNAME(text);
    ISOBJECTAWALL(text);
    ISOBJECTAWIRE(text);
    ISOBJECTPARTOFTEXTBOX(text);
    ISSYMBOLVIEWNUMBERVALID(3, text);
    for (int32_t s = 0; s <= 6; ++s) GETSYMBOLITEMTYPEFROMNAME(1, s, buffers[i].data());
  }
}

void sweep_scales() {
  for (int32_t system = -1; system <= 2; ++system) {
    for (int32_t part = -1; part <= 2; ++part)
      for (int32_t index = -1; index <= 14; ++index) GETSCALERATIOVALUE(system, part, index);
    for (const float n : {1.0f, 0.25f, 3.0f, 0.0f, -1.0f})
      for (const float d : {1.0f, 12.0f, 48.0f, 100.0f, 0.0f}) {
        GETINDEXFORSCALERATIOVALUES(system, n, d);
        GETINCHESPERFOOTFROMSCALERATIO(n, d);
      }
    for (const double s : {1.0, 1.0 / 48, 1.0 / 96, 1e-9, 0.0, -1.0, std::nan("")})
      GETNEARESTSCALERATIOVALUE(system, s);
    for (const float v : {0.0f, 1.0f, 25.4f, -3.5f, 1e30f}) GETCONVERTEDSCALEVALUE(system, v);
  }
}

void sweep_angles() {
  const double values[] = {0, 1, 90, 180, 359, 359.5, 360, 400, -400, -0.5, 1e300, -1e300,
                           std::numeric_limits<double>::infinity(), std::nan("")};
  for (const double a : values)
    for (const double b : values) {
      REDUCETO360DEGREEANGLE(a, 0);
      REDUCETO360DEGREEANGLE(a, 1);
      for (int32_t direction = -1; direction <= 3; ++direction) GETOFFSETFROMANGLES(a, b, direction, 45);
      ADDANGLEOFFSET(a, b);
      ROTATEDEGREESVALUE(a, b);
      ROTATERADIANSVALUE(a, b);
      ROTATETONEXTDEGREEVALUE(a, b);
      ANGLEPASSEDTHROUGHZERO(a, b);
    }
}

void sweep_rectangles() {
  const double values[] = {-10, 0, 2.5, 10, std::nan("")};
  for (const double x1 : values)
    for (const double y1 : values)
      for (const double x2 : values)
        for (const double y2 : values) {
          double a = x1, b = y1, c = x2, d = y2;
          SETRECTLOWERLEFTJUSTIFIED(&a, &b, &c, &d);
          const DoubleRect r{x1, y1, x2, y2};
          const DoubleRect s{y1, x1, y2, x2};
          RECTINRECT(&r, &s);
          RECTINRECT(&r, nullptr);
          ISPOINTINRECTDOUBLE(x1, y2, &r, 0);
          ISPOINTINRECTDOUBLE(x2, y1, &r, 1);
        }
}

void sweep_bits() {
  uint8_t memory[16] = {};
  for (int32_t count = -2; count <= 40; ++count)
    for (const int32_t value : {0, 1, -1, 0x55AA55AA, std::numeric_limits<int32_t>::min()}) {
      GETTOTALBITSSET(value, count);
      GETFIRSTBITSET(value, count / 2, count);
      SHIFTBITSLEFT(value, count);
      SHIFTBITSRIGHT(value, count);
      const int32_t bit = count < 0 ? count : count % 128;
      SETBIT(memory, bit);
      TOGGLEBIT(memory, bit);
      EXAMINEBIT(memory, bit);
      CLEARBIT(memory, bit);
      ROTATEBITSLEFT(&memory[0], count);
      ROTATEBITSRIGHT(&memory[1], count);
    }
}

INSTANTIATE_TEST_SUITE_P(Exports, NoAllocation,
                         ::testing::Values(FamilyCase{"catalog", sweep_catalog},
                                           FamilyCase{"scales", sweep_scales},
                                           FamilyCase{"angles", sweep_angles},
                                           FamilyCase{"rectangles", sweep_rectangles},
                                           FamilyCase{"bits", sweep_bits}));

// The counter sees an allocation of the library's own kind: a string too
// long to be kept inside its object.
TEST(AllocationCounter, CountsStringStorage) {
  if (under_valgrind()) GTEST_SKIP() << "allocations are not counted under valgrind";
  const AllocationWatch watch;
  std::string text(100, 'x');
  text += text;
  EXPECT_GE(watch.count(), 1u);
  EXPECT_EQ(text.size(), 200u);
}

}  // namespace
