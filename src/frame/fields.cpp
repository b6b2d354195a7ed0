// Fields: splitting a text at a delimiter or by the default comma rule.
#include "frame/primitives.h"

#include <algorithm>
#include <cstring>

namespace tolmer {

// ----------------------------------------------------------------- fields

namespace {

// The occurrences of byte `c` in the `n` bytes at `p`, by comparison: blocks
// of 64 bytes are counted into one byte each, which compilers turn into
// vector compares.
std::size_t count_byte_by_compare(const char* p, std::size_t n, char c) {
  std::size_t count = 0;
  while (n >= 64) {
    unsigned char block = 0;
    for (int i = 0; i < 64; ++i) block = static_cast<unsigned char>(block + (p[i] == c ? 1 : 0));
    count += block;
    p += 64;
    n -= 64;
  }
  for (; n > 0; --n) count += *p++ == c ? 1 : 0;
  return count;
}

// The occurrences of byte `c` in `text`. Long stretches without it are
// skipped by memchr; where it occurs densely (two within 64 bytes) the next
// 2 KiB are counted by comparison instead of one memchr call per occurrence.
std::size_t count_byte(std::string_view text, char c) {
  constexpr std::ptrdiff_t kDenseGap = 64;
  constexpr std::size_t kDenseBlock = 2048;
  std::size_t count = 0;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    const void* found = std::memchr(p, c, static_cast<std::size_t>(end - p));
    if (found == nullptr) break;
    const char* hit = static_cast<const char*>(found);
    ++count;
    const bool dense = hit - p < kDenseGap;
    p = hit + 1;
    if (dense) {
      const std::size_t block = std::min(kDenseBlock, static_cast<std::size_t>(end - p));
      count += count_byte_by_compare(p, block, c);
      p += block;
    }
  }
  return count;
}

// The 0-based offset just after occurrence number `nth` (1 or more) of byte
// `c` in `text`, or npos. Found as count_byte counts: memchr between sparse
// occurrences, whole 64-byte blocks counted and skipped between dense ones.
std::size_t after_occurrence(std::string_view text, char c, std::size_t nth) {
  constexpr std::ptrdiff_t kDenseGap = 64;
  constexpr std::size_t kDenseBlocks = 32;
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  const char* p = begin;
  while (p < end) {
    const void* found = std::memchr(p, c, static_cast<std::size_t>(end - p));
    if (found == nullptr) break;
    const char* hit = static_cast<const char*>(found);
    if (--nth == 0) return static_cast<std::size_t>(hit + 1 - begin);
    const bool dense = hit - p < kDenseGap;
    p = hit + 1;
    if (dense) {
      for (std::size_t b = 0; b < kDenseBlocks && end - p >= 64; ++b) {
        const std::size_t in_block = count_byte_by_compare(p, 64, c);
        if (in_block >= nth) break;  // the wanted one is in this block
        nth -= in_block;
        p += 64;
      }
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::size_t field_count(std::string_view text, std::string_view delimiter) {
  if (delimiter.empty()) return 1;
  if (delimiter.size() == 1) return 1 + count_byte(text, delimiter[0]);
  std::size_t count = 1;
  std::size_t at = 0;
  while ((at = text.find(delimiter, at)) != std::string_view::npos) {
    ++count;
    at += delimiter.size();
  }
  return count;
}

std::string_view field(std::string_view text, std::string_view delimiter, int64_t k) {
  if (k == 0) return {};
  if (delimiter.empty()) return k == 1 || k == -1 ? text : std::string_view{};
  if (k < 0) {
    const auto count = static_cast<int64_t>(field_count(text, delimiter));
    k = count + k + 1;
    if (k < 1) return {};
  }
  std::size_t begin = 0;
  if (delimiter.size() == 1) {
    if (k > 1) {
      begin = after_occurrence(text, delimiter[0], static_cast<uint64_t>(k - 1));
      if (begin == std::string_view::npos) return {};
    }
  } else {
    for (int64_t i = 1; i < k; ++i) {
      const std::size_t at = text.find(delimiter, begin);
      if (at == std::string_view::npos) return {};
      begin = at + delimiter.size();
    }
  }
  const std::size_t end = text.find(delimiter, begin);
  return text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

namespace {

// Reads the default-rule field that starts at `begin`; sets `next` to the
// position after its separating comma, or npos when it is the last field.
std::string_view scan_default_field(std::string_view text, std::size_t begin, std::size_t& next) {
  std::size_t i = begin;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string_view content;
  std::size_t after = i;
  if (i < text.size() && text[i] == '"') {
    const std::size_t close = text.find('"', i + 1);
    if (close == std::string_view::npos) {
      content = text.substr(i + 1);
      next = std::string_view::npos;
      return content;
    }
    content = text.substr(i + 1, close - i - 1);
    after = close + 1;
    const std::size_t comma = text.find(',', after);
    next = comma == std::string_view::npos ? std::string_view::npos : comma + 1;
    return content;
  }
  const std::size_t comma = text.find(',', after);
  if (comma == std::string_view::npos) {
    next = std::string_view::npos;
    return text.substr(i);
  }
  next = comma + 1;
  return text.substr(i, comma - i);
}

}  // namespace

std::size_t default_field_count(std::string_view text) {
  std::size_t count = 1;
  std::size_t next = 0;
  std::size_t begin = 0;
  for (;;) {
    scan_default_field(text, begin, next);
    if (next == std::string_view::npos) return count;
    ++count;
    begin = next;
  }
}

std::string_view default_field(std::string_view text, int64_t k) {
  if (k == 0) return {};
  if (k < 0) {
    k = static_cast<int64_t>(default_field_count(text)) + k + 1;
    if (k < 1) return {};
  }
  std::size_t begin = 0;
  std::size_t next = 0;
  for (int64_t i = 1;; ++i) {
    const std::string_view content = scan_default_field(text, begin, next);
    if (i == k) return content;
    if (next == std::string_view::npos) return {};
    begin = next;
  }
}

}  // namespace tolmer
