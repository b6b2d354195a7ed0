// Small text helpers: reversing, the unsigned decimal test and the search for
// any character of a set. (Trimming is the frame's trim.)
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolmer::inline v1 {

// The bytes in reverse order; every byte counts, NUL bytes included.
std::string reverse_bytes(std::string_view bytes);

// True when every byte is a decimal digit or a period and there is at most one
// period. No sign, exponent, blank or separator; the empty text and a lone
// period pass.
bool is_unsigned_decimal(std::string_view text);

// The 1-based position, within `characters`, of the first of its bytes that
// occurs anywhere in `text`; 0 when none does (or either is empty). The order
// of `characters` decides, not the order in `text`. Runs in time linear in
// the two lengths.
int32_t first_contained_character(std::string_view text, std::string_view characters);

}  // namespace tolmer
