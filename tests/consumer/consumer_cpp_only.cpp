// A C++ program that uses the C++ interface alone (the tolmerdll::tolmer
// target, or pkg-config tolmer): no C declaration reaches it, the version it
// was compiled against is the version it links, and the language standard
// is the program's own choice (CMake and pkg-config build it as C++23).
#include <cstdio>
#include <string>
#include <type_traits>

#include "tolmer/tolmer.h"

#if defined(TOLMERDLL_H) || defined(TOLMERDLL_HOST_H)
#error "a C++ interface header included a C interface header"
#endif

int main() {
  using namespace tolmer::literals;
  int failures = 0;
  auto expect = [&failures](bool ok, const char* what) {
    if (!ok) {
      std::printf("wrong: %s\n", what);
      ++failures;
    }
  };

  expect(tolmer::version() == tolmer::header_version, "tolmer::version() is the headers' version");
  const std::string expected_text = std::to_string(TOLMER_VERSION_MAJOR) + "." +
                                    std::to_string(TOLMER_VERSION_MINOR) + "." +
                                    std::to_string(TOLMER_VERSION_PATCH);
  expect(expected_text == tolmer::version_string(), "version_string() spells the version");
  expect(TOLMER_VERSION == TOLMER_VERSION_MAJOR * 10000 + TOLMER_VERSION_MINOR * 100 +
                               TOLMER_VERSION_PATCH,
         "TOLMER_VERSION orders versions");
  static_assert(std::is_same_v<tolmer::Length, tolmer::v1::Length>,
                "the interface lives in the inline namespace v1");
#ifdef TOLMER_EXPECT_CPP23
  expect(__cplusplus > 202002L, "compiled as the program asked (C++23), not as C++20");
#endif

  const tolmer::ParseResult reading = tolmer::parse_length("12' 6\"");
  expect(reading.ok() && reading.length == 12_ft + 6_in, "12' 6\" reads as 150 inches");

  std::printf("%s: version %s, C++ %ld\n", failures == 0 ? "ok" : "wrong", tolmer::version_string(),
              static_cast<long>(__cplusplus));
  return failures == 0 ? 0 : 1;
}
