// Drawing scales as people write and choose them: the standard scales of
// each family, the nearest standard scale to a ratio, and the notations
// read and written. (The classic scale table of 12 scales per system is
// tolmer::Library::scale_ratio and scale_index.)
//
// The standard scales (standard_denominators), largest ratio first:
// - Architectural, so many inches to the foot: 1:1 (12" = 1'-0"), 1:2 (6"),
//   1:4 (3"), 1:8 (1 1/2"), 1:12 (1"), 1:16 (3/4"), 1:24 (1/2"), 1:32 (3/8"),
//   1:48 (1/4"), 1:64 (3/16"), 1:96 (1/8"), 1:128 (3/32"), 1:192 (1/16"),
//   1:256 (3/64"), 1:384 (1/32"), 1:768 (1/64");
// - Engineering, one inch to so many feet: 1:120 (1" = 10'), 1:240 (20'),
//   1:360 (30'), 1:480 (40'), 1:600 (50'), 1:720 (60'), 1:1200 (100'),
//   1:2400 (200');
// - Metric: 1:1, 1:2, 1:5, 1:10, 1:20, 1:25, 1:50, 1:100, 1:200, 1:250,
//   1:500, 1:1000, 1:1250, 1:2000, 1:2500, 1:5000, 1:10000.
// The classic table's English scales are all Architectural, its metric
// ones all Metric.
//
// Nearest (nearest_standard): the standard ratio 1/D closest to the ratio
// given, by difference; a ratio halfway between two (the double nearest the
// midpoint) takes the larger ratio, that is the larger drawing. 0.0416 gives
// 24 (1/2" = 1'-0"), 1/49 gives 50 in Metric, 0.015 (halfway between 1:50
// and 1:100) gives 50. A ratio above 1 gives 1, below the smallest the
// smallest; a ratio that is not
// positive, or NaN, gives nothing.
//
// Reading (parse), after surrounding spaces and tabs:
// - DRAWING=REAL: two lengths with their units, each read as
//   tolmer::parse_length reads (without a default unit): 1/4"=1'-0",
//   1/4 in = 1 ft, 1" = 20', 1 mm = 50 mm; the ratio is 1 : REAL / DRAWING;
// - N:D or N/D: two plain decimal numbers (a sign, digits, one point, an exponent;
//   spaces around the mark allowed): 1:50, 1 : 48, 1/100; ratio N : D;
// - a plain decimal number: the ratio itself, 0.02 is 0.02 : 1.
// Every ratio must be positive; a text with '=' is read as DRAWING=REAL,
// else one with ':' as N:D, else one with '/' as N/D.
//
// Writing (format): Colon "1:48", Slash "1/48", Decimal "0.020833333333333332",
// InchesFoot "1/4\" = 1'-0\"" (a whole number of 64ths of an inch as a
// mixed fraction, 1 1/2", otherwise decimals), InchFeet "1\" = 4'"; numbers
// in the fewest digits that read back exactly. A ratio that is not positive
// and finite gives the empty text.
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tolmer/scale_types.h"

namespace tolmer::inline v1::scale {

// The denominators D of the standard scales 1:D of a family, in the order
// above.
[[nodiscard]] std::span<const int32_t> standard_denominators(Family family) noexcept;

// The denominator of the nearest standard scale of a family.
[[nodiscard]] std::optional<int32_t> nearest_standard(Family family, double ratio) noexcept;

// Reads a scale as written above.
[[nodiscard]] NotationResult parse(std::string_view text);

// Writes a scale in a notation.
[[nodiscard]] std::string format(Ratio ratio, Notation notation);

// The message for people, one per error ("" for None).
[[nodiscard]] std::string_view message(NotationError error) noexcept;

}  // namespace tolmer::scale
