// Drawing scale exports.
#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "measure/scales.h"

TOLMER_EXPORT(float) GETSCALERATIOVALUE(int32_t system, int32_t part, int32_t index) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return tolmer::process_library().scale_ratio(static_cast<tolmer::System>(system),
                                             static_cast<tolmer::ScalePart>(part), index);
  });
}

TOLMER_EXPORT(int32_t)
GETINDEXFORSCALERATIOVALUES(int32_t system, float numerator, float denominator) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::process_library().scale_index(static_cast<tolmer::System>(system), numerator, denominator)
        .value_or(-1);
  });
}

TOLMER_EXPORT(float) GETINCHESPERFOOTFROMSCALERATIO(float numerator, float denominator) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return tolmer::inches_per_foot(numerator, denominator);
  });
}

TOLMER_EXPORT(int32_t) GETNEARESTSCALERATIOVALUE(int32_t system, double scale) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::nearest_scale_denominator(static_cast<tolmer::System>(system), scale);
  });
}

TOLMER_EXPORT(float) GETCONVERTEDSCALEVALUE(int32_t system, float value) {
  return tolmer::abi::guarded(0.0f, [&]() -> float {
    return tolmer::process_library().converted_scale_value(static_cast<tolmer::System>(system), value);
  });
}
