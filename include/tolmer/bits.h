// Bit operations on 32-bit words, bytes and byte strings, usable in constant
// expressions.
//
// Bit 0 is the least significant bit. A word operation looks at bits 0 to
// count - 1, where a count below 1 or above 32 means 32. A shift or rotation
// takes its count modulo the width (32 for a word, 8 for a byte), so a
// negative or large count is never undefined. A bit string is a span of
// bytes: bit n is bit (n mod 8) of byte (n div 8); a bit outside the span
// (also a negative n) reads as 0 and is not written.
#pragma once

#include "tolmer/version.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tolmer::inline v1::geometry {

// The count a word operation uses: below 1 or above 32 means 32.
[[nodiscard]] constexpr int32_t effective_bit_count(int32_t count) noexcept {
  return count < 1 || count > 32 ? 32 : count;
}

// The number of set bits among bits 0 to count - 1.
[[nodiscard]] constexpr int32_t total_bits_set(int32_t value, int32_t count) noexcept {
  const int32_t n = effective_bit_count(count);
  const uint32_t mask = n == 32 ? 0xFFFFFFFFu : (uint32_t{1} << n) - 1u;
  return std::popcount(static_cast<uint32_t>(value) & mask);
}

// The first set bit from `start` (a negative start begins at bit 0) to
// count - 1; -1 when there is none.
[[nodiscard]] constexpr int32_t first_bit_set(int32_t value, int32_t start, int32_t count) noexcept {
  const int32_t end = effective_bit_count(count);
  for (int32_t n = start < 0 ? 0 : start; n < end; ++n) {
    if ((static_cast<uint32_t>(value) >> n) & 1u) return n;
  }
  return -1;
}

// value shifted by count mod 32 places; the right shift is logical (zeros
// enter at the top).
[[nodiscard]] constexpr int32_t shift_bits_left(int32_t value, int32_t count) noexcept {
  return static_cast<int32_t>(static_cast<uint32_t>(value) << (static_cast<uint32_t>(count) & 31u));
}
[[nodiscard]] constexpr int32_t shift_bits_right(int32_t value, int32_t count) noexcept {
  return static_cast<int32_t>(static_cast<uint32_t>(value) >> (static_cast<uint32_t>(count) & 31u));
}

// A byte rotated by count mod 8 places.
[[nodiscard]] constexpr std::byte rotate_left(std::byte value, int32_t count) noexcept {
  return std::byte{std::rotl(std::to_integer<uint8_t>(value),
                             static_cast<int>(static_cast<uint32_t>(count) & 7u))};
}
[[nodiscard]] constexpr std::byte rotate_right(std::byte value, int32_t count) noexcept {
  return std::byte{std::rotr(std::to_integer<uint8_t>(value),
                             static_cast<int>(static_cast<uint32_t>(count) & 7u))};
}

// Whether `bit` names a bit of the string.
[[nodiscard]] constexpr bool has_bit(std::span<const std::byte> bits, int32_t bit) noexcept {
  return bit >= 0 && static_cast<std::size_t>(bit) / 8u < bits.size();
}

namespace detail {
constexpr std::byte bit_mask(int32_t bit) noexcept {
  return std::byte{static_cast<uint8_t>(1u << (static_cast<uint32_t>(bit) % 8u))};
}
}  // namespace detail

// Bit `bit` of the string (false outside it).
[[nodiscard]] constexpr bool examine_bit(std::span<const std::byte> bits, int32_t bit) noexcept {
  return has_bit(bits, bit) &&
         (bits[static_cast<std::size_t>(bit) / 8u] & detail::bit_mask(bit)) != std::byte{0};
}
// Clears, sets or inverts bit `bit` (nothing outside the string).
constexpr void clear_bit(std::span<std::byte> bits, int32_t bit) noexcept {
  if (has_bit(bits, bit)) bits[static_cast<std::size_t>(bit) / 8u] &= ~detail::bit_mask(bit);
}
constexpr void set_bit(std::span<std::byte> bits, int32_t bit) noexcept {
  if (has_bit(bits, bit)) bits[static_cast<std::size_t>(bit) / 8u] |= detail::bit_mask(bit);
}
constexpr void toggle_bit(std::span<std::byte> bits, int32_t bit) noexcept {
  if (has_bit(bits, bit)) bits[static_cast<std::size_t>(bit) / 8u] ^= detail::bit_mask(bit);
}

}  // namespace tolmer::inline v1::geometry
