#include "geometry/bits.h"

#include <bit>
#include <cstddef>

namespace tolmer::inline v1 {

namespace {

// The mask of bits 0 to count - 1 (count 1 to 32).
uint32_t low_bits(int32_t count) {
  return count >= 32 ? 0xFFFFFFFFu : (uint32_t{1} << count) - 1u;
}

// The byte holding bit n and the bit's mask in it (n >= 0).
std::size_t byte_of(int32_t n) { return static_cast<std::size_t>(n) / 8u; }
unsigned char mask_of(int32_t n) { return static_cast<unsigned char>(1u << (n % 8)); }

}  // namespace

int32_t effective_bit_count(int32_t count) { return count < 1 || count > 32 ? 32 : count; }

int32_t total_bits_set(int32_t value, int32_t count) {
  const uint32_t bits = static_cast<uint32_t>(value) & low_bits(effective_bit_count(count));
  return std::popcount(bits);
}

int32_t first_bit_set(int32_t value, int32_t start, int32_t count) {
  const int32_t end = effective_bit_count(count);  // one past the last bit examined
  if (start < 0) start = 0;
  const uint32_t bits = static_cast<uint32_t>(value);
  for (int32_t n = start; n < end; ++n) {
    if ((bits >> n) & 1u) return n;
  }
  return -1;
}

bool examine_bit(const void* target, int32_t n) {
  if (target == nullptr || n < 0) return false;
  return (static_cast<const unsigned char*>(target)[byte_of(n)] & mask_of(n)) != 0;
}

void clear_bit(void* target, int32_t n) {
  if (target == nullptr || n < 0) return;
  unsigned char& byte = static_cast<unsigned char*>(target)[byte_of(n)];
  byte = static_cast<unsigned char>(byte & ~mask_of(n));
}

void set_bit(void* target, int32_t n) {
  if (target == nullptr || n < 0) return;
  unsigned char& byte = static_cast<unsigned char*>(target)[byte_of(n)];
  byte = static_cast<unsigned char>(byte | mask_of(n));
}

void toggle_bit(void* target, int32_t n) {
  if (target == nullptr || n < 0) return;
  unsigned char& byte = static_cast<unsigned char*>(target)[byte_of(n)];
  byte = static_cast<unsigned char>(byte ^ mask_of(n));
}

int32_t shift_bits_left(int32_t value, int32_t count) {
  const unsigned places = static_cast<uint32_t>(count) & 31u;
  return static_cast<int32_t>(static_cast<uint32_t>(value) << places);
}

int32_t shift_bits_right(int32_t value, int32_t count) {
  const unsigned places = static_cast<uint32_t>(count) & 31u;
  return static_cast<int32_t>(static_cast<uint32_t>(value) >> places);
}

uint8_t rotate_byte_left(uint8_t byte, int32_t count) {
  return std::rotl(byte, static_cast<int>(static_cast<uint32_t>(count) & 7u));
}

uint8_t rotate_byte_right(uint8_t byte, int32_t count) {
  return std::rotr(byte, static_cast<int>(static_cast<uint32_t>(count) & 7u));
}

}  // namespace tolmer
