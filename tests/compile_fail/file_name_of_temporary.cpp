// The file name of a temporary path would be a view of a string that dies
// at the end of the statement.
// expect-error: deleted function.*file_name_of
#include <string>

#include "tolmer/host.h"

std::string path();

void use() {
#ifdef TOLMER_CONTROL
  const std::string p = path();
  auto a = tolmer::host::file_name_of(p);
  auto literal = tolmer::host::file_name_of("/home/u/plans/plan.dwg");
  (void)literal;
#else
  auto a = tolmer::host::file_name_of(path());
#endif
  (void)a;
}
