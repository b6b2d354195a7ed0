// The pieces of a typed length: UTF-8 code points, spaces, dashes, unit
// words and marks, and numbers (decimal, grouped, with an exponent, a
// fraction, a vulgar fraction, or a whole number and a fraction).
#pragma once

#include <cstddef>
#include <cstdint>

#include <string_view>

#include "tolmer/reading_types.h"

namespace tolmer::inline v1::reading {

// One code point of UTF-8 text; size 0 when the bytes at that place are not
// UTF-8 (a stray continuation byte, an overlong form, a surrogate, a code
// point above U+10FFFF, a sequence cut short).
struct CodePoint {
  char32_t value = 0;
  std::size_t size = 0;
};
[[nodiscard]] CodePoint decode(std::string_view text, std::size_t at) noexcept;

// Spaces between the pieces: space, tab, no-break space and the spaces of
// U+2000..U+200A and U+202F.
[[nodiscard]] bool is_space(char32_t c) noexcept;
// `at` moved past any spaces (it stops at bytes that are not UTF-8).
[[nodiscard]] std::size_t skip_spaces(std::string_view text, std::size_t at) noexcept;

// Dashes and signs.
enum class Dash : std::uint8_t {
  None,
  Hyphen,  // - and U+2010, U+2011
  EnDash,  // U+2013
  EmDash,  // U+2014
  Minus,   // U+2212
  Plus,    // +
};
struct DashAt {
  Dash kind = Dash::None;
  std::size_t size = 0;
};
[[nodiscard]] DashAt dash_at(std::string_view text, std::size_t at) noexcept;

// The units an entry can name, from the largest metric to the smallest
// English one.
enum class Scale : std::uint8_t { Kilometers, Meters, Decimeters, Centimeters, Millimeters, Yards, Feet, Inches };
[[nodiscard]] constexpr bool is_metric(Scale scale) noexcept { return scale <= Scale::Millimeters; }
[[nodiscard]] Scale scale_of(Unit unit) noexcept;

// A unit word (with its period, if any) or mark at `at`; end is 0 when none
// stands there.
struct UnitAt {
  Scale scale = Scale::Inches;
  std::size_t end = 0;
};
[[nodiscard]] UnitAt unit_at(std::string_view text, std::size_t at) noexcept;

// The end of a piece that is not understood: a run of ASCII letters and
// periods, or one code point, or one byte that is not UTF-8.
[[nodiscard]] std::size_t unknown_end(std::string_view text, std::size_t at) noexcept;

// A number read at a place.
struct NumberAt {
  bool found = false;           // false: no number starts here (nothing read)
  ParseError error = ParseError::None;
  ByteRange where;              // the number's bytes, or the error's
  double value = 0;
};
// Not noexcept: a number of more than 64 characters is gathered in a string.
[[nodiscard]] NumberAt number_at(std::string_view text, std::size_t at, bool decimal_comma);

}  // namespace tolmer::reading
