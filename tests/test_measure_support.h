// Helpers shared by the measurement tests.
#pragma once

#include <string>
#include <vector>

#include "frame/libstring.h"
#include "tolmerdll.h"

namespace tolmer::testing {

// The bytes of a LibString result, which is released.
inline std::string take(LibString handle) {
  std::string bytes(tolmer::libstring_bytes(handle));
  FREELIBSTRING(handle);
  return bytes;
}

// A caller's text buffer holding `text`, its NUL, and `spare` bytes of 'X'
// after the NUL (to see what an export writes past the text).
inline std::vector<char> buffer_with(const std::string& text, std::size_t spare = 0) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  buffer.insert(buffer.end(), spare, 'X');
  return buffer;
}

}  // namespace tolmer::testing
