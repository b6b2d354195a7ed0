// Stripping the blanks of a temporary string gives a view into it.
// expect-error: deleted function.*strip_blanks
#include <string>

#include "tolmer/text.h"

std::string entry();

void use() {
#ifdef TOLMER_CONTROL
  const std::string e = entry();
  auto d = tolmer::text::strip_blanks(e);
#else
  auto d = tolmer::text::strip_blanks(entry() + " ");
#endif
  (void)d;
}
