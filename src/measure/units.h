// Units of measurement: systems, unit codes, designator words, captions and
// the inch / millimetre / foot / metre conversions.
#pragma once

#include <cstdint>
#include <string_view>

#include <array>
#include <optional>

#include "frame/kept.h"

namespace tolmer {

// Drawing scale table: [system][part: 0 numerator, 1 denominator][entry].
using ScaleTable = std::array<std::array<std::array<float, 13>, 2>, 2>;

// What the measurement subsystem keeps for a context.
struct MeasureState {
  // Conversion decimal places by measurement system (English 0, Metric 1);
  // guarded by places_lock.
  std::optional<std::array<int32_t, 2>> decimal_places;
  TableLock places_lock;
  // Millimetres per inch: the single nearest 25.4, widened (0 until
  // initialisation).
  Setting<double> mm_per_inch = 0.0;
  // The drawing scales; guarded by scale_lock.
  std::optional<ScaleTable> scales;
  TableLock scale_lock;
};

// Measurement systems. Every operation tests only for kMetric; any other
// value is English.
inline constexpr int32_t kEnglish = 0;
inline constexpr int32_t kMetric = 1;
inline bool is_metric(int32_t system) { return system == kMetric; }

// Units by system.
inline constexpr int32_t kYards = 0;
inline constexpr int32_t kFeet = 1;
inline constexpr int32_t kInches = 2;
inline constexpr int32_t kMeters = 0;
inline constexpr int32_t kDecimeters = 1;
inline constexpr int32_t kCentimeters = 2;
inline constexpr int32_t kMillimeters = 3;

// Conversion targets.
inline constexpr int32_t kToFeet = 0;
inline constexpr int32_t kToMeters = 1;

// The index-th designator word of a unit, upper case ("FEET", "'", "MM."), or
// empty when the unit or index has none.
std::string_view designator_word(int32_t system, int32_t unit, int32_t index);
// The number of designator words of a unit (0 for a unit without words).
int32_t designator_count(int32_t system, int32_t unit);

// The caption of a label style; long captions take their plural form when
// the quantity is greater than 1. Empty for a style without a caption.
std::string_view measurement_label(int32_t system, int32_t style, float quantity);

// Inches times millimetres per inch, in extended precision, stored as double.
double inches_to_millimeters(const MeasureState& state, double inches);
// Millimetres divided by millimetres per inch, stored as single.
float millimeters_to_inches(const MeasureState& state, float millimeters);
// ToFeet: inches / 12; ToMeters: inches / 39.369 (single constant); else 0.
float convert_measurement(float inches, int32_t target);
// Stores the conversion decimal places of a system (non-zero system: Metric).
void set_conversion_decimal_places(MeasureState& state, int32_t system, int32_t places);

}  // namespace tolmer
