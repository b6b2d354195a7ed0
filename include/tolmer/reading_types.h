// The value types of reading a length (tolmer/reading.h reads): the error,
// the options and the result.
#pragma once

#include "tolmer/version.h"

#include <optional>
#include <string_view>
#include <vector>

#include "tolmer/length.h"
#include "tolmer/types.h"

namespace tolmer::inline v1 {

// Why an entry is not a length.
enum class ParseError : int {
  None = 0,
  Empty,                 // nothing but spaces
  InvalidUtf8,           // a byte that is not part of UTF-8 text
  UnknownText,           // text that is no number, unit or separator
  MissingNumber,         // a unit with no number before it
  MissingUnit,           // a number with no unit, and no default unit
  AmbiguousAfterMeters,  // a bare number after metres: centimetres or millimetres?
  MalformedNumber,       // 12.5.3, 1..2, 3/, 1e
  ZeroDenominator,       // 1/0
  OutOfRange,            // a number, or a part in inches, beyond the double range
  BadGrouping,           // a digit-group separator not before exactly three digits (2,5)
  MisplacedDash,         // a second dash, a trailing dash
  MisplacedSign,         // a + or a minus sign between parts
  RepeatedUnit,          // the same unit twice
  UnitOrder,             // a larger unit after a smaller one
  MixedSystems,          // English and metric units in one entry
};

struct ParseOptions {
  std::optional<Unit> default_unit;  // the unit of a bare number; nullopt: a bare number is an error
  bool decimal_comma = false;        // the comma is the decimal mark; a period or space groups
  bool lenient = false;              // unread bytes are returned in `unread` instead of an error
};

struct ParseResult {
  Length length;                     // the length read (zero on error)
  ParseError error = ParseError::None;
  ByteRange where;                   // the bytes [begin, end) the error concerns (0-based, UTF-8 bytes)
  std::vector<ByteRange> unread;     // lenient mode: the bytes not understood
  [[nodiscard]] constexpr bool ok() const noexcept { return error == ParseError::None; }
  // The message for people (tolmer::message(error); "" when ok).
  [[nodiscard]] std::string_view message() const noexcept;
};

}  // namespace tolmer
