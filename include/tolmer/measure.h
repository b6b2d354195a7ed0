// Pure functions of lengths: unit words and captions, fractions, typed-text
// helpers and scale arithmetic. (Conversions that use the context's
// millimetres per inch, formatting and reading are tolmer::Library members.)
#pragma once

#include "tolmer/version.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tolmer/types.h"

namespace tolmer::inline v1::measure {

// The index-th designator word of a unit ("FT", "FEET", ...); empty when the
// unit has no such word.
[[nodiscard]] std::string_view designator_word(Unit unit, int32_t index) noexcept;
// The number of designator words of a unit.
[[nodiscard]] int32_t designator_count(Unit unit) noexcept;
// The caption of a label style; long captions are plural when quantity > 1.
[[nodiscard]] std::string_view measurement_label(System system, LabelStyle style, float quantity) noexcept;
// inches / 12 (feet) or inches / 39.369 (metres), rounded to single.
[[nodiscard]] float inches_to_feet(float inches) noexcept;
[[nodiscard]] float inches_to_meters(float inches) noexcept;

// A fraction "w n/d" (or "n/d", "n\d") taken apart.
[[nodiscard]] std::optional<Fraction> break_fraction_apart(std::string_view text);
[[nodiscard]] std::string convert_fraction_denominator(std::string_view text, int32_t new_denominator);
[[nodiscard]] std::string reduce_fraction(std::string_view text, int32_t largest_denominator);
[[nodiscard]] float fraction_to_decimal(std::string_view text);
[[nodiscard]] std::string decimal_to_fraction(float value, int32_t largest_denominator);
// The first fraction of a text (the last with `from_end`), cut out.
[[nodiscard]] std::optional<FoundFraction> extract_fraction(std::string_view text, bool from_end);

// Typed text: numeral characters, separation, the number next to a position.
[[nodiscard]] bool is_measurement_numeral(System system, char c) noexcept;
[[nodiscard]] std::string separate_measurements(std::string_view text);
// The number beginning at byte `position` (forwards) or ending there
// (backwards; a position past the end reads back from the text's end),
// whole part and fraction, with the numeral characters of `system`. `start`
// is the first byte of the whole part's text as found at or before
// position - 1; a number whose own start is not found there (one beginning
// at the position or after it, or at the text's first byte) has no start,
// and its end is reckoned from `start_before` (the whole part's last byte,
// or the end of the fraction's first occurrence at or after it). `end` is
// one past the number's last byte, when it lies within the text.
[[nodiscard]] NumberAt number_at(System system, std::string_view text, std::size_t position,
                                 bool backwards, std::size_t start_before = 0);

// Scale arithmetic.
[[nodiscard]] float inches_per_foot(float numerator, float denominator) noexcept;
// The denominator D of the standard scale 1:D nearest `scale` (a ratio such
// as 0.0208 for 1:48): the Architectural scales for English, the Metric ones
// for Metric, halfway going to the larger ratio (tolmer/scale.h lists them
// and gives the rule): 0.0416 gives 24, 1.0 / 49 gives 50. A scale that is
// not positive, or NaN, gives 0.
[[nodiscard]] int32_t nearest_scale_denominator(System system, double scale);

}  // namespace tolmer::measure
