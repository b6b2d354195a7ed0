// Drawing scale exports.
#include "frame/abi.h"
#include "frame/precision.h"
#include "measure/scales.h"

TOLMER_EXPORT(float) GETSCALERATIOVALUE(int32_t system, int32_t part, int32_t index) {
  return tolmer::scale_ratio_value(tolmer::state(), system, part, index);
}

TOLMER_EXPORT(int32_t)
GETINDEXFORSCALERATIOVALUES(int32_t system, float numerator, float denominator) {
  return tolmer::scale_ratio_index(tolmer::state(), system, numerator, denominator);
}

TOLMER_EXPORT(float) GETINCHESPERFOOTFROMSCALERATIO(float numerator, float denominator) {
  tolmer::ExtendedPrecision guard;
  return tolmer::inches_per_foot(numerator, denominator);
}

TOLMER_EXPORT(int32_t) GETNEARESTSCALERATIOVALUE(int32_t system, double scale) {
  tolmer::ExtendedPrecision guard;
  return tolmer::nearest_scale_denominator(system, scale);
}

TOLMER_EXPORT(float) GETCONVERTEDSCALEVALUE(int32_t system, float value) {
  tolmer::ExtendedPrecision guard;
  return tolmer::converted_scale_value(tolmer::state(), system, value);
}
