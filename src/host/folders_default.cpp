// The default special-folder service.
#include "host/services.h"

namespace tolmer::host {

namespace {
class PlatformFolders final : public FolderService {
 public:
  std::string special_folder(int32_t) override { return {}; }
};
}  // namespace

FolderService& default_folders() {
  static PlatformFolders service;
  return service;
}

}  // namespace tolmer::host
