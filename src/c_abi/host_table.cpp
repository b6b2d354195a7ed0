// The C table of host callbacks as C++ host services: each callback the table
// holds becomes a function calling it with the table's context.
#include "c_abi/host_table.h"

#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace tolmer::inline v1::abi {

namespace {

// Copies one member of the host's table when its size covers the member
// entirely; a member the size leaves out or cuts keeps its default (null).
template <typename Member>
void take_member(Member& member, const TolmerHostServices* table, std::size_t size,
                 std::size_t offset) {
  if (offset > size || size - offset < sizeof member) return;
  std::memcpy(&member, reinterpret_cast<const unsigned char*>(table) + offset, sizeof member);
}

// The C++ services calling the table's callbacks (null ones stay empty: the
// platform default).
HostServices services_of(const TolmerHostServices& t) {
  HostServices s;
  void* const context = t.context;
  if (auto f = t.show_message)
    s.show_message = [f, context](std::string_view text, std::string_view caption) {
      const std::string a(text), b(caption);
      f(context, a.c_str(), b.c_str());
    };
  if (auto f = t.select_range)
    s.select_range = [f, context](int32_t window, int32_t first, int32_t after_last) {
      f(context, window, first, after_last);
    };
  if (auto f = t.line_length)
    s.line_length = [f, context](int32_t window, int32_t line) { return f(context, window, line); };
  if (auto f = t.set_focus) s.set_focus = [f, context](int32_t window) { f(context, window); };
  if (auto f = t.set_text)
    s.set_text = [f, context](int32_t window, std::string_view text) {
      const std::string a(text);
      f(context, window, a.c_str());
    };
  if (auto f = t.cursor_position)
    s.cursor_position = [f, context]() -> std::optional<ScreenPoint> {
      ScreenPoint p;
      if (f(context, &p.x, &p.y) == 0) return std::nullopt;
      return p;
    };
  if (auto f = t.window_from_point)
    s.window_from_point = [f, context](ScreenPoint p) { return f(context, p.x, p.y); };
  // Of the 16 bits of a key's state, bit 15 is "down"; any other set bit
  // counts as "pressed since" (a mouse button counts with either).
  if (auto f = t.async_key_state)
    s.key_state = [f, context](int32_t key) {
      const uint32_t bits = static_cast<uint32_t>(f(context, key));
      return KeyState{(bits & 0x8000u) != 0, (bits & 0x7FFFu) != 0};
    };
  if (auto f = t.tick_count) s.tick_count = [f, context]() { return f(context); };
  // The path written into a buffer of 4096 bytes; a length outside 1 to
  // 4095 is no folder.
  if (auto f = t.special_folder)
    s.special_folder = [f, context](SpecialFolder folder) -> std::optional<std::string> {
      std::vector<char> buffer(4096, '\0');
      const int32_t length = f(context, static_cast<int32_t>(folder), buffer.data(),
                               static_cast<int32_t>(buffer.size()));
      if (length <= 0 || static_cast<std::size_t>(length) >= buffer.size()) return std::nullopt;
      return std::string(buffer.data(), static_cast<std::size_t>(length));
    };
  return s;
}

}  // namespace

#define TOLMER_TAKE_MEMBER(name) \
  take_member(taken.name, table, size, offsetof(TolmerHostServices, name))

void install_host_table(host::Services& services, const TolmerHostServices* table) {
  TolmerHostServices taken{};
  if (table == nullptr) return services.install(HostServices{}, taken);
  // Only the bytes the host's size names are read, and of those only whole
  // members are used: an older, shorter table leaves the later operations
  // at their defaults, and a size that ends inside a member leaves that
  // member at its default too (a part of an address is no address).
  std::uint32_t size_field = 0;
  std::memcpy(&size_field, table, sizeof size_field);
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
  services.install(services_of(taken), taken);
}

#undef TOLMER_TAKE_MEMBER

}  // namespace tolmer::abi
