// Exports of angles, rectangles and points, and bits.
#include <cstddef>

#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "frame/charconv.h"
#include "tolmer/geometry.h"

namespace abi = tolmer::abi;
namespace geometry = tolmer::geometry;

// ------------------------------------------------------------------ angles

TOLMER_EXPORT(double) REDUCETO360DEGREEANGLE(double angle, int32_t allow_360) {
  return geometry::reduce_to_360(angle, allow_360 != 0);
}

TOLMER_EXPORT(double) GETOFFSETFROMANGLES(double start, double end, int32_t direction,
                                          double limit) {
  return geometry::offset_from_angles(start, end, direction, limit);
}

TOLMER_EXPORT(double) ADDANGLEOFFSET(double angle, double offset) {
  return geometry::add_angle_offset(angle, offset);
}

TOLMER_EXPORT(double) ROTATEDEGREESVALUE(double angle, double change) {
  return geometry::rotate_degrees(angle, change);
}

TOLMER_EXPORT(double) ROTATERADIANSVALUE(double angle, double change) {
  return tolmer::process_library().rotate_radians(angle, change);
}

TOLMER_EXPORT(double) ROTATETONEXTDEGREEVALUE(double angle, double step) {
  return geometry::rotate_to_next_degree(angle, step);
}

TOLMER_EXPORT(int32_t) ANGLEPASSEDTHROUGHZERO(double angle, double change) {
  return geometry::angle_passed_through_zero(angle, change);
}

// ------------------------------------------------------ rectangles, points

namespace {

// One pair of coordinates put in order through the justification of a
// rectangle; both are written only when they were exchanged.
void justify_pair(double* low, double* high) {
  const double given_low = abi::read(low), given_high = abi::read(high);
  const geometry::Rect justified = geometry::lower_left_justified({given_low, 0, given_high, 0});
  if (tolmer::bits_cast<uint64_t>(justified.x1) != tolmer::bits_cast<uint64_t>(given_low)) {
    abi::write(low, justified.x1);
    abi::write(high, justified.x2);
  }
}

}  // namespace

TOLMER_EXPORT(void) SETRECTLOWERLEFTJUSTIFIED(double* x1, double* y1, double* x2, double* y2) {
  // First x, then y, each pair read when its turn comes: when the caller
  // passes one variable twice (x2 and y1, say), the y test sees what the x
  // exchange left in it.
  justify_pair(x1, x2);
  justify_pair(y1, y2);
}

TOLMER_EXPORT(int32_t) RECTINRECT(const DoubleRect* a, const DoubleRect* b) {
  return geometry::rect_in_rect(abi::rect(a), abi::rect(b));
}

TOLMER_EXPORT(int32_t) ISPOINTINRECTDOUBLE(double x, double y, const DoubleRect* rect,
                                           int32_t exclusive) {
  return geometry::is_point_in_rect(x, y, abi::rect(rect), exclusive != 0) ? 1 : 0;
}

// -------------------------------------------------------------------- bits

TOLMER_EXPORT(int32_t) GETTOTALBITSSET(int32_t value, int32_t count) {
  return geometry::total_bits_set(value, count);
}

TOLMER_EXPORT(int32_t) GETFIRSTBITSET(int32_t value, int32_t start, int32_t count) {
  return geometry::first_bit_set(value, start, count);
}

TOLMER_EXPORT(int32_t) EXAMINEBIT(const void* target, int32_t bit) {
  return geometry::examine_bit(abi::bit_string(target, bit), bit) ? 1 : 0;
}

TOLMER_EXPORT(void) CLEARBIT(void* target, int32_t bit) {
  geometry::clear_bit(abi::bit_string(target, bit), bit);
}

TOLMER_EXPORT(void) SETBIT(void* target, int32_t bit) {
  geometry::set_bit(abi::bit_string(target, bit), bit);
}

TOLMER_EXPORT(void) TOGGLEBIT(void* target, int32_t bit) {
  geometry::toggle_bit(abi::bit_string(target, bit), bit);
}

TOLMER_EXPORT(int32_t) SHIFTBITSLEFT(int32_t value, int32_t count) {
  return geometry::shift_bits_left(value, count);
}

TOLMER_EXPORT(int32_t) SHIFTBITSRIGHT(int32_t value, int32_t count) {
  return geometry::shift_bits_right(value, count);
}

TOLMER_EXPORT(void) ROTATEBITSLEFT(uint8_t* byte, int32_t count) {
  abi::write(byte, std::to_integer<uint8_t>(
                       geometry::rotate_left(std::byte{abi::read(byte)}, count)));
}

TOLMER_EXPORT(void) ROTATEBITSRIGHT(uint8_t* byte, int32_t count) {
  abi::write(byte, std::to_integer<uint8_t>(
                       geometry::rotate_right(std::byte{abi::read(byte)}, count)));
}
