// tolmer format and the display of tolmer length by today's rules (the
// default): zero and negative lengths shown, the denominator a grid, the
// decimals of every decimal number; --classic keeps the exports' display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tool_support.h"

namespace {

using namespace tool_test;

class TodayDisplay : public testing::TestWithParam<Case> {};
TEST_P(TodayDisplay, Runs) { check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Format, TodayDisplay,
    testing::Values(
        exact("FeetAndInches", {"format", "150.5"}, 0, "12' 6 1/2\"\n"),
        exact("Zero", {"format", "0"}, 0, "0\"\n"),
        exact("ZeroMetric", {"format", "0", "--metric", "--format", "4"}, 0, "0 mm\n"),
        exact("Negative", {"format", "-12"}, 0, "-1'\n"),
        exact("NegativeMetric", {"format", "-6.5", "--metric", "--format", "4"}, 0, "-165.1 mm\n"),
        exact("NegativeBelowTheStepIsZero", {"format", "-0.01"}, 0, "0\"\n"),
        exact("DecimalInchWithItsZero", {"format", "12.5", "--decimal", "--places", "2"}, 0, "1' 0.5\"\n"),
        exact("DecimalFeetWithoutExponent", {"format", "0.5", "--format", "8"}, 0, "0.042'\n"),
        exact("DenominatorIsAGrid", {"format", "6.2"}, 0, "6 3/16\"\n"),
        exact("DenominatorOfFive", {"format", "6.2", "--denominator", "5"}, 0, "6 1/5\"\n"),
        exact("MetricDecimals", {"format", "12", "--metric", "--format", "1", "--decimals", "0"}, 0, "305mm\n"),
        exact("MetricPlaces", {"format", "12", "--metric", "--format", "4", "--places", "0"}, 0, "305 mm\n"),
        exact("ClassicKeepsTheExports", {"format", "-12", "--classic"}, 0, "\n",
              "tolmer format: note: the display is empty: a negative length has no display text in this format\n"),
        exact("TooLargeToShow", {"format", "1e15"}, 0, "\n",
              "tolmer format: note: a length of 1e15 inches or more has no display text\n"),
        exact("EveryFormatAtZero", {"format", "0", "--format", "all"}, 0,
              "format  text\n     0  0 Inches\n     1  0 In.\n     2  0 In\n     3  0 Feet\n     4  0 Ft.\n"
              "     5  0 Ft\n     6  0\"\n     7  0\"\n     8  0'\n     9  0 Inches\n    10  0 In.\n    11  0 In\n"
              "    12  0\"\n    13  0\n"),
        exact("EveryMetricFormatNegative", {"format", "-98.4251968503937", "--metric", "--format", "all"}, 0,
              "format  text\n     0  -2 Meters 500 Millimeters\n     1  -2m 500mm\n     2  -2.5 Meters\n"
              "     3  -2.5 m\n     4  -2500 mm\n     5  -2500\n     6  -2m 50cm\n"),
        usage("DecimalsOutOfRange", {"format", "12", "--decimals", "10"},
              "--decimals is a number of decimal places: 0 to 9, not 10"),
        usage("DenominatorOutOfRange", {"format", "12", "--denominator", "0"},
              "--denominator is the largest denominator of a fraction: 1 to 1024, not 0"),
        usage("TodaysOptionWithClassic", {"format", "12", "--classic", "--decimals", "2"},
              "--decimals belongs to today's display: leave out --classic")),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    Length, TodayDisplay,
    testing::Values(
        exact("NegativeEntry", {"length", "-3' 6\""}, 0, "inches     -42\ndisplay    -3' 6\"\n"),
        exact("ZeroEntry", {"length", "0'"}, 0, "inches     0\ndisplay    0\"\n"),
        exact("BareMillimetres", {"length", "250", "--metric", "--format", "5"}, 0,
              "inches     9.84251968503937\ndisplay    250\n"),
        exact("Decimals", {"length", "1/3 in", "--decimal", "--decimals", "4", "--format", "12"}, 0,
              "inches     0.3333333333333333\ndisplay    0.3333\"\n")),
    case_name);

}  // namespace
