// Paths, special folders, mouse and keyboard state (through the host
// services in force).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolmer::host {

std::string_view drive_of(std::string_view path);
std::string_view directory_of(std::string_view path);
std::string_view file_name_of(std::string_view path);
std::string_view without_file_name(std::string_view path);
std::string export_file_name(std::string_view base_name, int32_t category, int32_t number);
// The path of a special folder (CSIDL number), empty when it has none.
std::string special_folder(int32_t folder);
// 1 left, 2 right, 3 middle, 0 none (over `window` when it is above 0).
int32_t mouse_button(int32_t window);
bool key_down(int32_t virtual_key);

}  // namespace tolmer::host
