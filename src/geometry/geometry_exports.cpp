// Exports of angles, rectangles and points, and bits.
#include "api/library_impl.h"
#include "frame/abi.h"
#include "frame/precision.h"
#include "geometry/angles.h"
#include "geometry/bits.h"
#include "geometry/rects.h"

// ------------------------------------------------------------------ angles

TOLMER_EXPORT(double) REDUCETO360DEGREEANGLE(double angle, int32_t allow_360) {
  tolmer::ExtendedPrecision guard;
  return tolmer::reduce_to_360_degree_angle(angle, allow_360 != 0);
}

TOLMER_EXPORT(double) GETOFFSETFROMANGLES(double start, double end, int32_t direction,
                                          double limit) {
  tolmer::ExtendedPrecision guard;
  return tolmer::offset_from_angles(start, end, direction, limit);
}

TOLMER_EXPORT(double) ADDANGLEOFFSET(double angle, double offset) {
  tolmer::ExtendedPrecision guard;
  return tolmer::add_angle_offset(angle, offset);
}

TOLMER_EXPORT(double) ROTATEDEGREESVALUE(double angle, double change) {
  tolmer::ExtendedPrecision guard;
  return tolmer::rotate_degrees_value(angle, change);
}

TOLMER_EXPORT(double) ROTATERADIANSVALUE(double angle, double change) {
  return tolmer::process_library().rotate_radians(angle, change);
}

TOLMER_EXPORT(double) ROTATETONEXTDEGREEVALUE(double angle, double step) {
  tolmer::ExtendedPrecision guard;
  return tolmer::rotate_to_next_degree_value(angle, step);
}

TOLMER_EXPORT(int32_t) ANGLEPASSEDTHROUGHZERO(double angle, double change) {
  tolmer::ExtendedPrecision guard;
  return tolmer::angle_passed_through_zero(angle, change);
}

// ------------------------------------------------------ rectangles, points

TOLMER_EXPORT(void) SETRECTLOWERLEFTJUSTIFIED(double* x1, double* y1, double* x2, double* y2) {
  // First x, then y, each pair read when its turn comes: when the caller
  // passes one variable twice (x2 and y1, say), the y test sees what the x
  // exchange left in it. Only exchanged variables are written.
  const double ax1 = tolmer::abi::read(x1), ax2 = tolmer::abi::read(x2);
  if (ax2 < ax1) {
    tolmer::abi::write(x1, ax2);
    tolmer::abi::write(x2, ax1);
  }
  const double ay1 = tolmer::abi::read(y1), ay2 = tolmer::abi::read(y2);
  if (ay2 < ay1) {
    tolmer::abi::write(y1, ay2);
    tolmer::abi::write(y2, ay1);
  }
}

TOLMER_EXPORT(int32_t) RECTINRECT(const DoubleRect* a, const DoubleRect* b) {
  return tolmer::rect_in_rect(tolmer::abi::read(a), tolmer::abi::read(b));
}

TOLMER_EXPORT(int32_t) ISPOINTINRECTDOUBLE(double x, double y, const DoubleRect* rect,
                                           int32_t exclusive) {
  return tolmer::is_point_in_rect(x, y, tolmer::abi::read(rect), exclusive != 0) ? 1 : 0;
}

// -------------------------------------------------------------------- bits

TOLMER_EXPORT(int32_t) GETTOTALBITSSET(int32_t value, int32_t count) {
  return tolmer::total_bits_set(value, count);
}

TOLMER_EXPORT(int32_t) GETFIRSTBITSET(int32_t value, int32_t start, int32_t count) {
  return tolmer::first_bit_set(value, start, count);
}

TOLMER_EXPORT(int32_t) EXAMINEBIT(const void* target, int32_t bit) {
  return tolmer::examine_bit(target, bit) ? 1 : 0;
}

TOLMER_EXPORT(void) CLEARBIT(void* target, int32_t bit) { tolmer::clear_bit(target, bit); }

TOLMER_EXPORT(void) SETBIT(void* target, int32_t bit) { tolmer::set_bit(target, bit); }

TOLMER_EXPORT(void) TOGGLEBIT(void* target, int32_t bit) { tolmer::toggle_bit(target, bit); }

TOLMER_EXPORT(int32_t) SHIFTBITSLEFT(int32_t value, int32_t count) {
  return tolmer::shift_bits_left(value, count);
}

TOLMER_EXPORT(int32_t) SHIFTBITSRIGHT(int32_t value, int32_t count) {
  return tolmer::shift_bits_right(value, count);
}

TOLMER_EXPORT(void) ROTATEBITSLEFT(uint8_t* byte, int32_t count) {
  tolmer::abi::write(byte, tolmer::rotate_byte_left(tolmer::abi::read(byte), count));
}

TOLMER_EXPORT(void) ROTATEBITSRIGHT(uint8_t* byte, int32_t count) {
  tolmer::abi::write(byte, tolmer::rotate_byte_right(tolmer::abi::read(byte), count));
}
