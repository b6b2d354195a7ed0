// Reading typed lengths: numeral tests, separation, numbers by position and
// conversion to inches.
#include <algorithm>
#include <cmath>

#include "c_abi/libstring.h"
#include "frame/primitives.h"
#include "fuzz_input.h"
#include "measure/parse.h"
#include "c_abi/process.h"

namespace {

bool numeral(int32_t system, char c) {
  if (c >= '0' && c <= '9') return true;
  if (c == '.') return true;
  return system == 0 && (c == '/' || c == '\\');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool initialised = (INITIALIZEDLL(), true);
  (void)initialised;
  fuzz::Input in(data, size);
  const int32_t system = in.small(-1, 2);
  const int32_t position = in.small(-2, 40);
  const int32_t backwards = in.small(-1, 1);
  const float maximum = in.single();
  const std::string text = in.rest();

  const char first[2] = {text.empty() ? '\0' : text[0], '\0'};
  const int32_t scale_numeral = ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(system, first);
  fuzz::check(scale_numeral == (numeral(system, first[0]) ? -1 : 0));
  fuzz::check(ISVALIDMEASUREMENTNUMERICALCHARACTER(text.c_str()) == (numeral(0, first[0]) ? -1 : 0));

  // Separation: the room documented is twice the text's length (the text, at
  // most length - 1 inserted spaces, the NUL).
  fuzz::Buffer buffer(text, text.size() * 2);
  const std::string separated = fuzz::take_result(SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
  if (tolmer::trim(text).empty()) {
    fuzz::check(separated.empty() && buffer.str() == text);
  } else {
    fuzz::check(buffer.str() == separated);
    fuzz::check(separated.size() <= text.size() * 2 - 1);
    // Separating again changes nothing; dropping the inserted spaces gives
    // the text back.
    fuzz::check(tolmer::separate_measurements(separated) == separated);
  }

  // Numbers by position inside a counted string.
  LibString handle = tolmer::make_libstring(text);
  // The start the caller holds takes part in the end when no start is found:
  // 0, as the conversion passes.
  int32_t start = 0;
  int32_t end = -5;
  const float value = GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(system, handle, position, backwards, &start, &end);
  fuzz::check(!(value < 0));  // no minus sign is ever read
  // The start is searched before position - 1 (a whole part that is empty,
  // next to a fraction cut out of the stretch, is "found" wherever that
  // search stops); the end never lies past the text.
  fuzz::check(start >= 0 && start <= std::max<int64_t>(int64_t{position} - 1, 0));
  if (end != -5) fuzz::check(end >= -1 && end <= static_cast<int32_t>(text.size()));
  FREELIBSTRING(handle);

  // Conversion of the separated text.
  int32_t error_start = -5;
  int32_t error_end = -5;
  const float inches = CONVERTTEXTSTRINGVALUETOINCHES(separated.c_str(), maximum, &error_start, &error_end);
  const tolmer::Conversion core = tolmer::convert_text_to_inches(tolmer::state(), separated, maximum);
  if (!core.ok()) {
    fuzz::check(inches <= -1 && inches >= -7 && inches == std::floor(inches));
    fuzz::check(error_start == core.number.start.value_or(0) &&
                error_end == core.number.end.value_or(0));
    fuzz::check(maximum > 0);
  } else {
    fuzz::check(std::isnan(inches) ? std::isnan(core.inches) : inches == core.inches);
    fuzz::check(error_start == -5 && error_end == -5);
    fuzz::check(std::isnan(inches) || inches >= 0);
  }
  return 0;
}
