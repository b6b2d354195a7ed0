// What a building professional meets in a first hour with the tool: lengths
// on a tape measure's grid, notes for empty displays, paper by the names
// people use and metric sizes as printed, scales as drawings write them,
// counted strings made for the call command, and one set of exit codes.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tool_support.h"

namespace {

using namespace tool_test;

const std::string kA4 =
    "index        16\nname         Generic A4\nsize         8.27 x 11.69 in (210.1 x 296.9 mm)\n"
    "margins      0.5 / 0.5 / 0.5 / 0.5 in (top / bottom / left / right)\n";
const std::string kLetter =
    "index        0\nname         Generic Letter\nsize         8.5 x 11 in (215.9 x 279.4 mm)\n"
    "margins      0.5 / 0.5 / 0.5 / 0.5 in (top / bottom / left / right)\n";
const std::string kA4Turned = "index        16\nname         Generic A4\norientation  ";

class FirstHour : public testing::TestWithParam<Case> {};
TEST_P(FirstHour, Runs) { check(GetParam()); }

// --round N: the nearest 1/N inch, then the display.
INSTANTIATE_TEST_SUITE_P(
    Round, FirstHour,
    testing::Values(
        // The largest denominator of 16 picks fifths for 6.2; the grid of 16 does not.
        exact("PlacesIsALargestDenominator", {"format", "--classic", "6.2"}, 0, "6 1/5\"\n"),
        exact("SixteenthsOfATapeMeasure", {"format", "--classic", "6.2", "--round", "16"}, 0, "6 3/16\"\n"),
        exact("Quarters", {"format", "--classic", "6.2", "--round", "4"}, 0, "6 1/4\"\n"),
        exact("WholeInches", {"format", "--classic", "150.5", "--round", "1", "--format", "9"}, 0, "151 Inches\n"),
        exact("DecimalsOfTheGrid", {"format", "--classic", "6.2", "--round", "16", "--decimal"}, 0, "6.188\"\n"),
        exact("EntryOnTheGrid", {"length", "--classic", "6.2 in", "--round", "8"}, 0,
              "separated  6.2 in\ninches     6.2\ndisplay    6 1/4\"\n"),
        usage("GridOfZero", {"format", "--classic", "6.2", "--round", "0"}, "--round N rounds to the nearest 1/N inch"),
        usage("GridInMetric", {"format", "--classic", "6.2", "--metric", "--round", "16"}, "English lengths only")),
    case_name);

// An empty display gets a note on standard error.
INSTANTIATE_TEST_SUITE_P(
    EmptyDisplay, FirstHour,
    testing::Values(
        exact("Negative", {"format", "--classic", "-12"}, 0, "\n",
              "tolmer format: note: the display is empty: a negative length has no display text in this format\n"),
        exact("NegativeMillimetresShow", {"format", "--classic", "-12", "--metric", "--format", "4"}, 0, "-304.8 mm\n"),
        exact("BelowTheSmallestStep", {"format", "--classic", "0.01"}, 0, "\n",
              "tolmer format: note: the display is empty: 0.01 inches is below the smallest step of this display "
              "(--places 16)\n"),
        has("EveryFormatNamed", {"format", "--classic", "0", "--format", "all"}, 0, "format  text\n     0  \n",
            "a length of 0 has no display text (formats 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13)\n"),
        exact("ZeroFeetHasAUnit", {"length", "--classic", "0'"}, 0, "separated  0 '\ninches     0\ndisplay    \n",
              "tolmer length: note: the display is empty: a length of 0 has no display text\n"),
        exact("NumberWithoutUnit", {"length", "--classic", "12"}, 0, "separated  12\ninches     0\ndisplay    \n",
              "tolmer length: note: the 12 has no unit: not read, so the entry reads as 0 inches (a number counts "
              "only before a unit such as ' \" FT IN YD M CM MM)\n"
              "tolmer length: note: the display is empty: a length of 0 has no display text\n")),
    case_name);

// Paper by the names people use, and metric sizes as printed.
INSTANTIATE_TEST_SUITE_P(
    Paper, FirstHour,
    testing::Values(
        exact("WordOfTheName", {"paper", "A4"}, 0, "A4  210 x 297 mm (8.27 x 11.69 in)\n"),
        exact("WordInLowerCase", {"paper", "letter"}, 0, "Letter  8.5 x 11 in (215.9 x 279.4 mm)\n"),
        exact("SpacedAndPunctuated", {"paper", "Arch-D"}, 0, "ARCH D  24 x 36 in (609.6 x 914.4 mm)\n"),
        exact("TradeSizeIsAName", {"paper", "11 x 17"}, 0, "Tabloid  11 x 17 in (279.4 x 431.8 mm)\n"),
        exact("TabloidByName", {"paper", "tabloid"}, 0, "Tabloid  11 x 17 in (279.4 x 431.8 mm)\n"),
        exact("EveryPaperOfASize", {"paper", "17x11"}, 0,
              "ANSI B   11 x 17 in (279.4 x 431.8 mm)  turned\nTabloid  11 x 17 in (279.4 x 431.8 mm)  turned\n"
              "Ledger   17 x 11 in (431.8 x 279.4 mm)\n"),
        exact("InchesOfA4", {"paper", "8.27x11.69"}, 0, "A4       210 x 297 mm (8.27 x 11.69 in)\n"),
        exact("MillimetresOfA4", {"paper", "210x297", "--metric"}, 0, "A4       210 x 297 mm (8.27 x 11.69 in)\n"),
        exact("MillimetresTurned", {"paper", "297 x 210", "--metric"}, 0,
              "A4       210 x 297 mm (8.27 x 11.69 in)  turned\n"),
        exact("NotStandardGoesToTheTable", {"paper", "8.5x17"}, 0,
              "index        2\nname         Generic Ledger\norientation  Portrait\n"
              "size         8.5 x 17 in (215.9 x 431.8 mm)\n"
              "margins      0.5 / 0.5 / 0.5 / 0.5 in (top / bottom / left / right)\n"),
        exact("ClassicWordOfTheName", {"paper", "A4", "--classic"}, 0, kA4),
        exact("ClassicWordInLowerCase", {"paper", "letter", "--classic"}, 0, kLetter),
        exact("EveryWordInAnyOrder", {"paper", "a4 GENERIC"}, 0, kA4),
        has("SeveralMatchesListed", {"paper", "generic"}, 1, "",
            "several papers match \"generic\": Generic Letter, Generic Legal, Generic Ledger, Generic D,"),
        Case{"NoneGivesTheClosestNames", {"paper", "tabloyd"}, 1, "",
             "no paper named \"tabloyd\"; the closest names: Tabloid, ", true, false},
        Case{"ClassicNoneGivesTheClosestNames", {"paper", "tabloid", "--classic"}, 1, "",
             "no paper named \"tabloid\"; the closest names: Generic ", true, false},
        has("MetricAsPrinted", {"paper", "210.1x296.9", "--metric", "--classic"}, 0, kA4Turned + "Portrait\n"),
        has("MetricAsPrintedTurned", {"paper", "296.9 x 210.1", "--metric", "--classic"}, 0,
            kA4Turned + "Landscape\n"),
        rejected("MetricNearlyAsPrinted", {"paper", "210x297", "--metric", "--classic"},
                 "no paper of 210 x 297 mm (sizes match as stored or as printed to 0.1 mm, either way round)\n")),
    case_name);

// Scales as a drawing states them, and one inch per foot in the singular.
INSTANTIATE_TEST_SUITE_P(
    Scale, FirstHour,
    testing::Values(
        exact("DrawingForm", {"scale", "1/4\"=1'-0\"", "--english"}, 0, "English  1:48    index 4, 0.25 inches per foot\n"),
        exact("DrawingFormInWords", {"scale", "1/4 in = 1 ft", "--english"}, 0,
              "English  1:48    index 4, 0.25 inches per foot\n"),
        exact("EighthInch", {"scale", "1/8\" = 1'", "--english"}, 0, "English  1:96    index 6, 0.125 inches per foot\n"),
        exact("FractionForm", {"scale", "1/48", "--english"}, 0, "English  1:48    index 4, 0.25 inches per foot\n"),
        exact("MetricFraction", {"scale", "1/100", "--metric"}, 0, "Metric   1:100   index 7, 0.12 inches per foot\n"),
        exact("OneInchPerFoot", {"scale", "1\"=1'", "--english"}, 0, "English  1:12    index 2, 1 inch per foot\n"),
        usage("SideWithoutUnit", {"scale", "1/4=1 ft"}, "needs a length with a unit on each side of '='"),
        usage("SideMissing", {"scale", "1/4\"="}, "needs a length with a unit on each side of '='")),
    case_name);

// MAKELIBSTRING through the call command; an unknown export is not found.
INSTANTIATE_TEST_SUITE_P(
    Call, FirstHour,
    testing::Values(
        exact("MakeACountedString", {"call", "MAKELIBSTRING", "a b", "3"}, 0, "result = \"a b\"\n"),
        exact("MakeThePrefix", {"call", "MAKELIBSTRING", "abc", "2"}, 0, "result = \"ab\"\n"),
        exact("MakeWithTheNul", {"call", "MAKELIBSTRING", "ab", "3"}, 0, "result = \"ab\\x00\"\n"),
        exact("MakeNothing", {"call", "MAKELIBSTRING", "abc", "0"}, 0, "result = \"\"\n"),
        exact("MakeNegative", {"call", "MAKELIBSTRING", "abc", "-1"}, 0, "result = \"\"\n"),
        exact("MakeZeros", {"call", "MAKELIBSTRING", "NULL", "2"}, 0, "result = \"\\x00\\x00\"\n"),
        usage("MakeBeyondTheText", {"call", "MAKELIBSTRING", "abc", "5"},
              "MAKELIBSTRING would read 5 bytes of a text of 3 (and its NUL)"),
        rejected("NoSuchExport", {"call", "NOSUCH"},
                 "tolmer call: no export named 'NOSUCH' (tolmer call --list shows them all)\n"),
        rejected("NoSuchExportAfterOthers", {"call", "GETRANDOMLONGVALUE", "+", "NOSUCH", "1"},
                 "tolmer call: no export named 'NOSUCH' (tolmer call --list shows them all)\n")),
    case_name);

// --- one set of exit codes ---------------------------------------------------

std::string read_text(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The text with every run of spaces and line breaks made one space.
std::string one_line(const std::string& text) {
  std::string line;
  for (const char c : text) {
    const bool space = c == ' ' || c == '\n';
    if (space && (line.empty() || line.back() == ' ')) continue;
    line += space ? ' ' : c;
  }
  return line;
}

const char* const kExitCodes =
    "Exit codes: 0 success; 1 input rejected or not found; 2 usage error; 3 this build of the library lacks an "
    "export the command needs.";

TEST(ExitCodes, HelpShowsThemAndTheVersionOption) {
  const Outcome help = tolmer({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_NE(one_line(help.out).find(kExitCodes), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("  --version  "), std::string::npos) << help.out;
}

class ExitCodesInDocuments : public testing::TestWithParam<const char*> {};

TEST_P(ExitCodesInDocuments, ReadAsInHelp) {
  const std::string path = std::string(TOLMER_SOURCE_DIR) + "/" + GetParam();
  const std::string text = one_line(read_text(path));
  ASSERT_FALSE(text.empty()) << path;
  EXPECT_NE(text.find(kExitCodes), std::string::npos) << path << " does not state the exit codes as --help does";
}

INSTANTIATE_TEST_SUITE_P(Tool, ExitCodesInDocuments, testing::Values("README.md", "docs/tool.md"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param).find("README") == 0 ? "Readme" : "ToolReference";
                         });

// --- what the README tells a new user ------------------------------------------

struct Phrase {
  const char* label;
  const char* document;
  const char* text;  // compared on one line, spaces and line breaks as one space
};

void PrintTo(const Phrase& p, std::ostream* out) { *out << p.label; }

class DocumentTells : public testing::TestWithParam<Phrase> {};

TEST_P(DocumentTells, ThePhrase) {
  const Phrase& p = GetParam();
  const std::string text = one_line(read_text(std::string(TOLMER_SOURCE_DIR) + "/" + p.document));
  EXPECT_NE(text.find(p.text), std::string::npos) << p.document << " lacks: " << p.text;
}

INSTANTIATE_TEST_SUITE_P(
    Readme, DocumentTells,
    testing::Values(
        Phrase{"WhereTheToolIs", "README.md", "After the first command the tool is `build/tools/tolmer`"},
        Phrase{"RunWithArguments", "README.md", "`scripts/run.sh ARGS` rebuild what changed and run `tolmer ARGS`"},
        Phrase{"InstallWithoutTests", "README.md",
               "cmake -S . -B build -DTOLMER_BUILD_TESTS=OFF && cmake --build build -j2"},
        Phrase{"LoaderThroughRpath", "README.md", "through an rpath (`-Wl,-rpath,/opt/tolmerdll/lib`)"},
        Phrase{"LoaderThroughTheEnvironment", "README.md", "`LD_LIBRARY_PATH=/opt/tolmerdll/lib`"},
        Phrase{"LoaderThroughLdconfig", "README.md", "run `ldconfig`"},
        Phrase{"ExportCount", "README.md", "121 exports"},
        Phrase{"ToolInstallWithoutTests", "docs/tool.md",
               "cmake -S . -B build -DTOLMER_BUILD_TESTS=OFF && cmake --build build -j2"},
        Phrase{"PlacesIsNotAGrid", "docs/tool.md", "`--places N` is the largest denominator the library may use, not a grid"}),
    [](const testing::TestParamInfo<Phrase>& info) { return std::string(info.param.label); });

// --- the document check catches drift -----------------------------------------

struct DocumentCase {
  const char* label;
  const char* markdown;
  int code;  // of scripts/check-docs.sh
};

void PrintTo(const DocumentCase& c, std::ostream* out) { *out << c.label; }

class DocumentCheck : public testing::TestWithParam<DocumentCase> {};

TEST_P(DocumentCheck, ComparesEveryExample) {
  const DocumentCase& c = GetParam();
  const std::string path = testing::TempDir() + "tolmer_check_docs_" + std::to_string(getpid()) + ".md";
  {
    std::ofstream out(path);
    out << c.markdown;
  }
  const std::string command = std::string(TOLMER_SOURCE_DIR) + "/scripts/check-docs.sh --tolmer " + TOLMER_TOOL_PATH +
                              " " + path + " >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  std::remove(path.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Tool, DocumentCheck,
    testing::Values(
        DocumentCase{"OutputAsShown", "```console\n$ tolmer format 150.5\n12' 6 1/2\"\n```\n", 0},
        DocumentCase{"ExitCodeAsShown", "```console\n$ tolmer paper 1x1 --classic\nno paper of 1 x 1 in (sizes match exactly, "
                                        "either way round)\n(exit code 1)\n```\n", 0},
        DocumentCase{"OutputDrifted", "```console\n$ tolmer format 150.5\n12' 6 1/4\"\n```\n", 1},
        DocumentCase{"ExitCodeMissing", "```console\n$ tolmer paper 1x1 --classic\nno paper of 1 x 1 in (sizes match exactly, "
                                        "either way round)\n```\n", 1},
        DocumentCase{"LineMissing", "```console\n$ tolmer length 5ft\nseparated  5 ft\ninches     60\n```\n", 1},
        DocumentCase{"OtherBlocksAreNotRun", "```sh\n$ tolmer format 150.5\nanything\n```\n", 0},
        DocumentCase{"OnlyTheToolRuns", "```console\n$ echo hello\nhello\n```\n", 1}),
    [](const testing::TestParamInfo<DocumentCase>& info) { return std::string(info.param.label); });

}  // namespace
