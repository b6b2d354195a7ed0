// Mouse buttons and key state, read live through the input service.
#pragma once

#include <cstdint>

#include "host/services.h"

namespace tolmer::inline v1 {

// Virtual keys of the mouse buttons.
inline constexpr int32_t kLeftButtonKey = 1;
inline constexpr int32_t kRightButtonKey = 2;
inline constexpr int32_t kMiddleButtonKey = 4;

// The button held (or pressed since the previous query): 1 left, 2 right,
// 3 middle, 0 none, tried in that order. A window above 0 restricts the
// answer to the cursor being over exactly that window (0 otherwise, and
// also when the cursor position cannot be had).
int32_t mouse_button(host::InputService& input, int32_t window);

// 1 when the key is down now (bit 15 of its state), else 0.
int32_t key_state(host::InputService& input, int32_t virtual_key);

}  // namespace tolmer
