// Text utilities: fields by index, delimited lists, string helpers. Views in,
// std::string out; delimiters follow the rules of the matching exports in
// tolmerdll.h.
//
// Indices are 0-based std::size_t: field 0 is the first field. An index at or
// past the field count names no field: `field` gives the empty view,
// `field_value` 0, and `replace_field` / `remove_from_list` nothing.
//
// The functions that return a view into their text argument (`field`,
// `strip_blanks`, `effective_delimiter`) do not accept a temporary
// std::string: the view would dangle. Call them on a named string, or keep
// the result as a std::string.
#pragma once

#include "tolmer/version.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tolmer/lifetime.h"

namespace tolmer::inline v1::text {

// The number of fields (at least 1: an empty text is one empty field).
[[nodiscard]] std::size_t field_count(std::string_view text, std::string_view delimiter) noexcept;
// Field `index` (0-based), a view into `text`; empty past the last field.
[[nodiscard]] std::string_view field(std::string_view text TOLMER_LIFETIME_BOUND, std::size_t index,
                                     std::string_view delimiter) noexcept;
template <class S>
  requires detail::string_rvalue<S>
std::string_view field(S&& text, std::size_t index, std::string_view delimiter) = delete;
// Field `index` read as a number; 0 past the last field, and for an empty or
// non-numeric field.
[[nodiscard]] double field_value(std::string_view text, std::size_t index, std::string_view delimiter);
// The list with field `index` replaced by `part`; nothing past the last field.
[[nodiscard]] std::optional<std::string> replace_field(std::string_view list, std::size_t index,
                                                       std::string_view part,
                                                       std::string_view delimiter);

// The delimiter the list functions below use: `delimiter`, or "," when it is
// empty (a view into `delimiter` or into a constant).
[[nodiscard]] std::string_view effective_delimiter(
    std::string_view delimiter TOLMER_LIFETIME_BOUND) noexcept;
template <class S>
  requires detail::string_rvalue<S>
std::string_view effective_delimiter(S&& delimiter) = delete;

[[nodiscard]] std::string join(std::span<const std::string_view> items, std::string_view delimiter);
[[nodiscard]] std::string join(std::span<const int32_t> values, std::string_view delimiter);
[[nodiscard]] std::string add_to_list(std::string_view list, std::string_view item,
                                      std::string_view delimiter);
// The 0-based index of the first field equal to `item`; nothing when absent.
[[nodiscard]] std::optional<std::size_t> find_in_list(std::string_view list, std::string_view item,
                                                      std::string_view delimiter, bool keep_spaces,
                                                      bool match_case);
// The list without field `index`; nothing past the last field.
[[nodiscard]] std::optional<std::string> remove_from_list(std::string_view list, std::size_t index,
                                                          std::string_view delimiter);
// The same, with the list kept when there is no such field: the fields other
// than `index` are joined again either way (so empty fields at the front
// vanish), and `removed` says whether `index` named a field (below the field
// count).
struct ListRemoval {
  std::string list;
  bool removed = false;
};
[[nodiscard]] ListRemoval list_without(std::string_view list, std::size_t index,
                                       std::string_view delimiter);
// The index of the first `value` among values[first], values[first + 1], ...;
// nothing when absent (and when `first` is at or past the end).
[[nodiscard]] std::optional<std::size_t> index_of(int32_t value, std::span<const int32_t> values,
                                                  std::size_t first = 0) noexcept;

[[nodiscard]] std::string reverse(std::string_view text);
// `text` without leading and trailing spaces, a view into it.
[[nodiscard]] std::string_view strip_blanks(std::string_view text TOLMER_LIFETIME_BOUND) noexcept;
template <class S>
  requires detail::string_rvalue<S>
std::string_view strip_blanks(S&& text) = delete;
// Whether every byte is a decimal digit or a period, with at most one period
// (no sign, exponent or blank; the empty text and a lone period pass).
[[nodiscard]] bool is_numeric(std::string_view text) noexcept;
// The 0-based index, within `characters`, of the first of its bytes that
// occurs in `text` (the order of `characters` decides); nothing when none
// does.
[[nodiscard]] std::optional<std::size_t> first_of(std::string_view text,
                                                  std::string_view characters) noexcept;

}  // namespace tolmer::inline v1::text
