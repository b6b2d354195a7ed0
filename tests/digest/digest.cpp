// The digest program (main.cpp): a large, fixed set of export calls over every family that
// computes with reals, reduced to one running hash per family.
//
// Every argument is built from integers by exact operations only: reals are
// integers scaled by powers of two, bit patterns walked by integer steps, or
// the correctly rounded quotient of two integers computed here in integer
// arithmetic (ratio below); texts are integers written in decimal by this
// program. So the inputs are the same bits on every platform, and two runs on
// different platforms must print the same output.
//
// Each call's results (integers, the bits of reals, the bytes of strings and
// of the buffers and references the export writes) are fed into a 64-bit
// FNV-1a hash of its family. Output: one line per family, "family calls
// hash", then "total calls hash". Exit status 0.
//
// This file: the hashing and the inputs.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "digest.h"

namespace digest {

Family* current = nullptr;

// ------------------------------------------------------------------ hashing

void feed(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) {
    current->hash = (current->hash ^ bytes[i]) * 0x100000001b3ull;
    if (current->dump) {
      static const char digits[] = "0123456789abcdef";
      current->line += digits[bytes[i] >> 4];
      current->line += digits[bytes[i] & 15];
    }
  }
}

// Little-endian bytes of an integer, whatever the platform's order.
void put_u64(std::uint64_t value, int bytes) {
  unsigned char out[8];
  for (int i = 0; i < bytes; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
  feed(out, static_cast<std::size_t>(bytes));
}
void put(std::int32_t value) { put_u64(static_cast<std::uint32_t>(value), 4); }
void put(float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  put_u64(bits, 4);
}
void put(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  put_u64(bits, 8);
}
// A NUL-terminated buffer: its length and bytes.
void put_text(const char* text) {
  const std::size_t length = std::strlen(text);
  put(static_cast<std::int32_t>(length));
  feed(text, length);
}
// A LibString result: its count and bytes; then released.
void put(LibString handle) {
  std::int32_t count = 0;
  if (handle != nullptr) std::memcpy(&count, handle - 4, sizeof count);
  put(count);
  if (count > 0) feed(handle, static_cast<std::size_t>(count));
  FREELIBSTRING(handle);
}

// Ends one call of the current family.
void done() {
  if (current->dump) {
    std::printf("%s %llu %s\n", current->name, static_cast<unsigned long long>(current->calls),
                current->line.c_str());
    current->line.clear();
  }
  ++current->calls;
}

// ------------------------------------------------------------------- inputs

// The real nearest p / q (q > 0), ties to even, with `bits` significant bits
// (53 double, 24 single), computed by long division in integers: the same
// bits on every platform. Results stay in the normal range here.
static double ratio_bits(std::int64_t p, std::int64_t q, int bits) {
  if (p == 0) return 0.0;
  const bool negative = p < 0;
  std::uint64_t n = static_cast<std::uint64_t>(negative ? -p : p);
  std::uint64_t d = static_cast<std::uint64_t>(q);
  int exponent = 0;  // n / d in [1, 2) times 2^exponent
  while (n >= 2 * d) {
    d <<= 1;
    ++exponent;
  }
  while (n < d) {
    n <<= 1;
    --exponent;
  }
  std::uint64_t mantissa = 0;
  for (int i = 0; i < bits; ++i) {
    mantissa <<= 1;
    if (n >= d) {
      mantissa |= 1;
      n -= d;
    }
    n <<= 1;
  }
  // n is now twice the remainder: compare it with d for the rounding.
  if (n > d || (n == d && (mantissa & 1) != 0)) {
    ++mantissa;
    if (mantissa == (std::uint64_t{1} << bits)) {
      mantissa >>= 1;
      ++exponent;
    }
  }
  const double value = std::ldexp(static_cast<double>(mantissa), exponent - (bits - 1));
  return negative ? -value : value;
}
double dratio(std::int64_t p, std::int64_t q) { return ratio_bits(p, q, 53); }
float fratio(std::int64_t p, std::int64_t q) {
  return static_cast<float>(ratio_bits(p, q, 24));  // exact: 24 bits fit a single
}
float fbits(std::uint32_t bits) {
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}
double dbits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}
std::uint32_t bits_of(float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}
std::uint64_t bits_of(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

std::string dec(long long value) { return std::to_string(value); }

std::int64_t spread(std::int64_t i, std::int64_t n) { return (i * 7919) % n; }

}  // namespace digest

