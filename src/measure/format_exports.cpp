// Length formatting exports.
#include "frame/abi.h"
#include "frame/precision.h"
#include "measure/format.h"

TOLMER_EXPORT(void)
GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places, float* major,
                                         float* minor, float* fraction, int32_t /*reserved*/) {
  tolmer::ExtendedPrecision guard;
  const tolmer::MeasurementParts parts = tolmer::split_inches(tolmer::state(), system, inches, places);
  tolmer::abi::write(major, parts.major);
  tolmer::abi::write(minor, parts.minor);
  tolmer::abi::write(fraction, parts.fraction);
}

TOLMER_EXPORT(LibString)
GETFORMATEDTEXTFROMINCHES(int32_t system, int32_t format, int32_t fraction_mode, double inches,
                          int32_t places, int32_t reserved) {
  tolmer::ExtendedPrecision guard;
  return tolmer::abi::result(
      tolmer::format_inches(tolmer::state(), system, format, fraction_mode, inches, places, reserved));
}
