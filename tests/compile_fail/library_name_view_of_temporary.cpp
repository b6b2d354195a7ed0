// The view of a temporary LibraryName would point into bytes that die at the
// end of the statement.
// expect-error: deleted (member )?function.*view
#include "tolmer/catalog.h"

void use() {
#ifdef TOLMER_CONTROL
  const auto name = tolmer::catalog::library_name_value(1, 2, 3);
  auto c = name.view();
#else
  auto c = tolmer::catalog::library_name_value(1, 2, 3).view();
#endif
  (void)c;
}
