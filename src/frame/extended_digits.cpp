// Exact decimal digits of an extended value.
#include <bit>
#include <cstdint>

#include "frame/extended.h"

namespace tolmer::inline v1 {

// ------------------------------------------------------------ decimal digits

namespace {

// A non-negative integer of up to kLimbs 32-bit digits, least significant
// first: enough for 2^16446 * 10^20 and for 64-bit values * 10^4952.
class Big {
 public:
  static constexpr int kLimbs = 540;

  void set(uint64_t v) {
    size_ = 0;
    while (v != 0) {
      limb_[size_++] = static_cast<uint32_t>(v);
      v >>= 32;
    }
  }
  void shift_left(int bits) {
    if (size_ == 0 || bits == 0) return;
    const int words = bits / 32, rest = bits % 32;
    if (rest != 0) {
      uint32_t carry = 0;
      for (int i = 0; i < size_; ++i) {
        const uint32_t v = limb_[i];
        limb_[i] = (v << rest) | carry;
        carry = v >> (32 - rest);
      }
      if (carry != 0) limb_[size_++] = carry;
    }
    if (words != 0) {
      for (int i = size_ - 1; i >= 0; --i) limb_[i + words] = limb_[i];
      for (int i = 0; i < words; ++i) limb_[i] = 0;
      size_ += words;
    }
  }
  void multiply(uint32_t f) {
    uint64_t carry = 0;
    for (int i = 0; i < size_; ++i) {
      const uint64_t v = static_cast<uint64_t>(limb_[i]) * f + carry;
      limb_[i] = static_cast<uint32_t>(v);
      carry = v >> 32;
    }
    if (carry != 0) limb_[size_++] = static_cast<uint32_t>(carry);
  }
  void multiply_power_of_ten(int n) {
    for (; n >= 9; n -= 9) multiply(1000000000u);
    static constexpr uint32_t kSmall[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
    if (n > 0) multiply(kSmall[n]);
  }
  void copy_from(const Big& other) {
    size_ = other.size_;
    for (int i = 0; i < size_; ++i) limb_[i] = other.limb_[i];
  }
  friend int compare(const Big& a, const Big& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (int i = a.size_ - 1; i >= 0; --i) {
      if (a.limb_[i] != b.limb_[i]) return a.limb_[i] < b.limb_[i] ? -1 : 1;
    }
    return 0;
  }
  void subtract(const Big& b) {  // *this >= b
    int64_t borrow = 0;
    for (int i = 0; i < size_; ++i) {
      int64_t v = static_cast<int64_t>(limb_[i]) - borrow - (i < b.size_ ? b.limb_[i] : 0);
      borrow = v < 0 ? 1 : 0;
      if (v < 0) v += int64_t{1} << 32;
      limb_[i] = static_cast<uint32_t>(v);
    }
    while (size_ > 0 && limb_[size_ - 1] == 0) --size_;
  }
  bool zero() const { return size_ == 0; }

 private:
  // Only limb_[0, size_) is ever read; the rest is left uninitialised so that
  // a conversion does not clear 6 KiB it mostly does not use.
  uint32_t limb_[kLimbs + 2];
  int size_ = 0;
};

}  // namespace

void decimal_digits(const Extended& x, int count, char* digits, int& exponent) {
  if (count < 1) count = 1;
  if (count > 19) count = 19;
  if (x.significand() == 0) {  // not a finite non-zero value: no digits to give
    for (int i = 0; i < count; ++i) digits[i] = '0';
    exponent = 0;
    return;
  }
  // |x| = m * 2^e with bit 63 of m set.
  const int biased = x.sign_exponent() & ExtendedTraits::kExponentMask;
  const int shift = std::countl_zero(x.significand());
  const struct {
    uint64_t m;
    int e;
  } u{x.significand() << shift, ExtendedTraits::lowest_bit_exponent(biased) - shift};
  // |x| = r / s with r = m * 2^max(e, 0), s = 2^max(-e, 0).
  Big r, s;
  r.set(u.m);
  s.set(1);
  if (u.e >= 0) {
    r.shift_left(u.e);
  } else {
    s.shift_left(-u.e);
  }
  // Decimal exponent estimate: floor(log10(2) * (e + 63)), off by at most one.
  const long binary = static_cast<long>(u.e) + 63;  // |x| in [2^binary, 2^(binary+1))
  int k = static_cast<int>((binary * 78913L) >> 18);  // 78913 / 2^18 ~ log10(2), floors correctly
  if (k >= 0) {
    s.multiply_power_of_ten(k);
  } else {
    r.multiply_power_of_ten(-k);
  }
  // Now r / s ~ |x| / 10^k; bring it into [1, 10).
  if (compare(r, s) < 0) {
    r.multiply(10);
    --k;
  }
  {
    Big ten_s;
    ten_s.copy_from(s);
    ten_s.multiply(10);
    if (compare(r, ten_s) >= 0) {
      s.copy_from(ten_s);
      ++k;
    }
  }
  exponent = k;
  for (int i = 0; i < count; ++i) {
    int d = 0;
    while (compare(r, s) >= 0) {
      r.subtract(s);
      ++d;
    }
    digits[i] = static_cast<char>('0' + d);
    if (i + 1 < count) r.multiply(10);
  }
  // Round the last digit: compare the remainder with half of s.
  r.shift_left(1);
  const int c = r.zero() ? -1 : compare(r, s);
  const bool up = c > 0 || (c == 0 && ((digits[count - 1] - '0') & 1) != 0);
  if (up) {
    int i = count - 1;
    for (; i >= 0; --i) {
      if (digits[i] == '9') {
        digits[i] = '0';
      } else {
        ++digits[i];
        break;
      }
    }
    if (i < 0) {
      digits[0] = '1';
      ++exponent;
    }
  }
}

}  // namespace tolmer
