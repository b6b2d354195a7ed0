// Exports of the units and designators.
#include <optional>
#include <string>
#include <string_view>

#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "measure/units.h"

using namespace tolmer;

TOLMER_EXPORT(double) INCHESTOMILLIMETERS(double inches) {
  return tolmer::abi::guarded(0.0, [&]() -> double {
    return process_library().inches_to_millimeters(inches);
  });
}

TOLMER_EXPORT(float) MILLIMETERSTOINCHES(float millimeters) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return process_library().millimeters_to_inches(millimeters);
  });
}

TOLMER_EXPORT(void) SETCONVERSIONDECIMALPLACES(int32_t system, int32_t places) {
  tolmer::abi::guarded([&] {
    process_library().set_conversion_places(static_cast<System>(system), places);
  });
}

TOLMER_EXPORT(LibString) GETMEASUREMENTDESIGNATOR(int32_t system, int32_t unit, int32_t index,
                                                   int32_t bare) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    const std::optional<Unit> named = abi::unit(system, unit);
    const std::string_view word = named ? designator_word(*named, index) : std::string_view();
    if (bare != 0) return abi::result(word);
    std::string padded;
    padded.reserve(word.size() + 2);
    padded += ' ';
    padded += word;
    padded += ' ';
    return abi::result(padded);
  });
}

TOLMER_EXPORT(LibString) GETMEASUREMENTLABEL(int32_t system, int32_t style, float quantity) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return abi::result(measurement_label(static_cast<System>(system), static_cast<LabelStyle>(style), quantity));
  });
}

TOLMER_EXPORT(float) CONVERTMEASUREMENT(float inches, int32_t target) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    const std::optional<Unit> unit = abi::conversion_target(target);
    return unit ? convert_measurement(inches, *unit) : 0.0f;
  });
}
