#include "measure/validate.h"

#include <cmath>
#include <string>

#include "frame/primitives.h"
#include "host/services.h"
#include "measure/format.h"
#include "measure/parse.h"
#include "measure/units.h"

namespace tolmer {

namespace {

// The unit word of a conversion error code (-1 to -7).
std::string_view unit_word(float code) {
  static constexpr std::string_view kWords[] = {
      "meters", "yards", "decimeters", "feet", "centimeters", "inches", "millimeters",
  };
  const int32_t index = -trunc_to_int(code) - 1;
  if (index < 0 || index >= 7) return {};
  return kWords[index];
}

std::string trimmed_number(xreal value, int digits) {
  return std::string(trim(number_to_text(value, digits)));
}

bool is_decimal_feet_format(int32_t format) {
  return format == 3 || format == 4 || format == 5 || format == 8;
}

}  // namespace

int32_t echo_places(int32_t system, int32_t format, int32_t fraction_mode) {
  const bool fractional = system == kEnglish && fraction_mode == 0;
  return fractional && !is_decimal_feet_format(format) ? kEchoLargestDenominator : kEchoPlaces;
}

int32_t echo_fraction_mode(int32_t system, int32_t format, int32_t fraction_mode) {
  const bool fractional = system == kEnglish && fraction_mode == 0;
  return fractional && is_decimal_feet_format(format) ? kEchoDecimalMode : fraction_mode;
}

float validate_measurement_entry(const MeasureState& state, host::WindowService& field, int32_t window, std::string_view measurement, float minimum,
                                 float maximum, float maximum_total, int32_t system,
                                 int32_t format, int32_t fraction_mode, int32_t places) {
  const Conversion conversion = convert_text_to_inches(state, measurement, maximum);
  const float v = conversion.inches;

  if (v < 0) {
    std::string message = "The value you have entered for ";
    message += unit_word(v);
    message += " is invalid. The value cannot exceed ";
    message += trimmed_number(maximum, kSingleDigits);
    message += '.';
    field.show_message(message, kMeasurementErrorCaption);
    const int64_t first = static_cast<int64_t>(conversion.start) - 1;
    field.select_range(window, static_cast<int32_t>(first), conversion.end);
    field.set_focus(window);
    return -1;
  }

  // A length that is not a number (a typed 0/0) fails here as an infinite
  // one (1/0) does; a maximum total that is not a number rejects nothing.
  if (v > maximum_total || std::isnan(v)) {
    const bool metric = is_metric(system);
    const float converted = convert_measurement(maximum_total, metric ? kToMeters : kToFeet);
    const double x = static_cast<double>(round_decimal(converted, places));
    std::string message = "The maximum value for this measurement is ";
    message += trimmed_number(x, kDoubleDigits);
    message += metric ? " meters." : " feet.";
    field.show_message(message, kMeasurementErrorCaption);
    const int32_t length = field.line_length(window, 0);
    field.select_range(window, 0, length);
    field.set_focus(window);
    return 0;
  }

  if (v < minimum) {
    std::string message = "The minimum value for this measurement is ";
    if (is_metric(system)) {
      const double y = inches_to_millimeters(state, minimum);
      message += trimmed_number(y, kDoubleDigits);
      message += y > 1 ? " millimeters." : " millimeter.";
    } else {
      const double y = static_cast<double>(round_decimal(minimum, places));
      message += trimmed_number(y, kDoubleDigits);
      message += y > 1 ? " inches." : " inch.";
    }
    field.show_message(message, kMeasurementErrorCaption);
    field.set_focus(window);
    return 0;
  }

  const int32_t echo_mode = echo_fraction_mode(system, format, fraction_mode);
  field.set_text(window, format_inches(state, system, format, echo_mode, static_cast<double>(v),
                                       echo_places(system, format, fraction_mode), 0));
  return v;
}

}  // namespace tolmer
