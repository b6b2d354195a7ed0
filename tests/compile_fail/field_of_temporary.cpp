// A field of a temporary list would be a view into a string that dies at the
// end of the statement.
// expect-error: deleted function.*field
#include <string>
#include <string_view>

#include "tolmer/text.h"

std::string list();

void use() {
#ifdef TOLMER_CONTROL
  const std::string l = list();
  auto b = tolmer::text::field(l, 2, ",");
  // A literal and a view still bind to the view parameter.
  auto literal = tolmer::text::field("a,b", 0, ",");
  auto view = tolmer::text::field(std::string_view(l), 1, ",");
  (void)literal;
  (void)view;
#else
  auto b = tolmer::text::field(list(), 2, ",");
#endif
  (void)b;
}
