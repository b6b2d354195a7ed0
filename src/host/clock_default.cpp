// The default tick count: GetTickCount on Windows, a monotonic millisecond
// clock elsewhere (both wrap at 2^32).
#include <chrono>

#include "host/services.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tolmer::inline v1::host {

namespace {
class PlatformClock final : public ClockService {
 public:
  uint32_t tick_count() override {
#if defined(_WIN32)
    return static_cast<uint32_t>(GetTickCount());
#else
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
#endif
  }
};
}  // namespace

ClockService& default_clock() {
  static PlatformClock service;
  return service;
}

}  // namespace tolmer::host
