// Extended precision for real arithmetic.
//
// The library computes its real intermediates in `long double` with a 64-bit
// mantissa and rounds to float or double where a value is stored. On x86 the
// x87 unit's precision control belongs to the caller: x86 Linux starts at 64
// bits, but Windows starts threads at 53 bits and a host may change it at any
// time. So every export that does real arithmetic holds an ExtendedPrecision
// guard for its duration, which sets 64-bit precision, round to nearest,
// exceptions masked (and the same rounding and masks for the SSE unit, which
// carries float and double arithmetic), and restores the caller's control
// words on return. Where long double is not the x87 format the guard does
// nothing.
#pragma once

#include <cstdint>

namespace tolmer {

#if (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__)
class ExtendedPrecision {
 public:
  ExtendedPrecision() {
    __asm__ __volatile__("fnstcw %0" : "=m"(saved_x87_) : : "memory");
    // Precision control 11 (64-bit), rounding 00 (nearest), all exceptions masked.
    const auto x87 = static_cast<std::uint16_t>((saved_x87_ & ~0x0F3Fu) | 0x033Fu);
    __asm__ __volatile__("fldcw %0" : : "m"(x87) : "memory");
#if defined(__SSE__)
    // float and double arithmetic in SSE registers: round to nearest, all
    // exceptions masked, no flushing of subnormals to zero.
    __asm__ __volatile__("stmxcsr %0" : "=m"(saved_sse_) : : "memory");
    const std::uint32_t sse = (saved_sse_ & ~0xFFC0u) | 0x1F80u;
    __asm__ __volatile__("ldmxcsr %0" : : "m"(sse) : "memory");
#endif
  }
  ~ExtendedPrecision() {
#if defined(__SSE__)
    __asm__ __volatile__("ldmxcsr %0" : : "m"(saved_sse_) : "memory");
#endif
    // Exceptions flagged inside stay inside: a caller that unmasked one must
    // not trap on its next instruction.
    __asm__ __volatile__("fnclex\n\tfldcw %0" : : "m"(saved_x87_) : "memory");
  }
  ExtendedPrecision(const ExtendedPrecision&) = delete;
  ExtendedPrecision& operator=(const ExtendedPrecision&) = delete;

 private:
  std::uint16_t saved_x87_ = 0;
#if defined(__SSE__)
  std::uint32_t saved_sse_ = 0;
#endif
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
