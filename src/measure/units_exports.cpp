// Exports of the units and designators.
#include <string>

#include "api/library_impl.h"
#include "frame/abi.h"
#include "frame/precision.h"
#include "measure/units.h"

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
  const std::string_view word = designator_word(system, unit, index);
  if (bare != 0) return abi::result(word);
  std::string padded;
  padded.reserve(word.size() + 2);
  padded += ' ';
  padded += word;
  padded += ' ';
  return abi::result(padded);
}

TOLMER_EXPORT(LibString) GETMEASUREMENTLABEL(int32_t system, int32_t style, float quantity) {
  return abi::result(measurement_label(system, style, quantity));
}

TOLMER_EXPORT(float) CONVERTMEASUREMENT(float inches, int32_t target) {
  ExtendedPrecision guard;
  return convert_measurement(inches, target);
}
