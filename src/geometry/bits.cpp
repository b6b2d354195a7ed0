#include "geometry/bits.h"

#include <cstddef>
#include <span>

namespace tolmer::inline v1 {

namespace {

// The bytes of the caller's string through the one holding bit n (n >= 0).
std::span<std::byte> through_bit(void* target, int32_t n) {
  return {static_cast<std::byte*>(target), static_cast<std::size_t>(n) / 8u + 1u};
}
std::span<const std::byte> through_bit(const void* target, int32_t n) {
  return {static_cast<const std::byte*>(target), static_cast<std::size_t>(n) / 8u + 1u};
}

}  // namespace

bool examine_bit(const void* target, int32_t n) {
  if (target == nullptr || n < 0) return false;
  return geometry::examine_bit(through_bit(target, n), n);
}

void clear_bit(void* target, int32_t n) {
  if (target == nullptr || n < 0) return;
  geometry::clear_bit(through_bit(target, n), n);
}

void set_bit(void* target, int32_t n) {
  if (target == nullptr || n < 0) return;
  geometry::set_bit(through_bit(target, n), n);
}

void toggle_bit(void* target, int32_t n) {
  if (target == nullptr || n < 0) return;
  geometry::toggle_bit(through_bit(target, n), n);
}

}  // namespace tolmer::inline v1
