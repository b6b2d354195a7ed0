// The C interface called from eight threads at once: every result must be
// one that some sequential order of the same calls gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "c_abi/process.h"
#include "host/random.h"
#include "test_support.h"
#include "tolmer/library.h"
#include "tolmerdll.h"

namespace {

using test_support::take;

constexpr int kThreads = 8;

// Runs body(t) on kThreads threads released together.
void run_together(const std::function<void(int)>& body) {
  std::atomic<int> ready{0};
  std::vector<std::thread> threads;
  threads.reserve(kThreads);
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      ready.fetch_add(1);
      while (ready.load() < kThreads) std::this_thread::yield();
      body(t);
    });
  }
  for (std::thread& thread : threads) thread.join();
}

class Threads : public ::testing::Test {
 protected:
  void SetUp() override {
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
    GTEST_SKIP() << "this WebAssembly build has no threads";
#endif
    saved_seed_ = tolmer::state().seed;
    INITIALIZEDLL();
  }
  void TearDown() override {
    SETHOSTSERVICES(nullptr);
    tolmer::state().seed = saved_seed_;
    INITIALIZEDLL();
  }
  uint32_t saved_seed_ = 0;
};

TEST_F(Threads, TemporaryArrayAppendsAreNeitherLostNorDoubled) {
  constexpr int kEach = 300;
  std::vector<std::vector<int32_t>> indices(kThreads);
  run_together([&](int t) {
    for (int i = 0; i < kEach; ++i) {
      const std::string text = "t" + std::to_string(t) + "-" + std::to_string(i);
      indices[t].push_back(ACCESSTEMPSTRINGARRAY(1, text.c_str()));
      // Searches and reads meanwhile see whole entries.
      const int32_t found = ACCESSTEMPSTRINGARRAY(0, text.c_str());
      EXPECT_EQ(take(READTEMPSTRINGARRAY(found)), text);
    }
  });
  std::set<int32_t> all;
  for (int t = 0; t < kThreads; ++t) {
    for (int i = 0; i < kEach; ++i) {
      const int32_t index = indices[t][i];
      EXPECT_TRUE(all.insert(index).second) << "index " << index << " given twice";
      EXPECT_EQ(take(READTEMPSTRINGARRAY(index)), "t" + std::to_string(t) + "-" + std::to_string(i));
    }
  }
  EXPECT_EQ(ACCESSTEMPSTRINGARRAY(-2, nullptr), kThreads * kEach);
  EXPECT_EQ(*all.begin(), 1);
  EXPECT_EQ(*all.rbegin(), kThreads * kEach);
}

TEST_F(Threads, RandomDrawsAreTheSequenceSharedOut) {
  constexpr int kEach = 2000;
  constexpr uint32_t kSeed = 0x12345678u;
  tolmer::state().seed = kSeed;
  std::vector<std::vector<int32_t>> drawn(kThreads);
  run_together([&](int t) {
    for (int i = 0; i < kEach; ++i) drawn[t].push_back(GETRANDOMLONGVALUE());
  });
  // The same number of draws made one after another by a separate generator.
  tolmer::RandomState sequential;
  sequential.seed = kSeed;
  std::vector<int32_t> expected;
  for (int i = 0; i < kThreads * kEach; ++i) expected.push_back(tolmer::random_long_value(sequential));
  std::vector<int32_t> got;
  for (const auto& d : drawn) got.insert(got.end(), d.begin(), d.end());
  std::sort(got.begin(), got.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(got, expected);  // no draw repeated, none lost
  EXPECT_EQ(tolmer::state().seed.load(), sequential.seed.load());
}

TEST_F(Threads, UniqueRecordIdsAvoidTheGivenArrayUnderContention) {
  const std::vector<int32_t> existing = {10000, 10001, 10002};
  run_together([&](int) {
    for (int i = 0; i < 500; ++i) {
      const int32_t id = GETUNIQUERECORDID(existing.data(), 2);
      EXPECT_GE(id, 10000);
      EXPECT_EQ(std::count(existing.begin(), existing.end(), id), 0);
    }
  });
}

TEST_F(Threads, PaperRecordsAreReadWhole) {
  // Writers store records whose every field carries the writer's number;
  // readers must never see fields of two writers in one record.
  constexpr int kRounds = 400;
  constexpr int32_t kIndex = 30;
  run_together([&](int t) {
    for (int i = 0; i < kRounds; ++i) {
      if (t % 2 == 0) {
        const auto v = static_cast<float>(t + 1);
        const std::string name = "Writer " + std::to_string(t);
        SETPAPERINFOITEM(kIndex, name.c_str(), v, v, v, v, v, v);
      } else {
        char name[32] = {};
        float w = -1, h = -1, top = -1, bottom = -1, left = -1, right = -1;
        GETPAPERINFOITEM(kIndex, name, &w, &h, &top, &bottom, &left, &right);
        EXPECT_TRUE(w == h && h == top && top == bottom && bottom == left && left == right)
            << w << " " << h << " " << top << " " << bottom << " " << left << " " << right;
        if (w > 0) {
          EXPECT_EQ(std::string(name), "Writer " + std::to_string(static_cast<int>(w) - 1));
        } else {
          EXPECT_EQ(std::string(name), "");  // the blank initial record
        }
        // A lookup by name runs meanwhile over the whole table: the record
        // still holds that name, or another writer's by now.
        const int32_t found = GETPAPERINDEXFROMPAPERNAME(name);
        if (w > 0) {
          EXPECT_TRUE(found == kIndex || found == -1) << found;
        } else {
          EXPECT_EQ(found, 27);  // the first blank record
        }
      }
    }
  });
}

TEST_F(Threads, InitialisationRacesReadersWithoutTearingTables) {
  const float letter_width = GETPAPERINFOWIDTH(0, 1);
  const float scale = GETSCALERATIOVALUE(0, 1, 11);
  ASSERT_EQ(letter_width, 8.5f);
  ASSERT_EQ(scale, 768.0f);
  run_together([&](int t) {
    for (int i = 0; i < 300; ++i) {
      if (t == 0) {
        INITIALIZEDLL();
      } else if (t == 1) {
        SETCONVERSIONDECIMALPLACES(i % 2, i);
      } else {
        EXPECT_EQ(GETPAPERINFOWIDTH(0, 1), letter_width);
        EXPECT_EQ(GETSCALERATIOVALUE(0, 1, 11), scale);
        EXPECT_EQ(GETINDEXFORSCALERATIOVALUES(1, 1, 1000), 11);
        EXPECT_EQ(GETPAPERINDEXFROMPAPERSIZE(0, 11.0f, 8.5f, nullptr), 0);
        EXPECT_GE(ACCESSTEMPSTRINGARRAY(-2, nullptr), 0);
        EXPECT_EQ(take(READTEMPSTRINGARRAY(0)), "");
        EXPECT_EQ(INCHESTOMILLIMETERS(1.0), 25.399999618530273);
      }
    }
  });
}

TEST_F(Threads, FormattingAndReadingAgreeWithOneThread) {
  const std::string expected = take(GETFORMATEDTEXTFROMINCHES(0, 6, 0, 150.5, 16, 0));
  const std::string metric = take(GETFORMATEDTEXTFROMINCHES(1, 1, 1, 98.4252, 3, 0));
  ASSERT_EQ(expected, "12' 6 1/2\"");
  run_together([&](int) {
    for (int i = 0; i < 500; ++i) {
      EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(0, 6, 0, 150.5, 16, 0)), expected);
      EXPECT_EQ(take(GETFORMATEDTEXTFROMINCHES(1, 1, 1, 98.4252, 3, 0)), metric);
      EXPECT_EQ(CONVERTTEXTSTRINGVALUETOINCHES("12 ' 6 1/2 \"", 0, nullptr, nullptr), 150.5f);
    }
  });
}

// Host services replaced while other threads call through them: each call
// goes to one whole table. Each callback answers "down" only with its own
// table's context, so a callback paired with the other table's context (a
// torn table) answers "up".
int32_t context_a = 0;
int32_t context_b = 0;
int32_t key_a(void* context, int32_t) { return context == &context_a ? 0x8000 : 0; }
int32_t key_b(void* context, int32_t) { return context == &context_b ? 0x8000 : 0; }

TEST_F(Threads, HostServicesAreSwappedWhole) {
  TolmerHostServices a{};
  a.size = sizeof a;
  a.context = &context_a;
  a.async_key_state = key_a;
  TolmerHostServices b = a;
  b.context = &context_b;
  b.async_key_state = key_b;
  SETHOSTSERVICES(&a);
  run_together([&](int t) {
    for (int i = 0; i < 500; ++i) {
      if (t == 0) {
        SETHOSTSERVICES(i % 2 == 0 ? &b : &a);
      } else {
        EXPECT_EQ(GETKEYSTATE(65), 1);
      }
    }
  });
}

}  // namespace
