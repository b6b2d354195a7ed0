// Helpers for the text utility tests.
#pragma once

#include <string>

#include "frame/libstring.h"
#include "tolmerdll.h"

namespace text_test {

// The bytes of a LibString result, which is released.
inline std::string take(LibString result) {
  std::string bytes(tolmer::libstring_bytes(result));
  FREELIBSTRING(result);
  return bytes;
}

}  // namespace text_test
