// Angle arithmetic: reduction, offsets, rotations, snapping, zero crossing.
#include <gtest/gtest.h>

#include <cmath>

#include "tolmerdll.h"

namespace {

struct Reduce {
  double angle;
  int32_t allow_360;
  double expected;
};

TEST(Angles, ReduceTo360DegreeAngle) {
  const Reduce cases[] = {
      {400, 0, 40},       {400, 1, 40},       {360, 1, 360},   {360, 0, 0},
      {359.5, 0, 359.5},  {359, 0, 359},      {-400, 0, -40},  {-400, 1, -40},
      {-90, 0, -90},      {720, 1, 0},        {-360, 0, -0.0}, {-360, 1, -360},
      {-359.5, 0, -359.5}, {1080.25, 0, 0.25}, {-725.5, 1, -5.5},
  };
  for (const Reduce& c : cases) {
    SCOPED_TRACE(testing::Message() << c.angle << " flag " << c.allow_360);
    EXPECT_EQ(REDUCETO360DEGREEANGLE(c.angle, c.allow_360), c.expected);
  }
  // The truncating remainder keeps the sign of the angle, even for -360.
  EXPECT_TRUE(std::signbit(REDUCETO360DEGREEANGLE(-360, 0)));
}

struct Offset {
  double start, end;
  int32_t direction;
  double limit;
  double expected;
};

TEST(Angles, GetOffsetFromAngles) {
  const Offset cases[] = {
      {10, 350, 0, 0, -20},   {350, 10, 0, 0, 20},    {10, 350, 1, 0, 340},
      {350, 10, 1, 0, 20},    {10, 350, 2, 0, -20},   {350, 10, 2, 0, -340},
      {10, 350, 7, 0, 340},   {350, 10, 7, 0, -340},  {0, 360, 0, 0, 0},
      {350, 10, 1, 15, 15},   {350, 10, 1, -15, -15}, {10, 350, 0, 15, -15},
      {10, 350, 0, -15, 15},  {350, 10, 1, 30, 20},   {0, 180, 0, 0, -180},
      {180, 0, 0, 0, 180},    {90, 90, 1, 0, 0},      {90, 90, 2, 0, 0},
      {730, 20, 0, 0, 10},    {-30, 30, 0, 0, 60},    {-30, 30, 2, 0, -300},
  };
  for (const Offset& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << " -> " << c.end << " dir " << c.direction
                                    << " limit " << c.limit);
    EXPECT_EQ(GETOFFSETFROMANGLES(c.start, c.end, c.direction, c.limit), c.expected);
  }
}

struct Sum {
  double angle, change, expected;
};

TEST(Angles, AddAngleOffset) {
  const Sum cases[] = {
      {350, 20, 10}, {10, -20, -10}, {-350, -20, -10}, {359, 0, 359},
      {359.5, 0, 359.5}, {0, 720, 0}, {-359, 0, -359}, {100, 1000, 20},
  };
  for (const Sum& c : cases) {
    SCOPED_TRACE(testing::Message() << c.angle << " + " << c.change);
    EXPECT_EQ(ADDANGLEOFFSET(c.angle, c.change), c.expected);
  }
}

TEST(Angles, RotateDegreesValue) {
  const Sum cases[] = {
      {350, 20, 10}, {10, -20, 350}, {359.5, 0, -0.5}, {359, 0, 359},
      {0, 0, 0},     {700, 50, 390}, {-800, 0, -440},  {0, -0.25, 359.75},
  };
  for (const Sum& c : cases) {
    SCOPED_TRACE(testing::Message() << c.angle << " + " << c.change);
    EXPECT_EQ(ROTATEDEGREESVALUE(c.angle, c.change), c.expected);
  }
}

TEST(Angles, RotateRadiansValueUsesInitialisedPi) {
  INITIALIZEDLL();
  const double two_pi = 6.283185307179586;
  const Sum cases[] = {
      {6, 1, 0.7168146928204138},
      {0, -1, 5.283185307179586},
      {two_pi, 0, two_pi},  // exactly 2 pi stays
      {0, 0, 0},
      {3, 0.5, 3.5},
      {20, 0, 20 - two_pi},  // one correction only
  };
  for (const Sum& c : cases) {
    SCOPED_TRACE(testing::Message() << c.angle << " + " << c.change);
    EXPECT_DOUBLE_EQ(ROTATERADIANSVALUE(c.angle, c.change), c.expected);
  }
  EXPECT_EQ(ROTATERADIANSVALUE(6, 1), 0.7168146928204138);
}

TEST(Angles, RotateToNextDegreeValue) {
  const Sum cases[] = {
      {30, 15, 45},  {31, 15, 45},   {30, -15, 15}, {31, -15, 30},  {350, 15, 0},
      {0, -15, 345}, {0, 15, 15},    {345, 15, 0},  {44.5, 15, 45}, {90, 90, 180},
  };
  for (const Sum& c : cases) {
    SCOPED_TRACE(testing::Message() << c.angle << " step " << c.change);
    EXPECT_EQ(ROTATETONEXTDEGREEVALUE(c.angle, c.change), c.expected);
  }
  // Negative angles: the quotient truncates toward zero, -20 / 15 gives -1,
  // plus one step is 0.
  EXPECT_EQ(ROTATETONEXTDEGREEVALUE(-20, 15), 0);
  // A negative step on a negative angle that is not a multiple keeps q = -1:
  // -15, wrapped once to 345.
  EXPECT_EQ(ROTATETONEXTDEGREEVALUE(-20, -15), 345);
  // No next multiple of a zero step.
  EXPECT_TRUE(std::isnan(ROTATETONEXTDEGREEVALUE(30, 0)));
  EXPECT_TRUE(std::isnan(ROTATETONEXTDEGREEVALUE(0, 0)));
}

struct Crossing {
  double angle, change;
  int32_t expected;
};

TEST(Angles, AnglePassedThroughZero) {
  const Crossing cases[] = {
      {350, 20, 1}, {10, -20, -1}, {350, 9, 0}, {350, 9.5, 1},
      {0, 0, 0},    {0, -0.001, -1}, {359, 0, 0}, {180, 180, 1},
  };
  for (const Crossing& c : cases) {
    SCOPED_TRACE(testing::Message() << c.angle << " + " << c.change);
    EXPECT_EQ(ANGLEPASSEDTHROUGHZERO(c.angle, c.change), c.expected);
  }
}

TEST(Angles, NotANumberPassesThroughWithoutTrapping) {
  const double nan = std::nan("");
  EXPECT_TRUE(std::isnan(REDUCETO360DEGREEANGLE(nan, 0)));
  EXPECT_TRUE(std::isnan(ADDANGLEOFFSET(nan, 1)));
  EXPECT_TRUE(std::isnan(ROTATEDEGREESVALUE(1, nan)));
  EXPECT_EQ(ANGLEPASSEDTHROUGHZERO(nan, 0), 0);
  EXPECT_TRUE(std::isnan(REDUCETO360DEGREEANGLE(INFINITY, 1)));
}

}  // namespace
