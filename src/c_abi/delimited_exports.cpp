// Delimited lists and integer arrays: the exports.
#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "c_abi/abi.h"
#include "text/delimited.h"

namespace {

// An operation that defaults its delimiter writes the default back into the
// caller's buffer (2 bytes) when the delimiter given is empty.
void write_back_default(std::string_view given, char* buffer) {
  if (given.empty()) tolmer::abi::write_buffer(buffer, tolmer::effective_delimiter(given));
}

// The elements 0 to the upper bound of a descriptor that exist in its array.
std::span<const int32_t> described_elements(const TolmerLongArray* array) {
  if (array == nullptr || (array->flags & TOLMER_LONG_ARRAY_HAS_STORAGE) == 0 ||
      array->elements == nullptr) {
    return {};
  }
  const int64_t lower = array->lower_bound;
  const int64_t first = std::max<int64_t>(lower, 0);
  const int64_t upper = array->upper_bound;
  if (upper < first) return {};
  return {array->elements + (first - lower), static_cast<std::size_t>(upper - first + 1)};
}

}  // namespace

TOLMER_EXPORT(LibString)
CREATEDELIMITEDSTRING(char* delimiter, const char* item1, const char* item2, const char* item3,
                      const char* item4, const char* item5, const char* item6, const char* item7,
                      const char* item8, const char* item9, const char* item10) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    namespace abi = tolmer::abi;
    const std::array<std::string, 10> items = {
        abi::text(item1), abi::text(item2), abi::text(item3), abi::text(item4), abi::text(item5),
        abi::text(item6), abi::text(item7), abi::text(item8), abi::text(item9), abi::text(item10)};
    const std::string delim = abi::text(delimiter);
    std::array<std::string_view, 10> views;
    std::copy(items.begin(), items.end(), views.begin());
    const std::string joined = tolmer::join_nonempty(std::span<const std::string_view>(views),
                                                     tolmer::effective_delimiter(delim));
    write_back_default(delim, delimiter);
    return abi::result(joined);
  });
}

TOLMER_EXPORT(LibString) ADDTODELIMITEDSTRING(char* list, const char* item, char* delimiter) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    namespace abi = tolmer::abi;
    // The new list is built from the caller's texts before anything is written
    // back, so the list itself need not be copied first (only the short item
    // and delimiter are).
    const std::string given_item = abi::text(item);
    const std::string given_delimiter = abi::text(delimiter);
    const std::string_view given_list = abi::text_view(list);
    const std::size_t list_size = given_list.size();
    const std::string joined = tolmer::add_to_list(given_list, given_item, tolmer::effective_delimiter(given_delimiter));
    write_back_default(given_delimiter, delimiter);
    // The list buffer becomes the list followed by the delimiter: the start of
    // the joined list.
    const std::size_t delimiter_size = tolmer::effective_delimiter(given_delimiter).size();
    if (list_size != 0) abi::write_buffer(list, std::string_view(joined).substr(0, list_size + delimiter_size));
    return abi::result(joined);
  });
}

TOLMER_EXPORT(int32_t)
ISSTRINGINDELIMITEDSTRING(const char* list, const char* item, char* delimiter, int32_t keep_spaces,
                          int32_t match_case) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    namespace abi = tolmer::abi;
    const std::string given_list = abi::text(list);
    const std::string given_item = abi::text(item);
    const std::string delim = abi::text(delimiter);
    const int32_t found = tolmer::find_in_list(given_list, given_item, tolmer::effective_delimiter(delim),
                                               keep_spaces != 0, match_case != 0);
    write_back_default(delim, delimiter);
    return found;
  });
}

TOLMER_EXPORT(int32_t)
REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(char* list, int32_t position, const char* delimiter) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    namespace abi = tolmer::abi;
    const std::string given_list = abi::text(list);
    const tolmer::ListRemoval removal = tolmer::remove_from_list(
        given_list, position, tolmer::effective_delimiter(abi::text_view(delimiter)));
    abi::write_buffer(list, removal.list);
    return removal.removed ? 1 : 0;
  });
}

TOLMER_EXPORT(LibString)
CREATEDELIMITEDSTRINGFROMLONGARRAY(char* delimiter, const TolmerLongArray* array) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    namespace abi = tolmer::abi;
    const std::string delim = abi::text(delimiter);
    const std::string joined =
        tolmer::join_integers(described_elements(array), tolmer::effective_delimiter(delim));
    write_back_default(delim, delimiter);
    return abi::result(joined);
  });
}

TOLMER_EXPORT(int32_t)
ISVALUEINLONGARRAY(int32_t value, const int32_t* elements, int32_t last, int32_t first) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    // Elements 0 to `last` are the caller's array.
    if (elements == nullptr || last < 0) return -1;
    return tolmer::is_value_in_long_array(value, elements, last, first);
  });
}
