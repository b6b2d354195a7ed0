// Length formatting exports.
#include "c_abi/process.h"
#include "c_abi/abi.h"

TOLMER_EXPORT(void)
GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places, float* major,
                                         float* minor, float* fraction, int32_t /*reserved*/) {
  tolmer::abi::guarded([&] {
    const tolmer::LengthParts parts =
        tolmer::process_library().split(inches, static_cast<tolmer::System>(system), places);
    tolmer::abi::write(major, parts.major);
    tolmer::abi::write(minor, parts.minor);
    tolmer::abi::write(fraction, parts.fraction);
  });
}

TOLMER_EXPORT(LibString)
GETFORMATEDTEXTFROMINCHES(int32_t system, int32_t format, int32_t fraction_mode, double inches,
                          int32_t places, int32_t /*reserved: no effect*/) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    return tolmer::abi::result(tolmer::process_library().format(
        inches, {static_cast<tolmer::System>(system), static_cast<tolmer::Format>(format),
                 static_cast<tolmer::FractionMode>(fraction_mode), places}));
  });
}
