// Bit operations on 32-bit words and on byte-addressed bit strings.
//
// The word and byte operations are those of the C++ interface
// (tolmer/bits.h, one definition for both). A bit string here is the
// caller's memory read byte by byte: bit n is bit (n mod 8) of byte (n div
// 8), which for a little-endian 32-bit integer is bit n of the integer (n 0
// to 31), and larger n reach the bytes that follow. A negative bit number
// names no bit: it is never used to address memory.
#pragma once

#include <cstdint>

#include "tolmer/bits.h"

namespace tolmer::inline v1 {

using geometry::effective_bit_count;
using geometry::first_bit_set;
using geometry::shift_bits_left;
using geometry::shift_bits_right;
using geometry::total_bits_set;

// Bit n of the bit string at `target` (false for a negative n or a null
// target); clear, set or invert it (nothing for a negative n or null target).
bool examine_bit(const void* target, int32_t n);
void clear_bit(void* target, int32_t n);
void set_bit(void* target, int32_t n);
void toggle_bit(void* target, int32_t n);

// Rotates one byte by count mod 8 places.
[[nodiscard]] constexpr uint8_t rotate_byte_left(uint8_t byte, int32_t count) noexcept {
  return std::to_integer<uint8_t>(geometry::rotate_left(std::byte{byte}, count));
}
[[nodiscard]] constexpr uint8_t rotate_byte_right(uint8_t byte, int32_t count) noexcept {
  return std::to_integer<uint8_t>(geometry::rotate_right(std::byte{byte}, count));
}

}  // namespace tolmer::inline v1
