#include "measure/validate.h"

#include <cmath>
#include <string>

#include "frame/primitives.h"
#include "host/services.h"
#include "measure/format.h"
#include "measure/parse.h"
#include "measure/units.h"

namespace tolmer::inline v1 {

namespace {

std::string trimmed_number(xreal value, int digits) {
  return std::string(trim(number_to_text(value, digits)));
}

bool fractional(const DisplayFormat& display) {
  return display.system == System::English && display.mode == FractionMode::Fraction;
}

}  // namespace

int32_t echo_places(const DisplayFormat& display) noexcept {
  return fractional(display) && !shows_decimal_feet(display.format) ? kEchoLargestDenominator
                                                                     : kEchoPlaces;
}

FractionMode echo_fraction_mode(const DisplayFormat& display) noexcept {
  return fractional(display) && shows_decimal_feet(display.format) ? kEchoDecimalMode
                                                                    : display.mode;
}

float validate_measurement_entry(const MeasureState& state, host::WindowService& field,
                                 int32_t window, std::string_view measurement,
                                 const EntryLimits& limits, const DisplayFormat& display) {
  const float minimum = limits.minimum;
  const float maximum = limits.maximum;
  const float maximum_total = limits.maximum_total;
  const System system = display.system;
  const int32_t places = display.places;
  const Conversion conversion = convert_text_to_inches(state, measurement, maximum);
  const float v = conversion.inches;

  if (!conversion.ok()) {
    std::string message = "The value you have entered for ";
    message += unit_name(conversion.unit);
    message += " is invalid. The value cannot exceed ";
    message += trimmed_number(maximum, kSingleDigits);
    message += '.';
    field.show_message(message, kMeasurementErrorCaption);
    // A number without a start selects from -1 (no selection).
    const int64_t first = static_cast<int64_t>(conversion.number.start.value_or(0)) - 1;
    field.select_range(window, static_cast<int32_t>(first), conversion.number.end.value_or(0));
    field.set_focus(window);
    return -1;
  }

  // A length that is not a number (a typed 0/0) fails here as an infinite
  // one (1/0) does; a maximum total that is not a number rejects nothing.
  if (v > maximum_total || std::isnan(v)) {
    const bool metric = system == System::Metric;
    const float converted = convert_measurement(maximum_total, metric ? Unit::Meters : Unit::Feet);
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
    if (system == System::Metric) {
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

  const DisplayFormat echo{system, display.format, echo_fraction_mode(display),
                           echo_places(display)};
  field.set_text(window, format_inches(state, echo, static_cast<double>(v)));
  return v;
}

}  // namespace tolmer
