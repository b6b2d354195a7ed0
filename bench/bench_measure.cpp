// The length road of one entry (separate, convert, format) against
// formatting alone, and the formatter over every display format.
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "tolmerdll.h"

namespace bench {

namespace {

// A typed entry with the display settings it is echoed in.
struct Entry {
  const char* text;
  int32_t system;
  int32_t format;
  int32_t fraction_mode;
  int32_t places;
};

// Realistic entries: feet, inches and fractions in the usual spellings, and
// metric lengths, each echoed in a format of its system.
const std::vector<Entry>& entries() {
  static const std::vector<Entry> list = {
      {"12'6 1/2\"", 0, 6, 0, 64},     {"5 FT 3 IN", 0, 1, 0, 16},
      {"3.5 m", 1, 2, 1, 3},           {"250 mm", 1, 4, 1, 0},
      {"10'", 0, 7, 0, 16},            {"6 1/4\"", 0, 12, 0, 32},
      {"2 yd 1 ft", 0, 0, 0, 8},       {"1.25 meters", 1, 0, 1, 3},
      {"7' 11 3/4\"", 0, 6, 0, 64},    {"48 inches", 0, 9, 0, 16},
      {"100 cm", 1, 6, 1, 2},          {"15 ft 0 in", 0, 3, 1, 2},
      {"8'-2 5/8\"", 0, 7, 0, 16},     {"0.75 in", 0, 13, 1, 3},
      {"2m 40cm", 1, 1, 1, 3},         {"33 1/3 ft", 0, 8, 1, 4},
  };
  return list;
}

// One entry along the road: separated in its field's buffer, converted to
// inches, formatted for display. Returns the inches.
float road(const Entry& e, char (&field)[128]) {
  std::strncpy(field, e.text, sizeof field - 1);
  field[sizeof field - 1] = '\0';
  FREELIBSTRING(SEPARATEMEASUREMENTSINTEXTSTRING(field));
  int32_t start = 0;
  int32_t end = 0;
  const float inches = CONVERTTEXTSTRINGVALUETOINCHES(field, 100000.0f, &start, &end);
  FREELIBSTRING(GETFORMATEDTEXTFROMINCHES(e.system, e.format, e.fraction_mode, inches, e.places, 0));
  return inches;
}

void register_road() {
  add("length_road/entry/library/mixed", [](benchmark::State& state) {
    char field[128];
    for (const Entry& e : entries()) {
      if (!check(state, road(e, field) > 0, std::string("road of ") + e.text)) return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
      benchmark::DoNotOptimize(road(entries()[i], field));
      i = i + 1 == entries().size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
  });
  // The same entries through the validator (which converts, checks and
  // formats, writing the echo into the field through the window services).
  add("length_road/validator/library/mixed", [](benchmark::State& state) {
    char field[128];
    std::size_t i = 0;
    for (auto _ : state) {
      const Entry& e = entries()[i];
      std::strncpy(field, e.text, sizeof field - 1);
      field[sizeof field - 1] = '\0';
      FREELIBSTRING(SEPARATEMEASUREMENTSINTEXTSTRING(field));
      benchmark::DoNotOptimize(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(
          0, field, 0.0f, 100000.0f, 100000.0f, e.system, e.format, e.fraction_mode, e.places));
      i = i + 1 == entries().size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
  });
  // Formatting alone: the last step of the road, on the same lengths and
  // settings.
  add("length_road/format_only/library/mixed", [](benchmark::State& state) {
    char field[128];
    std::vector<float> inches;
    for (const Entry& e : entries()) inches.push_back(road(e, field));
    std::size_t i = 0;
    for (auto _ : state) {
      const Entry& e = entries()[i];
      LibString text = GETFORMATEDTEXTFROMINCHES(e.system, e.format, e.fraction_mode, inches[i], e.places, 0);
      benchmark::DoNotOptimize(text);
      FREELIBSTRING(text);
      i = i + 1 == entries().size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
  });
}

// The formatter per display format, over lengths from a fraction of an inch
// to a few hundred feet.
void register_formatter() {
  static const std::array<double, 8> lengths = {0.4375, 6.0, 12.75, 150.5, 143.99, 1000.0 / 3.0,
                                                 2400.0, 39.37007874015748};
  auto add_format = [](const std::string& name, int32_t system, int32_t format, int32_t mode,
                       int32_t places) {
    add("formatter/" + name + "/library", [=](benchmark::State& state) {
      std::size_t i = 0;
      for (auto _ : state) {
        LibString text = GETFORMATEDTEXTFROMINCHES(system, format, mode, lengths[i], places, 0);
        benchmark::DoNotOptimize(text);
        FREELIBSTRING(text);
        i = i + 1 == lengths.size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(state.iterations());
    });
  };
  for (int32_t format = 0; format <= 13; ++format) {
    add_format("english/" + std::to_string(format) + "/fraction", 0, format, 0, 16);
    add_format("english/" + std::to_string(format) + "/decimal", 0, format, 1, 3);
  }
  for (int32_t format = 0; format <= 6; ++format) add_format("metric/" + std::to_string(format), 1, format, 1, 3);
}

}  // namespace

void register_measure() {
  register_road();
  register_formatter();
}

}  // namespace bench
