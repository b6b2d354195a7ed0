// The value types of the C++ interface: measurement systems, units, display
// settings, and the results that carry diagnostics.
#pragma once

#include "tolmer/version.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolmer::inline v1 {

// Measurement systems (the codes of the C interface).
enum class System : int32_t { English = 0, Metric = 1 };

// Units of length. Each belongs to one system; code() gives its number within
// that system (English yards 0, feet 1, inches 2; Metric metres 0,
// decimetres 1, centimetres 2, millimetres 3).
enum class Unit : int32_t { Yards, Feet, Inches, Meters, Decimeters, Centimeters, Millimeters };

[[nodiscard]] constexpr System system_of(Unit unit) noexcept {
  return unit >= Unit::Meters ? System::Metric : System::English;
}
[[nodiscard]] constexpr int32_t code_of(Unit unit) noexcept {
  const auto n = static_cast<int32_t>(unit);
  return unit >= Unit::Meters ? n - static_cast<int32_t>(Unit::Meters) : n;
}

// Display formats of a length. English and Metric formats share codes; the
// system of the DisplayFormat says which list a code belongs to. A code not
// listed is still accepted (English: the numbers without captions; Metric:
// the empty text).
enum class Format : int32_t {
  // English
  FeetInchesWords = 0,        // 12 Feet 6 1/2 Inches
  FeetInchesAbbreviated = 1,  // 12 Ft. 6 1/2 In.
  FeetInchesShort = 2,        // 12 Ft 6 1/2 In
  DecimalFeetWords = 3,       // 12.54 Feet
  DecimalFeetAbbreviated = 4, // 12.54 Ft.
  DecimalFeetShort = 5,       // 12.54 Ft
  FeetInchesMarks = 6,        // 12' 6 1/2"
  FeetInchesDashMarks = 7,    // 12' - 6 1/2"
  DecimalFeetMark = 8,        // 12.54'
  InchesWords = 9,            // 150 1/2 Inches
  InchesAbbreviated = 10,     // 150 1/2 In.
  InchesShort = 11,           // 150 1/2 In
  InchesMark = 12,            // 150 1/2"
  InchesBare = 13,            // 150 1/2
  // Metric
  MetersMillimetersWords = 0,  // 2 Meters 500 Millimeters
  MetersMillimetersShort = 1,  // 2m 500mm
  DecimalMetersWords = 2,      // 2.5 Meters
  DecimalMetersShort = 3,      // 2.5 m
  MillimetersShort = 4,        // 2500 mm
  MillimetersBare = 5,         // 2500
  MetersCentimetersShort = 6,  // 2m 50cm
};

// How the part of an inch is shown: a common fraction (English only) or
// decimals.
enum class FractionMode : int32_t { Fraction = 0, Decimal = 1 };

// Caption styles of measurement labels (English 0-7, Metric 0-4).
enum class LabelStyle : int32_t {
  // English
  FootWord = 0, InchWord = 1, FtShort = 2, InShort = 3, FtDot = 4, InDot = 5, FootMark = 6,
  InchMark = 7,
  // Metric
  MeterWord = 0, MillimeterWord = 1, MShort = 2, MmShort = 3, CmShort = 4,
};

// The display settings of a length. places: in fraction mode the largest
// denominator; in decimal mode the decimal places (above 18 or negative: 18).
struct DisplayFormat {
  System system = System::English;
  Format format = Format::FeetInchesMarks;
  FractionMode mode = FractionMode::Fraction;
  int32_t places = 16;
};

// A rectangle by two corners; normalised when x1 <= x2 and y1 <= y2.
struct Rect {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// A half-open range of bytes [begin, end) in a text.
struct ByteRange {
  std::size_t begin = 0;
  std::size_t end = 0;
  friend bool operator==(const ByteRange&, const ByteRange&) = default;
};

// A length split for display: whole feet (or metres), whole inches (or the
// millimetres below the metre) and the part of an inch (0 in Metric).
struct LengthParts {
  float major = 0;
  float minor = 0;
  float fraction = 0;
};

// The reading of a typed length (separated or not: the entry is separated
// first). Either the length, or the unit whose number exceeded the maximum
// with the bytes of that number in the entry. `unread` lists the runs of the
// entry, other than spaces, that no unit word consumed: in "12'6" the "6"
// (no unit follows it), in "2,500 mm" the "2,". A hyphen that the reading
// takes for a space (in "12'-6\"" and "6-1/2\"") is not listed. A host can
// warn about them instead of silently storing another length.
struct LengthReading {
  float inches = 0;               // the length (0 when too_large is set)
  std::optional<Unit> too_large;  // the unit whose number exceeded the maximum
  ByteRange number;               // with too_large: that number's bytes in the entry
  std::vector<ByteRange> unread;  // bytes of the entry that no unit consumed
  [[nodiscard]] bool ok() const noexcept { return !too_large.has_value(); }
};

// The reading of a text already separated: the length, or the unit whose
// number exceeded the maximum with the bytes of that number (0-based, in the
// text read).
struct SeparatedReading {
  float inches = 0;               // the length (0 when too_large is set)
  std::optional<Unit> too_large;  // the unit whose number exceeded the maximum
  ByteRange number;               // with too_large: that number's bytes
  [[nodiscard]] bool ok() const noexcept { return !too_large.has_value(); }
};

// The limits of a length entry (inches): a number above `maximum` for its
// unit (when maximum > 0), a total above `maximum_total`, or one below
// `minimum` is refused.
struct EntryLimits {
  float minimum = 0;
  float maximum = 0;
  float maximum_total = 0;
};

// The verdict on a length entry, as values: the length (or -1 for a number
// too large for its unit, 0 for a total outside the limits), the message to
// show, the byte range of the entry to select, and the text to write back
// into the field.
struct Validation {
  float result = 0;                  // as the C interface returns it
  bool accepted = false;             // true: `echo` holds the entry as displayed
  std::string message;               // empty when accepted
  std::optional<ByteRange> select;   // the part of the entry to select, if any
  std::string echo;                  // the accepted length in the display format
  std::vector<ByteRange> unread;     // as in LengthReading
};

// One paper size with its margins (inches); the name is at most 16 bytes as
// stored (longer names are cut, stored names are trimmed when read).
struct PaperRecord {
  std::string name;
  float width = 0;
  float height = 0;
  float top_margin = 0;
  float bottom_margin = 0;
  float left_margin = 0;
  float right_margin = 0;
};

namespace measure {
// A fraction "w n/d" (or "n/d", "n\\d") taken apart.
struct Fraction {
  int32_t whole = 0;
  int32_t numerator = 0;
  int32_t denominator = 0;
  char separator = '/';
};
// A fraction found inside a longer text, cut out.
struct FoundFraction {
  std::string fraction;   // numerator, separator, denominator: "13/16"
  std::string remainder;  // the trimmed text with the fraction cut out
  float value = 0;        // numerator / denominator as a single
};
// A number read next to a position of a text, with where it stands (0-based
// byte offsets of the text).
struct NumberAt {
  float value = 0;
  std::optional<std::size_t> start;  // its first byte, when one was found
  std::optional<std::size_t> end;    // one past its last byte, when the number was read
};
}  // namespace measure

enum class Orientation : int32_t { Portrait = 1, Landscape = 2 };

// The paper fields that can be set one by one.
enum class PaperField : int32_t { Width, Height, TopMargin, BottomMargin, LeftMargin, RightMargin };

struct PaperMatch {
  int32_t index = 0;
  Orientation orientation = Orientation::Portrait;
};

// The two parts of a drawing-scale entry.
enum class ScalePart : int32_t { Numerator = 0, Denominator = 1 };

}  // namespace tolmer
