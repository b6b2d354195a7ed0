#include "geometry/angles.h"

#include <cmath>

#include "frame/state.h"

namespace tolmer {

namespace {

constexpr long double kTurn = 360.0L;
constexpr long double kLastDegree = 359.0L;

// The remainder of a by b with the quotient truncated toward zero (exact).
long double truncating_remainder(long double a, long double b) { return std::fmod(a, b); }

// One correction by a whole turn: above `upper` subtract it, below 0 add it.
long double wrap_once(long double value, long double upper, long double turn) {
  if (value > upper) return value - turn;
  if (value < 0.0L) return value + turn;
  return value;
}

}  // namespace

double reduce_to_360_degree_angle(double angle, bool allow_360) {
  const long double threshold = allow_360 ? kTurn : kLastDegree;
  const long double a = angle;
  if (a > threshold || a < -threshold) return static_cast<double>(truncating_remainder(a, kTurn));
  return angle;
}

double offset_from_angles(double start, double end, int32_t direction, double limit) {
  const long double a = reduce_to_360_degree_angle(start, false);
  const long double b = reduce_to_360_degree_angle(end, false);
  const long double direct = b - a;
  long double offset = direct;
  switch (direction) {
    case 0: {
      const long double wrapped = b > a ? b - a - kTurn : b - a + kTurn;
      offset = std::fabs(direct) < std::fabs(wrapped) ? direct : wrapped;
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
  const long double sum = static_cast<long double>(angle) + offset;
  if (sum > kLastDegree || sum < -kLastDegree)
    return static_cast<double>(truncating_remainder(sum, kTurn));
  return static_cast<double>(sum);
}

double rotate_degrees_value(double angle, double change) {
  const long double sum = static_cast<long double>(angle) + change;
  return static_cast<double>(wrap_once(sum, kLastDegree, kTurn));
}

double rotate_radians_value(const State& state, double angle, double change) {
  const long double turn = 2.0L * static_cast<long double>(state.pi.load());
  const long double sum = static_cast<long double>(angle) + change;
  return static_cast<double>(wrap_once(sum, turn, turn));
}

double rotate_to_next_degree_value(double angle, double step) {
  const long double s = std::fabs(static_cast<long double>(step));
  const long double a = angle;
  long double q = std::trunc(a / s);
  if (step > 0.0) {
    q += 1.0L;
  } else if (truncating_remainder(a, s) == 0.0L) {
    q -= 1.0L;
  }
  const long double value = s * q;
  return static_cast<double>(wrap_once(value, kLastDegree, kTurn));
}

int32_t angle_passed_through_zero(double angle, double change) {
  const long double sum = static_cast<long double>(angle) + change;
  if (sum > kLastDegree) return 1;
  if (sum < 0.0L) return -1;
  return 0;
}

}  // namespace tolmer
