// Measurement entry validation export.
#include "frame/abi.h"
#include "host/services.h"
#include "frame/precision.h"
#include "measure/validate.h"

TOLMER_EXPORT(float)
CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(int32_t window, const char* measurement, float minimum,
                                       float maximum, float maximum_total, int32_t system,
                                       int32_t format, int32_t fraction_mode, int32_t places) {
  tolmer::ExtendedPrecision guard;
  return tolmer::validate_measurement_entry(tolmer::state(), tolmer::host::window(), window, tolmer::abi::text_view(measurement), minimum,
                                            maximum, maximum_total, system, format, fraction_mode,
                                            places);
}
