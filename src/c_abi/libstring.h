// Counted byte strings handed across the C interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tolmerdll.h"

namespace tolmer::inline v1 {

// Makes a new LibString holding `bytes` (the null handle for no bytes).
// Ownership passes to the caller. Returns null if memory cannot be had.
LibString make_libstring(std::string_view bytes);

// Makes a new LibString of `count` zero bytes (the null handle for 0).
// Returns null if memory cannot be had.
LibString make_zeroed_libstring(std::size_t count);

// Releases a LibString made by make_libstring (null is fine).
void free_libstring(LibString handle);

// The bytes of a LibString the caller passes by value (the count is read
// from the four bytes before the handle; null reads as empty).
std::string_view libstring_bytes(LibString handle);

}  // namespace tolmer
