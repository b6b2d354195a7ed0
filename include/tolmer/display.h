// Showing lengths: a tolmer::Length as display text in one of 14 English and
// 7 metric formats, and a typed length checked against limits with a message
// and an echo in the same display.
//
// The rules, the same in every format:
// - a negative length gets one leading '-' ("-6 1/2\"", "-165.1 mm"); a
//   length that rounds to zero is shown without a sign (never "-0");
// - zero shows the format's smallest part: "0\"", "0 Inches", "0'" where the
//   format has only feet, "0 mm";
// - the number shown is the length taken as a decimal of 15 significant
//   digits (at most 15 decimal places), rounded to the display's step with
//   halves away from zero: conversions between units leave no binary noise
//   (2.675 mm shows as 2.68 mm at two decimals); decimals are written with a
//   leading "0" and without trailing zeros, never with an exponent;
// - `denominator` is the largest denominator of an inch fraction (English
//   formats in FractionMode::Fraction), `decimals` the number of decimal
//   places of every other number: decimal inches, decimal feet, and the
//   smallest unit of every metric format;
// - a length that is not finite, or whose magnitude is at least
//   largest_shown_inches, has no display text (nothing is written).
//
// A float length (one that has been stored as a single) is made a Length
// with length_from_float, which takes the float's shortest decimal: 0.1f
// becomes 0.1 inch, not 0.100000001490116 inch.
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "tolmer/display_types.h"
#include "tolmer/reading.h"

namespace tolmer::inline v1 {

// The display text of a length.
[[nodiscard]] std::string format_length(Length length, const LengthDisplay& display = {});
// Appends the display text to `out`; allocates nothing when the capacity of
// `out` holds the text.
void format_length_to(std::string& out, Length length, const LengthDisplay& display = {});
// The length that the display text stands for: the length rounded to the
// display's step (zero, not a negative zero, when it rounds to zero). Not
// finite, or too large to show: the length itself.
[[nodiscard]] Length shown_length(Length length, const LengthDisplay& display = {}) noexcept;

// The length of a float number of inches, taken as the float's shortest
// decimal (the fewest significant digits that read back as the same float):
// 0.1f gives 0.1 inch. Infinities and NaN stay as they are.
[[nodiscard]] Length length_from_float(float inches) noexcept;

// The reading options that go with a display: a bare number is read in the
// unit of the formats that show none (inches for InchesBare, millimetres for
// MillimetersBare); every other format needs a unit word.
[[nodiscard]] ParseOptions reading_options(const LengthDisplay& display) noexcept;

// ---------------------------------------------------------------- checking

// Reads a typed entry (with reading_options(display) unless `options` is
// given) and checks it against the limits. A length within one part in 10^12
// of a limit counts as on it (unit conversions differ in the last bits: 2 m
// 500 mm is on a limit of 2500 mm). Messages show the limits in the display:
// "The length cannot be more than 8' 4\"." The echo is the accepted length in
// the display.
[[nodiscard]] LengthCheck validate_length(std::string_view entry, const LengthLimits& limits,
                                          const LengthDisplay& display = {});
[[nodiscard]] LengthCheck validate_length(std::string_view entry, const LengthLimits& limits,
                                          const LengthDisplay& display, const ParseOptions& options);

}  // namespace tolmer
