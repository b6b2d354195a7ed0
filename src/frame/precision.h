// Extended precision for real arithmetic.
//
// The library computes its real intermediates in `long double` with a 64-bit
// mantissa and rounds to float or double where a value is stored. On x86
// Linux the x87 unit runs at 64-bit precision already; on Windows the host
// may have set the precision control to 53 bits, so every export that does
// real arithmetic holds an ExtendedPrecision guard for its duration, which
// sets 64-bit precision, round to nearest, exceptions masked, and restores the
// caller's control word on return.
#pragma once

#include <cstdint>

namespace tolmer {

#if defined(_WIN32) && (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__)
class ExtendedPrecision {
 public:
  ExtendedPrecision() {
    __asm__ __volatile__("fnstcw %0" : "=m"(saved_));
    // Precision control 11 (64-bit), rounding 00 (nearest), all exceptions masked.
    std::uint16_t wanted = static_cast<std::uint16_t>((saved_ & ~0x0F3Fu) | 0x033Fu);
    __asm__ __volatile__("fldcw %0" : : "m"(wanted));
  }
  ~ExtendedPrecision() { __asm__ __volatile__("fldcw %0" : : "m"(saved_)); }
  ExtendedPrecision(const ExtendedPrecision&) = delete;
  ExtendedPrecision& operator=(const ExtendedPrecision&) = delete;

 private:
  std::uint16_t saved_ = 0;
};
#else
class ExtendedPrecision {
 public:
  // The x87 unit already runs at 64-bit precision here (or long double is
  // the platform's widest type): nothing to set. The user-provided members
  // keep a guard that does nothing from being reported as unused.
  ExtendedPrecision() {}
  ~ExtendedPrecision() {}
  ExtendedPrecision(const ExtendedPrecision&) = delete;
  ExtendedPrecision& operator=(const ExtendedPrecision&) = delete;
};
#endif

}  // namespace tolmer
