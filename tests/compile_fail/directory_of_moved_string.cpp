// A string moved into a view-returning function is refused as well, const or
// not.
// expect-error: deleted function.*directory_of
#include <string>
#include <utility>

#include "tolmer/host.h"

void use(const std::string& path) {
#ifdef TOLMER_CONTROL
  auto e = tolmer::host::directory_of(path);
#else
  auto e = tolmer::host::directory_of(std::move(path));
#endif
  (void)e;
}
