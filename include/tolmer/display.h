// Showing lengths: a tolmer::Length as display text in one of 14 English and
// 7 metric formats, and a typed length checked against limits with a message
// and an echo in the same display.
//
// The rules, the same in every format:
// - a negative length gets one leading '-' ("-6 1/2\"", "-165.1 mm"); a
//   length that rounds to zero is shown without a sign (never "-0");
// - zero shows the format's smallest part: "0\"", "0 Inches", "0'" where the
//   format has only feet, "0 mm";
// - the number shown is the length taken as a decimal of 15 significant
//   digits (at most 15 decimal places), rounded to the display's step with
//   halves away from zero: conversions between units leave no binary noise
//   (2.675 mm shows as 2.68 mm at two decimals); decimals are written with a
//   leading "0" and without trailing zeros, never with an exponent;
// - `denominator` is the largest denominator of an inch fraction (English
//   formats in FractionMode::Fraction), `decimals` the number of decimal
//   places of every other number: decimal inches, decimal feet, and the
//   smallest unit of every metric format;
// - a length that is not finite, or whose magnitude is at least
//   largest_shown_inches, has no display text (nothing is written).
//
// A float length (one that has been stored as a single) is made a Length
// with length_from_float, which takes the float's shortest decimal: 0.1f
// becomes 0.1 inch, not 0.100000001490116 inch.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "tolmer/length.h"
#include "tolmer/reading.h"
#include "tolmer/types.h"

namespace tolmer {

// The English display formats (the examples show 150.5 inches with
// fractions up to sixteenths, and decimal feet to two places).
enum class EnglishFormat : int32_t {
  FeetInchesWords = 0,         // 12 Feet 6 1/2 Inches
  FeetInchesAbbreviated = 1,   // 12 Ft. 6 1/2 In.
  FeetInchesShort = 2,         // 12 Ft 6 1/2 In
  DecimalFeetWords = 3,        // 12.54 Feet
  DecimalFeetAbbreviated = 4,  // 12.54 Ft.
  DecimalFeetShort = 5,        // 12.54 Ft
  FeetInchesMarks = 6,         // 12' 6 1/2"
  FeetInchesDashMarks = 7,     // 12' - 6 1/2"
  DecimalFeetMark = 8,         // 12.54'
  InchesWords = 9,             // 150 1/2 Inches
  InchesAbbreviated = 10,      // 150 1/2 In.
  InchesShort = 11,            // 150 1/2 In
  InchesMark = 12,             // 150 1/2"
  InchesBare = 13,             // 150 1/2 (a number of inches, no unit)
};
inline constexpr int32_t english_format_count = 14;

// The metric display formats (the examples show 2.5 metres).
enum class MetricFormat : int32_t {
  MetersMillimetersWords = 0,  // 2 Meters 500 Millimeters
  MetersMillimetersShort = 1,  // 2m 500mm
  DecimalMetersWords = 2,      // 2.5 Meters
  DecimalMetersShort = 3,      // 2.5 m
  MillimetersShort = 4,        // 2500 mm
  MillimetersBare = 5,         // 2500 (a number of millimetres, no unit)
  MetersCentimetersShort = 6,  // 2m 50cm
};
inline constexpr int32_t metric_format_count = 7;

// The display settings of a length. The format is an English or a metric
// one, so the system goes with it: no setting pairs a metric format with the
// English system. For example
//   LengthDisplay{}                                  12' 6 1/2"
//   LengthDisplay{EnglishFormat::InchesWords}        150 1/2 Inches
//   LengthDisplay{MetricFormat::MillimetersShort, FractionMode::Decimal, 16, 1}
//   LengthDisplay{.format = MetricFormat::DecimalMetersShort, .decimals = 2}
struct LengthDisplay {
  std::variant<EnglishFormat, MetricFormat> format = EnglishFormat::FeetInchesMarks;
  // English formats with inches: the part of an inch as a common fraction or
  // as decimals. Decimal feet and the metric formats always use decimals.
  FractionMode inch_fraction = FractionMode::Fraction;
  // The largest denominator of an inch fraction, 1 to max_denominator
  // (outside that range: the nearest end). Fractions are reduced: with 16,
  // 6.5 inches shows as 6 1/2.
  int32_t denominator = 16;
  // The most decimal places of a decimal number, 0 to max_decimals (outside
  // that range: the nearest end). Trailing zeros are not shown.
  int32_t decimals = 3;

  static constexpr int32_t max_denominator = 1024;
  static constexpr int32_t max_decimals = 9;

  constexpr System system() const noexcept {
    return std::holds_alternative<MetricFormat>(format) ? System::Metric : System::English;
  }
};

// Lengths from this magnitude on have no display text.
inline constexpr double largest_shown_inches = 1e15;

// The display text of a length.
[[nodiscard]] std::string format_length(Length length, const LengthDisplay& display = {});
// Appends the display text to `out`; allocates nothing when the capacity of
// `out` holds the text.
void format_length_to(std::string& out, Length length, const LengthDisplay& display = {});
// The length that the display text stands for: the length rounded to the
// display's step (zero, not a negative zero, when it rounds to zero). Not
// finite, or too large to show: the length itself.
[[nodiscard]] Length shown_length(Length length, const LengthDisplay& display = {}) noexcept;

// The length of a float number of inches, taken as the float's shortest
// decimal (the fewest significant digits that read back as the same float):
// 0.1f gives 0.1 inch. Infinities and NaN stay as they are.
[[nodiscard]] Length length_from_float(float inches) noexcept;

// The reading options that go with a display: a bare number is read in the
// unit of the formats that show none (inches for InchesBare, millimetres for
// MillimetersBare); every other format needs a unit word.
[[nodiscard]] ParseOptions reading_options(const LengthDisplay& display) noexcept;

// ---------------------------------------------------------------- checking

// The limits of a length entry; nullopt is no limit.
struct LengthLimits {
  std::optional<Length> minimum;
  std::optional<Length> maximum;
};

// What became of an entry.
enum class LengthVerdict : int32_t {
  Accepted = 0,
  Empty,       // nothing but spaces: no length was entered
  Unreadable,  // the entry does not read as a length (see `error`)
  TooSmall,    // below the minimum
  TooLarge,    // above the maximum
};

struct LengthCheck {
  LengthVerdict verdict = LengthVerdict::Empty;
  Length length;                        // the length read (zero when none was read)
  ParseError error = ParseError::None;  // with Unreadable: why
  std::string message;                  // for people; empty when accepted
  std::optional<ByteRange> select;      // the bytes of the entry to select, if any
  std::string echo;                     // accepted: the length in the display
  constexpr bool accepted() const noexcept { return verdict == LengthVerdict::Accepted; }
};

// Reads a typed entry (with reading_options(display) unless `options` is
// given) and checks it against the limits. A length within one part in 10^12
// of a limit counts as on it (unit conversions differ in the last bits: 2 m
// 500 mm is on a limit of 2500 mm). Messages show the limits in the display:
// "The length cannot be more than 8' 4\"." The echo is the accepted length in
// the display.
[[nodiscard]] LengthCheck validate_length(std::string_view entry, const LengthLimits& limits,
                                          const LengthDisplay& display = {});
[[nodiscard]] LengthCheck validate_length(std::string_view entry, const LengthLimits& limits,
                                          const LengthDisplay& display, const ParseOptions& options);

}  // namespace tolmer
