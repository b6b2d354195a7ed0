// Paths of every platform taken apart: '/' and '\' both separate, a root
// prefix is a UNC "\\server\share" or a drive letter "C:". (The classic,
// backslash-only rules of the exports are in host/paths.h.)
#pragma once

#include <cstddef>
#include <string_view>

namespace tolmer::inline v1 {

// Where the parts of a path end, as byte offsets: the root prefix is
// [0, root_end), the directory [root_end, directory_end) (ending with a
// separator, or empty), the file name [directory_end, size).
struct PathSplit {
  std::size_t root_end = 0;
  std::size_t directory_end = 0;
};

// The split of `path`:
// - root prefix: two separators, then a server name (at least one byte, no
//   separator) and, when a separator and a share name follow, that
//   separator and the share: "\\srv\share", "//srv/share", "\\srv"; else
//   an ASCII letter and a colon: "C:"; else nothing;
// - directory: from the end of the root prefix through the last separator
//   after it.
[[nodiscard]] PathSplit split_path(std::string_view path) noexcept;

[[nodiscard]] constexpr bool is_path_separator(char c) noexcept { return c == '/' || c == '\\'; }

}  // namespace tolmer::inline v1
