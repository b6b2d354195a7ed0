#include "measure/units.h"

#include <array>
#include <cstddef>

#include "frame/primitives.h"
#include "frame/xreal.h"

namespace tolmer::inline v1 {

namespace {

using Words = std::array<std::string_view, 11>;

// Designator words by unit code, in the order they are searched.
constexpr std::array<Words, 4> kMetricWords = {{
    {"METERS.", "METERS", "METER", "METER.", "M.", "M"},
    {"DECIMETERS.", "DECIMETERS", "DECIMETER.", "DECIMETER", "DECI.", "DECI", "DEC.", "DEC",
     "DM.", "DM", "D.M."},
    {"CENTIMETERS.", "CENTIMETERS", "CENTIMETER.", "CENTIMETER", "CENTI.", "CENTI", "CENT.",
     "CENT", "CM.", "CM", "C.M."},
    {"MILLIMETERS.", "MILLIMETERS", "MILLIMETER.", "MILLIMETER", "MILLI.", "MILLI", "MILL.",
     "MILL", "MM.", "MM", "M.M."},
}};
constexpr std::array<int32_t, 4> kMetricWordCounts = {6, 11, 11, 11};

constexpr std::array<Words, 4> kEnglishWords = {{
    {"YARDS.", "YARDS", "YARD.", "YARD", "YDS.", "YDS", "YD.", "YD", "Y.", "Y"},
    {"'", "FEET.", "FEET", "FOOT.", "FOOT", "FT.", "FT", "F.", "F"},
    {"\"", "''", "INCHES.", "INCHES", "INCH.", "INCH", "IN.", "IN", "I.", "I"},
    {},
}};
constexpr std::array<int32_t, 4> kEnglishWordCounts = {10, 9, 10, 0};

struct Caption {
  std::string_view singular;
  std::string_view plural;
};

constexpr std::array<Caption, 8> kEnglishCaptions = {{
    {"Foot", "Feet"},
    {"Inch", "Inches"},
    {"Ft", "Ft"},
    {"In", "In"},
    {"Ft.", "Ft."},
    {"In.", "In."},
    {"'", "'"},
    {"\"", "\""},
}};

constexpr std::array<Caption, 5> kMetricCaptions = {{
    {"Meter", "Meters"},
    {"Millimeter", "Millimeters"},
    {"m", "m"},
    {"mm", "mm"},
    {"cm", "cm"},
}};

// The single-precision constant of inches per metre.
constexpr float kInchesPerMeter = 39.369f;

}  // namespace

int32_t designator_count(Unit unit) noexcept {
  const int32_t code = code_of(unit);
  if (code < 0 || code > 3) return 0;
  const auto u = static_cast<std::size_t>(code);
  return system_of(unit) == System::Metric ? kMetricWordCounts[u] : kEnglishWordCounts[u];
}

std::string_view designator_word(Unit unit, int32_t index) noexcept {
  if (index < 0 || index >= designator_count(unit)) return {};
  const auto u = static_cast<std::size_t>(code_of(unit));
  const auto i = static_cast<std::size_t>(index);
  return system_of(unit) == System::Metric ? kMetricWords[u][i] : kEnglishWords[u][i];
}

std::string_view unit_name(Unit unit) noexcept {
  switch (unit) {
    case Unit::Yards: return "yards";
    case Unit::Feet: return "feet";
    case Unit::Inches: return "inches";
    case Unit::Meters: return "meters";
    case Unit::Decimeters: return "decimeters";
    case Unit::Centimeters: return "centimeters";
    case Unit::Millimeters: return "millimeters";
  }
  return {};
}

std::string_view measurement_label(System system, LabelStyle style, float quantity) noexcept {
  const auto code = static_cast<int32_t>(style);
  if (code < 0) return {};
  const auto s = static_cast<std::size_t>(code);
  const Caption* caption = nullptr;
  if (system == System::Metric) {
    if (s < kMetricCaptions.size()) caption = &kMetricCaptions[s];
  } else if (s < kEnglishCaptions.size()) {
    caption = &kEnglishCaptions[s];
  }
  if (caption == nullptr) return {};
  return quantity > 1 ? caption->plural : caption->singular;
}

double inches_to_millimeters(const MeasureState& state, double inches) {
  return static_cast<double>(static_cast<xreal>(inches) *
                             static_cast<xreal>(state.mm_per_inch.load()));
}

float millimeters_to_inches(const MeasureState& state, float millimeters) {
  return single_quotient(millimeters, state.mm_per_inch.load());
}

float convert_measurement(float inches, Unit target) {
  switch (target) {
    case Unit::Feet:
      return static_cast<float>(static_cast<xreal>(inches) / xreal(12));
    case Unit::Meters:
      return static_cast<float>(static_cast<xreal>(inches) /
                                static_cast<xreal>(kInchesPerMeter));
    default:
      return 0;
  }
}

void set_conversion_decimal_places(MeasureState& state, System system, int32_t places) {
  const auto lock = state.places_lock.write();
  auto& slots = state.decimal_places;
  if (!slots) return;  // no table before initialisation
  (*slots)[system == System::English ? 0 : 1] = places;
}

}  // namespace tolmer
