// Bit operations on 32-bit words and on byte-addressed bit strings.
//
// Bit 0 is the least significant bit. A bit string is the caller's memory
// read byte by byte: bit n is bit (n mod 8) of byte (n div 8), which for a
// little-endian 32-bit integer is bit n of the integer (n 0 to 31), and larger
// n reach the bytes that follow. A negative bit number names no bit: it is
// never used to address memory.
#pragma once

#include <cstdint>

namespace tolmer::inline v1 {

// The bit count rule of the word operations: below 1 or above 32 means 32.
int32_t effective_bit_count(int32_t count);

// The number of set bits among bits 0 to count - 1.
int32_t total_bits_set(int32_t value, int32_t count);

// The first set bit from `start` to count - 1, or -1 (also when start is
// beyond count - 1). A negative start begins at bit 0.
int32_t first_bit_set(int32_t value, int32_t start, int32_t count);

// Bit n of the bit string at `target` (false for a negative n or a null
// target); clear, set or invert it (nothing for a negative n or null target).
bool examine_bit(const void* target, int32_t n);
void clear_bit(void* target, int32_t n);
void set_bit(void* target, int32_t n);
void toggle_bit(void* target, int32_t n);

// Shifts by count mod 32 places (a count of 0 or 32 leaves the value);
// the right shift is logical: zeros enter at the top.
int32_t shift_bits_left(int32_t value, int32_t count);
int32_t shift_bits_right(int32_t value, int32_t count);

// Rotates one byte by count mod 8 places.
uint8_t rotate_byte_left(uint8_t byte, int32_t count);
uint8_t rotate_byte_right(uint8_t byte, int32_t count);

}  // namespace tolmer
