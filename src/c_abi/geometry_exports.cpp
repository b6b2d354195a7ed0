// Exports of angles, rectangles and points, and bits.
#include <cstddef>

#include "c_abi/process.h"
#include "c_abi/abi.h"
#include "frame/charconv.h"
#include "geometry/angles.h"
#include "geometry/bits.h"
#include "geometry/rects.h"

namespace abi = tolmer::abi;

// ------------------------------------------------------------------ angles

TOLMER_EXPORT(double) REDUCETO360DEGREEANGLE(double angle, int32_t allow_360) {
  return tolmer::abi::guarded(0.0, [&]() -> double {
    return tolmer::reduce_to_360_degree_angle(angle, allow_360 != 0);
  });
}

TOLMER_EXPORT(double) GETOFFSETFROMANGLES(double start, double end, int32_t direction,
                                          double limit) {
  return tolmer::abi::guarded(0.0, [&]() -> double {
    return tolmer::offset_from_angles(start, end, direction, limit);
  });
}

TOLMER_EXPORT(double) ADDANGLEOFFSET(double angle, double offset) {
  return tolmer::abi::guarded(0.0, [&]() -> double {
    return tolmer::add_angle_offset(angle, offset);
  });
}

TOLMER_EXPORT(double) ROTATEDEGREESVALUE(double angle, double change) {
  return tolmer::abi::guarded(0.0, [&]() -> double {
    return tolmer::rotate_degrees_value(angle, change);
  });
}

TOLMER_EXPORT(double) ROTATERADIANSVALUE(double angle, double change) {
  return tolmer::abi::guarded(0.0, [&]() -> double {
    return tolmer::process_library().rotate_radians(angle, change);
  });
}

TOLMER_EXPORT(double) ROTATETONEXTDEGREEVALUE(double angle, double step) {
  return tolmer::abi::guarded(0.0, [&]() -> double {
    return tolmer::rotate_to_next_degree_value(angle, step);
  });
}

TOLMER_EXPORT(int32_t) ANGLEPASSEDTHROUGHZERO(double angle, double change) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::angle_passed_through_zero(angle, change);
  });
}

// ------------------------------------------------------ rectangles, points

namespace {

// One pair of coordinates put in order through the justification of a
// rectangle; both are written only when they were exchanged.
void justify_pair(double* low, double* high) {
  const double given_low = abi::read(low), given_high = abi::read(high);
  const tolmer::Rect justified = tolmer::lower_left_justified({given_low, 0, given_high, 0});
  if (tolmer::bits_cast<uint64_t>(justified.x1) != tolmer::bits_cast<uint64_t>(given_low)) {
    abi::write(low, justified.x1);
    abi::write(high, justified.x2);
  }
}

}  // namespace

TOLMER_EXPORT(void) SETRECTLOWERLEFTJUSTIFIED(double* x1, double* y1, double* x2, double* y2) {
  tolmer::abi::guarded([&] {
    // First x, then y, each pair read when its turn comes: when the caller
    // passes one variable twice (x2 and y1, say), the y test sees what the x
    // exchange left in it.
    justify_pair(x1, x2);
    justify_pair(y1, y2);
  });
}

TOLMER_EXPORT(int32_t) RECTINRECT(const DoubleRect* a, const DoubleRect* b) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::rect_in_rect(abi::rect(a), abi::rect(b));
  });
}

TOLMER_EXPORT(int32_t) ISPOINTINRECTDOUBLE(double x, double y, const DoubleRect* rect,
                                           int32_t exclusive) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::is_point_in_rect(x, y, abi::rect(rect), exclusive != 0) ? 1 : 0;
  });
}

// -------------------------------------------------------------------- bits

TOLMER_EXPORT(int32_t) GETTOTALBITSSET(int32_t value, int32_t count) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::total_bits_set(value, count);
  });
}

TOLMER_EXPORT(int32_t) GETFIRSTBITSET(int32_t value, int32_t start, int32_t count) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::first_bit_set(value, start, count);
  });
}

TOLMER_EXPORT(int32_t) EXAMINEBIT(const void* target, int32_t bit) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::examine_bit(target, bit) ? 1 : 0;
  });
}

TOLMER_EXPORT(void) CLEARBIT(void* target, int32_t bit) {
  tolmer::abi::guarded([&] {
    tolmer::clear_bit(target, bit);
  });
}

TOLMER_EXPORT(void) SETBIT(void* target, int32_t bit) {
  tolmer::abi::guarded([&] {
    tolmer::set_bit(target, bit);
  });
}

TOLMER_EXPORT(void) TOGGLEBIT(void* target, int32_t bit) {
  tolmer::abi::guarded([&] {
    tolmer::toggle_bit(target, bit);
  });
}

TOLMER_EXPORT(int32_t) SHIFTBITSLEFT(int32_t value, int32_t count) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::shift_bits_left(value, count);
  });
}

TOLMER_EXPORT(int32_t) SHIFTBITSRIGHT(int32_t value, int32_t count) {
  return tolmer::abi::guarded(int32_t{0}, [&]() -> int32_t {
    return tolmer::shift_bits_right(value, count);
  });
}

TOLMER_EXPORT(void) ROTATEBITSLEFT(uint8_t* byte, int32_t count) {
  tolmer::abi::guarded([&] {
    abi::write(byte, tolmer::rotate_byte_left(abi::read(byte), count));
  });
}

TOLMER_EXPORT(void) ROTATEBITSRIGHT(uint8_t* byte, int32_t count) {
  tolmer::abi::guarded([&] {
    abi::write(byte, tolmer::rotate_byte_right(abi::read(byte), count));
  });
}
