// Path splitting and export-file names.
#include <gtest/gtest.h>

#include <string>

#include "c_abi/libstring.h"
#include "tolmerdll.h"
#include "test_support.h"

namespace {

using test_support::take;

struct Split {
  const char* path;
  const char* drive;
  const char* directory;
  const char* file_name;
  const char* without_file_name;
};

TEST(Paths, SplittingAPath) {
  const Split cases[] = {
      {"C:\\Plans\\House\\a.txt", "C:", "\\Plans\\House\\", "a.txt", "C:\\Plans\\House\\"},
      {"C:\\", "C:", "\\", "", "C:\\"},
      {"a.txt", "", "", "a.txt", ""},
      {"C:a.txt", "C:", "", "C:a.txt", ""},
      {"\\\\server\\share\\a.txt", "", "\\\\server\\share\\", "a.txt", "\\\\server\\share\\"},
      {"C:\\dir\\ a.txt  ", "C:", "\\dir\\", "a.txt", "C:\\dir\\"},
      {"D:/plans/x.txt", "D:", "", "D:/plans/x.txt", ""},
      {"", "", "", "", ""},
      {"C", "", "", "C", ""},
      {"C:", "C:", "", "C:", ""},
      {"\\", "", "\\", "", "\\"},
      {"x\\y", "", "x\\", "y", "x\\"},
      {"\\a\\b\\", "", "\\a\\b\\", "", "\\a\\b\\"},
      {"C:\\dir\\\t", "C:", "\\dir\\", "\t", "C:\\dir\\"},  // only spaces are trimmed
      {"C:\\dir\\   ", "C:", "\\dir\\", "", "C:\\dir\\"},
  };
  for (const Split& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(take(GETDRIVEFROMPATH(c.path)), c.drive);
    EXPECT_EQ(take(GETDIRECTORYFROMPATH(c.path)), c.directory);
    EXPECT_EQ(take(GETFILENAMEFROMPATH(c.path)), c.file_name);
    EXPECT_EQ(take(REMOVEFILENAMEFROMFULLPATH(c.path)), c.without_file_name);
  }
}

TEST(Paths, NullPathReadsAsEmpty) {
  EXPECT_EQ(GETDRIVEFROMPATH(nullptr), nullptr);
  EXPECT_EQ(GETDIRECTORYFROMPATH(nullptr), nullptr);
  EXPECT_EQ(GETFILENAMEFROMPATH(nullptr), nullptr);
  EXPECT_EQ(REMOVEFILENAMEFROMFULLPATH(nullptr), nullptr);
}

TEST(Paths, SplittingKeepsBytesAboveAscii) {
  const std::string path = "C:\\Pl\xE4ne\\\xFF" "b.txt";
  EXPECT_EQ(take(GETDIRECTORYFROMPATH(path.c_str())), "\\Pl\xE4ne\\");
  EXPECT_EQ(take(GETFILENAMEFROMPATH(path.c_str())), "\xFF" "b.txt");
}

struct ExportName {
  const char* base;
  int32_t category;
  int32_t number;
  const char* expected;
};

TEST(Paths, GetExportFileName) {
  const ExportName cases[] = {
      {" House ", 1, 3, "House_Floor Plan_3"},
      {" House ", 9, -2, "House__-2"},
      {"Job", 2, 0, "Job_Document_0"},
      {"Job", 3, 12, "Job_Invoice_12"},
      {"Job", 4, 7, "Job_Estimate_7"},
      {"Job", 5, 1, "Job_Inventory Item_1"},
      {"Job", 6, 2147483647, "Job_Label_2147483647"},
      {"Job", 0, INT32_MIN, "Job__-2147483648"},
      {"", 1, 1, "_Floor Plan_1"},
      {"a/b\\c", 1, 5, "a/b\\c_Floor Plan_5"},  // nothing validated or replaced
      {"\tX ", 2, 1, "\tX_Document_1"},
  };
  for (const ExportName& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.base << "\" " << c.category << ' ' << c.number);
    EXPECT_EQ(take(GETEXPORTFILENAME(c.base, c.category, c.number)), c.expected);
  }
  EXPECT_EQ(take(GETEXPORTFILENAME(nullptr, 1, 3)), "_Floor Plan_3");
}

}  // namespace
