#include "tolmer/version.h"

namespace tolmer::inline v1 {

Version version() noexcept { return header_version; }

const char* version_string() noexcept { return TOLMER_VERSION_STRING; }

}  // namespace tolmer::inline v1
