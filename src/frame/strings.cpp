// String helpers: trimming, upper-casing, searching and substrings.
#include "frame/primitives.h"

#include <array>

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace tolmer::inline v1 {

// ----------------------------------------------------------------- texts

std::string_view trim_left(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view trim_right(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string_view trim(std::string_view text) { return trim_right(trim_left(text)); }

#if defined(_WIN32)
// The system's ANSI upper-casing (the code page of the process).
unsigned char upper_byte(unsigned char byte) {
  char c = static_cast<char>(byte);
  CharUpperBuffA(&c, 1);
  return static_cast<unsigned char>(c);
}

void to_upper_in_place(std::string& text) {
  constexpr std::size_t kPiece = std::size_t{1} << 30;  // counted by a DWORD
  for (std::size_t at = 0; at < text.size(); at += kPiece) {
    const std::size_t length = text.size() - at < kPiece ? text.size() - at : kPiece;
    CharUpperBuffA(text.data() + at, static_cast<DWORD>(length));
  }
}
#else
namespace {
constexpr std::array<unsigned char, 256> make_upper_table() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) table[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b);
  for (int b = 'a'; b <= 'z'; ++b) table[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b - 32);
  for (int b = 0xE0; b <= 0xFE; ++b) {
    if (b != 0xF7) table[static_cast<std::size_t>(b)] = static_cast<unsigned char>(b - 0x20);
  }
  table[0x9A] = 0x8A;
  table[0x9C] = 0x8C;
  table[0x9E] = 0x8E;
  table[0xFF] = 0x9F;
  return table;
}
constexpr std::array<unsigned char, 256> kUpper = make_upper_table();
}  // namespace

unsigned char upper_byte(unsigned char byte) { return kUpper[byte]; }

void to_upper_in_place(std::string& text) {
  for (char& c : text) c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
}
#endif

std::string to_upper(std::string_view text) {
  std::string out(text);
  to_upper_in_place(out);
  return out;
}

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::size_t find(std::string_view text, std::string_view pattern, int64_t start) {
  if (start <= 0 || text.empty()) return 0;
  const auto from = static_cast<uint64_t>(start - 1);
  if (from > text.size()) return 0;
  if (pattern.empty()) return static_cast<std::size_t>(start);
  const std::size_t at = text.find(pattern, static_cast<std::size_t>(from));
  return at == std::string_view::npos ? 0 : at + 1;
}

std::size_t find_last(std::string_view text, std::string_view pattern) {
  if (text.empty() || pattern.empty()) return 0;
  const std::size_t at = text.rfind(pattern);
  return at == std::string_view::npos ? 0 : at + 1;
}

std::string_view mid(std::string_view text, int64_t start, int64_t count) {
  if (start == 0 || count == 0 || text.empty()) return {};
  const auto size = static_cast<int64_t>(text.size());
  if (start < 0) {
    start = size + start + 1;
    if (start < 1) start = 1;
  }
  if (start > size) return {};
  const int64_t available = size - start + 1;
  const int64_t take = count < 0 || count > available ? available : count;
  return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(take));
}

std::string_view left(std::string_view text, int64_t count) {
  if (count <= 0) return {};
  return text.substr(0, static_cast<uint64_t>(count) < text.size() ? static_cast<std::size_t>(count) : text.size());
}

std::string_view right(std::string_view text, int64_t count) {
  if (count <= 0) return {};
  if (static_cast<uint64_t>(count) >= text.size()) return text;
  return text.substr(text.size() - static_cast<std::size_t>(count));
}

int32_t char_code_at(std::string_view text, int64_t position) {
  if (position < 1 || static_cast<uint64_t>(position) > text.size()) return -1;
  return static_cast<unsigned char>(text[static_cast<std::size_t>(position - 1)]);
}

}  // namespace tolmer
