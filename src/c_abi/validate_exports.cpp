// Measurement entry validation export.
#include "c_abi/process.h"
#include "c_abi/abi.h"

TOLMER_EXPORT(float)
CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(int32_t window, const char* measurement, float minimum,
                                       float maximum, float maximum_total, int32_t system,
                                       int32_t format, int32_t fraction_mode, int32_t places) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return tolmer::process_library().validate_in_window(
        window, tolmer::abi::text_view(measurement), {minimum, maximum, maximum_total},
        {static_cast<tolmer::System>(system), static_cast<tolmer::Format>(format),
         static_cast<tolmer::FractionMode>(fraction_mode), places});
  });
}
