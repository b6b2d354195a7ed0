// Load notification, initialisation, and the making and release of counted
// strings.
#include <cstddef>
#include <string_view>

#include "c_abi/abi.h"
#include "c_abi/libstring.h"
#include "c_abi/process.h"

TOLMER_EXPORT(int32_t) LIBMAIN(int32_t /*instance*/, int32_t reason, int32_t /*reserved*/) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t { return reason == 1 ? 1 : 0; });
}

TOLMER_EXPORT(void) INITIALIZEDLL(void) {
  tolmer::abi::guarded([&] {
    tolmer::process_library().reinitialize();
  });
}

TOLMER_EXPORT(void) FREELIBSTRING(LibString handle) {
  tolmer::abi::guarded([&] {
    tolmer::free_libstring(handle);
  });
}

TOLMER_EXPORT(LibString) MAKELIBSTRING(const char* bytes, int32_t length) {
  return tolmer::abi::guarded(LibString{}, [&]() -> LibString {
    if (length <= 0) return nullptr;
    const auto count = static_cast<std::size_t>(length);
    if (bytes == nullptr) return tolmer::make_zeroed_libstring(count);
    return tolmer::make_libstring(std::string_view(bytes, count));
  });
}
