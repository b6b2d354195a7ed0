// Text utilities: fields by position, delimited lists, string helpers. Views
// in, std::string out. Positions are 1-based; delimiters follow the rules of
// the matching exports in tolmerdll.h.
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tolmer::inline v1::text {

std::size_t field_count(std::string_view text, std::string_view delimiter);
std::string_view field(std::string_view text, int64_t position, std::string_view delimiter);
double field_value(std::string_view text, int64_t position, std::string_view delimiter);
// The list with field `position` replaced by `part`; nothing for a position
// of 0 or less.
std::optional<std::string> replace_field(std::string_view list, int64_t position,
                                         std::string_view part, std::string_view delimiter);

// The delimiter the list functions below use: `delimiter`, or "," when it is
// empty.
std::string_view effective_delimiter(std::string_view delimiter);

std::string join(std::span<const std::string_view> items, std::string_view delimiter);
std::string join(std::span<const int32_t> values, std::string_view delimiter);
std::string add_to_list(std::string_view list, std::string_view item, std::string_view delimiter);
// The 1-based position of `item` in the list (0 when absent).
int32_t find_in_list(std::string_view list, std::string_view item, std::string_view delimiter,
                     bool keep_spaces, bool match_case);
// The list without field `position`, nothing when there is no such field.
std::optional<std::string> remove_from_list(std::string_view list, int64_t position,
                                            std::string_view delimiter);
// The same, with the list kept when there is no such field: the fields other
// than `position` are joined again either way (so empty fields at the front
// vanish), and `removed` says whether `position` named a field (1 to the
// field count).
struct ListRemoval {
  std::string list;
  bool removed = false;
};
ListRemoval list_without(std::string_view list, int64_t position, std::string_view delimiter);
// The index of `value` among values[first..], nothing when absent.
std::optional<int32_t> index_of(int32_t value, std::span<const int32_t> values,
                                int32_t first = 0);

std::string reverse(std::string_view text);
std::string_view strip_blanks(std::string_view text);
bool is_numeric(std::string_view text);
// The 1-based position, within `characters`, of the first of its bytes that
// occurs in `text` (the order of `characters` decides); 0 when none does.
int32_t first_of(std::string_view text, std::string_view characters);

}  // namespace tolmer::text
