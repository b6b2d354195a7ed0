// Paths split into their parts, export file names, special folders, and
// record identifiers never already in the caller's array.
#include <algorithm>
#include <vector>

#include "frame/primitives.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int32_t folder = in.small(-1, 0x40);
  const int32_t last = in.small(-3, 64);
  const std::string path = in.text(1024);
  std::vector<int32_t> existing;
  while (!in.empty() && existing.size() < 65) existing.push_back(in.integer());

  const std::string drive = fuzz::take_result(GETDRIVEFROMPATH(path.c_str()));
  const std::string directory = fuzz::take_result(GETDIRECTORYFROMPATH(path.c_str()));
  const std::string file = fuzz::take_result(GETFILENAMEFROMPATH(path.c_str()));
  const std::string folder_part = fuzz::take_result(REMOVEFILENAMEFROMFULLPATH(path.c_str()));
  fuzz::check(drive.empty() || (drive.size() == 2 && drive[1] == ':' && path.compare(0, 2, drive) == 0));
  const size_t slash = path.rfind('\\');
  if (slash == std::string::npos) {
    fuzz::check(folder_part.empty());
    fuzz::check(file == tolmer::trim(path));
  } else {
    // The folder part and the name put together give the path (the name
    // trimmed of spaces).
    fuzz::check(folder_part == path.substr(0, slash + 1));
    fuzz::check(file == tolmer::trim(path.substr(slash + 1)));
    fuzz::check(path.compare(0, drive.size(), drive) == 0);
    if (!directory.empty()) fuzz::check(drive + directory == folder_part);
  }
  (void)fuzz::take_result(GETSPECIALFOLDERLOCATION(folder));

  // Record identifiers: a new one is never among existing[0..last].
  const int32_t usable = std::min<int32_t>(last, static_cast<int32_t>(existing.size()) - 1);
  const int32_t id = GETUNIQUERECORDID(existing.empty() ? nullptr : existing.data(), usable);
  if (usable < 0) {
    fuzz::check(id == 0);
  } else {
    fuzz::check(id >= 10000);
    fuzz::check(std::find(existing.begin(), existing.begin() + usable + 1, id) == existing.begin() + usable + 1);
  }
  return 0;
}
