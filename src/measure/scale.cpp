#include <cstddef>

#include "frame/xreal.h"
#include "measure/scales.h"
#include "measure/units.h"

namespace tolmer::inline v1 {

namespace {
constexpr int32_t kEntries = 13;
// The standard denominators, built here rather than read from the table.
constexpr int32_t kEnglishStandard[12] = {1, 2, 12, 24, 48, 64, 96, 128, 192, 256, 384, 768};
constexpr int32_t kMetricStandard[12] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
}  // namespace

float scale_ratio_value(const MeasureState& state, System system, ScalePart part, int32_t index) {
  const auto lock = state.scale_lock.read();
  const auto& table = state.scales;
  if (!table) return 0;
  const auto s = static_cast<int32_t>(system);
  const auto p = static_cast<int32_t>(part);
  if (s < 0 || s > 1 || p < 0 || p > 1 || index < 0 || index >= kEntries) return 0;
  return (*table)[static_cast<std::size_t>(s)][static_cast<std::size_t>(p)]
                  [static_cast<std::size_t>(index)];
}

int32_t scale_ratio_index(const MeasureState& state, System system, float numerator,
                          float denominator) {
  const auto lock = state.scale_lock.read();
  const auto& table = state.scales;
  if (!table) return -1;
  const auto& row = (*table)[system == System::Metric ? 1 : 0];
  for (int32_t i = 0; i < kEntries; ++i) {
    const auto entry = static_cast<std::size_t>(i);
    if (row[0][entry] == numerator && row[1][entry] == denominator) return i;
  }
  return -1;
}

float inches_per_foot(float numerator, float denominator) {
  const float ratio = static_cast<float>(static_cast<xreal>(numerator) / denominator);
  return static_cast<float>(static_cast<xreal>(ratio) * 12);
}

int32_t nearest_scale_denominator(System system, double scale) {
  const int32_t* standard = system == System::Metric ? kMetricStandard : kEnglishStandard;
  for (std::size_t i = 0; i < 12; ++i) {
    // 1 / D as the double a caller would pass for that ratio.
    const double ratio = static_cast<double>(xreal(1) / standard[i]);
    if (ratio <= scale) return standard[i];
  }
  return -standard[11];
}

float converted_scale_value(const MeasureState& state, System system, float value) {
  if (system == System::Metric) return millimeters_to_inches(state, value);
  return static_cast<float>(inches_to_millimeters(state, value));
}

}  // namespace tolmer
