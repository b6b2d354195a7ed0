// Units of measurement: systems, unit codes, designator words, captions and
// the inch / millimetre / foot / metre conversions.
#pragma once

#include <cstdint>
#include <string_view>

#include <array>
#include <optional>

#include "frame/kept.h"
#include "tolmer/types.h"

namespace tolmer::inline v1 {

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

// Measurement systems: every operation tests only for System::Metric; any
// other value is English.

// The index-th designator word of a unit, upper case ("FEET", "'", "MM."), or
// empty when the unit or index has none.
[[nodiscard]] std::string_view designator_word(Unit unit, int32_t index) noexcept;
// The number of designator words of a unit (0 for a unit without words).
[[nodiscard]] int32_t designator_count(Unit unit) noexcept;

// The name of a unit in messages, lower case and plural ("feet", "meters").
[[nodiscard]] std::string_view unit_name(Unit unit) noexcept;

// The caption of a label style; long captions take their plural form when
// the quantity is greater than 1. Empty for a style without a caption.
[[nodiscard]] std::string_view measurement_label(System system, LabelStyle style,
                                                 float quantity) noexcept;

// Inches times millimetres per inch, in extended precision, stored as double.
double inches_to_millimeters(const MeasureState& state, double inches);
// Millimetres divided by millimetres per inch, stored as single.
float millimeters_to_inches(const MeasureState& state, float millimeters);
// Unit::Feet: inches / 12; Unit::Meters: inches / 39.369 (single constant);
// any other unit: 0.
float convert_measurement(float inches, Unit target);
// Stores the conversion decimal places of a system (any system but English:
// the Metric slot).
void set_conversion_decimal_places(MeasureState& state, System system, int32_t places);

}  // namespace tolmer
