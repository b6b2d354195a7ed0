// Measurement parsing exports.
#include <string>
#include <string_view>

#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "measure/parse.h"
#include "frame/primitives.h"

namespace {

int32_t first_byte_is_numeral(int32_t system, const char* character) {
  const std::string_view text = tolmer::abi::text_view(character);
  if (text.empty()) return 0;
  return tolmer::is_measurement_numeral(static_cast<tolmer::System>(system), text.front()) ? -1 : 0;
}

}  // namespace

TOLMER_EXPORT(int32_t)
ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(int32_t system, const char* character) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return first_byte_is_numeral(system, character);
  });
}

TOLMER_EXPORT(int32_t) ISVALIDMEASUREMENTNUMERICALCHARACTER(const char* character) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return first_byte_is_numeral(static_cast<int32_t>(tolmer::System::English), character);
  });
}

TOLMER_EXPORT(LibString) SEPARATEMEASUREMENTSINTEXTSTRING(char* measurement) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    const std::string text = tolmer::abi::text(measurement);
    if (tolmer::trim(text).empty()) return tolmer::abi::result({});
    const std::string separated = tolmer::separate_measurements(text);
    if (separated.size() != text.size()) tolmer::abi::write_buffer(measurement, separated);
    return tolmer::abi::result(separated);
  });
}

TOLMER_EXPORT(float)
GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(int32_t system, LibString text, int32_t position,
                                          int32_t backwards, int32_t* start, int32_t* end) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    const tolmer::NumberInText reading =
        tolmer::read_measurement_value(static_cast<tolmer::System>(system), tolmer::abi::libstring(text), position, backwards == -1,
                                       tolmer::abi::read(start));
    if (reading.start) tolmer::abi::write(start, *reading.start);
    if (reading.end) tolmer::abi::write(end, *reading.end);
    return reading.value;
  });
}

TOLMER_EXPORT(float)
CONVERTTEXTSTRINGVALUETOINCHES(const char* measurement, float maximum, int32_t* start,
                               int32_t* end) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return tolmer::abi::reading(
        tolmer::convert_text_to_inches(tolmer::state(), tolmer::abi::text_view(measurement), maximum),
        start, end);
  });
}
