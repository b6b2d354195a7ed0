// Drawing scale exports.
#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "tolmer/measure.h"

TOLMER_EXPORT(float) GETSCALERATIOVALUE(int32_t system, int32_t part, int32_t index) {
  return tolmer::process_library().scale_ratio(static_cast<tolmer::System>(system),
                                           static_cast<tolmer::ScalePart>(part), index);
}

TOLMER_EXPORT(int32_t)
GETINDEXFORSCALERATIOVALUES(int32_t system, float numerator, float denominator) {
  return tolmer::process_library().scale_index(static_cast<tolmer::System>(system), numerator, denominator)
      .value_or(-1);
}

TOLMER_EXPORT(float) GETINCHESPERFOOTFROMSCALERATIO(float numerator, float denominator) {
  return tolmer::measure::inches_per_foot(numerator, denominator);
}

TOLMER_EXPORT(int32_t) GETNEARESTSCALERATIOVALUE(int32_t system, double scale) {
  return tolmer::measure::nearest_scale_denominator(static_cast<tolmer::System>(system), scale);
}

TOLMER_EXPORT(float) GETCONVERTEDSCALEVALUE(int32_t system, float value) {
  return tolmer::process_library().converted_scale_value(static_cast<tolmer::System>(system), value);
}
