// The value types of drawing scales (tolmer/scale.h works with them): the
// families of standard scales, a ratio, the notations and the result of
// reading one.
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <string_view>

#include "tolmer/reading_types.h"
#include "tolmer/types.h"

namespace tolmer::inline v1::scale {

// The lists of standard scales (tolmer/scale.h gives them).
enum class Family : int32_t {
  Architectural,  // English, so many inches to the foot: 1/4" = 1'-0" is 1:48
  Engineering,    // English, one inch to so many feet: 1" = 20' is 1:240
  Metric,         // 1:50, 1:100, ...
};

// A drawing scale numerator : denominator (1 : 48: one unit on the drawing
// stands for 48 of the building).
struct Ratio {
  double numerator = 1;
  double denominator = 1;
  // numerator / denominator.
  [[nodiscard]] constexpr double value() const noexcept { return numerator / denominator; }
  friend constexpr bool operator==(const Ratio&, const Ratio&) = default;
};

// How a scale is written.
enum class Notation : int32_t {
  Colon,       // 1:48
  Slash,       // 1/48
  Decimal,     // 0.0208333... (the ratio's value, shortest digits)
  InchesFoot,  // 1/4" = 1'-0" (the drawing inches that stand for a foot)
  InchFeet,    // 1" = 4' (the feet that one drawing inch stands for)
};

// Why a text is not a scale.
enum class NotationError : int {
  None = 0,
  Empty,            // nothing but spaces
  MalformedNumber,  // a side of ':' or '/', or the whole text, is no plain decimal number
  ZeroDenominator,  // 1:0, 1/0
  NotPositive,      // a ratio or a length of zero or below
  MissingLength,    // nothing on one side of '='
  BadLength,        // a side of '=' is no length (length_error says why)
};

// The reading of a scale: the ratio, or the error with the bytes it
// concerns (0-based, [begin, end) of the text given).
struct NotationResult {
  Ratio ratio;
  NotationError error = NotationError::None;
  ByteRange where;
  ParseError length_error = ParseError::None;  // with BadLength: why that side is no length
  [[nodiscard]] constexpr bool ok() const noexcept { return error == NotationError::None; }
  // The message for people ("" when ok).
  [[nodiscard]] std::string_view message() const noexcept;
};

}  // namespace tolmer::scale
