// Reading typed lengths: "12' 6 1/2\"", "5 ft 3 in", "3.5 m", "250mm".
//
// A typed length is read in two steps. Separation puts a space between every
// run of numeral characters and every run of other characters ("12'6\""
// becomes "12 ' 6 \""). Conversion then looks for the designator words of
// every unit, each with a space on either side, reads the number standing
// before each word found, checks it against a maximum and sums the lengths in
// inches.
//
// Numeral characters: English the digits, ".", "/" and "\" (the
// last two are fraction bars); every other system the digits and "." only.
// The minus sign, the comma and spaces are never numeral characters.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "measure/units.h"
#include "tolmer/types.h"

namespace tolmer::inline v1 {

// Whether a byte is a numeral character of a system.
bool is_measurement_numeral(System system, char c);

// The text with one space inserted between every two adjacent bytes, neither
// a space, of which exactly one is a numeral character of the English set.
// Built in one pass; spaces already there, and leading and trailing spaces,
// stay. "12'-6\"" gives "12 '- 6 \"".
std::string separate_measurements(std::string_view text);

// A number read next to a position of a text, with 1-based positions: start
// its first position when one was found, end its last when it was read.
struct NumberInText {
  float value = 0;
  std::optional<int32_t> start;
  std::optional<int32_t> end;
};

// Reads the number (whole part and fraction) that ends at `position`
// (backwards) or begins there (forwards) in `text`, with the numeral
// characters of `system`:
// - forwards past the end of the text, backwards before position 1, or an
//   empty stretch (the text from the position on, or up to it, trimmed):
//   value 0, neither position found;
// - a fraction anywhere in the stretch is cut out of it first (backwards it
//   is read back in reading order); the whole part is the run of numeral
//   characters of what is left that stands next to the position (possibly
//   empty), in reading order;
// - start: the last occurrence of the whole part's text in `text` found by
//   searching from position 1 while the search start is below position - 1
//   and the occurrence begins at or before position - 1. A number that itself
//   begins at position - 1 or later (a one-digit number read backwards, or a
//   number at the very start of the text) thus has no start: `start_before`,
//   the start the caller held, stands instead;
// - end: with a fraction, the end of the fraction text's first occurrence at
//   or after the start (a start below 1 finds nothing: 0 + its length - 1);
//   otherwise start + the whole part's length - 1;
// - value: the fraction's value plus the whole part read as a number,
//   rounded to single.
// Characters that are not numerals stand outside the number (a minus sign is
// ignored).
NumberInText read_measurement_value(System system, std::string_view text, int32_t position,
                                     bool backwards, int32_t start_before);

// Why a conversion stopped: ok, or a number above the maximum of its unit.
enum class ReadError : int32_t { Ok = 0, TooLarge = 1 };

// The result of a conversion, as std::from_chars_result carries one: the
// length, or the error with the unit concerned and its number as read (its
// positions in the prepared text).
struct Conversion {
  float inches = 0;                  // the length (0 with an error)
  ReadError error = ReadError::Ok;
  Unit unit = Unit::Inches;          // with TooLarge: the unit whose number exceeded the maximum
  NumberInText number;          // with TooLarge: that number, as read backwards
  [[nodiscard]] bool ok() const noexcept { return error == ReadError::Ok; }
};

// The length in inches of a separated text. The text is upper-cased,
// trimmed, its hyphens of feet-and-inches writing mended (below), and given
// one trailing space (the prepared text). Units are
// visited in the order yards, metres, inches, centimetres, feet, decimetres,
// millimetres; for each, its designator words are tried in order, each with
// a space on either side, and the first one found takes the number that ends
// just before it (read backwards). A number above `maximum` (when the maximum
// is above 0) stops the conversion with ReadError::TooLarge, the unit and
// the number as read (positions in the prepared text); each number is read
// with a start of 0 before it, so a number that has no start (see
// read_measurement_value) has none in the result. Otherwise the number, times its unit (metric units through
// millimetres, stored as single, then millimeters_to_inches), goes in the
// slot of its unit code (0 yards/metres, 1 feet/decimetres, 2 inches/
// centimetres, 3 millimetres; a metric reading replaces an English one of the
// same code), and the result is (slot 1 + slot 0) + slot 2 + slot 3 as a
// single. A blank text, or one with no designator word between spaces,
// converts to 0.
//
// Hyphens: in the upper-cased, trimmed text a hyphen reads as a space (the
// byte is replaced, so no position moves) when
// (a) it stands directly after a byte that is not a space, a hyphen or a
//     numeral character of the English set: "12 '- 6 \"" reads 150,
//     "3 '- 4 3/8 \"" 40.375, "12 FT- 6 IN" 150, "12 '- 0 \"" 144; or
// (b) a digit stands before it and a fraction (digits, a bar "/" or "\", a
//     digit) after it, with any spaces between the hyphen and either:
//     "6 - 1/2 \"" reads 6.5, "12 ' 6 - 1/2 \"" 150.5.
// Each hyphen is judged on the text as typed. Every other hyphen stays:
// "- 5 FT" reads 60 and "1 - 1/2" 0 (no unit word). Separation and
// read_measurement_value never mend hyphens.
// With `consumed`, each unit word found is recorded: bytes [first,
// after_last) of the prepared text (which starts at the first byte of `text`
// that is not a space) and the word's system.
struct ConsumedRange {
  std::size_t first = 0;
  std::size_t after_last = 0;
  System system = System::English;
};
// The upper-cased, trimmed text `w` with every hyphen that joins the parts
// of one length replaced by a space, byte for byte (no position moves), as
// the conversion reads it (see "Hyphens" above).
void mend_hyphens(std::string& w);

[[nodiscard]] Conversion convert_text_to_inches(const MeasureState& state, std::string_view text,
                                                float maximum,
                                                std::vector<ConsumedRange>* consumed = nullptr);

}  // namespace tolmer
