// The cost of the integer-coded extended arithmetic against the x87 unit, in
// one run: the length road through the exports of two builds of the library
// loaded side by side (the default one, and one built with
// TOLMER_SOFT_EXTENDED), and number to text with each arithmetic on extended
// values that a double holds and on values it does not.
#include <cstring>
#include <string>
#include <vector>

#include "bench_extended_numbers.h"
#include "bench_support.h"
#include "frame/primitives.h"
#include "tolmerdll.h"

#if defined(TOLMER_BENCH_SOFT_LIBRARY)
#include <dlfcn.h>
#endif

namespace bench {

namespace {

#if defined(TOLMER_BENCH_SOFT_LIBRARY)

// The exports of the road, from one build of the library.
struct RoadExports {
  LibString (*separate)(char*) = nullptr;
  float (*convert)(const char*, float, int32_t*, int32_t*) = nullptr;
  LibString (*format)(int32_t, int32_t, int32_t, double, int32_t, int32_t) = nullptr;
  void (*release)(LibString) = nullptr;
  void (*initialize)() = nullptr;
  bool loaded = false;
};

template <class F>
void find(void* library, const char* name, F& f) {
  f = reinterpret_cast<F>(dlsym(library, name));
}

RoadExports load(const char* path) {
  RoadExports e;
  void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return e;
  find(library, "SEPARATEMEASUREMENTSINTEXTSTRING", e.separate);
  find(library, "CONVERTTEXTSTRINGVALUETOINCHES", e.convert);
  find(library, "GETFORMATEDTEXTFROMINCHES", e.format);
  find(library, "FREELIBSTRING", e.release);
  find(library, "INITIALIZEDLL", e.initialize);
  e.loaded = e.separate && e.convert && e.format && e.release && e.initialize;
  if (e.loaded) e.initialize();
  return e;
}

struct Entry {
  const char* text;
  int32_t system;
  int32_t format;
  int32_t fraction_mode;
  int32_t places;
};

// The entries of the length road family.
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

// One entry along the road through `e`; the formatted text is kept in `out`.
float road(const RoadExports& x, const Entry& entry, char (&field)[128], std::string* out = nullptr) {
  std::strncpy(field, entry.text, sizeof field - 1);
  field[sizeof field - 1] = '\0';
  x.release(x.separate(field));
  int32_t start = 0;
  int32_t end = 0;
  const float inches = x.convert(field, 100000.0f, &start, &end);
  LibString text = x.format(entry.system, entry.format, entry.fraction_mode, inches, entry.places, 0);
  if (out != nullptr) *out = text != nullptr ? std::string(text) : std::string();
  x.release(text);
  return inches;
}

void register_road() {
  static const RoadExports hardware = load(TOLMER_BENCH_HARD_LIBRARY);
  static const RoadExports software = load(TOLMER_BENCH_SOFT_LIBRARY);
  auto add_road = [](const std::string& name, const RoadExports* x) {
    add("length_road/entry/" + name + "/mixed", [x](benchmark::State& state) {
      if (!check(state, hardware.loaded && software.loaded, "both builds of the library load")) return;
      char field[128];
      // Both builds give the same inches and the same text for every entry.
      for (const Entry& e : entries()) {
        std::string a, b;
        const float ia = road(hardware, e, field, &a);
        const float ib = road(software, e, field, &b);
        if (!check(state, std::memcmp(&ia, &ib, sizeof ia) == 0 && a == b,
                   std::string("same road in both builds for ") + e.text)) {
          return;
        }
      }
      std::size_t i = 0;
      for (auto _ : state) {
        benchmark::DoNotOptimize(road(*x, entries()[i], field));
        i = i + 1 == entries().size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(state.iterations());
    });
  };
  add_road("hardware_extended", &hardware);
  add_road("software_extended", &software);
}

#else
void register_road() {}
#endif

// Extended values for number to text: "double" values a double holds (the
// usual case: singles and doubles widened), "extended" values it does not
// (quotients and sums kept at 64 bits).
std::vector<ExtendedBits> number_set(bool doubles) {
  std::vector<ExtendedBits> values;
  for (int i = 1; i <= 512; ++i) {
    const tolmer::Extended numerator = static_cast<double>(i) * 12.375 + 0.25;
    const tolmer::Extended v = doubles ? numerator / tolmer::Extended(16) : numerator / tolmer::Extended(3 + i % 7 * 2);
    values.push_back(ExtendedBits{v.sign_exponent(), v.significand()});
  }
  return values;
}

void register_number_to_text() {
  for (const bool doubles : {true, false}) {
    const std::string kind = doubles ? "double_values" : "extended_values";
    for (const bool soft : {false, true}) {
      const std::string name =
          "number_to_text/extended15/" + std::string(soft ? "software_extended" : "hardware_extended") + "/" + kind;
      add(name, [doubles, soft](benchmark::State& state) {
        const auto values = number_set(doubles);
        std::string a, b;
        for (const auto& v : values) {
          a.clear();
          b.clear();
          append_number_hardware(a, v);
          append_number_software(b, v);
          if (!check(state, a == b, "same text with both arithmetics: " + a + " / " + b)) return;
        }
        std::string out;
        std::size_t i = 0;
        for (auto _ : state) {
          out.clear();
          if (soft) {
            append_number_software(out, values[i]);
          } else {
            append_number_hardware(out, values[i]);
          }
          benchmark::DoNotOptimize(out.data());
          i = i + 1 == values.size() ? 0 : i + 1;
        }
        state.SetItemsProcessed(state.iterations());
      });
    }
  }
}

}  // namespace

void register_extended() {
  register_road();
  register_number_to_text();
}

}  // namespace bench
