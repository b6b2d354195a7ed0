#include "text/delimited.h"

#include <algorithm>

#include "frame/primitives.h"
#include "text/fields.h"

namespace tolmer::inline v1 {

namespace {

// Calls visit(field, number) for fields 1, 2, ... of `text` in one pass, until
// visit returns false or the last field has been visited. The delimiter is a
// whole text (an empty one never occurs: the text is one field).
template <class Visit>
void for_each_field(std::string_view text, std::string_view delimiter, Visit&& visit) {
  FieldScanner scanner(text, FieldDelimiter::text(delimiter));
  FieldSpan span;
  for (std::size_t number = 1; scanner.next(span); ++number) {
    if (!visit(text.substr(span.raw_begin, span.raw_end - span.raw_begin), number)) return;
  }
}

}  // namespace

std::string_view effective_delimiter(std::string_view delimiter) {
  return delimiter.empty() ? kDefaultDelimiter : delimiter;
}

void append_joined(std::string& list, std::string_view item, std::string_view delimiter) {
  if (!list.empty()) list += delimiter;
  list += item;
}

std::string join_nonempty(std::span<const std::string_view> items, std::string_view delimiter) {
  std::string list;
  for (std::string_view item : items) {
    if (!item.empty()) append_joined(list, item, delimiter);
  }
  return list;
}

std::string join_integers(std::span<const int32_t> values, std::string_view delimiter) {
  std::string list;
  for (int32_t value : values) {
    if (!list.empty()) list += delimiter;
    append_number(list, value, kDoubleDigits, NumberForm::Plain);
  }
  return list;
}

std::string add_to_list(std::string_view list, std::string_view item, std::string_view delimiter) {
  std::string result(list);
  append_joined(result, item, delimiter);
  return result;
}

int32_t find_in_list(std::string_view list, std::string_view item, std::string_view delimiter,
                     bool keep_spaces, bool match_case) {
  std::string upper_list;
  std::string upper_item;
  std::string upper_delimiter;
  if (!match_case) {
    // The delimiter with them, so that it still splits the upper-cased list.
    upper_list = to_upper(list);
    upper_item = to_upper(item);
    upper_delimiter = to_upper(delimiter);
    list = upper_list;
    item = upper_item;
    delimiter = upper_delimiter;
  }
  if (!keep_spaces) item = trim(item);
  int32_t found = 0;
  for_each_field(list, delimiter, [&](std::string_view field, std::size_t number) {
    if (!keep_spaces) field = trim(field);
    if (field != item) return true;
    found = static_cast<int32_t>(std::min<std::size_t>(number, INT32_MAX));
    return false;
  });
  return found;
}

ListRemoval remove_from_list(std::string_view list, int64_t position, std::string_view delimiter) {
  ListRemoval result;
  result.list.reserve(list.size());
  for_each_field(list, delimiter, [&](std::string_view field, std::size_t number) {
    if (position > 0 && static_cast<uint64_t>(position) == number) {
      result.removed = true;
    } else {
      append_joined(result.list, field, delimiter);
    }
    return true;
  });
  return result;
}

int32_t is_value_in_long_array(int32_t value, const int32_t* elements, int32_t last, int32_t first) {
  if (elements == nullptr) return -1;
  for (int64_t i = std::max<int64_t>(first, 0); i <= last; ++i) {
    if (elements[i] == value) return static_cast<int32_t>(i);
  }
  return -1;
}

}  // namespace tolmer
