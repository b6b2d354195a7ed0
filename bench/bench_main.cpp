// The benchmark program: registers every family, then runs Google Benchmark.
// Extra flag: --smoke registers only the smallest sizes (used by CTest).
#include <cstring>
#include <iostream>
#include <utility>

#include "bench_support.h"
#include "tolmerdll.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace bench {

namespace {
bool g_smoke = false;
bool g_failed = false;
}  // namespace

bool smoke() { return g_smoke; }

std::vector<std::size_t> text_sizes() {
  if (g_smoke) return {1024};
  return {1024, 1024 * 1024, 32 * 1024 * 1024};
}

std::vector<std::size_t> item_counts() {
  if (g_smoke) return {10, 1000};
  return {10, 1000, 100000};
}

void add(const std::string& name, std::function<void(benchmark::State&)> body) {
  benchmark::RegisterBenchmark(name.c_str(),
                               [body = std::move(body)](benchmark::State& state) { body(state); });
}

bool check(benchmark::State& state, bool ok, const std::string& what) {
  if (!ok) {
    g_failed = true;
    state.SkipWithError(("self-check failed: " + what).c_str());
  }
  return ok;
}

}  // namespace bench

int main(int argc, char** argv) {
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--smoke") == 0) {
      bench::g_smoke = true;
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
#if defined(__GLIBC__)
  // Every block from the heap, which keeps its memory once touched, as a
  // long-running host's heap does. Left to its defaults glibc serves large
  // blocks from fresh pages each time, above a threshold that moves with the
  // sizes freed so far (up to 32 MiB): one case would then pay the system's
  // page faults on every call and a case twice its size not, or the other way
  // round, and the scaling ratios would measure that instead of the library.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
  INITIALIZEDLL();
  bench::register_numbers();
  bench::register_text();
  bench::register_measure();
  bench::register_catalog();
  bench::register_cpp();
  bench::register_display();
  bench::register_extended();
  bench::register_reading();
  bench::register_context();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (bench::g_failed) {
    std::cerr << "tolmer_bench: a self-check failed\n";
    return 1;
  }
  return 0;
}
