// Paths. (Special folders, mouse and keyboard state go through a context's
// host services: tolmer::Library::special_folder, mouse_button, key_down.)
//
// The path functions take paths of every platform apart, byte by byte (no
// file-system access, no case folding, no Unicode):
// - both '/' and '\' separate;
// - the root prefix ("drive") is
//   - a UNC prefix: two separators, a server name and, when there is one, a
//     separator and a share name: "\\server\share" of
//     "\\server\share\dir\a.txt" (also "//server/share/..." and mixed
//     separators); "\\server" alone when no share follows;
//   - or a drive letter: an ASCII letter and a colon, "C:" of "C:\dir\a.txt",
//     of "C:" and of the drive-relative "c:plans\a.txt";
//   - otherwise nothing (POSIX paths, relative paths);
// - the directory is what follows the root prefix through the last
//   separator, that separator included: "/home/u/plans/" of
//   "/home/u/plans/plan.dwg", "\dir\" of "C:\dir\a.txt", "/" of "/";
// - the file name is what follows the last separator (after the root
//   prefix), unchanged (spaces kept): empty when the path ends with a
//   separator, or is a root prefix alone;
// - without_file_name is the root prefix and the directory.
// So for every path p: drive_of(p) + directory_of(p) == without_file_name(p)
// and without_file_name(p) + file_name_of(p) == p.
//
// Each result is a view into `path`: a temporary std::string is not accepted.
// (The C exports keep their own, backslash-only rules.)
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "tolmer/lifetime.h"

namespace tolmer::inline v1::host {

[[nodiscard]] std::string_view drive_of(std::string_view path TOLMER_LIFETIME_BOUND) noexcept;
[[nodiscard]] std::string_view directory_of(std::string_view path TOLMER_LIFETIME_BOUND) noexcept;
[[nodiscard]] std::string_view file_name_of(std::string_view path TOLMER_LIFETIME_BOUND) noexcept;
[[nodiscard]] std::string_view without_file_name(std::string_view path TOLMER_LIFETIME_BOUND) noexcept;
template <class S>
  requires detail::string_rvalue<S>
std::string_view drive_of(S&& path) = delete;
template <class S>
  requires detail::string_rvalue<S>
std::string_view directory_of(S&& path) = delete;
template <class S>
  requires detail::string_rvalue<S>
std::string_view file_name_of(S&& path) = delete;
template <class S>
  requires detail::string_rvalue<S>
std::string_view without_file_name(S&& path) = delete;

// The trimmed base name, "_", the description of the category, "_", the
// number in decimal.
[[nodiscard]] std::string export_file_name(std::string_view base_name, int32_t category,
                                           int32_t number);

}  // namespace tolmer::inline v1::host
