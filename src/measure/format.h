// Formatting of lengths for display.
//
// A length, carried in inches, is split into a major unit (whole feet or
// whole metres), a minor unit (whole inches, or millimetres below the metre)
// and an inch fraction, and rendered in one of the display formats below.
//
// Display formats (tolmer::Format), English (every system but Metric):
//    0  feet and inches     "12 Feet 6 1/2 Inches"
//    1  feet and inches     "12 Ft. 6 1/2 In."
//    2  feet and inches     "12 Ft 6 1/2 In"
//    3  decimal feet        "12.54 Feet"
//    4  decimal feet        "12.54 Ft."
//    5  decimal feet        "12.54 Ft"
//    6  feet and inches     "12' 6 1/2\""
//    7  feet and inches     "12' - 6 1/2\""
//    8  decimal feet        "12.54'"
//    9  inches only         "150 1/2 Inches"
//   10  inches only         "150 1/2 In."
//   11  inches only         "150 1/2 In"
//   12  inches only         "150 1/2\""
//   13  inches only         "150 1/2"
//   any other code: the numbers side by side with no captions ("126 1/2").
// Metric:
//    0  "2 Meters 500 Millimeters"     4  "2500 mm" (always shown)
//    1  "2m 500mm"                     5  "2500" (always shown)
//    2  "2.5 Meters"                   6  "2m 50cm" (millimetres below a
//    3  "2.5 m"                           centimetre dropped)
//   any other code: the empty text.
//
// FractionMode::Fraction shows the part of an inch as a common fraction (only
// when the system is exactly English); any other value shows decimals.
// Places: in fractional mode the largest denominator of the fraction; in
// decimal mode the decimal places of the inch fraction. Decimal feet and
// decimal metres are rounded to this many places (above 18, or negative,
// counts as 18).
//
// Fractions that reach a whole inch carry into the inches: 143.99 inches at
// sixteenths is shown as 12'. A fraction too small to show at the given
// denominator is dropped (6.01 inches at sixteenths is 6"). In fractional
// mode noise below half a millionth of an inch is not shown (6.0000001
// inches is 6", never 6 0"), but it stays part of the length: decimal feet
// count it (3.0000002 inches, format 3, places 1, is .3 Foot, 0.25000002
// feet rounded up). Decimal inch fractions keep their seven significant
// digits written without an exponent, however many places that takes
// (6.07 inches at 8 places is 6.07000017"; 6.000000476837158 at 16 places is
// 6.0000004768372"), and decimal feet count them (12.01 inches, format 3,
// places 8, is 1.000833 Feet).
//
// A length with no part greater than 0 gives the empty text, except in Metric
// formats 4 and 5 ("0 mm", "0"). Negative lengths: every English format gives
// the empty text; Metric formats 4 and 5 show the signed millimetre total
// ("-500 mm"); the other Metric formats use the floor split (-0.5 metre is
// major -1, minor 500) with the same greater-than-0 tests, so format 0 shows
// "500 Millimeters", 1 "500mm", 6 "50cm", and 2 and 3 show the signed total
// "-.5 Meter" / "-.5 m" (major + minor is above 0). These texts are kept as
// they are; no display relies on them.
#pragma once

#include <cstdint>
#include <string>

#include "measure/units.h"
#include "tolmer/types.h"

namespace tolmer::inline v1 {

// Splits a length into its three parts, each single precision (major: whole
// feet or whole metres; minor: whole inches below the feet, or millimetres
// (3 places) below the metres; fraction: the part of an inch below the whole
// inches, 0 in Metric). Metric: the millimetres rounded to 3 places,
// major = their floor in metres, minor = the millimetres above it (3 places),
// places unused. Every other system: major = inches / 12 and minor = the
// inches left, both truncated towards zero; the fraction left over is rounded
// to `places` when it is not 0.
[[nodiscard]] LengthParts split_inches(const MeasureState& state, System system, float inches,
                                      int32_t places);

// The display text of a length (see above). The length is reduced to single
// precision on entry.
[[nodiscard]] std::string format_inches(const MeasureState& state, const DisplayFormat& display,
                                        double inches);

// The same text appended to `text` (whose earlier bytes are kept): nothing
// is allocated when the string's capacity holds the result.
void append_formatted(const MeasureState& state, std::string& text, const DisplayFormat& display,
                      double inches);

// Whether an English format shows decimal feet (3, 4, 5 and 8), as the table
// of English formats says; false for a code the table does not list.
[[nodiscard]] bool shows_decimal_feet(Format format) noexcept;

}  // namespace tolmer
