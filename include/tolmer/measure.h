// Pure functions of lengths: unit words and captions, fractions, typed-text
// helpers and scale arithmetic. (Conversions that use the context's
// millimetres per inch, formatting and reading are tolmer::Library members.)
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tolmer/types.h"

namespace tolmer::inline v1::measure {

// The index-th designator word of a unit ("FT", "FEET", ...); empty when the
// unit has no such word.
std::string_view designator_word(Unit unit, int32_t index);
// The number of designator words of a unit.
int32_t designator_count(Unit unit);
// The caption of a label style; long captions are plural when quantity > 1.
std::string_view measurement_label(System system, LabelStyle style, float quantity);
// inches / 12 (feet) or inches / 39.369 (metres), rounded to single.
float inches_to_feet(float inches);
float inches_to_meters(float inches);

// A fraction "w n/d" (or "n/d", "n\d") taken apart.
std::optional<Fraction> break_fraction_apart(std::string_view text);
std::string convert_fraction_denominator(std::string_view text, int32_t new_denominator);
std::string reduce_fraction(std::string_view text, int32_t largest_denominator);
float fraction_to_decimal(std::string_view text);
std::string decimal_to_fraction(float value, int32_t largest_denominator);
// The first fraction of a text (the last with `from_end`), cut out.
std::optional<FoundFraction> extract_fraction(std::string_view text, bool from_end);

// Typed text: numeral characters, separation, the number next to a position.
bool is_measurement_numeral(System system, char c);
std::string separate_measurements(std::string_view text);
// The number ending at `position` (backwards) or beginning there. A number
// whose own start is not found (one that begins at position - 1 or later)
// takes `start_before` as its start: `start` stays empty and `end` is
// reckoned from `start_before` (the whole part's last byte, or the end of
// the fraction's first occurrence at or after it).
NumberAt number_at(System system, std::string_view text, int32_t position, bool backwards,
                   int32_t start_before = 0);

// Scale arithmetic.
float inches_per_foot(float numerator, float denominator);
// The denominator D of the standard scale 1:D nearest `scale` (a ratio such
// as 0.0208 for 1:48): the Architectural scales for English, the Metric ones
// for Metric, halfway going to the larger ratio (tolmer/scale.h lists them
// and gives the rule): 0.0416 gives 24, 1.0 / 49 gives 50. A scale that is
// not positive, or NaN, gives 0.
int32_t nearest_scale_denominator(System system, double scale);

}  // namespace tolmer::measure
