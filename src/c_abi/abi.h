// The conversion between C arguments and the C++ core, in one place.
//
// Every export converts its arguments with these helpers, so the rules of
// the interface hold everywhere: null text reads as empty, text is read up to
// its NUL or the cap, null references read as 0 and are never written, null
// buffers are never written, and results become new LibStrings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "c_abi/libstring.h"
#include "frame/precision.h"
#include "measure/parse.h"
#include "tolmer/types.h"
#include "tolmerdll.h"

namespace tolmer::inline v1::abi {

// The most bytes of a text argument that are read.
inline constexpr std::size_t kTextCap = 33'554'432;

// A text argument as a view: up to its first NUL or kTextCap bytes; null is
// empty. The view aliases the caller's memory: copy it (text()) when the
// export also writes to a buffer that may overlap.
inline std::string_view text_view(const char* text) {
  if (text == nullptr) return {};
  // strnlen reads no further than the first NUL (memchr with the cap as its
  // bound draws -Wstringop-overread from GCC when a short literal is inlined).
  return {text, strnlen(text, kTextCap)};
}

// A text argument read in consecutive pieces as its end is found: `piece` is
// called with views that together make text_view(text), none for an empty
// or null text. Each piece is handed over while it is still in the
// processor's cache, so work done on it needs no second trip to memory, as
// it would after a whole text_view of a long text.
template <class Piece>
inline void for_each_text_piece(const char* text, Piece piece) {
  if (text == nullptr) return;
  constexpr std::size_t kPiece = 64 * 1024;
  std::size_t offset = 0;
  while (offset < kTextCap) {
    const std::size_t length = kTextCap - offset < kPiece ? kTextCap - offset : kPiece;
    const void* nul = std::memchr(text + offset, '\0', length);
    const std::size_t end =
        nul == nullptr ? offset + length : static_cast<std::size_t>(static_cast<const char*>(nul) - text);
    if (end > offset) piece(std::string_view(text + offset, end - offset));
    if (nul != nullptr) return;
    offset = end;
  }
}

// A text argument copied before use.
inline std::string text(const char* text) { return std::string(text_view(text)); }

// A reference argument read (null reads as 0).
template <class T>
inline T read(const T* reference) {
  return reference == nullptr ? T{} : *reference;
}

// A value written through a reference (nothing is written through null).
template <class T>
inline void write(T* reference, T value) {
  if (reference != nullptr) *reference = value;
}

// A result written into a caller's text buffer with its NUL (not through null).
inline void write_buffer(char* buffer, std::string_view bytes) {
  if (buffer == nullptr) return;
  if (!bytes.empty()) std::memmove(buffer, bytes.data(), bytes.size());
  buffer[bytes.size()] = '\0';
}

// A text buffer rewritten in place as its trimmed (spaces only), upper-cased
// form, moved to the start: text[0, length) is rewritten and the new length
// returned (never more than `length`); bytes after it are left as they were.
std::size_t trim_and_upper_in_place(char* text, std::size_t length);

// A unit argument: unit `code` of `system` (Metric when 1, English
// otherwise); nothing for a code that names no unit of that system.
inline std::optional<Unit> unit(int32_t system, int32_t code) {
  if (system == static_cast<int32_t>(System::Metric)) {
    if (code < 0 || code > 3) return std::nullopt;
    return static_cast<Unit>(static_cast<int32_t>(Unit::Meters) + code);
  }
  if (code < 0 || code > 2) return std::nullopt;
  return static_cast<Unit>(code);
}

// A conversion target argument: 0 feet, 1 metres, nothing for any other code.
inline std::optional<Unit> conversion_target(int32_t target) {
  if (target == 0) return Unit::Feet;
  if (target == 1) return Unit::Meters;
  return std::nullopt;
}

// A rectangle argument (null reads as all zeros).
inline Rect rect(const DoubleRect* r) {
  const DoubleRect given = read(r);
  return Rect{given.x1, given.y1, given.x2, given.y2};
}

// A new LibString result.
inline LibString result(std::string_view bytes) { return make_libstring(bytes); }

// A LibString argument passed by value.
inline std::string_view libstring(LibString handle) { return libstring_bytes(handle); }

// A conversion's length; with a number over its maximum, the negative code
// of its unit (-1 metres, -2 yards, -3 decimetres, -4 feet, -5 centimetres,
// -6 inches, -7 millimetres), and the number's 1-based positions in the
// prepared text written through start and end (each when not null; 0 for a
// position not found).
inline float reading(const Conversion& c, int32_t* start, int32_t* end) {
  if (c.ok()) return c.inches;
  write(start, c.number.start.value_or(0));
  write(end, c.number.end.value_or(0));
  switch (c.unit) {
    case Unit::Meters: return -1;
    case Unit::Yards: return -2;
    case Unit::Decimeters: return -3;
    case Unit::Feet: return -4;
    case Unit::Centimeters: return -5;
    case Unit::Inches: return -6;
    case Unit::Millimeters: return -7;
  }
  return 0;
}

// The one guard of every export. The body runs with the extended precision
// the arithmetic needs (ExtendedPrecision: the caller's floating-point
// control words are restored on return), and no exception leaves it: when
// the body throws (memory that cannot be had is the only case), the export
// answers `empty` (0, 0.0 or the null handle) and writes nothing more. Every
// export writes its buffers and references only after the allocations of its
// answer, so a failed call leaves them as they were.
template <class Result, class Body>
inline Result guarded(Result empty, Body&& body) noexcept {
  try {
    const ExtendedPrecision precision;
    return body();
  } catch (...) {
    return empty;
  }
}
template <class Body>
inline void guarded(Body&& body) noexcept {
  try {
    const ExtendedPrecision precision;
    body();
  } catch (...) {
  }
}

}  // namespace tolmer::abi

// Declares an export's definition: `TOLMER_EXPORT(int32_t) NAME(args) { ... }`.
#define TOLMER_EXPORT(type) extern "C" TOLMER_API type TOLMER_CALL
