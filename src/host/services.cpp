// The installed host services: each operation goes to the host's callback
// when it installed one, else to the platform default.
#include "host/services.h"

#include <cstddef>
#include <cstring>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <vector>

#include "frame/abi.h"

namespace tolmer::host {

namespace {

// The installed table (all callbacks null: every default in force). A call
// takes a copy under the shared lock, so a table installed meanwhile by
// another thread is seen whole or not at all.
TolmerHostServices installed_table{};
std::shared_mutex installed_lock;

TolmerHostServices installed_now() {
  const std::shared_lock lock(installed_lock);
  return installed_table;
}

class InstalledWindow final : public WindowService {
 public:
  void show_message(std::string_view text, std::string_view caption) override {
    const TolmerHostServices installed = installed_now();
    if (installed.show_message == nullptr) return default_window().show_message(text, caption);
    const std::string t(text), c(caption);
    installed.show_message(installed.context, t.c_str(), c.c_str());
  }
  void select_range(int32_t window, int32_t first, int32_t after_last) override {
    const TolmerHostServices installed = installed_now();
    if (installed.select_range == nullptr)
      return default_window().select_range(window, first, after_last);
    installed.select_range(installed.context, window, first, after_last);
  }
  int32_t line_length(int32_t window, int32_t line) override {
    const TolmerHostServices installed = installed_now();
    if (installed.line_length == nullptr) return default_window().line_length(window, line);
    return installed.line_length(installed.context, window, line);
  }
  void set_focus(int32_t window) override {
    const TolmerHostServices installed = installed_now();
    if (installed.set_focus == nullptr) return default_window().set_focus(window);
    installed.set_focus(installed.context, window);
  }
  void set_text(int32_t window, std::string_view text) override {
    const TolmerHostServices installed = installed_now();
    if (installed.set_text == nullptr) return default_window().set_text(window, text);
    const std::string t(text);
    installed.set_text(installed.context, window, t.c_str());
  }
};

class InstalledInput final : public InputService {
 public:
  bool cursor_position(int32_t& x, int32_t& y) override {
    const TolmerHostServices installed = installed_now();
    if (installed.cursor_position == nullptr) return default_input().cursor_position(x, y);
    return installed.cursor_position(installed.context, &x, &y) != 0;
  }
  int32_t window_from_point(int32_t x, int32_t y) override {
    const TolmerHostServices installed = installed_now();
    if (installed.window_from_point == nullptr) return default_input().window_from_point(x, y);
    return installed.window_from_point(installed.context, x, y);
  }
  int32_t async_key_state(int32_t virtual_key) override {
    const TolmerHostServices installed = installed_now();
    if (installed.async_key_state == nullptr) return default_input().async_key_state(virtual_key);
    return installed.async_key_state(installed.context, virtual_key);
  }
};

class InstalledClock final : public ClockService {
 public:
  uint32_t tick_count() override {
    const TolmerHostServices installed = installed_now();
    if (installed.tick_count == nullptr) return default_clock().tick_count();
    return installed.tick_count(installed.context);
  }
};

class InstalledFolders final : public FolderService {
 public:
  std::string special_folder(int32_t folder) override {
    const TolmerHostServices installed = installed_now();
    if (installed.special_folder == nullptr) return default_folders().special_folder(folder);
    std::vector<char> buffer(4096, '\0');
    const int32_t length = installed.special_folder(installed.context, folder, buffer.data(),
                                                    static_cast<int32_t>(buffer.size()));
    if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return {};
    return std::string(buffer.data(), static_cast<std::size_t>(length));
  }
};

}  // namespace

WindowService& window() {
  static InstalledWindow service;
  return service;
}
InputService& input() {
  static InstalledInput service;
  return service;
}
ClockService& clock() {
  static InstalledClock service;
  return service;
}
FolderService& folders() {
  static InstalledFolders service;
  return service;
}

namespace {

// Copies one member of the host's table when its size covers the member
// entirely; a member the size leaves out or cuts keeps its default (null).
template <typename Member>
void take_member(Member& member, const TolmerHostServices* services, std::size_t size,
                 std::size_t offset) {
  if (offset > size || size - offset < sizeof member) return;
  std::memcpy(&member, reinterpret_cast<const unsigned char*>(services) + offset, sizeof member);
}

}  // namespace

#define TOLMER_TAKE_MEMBER(name) \
  take_member(installed.name, services, size, offsetof(TolmerHostServices, name))

void install(const TolmerHostServices* services) {
  TolmerHostServices installed{};
  const auto publish = [&] {
    const std::unique_lock lock(installed_lock);
    installed_table = installed;
  };
  if (services == nullptr) return publish();
  // Only the bytes the host's size names are read, and of those only whole
  // members are used: an older, shorter table leaves the later operations
  // at their defaults, and a size that ends inside a member leaves that
  // member at its default too (a part of an address is no address).
  std::uint32_t size_field = 0;
  std::memcpy(&size_field, services, sizeof size_field);
  const std::size_t size = size_field;
  TOLMER_TAKE_MEMBER(context);
  TOLMER_TAKE_MEMBER(show_message);
  TOLMER_TAKE_MEMBER(select_range);
  TOLMER_TAKE_MEMBER(line_length);
  TOLMER_TAKE_MEMBER(set_focus);
  TOLMER_TAKE_MEMBER(set_text);
  TOLMER_TAKE_MEMBER(cursor_position);
  TOLMER_TAKE_MEMBER(window_from_point);
  TOLMER_TAKE_MEMBER(async_key_state);
  TOLMER_TAKE_MEMBER(tick_count);
  TOLMER_TAKE_MEMBER(special_folder);
  installed.size = static_cast<uint32_t>(sizeof installed);
  publish();
}

#undef TOLMER_TAKE_MEMBER

TolmerHostServices installed_services() { return installed_now(); }

}  // namespace tolmer::host

TOLMER_EXPORT(void) SETHOSTSERVICES(const TolmerHostServices* services) {
  tolmer::host::install(services);
}
