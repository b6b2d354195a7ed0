// Checking a typed length against a field's limits, with messages to the user.
//
// The entry (already separated) is converted to inches and checked, in this
// order; the first failure is reported and the field keeps the user's text:
//
// 1. A typed number above the per-unit maximum: the message
//    "The value you have entered for <unit> is invalid. The value cannot
//    exceed <maximum>." (maximum with 7 significant digits), the number
//    selected (characters start - 1 to end of the prepared text, so an entry
//    with leading spaces is selected that many characters to the left, and a
//    number without a start selects from -1, which removes the selection),
//    the focus given to the field; result -1.
// 2. A length above the maximum total, or a length that is not a number
//    (a typed 0/0; a maximum total that is not a number rejects every other
//    length, which is never above it): "The maximum value for this
//    measurement is <X> meters." (Metric: X = maximum total / 39.369) or
//    "... <X> feet." (every other system: maximum total / 12), X rounded to
//    `places` and written with 15 significant digits; the whole first line of
//    the field selected, the focus given; result 0.
// 3. A length below the minimum (a minimum that is not a number rejects
//    nothing): "The minimum value for this measurement is
//    <Y> millimeters." (Metric: the minimum in millimetres, not rounded;
//    "millimeter." when Y is 1 or less) or "... <Y> inches." (the minimum
//    rounded to `places`; "inch." when Y is 1 or less); the focus given, the
//    selection left; result 0.
// 4. Accepted: the field's text is replaced by the length in the user's
//    display format and the length is the result. The echo uses 3 as the
//    places, except where the format shows a common fraction of an inch
//    (English, fractional mode, every format but the decimal-feet ones 3, 4,
//    5 and 8): there 3 would be the largest denominator and would turn a
//    typed quarter inch into a third, so the echo uses 64, which gives back
//    every fraction typed down to sixty-fourths. The decimal-feet formats
//    3, 4, 5 and 8 are echoed in decimal mode with 3 places whatever the
//    fraction mode, so that the inches are not carried to a whole inch at a
//    denominator of 3 before the feet are computed (150.9 inches is echoed
//    as 12.575 feet, never 12.583).
//
// Every message box has the caption "Measurement Error". The field and the
// message box are reached only through the window service passed in.
#pragma once

#include <cstdint>
#include <string_view>

#include "measure/units.h"
#include "host/services.h"
#include "tolmer/types.h"

namespace tolmer::inline v1 {

inline constexpr std::string_view kMeasurementErrorCaption = "Measurement Error";

// The largest denominator of the echo of an accepted fractional entry.
inline constexpr int32_t kEchoLargestDenominator = 64;
// The places of every other echo.
inline constexpr int32_t kEchoPlaces = 3;
// The fraction mode of the echo of a decimal-feet format.
inline constexpr FractionMode kEchoDecimalMode = FractionMode::Decimal;

// Validates an entry as described above; returns the length, -1 or 0.
float validate_measurement_entry(const MeasureState& state, host::WindowService& field,
                                 int32_t window, std::string_view measurement,
                                 const EntryLimits& limits, const DisplayFormat& display);

// The places argument of the echo for a display setting (64 or 3, above).
[[nodiscard]] int32_t echo_places(const DisplayFormat& display) noexcept;

// The fraction mode of the echo for a display setting: decimal for the
// decimal-feet formats of English in fractional mode; otherwise the mode as
// given.
[[nodiscard]] FractionMode echo_fraction_mode(const DisplayFormat& display) noexcept;

}  // namespace tolmer
