// Angles, rectangles and points, bits: any doubles and counts, bit targets
// of exactly the bytes the bit number reaches.
#include <bit>
#include <cmath>
#include <cstring>
#include <memory>

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool initialised = (INITIALIZEDLL(), true);
  (void)initialised;
  fuzz::Input in(data, size);
  const double angle = in.real();
  const double change = in.real();
  const int32_t direction = in.small(-1, 3);
  const int32_t flag = in.small(-1, 1);
  const int32_t value = in.integer();
  const int32_t count = in.small(-2, 40);
  const int32_t start = in.small(-2, 40);
  // Any negative bit; positive ones kept below 2^16 so that the target
  // (allocated to exactly the bytes the bit reaches) stays small.
  const int32_t wide_bit = in.small(-3, 2000);
  const int32_t bit = wide_bit > 65535 ? wide_bit % 65536 : wide_bit;
  DoubleRect a{in.real(), in.real(), in.real(), in.real()};
  DoubleRect b{in.real(), in.real(), in.real(), in.real()};

  // Angles.
  const double reduced = REDUCETO360DEGREEANGLE(angle, flag);
  if (std::isfinite(angle)) fuzz::check(std::fabs(reduced) <= 360);
  const double offset = GETOFFSETFROMANGLES(angle, change, direction, 0);
  if (std::isfinite(angle) && std::isfinite(change)) fuzz::check(std::isfinite(offset) && std::fabs(offset) <= 720);
  const double limited = GETOFFSETFROMANGLES(angle, change, direction, 10);
  if (std::isfinite(offset)) fuzz::check(std::fabs(limited) <= std::fabs(offset) || std::fabs(limited) == 10);
  const double added = ADDANGLEOFFSET(angle, change);
  if (std::isfinite(added)) fuzz::check(std::fabs(added) <= 360 || std::fabs(angle + change) <= 359);
  (void)ROTATEDEGREESVALUE(angle, change);
  (void)ROTATERADIANSVALUE(angle, change);
  const double next = ROTATETONEXTDEGREEVALUE(angle, change);
  if (change == 0) fuzz::check(std::isnan(next));
  const int32_t passed = ANGLEPASSEDTHROUGHZERO(angle, change);
  fuzz::check(passed == (angle + change > 359 ? 1 : angle + change < 0 ? -1 : 0));

  // Rectangles: justified corners are ordered (when comparable); a
  // justified rectangle holds itself.
  double x1 = a.x1, y1 = a.y1, x2 = a.x2, y2 = a.y2;
  SETRECTLOWERLEFTJUSTIFIED(&x1, &y1, &x2, &y2);
  fuzz::check(!(x2 < x1) && !(y2 < y1));
  const DoubleRect justified{x1, y1, x2, y2};
  const int32_t inside = RECTINRECT(&a, &b);
  fuzz::check(inside >= 0 && inside <= 2);
  if (!std::isnan(x1) && !std::isnan(x2) && !std::isnan(y1) && !std::isnan(y2)) {
    fuzz::check(RECTINRECT(&justified, &a) == 1);
  }
  const int32_t point = ISPOINTINRECTDOUBLE(b.x1, b.y1, &justified, flag);
  const bool within = flag != 0 ? (b.x1 > x1 && b.x1 < x2 && b.y1 > y1 && b.y1 < y2)
                                 : (b.x1 >= x1 && b.x1 <= x2 && b.y1 >= y1 && b.y1 <= y2);
  fuzz::check(point == (within ? 1 : 0));

  // Word bits.
  const int32_t width = count < 1 || count > 32 ? 32 : count;
  const uint32_t mask = width == 32 ? 0xFFFFFFFFu : ((1u << width) - 1);
  fuzz::check(GETTOTALBITSSET(value, count) == std::popcount(static_cast<uint32_t>(value) & mask));
  const int32_t first = GETFIRSTBITSET(value, start, count);
  int32_t expected = -1;
  for (int32_t i = start < 0 ? 0 : start; i < width; ++i) {
    if ((static_cast<uint32_t>(value) >> i) & 1u) {
      expected = i;
      break;
    }
  }
  fuzz::check(first == expected);
  const uint32_t shift = static_cast<uint32_t>(count) & 31u;
  fuzz::check(SHIFTBITSLEFT(value, count) == static_cast<int32_t>(static_cast<uint32_t>(value) << shift));
  fuzz::check(SHIFTBITSRIGHT(value, count) == static_cast<int32_t>(static_cast<uint32_t>(value) >> shift));
  uint8_t byte = static_cast<uint8_t>(value);
  ROTATEBITSLEFT(&byte, count);
  fuzz::check(byte == std::rotl(static_cast<uint8_t>(value), static_cast<int>(static_cast<uint32_t>(count) & 7u)));
  ROTATEBITSRIGHT(&byte, count);
  fuzz::check(byte == static_cast<uint8_t>(value));

  // Memory bits: the target is exactly the bytes up to the one holding the
  // bit (one byte for a negative bit, which names none).
  const size_t bytes = bit < 0 ? 1 : static_cast<size_t>(bit) / 8 + 1;
  std::unique_ptr<uint8_t[]> target(new uint8_t[bytes]);
  std::memset(target.get(), value & 0xFF, bytes);
  const uint8_t before = target[bytes - 1];
  if (bit < 0) {
    SETBIT(target.get(), bit);
    CLEARBIT(target.get(), bit);
    TOGGLEBIT(target.get(), bit);
    fuzz::check(EXAMINEBIT(target.get(), bit) == 0 && target[0] == before);
  } else {
    const uint8_t mask_bit = static_cast<uint8_t>(1u << (bit % 8));
    fuzz::check(EXAMINEBIT(target.get(), bit) == ((before & mask_bit) ? 1 : 0));
    SETBIT(target.get(), bit);
    fuzz::check(EXAMINEBIT(target.get(), bit) == 1 && target[bytes - 1] == (before | mask_bit));
    TOGGLEBIT(target.get(), bit);
    fuzz::check(EXAMINEBIT(target.get(), bit) == 0);
    CLEARBIT(target.get(), bit);
    fuzz::check(target[bytes - 1] == (before & ~mask_bit));
    for (size_t i = 0; i + 1 < bytes; ++i) fuzz::check(target[i] == static_cast<uint8_t>(value & 0xFF));
  }
  return 0;
}
