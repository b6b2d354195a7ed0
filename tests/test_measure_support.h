// Helpers shared by the measurement tests.
#pragma once

#include <string>
#include <vector>

#include "c_abi/libstring.h"
#include "tolmerdll.h"
#include "test_support.h"

namespace tolmer::inline v1::testing {

// The bytes of a LibString result, which is released.
using test_support::take;

// A caller's text buffer holding `text`, its NUL, and `spare` bytes of 'X'
// after the NUL (to see what an export writes past the text).
inline std::vector<char> buffer_with(const std::string& text, std::size_t spare = 0) {
  std::vector<char> buffer(text.begin(), text.end());
  buffer.push_back('\0');
  buffer.insert(buffer.end(), spare, 'X');
  return buffer;
}

}  // namespace tolmer::testing
