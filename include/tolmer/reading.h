// Reading a length the way building professionals type it: "12'-6 1/2\"",
// "5 ft 3", "12′ 6½″", "2,500 mm", "2m 540mm". The result is a value, like
// std::from_chars_result: the Length, or the error with the bytes it
// concerns and a message for people.
//
// Rules (docs/cpp.md, "Reading lengths", shows them with examples; the
// table tests/data/lengths.tsv holds every case):
// - parts go from larger to smaller units, each a number and its unit; after
//   feet a bare number is inches; after metres a bare number is an error;
//   elsewhere it takes options.default_unit, and without one it is an error;
// - a leading -, U+2212 or en dash negates the whole entry; between parts one
//   hyphen, en or em dash separates;
// - marks ' " and their typographic forms, two apostrophes for inches,
//   vulgar fractions, the fraction slash, no-break and thin spaces, tabs;
// - unit words of every length unit (and kilometres) in any case, with or
//   without a period, singular or plural, with or without a space;
// - a comma before exactly three digits groups thousands (with
//   decimal_comma the comma is the decimal mark and a period or space
//   groups); exponents are read;
// - every byte is understood or the entry is an error (lenient: the bytes
//   not understood are listed in `unread` instead).
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "tolmer/length.h"
#include "tolmer/types.h"

namespace tolmer {

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

// The message for people, one per error ("" for None).
[[nodiscard]] std::string_view message(ParseError error) noexcept;

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
  [[nodiscard]] std::string_view message() const noexcept { return tolmer::message(error); }
};

// Reads `text` (UTF-8) as one length.
[[nodiscard]] ParseResult parse_length(std::string_view text, const ParseOptions& options = {});

}  // namespace tolmer
