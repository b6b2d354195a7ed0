// How two rectangles lie is an enum, not a number to compare with codes.
// expect-error: cannot (convert|initialize).*RectRelation
#include "tolmer/geometry.h"

void use(const tolmer::Rect& a, const tolmer::Rect& b) {
#ifdef TOLMER_CONTROL
  const bool inside = tolmer::geometry::rect_in_rect(a, b) == tolmer::geometry::RectRelation::Within;
  (void)inside;
#else
  int code = tolmer::geometry::rect_in_rect(a, b);
  (void)code;
#endif
}
