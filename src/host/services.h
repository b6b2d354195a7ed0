// Platform services, one interface per service.
//
// The library's exports reach the window system, the input devices, the
// clock and the shell only through these interfaces. Each has a default for
// the platform (Win32 on Windows; portable defaults elsewhere) and can be
// replaced, operation by operation, by a host: each context (Services, held
// by a tolmer::Library) has its own set (tolmer::HostServices);
// SETHOSTSERVICES converts the C interface's table into one and installs it
// in the process-wide context.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <shared_mutex>
#include <string>
#include <string_view>

#include "tolmer/host_services.h"
#include "tolmerdll_host.h"

namespace tolmer::inline v1::host {

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

// The platform's own field operations and message box (Win32 on Windows;
// elsewhere the message goes to standard error and the field operations do
// nothing). The field operations send the given message codes.
namespace platform {
void show_message(std::string_view text, std::string_view caption);
void select_range(int32_t code, int32_t window, int32_t first, int32_t after_last);
int32_t line_length(int32_t code, int32_t window, int32_t line);
void set_focus(int32_t window);
void set_text(int32_t window, std::string_view text);
}  // namespace platform

// The platform defaults of the other services (they keep no state).
InputService& default_input();
ClockService& default_clock();
FolderService& default_folders();

// One context's services: the operations its host installed, the platform
// defaults elsewhere, and the edit-control message codes the default field
// operations send. Each operation takes the set in force whole (a set
// installed meanwhile by another thread is seen whole or not at all, and
// stays alive until that operation returns). A copy shares the installed
// set and takes the codes; installing into it afterwards leaves the
// original alone.
class Services {
 public:
  Services();
  Services(const Services& other);
  Services& operator=(const Services& other);
  ~Services();

  // Each operation of these takes the set in force at its own call.
  WindowService& window() { return window_; }
  InputService& input() { return input_; }
  ClockService& clock() { return clock_; }
  FolderService& folders() { return folders_; }

 private:
  struct Installed;

 public:
  // The services of the set in force now, held for a sequence of operations
  // (a member that asks the cursor, the window under it and the buttons
  // asks them all of one set, whatever another thread installs meanwhile).
  class Session final : public WindowService, public InputService, public ClockService,
                        public FolderService {
   public:
    void show_message(std::string_view text, std::string_view caption) override;
    void select_range(int32_t window, int32_t first, int32_t after_last) override;
    int32_t line_length(int32_t window, int32_t line) override;
    void set_focus(int32_t window) override;
    void set_text(int32_t window, std::string_view text) override;
    bool cursor_position(int32_t& x, int32_t& y) override;
    int32_t window_from_point(int32_t x, int32_t y) override;
    int32_t async_key_state(int32_t virtual_key) override;
    uint32_t tick_count() override;
    std::string special_folder(int32_t folder) override;

   private:
    friend class Services;
    explicit Session(const Services& owner);
    const Services& owner_;
    std::shared_ptr<const Installed> set_;
  };
  [[nodiscard]] Session session() const { return Session(*this); }

  // Installs a host's operations (an empty function: the platform default),
  // replacing the whole set installed before. `from_table` is the C
  // interface's table they were converted from, kept only to be read back
  // by installed() (all null when the operations come from C++).
  void install(HostServices services, const TolmerHostServices& from_table = {});
  // The operations in force (an empty function: the default).
  [[nodiscard]] HostServices current() const;
  // The C table the operations in force came from: its members that were
  // taken, null elsewhere (null meaning the default); its size is that of
  // the whole structure.
  [[nodiscard]] TolmerHostServices installed() const;

  // The edit-control message codes (select range, line length).
  void set_edit_codes(int32_t select_range, int32_t line_length);
  int32_t select_range_code() const { return select_range_code_.load(std::memory_order_relaxed); }
  int32_t line_length_code() const { return line_length_code_.load(std::memory_order_relaxed); }

 private:
  class Window final : public WindowService {
   public:
    explicit Window(Services& owner) : owner_(owner) {}
    void show_message(std::string_view text, std::string_view caption) override;
    void select_range(int32_t window, int32_t first, int32_t after_last) override;
    int32_t line_length(int32_t window, int32_t line) override;
    void set_focus(int32_t window) override;
    void set_text(int32_t window, std::string_view text) override;

   private:
    Services& owner_;
  };
  class Input final : public InputService {
   public:
    explicit Input(Services& owner) : owner_(owner) {}
    bool cursor_position(int32_t& x, int32_t& y) override;
    int32_t window_from_point(int32_t x, int32_t y) override;
    int32_t async_key_state(int32_t virtual_key) override;

   private:
    Services& owner_;
  };
  class Clock final : public ClockService {
   public:
    explicit Clock(Services& owner) : owner_(owner) {}
    uint32_t tick_count() override;

   private:
    Services& owner_;
  };
  class Folders final : public FolderService {
   public:
    explicit Folders(Services& owner) : owner_(owner) {}
    std::string special_folder(int32_t folder) override;

   private:
    Services& owner_;
  };

  // What install() publishes: replaced whole, never changed in place.
  struct Installed {
    HostServices services;
    TolmerHostServices table{};
  };
  [[nodiscard]] std::shared_ptr<const Installed> snapshot() const;

  std::shared_ptr<const Installed> installed_;  // null: every default
  mutable std::shared_mutex lock_;
  std::atomic<int32_t> select_range_code_{0};
  std::atomic<int32_t> line_length_code_{0};
  Window window_{*this};
  Input input_{*this};
  Clock clock_{*this};
  Folders folders_{*this};
};

}  // namespace tolmer::host
