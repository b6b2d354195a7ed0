// Delimited lists and integer arrays.
#include <algorithm>
#include <vector>

#include "frame/primitives.h"
#include "text/fields.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int32_t position = in.small(-2, 12);
  const int32_t keep_spaces = in.small(0, 1);
  const int32_t match_case = in.small(0, 1);
  std::string delimiter = in.text(4);
  const std::string item = in.text(64);
  const std::string list = in.rest();
  const std::string used = delimiter.empty() ? std::string(",") : delimiter;

  // Room for the list, the delimiter and the NUL (and a guard byte after).
  std::vector<char> buffer(list.size() + used.size() + 2, '\x7F');
  std::vector<char> delim_buffer(used.size() + 2, '\x7F');
  const auto load = [&] {
    std::memcpy(buffer.data(), list.c_str(), list.size() + 1);
    std::memcpy(delim_buffer.data(), delimiter.c_str(), delimiter.size() + 1);
  };

  load();
  const std::string added = fuzz::take_result(ADDTODELIMITEDSTRING(buffer.data(), item.c_str(), delim_buffer.data()));
  fuzz::check(std::string(delim_buffer.data()) == used);
  fuzz::check(added == (list.empty() ? item : list + used + item));
  fuzz::check(std::string(buffer.data()) == (list.empty() ? list : list + used));
  fuzz::check(buffer.back() == '\x7F');

  load();
  const int32_t found = ISSTRINGINDELIMITEDSTRING(list.c_str(), item.c_str(), delim_buffer.data(),
                                                  keep_spaces, match_case);
  // Without match case the list and the delimiter are searched upper-cased,
  // which may split the list differently.
  const size_t searched =
      match_case != 0 ? tolmer::count_fields(list, used)
                      : tolmer::count_fields(tolmer::to_upper(list), tolmer::to_upper(used));
  fuzz::check(found >= 0 && static_cast<size_t>(found) <= searched);
  if (found > 0 && keep_spaces != 0 && match_case != 0) {
    fuzz::check(tolmer::field_at(list, found, used) == item);
  }

  const size_t count = tolmer::count_fields(list, used);
  load();
  const int32_t removed = REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(buffer.data(), position, delimiter.c_str());
  fuzz::check(removed == ((position >= 1 && static_cast<size_t>(position) <= count) ? 1 : 0));
  fuzz::check(std::strlen(buffer.data()) <= list.size());
  if (count < 64) {
    std::string expected;
    for (size_t k = 1; k <= count; ++k) {
      if (static_cast<int64_t>(k) == position) continue;
      if (!expected.empty()) expected += used;
      expected += tolmer::field_at(list, static_cast<int64_t>(k), used);
    }
    fuzz::check(std::string(buffer.data()) == expected);
  }

  // Integers from the list's bytes, joined and searched.
  std::vector<int32_t> values(list.size() / 4);
  if (!values.empty()) std::memcpy(values.data(), list.data(), values.size() * 4);
  TolmerLongArray array{};
  array.elements = values.data();
  array.flags = TOLMER_LONG_ARRAY_HAS_STORAGE;
  array.lower_bound = 0;
  array.upper_bound = static_cast<int32_t>(values.size()) - 1;
  load();
  const std::string joined = fuzz::take_result(CREATEDELIMITEDSTRINGFROMLONGARRAY(delim_buffer.data(), &array));
  fuzz::check(tolmer::count_fields(joined, used) == (values.empty() ? 1 : values.size()) ||
              used.find_first_of("-0123456789") != std::string::npos);
  if (!values.empty()) {
    const int32_t last = static_cast<int32_t>(values.size()) - 1;
    const int32_t first = in.small(-1, last + 1);
    const int32_t at = ISVALUEINLONGARRAY(values[static_cast<size_t>(last)], values.data(), last, first);
    fuzz::check(first > last ? at == -1 : (at >= std::max(first, 0) && at <= last));
  }
  return 0;
}
