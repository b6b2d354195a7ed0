// A context's host services: each operation goes to the host's callback when
// it installed one, else to the platform default.
#include "host/services.h"

#include <memory>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <utility>

namespace tolmer::inline v1::host {

Services::Services() = default;
Services::~Services() = default;

Services::Services(const Services& other)
    : installed_(other.snapshot()),
      select_range_code_(other.select_range_code()),
      line_length_code_(other.line_length_code()) {}

Services& Services::operator=(const Services& other) {
  if (this == &other) return *this;
  std::shared_ptr<const Installed> taken = other.snapshot();
  {
    const std::unique_lock lock(lock_);
    installed_.swap(taken);
  }
  set_edit_codes(other.select_range_code(), other.line_length_code());
  return *this;  // `taken` now holds the set replaced, released unlocked
}

void Services::set_edit_codes(int32_t select_range, int32_t line_length) {
  select_range_code_.store(select_range, std::memory_order_relaxed);
  line_length_code_.store(line_length, std::memory_order_relaxed);
}

// A call takes the set in force under the shared lock and calls through it
// unlocked: a set installed meanwhile by another thread is seen whole or not
// at all, and the one taken lives until the call returns.
std::shared_ptr<const Services::Installed> Services::snapshot() const {
  const std::shared_lock lock(lock_);
  return installed_;
}

void Services::install(HostServices services, const TolmerHostServices& from_table) {
  auto made = std::make_shared<Installed>();
  made->services = std::move(services);
  made->table = from_table;
  made->table.size = static_cast<uint32_t>(sizeof(TolmerHostServices));
  std::shared_ptr<const Installed> replaced = std::move(made);
  {
    const std::unique_lock lock(lock_);
    installed_.swap(replaced);
  }
}

HostServices Services::current() const {
  const auto in_force = snapshot();
  return in_force ? in_force->services : HostServices{};
}

TolmerHostServices Services::installed() const {
  const auto in_force = snapshot();
  if (in_force) return in_force->table;
  TolmerHostServices none{};
  none.size = static_cast<uint32_t>(sizeof none);
  return none;
}

Services::Session::Session(const Services& owner) : owner_(owner), set_(owner.snapshot()) {}

void Services::Session::show_message(std::string_view text, std::string_view caption) {
  if (!set_ || !set_->services.show_message) return platform::show_message(text, caption);
  set_->services.show_message(text, caption);
}

void Services::Session::select_range(int32_t window, int32_t first, int32_t after_last) {
  if (!set_ || !set_->services.select_range)
    return platform::select_range(owner_.select_range_code(), window, first, after_last);
  set_->services.select_range(window, first, after_last);
}

int32_t Services::Session::line_length(int32_t window, int32_t line) {
  if (!set_ || !set_->services.line_length)
    return platform::line_length(owner_.line_length_code(), window, line);
  return set_->services.line_length(window, line);
}

void Services::Session::set_focus(int32_t window) {
  if (!set_ || !set_->services.set_focus) return platform::set_focus(window);
  set_->services.set_focus(window);
}

void Services::Session::set_text(int32_t window, std::string_view text) {
  if (!set_ || !set_->services.set_text) return platform::set_text(window, text);
  set_->services.set_text(window, text);
}

bool Services::Session::cursor_position(int32_t& x, int32_t& y) {
  if (!set_ || !set_->services.cursor_position) return default_input().cursor_position(x, y);
  const std::optional<ScreenPoint> point = set_->services.cursor_position();
  if (!point) return false;
  x = point->x;
  y = point->y;
  return true;
}

int32_t Services::Session::window_from_point(int32_t x, int32_t y) {
  if (!set_ || !set_->services.window_from_point) return default_input().window_from_point(x, y);
  return set_->services.window_from_point(ScreenPoint{x, y});
}

int32_t Services::Session::async_key_state(int32_t virtual_key) {
  if (!set_ || !set_->services.key_state) return default_input().async_key_state(virtual_key);
  const KeyState state = set_->services.key_state(virtual_key);
  return (state.down ? 0x8000 : 0) | (state.pressed_since_last ? 1 : 0);
}

uint32_t Services::Session::tick_count() {
  if (!set_ || !set_->services.tick_count) return default_clock().tick_count();
  return set_->services.tick_count();
}

std::string Services::Session::special_folder(int32_t folder) {
  if (!set_ || !set_->services.special_folder) return default_folders().special_folder(folder);
  return set_->services.special_folder(static_cast<SpecialFolder>(folder)).value_or(std::string());
}

// One operation, one session: each takes the set in force at its call.
void Services::Window::show_message(std::string_view text, std::string_view caption) {
  owner_.session().show_message(text, caption);
}
void Services::Window::select_range(int32_t window, int32_t first, int32_t after_last) {
  owner_.session().select_range(window, first, after_last);
}
int32_t Services::Window::line_length(int32_t window, int32_t line) {
  return owner_.session().line_length(window, line);
}
void Services::Window::set_focus(int32_t window) { owner_.session().set_focus(window); }
void Services::Window::set_text(int32_t window, std::string_view text) {
  owner_.session().set_text(window, text);
}
bool Services::Input::cursor_position(int32_t& x, int32_t& y) {
  return owner_.session().cursor_position(x, y);
}
int32_t Services::Input::window_from_point(int32_t x, int32_t y) {
  return owner_.session().window_from_point(x, y);
}
int32_t Services::Input::async_key_state(int32_t virtual_key) {
  return owner_.session().async_key_state(virtual_key);
}
uint32_t Services::Clock::tick_count() { return owner_.session().tick_count(); }
std::string Services::Folders::special_folder(int32_t folder) {
  return owner_.session().special_folder(folder);
}

}  // namespace tolmer::host
