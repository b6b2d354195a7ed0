// Today's reading (tolmer::parse_length) against the classic road
// (tolmer::Library::read_length: separation, then conversion) over the
// entries of tests/data/lengths.tsv, one entry per iteration in turn.
#include <string>
#include <vector>

#include "bench_support.h"
#include "lengths_table.h"
#include "tolmer/library.h"
#include "tolmer/reading.h"

namespace bench {

namespace {

const std::vector<tolmer::testdata::LengthRow>& rows() {
  static const std::vector<tolmer::testdata::LengthRow> list = tolmer::testdata::length_rows();
  return list;
}

}  // namespace

void register_reading() {
  add("reading/parse_length/table", [](benchmark::State& state) {
    for (const auto& row : rows()) {
      const tolmer::ParseResult r = tolmer::parse_length(row.entry, row.options);
      if (!check(state, r.error == row.error, "today's reading of " + row.source)) return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
      const auto& row = rows()[i];
      benchmark::DoNotOptimize(tolmer::parse_length(row.entry, row.options));
      i = i + 1 == rows().size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
  });
  add("reading/read_length_classic/table", [](benchmark::State& state) {
    const tolmer::Library library;
    std::size_t i = 0;
    for (auto _ : state) {
      benchmark::DoNotOptimize(library.read_length(rows()[i].entry));
      i = i + 1 == rows().size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
  });
}

}  // namespace bench
