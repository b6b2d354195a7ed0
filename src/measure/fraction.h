// Common fractions in text: "3 1/2", "15/16", "1-3\4".
//
// A fraction text holds a separator, the slash "/" or, when the text has no
// slash, the backslash "\" (the first one wins). The numerator is the run of
// decimal digits ending just before the separator, the denominator the run
// starting just after it, and the whole number the run of digits ending two
// characters before the numerator's first digit (one character of any kind,
// normally a space or a hyphen, stands between them). Any other character
// (a sign, a point) ends a run. A missing run reads as 0, and so does a run
// whose value does not fit in a 32-bit signed integer (it is unusable, as a
// missing one is).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tolmer/types.h"

namespace tolmer::inline v1 {

// The parts of `text`, or nothing when it holds no separator.
std::optional<measure::Fraction> break_fraction_apart(std::string_view text);

// The fraction re-expressed over `new_denominator`, without reducing or
// carrying: the new numerator is numerator / (denominator / new_denominator),
// that ratio stored as a single, rounded to the nearest integer (ties to
// even). "15/16" over 4 gives "4/4", "5/16" over 8 "2/8", "1 3/4" over 8
// "1 6/8". A whole number above 0 stays in front. Empty when the new
// denominator, the numerator or the denominator is below 1.
std::string convert_fraction_denominator(std::string_view text, int32_t new_denominator);

// The fraction in lowest terms, improper parts carried into the whole number,
// its denominator capped at `largest_denominator` (below 1 counts as 1; a
// capped numerator is rounded ties to even). With 16: "6/8" -> "3/4",
// "1 3/2" -> "2 1/2", "4/4" -> "1", "33/100" -> "5/16"; with 4: "7/8" -> "1",
// "1/8" -> "" (nothing left). Empty when the numerator or the denominator is
// below 1.
std::string reduce_fraction(std::string_view text, int32_t largest_denominator);

// Numerator / denominator as a single (the whole number is not included:
// "1 1/2" gives 0.5); 0 when either is below 1.
float fraction_string_to_decimal(std::string_view text);

// A value as a fraction text reduced to `largest_denominator`: the value is
// rounded to six decimal places and written with 7 significant digits; an
// integral result is returned as it is ("3", "0"); otherwise the decimal
// digits become a fraction over a power of ten, reduced with
// reduce_fraction. With 16: 0.375 -> "3/8", 0.3 -> "3/10", 0.33 -> "5/16",
// 0.999 -> "1". The sign is dropped (-0.75 -> "3/4").
// Values of magnitude 1 and more keep their whole digits through the
// six-place rounding: 2.5 gives "2 1/2" (not "1/2"), and 0.9999999 rounds up
// to "1".
std::string decimal_to_fraction_string(float value, int32_t largest_denominator);

// Finds the first fraction in `text` (trimmed; at least 3 bytes; the
// separator neither first nor last, with digits on both sides). `reversed`
// says the caller reversed the text byte by byte to scan it from its end:
// the fraction is then read back in its normal orientation (the reversed
// text of "12 13/16" gives "13/16"). The remainder is the trimmed text with
// the digits and the separator cut out, nothing put in their place:
// "5 3/8 IN" leaves "5  IN". Nothing when no fraction is found.
std::optional<measure::FoundFraction> extract_fraction(std::string_view text, bool reversed);

}  // namespace tolmer
