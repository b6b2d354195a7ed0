#include "host/paths.h"

#include "catalog/categories.h"
#include "frame/primitives.h"
#include "host/services.h"

namespace tolmer::inline v1 {

namespace {
constexpr std::string_view kSeparator = "\\";

bool has_drive(std::string_view path) { return char_code_at(path, 2) == ':'; }
}  // namespace

std::string_view drive_from_path(std::string_view path) {
  return has_drive(path) ? left(path, 2) : std::string_view{};
}

std::string_view directory_from_path(std::string_view path) {
  const std::size_t start = has_drive(path) ? 3 : 1;
  const std::size_t last = find_last(path, kSeparator);
  if (last == 0 || last < start) return {};
  return path.substr(start - 1, last - start + 1);
}

std::string_view file_name_from_path(std::string_view path) {
  const std::size_t last = find_last(path, kSeparator);
  if (path.empty() || last == path.size()) return {};
  return trim(path.substr(last));  // after the backslash; the whole path when none
}

std::string_view remove_file_name_from_full_path(std::string_view path) {
  const std::size_t last = find_last(path, kSeparator);
  if (path.empty() || last == path.size()) return path;
  return path.substr(0, last);
}

std::string export_file_name(std::string_view base_name, int32_t category, int32_t number) {
  std::string name(trim(base_name));
  name += '_';
  name += description_for_category_type(category, 0);
  name += '_';
  append_number(name, number, kDoubleDigits);
  return name;
}

std::string special_folder_location(host::FolderService& folders, int32_t folder) {
  return folders.special_folder(folder);
}

}  // namespace tolmer
