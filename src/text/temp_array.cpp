#include "text/temp_array.h"

#include <limits>
#include <new>
#include <string>
#include <vector>

#include "frame/primitives.h"

namespace tolmer::inline v1 {

namespace {

// The upper bound of a non-empty array (the array never holds more entries
// than a 32-bit upper bound can number: see temp_array_append).
int32_t upper_bound_of(const std::vector<std::string>& array) {
  return static_cast<int32_t>(array.size() - 1);
}

// The unlocked operations; the caller holds the array's lock.
int32_t search(const TempArrayState& state, std::string_view text) {
  const auto& array = state.temp_strings;
  if (!array) return -1;
  for (std::size_t i = 0; i < array->size(); ++i) {
    if (equal_ignoring_ascii_case((*array)[i], text)) return static_cast<int32_t>(i);
  }
  return -1;
}

int32_t append(TempArrayState& state, std::string_view text) {
  auto& array = state.temp_strings;
  if (!array || array->empty()) return 0;
  if (array->size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) return 0;
  try {
    // The storage grows geometrically; what the caller sees is the upper
    // bound growing by exactly one.
    array->emplace_back(text);
  } catch (const std::bad_alloc&) {
    return 0;  // no memory: nothing is appended
  }
  return upper_bound_of(*array);
}

void clear(TempArrayState& state) {
  auto& array = state.temp_strings;
  // Release every entry, then the single empty entry 0. Assigning a fresh
  // vector also gives back the storage that earlier appends reserved.
  array.reset();
  try {
    array.emplace(1);
  } catch (const std::bad_alloc&) {
    // No memory even for the empty entry: the array stays absent.
  }
}

int32_t upper_bound(const TempArrayState& state) {
  const auto& array = state.temp_strings;
  if (!array || array->empty()) return 0;
  return upper_bound_of(*array);
}

}  // namespace

int32_t temp_array_search(TempArrayState& state, std::string_view text) {
  const auto lock = state.temp_lock.read();
  return search(state, text);
}

int32_t temp_array_append(TempArrayState& state, std::string_view text) {
  const auto lock = state.temp_lock.write();
  return append(state, text);
}

void temp_array_clear(TempArrayState& state) {
  const auto lock = state.temp_lock.write();
  clear(state);
}

int32_t temp_array_upper_bound(const TempArrayState& state) {
  const auto lock = state.temp_lock.read();
  return upper_bound(state);
}

int32_t temp_array_access(TempArrayState& state, int32_t operation, std::string_view text) {
  switch (operation) {
    case kTempArraySearch:
      return temp_array_search(state, text);
    case kTempArrayAppend:
      return temp_array_append(state, text);
    case kTempArrayClear:
      temp_array_clear(state);
      return 0;
    case kTempArraySize:
      return temp_array_upper_bound(state);
    default:
      return 0;
  }
}

std::optional<std::string> temp_array_entry(const TempArrayState& state, int32_t index) {
  const auto lock = state.temp_lock.read();
  const auto& array = state.temp_strings;
  if (!array || index < 0 || static_cast<std::size_t>(index) >= array->size()) return std::nullopt;
  return (*array)[static_cast<std::size_t>(index)];
}

}  // namespace tolmer
