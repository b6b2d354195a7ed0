// Drawing scales as people write and choose them: the lists of standard
// scales, the nearest standard scale to a ratio, and the notations
// ("1:50", "1/48", "0.02", "1/4\" = 1'-0\"", "1\" = 20'") read and written.
// (The classic scale table and its look-ups are in measure/scales.h.)
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tolmer/scale_types.h"

namespace tolmer::inline v1 {

// The denominators D of the standard scales 1:D of a family, largest ratio
// first (tolmer/scale.h lists them).
[[nodiscard]] std::span<const int32_t> standard_scale_denominators(scale::Family family) noexcept;

// The denominator of the standard scale of `family` nearest `ratio` (by the
// difference of the ratios); a ratio exactly halfway between two standard
// scales (the double nearest the midpoint) goes to the larger ratio. A ratio
// above the first scale gives the first, below the last gives the last.
// Nothing for a ratio that is not positive, or NaN.
[[nodiscard]] std::optional<int32_t> nearest_standard_denominator(scale::Family family, double ratio) noexcept;

// Reads a scale (the grammar is in tolmer/scale.h).
[[nodiscard]] scale::NotationResult parse_scale_notation(std::string_view text);

// Writes a scale in a notation (tolmer/scale.h).
[[nodiscard]] std::string format_scale_notation(scale::Ratio ratio, scale::Notation notation);

// The message for people of an error ("" for None).
[[nodiscard]] std::string_view scale_notation_message(scale::NotationError error) noexcept;

}  // namespace tolmer
