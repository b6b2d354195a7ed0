// The cost of a Library's locks on one thread: each locked member against
// the same work done without the lock in the same run (a draw from the
// random stream under its mutex against a draw from a stream of one's own;
// a key state through the host services, taken under their shared lock,
// against calling the same function directly; a temporary-array look-up
// under its reader lock against a search of a plain vector).
#include <algorithm>
#include <string>
#include <vector>

#include "bench_support.h"
#include "host/random_stream.h"
#include "tolmer/library.h"

namespace bench {

void register_context() {
  add("context_locks/random_value_locked", [](benchmark::State& state) {
    tolmer::Library library{tolmer::RandomSeed{1}};
    tolmer::RandomStream check_stream(1);
    if (!check(state, library.random_value() == tolmer::random_record_id(check_stream),
               "the locked draw is the stream's draw"))
      return;
    for (auto _ : state) benchmark::DoNotOptimize(library.random_value());
    state.SetItemsProcessed(state.iterations());
  });
  add("context_locks/random_value_unlocked", [](benchmark::State& state) {
    tolmer::RandomStream stream(1);
    for (auto _ : state) benchmark::DoNotOptimize(tolmer::random_record_id(stream));
    state.SetItemsProcessed(state.iterations());
  });

  const auto key_state = [](int32_t key) { return tolmer::KeyState{key == 65, false}; };
  add("context_locks/key_down_through_services", [key_state](benchmark::State& state) {
    tolmer::Library library;
    tolmer::HostServices services;
    services.key_state = key_state;
    library.set_host_services(services);
    if (!check(state, library.key_down(65) && !library.key_down(66), "the host's key state"))
      return;
    int32_t key = 64;
    for (auto _ : state) {
      benchmark::DoNotOptimize(library.key_down(key));
      key = key == 66 ? 64 : key + 1;
    }
    state.SetItemsProcessed(state.iterations());
  });
  add("context_locks/key_down_direct", [key_state](benchmark::State& state) {
    const std::function<tolmer::KeyState(int32_t)> direct = key_state;
    int32_t key = 64;
    for (auto _ : state) {
      benchmark::DoNotOptimize(direct(key).down);
      key = key == 66 ? 64 : key + 1;
    }
    state.SetItemsProcessed(state.iterations());
  });

  // Eight short entries; each look-up finds the last (a-z matching A-Z).
  static const std::vector<std::string> entries = {"ALPHA", "BETA", "GAMMA", "DELTA",
                                                   "EPSILON", "ZETA", "ETA", "THETA"};
  add("context_locks/temp_find_locked", [](benchmark::State& state) {
    tolmer::Library library;
    for (const std::string& e : entries) (void)library.temp_append(e);
    if (!check(state, library.temp_find("theta") == 8, "the last entry found")) return;
    for (auto _ : state) benchmark::DoNotOptimize(library.temp_find("theta"));
    state.SetItemsProcessed(state.iterations());
  });
  add("context_locks/temp_find_unlocked", [](benchmark::State& state) {
    const auto same = [](const std::string& a, std::string_view b) {
      return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        return up(x) == up(y);
      });
    };
    for (auto _ : state) {
      const std::string_view wanted = "theta";
      const auto at = std::find_if(entries.begin(), entries.end(),
                                   [&](const std::string& e) { return same(e, wanted); });
      benchmark::DoNotOptimize(at);
    }
    state.SetItemsProcessed(state.iterations());
  });
}

}  // namespace bench
