// Measurement entry validation: the whole conversation with the field and
// the user, through a recording host installed with SETHOSTSERVICES.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "host/services.h"
#include "measure/validate.h"
#include "tolmerdll.h"

namespace {

// Records every window operation, in order, as one line each.
struct Recorder {
  std::vector<std::string> calls;
  int32_t line_length = 0;  // what the field answers for its first line

  static Recorder& of(void* context) { return *static_cast<Recorder*>(context); }
  static void show_message(void* c, const char* text, const char* caption) {
    of(c).calls.push_back(std::string("message ") + caption + ": " + text);
  }
  static void select_range(void* c, int32_t window, int32_t first, int32_t after_last) {
    of(c).calls.push_back("select " + std::to_string(window) + " " + std::to_string(first) + " " +
                          std::to_string(after_last));
  }
  static int32_t line_length_of(void* c, int32_t window, int32_t line) {
    of(c).calls.push_back("line length " + std::to_string(window) + " " + std::to_string(line));
    return of(c).line_length;
  }
  static void set_focus(void* c, int32_t window) {
    of(c).calls.push_back("focus " + std::to_string(window));
  }
  static void set_text(void* c, int32_t window, const char* text) {
    of(c).calls.push_back("text " + std::to_string(window) + " " + text);
  }
};

constexpr int32_t kWindow = 4242;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr const char* kCaption = "message Measurement Error: ";

class MeasurementEntry : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { INITIALIZEDLL(); }
  void SetUp() override {
    TolmerHostServices services{};
    services.size = sizeof services;
    services.context = &recorder_;
    services.show_message = &Recorder::show_message;
    services.select_range = &Recorder::select_range;
    services.line_length = &Recorder::line_length_of;
    services.set_focus = &Recorder::set_focus;
    services.set_text = &Recorder::set_text;
    SETHOSTSERVICES(&services);
  }
  void TearDown() override { SETHOSTSERVICES(nullptr); }

  Recorder recorder_;
};

struct Entry {
  const char* name;
  const char* measurement;
  float minimum, maximum, maximum_total;
  int32_t system, format, fraction_mode, places;
  int32_t line_length;              // the field's answer, when asked
  float result;
  std::vector<std::string> calls;   // the conversation, in order
};

std::string message(const std::string& text) { return kCaption + text; }
std::string select(int32_t first, int32_t after_last) {
  return "select " + std::to_string(kWindow) + " " + std::to_string(first) + " " +
         std::to_string(after_last);
}
const std::string kFocus = "focus " + std::to_string(kWindow);
std::string line_length() { return "line length " + std::to_string(kWindow) + " 0"; }
std::string text(const std::string& written) { return "text " + std::to_string(kWindow) + " " + written; }

TEST_F(MeasurementEntry, Conversations) {
  const std::string too_many_feet =
      "The value you have entered for feet is invalid. The value cannot exceed ";
  const Entry entries[] = {
      {"number over the maximum", "150 FT", 0, 100, 1200, 0, 6, 1, 2, 0, -1.0f,
       {message(too_many_feet + "100."), select(0, 3), kFocus}},
      {"one-digit number has no start: the selection is removed", "16 FT", 0, 10, 1200, 0, 6, 1,
       2, 0, -1.0f, {message(too_many_feet + "10."), select(-1, 1), kFocus}},
      {"leading spaces shift the selection", "   150 FT", 0, 100, 1200, 0, 6, 1, 2, 0, -1.0f,
       {message(too_many_feet + "100."), select(0, 3), kFocus}},
      {"maximum with seven significant digits", "20 FT", 0, 12.3456789f, 1200, 0, 6, 1, 2, 0,
       -1.0f, {message(too_many_feet + "12.34568."), select(-1, 1), kFocus}},
      {"metric number over the maximum", "150 MM", 0, 100, 1e6f, 1, 4, 1, 2, 0, -1.0f,
       {message("The value you have entered for millimeters is invalid. The value cannot "
                "exceed 100."),
        select(0, 3), kFocus}},
      {"the number is reported before the minimum", "150 FT", 5000, 100, 1e6f, 0, 6, 1, 2, 0,
       -1.0f, {message(too_many_feet + "100."), select(0, 3), kFocus}},
      {"total over the maximum, English", "101 FT", 0, 0, 1200, 0, 6, 1, 2, 6, 0.0f,
       {message("The maximum value for this measurement is 100 feet."), line_length(),
        select(0, 6), kFocus}},
      {"total over the maximum, rounded to the places", "101 FT", 0, 0, 1000, 0, 6, 1, 2, 9,
       0.0f,
       {message("The maximum value for this measurement is 83.33 feet."), line_length(),
        select(0, 9), kFocus}},
      {"total over the maximum, Metric", "20 M", 0, 0, 393.69f, 1, 2, 1, 1, 4, 0.0f,
       {message("The maximum value for this measurement is 10 meters."), line_length(),
        select(0, 4), kFocus}},
      {"total over the maximum, Metric places", "30 M", 0, 0, 1000, 1, 2, 1, 3, 4, 0.0f,
       {message("The maximum value for this measurement is 25.401 meters."), line_length(),
        select(0, 4), kFocus}},
      {"a zero denominator is over any maximum", "1/0 IN", 0, 0, 1200, 0, 6, 1, 2, 6, 0.0f,
       {message("The maximum value for this measurement is 100 feet."), line_length(),
        select(0, 6), kFocus}},
      {"not a number is not accepted", "0/0 IN", 0, 0, 1200, 0, 6, 1, 2, 6, 0.0f,
       {message("The maximum value for this measurement is 100 feet."), line_length(),
        select(0, 6), kFocus}},
      {"below the minimum: singular", "1/2 IN", 1, 0, 1200, 0, 6, 1, 2, 0, 0.0f,
       {message("The minimum value for this measurement is 1 inch."), kFocus}},
      {"below the minimum: plural", "1/2 IN", 2, 0, 1200, 0, 6, 1, 2, 0, 0.0f,
       {message("The minimum value for this measurement is 2 inches."), kFocus}},
      {"minimum rounded ties to even", "1/2 IN", 2.5f, 0, 1200, 0, 6, 1, 0, 0, 0.0f,
       {message("The minimum value for this measurement is 2 inches."), kFocus}},
      {"minimum of Metric: unrounded millimetres", "10 MM", 1, 0, 1200, 1, 4, 1, 2, 0, 0.0f,
       {message("The minimum value for this measurement is 25.3999996185303 millimeters."),
        kFocus}},
      {"no unit word converts to 0 and meets the minimum", "abc", 1, 0, 1200, 0, 6, 1, 2, 0,
       0.0f, {message("The minimum value for this measurement is 1 inch."), kFocus}},
      {"accepted, decimal echo", "12 ' 6 1/2 \"", 0, 0, 1200, 0, 6, 1, 3, 0, 150.5f,
       {text("12' 6.5\"")}},
      {"accepted at exactly the maximum total", "100 FT", 1200, 0, 1200, 0, 6, 1, 3, 0, 1200.0f,
       {text("100'")}},
      {"no unit word with a minimum of 0 is accepted as nothing", "abc", 0, 0, 1200, 0, 6, 1,
       2, 0, 0.0f, {text("")}},
      // The echo of a fraction comes back as typed, down to sixty-fourths.
      {"fractional echo of a quarter", "1/4 IN", 0, 0, 1200, 0, 6, 0, 2, 0, 0.25f,
       {text("1/4\"")}},
      {"fractional echo of sixty-fourths", "12 ' 6 1/64 \"", 0, 0, 1200, 0, 6, 0, 2, 0,
       150.015625f, {text("12' 6 1/64\"")}},
      {"fractional echo of 15/16", "15/16 IN", 0, 0, 1200, 0, 12, 0, 2, 0, 0.9375f,
       {text("15/16\"")}},
      // Decimal feet have no denominator: the echo keeps 3 places.
      {"decimal feet in fractional mode", "12 ' 1 \"", 0, 0, 1200, 0, 3, 0, 2, 0, 145.0f,
       {text("12.083 Feet")}},
      // Decimal feet are echoed from decimal inches: 150.9 inches is 12.575
      // feet, not the 151 inches that a denominator of 3 would make of it.
      {"decimal feet echo, format 3", "150.9 IN", 0, 0, 1200, 0, 3, 0, 2, 0, 150.9f,
       {text("12.575 Feet")}},
      {"decimal feet echo, format 4", "12 ' 6.9 \"", 0, 0, 1200, 0, 4, 0, 2, 0, 150.9f,
       {text("12.575 Ft.")}},
      {"decimal feet echo, format 5", "150.9 IN", 0, 0, 1200, 0, 5, 0, 2, 0, 150.9f,
       {text("12.575 Ft")}},
      {"decimal feet echo, format 8", "150.9 IN", 0, 0, 1200, 0, 8, 0, 2, 0, 150.9f,
       {text("12.575'")}},
      {"decimal feet echo, decimal mode", "150.9 IN", 0, 0, 1200, 0, 3, 1, 2, 0, 150.9f,
       {text("12.575 Feet")}},
      // Limits that are not numbers.
      {"a maximum total that is not a number rejects nothing", "12 IN", 0, 0, kNaN, 0, 6, 1, 2,
       0, 12.0f, {text("1'")}},
      {"a minimum that is not a number rejects nothing", "12 IN", kNaN, 0, 1200, 0, 6, 1, 2, 0,
       12.0f, {text("1'")}},
      {"a length that is not a number fails any maximum total", "0/0 IN", 0, 0, kNaN, 0, 6, 1, 2,
       6, 0.0f,
       {message("The maximum value for this measurement is NaN feet."), line_length(),
        select(0, 6), kFocus}},
  };
  for (const Entry& e : entries) {
    SCOPED_TRACE(e.name);
    recorder_.calls.clear();
    recorder_.line_length = e.line_length;
    const float result = CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(
        kWindow, e.measurement, e.minimum, e.maximum, e.maximum_total, e.system, e.format,
        e.fraction_mode, e.places);
    EXPECT_EQ(result, e.result);
    EXPECT_EQ(recorder_.calls, e.calls);
  }
}

TEST_F(MeasurementEntry, MetricMinimumOfOneMillimetreOrLessIsSingular) {
  const float result =
      CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(kWindow, "", 0.025f, 0, 1200, 1, 4, 1, 2);
  EXPECT_EQ(result, 0.0f);
  ASSERT_EQ(recorder_.calls.size(), 2u);
  const std::string& shown = recorder_.calls[0];
  EXPECT_EQ(shown.rfind(message("The minimum value for this measurement is .63"), 0), 0u) << shown;
  EXPECT_TRUE(shown.ends_with(" millimeter.")) << shown;
  EXPECT_EQ(recorder_.calls[1], kFocus);
}

tolmer::DisplayFormat display_of(int32_t system, int32_t format, int32_t fraction_mode) {
  return {static_cast<tolmer::System>(system), static_cast<tolmer::Format>(format),
          static_cast<tolmer::FractionMode>(fraction_mode), 0};
}

TEST_F(MeasurementEntry, EchoPlacesBySetting) {
  struct Case {
    int32_t system, format, fraction_mode, places;
  } const cases[] = {
      {0, 6, 0, 64}, {0, 0, 0, 64}, {0, 13, 0, 64}, {0, 99, 0, 64},  // fractions shown
      {0, 3, 0, 3},  {0, 4, 0, 3},  {0, 5, 0, 3},   {0, 8, 0, 3},    // decimal feet
      {0, 6, 1, 3},  {1, 2, 0, 3},  {7, 6, 0, 3},                    // decimal mode
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.system) + "/" + std::to_string(c.format) + "/" +
                 std::to_string(c.fraction_mode));
    EXPECT_EQ(tolmer::echo_places(display_of(c.system, c.format, c.fraction_mode)), c.places);
  }
}

TEST_F(MeasurementEntry, EchoModeBySetting) {
  struct Case {
    int32_t system, format, fraction_mode, echo_mode;
  } const cases[] = {
      {0, 3, 0, 1}, {0, 4, 0, 1}, {0, 5, 0, 1}, {0, 8, 0, 1},  // decimal feet: decimals
      {0, 6, 0, 0}, {0, 0, 0, 0}, {0, 13, 0, 0}, {0, 99, 0, 0},  // fractions shown
      {0, 3, 1, 1}, {0, 3, 2, 2}, {1, 3, 0, 0},  {7, 3, 0, 0},   // no fractions anyway
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.system) + "/" + std::to_string(c.format) + "/" +
                 std::to_string(c.fraction_mode));
    EXPECT_EQ(static_cast<int32_t>(
                  tolmer::echo_fraction_mode(display_of(c.system, c.format, c.fraction_mode))),
              c.echo_mode);
  }
}

TEST(MeasurementEntryDefaults, WithoutAHostNothingBreaks) {
#if defined(_WIN32)
  GTEST_SKIP() << "the Windows default shows a modal message box, which waits for a click";
#endif
  INITIALIZEDLL();
  SETHOSTSERVICES(nullptr);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(1, "150 FT", 0, 100, 1200, 0, 6, 1, 2), -1.0f);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(1, "5 FT", 0, 0, 1200, 0, 6, 1, 2), 60.0f);
  EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(0, nullptr, 0, 0, 1200, 0, 6, 1, 2), 0.0f);
}

}  // namespace
