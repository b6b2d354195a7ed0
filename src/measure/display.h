// Today's display of lengths: the engine behind tolmer::format_length and
// tolmer::shown_length (include/tolmer/display.h states the rules).
//
// A length is shown in a minor unit (inches, feet, millimetres, centimetres
// or metres) and, in the formats with two parts, a major unit (feet or
// metres) taken out of the whole minor units. The minor value is taken as a
// decimal of 15 significant digits, then rounded once to the display's step
// (1/denominator inch, or 10^-decimals of the minor unit), halves away from
// zero; every later step is integer arithmetic, so a carry (11 63/64" at
// sixteenths is 1') is exact.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tolmer/display_types.h"

namespace tolmer::inline v1::display {

// The longest display text (a 16-digit metre count, a millimetre part with
// nine decimals and the long captions stay well below it).
inline constexpr std::size_t kMaxText = 96;

// A length split as shown, every part a whole number.
struct ShownParts {
  bool negative = false;  // the length is negative and its display is not zero
  uint64_t major = 0;     // feet or metres (formats with two parts)
  uint64_t minor = 0;     // whole minor units below the major unit
  uint64_t decimal = 0;   // decimals of the minor unit: decimal / 10^digits
  int32_t digits = 0;
  uint64_t numerator = 0;  // fraction of an inch: numerator / denominator, reduced
  uint64_t denominator = 1;
  bool zero() const noexcept { return major == 0 && minor == 0 && decimal == 0 && numerator == 0; }
};

// The parts of a length in a display; false when the length has no display
// (not finite, or its magnitude is at least largest_shown_inches).
bool shown_parts(double inches, const LengthDisplay& display, ShownParts& parts) noexcept;

// Writes the display text into `buffer` (kMaxText bytes) and returns its
// size (0: no display).
std::size_t write_length(char* buffer, double inches, const LengthDisplay& display) noexcept;

// The inches that the display text stands for (the length itself when it
// has no display).
double shown_inches(double inches, const LengthDisplay& display) noexcept;

// A float as the double of its shortest decimal.
double float_as_shortest_decimal(float value) noexcept;

}  // namespace tolmer::display
