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

#include "tolmer/version.h"

#include <string_view>

#include "tolmer/reading_types.h"

namespace tolmer::inline v1 {

// The message for people, one per error ("" for None).
[[nodiscard]] std::string_view message(ParseError error) noexcept;

// Reads `text` (UTF-8) as one length.
[[nodiscard]] ParseResult parse_length(std::string_view text, const ParseOptions& options = {});

}  // namespace tolmer
