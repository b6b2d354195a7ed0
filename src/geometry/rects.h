// Rectangles given by two opposite corners, and points in them.
#pragma once

#include <cstdint>

#include "tolmer/types.h"

namespace tolmer::inline v1 {

// Puts the corners in lower-left / upper-right order: x1 and x2 are exchanged
// when x2 < x1, y1 and y2 when y2 < y1 (equal values stay).
void set_rect_lower_left_justified(double& x1, double& y1, double& x2, double& y2);
Rect lower_left_justified(Rect rect);

// Whether the point lies in the (already normalised) rectangle: strictly
// inside when exclusive, edges included otherwise.
bool is_point_in_rect(double x, double y, const Rect& rect, bool exclusive);

// How B lies against A (normalised copies of both): 1 B within A (edges
// included), 2 B holds at least one corner of A, 0 otherwise.
int32_t rect_in_rect(const Rect& a, const Rect& b);

}  // namespace tolmer
