// The temporary string array: one process-wide list of texts kept between
// calls, with the empty entry 0 and appended entries 1, 2, 3 and so on.
//
// The array is the `temp_strings` member of a TempArrayState, guarded by its
// temp_lock: each function here is one hold of that lock, so an append is
// never lost or doubled and a search sees the array before or after another
// thread's change. It does not
// exist until the library is initialised (or the array is cleared); until
// then a search finds nothing (-1), an append stores nothing and gives 0, the
// size is 0 and every entry reads as empty. A clear creates the array with its
// empty entry 0, as initialisation does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <vector>

#include "frame/kept.h"

namespace tolmer::inline v1 {

// The array as a context keeps it.
struct TempArrayState {
  // Index 0 is the empty entry once created. Guarded by temp_lock.
  std::optional<std::vector<std::string>> temp_strings;
  TableLock temp_lock;
};

// The operation codes of the array.
enum TempArrayOperation : int32_t {
  kTempArraySearch = 0,
  kTempArrayAppend = 1,
  kTempArrayClear = -1,
  kTempArraySize = -2,
};

// The index of the first entry equal to `text` with the letters a-z taken as
// A-Z (every other byte exact), searched from index 0 upwards; -1 when none.
int32_t temp_array_search(TempArrayState& state, std::string_view text);

// Appends a copy of `text` and gives its index (the new upper bound). Gives 0
// and stores nothing when the array does not exist or cannot grow.
int32_t temp_array_append(TempArrayState& state, std::string_view text);

// Releases every entry and leaves the single empty entry 0 (creating the
// array when it does not exist).
void temp_array_clear(TempArrayState& state);

// The upper bound: the index of the last entry (0 when the array does not
// exist).
int32_t temp_array_upper_bound(const TempArrayState& state);

// One operation by its code: search (0), append (1), clear (-1, result 0),
// size (-2); any other code changes nothing and gives 0. The text is used
// only by search and append.
int32_t temp_array_access(TempArrayState& state, int32_t operation, std::string_view text);

// A copy of the entry at `index` when it is from 0 to the upper bound,
// otherwise nothing.
std::optional<std::string> temp_array_entry(const TempArrayState& state, int32_t index);

}  // namespace tolmer
