// Exports of the units and designators.
#include <optional>
#include <string>
#include <string_view>

#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "tolmer/measure.h"

using namespace tolmer;

TOLMER_EXPORT(double) INCHESTOMILLIMETERS(double inches) {
  return process_library().inches_to_millimeters(inches);
}

TOLMER_EXPORT(float) MILLIMETERSTOINCHES(float millimeters) {
  return process_library().millimeters_to_inches(millimeters);
}

TOLMER_EXPORT(void) SETCONVERSIONDECIMALPLACES(int32_t system, int32_t places) {
  process_library().set_conversion_places(static_cast<System>(system), places);
}

TOLMER_EXPORT(LibString) GETMEASUREMENTDESIGNATOR(int32_t system, int32_t unit, int32_t index,
                                                   int32_t bare) {
  const std::optional<Unit> named = abi::unit(system, unit);
  const std::string_view word = named ? measure::designator_word(*named, index) : std::string_view();
  if (bare != 0) return abi::result(word);
  std::string padded;
  padded.reserve(word.size() + 2);
  padded += ' ';
  padded += word;
  padded += ' ';
  return abi::result(padded);
}

TOLMER_EXPORT(LibString) GETMEASUREMENTLABEL(int32_t system, int32_t style, float quantity) {
  return abi::result(measure::measurement_label(static_cast<System>(system),
                                                static_cast<LabelStyle>(style), quantity));
}

TOLMER_EXPORT(float) CONVERTMEASUREMENT(float inches, int32_t target) {
  switch (target) {
    case 0: return measure::inches_to_feet(inches);
    case 1: return measure::inches_to_meters(inches);
    default: return 0;  // no such conversion
  }
}
