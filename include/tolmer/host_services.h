// The platform services a tolmer::Library uses (the window system, the
// input devices, the clock and the shell's special folders), as C++ values a
// host can replace operation by operation.
//
// HostServices is a set of std::function, one per operation. An empty
// function means "the platform's own service" for that operation (Win32 on
// Windows; elsewhere: messages go to standard error, no window exists,
// nothing is pressed, the tick count is a monotonic millisecond clock, and
// the special folders map to the home and XDG directories). A
// default-constructed HostServices is therefore every platform default.
//
// Ownership and lifetime: Library::set_host_services takes the functions by
// value (their captures are copied or moved into the context) and keeps them
// until the next set_host_services or the context's end; a call that has
// already started keeps the set it began with alive until it returns, even
// when another thread (or the function itself) installs a new set
// meanwhile. A function may be called from any thread that uses the
// context, and concurrently: it must be safe for that.
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tolmer::inline v1 {

// The special folders the library knows. Each names a folder of the user or
// of the system; a platform (or a host) that has no such folder answers
// none. The enumerators' values are the shell's own folder numbers (the C
// interface passes its numbers through unchanged): write the names.
enum class SpecialFolder : int32_t {
  Desktop = 0x0000,           // the desktop as the user sees it
  Documents = 0x0005,         // the user's documents
  Music = 0x000D,
  Videos = 0x000E,
  DesktopDirectory = 0x0010,  // the folder holding the desktop's files
  Fonts = 0x0014,
  Templates = 0x0015,
  AppData = 0x001A,           // per-user application settings (roaming)
  LocalAppData = 0x001C,      // per-user application data (this machine)
  InternetCache = 0x0020,     // temporary files
  CommonAppData = 0x0023,     // application data shared by every user
  ProgramFiles = 0x0026,
  Pictures = 0x0027,
  Profile = 0x0028,           // the user's home
};

// The mouse buttons, as Library::mouse_button answers.
enum class MouseButton : int32_t { None, Left, Right, Middle };

// A point of the screen, in pixels.
struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The state of a key (or a mouse button, by its virtual key: 1 left, 2
// right, 4 middle).
struct KeyState {
  bool down = false;                // held now
  bool pressed_since_last = false;  // pressed since the previous query
  friend bool operator==(const KeyState&, const KeyState&) = default;
};

struct HostServices {
  // ---- the edit field and the message box of the length validator
  // A modal message with a caption and one OK button.
  std::function<void(std::string_view text, std::string_view caption)> show_message;
  // Selects the characters first to after_last - 1 (0-based offsets) of
  // the field.
  std::function<void(int32_t window, int32_t first, int32_t after_last)> select_range;
  // The length of a line of the field.
  std::function<int32_t(int32_t window, int32_t line)> line_length;
  // Gives the field the keyboard focus.
  std::function<void(int32_t window)> set_focus;
  // Replaces the field's text.
  std::function<void(int32_t window, std::string_view text)> set_text;

  // ---- mouse and keyboard
  // The cursor in screen coordinates; none when it cannot be had.
  std::function<std::optional<ScreenPoint>()> cursor_position;
  // The window directly under a point (0 for none).
  std::function<int32_t(ScreenPoint point)> window_from_point;
  // The state of a key by its virtual-key number.
  std::function<KeyState(int32_t virtual_key)> key_state;

  // ---- clock: milliseconds since the system started, wrapping at 2^32 (it
  // seeds the C interface's generator; a Library seeds its random stream
  // from the operating system's entropy instead)
  std::function<uint32_t()> tick_count;

  // ---- shell: the path of a special folder; none when it has none
  std::function<std::optional<std::string>(SpecialFolder folder)> special_folder;
};

}  // namespace tolmer
