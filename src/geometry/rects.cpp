#include "geometry/rects.h"

#include <utility>

namespace tolmer::inline v1 {

void set_rect_lower_left_justified(double& x1, double& y1, double& x2, double& y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
}

Rect lower_left_justified(Rect rect) {
  set_rect_lower_left_justified(rect.x1, rect.y1, rect.x2, rect.y2);
  return rect;
}

bool is_point_in_rect(double x, double y, const Rect& rect, bool exclusive) {
  if (exclusive) return rect.x1 < x && x < rect.x2 && rect.y1 < y && y < rect.y2;
  return rect.x1 <= x && x <= rect.x2 && rect.y1 <= y && y <= rect.y2;
}

namespace {
// Whether v lies in [low, high].
bool spans(double low, double v, double high) { return low <= v && v <= high; }
}  // namespace

int32_t rect_in_rect(const Rect& a_in, const Rect& b_in) {
  const Rect a = lower_left_justified(a_in);
  const Rect b = lower_left_justified(b_in);
  if (b.x1 >= a.x1 && b.x2 <= a.x2 && b.y1 >= a.y1 && b.y2 <= a.y2) return 1;
  const bool holds_a_vertical_edge = spans(b.x1, a.x1, b.x2) || spans(b.x1, a.x2, b.x2);
  const bool holds_a_horizontal_edge = spans(b.y1, a.y1, b.y2) || spans(b.y1, a.y2, b.y2);
  return holds_a_vertical_edge && holds_a_horizontal_edge ? 2 : 0;
}

}  // namespace tolmer
