// The C++ interface: formatting a length into a reused buffer and through
// the export, against std::to_chars of one 7-digit single in the same run;
// the allocations per call of catalog look-ups through the C++ interface.
#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "bench_support.h"
#include "tolmer/tolmer.h"
#include "tolmerdll.h"

namespace bench {

namespace {

struct Length {
  double inches;
  tolmer::DisplayFormat display;
};

// Everyday lengths in everyday formats.
const std::vector<Length>& lengths() {
  using tolmer::Format;
  using tolmer::FractionMode;
  using tolmer::System;
  static const std::vector<Length> list = {
      {150.5, {System::English, Format::FeetInchesMarks, FractionMode::Fraction, 16}},
      {63.25, {System::English, Format::FeetInchesDashMarks, FractionMode::Fraction, 64}},
      {95.125, {System::English, Format::FeetInchesMarks, FractionMode::Fraction, 16}},
      {98.4252, {System::Metric, Format::MillimetersShort, FractionMode::Decimal, 3}},
      {36.0, {System::English, Format::InchesMark, FractionMode::Fraction, 16}},
      {118.1102, {System::Metric, Format::MetersMillimetersShort, FractionMode::Decimal, 3}},
      {200.75, {System::English, Format::FeetInchesMarks, FractionMode::Fraction, 32}},
      {12.0, {System::English, Format::FeetInchesMarks, FractionMode::Fraction, 16}},
  };
  return list;
}

// Seven-digit singles like the numbers of a formatted length.
const std::vector<float>& singles() {
  static const std::vector<float> list = {150.5f, 1234.567f, 63.25f, 2500.001f,
                                          95.125f, 36.00001f, 118.1102f, 12.0f};
  return list;
}

// A benchmark calling `call(i)` over and over with the operator-new
// allocations per call as the counter "allocations".
template <class Call>
void add_counted(const std::string& name, std::size_t count, Call call) {
  add(name, [=](benchmark::State& state) {
    for (std::size_t i = 0; i < count; ++i) call(i);  // anything made on first use
    const tolmer_test::AllocationWatch watch;
    std::size_t i = 0;
    for (auto _ : state) {
      call(i);
      i = i + 1 == count ? 0 : i + 1;
    }
    state.counters["allocations"] =
        static_cast<double>(watch.count()) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations());
  });
}

}  // namespace

void register_cpp() {
  add("cpp_format/to_chars_single7", [](benchmark::State& state) {
    const auto& values = singles();
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

  static const tolmer::Library library;
  static std::string buffer = [] {
    std::string b;
    b.reserve(128);
    return b;
  }();
  add_counted("cpp_format/format_to_reused_buffer", lengths().size(), [](std::size_t i) {
    const Length& l = lengths()[i];
    buffer.clear();
    library.format_to(buffer, l.inches, l.display);
    benchmark::DoNotOptimize(buffer.data());
  });
  add("cpp_format/export_GETFORMATEDTEXTFROMINCHES", [](benchmark::State& state) {
    const auto& list = lengths();
    std::size_t i = 0;
    for (auto _ : state) {
      const tolmer::DisplayFormat& d = list[i].display;
      LibString s = GETFORMATEDTEXTFROMINCHES(
          static_cast<int32_t>(d.system), static_cast<int32_t>(d.format),
          static_cast<int32_t>(d.mode), list[i].inches, d.places, 0);
      benchmark::DoNotOptimize(s);
      FREELIBSTRING(s);
      i = i + 1 == list.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
  });

  namespace catalog = tolmer::catalog;
  add_counted("allocations/cpp_catalog/category_description", 12, [](std::size_t i) {
    benchmark::DoNotOptimize(catalog::category_description(static_cast<int32_t>(i % 7), static_cast<int32_t>(i % 7)).data());
  });
  add_counted("allocations/cpp_catalog/item_types_code_string", 8, [](std::size_t i) {
    benchmark::DoNotOptimize(catalog::item_types_code_string(1, static_cast<int32_t>(i % 6)).data());
  });
  add_counted("allocations/cpp_catalog/item_name", 64, [](std::size_t i) {
    benchmark::DoNotOptimize(catalog::item_name(1, 1 + static_cast<int32_t>(i % 5), static_cast<int32_t>(i), i % 2 == 0).data());
  });
  add_counted("allocations/cpp_catalog/sub_item_name", 64, [](std::size_t i) {
    benchmark::DoNotOptimize(catalog::sub_item_name({1, 1 + static_cast<int32_t>(i % 5), static_cast<int32_t>(i % 30), 1}).data());
  });
  add_counted("allocations/cpp_catalog/wall_snap_index", 64, [](std::size_t i) {
    benchmark::DoNotOptimize(catalog::wall_snap_index({1, 1 + static_cast<int32_t>(i % 5), static_cast<int32_t>(i % 30), 1}));
  });
  add_counted("allocations/cpp_catalog/invalid_characters", 4, [](std::size_t i) {
    benchmark::DoNotOptimize(i % 2 ? catalog::folder_name_invalid_characters().data()
                                   : catalog::symbol_name_invalid_characters().data());
  });
  add_counted("allocations/cpp_catalog/wire_type_description", 16, [](std::size_t i) {
    benchmark::DoNotOptimize(catalog::wire_type_description(static_cast<int32_t>(i)).data());
  });
}

}  // namespace bench
