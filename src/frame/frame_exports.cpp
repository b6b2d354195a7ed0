// Load notification, initialisation and the release of results.
#include "frame/abi.h"
#include "api/library_impl.h"

TOLMER_EXPORT(int32_t) LIBMAIN(int32_t /*instance*/, int32_t reason, int32_t /*reserved*/) {
  return reason == 1 ? 1 : 0;
}

TOLMER_EXPORT(void) INITIALIZEDLL(void) { tolmer::process_library().reinitialize(); }

TOLMER_EXPORT(void) FREELIBSTRING(LibString handle) { tolmer::free_libstring(handle); }
