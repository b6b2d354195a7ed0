// Drawing scales: the standard scale ratios of each measurement system.
//
// The scale table holds, per system (English 0, Metric 1), the numerator and
// the denominator (part 0 and 1) of entries 0 to 12: the twelve standard
// scales from full size down (English 1:1, 1:2, 1:12, 1:24, 1:48, 1:64, 1:96,
// 1:128, 1:192, 1:256, 1:384, 1:768; Metric 1:1, 1:2, 1:5, 1:10, 1:20, 1:25,
// 1:50, 1:100, 1:200, 1:250, 1:500, 1:1000) and an empty slot 12 holding 0:0.
#pragma once

#include <cstdint>

#include "measure/units.h"
#include "tolmer/types.h"

namespace tolmer::inline v1 {

// Fills every cell of the drawing scale table with its initial value.
void fill_scale_table(ScaleTable& table);

// A cell of the scale table. A system other than 0 or 1, a part other than 0
// or 1, an index outside 0 to 12, or no table yet (before initialisation)
// gives 0.
[[nodiscard]] float scale_ratio_value(const MeasureState& state, System system, ScalePart part,
                                      int32_t index);

// The first entry 0 to 12 of the system (Metric when 1, English otherwise)
// whose numerator and denominator equal the arguments exactly; -1 when none
// does or when the table does not exist yet. 0:0 finds the empty slot 12.
[[nodiscard]] int32_t scale_ratio_index(const MeasureState& state, System system, float numerator,
                                        float denominator);

// numerator / denominator, stored as single, times 12, stored as single: the
// inches of drawing that stand for one foot.
float inches_per_foot(float numerator, float denominator);

// The denominator D of the largest standard ratio 1:D (Metric when the system
// is 1, English otherwise) that does not exceed `scale`. A scale exactly equal
// to a standard ratio (the double nearest 1 / D) selects that D. A scale below
// the smallest standard ratio, not positive, or NaN gives the smallest
// standard denominator negated (-1000 Metric, -768 English).
[[nodiscard]] int32_t nearest_scale_denominator(System system, double scale);

// Metric: the value taken as millimetres and converted to inches; any other
// system: taken as inches and converted to millimetres; stored as single.
[[nodiscard]] float converted_scale_value(const MeasureState& state, System system, float value);

}  // namespace tolmer
