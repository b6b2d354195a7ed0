// Category descriptions, code strings and symbol-library names.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "catalog/categories.h"
#include "catalog/sub_item_names.h"
#include "c_abi/libstring.h"
#include "tolmerdll.h"
#include "test_support.h"

namespace {

using test_support::take;

// The numbers as decimal text separated by the byte 255.
std::string code_string(const std::vector<int>& numbers) {
  std::string text;
  for (const int n : numbers) {
    if (!text.empty()) text += '\xFF';
    text += std::to_string(n);
  }
  return text;
}

std::vector<int> range(int first, int last) {
  std::vector<int> numbers;
  for (int n = first; n <= last; ++n) numbers.push_back(n);
  return numbers;
}

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// ------------------------------------------------------------ descriptions

struct DescriptionCase {
  int32_t category;
  int32_t sub_category;
  const char* expected;
};

TEST(CategoryDescription, TableAndMisses) {
  const DescriptionCase cases[] = {
      {1, 0, "Floor Plan"},
      {1, 1, "Walls/Windows/Doors"},
      {1, 2, "Electrical Appliances"},
      {1, 3, "Plumbing Fixtures"},
      {1, 4, "Power"},
      {1, 5, "Structured"},
      {1, 6, "Rulers"},
      {1, 7, ""},
      {1, -1, ""},
      {1, INT32_MIN, ""},
      {2, 0, "Document"},
      {3, -7, "Invoice"},
      {4, 1, "Estimate"},
      {5, 99, "Inventory Item"},
      {6, INT32_MIN, "Label"},
      {6, INT32_MAX, "Label"},
      {0, 0, ""},
      {7, 0, ""},
      {-1, 0, ""},
  };
  for (const DescriptionCase& c : cases) {
    EXPECT_EQ(take(GETDESCRIPTIONFORCATEGORYTYPE(c.category, c.sub_category)), c.expected)
        << c.category << ", " << c.sub_category;
    EXPECT_EQ(tolmer::description_for_category_type(c.category, c.sub_category), c.expected);
  }
}

// ------------------------------------------------------------ code strings

TEST(SubCategoriesCodeString, CategoryOneListsFiveSubCategories) {
  const std::string bytes = take(GETSUBCATEGORIESCODESTRING(1));
  EXPECT_EQ(bytes, std::string("1\xFF" "2\xFF" "3\xFF" "4\xFF" "5"));
  EXPECT_EQ(bytes.size(), 9u);
  for (const int32_t category : {0, 2, 3, 6, -1, INT32_MIN}) {
    EXPECT_EQ(take(GETSUBCATEGORIESCODESTRING(category)), "") << category;
  }
}

TEST(ItemTypesCodeString, EachSubCategoryHasItsOwnList) {
  struct Case {
    int32_t category;
    int32_t sub_category;
    std::vector<int> numbers;
  };
  const Case cases[] = {
      {1, 1, range(0, 3)},
      {1, 2, range(0, 14)},
      {1, 3, range(0, 4)},
      {1, 4, concat(range(0, 30), {235, 254})},
      {1, 5, concat(range(0, 39), {235, 254})},
      {1, 0, {}},
      {1, 6, {}},
      {1, 235, {}},
      {2, 1, {}},
      {0, 4, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(take(GETITEMTYPESCODESTRING(c.category, c.sub_category)), code_string(c.numbers))
        << c.category << ", " << c.sub_category;
  }
  EXPECT_EQ(take(GETITEMTYPESCODESTRING(1, 1)), std::string("0\xFF" "1\xFF" "2\xFF" "3"));
  const std::string power = take(GETITEMTYPESCODESTRING(1, 4));
  const std::string tail("\xFF" "30\xFF" "235\xFF" "254");
  ASSERT_GT(power.size(), tail.size());
  EXPECT_EQ(power.substr(power.size() - tail.size()), tail);
}

TEST(SubItemTypesCodeString, ListsOneToN) {
  struct Case {
    int32_t category;
    int32_t sub_category;
    int32_t item_type;
    int n;
  };
  const Case cases[] = {
      {1, 1, 1, 1},  {1, 1, 3, 5},   {1, 2, 11, 2},  {1, 3, 4, 3},  {1, 4, 7, 26},
      {1, 4, 2, 25}, {1, 4, 235, 6}, {1, 4, 254, 3}, {1, 5, 18, 11}, {1, 5, 254, 3},
      {1, 4, 8, 0},  {1, 1, 4, 0},   {1, 5, 12, 0},  {1, 2, 235, 0}, {2, 4, 7, 0},
      {1, 4, 0, 0},  {1, 0, 248, 0}, {1, 6, 1, 0},   {1, 4, -1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(take(GETSUBITEMTYPESCODESTRING(c.category, c.sub_category, c.item_type)),
              code_string(range(1, c.n)))
        << c.category << ", " << c.sub_category << ", " << c.item_type;
  }
  EXPECT_EQ(take(GETSUBITEMTYPESCODESTRING(1, 1, 1)), "1");
}

TEST(SubItemTypesCodeString, ListsAgreeWithTheSubItemNames) {
  // Every item type that has sub-item names lists exactly the sub-item types
  // 1 to n that are named, and an item type without names lists nothing.
  const auto names = tolmer::sub_item_name_table();
  int listed = 0;
  for (int32_t sub = 0; sub <= 6; ++sub) {
    for (int32_t item = -1; item <= 260; ++item) {
      int named = 0;
      for (const tolmer::SubItemName& e : names) {
        if (e.sub_category == sub && e.item_type == item) ++named;
      }
      const int32_t n = tolmer::sub_item_type_count(1, sub, item);
      EXPECT_EQ(n, named) << sub << ", " << item;
      for (int32_t k = 1; k <= n; ++k) {
        EXPECT_FALSE(tolmer::symbol_sub_item_name(1, sub, item, k).empty())
            << sub << ", " << item << ", " << k;
      }
      listed += n;
    }
  }
  EXPECT_EQ(listed, 268);
}

TEST(CodeStrings, RepeatedCallsGiveTheSameBytes) {
  const std::string first = take(GETITEMTYPESCODESTRING(1, 5));
  EXPECT_EQ(take(GETITEMTYPESCODESTRING(1, 5)), first);
  EXPECT_EQ(tolmer::item_types_code_string(1, 5), first);
  // The text is joined once and handed out again.
  EXPECT_EQ(tolmer::item_types_code_string(1, 5).data(),
            tolmer::item_types_code_string(1, 5).data());
}

// ------------------------------------------------------------ library names

TEST(LibraryName, BuiltFromCategories) {
  struct Case {
    int32_t category;
    int32_t sub_category;
    int32_t item_type;
    const char* expected;
  };
  const Case cases[] = {
      {1, 4, 0, "lib_1_4"},
      {1, 4, 2, "lib_1_4_2"},
      {1, 5, -1, "lib_1_5"},
      {1, 4, -5, "lib_1_4"},
      {6, 0, 0, "lib_6_0"},
      {1, -2, 0, "lib_1_-2"},
      {1, 4, 10201, "lib_1_4_10201"},
      {99, 98, 97, "lib_99_98_97"},
      {INT32_MIN, INT32_MIN, INT32_MAX, "lib_-2147483648_-2147483648_2147483647"},
      {1, 4, INT32_MIN, "lib_1_4"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(take(GETLIBRARYNAMEFROMCATEGORIES(c.category, c.sub_category, c.item_type)),
              c.expected);
  }
}

struct ReadCase {
  const char* name;
  int32_t category;
  int32_t sub_category;
  int32_t item_type;
};

TEST(CategoriesFromLibraryName, ReadsFieldsTwoToFour) {
  const ReadCase cases[] = {
      {"lib_1_4", 1, 4, -1},
      {"lib_1_4_2", 1, 4, 2},
      {"lib_1_4_lib.vdf", 1, 4, 0},
      {"lib_1_4_2_lib.vdf", 1, 4, 2},
      {"lib_3", 3, -1, -1},
      {"lib", 0, -1, -1},
      {"", 0, -1, -1},
      {"x_2.5_3.5_-0.5", 2, 4, 0},           // ties to even
      {"lib_ 7_  8x_&H10", 7, 8, 16},        // blanks skipped, trailing junk ignored
      {"lib__", 0, 0, -1},                   // empty fields read as 0
      {"lib_1_2_3_4_5", 1, 2, 3},            // later fields ignored
      {"lib_1e10_-1e10_4", INT32_MIN, INT32_MIN, 4},  // out of range
      {"lib_1e400_-1e400_2147483647.4", INT32_MIN, INT32_MIN, INT32_MAX},
      {"lib_2147483647.5_-2147483648.5_-2147483648.4", INT32_MIN, INT32_MIN, INT32_MIN},
  };
  for (const ReadCase& c : cases) {
    int32_t category = 123;
    int32_t sub_category = 123;
    int32_t item_type = 123;
    EXPECT_EQ(GETCATEGORIESFROMLIBRARYNAME(c.name, &category, &sub_category, &item_type), 0);
    EXPECT_EQ(category, c.category) << c.name;
    EXPECT_EQ(sub_category, c.sub_category) << c.name;
    EXPECT_EQ(item_type, c.item_type) << c.name;
  }
}

TEST(CategoriesFromLibraryName, NullArgumentsAreSafe) {
  int32_t category = 5;
  int32_t sub_category = 5;
  int32_t item_type = 5;
  EXPECT_EQ(GETCATEGORIESFROMLIBRARYNAME(nullptr, &category, &sub_category, &item_type), 0);
  EXPECT_EQ(category, 0);
  EXPECT_EQ(sub_category, -1);
  EXPECT_EQ(item_type, -1);
  EXPECT_EQ(GETCATEGORIESFROMLIBRARYNAME("lib_1_4_2", nullptr, &sub_category, nullptr), 0);
  EXPECT_EQ(sub_category, 4);
}

TEST(CategoriesFromLibraryName, RoundTripsBuiltNames) {
  for (const int32_t category : {0, 1, 6, 2147483647}) {
    for (const int32_t sub_category : {0, 5, -2}) {
      for (const int32_t item_type : {1, 254, 10201}) {
        const std::string name =
            take(GETLIBRARYNAMEFROMCATEGORIES(category, sub_category, item_type));
        int32_t c = 0;
        int32_t s = 0;
        int32_t i = 0;
        GETCATEGORIESFROMLIBRARYNAME(name.c_str(), &c, &s, &i);
        EXPECT_EQ(c, category);
        EXPECT_EQ(s, sub_category);
        EXPECT_EQ(i, item_type);
      }
    }
  }
}

TEST(ValidLibraryName, AcceptsAndRejects) {
  struct Case {
    const char* name;
    int32_t expected;
  };
  const Case cases[] = {
      {"lib_1_lib.vdf", 1},
      {"lib_1_4_lib.vdf", 1},
      {"LIB_1_4_2_LIB.VDF", 1},
      {"Lib_12_lib.VDF", 1},
      {"lIb_0_00_000_LiB.vDf", 1},
      {"lib_1_4", 0},
      {"lib__4_lib.vdf", 0},
      {"lib_lib.vdf", 0},
      {"lib_1_2_3_4_lib.vdf", 0},
      {"lib_1a_lib.vdf", 0},
      {"lib_-1_lib.vdf", 0},
      {"lib_+1_lib.vdf", 0},
      {"lib_1 _lib.vdf", 0},
      {"lib_1_4_lib.vdf ", 0},
      {" lib_1_lib.vdf", 0},
      {"lib_1_lib.vdf_", 0},
      {"lib_1_lib_vdf", 0},
      {"lib_1_4_lib.vdfx", 0},
      {"lbi_1_lib.vdf", 0},
      {"lib_1_4__lib.vdf", 0},
      {"_lib_1_lib.vdf", 0},
      {"", 0},
      {"lib_\xB9_lib.vdf", 0},  // a superscript digit is no digit
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ISVALIDLIBRARYNAME(c.name), c.expected) << c.name;
  }
  EXPECT_EQ(ISVALIDLIBRARYNAME(nullptr), 0);
}

TEST(ValidLibraryName, BuiltNamesWithTheSuffixAreValid) {
  for (const int32_t category : {0, 1, 6, 2147483647}) {
    for (const int32_t sub_category : {0, 5}) {
      for (const int32_t item_type : {0, 3, 10201}) {
        for (const char* suffix : {"_LIB.VDF", "_lib.vdf", "_Lib.Vdf"}) {
          const std::string name =
              take(GETLIBRARYNAMEFROMCATEGORIES(category, sub_category, item_type)) + suffix;
          EXPECT_EQ(ISVALIDLIBRARYNAME(name.c_str()), 1) << name;
        }
      }
    }
  }
}

}  // namespace
