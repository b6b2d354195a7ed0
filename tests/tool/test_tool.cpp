// The tolmer tool run as a user runs it: a separate process, its standard
// output, standard error and exit code, for every subcommand.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tool_support.h"

namespace {

using namespace tool_test;

// --- tolmer length ---------------------------------------------------------

class LengthCommand : public testing::TestWithParam<Case> {};
TEST_P(LengthCommand, Runs) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Tool, LengthCommand,
    testing::Values(
        exact("FeetInchesAndFraction", {"length", "--classic", "12'6 1/2\""}, 0,
              "separated  12 ' 6 1/2 \"\ninches     150.5\ndisplay    12' 6 1/2\"\n"),
        exact("WordsInLowerCase", {"length", "--classic", "5 ft 3 in"}, 0, "separated  5 ft 3 in\ninches     63\ndisplay    5' 3\"\n"),
        exact("DecimalDisplay", {"length", "--classic", "12'6 1/2\"", "--decimal", "--places", "2"}, 0,
              "separated  12 ' 6 1/2 \"\ninches     150.5\ndisplay    12' 6.5\"\n"),
        exact("OtherFormat", {"length", "--classic", "12'6 1/2\"", "--format=0"}, 0,
              "separated  12 ' 6 1/2 \"\ninches     150.5\ndisplay    12 Feet 6 1/2 Inches\n"),
        exact("MetresInMillimetres", {"length", "--classic", "3.5m", "--metric", "--format", "4"}, 0,
              "separated  3.5 m\ninches     137.79527\ndisplay    3500 mm\n"),
        exact("MillimetresAlone", {"length", "--classic", "250mm", "--metric", "--format", "5"}, 0,
              "separated  250 mm\ninches     9.84252\ndisplay    250\n"),
        Case{"NumberWithoutUnitReadsAsZero", {"length", "--classic", "12"}, 0, "separated  12\ninches     0\ndisplay    \n",
             "tolmer length: note: the 12 has no unit: not read, so the entry reads as 0 inches", true, false},
        Case{"UnitWithoutSpaceBeforeIt", {"length", "--classic", "12'-6\""}, 0, "separated  12 '- 6 \"\ninches     150\ndisplay    12' 6\"\n",
             "", true, true},
        rejected("NumberAboveTheMaximum", {"length", "--classic", "150 FT", "--max", "100"},
                 "The value you have entered for feet is invalid. The value cannot exceed 100.\n"),
        rejected("TotalAboveTheMaximum", {"length", "--classic", "101 FT", "--max-total", "1200", "--decimal", "--places", "2"},
                 "The maximum value for this measurement is 100 feet.\n"),
        rejected("MetricTotalAboveTheMaximum",
                 {"length", "--classic", "20 M", "--metric", "--max-total", "393.69", "--decimal", "--places", "1"},
                 "The maximum value for this measurement is 10 meters.\n"),
        rejected("BelowTheMinimumOfOneInch", {"length", "--classic", "1/2 IN", "--min", "1"},
                 "The minimum value for this measurement is 1 inch.\n"),
        rejected("BelowTheMinimumOfTwoInches", {"length", "--classic", "1/2 IN", "--min", "2"},
                 "The minimum value for this measurement is 2 inches.\n"),
        usage("EntryMissing", {"length"}, "tolmer length: the length entry is missing\nusage: tolmer length TEXT"),
        usage("TwoEntries", {"length", "--classic", "12", "FT"}, "one length entry expected, got 2"),
        usage("UnknownEnglishFormat", {"length", "--classic", "5 FT", "--format", "14"}, "unknown format 14 for English lengths (0 to 13)"),
        usage("UnknownMetricFormat", {"length", "--classic", "5 M", "--metric", "--format", "7"}, "unknown format 7 for metric lengths (0 to 6)"),
        usage("FormatNotANumber", {"length", "--classic", "5 FT", "--format", "six"}, "--format must be a 32-bit integer, not 'six'"),
        usage("PlacesNotANumber", {"length", "--classic", "5 FT", "--places", "x"}, "--places must be a 32-bit integer, not 'x'"),
        usage("DenominatorBelowOne", {"length", "--classic", "5 FT", "--places", "0"}, "--places is the largest denominator"),
        usage("MinimumNotANumber", {"length", "--classic", "5 FT", "--min", "abc"}, "--min must be a number, not 'abc'"),
        usage("OptionWithoutValue", {"length", "--classic", "5 FT", "--max"}, "--max needs a value"),
        usage("UnknownOption", {"length", "--classic", "5 FT", "--bogus"}, "unknown option --bogus"),
        usage("ModesTogether", {"length", "--classic", "5 FT", "--decimal", "--fraction"}, "--decimal and --fraction exclude each other")),
    case_name);

// --- tolmer format ---------------------------------------------------------

class FormatCommand : public testing::TestWithParam<Case> {};
TEST_P(FormatCommand, Runs) { check(GetParam()); }

// 2.5 metres in inches: the single nearest to it gives 2500.000 millimetres.
const std::string kTwoAndAHalfMetres = "98.4251968503937";

INSTANTIATE_TEST_SUITE_P(
    Tool, FormatCommand,
    testing::Values(
        exact("DefaultFeetAndInches", {"format", "--classic", "150.5"}, 0, "12' 6 1/2\"\n"),
        exact("Words", {"format", "--classic", "150.5", "--format", "0"}, 0, "12 Feet 6 1/2 Inches\n"),
        exact("InchesOnly", {"format", "--classic", "150.5", "--format", "13"}, 0, "150 1/2\n"),
        exact("DecimalFeet", {"format", "--classic", "150.5", "--decimal", "--places", "2", "--format", "3"}, 0, "12.54 Feet\n"),
        exact("OneFoot", {"format", "--classic", "12", "--format", "0"}, 0, "1 Foot\n"),
        exact("TwelveInches", {"format", "--classic", "12", "--format", "9"}, 0, "12 Inches\n"),
        exact("HalfInch", {"format", "--classic", "0.5", "--format", "0"}, 0, "1/2 Inch\n"),
        exact("FractionReachesAWholeInch", {"format", "--classic", "143.99"}, 0, "12'\n"),
        exact("DecimalHalfInch", {"format", "--classic", "12.5", "--decimal", "--places", "2"}, 0, "1' .5\"\n"),
        exact("ZeroIsEmpty", {"format", "--classic", "0"}, 0, "\n",
              "tolmer format: note: the display is empty: a length of 0 has no display text\n"),
        exact("MetricMillimetres", {"format", "--classic", "12", "--metric", "--format", "4"}, 0, "304.8 mm\n"),
        exact("MetricWords", {"format", "--classic", kTwoAndAHalfMetres, "--metric", "--format", "0"}, 0, "2 Meters 500 Millimeters\n"),
        exact("MetricDefault", {"format", "--classic", kTwoAndAHalfMetres, "--metric"}, 0, "2m 500mm\n"),
        exact("MetricCentimetres", {"format", "--classic", kTwoAndAHalfMetres, "--metric", "--format", "6"}, 0, "2m 50cm\n"),
        exact("MetricZeroMillimetres", {"format", "--classic", "0", "--metric", "--format", "5"}, 0, "0\n"),
        has("AllEnglishFormats", {"format", "--classic", "150.5", "--format", "all"}, 0,
            "format  text\n     0  12 Feet 6 1/2 Inches\n     1  12 Ft. 6 1/2 In.\n     2  12 Ft 6 1/2 In\n"),
        has("AllEnglishFormatsEnd", {"format", "--classic", "150.5", "--format", "all"}, 0,
            "     7  12' - 6 1/2\"\n     8  12.54167'\n     9  150 1/2 Inches\n    10  150 1/2 In.\n    11  150 1/2 In\n"
            "    12  150 1/2\"\n    13  150 1/2\n"),
        exact("AllMetricFormats", {"format", "--classic", kTwoAndAHalfMetres, "--metric", "--format", "all", "--places", "2"}, 0,
              "format  text\n     0  2 Meters 500 Millimeters\n     1  2m 500mm\n     2  2.5 Meters\n     3  2.5 m\n"
              "     4  2500 mm\n     5  2500\n     6  2m 50cm\n"),
        usage("NotANumber", {"format", "--classic", "abc"}, "tolmer format: the length in inches must be a number, not 'abc'"),
        usage("NotFinite", {"format", "--classic", "nan"}, "must be a finite number"),
        usage("LengthMissing", {"format"}, "the length in inches is missing"),
        usage("UnknownFormat", {"format", "--classic", "12", "--format", "14"}, "unknown format 14"),
        usage("DecimalPlacesOutOfRange", {"format", "--classic", "12", "--decimal", "--places", "19"}, "0 to 18")),
    case_name);

// --- tolmer scale ----------------------------------------------------------

class ScaleCommand : public testing::TestWithParam<Case> {};
TEST_P(ScaleCommand, Runs) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Tool, ScaleCommand,
    testing::Values(
        exact("EnglishTable", {"scale", "--english"}, 0,
              "English scales\nindex  ratio   inches per foot\n"
              "    0  1:1     12\n    1  1:2     6\n    2  1:12    1\n    3  1:24    0.5\n    4  1:48    0.25\n"
              "    5  1:64    0.1875\n    6  1:96    0.125\n    7  1:128   0.09375\n    8  1:192   0.0625\n"
              "    9  1:256   0.046875\n   10  1:384   0.03125\n   11  1:768   0.015625\n"),
        has("BothTables", {"scale"}, 0, "\nMetric scales\nindex  ratio   inches per foot\n    0  1:1     12\n    1  1:2     6\n"
                                        "    2  1:5     2.4\n"),
        has("MetricTableEnd", {"scale", "--metric"}, 0, "   10  1:500   0.024\n   11  1:1000  0.012\n"),
        exact("RatioInBothSystems", {"scale", "1:50"}, 0,
              "English  1:64    index 5, 0.1875 inches per foot\nMetric   1:50    index 6, 0.24 inches per foot\n"),
        exact("DecimalRatio", {"scale", "0.021", "--english"}, 0, "English  1:48    index 4, 0.25 inches per foot\n"),
        exact("StandardRatioIsItself", {"scale", "1:48", "--english"}, 0, "English  1:48    index 4, 0.25 inches per foot\n"),
        exact("CoarserNeighbour", {"scale", "0.0199", "--metric"}, 0, "Metric   1:100   index 7, 0.12 inches per foot\n"),
        exact("LargerThanFullSize", {"scale", "5", "--english"}, 0, "English  1:1     index 0, 12 inches per foot\n"),
        rejected("SmallerThanEveryScale", {"scale", "0.0005", "--metric"}, "no standard scale for 0.0005\n",
                 "Metric   none: smaller than the smallest standard scale 1:1000\n"),
        usage("NotARatio", {"scale", "abc"}, "must be a number, not 'abc'"),
        usage("ZeroDenominator", {"scale", "1:0"}, "positive denominator"),
        usage("NegativeRatio", {"scale", "-0.5"}, "must be positive"),
        usage("TwoRatios", {"scale", "1:50", "1:100"}, "one ratio expected, got 2"),
        usage("BothSystems", {"scale", "--metric", "--english"}, "exclude each other")),
    case_name);

// --- tolmer paper ----------------------------------------------------------

class PaperCommand : public testing::TestWithParam<Case> {};
TEST_P(PaperCommand, Runs) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Tool, PaperCommand,
    testing::Values(
        has("TableStart", {"paper", "--classic"}, 0,
            "index  name              inches         millimetres      margins (in)\n"
            "    0  Generic Letter    8.5 x 11       215.9 x 279.4    0.5 / 0.5 / 0.5 / 0.5\n"
            "    1  Generic Legal     8.5 x 14       215.9 x 355.6    0.5 / 0.5 / 0.5 / 0.5\n"),
        has("TableA4", {"paper", "--classic"}, 0, "   16  Generic A4        8.27 x 11.69   210.1 x 296.9    0.5 / 0.5 / 0.5 / 0.5\n"),
        has("TableEnd", {"paper", "--classic"}, 0,
            "   26  Generic B6        5.04 x 7.17    128.0 x 182.1    0.5 / 0.5 / 0.5 / 0.5\n"
            "   40  Generic Custom    8.5 x 11       215.9 x 279.4    0.5 / 0.5 / 0.5 / 0.5\n"
            "blank records: 27 to 39\n"),
        exact("ByNameInAnyCase", {"paper", "  generic a4 "}, 0,
              "index        16\nname         Generic A4\nsize         8.27 x 11.69 in (210.1 x 296.9 mm)\n"
              "margins      0.5 / 0.5 / 0.5 / 0.5 in (top / bottom / left / right)\n"),
        exact("NameFindsTheFirstRecord", {"paper", "Generic Letter"}, 0,
              "index        0\nname         Generic Letter\nsize         8.5 x 11 in (215.9 x 279.4 mm)\n"
              "margins      0.5 / 0.5 / 0.5 / 0.5 in (top / bottom / left / right)\n"),
        exact("SizeLandscape", {"paper", "11x8.5", "--classic"}, 0,
              "index        0\nname         Generic Letter\norientation  Landscape\n"
              "size         8.5 x 11 in (215.9 x 279.4 mm)\n"
              "margins      0.5 / 0.5 / 0.5 / 0.5 in (top / bottom / left / right)\n"),
        has("SizePortrait", {"paper", "8.5 x 11", "--classic"}, 0, "index        0\nname         Generic Letter\norientation  Portrait\n"),
        has("SizeInMillimetres", {"paper", "215.9x279.4", "--metric", "--classic"}, 0,
            "index        0\nname         Generic Letter\norientation  Portrait\n"),
        has("SizeOfLedger", {"paper", "8.5X17"}, 0, "index        2\nname         Generic Ledger\n"),
        rejected("NoSuchSize", {"paper", "1x1", "--classic"}, "no paper of 1 x 1 in (sizes match exactly, either way round)\n"),
        rejected("NoSuchName", {"paper", "Generic Z"},
                 "no paper named \"Generic Z\"; the closest names: Generic D, Generic F, Generic G\n"),
        usage("TwoNames", {"paper", "Generic", "A4"}, "one paper name or size expected, got 2"),
        usage("MetricWithoutSize", {"paper", "--metric"}, "--metric applies to a size lookup"),
        usage("MetricWithName", {"paper", "Generic A4", "--metric"}, "--metric applies to a size lookup"),
        usage("MetricWithNameClassic", {"paper", "Generic A4", "--metric", "--classic"},
              "--metric applies to a size lookup"),
        // The standard sizes.
        has("StandardListStart", {"paper"}, 0,
            "ISO A\n  A0       841 x 1189 mm (33.11 x 46.81 in)\n  A1       594 x 841 mm (23.39 x 33.11 in)\n"),
        has("StandardListSeries", {"paper"}, 0,
            "  C10      28 x 40 mm (1.1 x 1.57 in)\n\nANSI\n  ANSI A   8.5 x 11 in (215.9 x 279.4 mm)\n"),
        has("StandardListEnd", {"paper"}, 0,
            "  ARCH E1  30 x 42 in (762 x 1066.8 mm)\n\nNorth American\n  Letter   8.5 x 11 in (215.9 x 279.4 mm)\n"
            "  Legal    8.5 x 14 in (215.9 x 355.6 mm)\n  Tabloid  11 x 17 in (279.4 x 431.8 mm)\n"
            "  Ledger   17 x 11 in (431.8 x 279.4 mm)\n"),
        rejected("NoSizeAnywhere", {"paper", "1x1"},
                 "no paper of 1 x 1 in (standard sizes match within 0.5 mm, the paper table as --classic does, "
                 "either way round)\n"),
        rejected("NoSizeAnywhereMetric", {"paper", "10x10", "--metric"},
                 "no paper of 10 x 10 mm (standard sizes match within 0.5 mm, the paper table as --classic does, "
                 "either way round)\n")),
    case_name);

// --- tolmer catalog --------------------------------------------------------

class CatalogCommand : public testing::TestWithParam<Case> {};
TEST_P(CatalogCommand, Runs) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Tool, CatalogCommand,
    testing::Values(
        exact("Windows", {"catalog", "1", "1", "2"}, 0,
              "1  Floor Plan  [lib_1_0]\n  1.1  Walls/Windows/Doors  [lib_1_1]\n"
              "    1.1.2  Windows / Window  [lib_1_1_2]\n"
              "      1.1.2.1  Double  (wall snap 3)\n      1.1.2.2  Single  (wall snap 2)\n"
              "      1.1.2.3  Bay  (wall snap 4)\n"),
        exact("WallsWindowsDoors", {"catalog", "1", "1"}, 0,
              "1  Floor Plan  [lib_1_0]\n  1.1  Walls/Windows/Doors  [lib_1_1]\n"
              "    1.1.0  (no name)\n"
              "    1.1.1  Walls / Wall  [lib_1_1_1]\n      1.1.1.1  Standard  (wall snap 1)\n"
              "    1.1.2  Windows / Window  [lib_1_1_2]\n"
              "      1.1.2.1  Double  (wall snap 3)\n      1.1.2.2  Single  (wall snap 2)\n"
              "      1.1.2.3  Bay  (wall snap 4)\n"
              "    1.1.3  Doors / Door  [lib_1_1_3]\n"
              "      1.1.3.1  Right Hand Door  (wall snap 6)\n      1.1.3.2  Left Hand Door  (wall snap 5)\n"
              "      1.1.3.3  Single Folding  (wall snap 7)\n      1.1.3.4  Double Folding  (wall snap 8)\n"
              "      1.1.3.5  Sliding  (wall snap 9)\n"),
        exact("CategoryWithoutSubCategories", {"catalog", "3"}, 0, "3  Invoice  [lib_3_0]\n"),
        exact("DescribedSubCategoryWithoutItems", {"catalog", "1", "6"}, 0,
              "1  Floor Plan  [lib_1_0]\n  1.6  Rulers  [lib_1_6]\n"),
        has("WholeCatalogCategories", {"catalog"}, 0, "2  Document  [lib_2_0]\n3  Invoice  [lib_3_0]\n"
                                                      "4  Estimate  [lib_4_0]\n5  Inventory Item  [lib_5_0]\n"
                                                      "6  Label  [lib_6_0]\n"),
        has("WholeCatalogReceptacles", {"catalog"}, 0,
            "    1.4.1  Receptacles / Receptacle  [lib_1_4_1]\n      1.4.1.1  Duplex  (wall snap 33)\n"),
        has("SingleReceptacleSnapsLast", {"catalog", "1", "4", "1"}, 0, "      1.4.1.14  Single  (wall snap 262)\n"),
        has("NameForBothForms", {"catalog", "1", "4"}, 0, "    1.4.12  Grounding  [lib_1_4_12]\n"),
        has("WiresDoNotSnap", {"catalog", "1", "5", "254"}, 0,
            "    1.5.254  Wires / Wire  [lib_1_5_254]\n      1.5.254.1  Curved\n      1.5.254.2  Straight\n"),
        rejected("NoSuchCategory", {"catalog", "9"}, "no category 9 in the catalog\n"),
        rejected("NoSuchSubCategory", {"catalog", "1", "7"}, "no sub-category 1.7 in the catalog\n"),
        rejected("NoSuchItem", {"catalog", "1", "4", "99"}, "no item type 1.4.99 in the catalog\n"),
        usage("NotANumber", {"catalog", "one"}, "CATEGORY must be a 32-bit integer, not 'one'"),
        usage("TooManyNumbers", {"catalog", "1", "4", "1", "2"}, "at most three numbers expected")),
    case_name);

// --- tolmer call -----------------------------------------------------------

class CallCommand : public testing::TestWithParam<Case> {};
TEST_P(CallCommand, Runs) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Tool, CallCommand,
    testing::Values(
        exact("SingleResult", {"call", "GETPAPERINFOWIDTH", "0", "2"}, 0, "result = 11\n"),
        exact("DoubleResult", {"call", "INCHESTOMILLIMETERS", "1"}, 0, "result = 25.399999618530273\n"),
        exact("LibStringResult", {"call", "GETMEASUREMENTDESIGNATOR", "0", "1", "2", "0"}, 0, "result = \" FEET \"\n"),
        exact("NameInLowerCase", {"call", "getmeasurementlabel", "0", "0", "1.5"}, 0, "result = \"Feet\"\n"),
        exact("BytesOutsideAsciiEscaped", {"call", "GETSUBCATEGORIESCODESTRING", "1"}, 0,
              "result = \"1\\xFF2\\xFF3\\xFF4\\xFF5\"\n"),
        exact("ReferencesAndBuffer", {"call", "BREAKFRACTIONAPART", "1 1/2", "0", "0", "0", ""}, 0,
              "result = (none)\narg 2 = 1\narg 3 = 1\narg 4 = 2\narg 5 = \"/\"\n"),
        exact("NullAddresses", {"call", "BREAKFRACTIONAPART", "1 1/2", "NULL", "NULL", "NULL", "NULL"}, 0,
              "result = (none)\narg 2 = NULL\narg 3 = NULL\narg 4 = NULL\narg 5 = NULL\n"),
        exact("BufferRewritten", {"call", "EXTRACTFRACTIONINTEXTSTRING", "5 3/8 IN", "0", "5 3/8 IN", "0", "0"}, 0,
              "result = \"3/8\"\narg 3 = \"5  IN   \"\narg 4 = 5\narg 5 = 0.375\n"),
        exact("ErrorCodeWithPositions", {"call", "CONVERTTEXTSTRINGVALUETOINCHES", "150 FT", "100", "0", "0"}, 0,
              "result = -4\narg 3 = 1\narg 4 = 3\n"),
        exact("CountedStringArgument",
              {"call", "GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION", "0", "12 ' 6 1/2 \"", "10", "-1", "0", "0"}, 0,
              "result = 6.5\narg 5 = 6\narg 6 = 10\n"),
        exact("CountedStringReversed", {"call", "REVERSESTRINGDLL", "abc"}, 0, "result = \"cba\"\n"),
        exact("SeparationInPlace", {"call", "SEPARATEMEASUREMENTSINTEXTSTRING", "12'6\""}, 0,
              "result = \"12 ' 6 \\\"\"\narg 1 = \"12 ' 6 \\\"\"\n"),
        exact("NameBufferUpperCased", {"call", "GETPAPERINDEXFROMPAPERNAME", "  generic a4 "}, 0,
              "result = 16\narg 1 = \"GENERIC A4\"\n"),
        exact("ArrayDescriptor", {"call", "CREATEDELIMITEDSTRINGFROMLONGARRAY", ",", "1,-2,30"}, 0,
              "result = \"1,-2,30\"\narg 1 = \",\"\n"),
        exact("ArrayDescriptorWithoutStorage", {"call", "CREATEDELIMITEDSTRINGFROMLONGARRAY", ",", ""}, 0,
              "result = \"\"\narg 1 = \",\"\n"),
        exact("ArrayElements", {"call", "ISVALUEINLONGARRAY", "7", "3,7,7,1,0", "4", "2"}, 0, "result = 2\n"),
        exact("Rectangles", {"call", "RECTINRECT", "0,0,10,10", "5,5,15,15"}, 0, "result = 2\n"),
        exact("DoubleReferences", {"call", "SETRECTLOWERLEFTJUSTIFIED", "5", "7", "1", "2"}, 0,
              "result = (none)\narg 1 = 1\narg 2 = 2\narg 3 = 5\narg 4 = 7\n"),
        exact("BitString", {"call", "SETBIT", "0", "31"}, 0, "result = (none)\narg 1 = -2147483648\n"),
        exact("Byte", {"call", "ROTATEBITSLEFT", "129", "1"}, 0, "result = (none)\narg 1 = 3\n"),
        exact("HexadecimalInteger", {"call", "SHIFTBITSRIGHT", "0xFFFFFFFF", "1"}, 0, "result = 2147483647\n"),
        exact("UnseededGenerator", {"call", "GETRANDOMLONGVALUE", "+", "GETRANDOMLONGVALUE"}, 0,
              "== GETRANDOMLONGVALUE\nresult = 2080096055\n== GETRANDOMLONGVALUE\nresult = 433179940\n"),
        exact("UniqueRecordIdentifier", {"call", "GETUNIQUERECORDID", "2080096055", "0"}, 0, "result = 433179940\n"),
        exact("ChainedCallsShareTheLibrary",
              {"call", "ACCESSTEMPSTRINGARRAY", "1", "Kitchen", "+", "READTEMPSTRINGARRAY", "1"}, 0,
              "== ACCESSTEMPSTRINGARRAY\nresult = 1\n== READTEMPSTRINGARRAY\nresult = \"Kitchen\"\n"),
        exact("ChainedSetter", {"call", "SETPAPERINFOWIDTH", "0", "9", "+", "GETPAPERINFOWIDTH", "0", "1"}, 0,
              "== SETPAPERINFOWIDTH\nresult = (none)\n== GETPAPERINFOWIDTH\nresult = 9\n"),
        exact("WithoutInitialisation", {"call", "--no-init", "GETUBPAPERINFOARRAY"}, 0, "result = -1\n"),
        exact("DefaultHostServices", {"call", "SETHOSTSERVICES", "NULL"}, 0, "result = (none)\n"),
        rejected("UnknownExport", {"call", "GETNOTHING"},
                 "tolmer call: no export named 'GETNOTHING' (tolmer call --list shows them all)\n"),
        usage("TooFewArguments", {"call", "GETMEASUREMENTDESIGNATOR", "0", "1", "2"},
              "GETMEASUREMENTDESIGNATOR takes 4 arguments, not 3: "
              "GETMEASUREMENTDESIGNATOR(integer, integer, integer, integer) -> LibString"),
        usage("TooManyArguments", {"call", "GETUBPAPERINFOARRAY", "1"}, "GETUBPAPERINFOARRAY takes 0 arguments, not 1"),
        usage("IntegerNotANumber", {"call", "GETPAPERINFOWIDTH", "zero", "2"},
              "argument 1 of GETPAPERINFOWIDTH (integer) must be a 32-bit integer, not 'zero'"),
        usage("IntegerOutOfRange", {"call", "GETPAPERINFOWIDTH", "2147483648", "2"}, "must be a 32-bit integer"),
        usage("SingleNotANumber", {"call", "MILLIMETERSTOINCHES", "1,5"}, "(single) must be a number, not '1,5'"),
        usage("RectangleOfThreeNumbers", {"call", "RECTINRECT", "0,0,10", "5,5,15,15"}, "must be four numbers x1,y1,x2,y2"),
        usage("ArrayReadBeyondItsEnd", {"call", "ISVALUEINLONGARRAY", "7", "3,7", "4", "0"},
              "the array of argument 2 has indices 0 to 1, so it cannot be read from 0 to 4"),
        usage("BitOutsideTheStorage", {"call", "SETBIT", "0", "4096"}, "bit number 4096 lies outside the tool's storage"),
        usage("ByteOutOfRange", {"call", "ROTATEBITSLEFT", "256", "1"}, "must be a byte (0 to 255)"),
        exact("ReleaseTheNullHandle", {"call", "FREELIBSTRING", "NULL"}, 0, "result = (none)\n"),
        usage("ReleaseTextNotMadeByTheLibrary", {"call", "FREELIBSTRING", "abc"},
              "FREELIBSTRING releases results of the library; here it can only be given NULL"),
        usage("HostServicesFromText", {"call", "SETHOSTSERVICES", "x"}, "can only be NULL"),
        usage("ExportMissing", {"call"}, "the export to call is missing"),
        usage("NothingAfterPlus", {"call", "GETRANDOMLONGVALUE", "+"}, "an export name must follow \"+\""),
        usage("UnknownOption", {"call", "--bogus", "GETRANDOMLONGVALUE"}, "unknown option --bogus")),
    case_name);

TEST(CallCommandList, ShowsEveryExportOfTheTableAsPresent) {
  const Outcome outcome = tolmer({"call", "--list"});
  EXPECT_EQ(outcome.code, 0);
  std::istringstream lines(outcome.out);
  int count = 0;
  for (std::string line; std::getline(lines, line); ++count)
    EXPECT_EQ(line.find("[not in this library]"), std::string::npos) << line;
  EXPECT_EQ(count, 121);
  EXPECT_NE(outcome.out.find("GETPAPERINFOWIDTH(integer, integer) -> single\n"), std::string::npos);
  EXPECT_NE(outcome.out.find("CREATEDELIMITEDSTRINGFROMLONGARRAY(text buffer, integer array descriptor) -> LibString\n"),
            std::string::npos);
}

// --- the library holds every export of the table --------------------------

struct Export {
  const char* name;
};
void PrintTo(const Export& e, std::ostream* out) { *out << e.name; }

const Export kExports[] = {
#define TOLMER_EXPORT_ENTRY(name, result, args) {#name},
#include "c_abi/export_table.h"
#undef TOLMER_EXPORT_ENTRY
};

class SharedLibrary : public testing::TestWithParam<Export> {};

TEST_P(SharedLibrary, ExportsTheName) {
  void* library = dlopen(TOLMER_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  EXPECT_NE(dlsym(library, GetParam().name), nullptr) << GetParam().name << " is not exported";
  dlclose(library);
}

INSTANTIATE_TEST_SUITE_P(Tool, SharedLibrary, testing::ValuesIn(kExports),
                         [](const testing::TestParamInfo<Export>& info) { return std::string(info.param.name); });

TEST(SharedLibraryExports, AreAllInTheTable) {
  const std::string command = std::string("nm -D --defined-only ") + TOLMER_LIBRARY_PATH;
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::set<std::string> table;
  for (const Export& e : kExports) table.insert(e.name);
  int functions = 0;
  char line[1024];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::istringstream fields(line);
    std::string address, type, name;
    fields >> address >> type >> name;
    if (type != "T") continue;
    ++functions;
    EXPECT_TRUE(table.count(name)) << name << " is exported but not in src/c_abi/export_table.h";
  }
  EXPECT_EQ(pclose(pipe), 0) << command;
  EXPECT_EQ(functions, 121);
}

// --- the tool as a whole ---------------------------------------------------

class ToolCommand : public testing::TestWithParam<Case> {};
TEST_P(ToolCommand, Runs) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Tool, ToolCommand,
    testing::Values(
        Case{"NoCommand", {}, 2, "", "usage: tolmer COMMAND [ARGUMENTS]", true, false},
        has("Overview", {"--help"}, 0, "Commands:\n  length   "),
        has("HelpOfACommand", {"help", "scale"}, 0, "usage: tolmer scale [RATIO] [--metric | --english]\n"),
        exact("Version", {"--version"}, 0, "tolmer 1.0.0\n"),
        Case{"UnknownCommand", {"measure", "12"}, 2, "", "tolmer: unknown command 'measure'\nusage: ", true, false},
        has("LengthHelp", {"length", "--help"}, 0, "usage: tolmer length TEXT"),
        has("FormatHelp", {"format", "-h"}, 0, "usage: tolmer format INCHES"),
        has("ScaleHelp", {"scale", "--help"}, 0, "Examples:\n"),
        has("PaperHelp", {"paper", "--help"}, 0, "Examples:\n"),
        has("CatalogHelp", {"catalog", "--help"}, 0, "Examples:\n"),
        has("CallHelp", {"call", "--help"}, 0, "Arguments by kind:\n")),
    case_name);

// Every example in the commands' help runs as shown: the command of each
// "$ tolmer ..." line, then its output lines in order ("..." skips lines).
class HelpExamples : public testing::TestWithParam<const char*> {};

TEST_P(HelpExamples, RunAsShown) {
  const Outcome help = tolmer({GetParam(), "--help"});
  ASSERT_EQ(help.code, 0);
  std::istringstream lines(help.out.substr(help.out.find("Examples:\n")));
  std::vector<std::string> example;
  std::vector<std::vector<std::string>> examples;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("  ", 0) != 0) {
      if (!example.empty()) examples.push_back(example);
      example.clear();
      continue;
    }
    example.push_back(line.substr(2));
  }
  if (!example.empty()) examples.push_back(example);
  ASSERT_FALSE(examples.empty());
  for (const auto& lines_of_example : examples) {
    ASSERT_EQ(lines_of_example[0].rfind("$ tolmer ", 0), 0u) << lines_of_example[0];
    const auto words = shell_words(lines_of_example[0].substr(9));
    const Outcome outcome = tolmer(words);
    int code = 0;
    std::string shown = outcome.out + outcome.err;
    std::size_t at = 0;
    for (std::size_t i = 1; i < lines_of_example.size(); ++i) {
      const std::string& expected = lines_of_example[i];
      if (expected.find_first_not_of(' ') == expected.find("...") && expected.find("...") != std::string::npos)
        continue;
      if (expected.rfind("(exit code ", 0) == 0) {
        code = std::atoi(expected.c_str() + 11);
        continue;
      }
      const std::size_t found = shown.find(expected + "\n", at);
      EXPECT_NE(found, std::string::npos) << lines_of_example[0] << "\nlacks the line: " << expected << "\ngave:\n" << shown;
      if (found != std::string::npos) at = found + expected.size() + 1;
    }
    EXPECT_EQ(outcome.code, code) << lines_of_example[0];
  }
}

INSTANTIATE_TEST_SUITE_P(Tool, HelpExamples,
                         testing::Values("length", "format", "scale", "paper", "catalog", "call"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

}  // namespace
