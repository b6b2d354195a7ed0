// Number to text against std::to_chars in its precision form, and text to
// number against std::from_chars and strtod, on the same values and texts.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "bench_support.h"
#include "frame/primitives.h"

namespace bench {

namespace {

constexpr std::size_t kValuesPerSet = 512;

// The value sets: whole numbers, short decimals (the lengths a user types),
// long decimals (computed lengths), tiny and huge magnitudes. `single` keeps
// every value within the range of a float.
std::vector<double> value_set(const std::string& kind, bool single) {
  std::mt19937_64 random(0x5eed + kind.size());
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<double> values;
  values.reserve(kValuesPerSet);
  for (std::size_t i = 0; i < kValuesPerSet; ++i) {
    const double sign = (i % 4 == 3) ? -1.0 : 1.0;
    double v = 0;
    if (kind == "integers") {
      v = std::floor(unit(random) * (single ? 1e6 : 1e12));
    } else if (kind == "short") {
      v = std::floor(unit(random) * 100000.0) / 16.0;  // like 1234.5625
    } else if (kind == "long") {
      v = unit(random) * 1000.0;  // full mantissa
    } else if (kind == "tiny") {
      v = (1.0 + unit(random)) * std::pow(10.0, -5.0 - unit(random) * (single ? 30.0 : 290.0));
    } else {  // huge
      v = (1.0 + unit(random)) * std::pow(10.0, 16.0 + unit(random) * (single ? 21.0 : 290.0));
    }
    values.push_back(sign * v);
  }
  return values;
}

const std::array<std::string, 5> kKinds = {"integers", "short", "long", "tiny", "huge"};

std::vector<double> mixed_set(bool single) {
  std::vector<double> all;
  for (const auto& kind : kKinds) {
    const auto part = value_set(kind, single);
    all.insert(all.end(), part.begin(), part.end());
  }
  // Interleave so that consecutive calls see different kinds.
  std::vector<double> mixed(all.size());
  const std::size_t kinds = kKinds.size();
  for (std::size_t i = 0; i < all.size(); ++i) {
    mixed[(i % kValuesPerSet) * kinds + i / kValuesPerSet] = all[i];
  }
  return mixed;
}

std::vector<double> values_of(const std::string& kind, bool single) {
  return kind == "mixed" ? mixed_set(single) : value_set(kind, single);
}

// Equal within one unit of the last of `digits` significant digits: the
// library rounds on the first dropped digit alone, so the last digit may
// differ from a correctly rounded conversion.
bool close(double a, double b, int digits) {
  return a == b || std::fabs(a - b) <= std::pow(10.0, 1 - digits) * std::fabs(b);
}

void register_number_to_text() {
  std::vector<std::string> kinds(kKinds.begin(), kKinds.end());
  kinds.push_back("mixed");
  for (const auto& kind : kinds) {
    // Doubles with 15 significant digits.
    add("number_to_text/double15/library/" + kind, [kind](benchmark::State& state) {
      const auto values = values_of(kind, false);
      for (double v : values) {
        std::array<char, 64> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                       std::chars_format::general, 15).ptr;
        double expected = 0;
        std::from_chars(buffer.data(), end, expected);
        if (!check(state, close(tolmer::text_to_number(tolmer::double_to_text(v)), expected, 15),
                   "double_to_text " + std::string(buffer.data(), end)))
          return;
      }
      std::size_t i = 0;
      for (auto _ : state) {
        std::string text = tolmer::double_to_text(values[i]);
        benchmark::DoNotOptimize(text.data());
        i = i + 1 == values.size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(state.iterations());
    });
    add("number_to_text/double15/library_append/" + kind, [kind](benchmark::State& state) {
      const auto values = values_of(kind, false);
      std::string text;
      text.reserve(64);
      std::size_t i = 0;
      for (auto _ : state) {
        text.clear();
        tolmer::append_number(text, values[i], tolmer::kDoubleDigits);
        benchmark::DoNotOptimize(text.data());
        i = i + 1 == values.size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(state.iterations());
    });
    add("number_to_text/double15/to_chars/" + kind, [kind](benchmark::State& state) {
      const auto values = values_of(kind, false);
      std::array<char, 64> buffer{};
      std::size_t i = 0;
      for (auto _ : state) {
        const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), values[i],
                                     std::chars_format::general, 15);
        benchmark::DoNotOptimize(r.ptr);
        benchmark::ClobberMemory();
        i = i + 1 == values.size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(state.iterations());
    });
    // Singles with 7 significant digits.
    add("number_to_text/single7/library/" + kind, [kind](benchmark::State& state) {
      const auto doubles = values_of(kind, true);
      std::vector<float> values(doubles.begin(), doubles.end());
      for (float v : values) {
        std::array<char, 64> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                       std::chars_format::general, 7).ptr;
        double expected = 0;
        std::from_chars(buffer.data(), end, expected);
        if (!check(state, close(tolmer::text_to_number(tolmer::single_to_text(v)), expected, 7),
                   "single_to_text " + std::string(buffer.data(), end)))
          return;
      }
      std::size_t i = 0;
      for (auto _ : state) {
        std::string text = tolmer::single_to_text(values[i]);
        benchmark::DoNotOptimize(text.data());
        i = i + 1 == values.size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(state.iterations());
    });
    add("number_to_text/single7/to_chars/" + kind, [kind](benchmark::State& state) {
      const auto doubles = values_of(kind, true);
      std::vector<float> values(doubles.begin(), doubles.end());
      std::array<char, 64> buffer{};
      std::size_t i = 0;
      for (auto _ : state) {
        const auto r = std::to_chars(buffer.data(), buffer.data() + buffer.size(), values[i],
                                     std::chars_format::general, 7);
        benchmark::DoNotOptimize(r.ptr);
        benchmark::ClobberMemory();
        i = i + 1 == values.size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(state.iterations());
    });
  }
}

// The texts read back: every value of a set written with 15 significant
// digits, plus entries as a user types them.
std::vector<std::string> texts_of(const std::string& kind) {
  std::vector<std::string> texts;
  if (kind == "typed") {
    texts = {"12", "3.5", "150.5", "0.25", "-6", "1200", "0.0625", "96", "-12.75", "2.54",
             "25.4", "1000", "7", "0.5", "48", "304.8"};
    return texts;
  }
  for (double v : values_of(kind, false)) {
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v,
                                   std::chars_format::general, 15).ptr;
    texts.emplace_back(buffer.data(), end);
  }
  return texts;
}

void register_text_to_number() {
  std::vector<std::string> kinds(kKinds.begin(), kKinds.end());
  kinds.push_back("typed");
  kinds.push_back("mixed");
  for (const auto& kind : kinds) {
    add("text_to_number/double/library/" + kind, [kind](benchmark::State& state) {
      const auto texts = texts_of(kind);
      for (const auto& text : texts) {
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        if (!check(state, tolmer::text_to_number(text) == expected, "text_to_number " + text)) return;
      }
      std::vector<std::string_view> views(texts.begin(), texts.end());
      std::size_t i = 0;
      for (auto _ : state) {
        benchmark::DoNotOptimize(tolmer::text_to_number(views[i]));
        i = i + 1 == views.size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(state.iterations());
    });
    add("text_to_number/double/from_chars/" + kind, [kind](benchmark::State& state) {
      const auto texts = texts_of(kind);
      std::size_t i = 0;
      for (auto _ : state) {
        double value = 0;
        const auto& text = texts[i];
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
        i = i + 1 == texts.size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(state.iterations());
    });
    add("text_to_number/double/strtod/" + kind, [kind](benchmark::State& state) {
      const auto texts = texts_of(kind);
      std::size_t i = 0;
      for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtod(texts[i].c_str(), nullptr));
        i = i + 1 == texts.size() ? 0 : i + 1;
      }
      state.SetItemsProcessed(state.iterations());
    });
  }
}

}  // namespace

void register_numbers() {
  register_number_to_text();
  register_text_to_number();
}

}  // namespace bench
