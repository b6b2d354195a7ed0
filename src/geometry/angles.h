// Angle arithmetic in degrees (and radians for one rotation).
//
// Remainders are truncating: the quotient is truncated toward zero, so the
// remainder takes the sign of the dividend (-400 by 360 gives -40). The
// degree wrap tests treat 359, not 360, as the last position of a turn.
// Intermediates are computed in extended precision and rounded to double on
// return.
#pragma once

#include <cstdint>

#include "frame/kept.h"

namespace tolmer::inline v1 {

// What the angle arithmetic keeps: pi, 4 x arctangent(1) in extended
// precision, stored as a double (0 until initialisation).
struct AngleState {
  Setting<double> pi = 0.0;
};

// Bounds the magnitude of an angle: above the threshold (360 when allow_360,
// else 359) or below minus the threshold, the truncating remainder by 360;
// otherwise unchanged.
double reduce_to_360_degree_angle(double angle, bool allow_360);

// The signed offset turning `start` into `end` (both reduced first, 359 rule):
// direction 0 the shorter way (a half turn goes the wrapped way), 1 increasing,
// 2 decreasing, any other the plain difference. A non-zero limit clamps the
// magnitude: sign(offset) x limit.
double offset_from_angles(double start, double end, int32_t direction, double limit);

// angle + offset, reduced by the truncating remainder when above 359 or below -359.
double add_angle_offset(double angle, double offset);

// angle + change, corrected once by 360 when above 359 or below 0.
double rotate_degrees_value(double angle, double change);

// angle + change, corrected once by 2 pi when above 2 pi or below 0 (pi from
// the initialised state).
double rotate_radians_value(const AngleState& state, double angle, double change);

// The next multiple of |step| above the angle (positive step) or below it
// (zero or negative step), corrected once by 360. A zero step gives NaN.
double rotate_to_next_degree_value(double angle, double step);

// 1 when angle + change is above 359, -1 when below 0, else 0.
int32_t angle_passed_through_zero(double angle, double change);

}  // namespace tolmer
