// The default mouse and keyboard state: the Win32 queries on Windows;
// elsewhere no window is under the cursor and nothing is pressed.
#include "host/services.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tolmer::inline v1::host {

namespace {
#if defined(_WIN32)
class Win32Input final : public InputService {
 public:
  bool cursor_position(int32_t& x, int32_t& y) override {
    POINT point{};
    if (!GetCursorPos(&point)) return false;
    x = point.x;
    y = point.y;
    return true;
  }
  int32_t window_from_point(int32_t x, int32_t y) override {
    POINT point{x, y};
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(WindowFromPoint(point)));
  }
  int32_t async_key_state(int32_t virtual_key) override {
    return static_cast<int32_t>(static_cast<uint16_t>(GetAsyncKeyState(virtual_key)));
  }
};
#else
class NoInput final : public InputService {
 public:
  bool cursor_position(int32_t& x, int32_t& y) override {
    x = 0;
    y = 0;
    return false;
  }
  int32_t window_from_point(int32_t, int32_t) override { return 0; }
  int32_t async_key_state(int32_t) override { return 0; }
};
#endif
}  // namespace

InputService& default_input() {
#if defined(_WIN32)
  static Win32Input service;
#else
  static NoInput service;
#endif
  return service;
}

}  // namespace tolmer::host
