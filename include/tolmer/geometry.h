// Angles (degrees unless named), rectangles and bits. (Rotation in radians
// uses the context's pi: tolmer::Library::rotate_radians.)
//
// The angle arithmetic runs at run time in extended precision, rounded to
// double on return; the bit operations (tolmer/bits.h) are constexpr.
#pragma once

#include "tolmer/version.h"

#include <cstddef>
#include <cstdint>
#include <span>

#include "tolmer/bits.h"
#include "tolmer/types.h"

namespace tolmer::inline v1::geometry {

// A rectangle by two corners (tolmer::Rect).
using Rect = tolmer::Rect;

// Bounds the magnitude of an angle: above 360 (allow_360) or 359, or below
// minus that, the truncating remainder by 360; otherwise unchanged.
[[nodiscard]] double reduce_to_360(double angle, bool allow_360) noexcept;

// The way offset_from_angles turns from one angle to the other.
enum class Turn : int32_t {
  Shorter = 0,     // the shorter way (a half turn goes the wrapped way)
  Increasing = 1,  // through increasing angles
  Decreasing = 2,  // through decreasing angles
  Difference = 3,  // end - start, as it is
};
// The signed offset turning `start` into `end` (both reduced first) the way
// `turn` says. A non-zero limit clamps it: an offset larger than |limit| in
// magnitude becomes sign(offset) x limit.
[[nodiscard]] double offset_from_angles(double start, double end, Turn turn, double limit) noexcept;
// angle + offset, reduced by the truncating remainder beyond +-359.
[[nodiscard]] double add_angle_offset(double angle, double offset) noexcept;
// angle + change, corrected once by 360 when above 359 or below 0.
[[nodiscard]] double rotate_degrees(double angle, double change) noexcept;
// The next multiple of |step| above the angle (positive step) or below it;
// a zero step gives NaN.
[[nodiscard]] double rotate_to_next_degree(double angle, double step) noexcept;

// Where angle + change went past the ends of a turn.
enum class ZeroCrossing : int32_t {
  None = 0,       // it stays from 0 to 359
  Upward = 1,     // it is above 359
  Downward = -1,  // it is below 0
};
[[nodiscard]] ZeroCrossing angle_passed_through_zero(double angle, double change) noexcept;

// The rectangle with its corners in lower-left / upper-right order.
[[nodiscard]] Rect lower_left_justified(Rect rect) noexcept;

// How rectangle b lies against rectangle a (each taken with its corners in
// order).
enum class RectRelation : int32_t {
  Neither = 0,  // b is not within a and holds no corner of a (apart, or
                // crossing a without reaching a corner)
  Within = 1,   // b lies within a, edges included
  HoldsCorner = 2,  // b is not within a but holds at least one corner of a
                    // (edges included): b covers a, or overlaps a corner
};
[[nodiscard]] RectRelation rect_in_rect(const Rect& a, const Rect& b) noexcept;
// Whether the point lies in the rectangle, taken as given (x1 <= x2 and
// y1 <= y2; see lower_left_justified): strictly inside when exclusive, edges
// included otherwise.
[[nodiscard]] bool is_point_in_rect(double x, double y, const Rect& rect, bool exclusive) noexcept;

}  // namespace tolmer::inline v1::geometry
