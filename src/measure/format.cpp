#include "measure/format.h"

#include <cmath>
#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>

#include "frame/primitives.h"
#include "measure/fraction.h"
#include "measure/units.h"

namespace tolmer::inline v1 {

namespace {

// Places that leave a fraction unrounded (more than the 18 that rounding
// honours).
constexpr int32_t kUnroundedPlaces = 20;

// Caption styles used here.
constexpr LabelStyle kNoCaption = static_cast<LabelStyle>(-1);
constexpr LabelStyle kEnglishFootLong = LabelStyle::FootWord;
constexpr LabelStyle kEnglishInchLong = LabelStyle::InchWord;
constexpr LabelStyle kEnglishFt = LabelStyle::FtShort;
constexpr LabelStyle kEnglishIn = LabelStyle::InShort;
constexpr LabelStyle kEnglishFtDot = LabelStyle::FtDot;
constexpr LabelStyle kEnglishInDot = LabelStyle::InDot;
constexpr LabelStyle kEnglishApostrophe = LabelStyle::FootMark;
constexpr LabelStyle kEnglishDoubleQuote = LabelStyle::InchMark;
constexpr LabelStyle kMetricMeterLong = LabelStyle::MeterWord;
constexpr LabelStyle kMetricMillimeterLong = LabelStyle::MillimeterWord;

enum class Shape { FeetAndInches, DecimalFeet, InchesOnly, Plain };

struct EnglishFormat {
  Shape shape;
  LabelStyle major_style;
  LabelStyle minor_style;
  std::string_view separator;
};

// The English formats by code (0 to 13): the one description of what each
// format shows.
constexpr EnglishFormat kEnglishFormats[] = {
    {Shape::FeetAndInches, kEnglishFootLong, kEnglishInchLong, " "},
    {Shape::FeetAndInches, kEnglishFtDot, kEnglishInDot, " "},
    {Shape::FeetAndInches, kEnglishFt, kEnglishIn, " "},
    {Shape::DecimalFeet, kEnglishFootLong, kNoCaption, ""},
    {Shape::DecimalFeet, kEnglishFtDot, kNoCaption, ""},
    {Shape::DecimalFeet, kEnglishFt, kNoCaption, ""},
    {Shape::FeetAndInches, kEnglishApostrophe, kEnglishDoubleQuote, " "},
    {Shape::FeetAndInches, kEnglishApostrophe, kEnglishDoubleQuote, " - "},
    {Shape::DecimalFeet, kEnglishApostrophe, kNoCaption, ""},
    {Shape::InchesOnly, kNoCaption, kEnglishInchLong, ""},
    {Shape::InchesOnly, kNoCaption, kEnglishInDot, ""},
    {Shape::InchesOnly, kNoCaption, kEnglishIn, ""},
    {Shape::InchesOnly, kNoCaption, kEnglishDoubleQuote, ""},
    {Shape::InchesOnly, kNoCaption, kNoCaption, ""},
};

// Appends a caption as it follows its number: a word gets one space in
// front, the apostrophe and the double quote stand directly after the number.
void append_caption(std::string& text, System system, LabelStyle style, float quantity) {
  if (style == kNoCaption) return;
  const std::string_view label = measurement_label(system, style, quantity);
  if (!(label.empty() || label == "'" || label == "\"")) text += ' ';
  text += label;
}

// Removes the spaces that lead or trail the text appended from `from` on.
void trim_appended(std::string& text, std::size_t from) {
  while (!text.empty() && text.size() > from && text.back() == ' ') text.pop_back();
  std::size_t first = from;
  while (first < text.size() && text[first] == ' ') ++first;
  text.erase(from, first - from);
}

void append_metric(std::string& text, int32_t format, const LengthParts& parts,
                   int32_t places) {
  const float a = parts.major;
  const float b = parts.minor;
  const std::size_t from = text.size();
  switch (format) {
    case 0:
      if (a > 0) {
        append_number(text, a, kSingleDigits);
        text += ' ';
        text += measurement_label(System::Metric, kMetricMeterLong, a);
      }
      if (b > 0) {
        text += ' ';
        append_number(text, b, kSingleDigits);
        text += ' ';
        text += measurement_label(System::Metric, kMetricMillimeterLong, b);
      }
      break;
    case 1:
      if (a > 0) {
        append_number(text, a, kSingleDigits);
        text += "m ";
      }
      if (b > 0) {
        append_number(text, b, kSingleDigits);
        text += "mm";
      }
      break;
    case 2:
    case 3:
      if (static_cast<xreal>(a) + b > 0) {
        const double metres = static_cast<double>(
            round_decimal(static_cast<xreal>(b) / 1000 + a, places));
        append_number(text, metres, kDoubleDigits);
        text += ' ';
        // The whole metres decide the plural.
        text += format == 2 ? measurement_label(System::Metric, kMetricMeterLong, a) : "m";
      }
      break;
    case 4:
    case 5: {
      const float total = static_cast<float>(static_cast<xreal>(b) + xreal(1000) * a);
      append_number(text, total, kSingleDigits);
      if (format == 4) text += " mm";
      break;
    }
    case 6:
      if (a > 0) {
        append_number(text, a, kSingleDigits);
        text += "m ";
      }
      if (b > 0) {
        // Whole millimetres (ties to even), then whole centimetres.
        const int32_t centimetres = round_to_int(b) / 10;
        append_number(text, centimetres, kDoubleDigits);
        text += "cm";
      }
      break;
    default:
      return;
  }
  trim_appended(text, from);
}

// The part of an inch in decimals: seven significant digits, laid out
// without an exponent. The number text takes the exponent form when the
// digits need more than seven places ("1.123047E-2"); here they are written
// out in full (".01123047"). The fraction lies between 0 and 1, so only a
// negative exponent occurs.
std::string decimal_fraction_text(float fraction) {
  std::string text = single_to_text(fraction);
  const std::size_t e = text.find("E-");
  if (e == std::string::npos) return text;
  std::string digits;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') digits += text[i];
  }
  int zeros = 0;
  for (std::size_t i = e + 2; i < text.size() && zeros < 1000; ++i) {
    zeros = zeros * 10 + (text[i] - '0');
  }
  if (zeros < 1) return text;
  std::string plain = ".";
  plain.append(static_cast<std::size_t>(zeros - 1), '0');
  plain += digits;
  return plain;
}

// The English split of a length below 2^24 inches in double arithmetic,
// with the same results as the extended-precision steps:
// - inches = m * 2^e (m below 2^24). Unless inches / 12 is whole, it lies at
//   least 1/(12 * 2^-e) from every integer, far more than the double
//   quotient's rounding error (below 2^-53 of a value under 2^24 / (12 *
//   2^-e)), so both truncations give the same feet (and -0 for a length in
//   (-12, 0), as truncation does);
// - the inches left, their truncation and the fraction are exact in both
//   types (multiples of 2^e below 12 need at most 28 bits);
// - the fraction is a single (at most 23 bits below the point). Rounded to 18
//   places (places above 17 or below 0) and stored as a single it comes back
//   unchanged once it is 2^-30 or more: the rounding moves it by at most
//   half of 10^-18 plus two 64-bit roundings, less than half its single
//   step (2^-25 of it). Smaller fractions, and other places, are rounded.
LengthParts split_english(float inches, int32_t places) {
  LengthParts parts;
  const double length = inches;
  const double feet = std::trunc(length / 12);
  const double rest = length - 12 * feet;
  const double whole = std::trunc(rest);
  const double fraction = rest - whole;
  parts.major = static_cast<float>(feet);
  parts.minor = static_cast<float>(whole);
  const bool eighteen_places = places < 0 || places > 17;
  if (fraction == 0 || (eighteen_places && std::fabs(fraction) >= 0x1p-30)) {
    parts.fraction = static_cast<float>(fraction);
  } else {
    parts.fraction = static_cast<float>(round_decimal(fraction, places));
  }
  return parts;
}

}  // namespace

bool shows_decimal_feet(Format format) noexcept {
  const auto code = static_cast<int32_t>(format);
  return code >= 0 && static_cast<std::size_t>(code) < std::size(kEnglishFormats) &&
         kEnglishFormats[static_cast<std::size_t>(code)].shape == Shape::DecimalFeet;
}

LengthParts split_inches(const MeasureState& state, System system, float inches, int32_t places) {
  LengthParts parts;
  if (system == System::Metric) {
    const float mm = static_cast<float>(round_decimal(inches_to_millimeters(state, inches), 3));
    parts.major = static_cast<float>(x_floor(static_cast<xreal>(mm) / 1000));
    parts.minor = static_cast<float>(
        round_decimal(mm - round_decimal(xreal(1000) * parts.major, 3), 3));
    parts.fraction = 0;
    return parts;
  }
  if (std::fabs(inches) < 0x1p24f) return split_english(inches, places);
  const xreal length = inches;
  parts.major = static_cast<float>(x_trunc(length / 12));
  const xreal rest = length - xreal(12) * parts.major;
  parts.minor = static_cast<float>(x_trunc(rest));
  xreal fraction = rest - parts.minor;
  if (fraction != 0) fraction = round_decimal(fraction, places);
  parts.fraction = static_cast<float>(fraction);
  return parts;
}

std::string format_inches(const MeasureState& state, const DisplayFormat& display, double inches) {
  std::string text;
  append_formatted(state, text, display, inches);
  return text;
}

void append_formatted(const MeasureState& state, std::string& text, const DisplayFormat& display,
                      double inches) {
  const System system = display.system;
  const auto format = static_cast<int32_t>(display.format);
  const int32_t places = display.places;
  const float length = static_cast<float>(inches);
  const bool fractional = system == System::English && display.mode == FractionMode::Fraction;
  const int32_t split_places = fractional ? kUnroundedPlaces : places;
  LengthParts parts = split_inches(state, system, length, split_places);

  // The fraction of an inch as text, or the fraction carried into a whole inch.
  std::string fraction_text;
  // A fraction of the length that is not shown (noise below half a
  // millionth): decimal feet still count it.
  float unshown_fraction = 0;
  if (parts.fraction > 0) {
    if (fractional) {
      fraction_text = " ";
      fraction_text += decimal_to_fraction_string(parts.fraction, places);
    } else {
      fraction_text = decimal_fraction_text(parts.fraction);
      if (fraction_text.starts_with("0.")) fraction_text.erase(0, 1);
    }
    const std::string_view shown = trim(fraction_text);
    if (shown == "1") {
      // The fraction reached a whole inch at this precision: one more inch.
      fraction_text.clear();
      const float carried =
          static_cast<float>(static_cast<xreal>(parts.minor) + xreal(12) * parts.major + 1);
      parts = split_inches(state, system, carried, split_places);
    } else if (shown.empty()) {
      // No fraction at this denominator: the fraction is taken as 0.
      fraction_text.clear();
      parts.fraction = 0;
    } else if (shown == "0") {
      // Noise below half a millionth of an inch: "6\"", never "6 0\"". The
      // text drops it; the length keeps it.
      fraction_text.clear();
      unshown_fraction = parts.fraction;
      parts.fraction = 0;
    }
  }

  if (system == System::Metric) return append_metric(text, format, parts, places);

  const bool listed = format >= 0 && static_cast<std::size_t>(format) < std::size(kEnglishFormats);
  const EnglishFormat layout =
      listed ? kEnglishFormats[static_cast<std::size_t>(format)] : EnglishFormat{Shape::Plain, kNoCaption, kNoCaption, ""};

  switch (layout.shape) {
    case Shape::DecimalFeet:
      parts.major = static_cast<float>(round_decimal(
          (static_cast<xreal>(parts.fraction) + unshown_fraction + parts.minor) / 12 +
              parts.major,
          places));
      parts.minor = 0;
      parts.fraction = 0;
      fraction_text.clear();
      break;
    case Shape::InchesOnly:
      parts.minor = static_cast<float>(parts.minor + xreal(12) * parts.major);
      parts.major = 0;
      break;
    case Shape::FeetAndInches:
    case Shape::Plain:
      break;
  }

  const float minor_quantity = static_cast<float>(static_cast<xreal>(parts.fraction) + parts.minor);

  const std::size_t from = text.size();
  if (parts.major > 0) {
    append_number(text, parts.major, kSingleDigits);
    append_caption(text, system, layout.major_style, parts.major);
  }
  if (parts.major > 0 && static_cast<xreal>(parts.fraction) + parts.minor > 0) {
    text += layout.separator;
  }
  if (parts.minor > 0 && parts.fraction > 0) {
    append_number(text, parts.minor, kSingleDigits);
    text += fraction_text;
    append_caption(text, system, layout.minor_style, minor_quantity);
  } else if (parts.minor > 0) {
    append_number(text, parts.minor, kSingleDigits);
    append_caption(text, system, layout.minor_style, minor_quantity);
  } else if (parts.fraction > 0) {
    text += fraction_text;
    append_caption(text, system, layout.minor_style, minor_quantity);
  }
  trim_appended(text, from);
}

}  // namespace tolmer
