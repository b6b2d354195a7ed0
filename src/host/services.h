// Platform services, one interface per service.
//
// The library's exports reach the window system, the input devices, the
// clock and the shell only through these interfaces. Each has a default for
// the platform (Win32 on Windows; portable defaults elsewhere) and can be
// replaced, operation by operation, by a host through SETHOSTSERVICES.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tolmerdll.h"

namespace tolmer::host {

// The edit field and the message box of the length validator.
class WindowService {
 public:
  virtual ~WindowService() = default;
  // A modal message with a caption and one OK button.
  virtual void show_message(std::string_view text, std::string_view caption) = 0;
  // Selects characters first to after_last - 1 of the field (EM_SETSEL).
  virtual void select_range(int32_t window, int32_t first, int32_t after_last) = 0;
  // The length of a line of the field (EM_LINELENGTH).
  virtual int32_t line_length(int32_t window, int32_t line) = 0;
  // Gives the field the keyboard focus.
  virtual void set_focus(int32_t window) = 0;
  // Replaces the field's text.
  virtual void set_text(int32_t window, std::string_view text) = 0;
};

// Mouse and keyboard state.
class InputService {
 public:
  virtual ~InputService() = default;
  // The cursor position in screen coordinates; false when unknown.
  virtual bool cursor_position(int32_t& x, int32_t& y) = 0;
  // The window directly under a screen point (0 for none).
  virtual int32_t window_from_point(int32_t x, int32_t y) = 0;
  // The asynchronous key state: bit 15 down now, bit 0 pressed since the
  // previous query.
  virtual int32_t async_key_state(int32_t virtual_key) = 0;
};

// Milliseconds since the system started, wrapping at 2^32.
class ClockService {
 public:
  virtual ~ClockService() = default;
  virtual uint32_t tick_count() = 0;
};

// Shell special folders.
class FolderService {
 public:
  virtual ~FolderService() = default;
  // The file-system path of a special folder (CSIDL number), or empty.
  virtual std::string special_folder(int32_t folder) = 0;
};

// The services in force: the host's operations where installed, else the
// defaults.
WindowService& window();
InputService& input();
ClockService& clock();
FolderService& folders();

// Installs a host's table of operations (null restores every default). Of
// a table whose size field is smaller than the structure, only the members
// inside that size, each entirely, are taken; the others keep their defaults.
void install(const TolmerHostServices* services);

// The table in force: the host's members that were taken, null elsewhere
// (null meaning the default); its size is that of the whole structure.
TolmerHostServices installed_services();

// The platform defaults (used where the host installed nothing).
WindowService& default_window();
InputService& default_input();
ClockService& default_clock();
FolderService& default_folders();

}  // namespace tolmer::host
