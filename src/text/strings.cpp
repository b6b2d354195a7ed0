#include "text/strings.h"

#include <array>

#include "frame/primitives.h"

namespace tolmer::inline v1 {

std::string reverse_bytes(std::string_view bytes) {
  return std::string(bytes.rbegin(), bytes.rend());
}

bool is_unsigned_decimal(std::string_view text) {
  int periods = 0;
  for (const char byte : text) {
    if (byte == '.') {
      if (++periods > 1) return false;
    } else if (!is_digit(byte)) {
      return false;
    }
  }
  return true;
}

int32_t first_contained_character(std::string_view text, std::string_view characters) {
  // Which byte values occur in the text, found in one pass; then the first
  // character of the set that is among them.
  std::array<bool, 256> present{};
  for (const char byte : text) present[static_cast<unsigned char>(byte)] = true;
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (present[static_cast<unsigned char>(characters[i])]) {
      // The set is a text argument of at most 33,554,432 bytes: i + 1 fits.
      return static_cast<int32_t>(i + 1);
    }
  }
  return 0;
}

}  // namespace tolmer
