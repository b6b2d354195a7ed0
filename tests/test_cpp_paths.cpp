// The path parts of the C++ interface: '/' and '\' both separate, drive
// letters and UNC prefixes are roots, on every platform.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tolmer/host.h"

namespace {

struct PathCase {
  std::string_view path;
  std::string_view drive;
  std::string_view directory;
  std::string_view file_name;
  std::string_view without_file_name;
};

const PathCase kPaths[] = {
    // POSIX
    {"/home/u/plans/plan.dwg", "", "/home/u/plans/", "plan.dwg", "/home/u/plans/"},
    {"plans/plan.dwg", "", "plans/", "plan.dwg", "plans/"},
    {"plan.dwg", "", "", "plan.dwg", ""},
    {"/home/u/plans/", "", "/home/u/plans/", "", "/home/u/plans/"},
    {"/", "", "/", "", "/"},
    {"/home/u/ my plan .dwg ", "", "/home/u/", " my plan .dwg ", "/home/u/"},
    {"///x", "", "///", "x", "///"},  // no server name: not a UNC prefix
    // Windows
    {"C:\\plans\\plan.dwg", "C:", "\\plans\\", "plan.dwg", "C:\\plans\\"},
    {"C:\\", "C:", "\\", "", "C:\\"},
    {"C:", "C:", "", "", "C:"},
    {"c:plans\\plan.dwg", "c:", "plans\\", "plan.dwg", "c:plans\\"},
    {"c:plan.dwg", "c:", "", "plan.dwg", "c:"},
    {"1:plan.dwg", "", "", "1:plan.dwg", ""},  // a drive is a letter
    {"plans\\", "", "plans\\", "", "plans\\"},
    // UNC
    {"\\\\server\\share\\dir\\a.txt", "\\\\server\\share", "\\dir\\", "a.txt", "\\\\server\\share\\dir\\"},
    {"//server/share/dir/a.txt", "//server/share", "/dir/", "a.txt", "//server/share/dir/"},
    {"\\\\server\\share", "\\\\server\\share", "", "", "\\\\server\\share"},
    {"\\\\server\\share\\", "\\\\server\\share", "\\", "", "\\\\server\\share\\"},
    {"\\\\server", "\\\\server", "", "", "\\\\server"},
    {"\\\\server\\", "\\\\server", "\\", "", "\\\\server\\"},
    {"\\\\", "", "\\\\", "", "\\\\"},
    // mixed separators
    {"C:/Users\\u/plan.dwg", "C:", "/Users\\u/", "plan.dwg", "C:/Users\\u/"},
    {"\\\\server/share\\a.txt", "\\\\server/share", "\\", "a.txt", "\\\\server/share\\"},
    {"/home/u\\odd/plan.dwg", "", "/home/u\\odd/", "plan.dwg", "/home/u\\odd/"},
    // empty
    {"", "", "", "", ""},
};

bool inside(std::string_view part, std::string_view whole) {
  return part.empty() ||
         (part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size());
}

TEST(CppPaths, PartsOfPathsOfEveryPlatform) {
  for (const PathCase& c : kPaths) {
    SCOPED_TRACE(std::string(c.path));
    EXPECT_EQ(tolmer::host::drive_of(c.path), c.drive);
    EXPECT_EQ(tolmer::host::directory_of(c.path), c.directory);
    EXPECT_EQ(tolmer::host::file_name_of(c.path), c.file_name);
    EXPECT_EQ(tolmer::host::without_file_name(c.path), c.without_file_name);
  }
}

TEST(CppPaths, PartsAreViewsThatPutThePathBackTogether) {
  for (const PathCase& c : kPaths) {
    SCOPED_TRACE(std::string(c.path));
    const std::string path(c.path);
    const std::string_view drive = tolmer::host::drive_of(path);
    const std::string_view directory = tolmer::host::directory_of(path);
    const std::string_view file = tolmer::host::file_name_of(path);
    const std::string_view without = tolmer::host::without_file_name(path);
    EXPECT_TRUE(inside(drive, path) && inside(directory, path) && inside(file, path) &&
                inside(without, path));
    EXPECT_EQ(std::string(drive) + std::string(directory), without);
    EXPECT_EQ(std::string(without) + std::string(file), path);
  }
}

}  // namespace
