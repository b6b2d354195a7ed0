// tolmer length reads by today's rules unless --classic is given: the length
// and its display, or the message with the entry and carets under the bytes
// concerned (exit 1). The classic road is tested with --classic in the other
// files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tool_support.h"

namespace {

using namespace tool_test;

const std::string kNoUnit = "tolmer length: this number has no unit: type one after it (' \" ft in yd m cm mm)\n";

class ToolReading : public testing::TestWithParam<Case> {};
TEST_P(ToolReading, Runs) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Read, ToolReading,
    testing::Values(
        exact("InchesWithoutMark", {"length", "12'6"}, 0, "inches     150\ndisplay    12' 6\"\n"),
        exact("HyphenWithoutMark", {"length", "12'-6"}, 0, "inches     150\ndisplay    12' 6\"\n"),
        exact("FractionWithoutMark", {"length", "12' 6 1/2"}, 0, "inches     150.5\ndisplay    12' 6 1/2\"\n"),
        exact("FeetWordAndBareNumber", {"length", "5 ft 3"}, 0, "inches     63\ndisplay    5' 3\"\n"),
        exact("SpacedDash", {"length", "12' - 6\""}, 0, "inches     150\ndisplay    12' 6\"\n"),
        exact("Abbreviations", {"length", "12 Ft. 6 In."}, 0, "inches     150\ndisplay    12' 6\"\n"),
        exact("VulgarFraction", {"length", "\u00bd\""}, 0, "inches     0.5\ndisplay    1/2\"\n"),
        exact("Primes", {"length", "12\u2032 6\u2033"}, 0, "inches     150\ndisplay    12' 6\"\n"),
        exact("ThousandsComma", {"length", "1,200'"}, 0, "inches     14400\ndisplay    1200'\n"),
        exact("Exponent", {"length", ".1e2 ft 6 in"}, 0, "inches     126\ndisplay    10' 6\"\n"),
        exact("MetricDisplay", {"length", "2,500 mm", "--metric", "--format", "4"}, 0,
              "inches     98.4251968503937\ndisplay    2500 mm\n"),
        exact("NegativeHasNoDisplay", {"length", "-3' 6\""}, 0, "inches     -42\ndisplay    \n",
              "tolmer length: note: the display is empty: a negative length has no display text in this format\n"),
        exact("DefaultUnit", {"length", "6 1/2", "--unit", "in"}, 0, "inches     6.5\ndisplay    6 1/2\"\n"),
        exact("DecimalComma", {"length", "2,5 m", "--decimal-comma", "--metric", "--format", "3"}, 0,
              "inches     98.4251968503937\ndisplay    2.5 m\n"),
        exact("LenientNotes", {"length", "48\" AFF", "--lenient"}, 0, "inches     48\ndisplay    4'\n",
              "tolmer length: note: not read\n  48\" AFF\n      ^^^\n"),
        exact("DisplayOptions", {"length", "12 ft", "--format", "0", "--decimal", "--places", "2"}, 0,
              "inches     144\ndisplay    12 Feet\n")));

INSTANTIATE_TEST_SUITE_P(
    Errors, ToolReading,
    testing::Values(
        rejected("BareNumbers", {"length", "12 6"}, kNoUnit + "  12 6\n  ^^\n"),
        rejected("BareFraction", {"length", "6 1/2"}, kNoUnit + "  6 1/2\n  ^^^^^\n"),
        rejected("NotALength", {"length", "abc"}, "tolmer length: this is not part of a length\n  abc\n  ^^^\n"),
        rejected("MalformedNumber", {"length", "12.5.3\""},
                 "tolmer length: this is not a well-formed number\n  12.5.3\"\n  ^^^^^^\n"),
        rejected("TrailingDash", {"length", "5'-"},
                 "tolmer length: a dash here is not understood: one dash may stand between two parts, and one "
                 "before the length makes it negative\n  5'-\n    ^\n"),
        rejected("Empty", {"length", ""},
                 "tolmer length: the entry is empty: type a length such as 12' 6\" or 2.5 m\n  \n  ^\n"),
        // Columns count code points; bytes that are not shown as they are
        // take their four columns.
        rejected("CaretsAfterAWideCharacter", {"length", "\u00e9 12"},
                 "tolmer length: this is not part of a length\n  \u00e9 12\n  ^\n"),
        rejected("CaretsAfterATypographicMark", {"length", "12\u2032 6\" x"},
                 "tolmer length: this is not part of a length\n  12\u2032 6\" x\n         ^\n"),
        rejected("ByteNotUtf8", {"length", "12\xff"}, "tolmer length: this byte is not UTF-8 text\n  12\\xFF\n    ^^^^\n"),
        rejected("TabShownEscaped", {"length", "12\t6x"}, kNoUnit + "  12\\x096x\n  ^^\n"),
        usage("ClassicLimitWithoutClassic", {"length", "150 ft", "--max", "100"},
              "--max belongs to the validator of the classic reading: add --classic"),
        usage("StrictWithoutClassic", {"length", "12'6", "--strict"},
              "--strict belongs to the validator of the classic reading: add --classic"),
        usage("UnitWithClassic", {"length", "12", "--unit", "in", "--classic"},
              "--unit belongs to today's reading: leave out --classic"),
        usage("UnknownUnit", {"length", "12", "--unit", "furlong"},
              "--unit is one of yd, ft, in, m, dm, cm, mm, not 'furlong'")));

}  // namespace
