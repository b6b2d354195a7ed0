// Text and number primitives shared by every subsystem.
//
// Texts are byte strings compared and copied as unsigned 8-bit values;
// positions are 1-based byte positions. Each primitive is defined once here
// and called by name everywhere else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "frame/digits.h"
#include "frame/xreal.h"

namespace tolmer::inline v1 {

// ---------------------------------------------------------------- numbers

// Significant digits of the number-to-text rule: doubles and integers 15,
// singles 7.
inline constexpr int kDoubleDigits = 15;
inline constexpr int kSingleDigits = 7;

// Spaced: a non-negative number gets a leading space; plain: nothing.
enum class NumberForm { Spaced, Plain };

// Number to text with `digits` significant digits (1 to 18): the magnitude is
// taken to 18 significant digits (ties to even), then to `digits` (a first
// dropped 5 rounds up only after an odd digit), trailing zeros removed, laid
// out as "1200", ".5", "-.25", "12.75" or "1.234568E+7". NaN gives "NaN",
// infinities "Inf" / "-Inf" (spaced: " Inf").
std::string number_to_text(xreal value, int digits, NumberForm form = NumberForm::Plain);
// Shorthands for the two precisions.
inline std::string single_to_text(float value, NumberForm form = NumberForm::Plain) {
  return number_to_text(value, kSingleDigits, form);
}
inline std::string double_to_text(xreal value, NumberForm form = NumberForm::Plain) {
  return number_to_text(value, kDoubleDigits, form);
}
// Appends the text of number_to_text to `out` (no temporary string).
void append_number(std::string& out, xreal value, int digits,
                   NumberForm form = NumberForm::Plain);

// The format mask ".######": a value of magnitude below 1 as text with at
// most six decimal places (the dropped part raises the sixth place only when
// it is more than half a unit of it), e.g. 1/3 -> ".333333", 2/3 -> ".666667".
std::string six_place_text(xreal value);

// Text to number from 1-based position `start` (default 1): leading blanks
// (space, tab, CR, LF) skipped; "&H"/"&O"/"&Q"/"&B" prefixes (either case)
// read a whole number in base 16/8/8/2; otherwise sign, digits with at most
// one point, optional exponent "E"/"e"/"D"/"d" with optional sign (a larger
// exponent than 9999 counts as 9999). Reading stops at the first character
// that cannot continue the number; nothing readable gives 0. The result is
// the double nearest the decimal number (overflow gives an infinity). A
// prefixed number is read without a sign, as the non-negative value of its
// digits (a run too long for 64 bits keeps its low 64 bits).
double text_to_number(std::string_view text, std::size_t start = 1);

// n / d computed in extended precision and rounded to a single. When n and
// d are both singles (finite, d not 0) the quotient is divided in double
// precision instead: a quotient of two 24-bit numbers rounded first to 53
// (or 64) bits and then to 24 is the correctly rounded single either way
// (53 >= 2 x 24 + 2), so the result is the same on every platform.
float single_quotient(double n, double d);

// The 32-bit integer nearest a real, ties to even. NaN, infinities and values
// outside the 32-bit range give INT32_MIN.
int32_t round_to_int(xreal value);
// Truncation to a 32-bit integer (the same out-of-range rule).
int32_t trunc_to_int(xreal value);
// Decimal rounding to `places` (0 to 18; larger or negative counts as 18):
// multiply by 10^places, round ties to even, divide.
xreal round_decimal(xreal value, int32_t places);

// ------------------------------------------------------------------ texts

// Trimming removes spaces (byte 32) only.
std::string_view trim_left(std::string_view text);
std::string_view trim_right(std::string_view text);
std::string_view trim(std::string_view text);

// Upper-casing (the Windows ANSI upper-casing; see the public header).
unsigned char upper_byte(unsigned char byte);
std::string to_upper(std::string_view text);
void to_upper_in_place(std::string& text);
// Equality with a-z taken as A-Z and every other byte exact.
bool equal_ignoring_ascii_case(std::string_view a, std::string_view b);

// Search: the 1-based position of the first occurrence of `pattern` that
// begins at or after `start`, or 0. A start of 0 or less, or an empty text,
// gives 0; an empty pattern gives the start itself (when the start is within
// the text + 1, else 0).
std::size_t find(std::string_view text, std::string_view pattern, int64_t start = 1);
// The 1-based position of the last occurrence of `pattern`, or 0.
std::size_t find_last(std::string_view text, std::string_view pattern);

// Middle part: from 1-based `start`, at most `count` bytes (a negative count
// takes the rest). A start beyond the end, a start of 0 or a count of 0 gives
// empty; a negative start counts from the end (-1 is the last byte).
std::string_view mid(std::string_view text, int64_t start, int64_t count = -1);
// The first / last `count` bytes (the whole text when it is shorter; a count
// of 0 or less gives empty).
std::string_view left(std::string_view text, int64_t count);
std::string_view right(std::string_view text, int64_t count);
// The byte value at 1-based `position`, or -1 when out of range.
int32_t char_code_at(std::string_view text, int64_t position);

}  // namespace tolmer
