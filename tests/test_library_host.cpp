// Host services belong to a context: what one Library installs, neither
// another Library nor the C interface's process context sees.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "c_abi/host_table.h"
#include "c_abi/process.h"
#include "tolmer/tolmer.h"
#include "tolmerdll.h"

namespace {

using tolmer::Library;

// What one fake host saw and what it answers.
struct FakeHost {
  uint32_t ticks = 0;
  int32_t pressed_key = -1;  // the virtual key reported down
  std::string folder;
  std::string message;
  std::string echo;
  int32_t message_window = 0;
  int32_t selected_window = 0;
};

FakeHost& host_of(void* context) { return *static_cast<FakeHost*>(context); }

TolmerHostServices table_for(FakeHost& host) {
  TolmerHostServices t{};
  t.size = sizeof t;
  t.context = &host;
  t.tick_count = [](void* c) -> uint32_t { return host_of(c).ticks; };
  t.async_key_state = [](void* c, int32_t key) -> int32_t {
    return key == host_of(c).pressed_key ? 0x8000 : 0;
  };
  t.cursor_position = [](void*, int32_t* x, int32_t* y) -> int32_t {
    *x = 1;
    *y = 2;
    return 1;
  };
  t.window_from_point = [](void*, int32_t, int32_t) -> int32_t { return 9; };
  t.special_folder = [](void* c, int32_t, char* buffer, int32_t capacity) -> int32_t {
    const std::string& f = host_of(c).folder;
    if (capacity <= static_cast<int32_t>(f.size())) return 0;
    std::memcpy(buffer, f.c_str(), f.size() + 1);
    return static_cast<int32_t>(f.size());
  };
  t.show_message = [](void* c, const char* text, const char*) { host_of(c).message = text; };
  t.select_range = [](void* c, int32_t window, int32_t, int32_t) {
    host_of(c).selected_window = window;
  };
  t.line_length = [](void*, int32_t, int32_t) -> int32_t { return 7; };
  t.set_focus = [](void*, int32_t) {};
  t.set_text = [](void* c, int32_t window, const char* text) {
    host_of(c).echo = text;
    host_of(c).message_window = window;
  };
  return t;
}

// The same fake host in C++ terms.
tolmer::HostServices services_for(FakeHost& host) {
  tolmer::HostServices s;
  s.tick_count = [&host] { return host.ticks; };
  s.key_state = [&host](int32_t key) { return tolmer::KeyState{key == host.pressed_key, false}; };
  s.cursor_position = [] { return std::optional<tolmer::ScreenPoint>(tolmer::ScreenPoint{1, 2}); };
  s.window_from_point = [](tolmer::ScreenPoint p) { return p == tolmer::ScreenPoint{1, 2} ? 9 : 0; };
  s.special_folder = [&host](tolmer::SpecialFolder f) -> std::optional<std::string> {
    if (f != tolmer::SpecialFolder::Documents) return std::nullopt;
    return host.folder;
  };
  s.show_message = [&host](std::string_view text, std::string_view) { host.message = text; };
  s.select_range = [&host](int32_t window, int32_t, int32_t) { host.selected_window = window; };
  s.line_length = [](int32_t, int32_t) { return 7; };
  s.set_focus = [](int32_t) {};
  s.set_text = [&host](int32_t window, std::string_view text) {
    host.echo = text;
    host.message_window = window;
  };
  return s;
}

TEST(LibraryHostServices, TwoContextsUseTheirOwnServices) {
  FakeHost a, b;
  a.pressed_key = 1;  // left button
  a.folder = "C:\\A";
  b.pressed_key = 2;  // right button
  b.folder = "C:\\Bee";
  const TolmerHostServices process_before = tolmer::state().services.installed();

  Library first, second;
  first.set_host_services(services_for(a));
  second.set_host_services(services_for(b));

  using tolmer::MouseButton;
  EXPECT_EQ(first.mouse_button(), MouseButton::Left);
  EXPECT_EQ(second.mouse_button(), MouseButton::Right);
  EXPECT_EQ(first.mouse_button(9), MouseButton::Left);  // the fake cursor is over window 9
  EXPECT_EQ(first.mouse_button(8), MouseButton::None);
  EXPECT_TRUE(first.key_down(1));
  EXPECT_FALSE(first.key_down(2));
  EXPECT_TRUE(second.key_down(2));
  EXPECT_EQ(first.special_folder(tolmer::SpecialFolder::Documents), "C:\\A");
  EXPECT_EQ(second.special_folder(tolmer::SpecialFolder::Documents), "C:\\Bee");
  // A folder the host has none of: no path (the host's answer stands).
  EXPECT_EQ(first.special_folder(tolmer::SpecialFolder::Fonts), std::nullopt);
  a.ticks = 31;
  b.ticks = 32;
  ASSERT_TRUE(first.host_services().tick_count);
  EXPECT_EQ(first.host_services().tick_count(), 31u);
  EXPECT_EQ(second.host_services().tick_count(), 32u);

  // The process context's table is untouched.
  const TolmerHostServices process_after = tolmer::state().services.installed();
  // (member by member: the bytes between members are no part of the table)
  const auto& x = process_before;
  const auto& y = process_after;
  EXPECT_EQ(x.context, y.context);
  EXPECT_TRUE(x.show_message == y.show_message && x.select_range == y.select_range &&
              x.line_length == y.line_length && x.set_focus == y.set_focus &&
              x.set_text == y.set_text && x.cursor_position == y.cursor_position &&
              x.window_from_point == y.window_from_point &&
              x.async_key_state == y.async_key_state && x.tick_count == y.tick_count &&
              x.special_folder == y.special_folder);

  // An empty set restores the defaults of that context only.
  first.set_host_services({});
  EXPECT_FALSE(first.host_services().tick_count);
  EXPECT_TRUE(second.host_services().tick_count);
  EXPECT_EQ(second.mouse_button(), MouseButton::Right);
}

TEST(LibraryHostServices, ValidateInWindowUsesTheContextsField) {
  FakeHost a, b;
  Library first, second;
  first.set_host_services(services_for(a));
  second.set_host_services(services_for(b));
  const tolmer::DisplayFormat display{};
  const tolmer::EntryLimits limits{0, 100, 10000};
  const std::string separated = tolmer::measure::separate_measurements("3' 250\"");
  const float result = first.validate_in_window(42, separated, limits, display);
  EXPECT_EQ(result, -1);
  EXPECT_FALSE(a.message.empty());
  EXPECT_EQ(a.message, first.validate("3' 250\"", limits, display).message);
  EXPECT_EQ(a.selected_window, 42);
  EXPECT_TRUE(b.message.empty());
  EXPECT_EQ(b.selected_window, 0);
}

TEST(LibraryHostServices, ACopiedStateHasItsOwnTable) {
  FakeHost a, b;
  tolmer::State original;
  original.services.set_edit_codes(177, 193);
  const TolmerHostServices ta = table_for(a), tb = table_for(b);
  tolmer::abi::install_host_table(original.services, &ta);
  tolmer::State copy = original;
  EXPECT_EQ(copy.services.installed().context, &a);
  EXPECT_EQ(copy.services.select_range_code(), 177);
  EXPECT_EQ(copy.services.line_length_code(), 193);
  tolmer::abi::install_host_table(copy.services, &tb);
  a.ticks = 11;
  b.ticks = 22;
  EXPECT_EQ(original.services.clock().tick_count(), 11u);
  EXPECT_EQ(copy.services.clock().tick_count(), 22u);
  copy = original;  // assignment takes the table back
  EXPECT_EQ(copy.services.clock().tick_count(), 11u);
}

}  // namespace
