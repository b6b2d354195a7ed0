// Mouse buttons and key state through a host's input provider.
#include <gtest/gtest.h>

#include <map>

#include "tolmerdll.h"

namespace {

// A keyboard and mouse the test drives: keys down now, keys pressed since
// the previous query (cleared by each query, as the window system does), a
// cursor over a window.
struct FakeInput {
  std::map<int32_t, bool> down;
  std::map<int32_t, bool> pressed_since;
  bool cursor_known = true;
  int32_t cursor_x = 40, cursor_y = 50;
  int32_t window_under_cursor = 0;
  int32_t queries = 0;
  int32_t point_x = -1, point_y = -1;

  void press_and_release(int32_t key) { pressed_since[key] = true; }
  void hold(int32_t key) {
    down[key] = true;
    pressed_since[key] = true;
  }
};

int32_t fake_cursor(void* context, int32_t* x, int32_t* y) {
  auto* input = static_cast<FakeInput*>(context);
  if (!input->cursor_known) return 0;
  *x = input->cursor_x;
  *y = input->cursor_y;
  return 1;
}

int32_t fake_window_from_point(void* context, int32_t x, int32_t y) {
  auto* input = static_cast<FakeInput*>(context);
  input->point_x = x;
  input->point_y = y;
  return input->window_under_cursor;
}

int32_t fake_key_state(void* context, int32_t key) {
  auto* input = static_cast<FakeInput*>(context);
  ++input->queries;
  int32_t state = 0;
  if (input->down[key]) state |= 0x8000;
  if (input->pressed_since[key]) state |= 0x0001;
  input->pressed_since[key] = false;
  return state;
}

class Input : public testing::Test {
 protected:
  void SetUp() override {
    TolmerHostServices services{};
    services.size = sizeof services;
    services.context = &fake_;
    services.cursor_position = fake_cursor;
    services.window_from_point = fake_window_from_point;
    services.async_key_state = fake_key_state;
    SETHOSTSERVICES(&services);
  }
  void TearDown() override { SETHOSTSERVICES(nullptr); }
  FakeInput fake_;
};

constexpr int32_t kLeft = 1, kRight = 2, kMiddle = 4;

TEST_F(Input, ButtonsInOrderOfPrecedence) {
  struct Case {
    bool left, right, middle;
    int32_t expected;
  };
  const Case cases[] = {
      {false, false, false, 0}, {true, false, false, 1}, {false, true, false, 2},
      {false, false, true, 3},  {true, true, false, 1},  {false, true, true, 2},
      {true, true, true, 1},    {true, false, true, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.left << c.right << c.middle);
    fake_.down = {{kLeft, c.left}, {kRight, c.right}, {kMiddle, c.middle}};
    EXPECT_EQ(GETMOUSEBUTTON(0), c.expected);
  }
}

TEST_F(Input, WindowRestriction) {
  fake_.hold(kRight);
  fake_.window_under_cursor = 77;
  EXPECT_EQ(GETMOUSEBUTTON(77), 2);
  EXPECT_EQ(fake_.point_x, 40);  // asked for the window at the cursor
  EXPECT_EQ(fake_.point_y, 50);
  const int32_t before = fake_.queries;
  EXPECT_EQ(GETMOUSEBUTTON(78), 0);  // another (say a child) window is under the cursor
  EXPECT_EQ(fake_.queries, before);  // the buttons were not looked at
  fake_.cursor_known = false;
  EXPECT_EQ(GETMOUSEBUTTON(77), 0);
  // No restriction for 0 and negative handles.
  EXPECT_EQ(GETMOUSEBUTTON(0), 2);
  EXPECT_EQ(GETMOUSEBUTTON(-5), 2);
}

TEST_F(Input, PressedSinceLastQueryCountsForButtonsNotKeys) {
  fake_.press_and_release(kLeft);
  EXPECT_EQ(GETKEYSTATE(kLeft), 0);  // up now: the earlier press is ignored
  fake_.press_and_release(kLeft);
  EXPECT_EQ(GETMOUSEBUTTON(0), 1);  // the press since the last query counts
  EXPECT_EQ(GETMOUSEBUTTON(0), 0);  // and is consumed by that query
}

TEST_F(Input, KeyState) {
  constexpr int32_t kShift = 0x10, kA = 0x41;
  fake_.hold(kShift);
  EXPECT_EQ(GETKEYSTATE(kShift), 1);
  EXPECT_EQ(GETKEYSTATE(kShift), 1);  // still down after the press bit is gone
  EXPECT_EQ(GETKEYSTATE(kA), 0);
  fake_.down[kShift] = false;
  EXPECT_EQ(GETKEYSTATE(kShift), 0);
}

int32_t wide_key_state(void*, int32_t key) {
  // Bits above the 16-bit state are not part of it.
  return key == 1 ? 0x10000 : (key == 0x20 ? 0x18000 : 0);
}

TEST(InputWide, OnlyTheSixteenBitsOfTheStateCount) {
  TolmerHostServices services{};
  services.size = sizeof services;
  services.async_key_state = wide_key_state;
  SETHOSTSERVICES(&services);
  EXPECT_EQ(GETMOUSEBUTTON(0), 0);
  EXPECT_EQ(GETKEYSTATE(0x20), 1);
  EXPECT_EQ(GETKEYSTATE(1), 0);
  SETHOSTSERVICES(nullptr);
}

#if !defined(_WIN32)
TEST(InputDefault, NothingPressedAndNoWindow) {
  SETHOSTSERVICES(nullptr);
  EXPECT_EQ(GETMOUSEBUTTON(0), 0);
  EXPECT_EQ(GETMOUSEBUTTON(12), 0);
  EXPECT_EQ(GETKEYSTATE(0x41), 0);
}
#endif

}  // namespace
