// Hostile inputs to the angle, rectangle and bit exports and to the host
// services: NaN, infinities, -0.0, bit numbers and counts of every size,
// null targets, paths past the cap.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "c_abi/process.h"
#include "test_hostile_support.h"

using namespace hostile;

namespace {

class HostileAngles : public Hostile {};
class HostileRects : public Hostile {};
class HostileBits : public Hostile {};
class HostilePaths : public Hostile {};
class HostileInput : public Hostile {};
class HostileRandom : public Hostile {};

void forget_initialisation() { tolmer::state() = tolmer::State{}; }

uint32_t ticks = 0;

}  // namespace

// ----------------------------------------------------------------- angles

HOSTILE_TEST(HostileAngles, REDUCETO360DEGREEANGLE) {
  for (int32_t flag : bad_integers()) {
    EXPECT_TRUE(std::isnan(REDUCETO360DEGREEANGLE(kNaN, flag)));
    EXPECT_TRUE(std::isnan(REDUCETO360DEGREEANGLE(kInf, flag)));  // no remainder of an infinity
    EXPECT_TRUE(std::isnan(REDUCETO360DEGREEANGLE(-kInf, flag)));
    EXPECT_EQ(REDUCETO360DEGREEANGLE(360, flag), 360.0);  // any non-zero flag allows 360
  }
  EXPECT_EQ(REDUCETO360DEGREEANGLE(360, 0), 0.0);
  EXPECT_TRUE(std::signbit(REDUCETO360DEGREEANGLE(-0.0, 0)));
  EXPECT_EQ(REDUCETO360DEGREEANGLE(kDenormal, 0), kDenormal);
  const double huge = REDUCETO360DEGREEANGLE(DBL_MAX, 0);
  EXPECT_GE(huge, 0.0);
  EXPECT_LT(huge, 360.0);
  EXPECT_EQ(REDUCETO360DEGREEANGLE(-400, 0), -40.0);
}

HOSTILE_TEST(HostileAngles, GETOFFSETFROMANGLES) {
  for (int32_t direction : bad_integers()) {
    EXPECT_TRUE(std::isnan(GETOFFSETFROMANGLES(kNaN, 10, direction, 0)));
    EXPECT_TRUE(std::isnan(GETOFFSETFROMANGLES(10, kInf, direction, 0)));
    // Any other direction: the plain difference.
    EXPECT_EQ(GETOFFSETFROMANGLES(350, 10, direction, 0), -340.0) << direction;
  }
  // A limit clamps only an offset larger than its size, to sign(offset) x
  // limit; a NaN or infinite limit clamps nothing.
  EXPECT_EQ(GETOFFSETFROMANGLES(0, 90, 1, kNaN), 90.0);
  EXPECT_EQ(GETOFFSETFROMANGLES(0, 90, 1, kInf), 90.0);
  EXPECT_EQ(GETOFFSETFROMANGLES(0, 90, 1, -kInf), 90.0);
  EXPECT_EQ(GETOFFSETFROMANGLES(0, 90, 1, -10), -10.0);
  EXPECT_EQ(GETOFFSETFROMANGLES(0, 90, 2, -10), 10.0);
  EXPECT_EQ(GETOFFSETFROMANGLES(0, 90, 1, -0.0), 90.0);  // -0 is no limit
  EXPECT_EQ(GETOFFSETFROMANGLES(0, 0, 1, 5), 0.0);       // a zero offset has no sign to clamp to
}

HOSTILE_TEST(HostileAngles, ADDANGLEOFFSET) {
  EXPECT_TRUE(std::isnan(ADDANGLEOFFSET(kNaN, 0)));
  EXPECT_TRUE(std::isnan(ADDANGLEOFFSET(kInf, 0)));
  EXPECT_TRUE(std::isnan(ADDANGLEOFFSET(kInf, -kInf)));
  EXPECT_EQ(ADDANGLEOFFSET(-0.0, -0.0), 0.0);
  EXPECT_TRUE(std::signbit(ADDANGLEOFFSET(-0.0, -0.0)));
  const double wrapped = ADDANGLEOFFSET(DBL_MAX, 0);
  EXPECT_TRUE(wrapped >= 0 && wrapped < 360);
}

HOSTILE_TEST(HostileAngles, ROTATEDEGREESVALUE) {
  EXPECT_TRUE(std::isnan(ROTATEDEGREESVALUE(kNaN, 1)));
  EXPECT_EQ(ROTATEDEGREESVALUE(kInf, 1), kInf);  // once less 360 is still infinite
  EXPECT_EQ(ROTATEDEGREESVALUE(-kInf, 1), -kInf);
  EXPECT_EQ(ROTATEDEGREESVALUE(350, 20), 10.0);
  EXPECT_EQ(ROTATEDEGREESVALUE(10, -20), 350.0);
  EXPECT_EQ(ROTATEDEGREESVALUE(0, -1000), -640.0);  // only once
  EXPECT_EQ(ROTATEDEGREESVALUE(-0.0, 0.0), 0.0);
}

HOSTILE_TEST(HostileAngles, ROTATERADIANSVALUE) {
  const double two_pi = 2 * std::acos(-1.0);
  EXPECT_TRUE(std::isnan(ROTATERADIANSVALUE(kNaN, 0)));
  EXPECT_EQ(ROTATERADIANSVALUE(kInf, 0), kInf);
  EXPECT_NEAR(ROTATERADIANSVALUE(two_pi, 1), 1.0, 1e-12);
  EXPECT_NEAR(ROTATERADIANSVALUE(0, -1), two_pi - 1, 1e-12);
  // Before initialisation pi is 0.
  forget_initialisation();
  EXPECT_EQ(ROTATERADIANSVALUE(1, 1), 2.0);
  EXPECT_EQ(ROTATERADIANSVALUE(-1, 0), -1.0);
}

HOSTILE_TEST(HostileAngles, ROTATETONEXTDEGREEVALUE) {
  EXPECT_TRUE(std::isnan(ROTATETONEXTDEGREEVALUE(10, 0)));
  EXPECT_TRUE(std::isnan(ROTATETONEXTDEGREEVALUE(10, -0.0)));
  EXPECT_TRUE(std::isnan(ROTATETONEXTDEGREEVALUE(kNaN, 15)));
  EXPECT_TRUE(std::isnan(ROTATETONEXTDEGREEVALUE(10, kNaN)));
  EXPECT_EQ(ROTATETONEXTDEGREEVALUE(kInf, 15), kInf);  // infinite angles stay infinite
  EXPECT_TRUE(std::isnan(ROTATETONEXTDEGREEVALUE(-kInf, -kInf)));
  EXPECT_EQ(ROTATETONEXTDEGREEVALUE(10, 15), 15.0);
  EXPECT_EQ(ROTATETONEXTDEGREEVALUE(10, -15), 0.0);
  const double tiny = ROTATETONEXTDEGREEVALUE(10, kDenormal);
  EXPECT_FALSE(std::isinf(tiny));
}

HOSTILE_TEST(HostileAngles, ANGLEPASSEDTHROUGHZERO) {
  EXPECT_EQ(ANGLEPASSEDTHROUGHZERO(kNaN, 0), 0);
  EXPECT_EQ(ANGLEPASSEDTHROUGHZERO(kInf, 0), 1);
  EXPECT_EQ(ANGLEPASSEDTHROUGHZERO(-kInf, 0), -1);
  EXPECT_EQ(ANGLEPASSEDTHROUGHZERO(kInf, -kInf), 0);  // NaN
  EXPECT_EQ(ANGLEPASSEDTHROUGHZERO(-0.0, 0), 0);
  EXPECT_EQ(ANGLEPASSEDTHROUGHZERO(-kDenormal, 0), -1);
  EXPECT_EQ(ANGLEPASSEDTHROUGHZERO(359, kDenormal), 0);  // lost in the sum
}

// ------------------------------------------------------------- rectangles

HOSTILE_TEST(HostileRects, SETRECTLOWERLEFTJUSTIFIED) {
  SETRECTLOWERLEFTJUSTIFIED(nullptr, nullptr, nullptr, nullptr);
  // Null references read as 0: a null x1 against x2 = -1 exchanges, and
  // only the variable given is written.
  double x2 = -1, y2 = 5;
  SETRECTLOWERLEFTJUSTIFIED(nullptr, nullptr, &x2, &y2);
  EXPECT_EQ(x2, 0.0);
  EXPECT_EQ(y2, 5.0);
  // NaN never compares: nothing is exchanged.
  double a = kNaN, b = 1, c = 0, d = kNaN;
  SETRECTLOWERLEFTJUSTIFIED(&a, &b, &c, &d);
  EXPECT_TRUE(std::isnan(a));
  EXPECT_EQ(c, 0.0);
  double e = kInf, f = 0.0, g = -kInf, h = -0.0;
  SETRECTLOWERLEFTJUSTIFIED(&e, &f, &g, &h);
  EXPECT_EQ(e, -kInf);
  EXPECT_EQ(g, kInf);
  EXPECT_FALSE(std::signbit(f));  // -0.0 is not below 0.0: kept in place
  EXPECT_TRUE(std::signbit(h));
}

HOSTILE_TEST(HostileRects, RECTINRECT) {
  const DoubleRect unit{0, 0, 1, 1};
  const DoubleRect nan{kNaN, kNaN, kNaN, kNaN};
  EXPECT_EQ(RECTINRECT(nullptr, nullptr), 1);  // both all zeros: b within a
  EXPECT_EQ(RECTINRECT(&unit, nullptr), 1);    // the point (0, 0) on a's edge
  EXPECT_EQ(RECTINRECT(nullptr, &unit), 2);    // b holds a's corner (0, 0)
  EXPECT_EQ(RECTINRECT(&unit, &nan), 0);
  EXPECT_EQ(RECTINRECT(&nan, &unit), 0);
  const DoubleRect everything{-kInf, -kInf, kInf, kInf};
  EXPECT_EQ(RECTINRECT(&everything, &unit), 1);
  EXPECT_EQ(RECTINRECT(&unit, &everything), 2);
  const DoubleRect reversed{1, 1, 0, 0};
  EXPECT_EQ(RECTINRECT(&reversed, &unit), 1);  // normalised copies
  EXPECT_EQ(reversed.x1, 1.0);                 // the caller's rectangle unchanged
}

HOSTILE_TEST(HostileRects, ISPOINTINRECTDOUBLE) {
  const DoubleRect unit{0, 0, 1, 1};
  EXPECT_EQ(ISPOINTINRECTDOUBLE(0, 0, nullptr, 0), 1);  // the zero rectangle holds its one point
  EXPECT_EQ(ISPOINTINRECTDOUBLE(0, 0, nullptr, 1), 0);
  for (int32_t exclusive : bad_integers()) {
    EXPECT_EQ(ISPOINTINRECTDOUBLE(0, 0.5, &unit, exclusive), 0) << exclusive;
    EXPECT_EQ(ISPOINTINRECTDOUBLE(0.5, 0.5, &unit, exclusive), 1) << exclusive;
  }
  EXPECT_EQ(ISPOINTINRECTDOUBLE(kNaN, 0.5, &unit, 0), 0);
  EXPECT_EQ(ISPOINTINRECTDOUBLE(-0.0, -0.0, &unit, 0), 1);
  EXPECT_EQ(ISPOINTINRECTDOUBLE(kDenormal, kDenormal, &unit, 1), 1);
  const DoubleRect reversed{1, 1, 0, 0};
  EXPECT_EQ(ISPOINTINRECTDOUBLE(0.5, 0.5, &reversed, 0), 0);  // taken as given
}

// ------------------------------------------------------------------- bits

HOSTILE_TEST(HostileBits, GETTOTALBITSSET) {
  for (int32_t count : {kMin, -1, 0, 33, kMax}) {
    EXPECT_EQ(GETTOTALBITSSET(-1, count), 32) << count;
    EXPECT_EQ(GETTOTALBITSSET(kMin, count), 1) << count;
  }
  EXPECT_EQ(GETTOTALBITSSET(kMax, 31), 31);
  EXPECT_EQ(GETTOTALBITSSET(kMin, 31), 0);
}

HOSTILE_TEST(HostileBits, GETFIRSTBITSET) {
  EXPECT_EQ(GETFIRSTBITSET(0, 0, 32), -1);
  EXPECT_EQ(GETFIRSTBITSET(kMin, kMin, kMin), 31);  // start from 0, count 32
  EXPECT_EQ(GETFIRSTBITSET(kMin, 0, 31), -1);
  EXPECT_EQ(GETFIRSTBITSET(-1, kMax, 32), -1);
  EXPECT_EQ(GETFIRSTBITSET(-1, 31, kMax), 31);
  EXPECT_EQ(GETFIRSTBITSET(-1, 32, 0), -1);
}

HOSTILE_TEST(HostileBits, EXAMINEBIT) {
  uint8_t bytes[2] = {0xFF, 0xFF};
  for (int32_t bit : {kMin, -9, -1}) EXPECT_EQ(EXAMINEBIT(bytes + 1, bit), 0) << bit;
  EXPECT_EQ(EXAMINEBIT(nullptr, 3), 0);  // a null target holds no bit
  EXPECT_EQ(EXAMINEBIT(bytes, 15), 1);
  // A large bit number reaches far into the caller's memory, byte by byte.
  std::vector<uint8_t> big(static_cast<std::size_t>(kMax / 8) + 1, 0);
  big.back() = 0x80;
  EXPECT_EQ(EXAMINEBIT(big.data(), kMax), 1);
}

HOSTILE_TEST(HostileBits, CLEARBIT) {
  uint8_t bytes[2] = {0xFF, 0xFF};
  for (int32_t bit : {kMin, -9, -1}) CLEARBIT(bytes + 1, bit);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFF);
  CLEARBIT(nullptr, 3);
  CLEARBIT(bytes, 15);
  EXPECT_EQ(bytes[1], 0x7F);
  EXPECT_EQ(bytes[0], 0xFF);
}

HOSTILE_TEST(HostileBits, SETBIT) {
  uint8_t bytes[2] = {0, 0};
  for (int32_t bit : {kMin, -9, -1}) SETBIT(bytes + 1, bit);
  EXPECT_EQ(bytes[0], 0);
  SETBIT(nullptr, 0);
  SETBIT(bytes, 8);
  EXPECT_EQ(bytes[1], 1);
  std::vector<uint8_t> big(static_cast<std::size_t>(kMax / 8) + 1, 0);
  SETBIT(big.data(), kMax);
  EXPECT_EQ(big.back(), 0x80);
}

HOSTILE_TEST(HostileBits, TOGGLEBIT) {
  uint8_t bytes[2] = {0x0F, 0};
  for (int32_t bit : {kMin, -9, -1}) TOGGLEBIT(bytes + 1, bit);
  EXPECT_EQ(bytes[0], 0x0F);
  TOGGLEBIT(nullptr, 0);
  TOGGLEBIT(bytes, 0);
  TOGGLEBIT(bytes, 7);
  EXPECT_EQ(bytes[0], 0x8E);
}

HOSTILE_TEST(HostileBits, SHIFTBITSLEFT) {
  EXPECT_EQ(SHIFTBITSLEFT(1, kMin), 1);  // kMin mod 32 is 0
  EXPECT_EQ(SHIFTBITSLEFT(1, kMax), kMin);
  EXPECT_EQ(SHIFTBITSLEFT(1, -1), kMin);
  EXPECT_EQ(SHIFTBITSLEFT(kMax, 1), -2);
  EXPECT_EQ(SHIFTBITSLEFT(3, 32), 3);
}

HOSTILE_TEST(HostileBits, SHIFTBITSRIGHT) {
  EXPECT_EQ(SHIFTBITSRIGHT(kMin, 31), 1);  // logical: zeros enter
  EXPECT_EQ(SHIFTBITSRIGHT(-1, kMax), 1);
  EXPECT_EQ(SHIFTBITSRIGHT(-1, kMin), -1);
  EXPECT_EQ(SHIFTBITSRIGHT(-1, -31), kMax);  // -31 acts as 1
}

HOSTILE_TEST(HostileBits, ROTATEBITSLEFT) {
  ROTATEBITSLEFT(nullptr, 1);
  uint8_t byte = 0x81;
  ROTATEBITSLEFT(&byte, kMin);  // 0 mod 8
  EXPECT_EQ(byte, 0x81);
  ROTATEBITSLEFT(&byte, kMax);  // 7
  EXPECT_EQ(byte, 0xC0);
  ROTATEBITSLEFT(&byte, -1);  // 7
  EXPECT_EQ(byte, 0x60);
}

HOSTILE_TEST(HostileBits, ROTATEBITSRIGHT) {
  ROTATEBITSRIGHT(nullptr, 1);
  uint8_t byte = 0x81;
  ROTATEBITSRIGHT(&byte, kMin);
  EXPECT_EQ(byte, 0x81);
  ROTATEBITSRIGHT(&byte, kMax);
  EXPECT_EQ(byte, 0x03);
}

// ------------------------------------------------------------------ paths

HOSTILE_TEST(HostilePaths, GETSPECIALFOLDERLOCATION) {
  for (int32_t folder : {kMin, -1, 0x7FFF, kMax}) {
#if defined(_WIN32)
    // The shell answers (it reads only some bits of the number): a path that
    // fits MAX_PATH, or nothing.
    EXPECT_LT(take(GETSPECIALFOLDERLOCATION(folder)).size(), 260u) << folder;
#else
    EXPECT_EQ(take(GETSPECIALFOLDERLOCATION(folder)), "") << folder;
#endif
  }
  // A host's folder longer than any path buffer is no folder.
  TolmerHostServices services{};
  services.size = sizeof services;
  services.special_folder = [](void*, int32_t, char* buffer, int32_t capacity) -> int32_t {
    std::memset(buffer, 'p', static_cast<std::size_t>(capacity));
    return capacity;  // claims to fill all of it, NUL included: does not fit
  };
  SETHOSTSERVICES(&services);
  EXPECT_EQ(take(GETSPECIALFOLDERLOCATION(5)), "");
  services.special_folder = [](void*, int32_t, char*, int32_t) -> int32_t { return kMax; };
  SETHOSTSERVICES(&services);
  EXPECT_EQ(take(GETSPECIALFOLDERLOCATION(5)), "");
  services.special_folder = [](void*, int32_t, char*, int32_t) -> int32_t { return kMin; };
  SETHOSTSERVICES(&services);
  EXPECT_EQ(take(GETSPECIALFOLDERLOCATION(5)), "");
}

HOSTILE_TEST(HostilePaths, GETDRIVEFROMPATH) {
  EXPECT_EQ(take(GETDRIVEFROMPATH(nullptr)), "");
  EXPECT_EQ(take(GETDRIVEFROMPATH(":")), "");
  EXPECT_EQ(take(GETDRIVEFROMPATH("\xFF:")), "\xFF:");
  EXPECT_EQ(take(GETDRIVEFROMPATH(long_text(':'))), "::");
}

HOSTILE_TEST(HostilePaths, GETDIRECTORYFROMPATH) {
  EXPECT_EQ(take(GETDIRECTORYFROMPATH(nullptr)), "");
  EXPECT_EQ(take(GETDIRECTORYFROMPATH("C:")), "");
  EXPECT_EQ(take(GETDIRECTORYFROMPATH("\\")), "\\");
  EXPECT_EQ(take(GETDIRECTORYFROMPATH(long_text('d'))), "");  // the backslash past the cap is not read
  EXPECT_EQ(take(GETDIRECTORYFROMPATH(long_text('\\'))).size(), kCap);
}

HOSTILE_TEST(HostilePaths, GETFILENAMEFROMPATH) {
  EXPECT_EQ(take(GETFILENAMEFROMPATH(nullptr)), "");
  EXPECT_EQ(take(GETFILENAMEFROMPATH("a\\")), "");
  EXPECT_EQ(take(GETFILENAMEFROMPATH("a\\  ")), "");
  EXPECT_EQ(take(GETFILENAMEFROMPATH(long_text('\\'))), "");
  EXPECT_EQ(take(GETFILENAMEFROMPATH(long_text('f'))).size(), kCap);
}

HOSTILE_TEST(HostilePaths, REMOVEFILENAMEFROMFULLPATH) {
  EXPECT_EQ(take(REMOVEFILENAMEFROMFULLPATH(nullptr)), "");
  EXPECT_EQ(take(REMOVEFILENAMEFROMFULLPATH("name")), "");
  EXPECT_EQ(take(REMOVEFILENAMEFROMFULLPATH("a\\b\\c")), "a\\b\\");
  EXPECT_EQ(take(REMOVEFILENAMEFROMFULLPATH(long_text('r'))), "");
}

HOSTILE_TEST(HostilePaths, GETEXPORTFILENAME) {
  EXPECT_EQ(take(GETEXPORTFILENAME(nullptr, kMin, kMin)), "__-2147483648");
  EXPECT_EQ(take(GETEXPORTFILENAME("  House  ", -1, kMax)), "House__2147483647");
  const std::string capped = take(GETEXPORTFILENAME(long_text('h'), 0, 0));
  EXPECT_EQ(capped.size(), kCap + 3);
  EXPECT_EQ(capped.substr(kCap), "__0");
}

// ----------------------------------------------------------------- input

HOSTILE_TEST(HostileInput, GETMOUSEBUTTON) {
  for (int32_t window : bad_integers()) EXPECT_EQ(GETMOUSEBUTTON(window), 0) << window;
  // Every key down, cursor unknown: a window above 0 gives 0, others the left button.
  TolmerHostServices services{};
  services.size = sizeof services;
  services.async_key_state = [](void*, int32_t) -> int32_t { return 0x8001; };
  services.cursor_position = [](void*, int32_t*, int32_t*) -> int32_t { return 0; };
  SETHOSTSERVICES(&services);
  EXPECT_EQ(GETMOUSEBUTTON(kMax), 0);
  EXPECT_EQ(GETMOUSEBUTTON(kMin), 1);
  EXPECT_EQ(GETMOUSEBUTTON(0), 1);
  // A cursor over window INT32_MAX.
  services.cursor_position = [](void*, int32_t* x, int32_t* y) -> int32_t {
    *x = kMin;
    *y = kMax;
    return 1;
  };
  services.window_from_point = [](void*, int32_t, int32_t) -> int32_t { return kMax; };
  SETHOSTSERVICES(&services);
  EXPECT_EQ(GETMOUSEBUTTON(kMax), 1);
  EXPECT_EQ(GETMOUSEBUTTON(kMax - 1), 0);
#if !defined(_WIN32)
  // Without a cursor callback the platform's stands in; away from Windows it
  // knows no cursor, so no window is under it.
  services.cursor_position = nullptr;
  SETHOSTSERVICES(&services);
  EXPECT_EQ(GETMOUSEBUTTON(kMax), 0);
  EXPECT_EQ(GETMOUSEBUTTON(0), 1);
#endif
}

HOSTILE_TEST(HostileInput, GETKEYSTATE) {
  for (int32_t key : bad_integers()) EXPECT_EQ(GETKEYSTATE(key), 0) << key;
  TolmerHostServices services{};
  services.size = sizeof services;
  services.async_key_state = [](void*, int32_t key) -> int32_t { return key == kMin ? -1 : 1; };
  SETHOSTSERVICES(&services);
  EXPECT_EQ(GETKEYSTATE(kMin), 1);  // bit 15 set among all the others
  EXPECT_EQ(GETKEYSTATE(kMax), 0);  // pressed since, but up now
}

// ----------------------------------------------------------------- random

HOSTILE_TEST(HostileRandom, RANDOMIZEDLLGENERATOR) {
  TolmerHostServices services{};
  services.size = sizeof services;
  services.tick_count = [](void*) -> uint32_t { return ticks; };
  SETHOSTSERVICES(&services);
  for (uint32_t t : {0u, 0xFFFFFFFFu, 0x80000000u, 0x7FFFFFFFu}) {
    ticks = t;
    RANDOMIZEDLLGENERATOR();
    const float as_single = static_cast<float>(static_cast<int32_t>(t));
    uint32_t bits = 0;
    std::memcpy(&bits, &as_single, 4);
    EXPECT_EQ(tolmer::state().seed, bits) << t;
  }
}

TEST_F(HostileRandom, DefaultClockSeedsWithAWholeSingle) {
  // The platform's tick count, as a signed integer rounded to a single: the
  // seed's 32 bits read as a float are a whole number, and a second seeding
  // a moment later is never from an earlier count (the clock is monotonic).
  RANDOMIZEDLLGENERATOR();
  float first = 0;
  std::memcpy(&first, &tolmer::state().seed, 4);
  RANDOMIZEDLLGENERATOR();
  float second = 0;
  std::memcpy(&second, &tolmer::state().seed, 4);
  EXPECT_EQ(first, std::trunc(first));
  EXPECT_EQ(second, std::trunc(second));
  if (first >= 0 && second >= 0) {
    EXPECT_GE(second, first);
  }
}

HOSTILE_TEST(HostileRandom, GETRANDOMLONGVALUE) {
  forget_initialisation();  // the seed at load
  EXPECT_EQ(GETRANDOMLONGVALUE(), 2080096055);
  EXPECT_EQ(GETRANDOMLONGVALUE(), 433179940);
  for (uint32_t seed : {0u, 0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u}) {
    tolmer::state().seed = seed;
    const int32_t value = GETRANDOMLONGVALUE();
    EXPECT_GE(value, 10000) << seed;
  }
}

HOSTILE_TEST(HostileRandom, GETUNIQUERECORDID) {
  forget_initialisation();
  EXPECT_EQ(GETUNIQUERECORDID(nullptr, kMin), 0);
  EXPECT_EQ(GETUNIQUERECORDID(nullptr, -1), 0);
  EXPECT_EQ(tolmer::state().seed, 0xFFFFFFFFu);  // nothing drawn
  EXPECT_EQ(GETUNIQUERECORDID(nullptr, kMax), 2080096055);  // a null array holds nothing
  // The next draw is taken: drawn again.
  const int32_t existing[2] = {kMin, 433179940};
  const int32_t third = [] {
    tolmer::State saved = tolmer::state();
    GETRANDOMLONGVALUE();
    const int32_t value = GETRANDOMLONGVALUE();
    tolmer::state() = saved;
    return value;
  }();
  EXPECT_EQ(GETUNIQUERECORDID(existing, 1), third);
}
