// A Library's own random stream, its host services in C++ terms, and the
// readings it gives in 0-based positions; the C interface beside it keeps
// its generator and its numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "api/library_impl.h"
#include "c_abi/host_table.h"
#include "c_abi/process.h"
#include "host/random.h"
#include "host/random_stream.h"
#include "tolmer/library.h"
#include "tolmerdll.h"

namespace {

using tolmer::Library;
using tolmer::RandomSeed;

std::vector<int32_t> draws(Library& library, int count) {
  std::vector<int32_t> out;
  for (int i = 0; i < count; ++i) out.push_back(library.random_value());
  return out;
}

// ------------------------------------------------------------ the stream

// The generator's reference sequence (starting state 42, stream 54).
TEST(LibraryContext, StreamGivesTheReferenceSequence) {
  tolmer::RandomStream stream = tolmer::RandomStream::from_state(42, 54);
  const uint32_t expected[] = {0xa15c02b7u, 0x7b47f409u, 0xba1d3330u,
                               0x83d2f293u, 0xbfa4784bu, 0xcbed606eu};
  for (uint32_t e : expected) EXPECT_EQ(stream.next(), e);
}

TEST(LibraryContext, SeededContextsAreReproducible) {
  for (uint64_t seed : {uint64_t{0}, uint64_t{1}, uint64_t{7}, uint64_t{0xFFFFFFFFu},
                        uint64_t{1} << 63, ~uint64_t{0}}) {
    Library a{RandomSeed{seed}}, b{RandomSeed{seed}}, c;
    c.set_seed(seed);
    EXPECT_EQ(a.seed(), seed);
    EXPECT_EQ(c.seed(), seed);
    const std::vector<int32_t> first = draws(a, 64);
    EXPECT_EQ(draws(b, 64), first) << seed;
    EXPECT_EQ(draws(c, 64), first) << seed;
    for (int32_t id : first) {
      EXPECT_GE(id, 10000);
      EXPECT_LE(id, 2147483647);
    }
    // Reseeding replays from the start.
    a.set_seed(seed);
    EXPECT_EQ(draws(a, 64), first) << seed;
  }
}

// Neighbouring seeds, and seeds one bit apart, give sequences with no value
// in common over their first draws (each pair of independent draws meets
// with a chance of about 2^-31).
TEST(LibraryContext, DifferentSeedsShareNoIds) {
  const std::pair<uint64_t, uint64_t> pairs[] = {
      {1, 2}, {0, uint64_t{1} << 63}, {0xFFFFFFFFu, 0x1FFFFFFFFu}, {12345, 12346}};
  for (const auto& [x, y] : pairs) {
    Library a{RandomSeed{x}}, b{RandomSeed{y}};
    std::vector<int32_t> da = draws(a, 500), db = draws(b, 500);
    std::sort(da.begin(), da.end());
    std::sort(db.begin(), db.end());
    std::vector<int32_t> common;
    std::set_intersection(da.begin(), da.end(), db.begin(), db.end(), std::back_inserter(common));
    EXPECT_TRUE(common.empty()) << x << " and " << y;
  }
}

// Two seeds select two streams (increments), not two places of one cycle.
TEST(LibraryContext, DifferentSeedsSelectDifferentStreams) {
  std::set<uint64_t> increments;
  for (uint64_t seed = 0; seed < 1000; ++seed) {
    const tolmer::RandomStream s(seed);
    EXPECT_EQ(s.increment() % 2, 1u);
    increments.insert(s.increment());
  }
  EXPECT_EQ(increments.size(), 1000u);
}

TEST(LibraryContext, EntropySeedsDiffer) {
  Library a, b;
  EXPECT_NE(a.seed(), b.seed());
  const uint64_t before = a.seed();
  a.randomize();
  EXPECT_NE(a.seed(), before);
  // Unseeded contexts draw apart (a shared default seed would draw alike).
  std::vector<int32_t> da = draws(a, 100), db = draws(b, 100);
  std::sort(da.begin(), da.end());
  std::sort(db.begin(), db.end());
  std::vector<int32_t> common;
  std::set_intersection(da.begin(), da.end(), db.begin(), db.end(), std::back_inserter(common));
  EXPECT_TRUE(common.empty());
}

// The tests that start threads: skipped where the build has no threads (this
// WebAssembly build), and left out under qemu-i386 like the other thread
// tests (scripts/cross-targets.sh).
class ContextThreads : public ::testing::Test {
 protected:
  void SetUp() override {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
    GTEST_SKIP() << "this WebAssembly build has no threads";
#endif
  }
};

TEST_F(ContextThreads, RandomizedAtOnceGetDifferentSeeds) {
  constexpr int kThreads = 8;
  std::vector<Library> libraries(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) threads.emplace_back([&, t] { libraries[t].randomize(); });
  for (std::thread& t : threads) t.join();
  std::set<uint64_t> seeds;
  for (const Library& l : libraries) seeds.insert(l.seed());
  EXPECT_EQ(seeds.size(), static_cast<std::size_t>(kThreads));
}

// Threads drawing from one Library share its stream out: together they draw
// what one thread drawing alone would, none repeated, none lost.
TEST_F(ContextThreads, ConcurrentDrawsAreTheStreamSharedOut) {
  constexpr int kThreads = 4, kEach = 1000;
  Library shared{RandomSeed{99}}, alone{RandomSeed{99}};
  std::vector<std::vector<int32_t>> drawn(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&, t] { drawn[t] = draws(shared, kEach); });
  for (std::thread& t : threads) t.join();
  std::vector<int32_t> got;
  for (const auto& d : drawn) got.insert(got.end(), d.begin(), d.end());
  std::vector<int32_t> expected = draws(alone, kThreads * kEach);
  std::sort(got.begin(), got.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(got, expected);
}

TEST(LibraryContext, UniqueRecordIdSkipsTheGivenIds) {
  Library probe{RandomSeed{5}};
  const std::vector<int32_t> next = draws(probe, 3);
  struct Case {
    std::vector<int32_t> existing;
    int32_t expected;
  };
  const Case cases[] = {
      {{}, next[0]},
      {{1, 2, 3}, next[0]},
      {{next[0]}, next[1]},
      {{next[1], next[0]}, next[2]},
  };
  for (const Case& c : cases) {
    Library library{RandomSeed{5}};
    EXPECT_EQ(library.unique_record_id(c.existing), c.expected);
  }
}

// A Library's draws leave the C interface's 32-bit generator where it was,
// and that generator keeps its start and its step.
TEST(LibraryContext, TheCInterfacesGeneratorIsItsOwn) {
  const uint32_t before = tolmer::state().seed.load();
  Library library{RandomSeed{1}};
  (void)draws(library, 10);
  library.randomize();
  EXPECT_EQ(tolmer::state().seed.load(), before);
  tolmer::RandomState fresh;
  EXPECT_EQ(fresh.seed.load(), 0xFFFFFFFFu);
  // One step from 0xFFFFFFFF: 0xFFFFFFFF x 134775813 + 1 = 0xF7F77BFC (mod
  // 2^32), drawn as its top 31 bits.
  EXPECT_EQ(tolmer::generator_step(fresh), 0x7BFBBDFEu);
}

// ---------------------------------------------------- host services in C++

// The C table's 16-bit key state as the C++ services carry it: bit 15 is
// "down", any other bit "pressed since"; the exports answer as from the
// bits themselves.
int32_t key_bits = 0;

TEST(LibraryContext, KeyStateBitsSurviveTheConversion) {
  TolmerHostServices table{};
  table.size = sizeof table;
  table.async_key_state = [](void*, int32_t) -> int32_t { return key_bits; };
  SETHOSTSERVICES(&table);
  struct Case {
    int32_t bits;
    int32_t key;    // GETKEYSTATE
    int32_t mouse;  // GETMOUSEBUTTON(0)
  };
  const Case cases[] = {
      {0, 0, 0},      {1, 0, 1},      {2, 0, 1},          {0x4000, 0, 1},
      {0x8000, 1, 1}, {0x8001, 1, 1}, {0x10000, 0, 0},    {-1, 1, 1},
      {0x18000, 1, 1}, {0x7FFF, 0, 1}, {INT32_MIN, 0, 0},
  };
  for (const Case& c : cases) {
    key_bits = c.bits;
    EXPECT_EQ(GETKEYSTATE(65), c.key) << c.bits;
    EXPECT_EQ(GETMOUSEBUTTON(0), c.mouse) << c.bits;
  }
  SETHOSTSERVICES(nullptr);
}

// The folder numbers a C host receives for the named folders, and a C
// host's "no folder" as none.
std::vector<int32_t> asked;

TEST(LibraryContext, SpecialFoldersReachACHostByTheirNumbers) {
  Library library;
  TolmerHostServices table{};
  table.size = sizeof table;
  table.special_folder = [](void*, int32_t folder, char* buffer, int32_t capacity) -> int32_t {
    asked.push_back(folder);
    if (folder == 0x0027) return -1;
    const int32_t length = std::snprintf(buffer, static_cast<std::size_t>(capacity), "/f%d", folder);
    return length;
  };
  tolmer::abi::install_host_table(tolmer::state_of(library).services, &table);
  using tolmer::SpecialFolder;
  const std::pair<SpecialFolder, int32_t> named[] = {
      {SpecialFolder::Desktop, 0x00},       {SpecialFolder::Documents, 0x05},
      {SpecialFolder::Music, 0x0D},         {SpecialFolder::Videos, 0x0E},
      {SpecialFolder::DesktopDirectory, 0x10}, {SpecialFolder::Fonts, 0x14},
      {SpecialFolder::Templates, 0x15},     {SpecialFolder::AppData, 0x1A},
      {SpecialFolder::LocalAppData, 0x1C},  {SpecialFolder::InternetCache, 0x20},
      {SpecialFolder::CommonAppData, 0x23}, {SpecialFolder::ProgramFiles, 0x26},
      {SpecialFolder::Pictures, 0x27},      {SpecialFolder::Profile, 0x28},
  };
  for (const auto& [folder, number] : named) {
    asked.clear();
    const std::optional<std::string> path = library.special_folder(folder);
    EXPECT_EQ(asked, std::vector<int32_t>{number});
    if (number == 0x27) {
      EXPECT_EQ(path, std::nullopt);
    } else {
      EXPECT_EQ(path, "/f" + std::to_string(number));
    }
  }
}

// A set replaced while one of its functions runs (here by that function
// itself) stays alive until the function returns.
TEST(LibraryContext, ASetReplacedDuringACallOutlivesTheCall) {
  Library library;
  auto witness = std::make_shared<std::string>("alive");
  {
    // (A moved-from std::function may keep its target: the set leaves this
    // scope so that only the installed one holds the witness.)
    tolmer::HostServices services;
    services.key_state = [&library, witness](int32_t) {
      library.set_host_services({});
      return tolmer::KeyState{*witness == "alive", false};
    };
    library.set_host_services(std::move(services));
  }
  EXPECT_EQ(witness.use_count(), 2);
  EXPECT_TRUE(library.key_down(65));
  EXPECT_EQ(witness.use_count(), 1);    // the replaced set is gone now
  EXPECT_FALSE(library.host_services().key_state);
}

// Readers of one Library while another thread swaps its services: every
// call goes to one whole set. Each set's window_from_point answers 7 only
// for its own cursor point, so a torn set (one set's cursor, the other's
// window) answers None.
TEST_F(ContextThreads, HostServicesAreSwappedWhole) {
  Library library;
  const auto set_at = [](tolmer::ScreenPoint at) {
    tolmer::HostServices s;
    s.cursor_position = [at] { return std::optional<tolmer::ScreenPoint>(at); };
    s.window_from_point = [at](tolmer::ScreenPoint p) { return p == at ? 7 : 0; };
    s.key_state = [](int32_t) { return tolmer::KeyState{true, false}; };
    return s;
  };
  const tolmer::HostServices a = set_at({1, 1}), b = set_at({2, 2});
  library.set_host_services(a);
  std::vector<std::thread> threads;
  std::vector<int> torn(3, 0);
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < 2000; ++i) {
        if (t == 0) {
          library.set_host_services(i % 2 == 0 ? b : a);
        } else if (library.mouse_button(7) != tolmer::MouseButton::Left) {
          ++torn[t - 1];
        }
      }
    });
  }
  for (std::thread& t : threads) t.join();
  EXPECT_EQ(torn, std::vector<int>(3, 0));
}

// ------------------------------------------------------------ readings

// The reading of a separated text: the length, or the unit and the number's
// bytes; the export gives the same length, or its unit's code and 1-based
// positions in the prepared text (the same text here: upper-case, trimmed).
TEST(LibraryContext, SeparatedReadingInZeroBasedBytes) {
  using tolmer::Unit;
  struct Case {
    const char* text;
    float maximum;
    std::optional<Unit> too_large;
    tolmer::ByteRange number;
    float code;  // the export's answer when too large
  };
  const Case cases[] = {
      {"3 FT 6 IN", 0, std::nullopt, {}, 0},
      {"3 FT 6 IN", 100, std::nullopt, {}, 0},
      {"3 FT 250 IN", 100, Unit::Inches, {5, 8}, -6},
      {"AB 120 FT", 100, Unit::Feet, {3, 6}, -4},
      {"2 M 5 CM", 1, Unit::Meters, {0, 1}, -1},
      {"7 1/2 YD", 3, Unit::Yards, {0, 5}, -2},
  };
  Library library;
  INITIALIZEDLL();
  for (const Case& c : cases) {
    const tolmer::SeparatedReading r = library.read_separated(c.text, c.maximum);
    EXPECT_EQ(r.too_large, c.too_large) << c.text;
    int32_t first = -5, last = -5;
    const float exported = CONVERTTEXTSTRINGVALUETOINCHES(c.text, c.maximum, &first, &last);
    if (!c.too_large) {
      EXPECT_TRUE(r.ok());
      EXPECT_EQ(r.inches, exported) << c.text;
      EXPECT_EQ(first, -5);  // nothing written
      continue;
    }
    EXPECT_EQ(r.number, c.number) << c.text;
    EXPECT_EQ(r.inches, 0);
    EXPECT_EQ(exported, c.code) << c.text;
    // Positions the export found (the number not at the text's start)
    // are the same bytes counted from 1.
    if (first > 0) {
      EXPECT_EQ(static_cast<std::size_t>(first - 1), r.number.begin) << c.text;
      EXPECT_EQ(static_cast<std::size_t>(last), r.number.end) << c.text;
    }
  }
}

}  // namespace
