// Today's display through the C++ interface: tolmer::format_length_to into a
// reused buffer, against std::to_chars of one 7-digit single
// (cpp_format/to_chars_single7, bench_cpp.cpp) in the same run, with the
// allocations per call.
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "bench_support.h"
#include "tolmer/display.h"

namespace bench {
namespace {

struct Shown {
  tolmer::Length length;
  tolmer::LengthDisplay display;
};

// The everyday lengths and formats of cpp_format/format_to_reused_buffer, in
// today's display settings.
const std::vector<Shown>& shown_lengths() {
  using tolmer::EnglishFormat;
  using tolmer::FractionMode;
  using tolmer::MetricFormat;
  const auto in = [](double inches) { return tolmer::Length::from_inches(inches); };
  static const std::vector<Shown> list = {
      {in(150.5), {EnglishFormat::FeetInchesMarks, FractionMode::Fraction, 16, 3}},
      {in(63.25), {EnglishFormat::FeetInchesDashMarks, FractionMode::Fraction, 64, 3}},
      {in(95.125), {EnglishFormat::FeetInchesMarks, FractionMode::Fraction, 16, 3}},
      {in(98.4252), {MetricFormat::MillimetersShort, FractionMode::Decimal, 16, 3}},
      {in(36.0), {EnglishFormat::InchesMark, FractionMode::Fraction, 16, 3}},
      {in(118.1102), {MetricFormat::MetersMillimetersShort, FractionMode::Decimal, 16, 3}},
      {in(200.75), {EnglishFormat::FeetInchesMarks, FractionMode::Fraction, 32, 3}},
      {in(12.0), {EnglishFormat::FeetInchesMarks, FractionMode::Fraction, 16, 3}},
  };
  return list;
}

// Lengths that take the general decimal road (not sixty-fourths): decimal
// feet and inches, metric-born lengths.
const std::vector<Shown>& decimal_lengths() {
  using tolmer::EnglishFormat;
  using tolmer::FractionMode;
  using tolmer::MetricFormat;
  const auto mm = [](double millimeters) { return tolmer::Length::from_millimeters(millimeters); };
  const auto in = [](double inches) { return tolmer::Length::from_inches(inches); };
  static const std::vector<Shown> list = {
      {in(150.3), {EnglishFormat::DecimalFeetMark, FractionMode::Decimal, 16, 2}},
      {in(63.7), {EnglishFormat::FeetInchesMarks, FractionMode::Decimal, 16, 2}},
      {mm(2500), {MetricFormat::MillimetersShort, FractionMode::Decimal, 16, 1}},
      {mm(1234.5), {MetricFormat::DecimalMetersShort, FractionMode::Decimal, 16, 3}},
      {mm(3822.7), {MetricFormat::MetersMillimetersWords, FractionMode::Decimal, 16, 1}},
      {in(-6.5), {MetricFormat::MillimetersShort, FractionMode::Decimal, 16, 3}},
      {in(10.1), {EnglishFormat::FeetInchesMarks, FractionMode::Fraction, 16, 3}},
      {mm(905), {MetricFormat::MetersCentimetersShort, FractionMode::Decimal, 16, 0}},
  };
  return list;
}

template <class List>
void add_display(const std::string& name, const List& list) {
  add(name, [&list](benchmark::State& state) {
    std::string buffer;
    buffer.reserve(128);
    for (const Shown& s : list) tolmer::format_length_to(buffer, s.length, s.display);  // first use
    const tolmer_test::AllocationWatch watch;
    std::size_t i = 0;
    for (auto _ : state) {
      buffer.clear();
      tolmer::format_length_to(buffer, list[i].length, list[i].display);
      benchmark::DoNotOptimize(buffer.data());
      benchmark::ClobberMemory();
      i = i + 1 == list.size() ? 0 : i + 1;
    }
    state.counters["allocations"] = static_cast<double>(watch.count()) / static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations());
  });
}

}  // namespace

void register_display() {
  add_display("cpp_display/format_length_to_reused_buffer", shown_lengths());
  add_display("cpp_display/format_length_to_reused_buffer/decimal", decimal_lengths());
}

}  // namespace bench
