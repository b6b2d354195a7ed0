#include "geometry/angles.h"

#include <cmath>

#include "frame/xreal.h"

namespace tolmer::inline v1 {

namespace {

constexpr xreal kTurn = xreal(360);
constexpr xreal kLastDegree = xreal(359);

// The remainder of a by b with the quotient truncated toward zero (exact).
xreal truncating_remainder(xreal a, xreal b) { return x_fmod(a, b); }

// One correction by a whole turn: above `upper` subtract it, below 0 add it.
xreal wrap_once(xreal value, xreal upper, xreal turn) {
  if (value > upper) return value - turn;
  if (value < xreal(0)) return value + turn;
  return value;
}

}  // namespace

double reduce_to_360_degree_angle(double angle, bool allow_360) {
  const xreal threshold = allow_360 ? kTurn : kLastDegree;
  const xreal a = angle;
  if (a > threshold || a < -threshold) return static_cast<double>(truncating_remainder(a, kTurn));
  return angle;
}

double offset_from_angles(double start, double end, int32_t direction, double limit) {
  const xreal a = reduce_to_360_degree_angle(start, false);
  const xreal b = reduce_to_360_degree_angle(end, false);
  const xreal direct = b - a;
  xreal offset = direct;
  switch (direction) {
    case 0: {
      const xreal wrapped = b > a ? b - a - kTurn : b - a + kTurn;
      offset = x_fabs(direct) < x_fabs(wrapped) ? direct : wrapped;
      break;
    }
    case 1:
      if (b < a) offset = b - a + kTurn;
      break;
    case 2:
      if (a < b) offset = b - a - kTurn;
      break;
    default:
      break;
  }
  // The offset is a stored value before the limit is applied.
  double stored = static_cast<double>(offset);
  if (limit != 0.0 && std::fabs(stored) > std::fabs(limit)) {
    stored = stored < 0.0 ? -limit : limit;
  }
  return stored;
}

double add_angle_offset(double angle, double offset) {
  const xreal sum = static_cast<xreal>(angle) + offset;
  if (sum > kLastDegree || sum < -kLastDegree)
    return static_cast<double>(truncating_remainder(sum, kTurn));
  return static_cast<double>(sum);
}

double rotate_degrees_value(double angle, double change) {
  const xreal sum = static_cast<xreal>(angle) + change;
  return static_cast<double>(wrap_once(sum, kLastDegree, kTurn));
}

double rotate_radians_value(const AngleState& state, double angle, double change) {
  const xreal turn = xreal(2) * static_cast<xreal>(state.pi.load());
  const xreal sum = static_cast<xreal>(angle) + change;
  return static_cast<double>(wrap_once(sum, turn, turn));
}

double rotate_to_next_degree_value(double angle, double step) {
  const xreal s = x_fabs(static_cast<xreal>(step));
  const xreal a = angle;
  xreal q = x_trunc(a / s);
  if (step > 0.0) {
    q += xreal(1);
  } else if (truncating_remainder(a, s) == xreal(0)) {
    q -= xreal(1);
  }
  const xreal value = s * q;
  return static_cast<double>(wrap_once(value, kLastDegree, kTurn));
}

int32_t angle_passed_through_zero(double angle, double change) {
  const xreal sum = static_cast<xreal>(angle) + change;
  if (sum > kLastDegree) return 1;
  if (sum < xreal(0)) return -1;
  return 0;
}

}  // namespace tolmer
