// The decimal digit test of the whole library: the bytes '0' to '9', whatever
// the locale.
#pragma once

namespace tolmer::inline v1 {

[[nodiscard]] constexpr bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

}  // namespace tolmer
