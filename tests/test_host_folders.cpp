// Special folders: the default mapping to the home and XDG directories, and a
// host's own folder service installed through SETHOSTSERVICES.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "c_abi/libstring.h"
#include "host/services.h"
#include "test_support.h"
#include "tolmerdll.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

using test_support::take;

// A host folder callback answering from a fixed path (or -1).
struct FolderHost {
  std::string path;
  int32_t reported_length = -2;  // -2: the path's own length
  int32_t calls = 0;
  int32_t last_folder = -1;
};

int32_t fake_special_folder(void* context, int32_t folder, char* buffer, int32_t capacity) {
  auto* host = static_cast<FolderHost*>(context);
  ++host->calls;
  host->last_folder = folder;
  if (host->path.empty()) return -1;
  const std::size_t n = std::min<std::size_t>(host->path.size(), static_cast<std::size_t>(capacity - 1));
  std::memcpy(buffer, host->path.data(), n);
  buffer[n] = '\0';
  return host->reported_length == -2 ? static_cast<int32_t>(host->path.size()) : host->reported_length;
}

class HostFolders : public testing::Test {
 protected:
  void TearDown() override { SETHOSTSERVICES(nullptr); }
  void install(FolderHost& host) {
    TolmerHostServices services{};
    services.size = sizeof services;
    services.context = &host;
    services.special_folder = fake_special_folder;
    SETHOSTSERVICES(&services);
  }
};

TEST_F(HostFolders, HostAnswersSpecialFolders) {
  FolderHost host{"C:\\Users\\Ann\\Documents"};
  install(host);
  EXPECT_EQ(take(GETSPECIALFOLDERLOCATION(5)), "C:\\Users\\Ann\\Documents");
  EXPECT_EQ(host.last_folder, 5);
  host.path.clear();
  EXPECT_EQ(GETSPECIALFOLDERLOCATION(5), nullptr);
  EXPECT_EQ(host.calls, 2);
}

TEST_F(HostFolders, APathThatDoesNotFitIsNeverCut) {
  FolderHost host{std::string(5000, 'x')};
  install(host);
  EXPECT_EQ(GETSPECIALFOLDERLOCATION(5), nullptr);
  // A host that reports more than it could write is not trusted either.
  host.path = "short";
  host.reported_length = 1 << 20;
  EXPECT_EQ(GETSPECIALFOLDERLOCATION(5), nullptr);
  EXPECT_EQ(host.calls, 2);
}

TEST_F(HostFolders, NullTableRestoresTheDefault) {
  FolderHost host{"from the host"};
  install(host);
  SETHOSTSERVICES(nullptr);
  EXPECT_NE(take(GETSPECIALFOLDERLOCATION(5)), "from the host");
  EXPECT_EQ(host.calls, 0);
}

#if !defined(_WIN32)

// A scratch home directory with the XDG variables pointed into it.
class DefaultFolders : public testing::Test {
 protected:
  void SetUp() override {
    SETHOSTSERVICES(nullptr);
    root_ = fs::temp_directory_path() /
            ("tolmer-folders-" + std::to_string(::getpid()) + "-" +
             testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    home_ = root_ / "home";
    fs::create_directories(home_);
    ::setenv("HOME", home_.c_str(), 1);
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "TMPDIR"})
      ::unsetenv(v);
  }
  void TearDown() override { fs::remove_all(root_); }

  std::string folder(int32_t id) { return take(GETSPECIALFOLDERLOCATION(id)); }
  std::string made(const fs::path& p) {
    fs::create_directories(p);
    return p.string();
  }

  fs::path root_, home_;
};

TEST_F(DefaultFolders, HomeDefaultsWhenTheFoldersExist) {
  struct Row {
    int32_t id;
    const char* under_home;
  };
  const Row rows[] = {
      {0x0000, "Desktop"},   {0x0010, "Desktop"},     {0x0005, "Documents"},
      {0x000D, "Music"},     {0x000E, "Videos"},      {0x0027, "Pictures"},
      {0x0015, "Templates"}, {0x0014, ".local/share/fonts"}, {0x001A, ".config"},
      {0x001C, ".local/share"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.under_home);
    EXPECT_EQ(folder(r.id), "") << "missing folder";
  }
  for (const Row& r : rows) {
    SCOPED_TRACE(r.under_home);
    const std::string expected = made(home_ / r.under_home);
    EXPECT_EQ(folder(r.id), expected);
  }
  EXPECT_EQ(folder(0x0028), home_.string());
}

TEST_F(DefaultFolders, XdgVariablesAndUserDirs) {
  const std::string config = made(root_ / "config");
  const std::string data = made(root_ / "data");
  ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  ::setenv("XDG_DATA_HOME", (data + "/").c_str(), 1);  // trailing slash dropped
  const std::string docs = made(home_ / "Docs \"2\"");
  const std::string desk = made(root_ / "elsewhere");
  {
    std::ofstream dirs(config + "/user-dirs.dirs");
    dirs << "# written by a test\n"
         << "XDG_DOCUMENTS_DIR=\"$HOME/Docs \\\"2\\\"\"\n"
         << "XDG_DESKTOP_DIR=\"" << desk << "\"\n"
         << "XDG_MUSIC_DIR=\"relative/ignored\"\n";
  }
  made(home_ / "Music");
  EXPECT_EQ(folder(0x0005), docs);
  EXPECT_EQ(folder(0x0000), desk);
  EXPECT_EQ(folder(0x000D), (home_ / "Music").string());  // unusable line: the default
  EXPECT_EQ(folder(0x001A), config);
  EXPECT_EQ(folder(0x001C), data);
  EXPECT_EQ(folder(0x0014), "");  // data/fonts does not exist yet
  made(root_ / "data" / "fonts");
  EXPECT_EQ(folder(0x0014), data + "/fonts");
  // A relative XDG variable does not count.
  ::setenv("XDG_CONFIG_HOME", "relative", 1);
  EXPECT_EQ(folder(0x001A), "");  // $HOME/.config does not exist
}

TEST_F(DefaultFolders, SharedAndTemporaryFolders) {
  const std::string shared = made(root_ / "share");
  ::setenv("XDG_DATA_DIRS", ("relative:" + shared + ":/usr/share").c_str(), 1);
  EXPECT_EQ(folder(0x0023), shared);
  const std::string temporary = made(root_ / "tmp");
  ::setenv("TMPDIR", temporary.c_str(), 1);
  EXPECT_EQ(folder(0x0020), temporary);
  ::unsetenv("TMPDIR");
  EXPECT_EQ(folder(0x0020), "/tmp");
}

TEST_F(DefaultFolders, UnknownIdentifiersAndMissingHome) {
  for (int32_t id : {-1, 1, 2, 3, 0x0024, 0x0100, 0x8005, INT32_MIN}) {
    EXPECT_EQ(GETSPECIALFOLDERLOCATION(id), nullptr) << id;
  }
  ::unsetenv("HOME");
  EXPECT_EQ(GETSPECIALFOLDERLOCATION(0x0028), nullptr);
  ::setenv("HOME", "relative/home", 1);
  EXPECT_EQ(GETSPECIALFOLDERLOCATION(0x0028), nullptr);
}

TEST_F(DefaultFolders, AFileIsNotAFolder) {
  std::ofstream(home_ / "Documents") << "not a directory";
  EXPECT_EQ(GETSPECIALFOLDERLOCATION(0x0005), nullptr);
}

#endif

}  // namespace
