// The printf/strtod fallback of the real/decimal conversions (used where the
// standard library has no floating-point to_chars/from_chars) against the
// standard library's conversions: the same texts, ends, values and errors.
// Checked where the C library is glibc's; the fallback is built only with
// standard libraries that lack the conversions (emscripten's).
#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include "frame/charconv.h"

#if defined(__cpp_lib_to_chars) && defined(__GLIBC__)

namespace {

TEST(CharconvFallback, ScientificTextMatchesToChars) {
  for (std::uint64_t i = 0; i < 40000; ++i) {
    // Positive doubles from the smallest subnormal to the largest finite.
    const std::uint64_t bits = (i * 0x0001A2B3C4D5E6F7ull) % 0x7FF0000000000000ull + 1;
    const double value = tolmer::bits_cast<double>(bits);
    for (int precision : {0, 1, 2, 5, 12, 15, 16, 17}) {
      char expected[128], actual[128];
      const auto e = std::to_chars(expected, expected + sizeof expected, value, std::chars_format::scientific,
                                   precision);
      const auto a = tolmer::charconv_fallback::to_chars_scientific(actual, actual + sizeof actual, value,
                                                                    precision);
      ASSERT_EQ(a.ec, e.ec);
      ASSERT_EQ(std::string(actual, a.ptr), std::string(expected, e.ptr)) << bits << " " << precision;
    }
    const long double extended = static_cast<long double>(value) / 3;
    char expected[128], actual[128];
    const auto e = std::to_chars(expected, expected + sizeof expected, extended, std::chars_format::scientific, 17);
    const auto a = tolmer::charconv_fallback::to_chars_scientific(actual, actual + sizeof actual, extended, 17);
    ASSERT_EQ(std::string(actual, a.ptr), std::string(expected, e.ptr)) << bits;
  }
}

TEST(CharconvFallback, ReadingMatchesFromChars) {
  std::vector<std::string> texts = {"0",     "5",     ".5",       "5.",      "12e",     "12e+",     "12E-3x",
                                    "1e400", "1e-400", "4.9e-324", "2.2250738585072011e-308", "1.7976931348623157e308",
                                    "1.7976931348623159e308", ".",  "e5",      "0x1p3",   "12.34.5",  "123456789012345678901234567890"};
  for (int i = 0; i < 20000; ++i) {
    texts.push_back(std::to_string(i * 7919 % 100003) + "." + std::to_string(i % 997) + "e" +
                    std::to_string(i % 700 - 350));
  }
  for (const std::string& text : texts) {
    const char* first = text.data();
    const char* last = first + text.size();
    double expected = -1.0, actual = -1.0;
    const auto e = std::from_chars(first, last, expected, std::chars_format::general);
    const auto a = tolmer::charconv_fallback::from_chars_general(first, last, actual);
    EXPECT_EQ(a.ec, e.ec) << text;
    EXPECT_EQ(a.ptr - first, e.ptr - first) << text;
    EXPECT_EQ(tolmer::bits_cast<std::uint64_t>(actual), tolmer::bits_cast<std::uint64_t>(expected)) << text;
  }
}

}  // namespace

#endif
