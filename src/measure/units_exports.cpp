// Exports of the units and designators.
#include <string>

#include "frame/abi.h"
#include "frame/precision.h"
#include "measure/units.h"

using namespace tolmer;

TOLMER_EXPORT(double) INCHESTOMILLIMETERS(double inches) {
  ExtendedPrecision guard;
  return inches_to_millimeters(state(), inches);
}

TOLMER_EXPORT(float) MILLIMETERSTOINCHES(float millimeters) {
  ExtendedPrecision guard;
  return millimeters_to_inches(state(), millimeters);
}

TOLMER_EXPORT(void) SETCONVERSIONDECIMALPLACES(int32_t system, int32_t places) {
  set_conversion_decimal_places(state(), system, places);
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
