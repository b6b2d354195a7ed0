// Delimited lists: texts of items joined by a delimiter, and integer arrays.
//
// A list's delimiter is a whole text (all of its bytes match, in order). A
// list splits into the fields between non-overlapping occurrences of the
// delimiter found from the left, so its field count is the number of
// occurrences plus 1 and an empty list has one empty field. Every operation
// here walks a list once: its cost is linear in the list's length.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tolmer::inline v1 {

// The delimiter used where the caller gives none.
inline constexpr std::string_view kDefaultDelimiter = ",";

// The delimiter an operation uses: `delimiter`, or "," when it is empty.
std::string_view effective_delimiter(std::string_view delimiter);

// The joining rule: appends `item` to `list`, preceded by `delimiter` only when
// `list` is not empty (so empty items at the front leave no trace, and an
// empty item after a non-empty one leaves a trailing delimiter).
void append_joined(std::string& list, std::string_view item, std::string_view delimiter);

// The non-empty items joined in order; empty items are left out altogether.
std::string join_nonempty(std::span<const std::string_view> items, std::string_view delimiter);

// The integers as plain decimal text ("-" before a negative value, no blank),
// joined by the joining rule. The catalog's code strings use the one-byte
// delimiter "\xFF".
std::string join_integers(std::span<const int32_t> values, std::string_view delimiter);

// `list` with `item` appended by the joining rule.
std::string add_to_list(std::string_view list, std::string_view item, std::string_view delimiter);

// The 1-based number of the first field of `list` equal to `item`, or 0.
// Unless `match_case`, the list, the item and the delimiter are upper-cased
// first; unless `keep_spaces`, the item and every field are
// compared with their leading and trailing spaces removed. An empty delimiter
// never occurs, so the whole list is then one field.
int32_t find_in_list(std::string_view list, std::string_view item, std::string_view delimiter,
                     bool keep_spaces, bool match_case);

// The list without the field numbered `position`, the other fields joined by
// the joining rule (so empty fields at the front vanish), and whether
// `position` named a field (1 to the field count). The result is never longer
// than `list`.
struct ListRemoval {
  std::string list;
  bool removed = false;
};
ListRemoval remove_from_list(std::string_view list, int64_t position, std::string_view delimiter);

// The smallest index i from `first` to `last` (inclusive) with elements[i] ==
// value, or -1 (also when first > last or `elements` is null). `elements`
// addresses the array's element 0: indices below 0 are not examined, and the
// caller guarantees that elements 0 to `last` exist.
int32_t is_value_in_long_array(int32_t value, const int32_t* elements, int32_t last, int32_t first);

}  // namespace tolmer
