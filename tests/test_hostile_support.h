// Helpers of the hostile-input suite: the inputs callers get wrong, and the
// record of which exports the suite calls.
#pragma once

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "c_abi/libstring.h"
#include "c_abi/process.h"
#include "tolmerdll.h"

namespace hostile {

// The exports the suite calls, registered before main() runs.
inline std::set<std::string>& covered() {
  static std::set<std::string> names;
  return names;
}
inline bool cover(const char* name) {
  covered().insert(name);
  return true;
}

// The most bytes of a text argument that are read.
inline constexpr std::size_t kCap = 33'554'432;

// A text longer than the cap: kCap bytes of `fill`, then bytes that must
// never be read (",/\\_#T": a comma, a slash, a backslash...), then the NUL. One buffer shared by the suite,
// refilled on demand.
inline const char* long_text(char fill) {
  static std::vector<char> bytes;
  static char current = 0;
  if (bytes.empty()) {
    bytes.assign(kCap + 7, '\0');
    std::memcpy(bytes.data() + kCap, ",/\\_#T", 6);
  }
  if (current != fill) {
    std::memset(bytes.data(), fill, kCap);
    current = fill;
  }
  return bytes.data();
}

// Every byte 1 to 255 once, in order.
inline std::string all_bytes() {
  std::string text;
  for (int b = 1; b <= 255; ++b) text += static_cast<char>(b);
  return text;
}

// The bytes of a LibString result, checked (count, NUL after it) and released.
inline std::string take(LibString handle) {
  if (handle == nullptr) return {};
  uint32_t count = 0;
  std::memcpy(&count, handle - 4, 4);
  EXPECT_GT(count, 0u) << "an empty result must be the null handle";
  EXPECT_EQ(handle[count], '\0');
  std::string bytes(tolmer::libstring_bytes(handle));
  EXPECT_EQ(bytes.size(), count);
  FREELIBSTRING(handle);
  return bytes;
}

inline constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline constexpr double kDenormal = std::numeric_limits<double>::denorm_min();
inline constexpr float kNaNf = std::numeric_limits<float>::quiet_NaN();
inline constexpr float kInff = std::numeric_limits<float>::infinity();
inline constexpr float kDenormalf = std::numeric_limits<float>::denorm_min();
inline constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
inline constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Integers callers get wrong.
inline const std::vector<int32_t>& bad_integers() {
  static const std::vector<int32_t> values = {kMin, kMin + 1, -1000000, -2, -1, kMax - 1, kMax, 1000000};
  return values;
}
// Doubles callers get wrong.
inline const std::vector<double>& bad_doubles() {
  static const std::vector<double> values = {kNaN, -kNaN, kInf, -kInf, kDenormal, -kDenormal, -0.0, DBL_MAX, -DBL_MAX,
                                             1e300, -1e300, 4294967296.0, -2147483649.0};
  return values;
}
// Singles callers get wrong.
inline const std::vector<float>& bad_singles() {
  static const std::vector<float> values = {kNaNf, -kNaNf, kInff, -kInff, kDenormalf, -kDenormalf, -0.0f, FLT_MAX,
                                            -FLT_MAX, 1e30f, -1e30f, 4294967296.0f};
  return values;
}

// Process state for one test: the library freshly loaded and initialised,
// the host defaults (whatever the test before changed).
inline void fresh_library() {
  SETHOSTSERVICES(nullptr);
  tolmer::state() = tolmer::State{};
  INITIALIZEDLL();
}
class Hostile : public ::testing::Test {
 protected:
  void SetUp() override { fresh_library(); }
  void TearDown() override { fresh_library(); }
};

}  // namespace hostile

// A hostile-input test of one export: registers the export as covered.
#define HOSTILE_TEST(family, NAME)                                              \
  static const bool hostile_covers_##NAME [[maybe_unused]] = ::hostile::cover(#NAME); \
  TEST_F(family, NAME)
