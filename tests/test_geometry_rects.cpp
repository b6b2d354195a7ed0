// Rectangles and points: normalising, point tests, rectangle against rectangle.
#include <gtest/gtest.h>

#include <cmath>

#include "tolmerdll.h"

namespace {

struct Justify {
  DoubleRect in, expected;
};

TEST(Rects, SetRectLowerLeftJustified) {
  const Justify cases[] = {
      {{5, 7, 1, 2}, {1, 2, 5, 7}},
      {{1, 7, 5, 2}, {1, 2, 5, 7}},
      {{5, 2, 1, 7}, {1, 2, 5, 7}},
      {{3, 3, 3, 3}, {3, 3, 3, 3}},
      {{-1, -2, -3, -4}, {-3, -4, -1, -2}},
  };
  for (const Justify& c : cases) {
    DoubleRect r = c.in;
    SETRECTLOWERLEFTJUSTIFIED(&r.x1, &r.y1, &r.x2, &r.y2);
    EXPECT_EQ(r.x1, c.expected.x1);
    EXPECT_EQ(r.y1, c.expected.y1);
    EXPECT_EQ(r.x2, c.expected.x2);
    EXPECT_EQ(r.y2, c.expected.y2);
  }
}

TEST(Rects, SetRectLowerLeftJustifiedExchangesStoredValues) {
  // -0.0 and 0.0 compare equal: no exchange, the signs stay where they were.
  DoubleRect r{0.0, -0.0, -0.0, 0.0};
  SETRECTLOWERLEFTJUSTIFIED(&r.x1, &r.y1, &r.x2, &r.y2);
  EXPECT_FALSE(std::signbit(r.x1));
  EXPECT_TRUE(std::signbit(r.x2));
  EXPECT_TRUE(std::signbit(r.y1));
}

TEST(Rects, SetRectLowerLeftJustifiedNullReferences) {
  // A null corner reads as 0 and is never written.
  double x2 = -4, y2 = 9;
  SETRECTLOWERLEFTJUSTIFIED(nullptr, nullptr, &x2, &y2);
  EXPECT_EQ(x2, 0);  // exchanged with the 0 read from the null x1
  EXPECT_EQ(y2, 9);
  SETRECTLOWERLEFTJUSTIFIED(nullptr, nullptr, nullptr, nullptr);
}

struct PointCase {
  double x, y;
  int32_t exclusive;
  int32_t expected;
};

TEST(Rects, IsPointInRectDouble) {
  const DoubleRect rect{0, 0, 10, 10};
  const PointCase cases[] = {
      {10, 5, 0, 1},    {10, 5, 1, 0},  {5, 5, 0, 1},   {5, 5, 1, 1},    {10.5, 5, 0, 0},
      {10.5, 5, 1, 0},  {0, 0, 0, 1},   {0, 0, 1, 0},   {5, -0.1, 0, 0}, {5, 10, 0, 1},
      {5, 10, 7, 0},    {-1, 5, 0, 0},  {5, 11, 0, 0},
  };
  for (const PointCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "(" << c.x << ", " << c.y << ") flag " << c.exclusive);
    EXPECT_EQ(ISPOINTINRECTDOUBLE(c.x, c.y, &rect, c.exclusive), c.expected);
  }
}

TEST(Rects, IsPointInRectDoubleDoesNotNormalise) {
  const DoubleRect reversed{10, 10, 0, 0};
  EXPECT_EQ(ISPOINTINRECTDOUBLE(5, 5, &reversed, 0), 0);
  EXPECT_EQ(reversed.x1, 10);  // only read
  const DoubleRect line{10, 0, 10, 10};  // degenerate edge, inclusive test
  EXPECT_EQ(ISPOINTINRECTDOUBLE(10, 5, &line, 0), 1);
  EXPECT_EQ(ISPOINTINRECTDOUBLE(10, 5, &line, 1), 0);
  // A null rectangle reads as the zero rectangle.
  EXPECT_EQ(ISPOINTINRECTDOUBLE(0, 0, nullptr, 0), 1);
  EXPECT_EQ(ISPOINTINRECTDOUBLE(0, 0, nullptr, 1), 0);
}

struct RectCase {
  DoubleRect b;
  int32_t expected;
};

TEST(Rects, RectInRect) {
  const DoubleRect a{0, 0, 10, 10};
  const RectCase cases[] = {
      {{2, 2, 8, 8}, 1},       {{0, 0, 10, 10}, 1},    {{10, 10, 2, 2}, 1},
      {{-5, -5, 20, 20}, 2},   {{5, 5, 15, 15}, 2},    {{-5, 2, 5, 8}, 0},
      {{-5, 2, 15, 8}, 0},     {{20, 20, 30, 30}, 0},  {{10, 10, 20, 20}, 2},
      {{-5, -5, 5, 5}, 2},     {{15, 15, 5, 5}, 2},    {{2, -5, 8, 15}, 0},
      {{-5, 5, 15, 15}, 2},    {{0, 0, 0, 0}, 1},      {{11, 0, 12, 10}, 0},
  };
  for (const RectCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "B = (" << c.b.x1 << ", " << c.b.y1 << ", " << c.b.x2
                                    << ", " << c.b.y2 << ")");
    const DoubleRect b = c.b;
    EXPECT_EQ(RECTINRECT(&a, &b), c.expected);
    EXPECT_EQ(b.x1, c.b.x1);  // neither rectangle is changed
    EXPECT_EQ(b.x2, c.b.x2);
  }
  // A reversed A is normalised on a copy.
  const DoubleRect reversed_a{10, 10, 0, 0};
  const DoubleRect inner{2, 2, 8, 8};
  EXPECT_EQ(RECTINRECT(&reversed_a, &inner), 1);
  EXPECT_EQ(reversed_a.x1, 10);
}

TEST(Rects, RectInRectNullReadsAsZeroRectangle) {
  const DoubleRect a{0, 0, 10, 10};
  EXPECT_EQ(RECTINRECT(&a, nullptr), 1);   // the zero rectangle lies at A's corner
  EXPECT_EQ(RECTINRECT(nullptr, &a), 2);   // A holds the zero rectangle's corners
  EXPECT_EQ(RECTINRECT(nullptr, nullptr), 1);
}

}  // namespace
