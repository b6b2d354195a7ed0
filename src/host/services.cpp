// A context's host services: each operation goes to the host's callback when
// it installed one, else to the platform default.
#include "host/services.h"

#include <cstddef>
#include <cstring>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <vector>

namespace tolmer::inline v1::host {

Services::Services() = default;
Services::~Services() = default;

Services::Services(const Services& other)
    : table_(other.installed()),
      select_range_code_(other.select_range_code()),
      line_length_code_(other.line_length_code()) {}

Services& Services::operator=(const Services& other) {
  if (this == &other) return *this;
  const TolmerHostServices table = other.installed();
  {
    const std::unique_lock lock(lock_);
    table_ = table;
  }
  set_edit_codes(other.select_range_code(), other.line_length_code());
  return *this;
}

void Services::set_edit_codes(int32_t select_range, int32_t line_length) {
  select_range_code_.store(select_range, std::memory_order_relaxed);
  line_length_code_.store(line_length, std::memory_order_relaxed);
}

// A call takes a copy under the shared lock, so a table installed meanwhile
// by another thread is seen whole or not at all.
TolmerHostServices Services::installed() const {
  const std::shared_lock lock(lock_);
  return table_;
}

void Services::Window::show_message(std::string_view text, std::string_view caption) {
  const TolmerHostServices installed = owner_.installed();
  if (installed.show_message == nullptr) return platform::show_message(text, caption);
  const std::string t(text), c(caption);
  installed.show_message(installed.context, t.c_str(), c.c_str());
}

void Services::Window::select_range(int32_t window, int32_t first, int32_t after_last) {
  const TolmerHostServices installed = owner_.installed();
  if (installed.select_range == nullptr)
    return platform::select_range(owner_.select_range_code(), window, first, after_last);
  installed.select_range(installed.context, window, first, after_last);
}

int32_t Services::Window::line_length(int32_t window, int32_t line) {
  const TolmerHostServices installed = owner_.installed();
  if (installed.line_length == nullptr)
    return platform::line_length(owner_.line_length_code(), window, line);
  return installed.line_length(installed.context, window, line);
}

void Services::Window::set_focus(int32_t window) {
  const TolmerHostServices installed = owner_.installed();
  if (installed.set_focus == nullptr) return platform::set_focus(window);
  installed.set_focus(installed.context, window);
}

void Services::Window::set_text(int32_t window, std::string_view text) {
  const TolmerHostServices installed = owner_.installed();
  if (installed.set_text == nullptr) return platform::set_text(window, text);
  const std::string t(text);
  installed.set_text(installed.context, window, t.c_str());
}

bool Services::Input::cursor_position(int32_t& x, int32_t& y) {
  const TolmerHostServices installed = owner_.installed();
  if (installed.cursor_position == nullptr) return default_input().cursor_position(x, y);
  return installed.cursor_position(installed.context, &x, &y) != 0;
}

int32_t Services::Input::window_from_point(int32_t x, int32_t y) {
  const TolmerHostServices installed = owner_.installed();
  if (installed.window_from_point == nullptr) return default_input().window_from_point(x, y);
  return installed.window_from_point(installed.context, x, y);
}

int32_t Services::Input::async_key_state(int32_t virtual_key) {
  const TolmerHostServices installed = owner_.installed();
  if (installed.async_key_state == nullptr) return default_input().async_key_state(virtual_key);
  return installed.async_key_state(installed.context, virtual_key);
}

uint32_t Services::Clock::tick_count() {
  const TolmerHostServices installed = owner_.installed();
  if (installed.tick_count == nullptr) return default_clock().tick_count();
  return installed.tick_count(installed.context);
}

std::string Services::Folders::special_folder(int32_t folder) {
  const TolmerHostServices installed = owner_.installed();
  if (installed.special_folder == nullptr) return default_folders().special_folder(folder);
  std::vector<char> buffer(4096, '\0');
  const int32_t length = installed.special_folder(installed.context, folder, buffer.data(),
                                                  static_cast<int32_t>(buffer.size()));
  if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(length));
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

void Services::install(const TolmerHostServices* services) {
  TolmerHostServices installed{};
  const auto publish = [&] {
    const std::unique_lock lock(lock_);
    table_ = installed;
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

}  // namespace tolmer::host
