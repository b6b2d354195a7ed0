#include "host/portable_paths.h"

namespace tolmer::inline v1 {

namespace {

bool is_ascii_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The end of the run of non-separators starting at `from`.
std::size_t name_end(std::string_view path, std::size_t from) {
  while (from < path.size() && !is_path_separator(path[from])) ++from;
  return from;
}

std::size_t root_end_of(std::string_view path) {
  if (path.size() >= 3 && is_path_separator(path[0]) && is_path_separator(path[1]) &&
      !is_path_separator(path[2])) {
    const std::size_t server_end = name_end(path, 2);
    if (server_end + 1 < path.size() && !is_path_separator(path[server_end + 1])) {
      return name_end(path, server_end + 1);  // through the share name
    }
    return server_end;
  }
  if (path.size() >= 2 && is_ascii_letter(path[0]) && path[1] == ':') return 2;
  return 0;
}

}  // namespace

PathSplit split_path(std::string_view path) noexcept {
  PathSplit split;
  split.root_end = root_end_of(path);
  split.directory_end = split.root_end;
  for (std::size_t i = path.size(); i > split.root_end; --i) {
    if (is_path_separator(path[i - 1])) {
      split.directory_end = i;
      break;
    }
  }
  return split;
}

}  // namespace tolmer::inline v1
