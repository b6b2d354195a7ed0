// The default special-folder service.
//
// Windows: the shell's own answer (SHGetSpecialFolderLocation, then
// SHGetPathFromIDListA into a MAX_PATH buffer; the identifier list is always
// released with CoTaskMemFree).
//
// Elsewhere: the common folder identifiers map to the user's home and the
// XDG base and user directories (the table is in the public header, at
// GETSPECIALFOLDERLOCATION). A folder that is not an existing directory, an
// identifier outside the table, and a path of PATH_MAX bytes or more all give
// the empty string; a path is never cut.
#include <cstring>
#include <string>

#include "host/services.h"

#if defined(_WIN32)
#include <windows.h>
#include <shlobj.h>
#else
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sys/stat.h>
#endif

namespace tolmer::inline v1::host {

namespace {

#if defined(_WIN32)

class Win32Folders final : public FolderService {
 public:
  std::string special_folder(int32_t folder) override {
    LPITEMIDLIST list = nullptr;
    const HRESULT found = SHGetSpecialFolderLocation(nullptr, folder, &list);
    if (found != 0) {
      if (list != nullptr) CoTaskMemFree(list);
      return {};
    }
    char buffer[MAX_PATH] = {};
    const BOOL ok = SHGetPathFromIDListA(list, buffer);
    CoTaskMemFree(list);
    if (!ok) return {};
    // The shell fails rather than cut a path that does not fit; the bound
    // only guards a buffer it filled without a NUL.
    const void* nul = std::memchr(buffer, '\0', sizeof buffer);
    if (nul == nullptr) return {};
    return std::string(buffer, static_cast<const char*>(nul) - buffer);
  }
};

#else

// Shell folder identifiers (CSIDL numbers) with a place here.
enum : int32_t {
  kDesktop = 0x0000,
  kPersonal = 0x0005,
  kMyMusic = 0x000D,
  kMyVideo = 0x000E,
  kDesktopDirectory = 0x0010,
  kFonts = 0x0014,
  kTemplates = 0x0015,
  kAppData = 0x001A,
  kLocalAppData = 0x001C,
  kInternetCache = 0x0020,
  kCommonAppData = 0x0023,
  kProgramFiles = 0x0026,
  kMyPictures = 0x0027,
  kProfile = 0x0028,
};

bool is_absolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

// The path without trailing slashes (the root stays "/").
std::string without_trailing_slashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// $HOME when it is an absolute path, else empty (no home-based folders).
std::string home() {
  std::string value = environment("HOME");
  return is_absolute(value) ? without_trailing_slashes(value) : std::string();
}

// Under the home directory (empty without one).
std::string under_home(const char* relative) {
  const std::string base = home();
  return base.empty() ? std::string() : base + "/" + relative;
}

// An XDG base directory: the variable when it holds an absolute path, else
// its default under the home directory.
std::string xdg_base(const char* variable, const char* default_under_home) {
  std::string value = environment(variable);
  return is_absolute(value) ? without_trailing_slashes(value) : under_home(default_under_home);
}

// The first absolute entry of a colon-separated list, else the fallback.
std::string first_absolute_entry(const std::string& list, const char* fallback) {
  std::size_t begin = 0;
  while (begin <= list.size()) {
    std::size_t end = list.find(':', begin);
    if (end == std::string::npos) end = list.size();
    std::string entry = list.substr(begin, end - begin);
    if (is_absolute(entry)) return without_trailing_slashes(entry);
    begin = end + 1;
  }
  return fallback;
}

// A user directory (XDG_DESKTOP_DIR and the like) as user-dirs.dirs in the
// XDG configuration directory sets it: a line NAME="$HOME/..." or
// NAME="/absolute", backslash escaping the next character. Without a usable
// line, the default name under the home directory.
std::string user_directory(const char* name, const char* default_under_home) {
  const std::string config = xdg_base("XDG_CONFIG_HOME", ".config");
  if (!config.empty()) {
    std::ifstream file(config + "/user-dirs.dirs");
    const std::string key = std::string(name) + "=\"";
    std::string line;
    while (std::getline(file, line)) {
      const std::size_t start = line.find_first_not_of(" \t");
      if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
      std::string value;
      bool closed = false;
      for (std::size_t i = start + key.size(); i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
          value += line[++i];
        } else if (line[i] == '"') {
          closed = true;
          break;
        } else {
          value += line[i];
        }
      }
      if (!closed) continue;
      if (value == "$HOME" || value.starts_with("$HOME/")) {
        const std::string base = home();
        if (base.empty()) continue;
        return base + value.substr(5);
      }
      if (is_absolute(value)) return value;
    }
  }
  return under_home(default_under_home);
}

// The place a folder identifier maps to, before the existence check.
std::string mapped_folder(int32_t folder) {
  switch (folder) {
    case kDesktop:
    case kDesktopDirectory:
      return user_directory("XDG_DESKTOP_DIR", "Desktop");
    case kPersonal:
      return user_directory("XDG_DOCUMENTS_DIR", "Documents");
    case kMyMusic:
      return user_directory("XDG_MUSIC_DIR", "Music");
    case kMyVideo:
      return user_directory("XDG_VIDEOS_DIR", "Videos");
    case kMyPictures:
      return user_directory("XDG_PICTURES_DIR", "Pictures");
    case kTemplates:
      return user_directory("XDG_TEMPLATES_DIR", "Templates");
    case kFonts: {
      const std::string data = xdg_base("XDG_DATA_HOME", ".local/share");
      return data.empty() ? std::string() : data + "/fonts";
    }
    case kAppData:
      return xdg_base("XDG_CONFIG_HOME", ".config");
    case kLocalAppData:
      return xdg_base("XDG_DATA_HOME", ".local/share");
    case kInternetCache: {
      std::string temporary = environment("TMPDIR");
      return is_absolute(temporary) ? temporary : std::string("/tmp");
    }
    case kCommonAppData:
      return first_absolute_entry(environment("XDG_DATA_DIRS"), "/usr/local/share");
    case kProgramFiles:
      return "/opt";
    case kProfile:
      return home();
    default:
      return {};
  }
}

class XdgFolders final : public FolderService {
 public:
  std::string special_folder(int32_t folder) override {
    const std::string path = without_trailing_slashes(mapped_folder(folder));
    if (path.empty() || path.size() >= PATH_MAX) return {};
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
    return path;
  }
};

#endif

}  // namespace

FolderService& default_folders() {
#if defined(_WIN32)
  static Win32Folders service;
#else
  static XdgFolders service;
#endif
  return service;
}

}  // namespace tolmer::host
