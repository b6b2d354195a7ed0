// Helpers shared by the test files.
#pragma once

#include <string>

#include "frame/libstring.h"
#include "tolmerdll.h"

namespace test_support {

// The bytes of a LibString result (count-based, so NUL bytes survive); the
// result is released.
inline std::string take(LibString result) {
  std::string bytes(tolmer::libstring_bytes(result));
  FREELIBSTRING(result);
  return bytes;
}

}  // namespace test_support
