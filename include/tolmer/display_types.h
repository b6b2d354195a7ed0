// The value types of showing lengths (tolmer/display.h shows them): the
// formats, the display settings, the limits and the verdict of a check.
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "tolmer/length.h"
#include "tolmer/reading_types.h"
#include "tolmer/types.h"

namespace tolmer::inline v1 {

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
  // (outside that range: the nearest end): fractions are multiples of
  // 1/denominator inch, reduced. With 16, 6.5 inches shows as 6 1/2 and 6.2
  // inches as 6 3/16 (a tape measure's grid, not the nearest fraction with a
  // denominator up to 16).
  int32_t denominator = 16;
  // The most decimal places of a decimal number, 0 to max_decimals (outside
  // that range: the nearest end). Trailing zeros are not shown.
  int32_t decimals = 3;

  static constexpr int32_t max_denominator = 1024;
  static constexpr int32_t max_decimals = 9;

  [[nodiscard]] constexpr System system() const noexcept {
    return std::holds_alternative<MetricFormat>(format) ? System::Metric : System::English;
  }
};

// Lengths from this magnitude on have no display text.
inline constexpr double largest_shown_inches = 1e15;

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
  [[nodiscard]] constexpr bool accepted() const noexcept { return verdict == LengthVerdict::Accepted; }
};

}  // namespace tolmer
