// Paths, special folders and export-file names.
//
// The only path separator is the backslash, on every platform (a forward
// slash is an ordinary character). A drive prefix is a colon in the second
// position; the drive is then the first two characters. Paths that start with
// two backslashes get no special treatment.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/services.h"

namespace tolmer::inline v1 {

// The drive ("C:", no backslash) when the second character is a colon, else
// empty.
std::string_view drive_from_path(std::string_view path);

// The directory without the drive: from the first character after the drive
// (or the first) through the last backslash, inclusive; empty when no
// backslash lies there.
std::string_view directory_from_path(std::string_view path);

// The part after the last backslash (the whole path when there is none),
// without leading and trailing spaces; empty when the path is empty or ends
// with a backslash.
std::string_view file_name_from_path(std::string_view path);

// The path through its last backslash; the path unchanged when it is empty or
// ends with a backslash; empty when it holds no backslash.
std::string_view remove_file_name_from_full_path(std::string_view path);

// The trimmed base name, "_", the description of the category (sub-category
// 0; empty for an unknown category), "_", the number in decimal.
std::string export_file_name(std::string_view base_name, int32_t category, int32_t number);

// The file-system path of a shell special folder (CSIDL number) through the
// folder service in force, or empty.
std::string special_folder_location(host::FolderService& folders, int32_t folder);

}  // namespace tolmer
