// tolmer length names the bytes of an entry that no unit word consumed, one
// note per unread range, as typed; --strict rejects such an entry. Hyphens
// that join feet and inches are read, also by the scale parser.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tool_support.h"

namespace {

using namespace tool_test;

const std::string kNote = "tolmer length: note: ";
const std::string kZero = ", so the entry reads as 0 inches (a number counts only before a unit such as ' \" FT IN YD M CM MM)";
const std::string kEmpty = "tolmer length: note: the display is empty: a length of 0 has no display text\n";

class ToolUnread : public testing::TestWithParam<Case> {};
TEST_P(ToolUnread, Runs) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Notes, ToolUnread,
    testing::Values(
        exact("InchesWithoutMark", {"length", "--classic", "12'6"}, 0, "separated  12 ' 6\ninches     144\ndisplay    12'\n",
              kNote + "the 6 after 12' has no unit: not read\n"),
        exact("ThousandsComma", {"length", "--classic", "2,500 mm", "--metric", "--format", "4"}, 0,
              "separated  2 , 500 mm\ninches     19.68504\ndisplay    500 mm\n",
              kNote + "the 2, before 500 mm has no unit: not read\n"),
        exact("FeetAndABareNumber", {"length", "--classic", "5 ft 3"}, 0, "separated  5 ft 3\ninches     60\ndisplay    5'\n",
              kNote + "the 3 after 5 ft has no unit: not read\n"),
        exact("OneNotePerRange", {"length", "--classic", "abc 5 ft 3"}, 0, "separated  abc 5 ft 3\ninches     60\ndisplay    5'\n",
              kNote + "the abc before 5 ft 3 has no unit: not read\n" + kNote +
                  "the 3 after abc 5 ft has no unit: not read\n"),
        exact("TypedCaseAndSpacesKept", {"length", "--classic", " 5 FT  7 "}, 0, "separated   5 FT  7 \ninches     60\ndisplay    5'\n",
              kNote + "the 7 after 5 FT has no unit: not read\n"),
        // A tab is not a space: FT followed by a tab is no unit word.
        exact("ControlByteEscaped", {"length", "--classic", "5 ft\t3"}, 0, "separated  5 ft\t 3\ninches     0\ndisplay    \n",
              kNote + "the 5 ft\\x093 has no unit: not read" + kZero + "\n" + kEmpty),
        exact("SpacesBetweenNumberAndUnit", {"length", "--classic", "6  1/2  in"}, 0,
              "separated  6  1/2  in\ninches     6.5\ndisplay    6 1/2\"\n"),
        exact("WholeEntryUnread", {"length", "--classic", "12"}, 0, "separated  12\ninches     0\ndisplay    \n",
              kNote + "the 12 has no unit: not read" + kZero + "\n" + kEmpty),
        exact("ZeroFeetHasItsUnit", {"length", "--classic", "0'"}, 0, "separated  0 '\ninches     0\ndisplay    \n", kEmpty),
        exact("ZeroInchesAfterFeet", {"length", "--classic", "0' 0\""}, 0, "separated  0 ' 0 \"\ninches     0\ndisplay    \n", kEmpty),
        exact("HyphenatedFeetAndInches", {"length", "--classic", "12'-6\""}, 0, "separated  12 '- 6 \"\ninches     150\ndisplay    12' 6\"\n"),
        exact("HyphenatedFraction", {"length", "--classic", "6-1/2\""}, 0, "separated  6 - 1/2 \"\ninches     6.5\ndisplay    6 1/2\"\n"),
        exact("HyphenWithoutInchMark", {"length", "--classic", "12'-6"}, 0, "separated  12 '- 6\ninches     144\ndisplay    12'\n",
              kNote + "the 6 after 12'- has no unit: not read\n"),
        exact("EverythingRead", {"length", "--classic", "5 ft 3 in"}, 0, "separated  5 ft 3 in\ninches     63\ndisplay    5' 3\"\n")),
    case_name);

// --strict: an unread part rejects the entry; an entry read whole passes.
INSTANTIATE_TEST_SUITE_P(
    Strict, ToolUnread,
    testing::Values(
        rejected("InchesWithoutMark", {"length", "--classic", "12'6", "--strict"}, "tolmer length: the 6 after 12' has no unit: not read\n"),
        rejected("ThousandsComma", {"length", "--classic", "2,500 mm", "--strict"},
                 "tolmer length: the 2, before 500 mm has no unit: not read\n"),
        rejected("FeetAndABareNumber", {"length", "--classic", "5 ft 3", "--strict"},
                 "tolmer length: the 3 after 5 ft has no unit: not read\n"),
        rejected("WholeEntryUnread", {"length", "--classic", "12", "--strict"},
                 "tolmer length: the 12 has no unit: not read" + kZero + "\n"),
        exact("ZeroFeetPasses", {"length", "--classic", "0'", "--strict"}, 0, "separated  0 '\ninches     0\ndisplay    \n", kEmpty),
        exact("HyphenatedPasses", {"length", "--classic", "12'-6\"", "--strict"}, 0,
              "separated  12 '- 6 \"\ninches     150\ndisplay    12' 6\"\n"),
        exact("ReadWholePasses", {"length", "--classic", "5 ft 3 in", "--strict"}, 0,
              "separated  5 ft 3 in\ninches     63\ndisplay    5' 3\"\n"),
        // The validator's own rejection comes first; a number too large for
        // its unit gets no note of unread bytes.
        rejected("LimitBeforeUnread", {"length", "--classic", "150 ft 3", "--max", "100", "--strict"},
                 "The value you have entered for feet is invalid. The value cannot exceed 100.\n"),
        // Below the minimum because nothing was read: the note says why.
        rejected("MinimumAndUnread", {"length", "--classic", "12", "--min", "1"},
                 "The minimum value for this measurement is 1 inch.\n" + kNote + "the 12 has no unit: not read" +
                     kZero + "\n")),
    case_name);

// Scales as drawings write them, read by the library with its hyphens.
INSTANTIATE_TEST_SUITE_P(
    Scale, ToolUnread,
    testing::Values(
        exact("QuarterInch", {"scale", "1/4\"=1'-0\"", "--english"}, 0, "English  1:48    index 4, 0.25 inches per foot\n"),
        exact("HalfInch", {"scale", "1/2\" = 1'-0\"", "--english"}, 0, "English  1:24    index 3, 0.5 inches per foot\n"),
        exact("FeetAndInches", {"scale", "1\"=1'-0\"", "--english"}, 0, "English  1:12    index 2, 1 inch per foot\n")),
    case_name);

// The static C++ interface linked into the tool holds a copy of the exports;
// none of it may be visible to the shared library, where it would stand in
// for the library's own exports (the validator's host services went to the
// copy once).
TEST(ToolLinkage, ExportsNoneOfTheLibrarysNames) {
  const std::string command = std::string("nm -D --defined-only ") + TOLMER_TOOL_PATH + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string symbols;
  char chunk[4096];
  for (std::size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) symbols.append(chunk, n);
  ASSERT_EQ(pclose(pipe), 0) << "nm failed";
  ASSERT_FALSE(symbols.empty());
  std::string found;
#define TOLMER_EXPORT_ENTRY(name, result, args) \
  if (symbols.find(" " #name "\n") != std::string::npos) found += " " #name;
#include "export_table.h"
#undef TOLMER_EXPORT_ENTRY
  EXPECT_EQ(found, "") << "the tool exports these names of the library";
}

}  // namespace
