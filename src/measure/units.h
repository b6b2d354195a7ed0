// Units of measurement: systems, unit codes, designator words, captions and
// the inch / millimetre / foot / metre conversions.
#pragma once

#include <cstdint>
#include <string_view>

#include "frame/state.h"

namespace tolmer {

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
double inches_to_millimeters(const State& state, double inches);
// Millimetres divided by millimetres per inch, stored as single.
float millimeters_to_inches(const State& state, float millimeters);
// ToFeet: inches / 12; ToMeters: inches / 39.369 (single constant); else 0.
float convert_measurement(float inches, int32_t target);
// Stores the conversion decimal places of a system (non-zero system: Metric).
void set_conversion_decimal_places(State& state, int32_t system, int32_t places);

}  // namespace tolmer
