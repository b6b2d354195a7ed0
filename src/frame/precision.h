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

namespace tolmer::inline v1 {

#if (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__)
class ExtendedPrecision {
 public:
  // Reading a control word is cheap and writing one is costly (the write
  // serialises the unit), so each word is written only when it differs from
  // what the guard needs, and restored only when it was changed.
  ExtendedPrecision() {
    __asm__ __volatile__("fnstcw %0" : "=m"(saved_x87_) : : "memory");
    // Precision control 11 (64-bit), rounding 00 (nearest), all exceptions masked.
    const auto x87 = static_cast<std::uint16_t>((saved_x87_ & ~0x0F3Fu) | 0x033Fu);
    if (x87 != saved_x87_) __asm__ __volatile__("fldcw %0" : : "m"(x87) : "memory");
#if defined(__SSE__)
    // float and double arithmetic in SSE registers: round to nearest, all
    // exceptions masked, no flushing of subnormals to zero.
    __asm__ __volatile__("stmxcsr %0" : "=m"(saved_sse_) : : "memory");
    const std::uint32_t sse = (saved_sse_ & ~0xFFC0u) | 0x1F80u;
    if (sse != saved_sse_) __asm__ __volatile__("ldmxcsr %0" : : "m"(sse) : "memory");
#endif
  }
  ~ExtendedPrecision() {
#if defined(__SSE__)
    // The caller's whole register comes back, its exception flags included.
    std::uint32_t now = 0;
    __asm__ __volatile__("stmxcsr %0" : "=m"(now) : : "memory");
    if (now != saved_sse_) __asm__ __volatile__("ldmxcsr %0" : : "m"(saved_sse_) : "memory");
#endif
    // Exceptions flagged inside stay inside: a caller that unmasked one must
    // not trap on its next instruction. The x87 flags (status word bits 0-7
    // and busy) are cleared when any is set, with one exception: a lone
    // precision (inexact) flag, which nearly every x87 operation raises, is
    // left set when the caller's control word masks it, as the caller's own
    // arithmetic would leave it. Clearing it (fnclex) would cost more than
    // the arithmetic of a formatted length; left set it cannot trap.
    std::uint16_t status = 0;
    __asm__ __volatile__("fnstsw %0" : "=a"(status) : : "memory");
    const auto inexact_kept = static_cast<std::uint16_t>(saved_x87_ & 0x0020u);
    if ((status & 0x80FFu & ~inexact_kept) != 0) __asm__ __volatile__("fnclex" : : : "memory");
    std::uint16_t control = 0;
    __asm__ __volatile__("fnstcw %0" : "=m"(control) : : "memory");
    if (control != saved_x87_) __asm__ __volatile__("fldcw %0" : : "m"(saved_x87_) : "memory");
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
