#include "host/input.h"

#include "host/services.h"

namespace tolmer::inline v1 {

namespace {
// The 16-bit asynchronous state of a key.
uint32_t async_state(host::InputService& input, int32_t virtual_key) {
  return static_cast<uint32_t>(input.async_key_state(virtual_key)) & 0xFFFFu;
}
}  // namespace

int32_t mouse_button(host::InputService& input, int32_t window) {
  if (window > 0) {
    int32_t x = 0, y = 0;
    if (!input.cursor_position(x, y)) return 0;
    if (input.window_from_point(x, y) != window) return 0;
  }
  // Either bit counts: down now, or pressed since the previous query.
  if (async_state(input, kLeftButtonKey) != 0) return 1;
  if (async_state(input, kRightButtonKey) != 0) return 2;
  if (async_state(input, kMiddleButtonKey) != 0) return 3;
  return 0;
}

int32_t key_state(host::InputService& input, int32_t virtual_key) {
  return (async_state(input, virtual_key) & 0x8000u) != 0 ? 1 : 0;
}

}  // namespace tolmer
