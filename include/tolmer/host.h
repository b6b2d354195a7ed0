// Paths. (Special folders, mouse and keyboard state go through a context's
// host services: tolmer::Library::special_folder, mouse_button, key_down.)
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tolmer::inline v1::host {

std::string_view drive_of(std::string_view path);
std::string_view directory_of(std::string_view path);
std::string_view file_name_of(std::string_view path);
std::string_view without_file_name(std::string_view path);
std::string export_file_name(std::string_view base_name, int32_t category, int32_t number);

}  // namespace tolmer::host
