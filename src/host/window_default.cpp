// The default edit-field and message-box service.
//
// Windows: a real message box (MessageBoxW, the text converted from the ANSI
// code page) and the edit-control messages. Elsewhere: the message and its
// caption are written to standard error and the field operations do nothing.
#include <cstdio>
#include <string>

#include "host/services.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tolmer::inline v1::host {

#if defined(_WIN32)
namespace {

std::wstring widen(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (wide <= 0) return {};
  std::wstring out(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.data(), wide);
  return out;
}

HWND as_window(int32_t window) {
  return reinterpret_cast<HWND>(static_cast<intptr_t>(window));
}

}  // namespace

namespace platform {

void show_message(std::string_view text, std::string_view caption) {
  const std::wstring t = widen(text), c = widen(caption);
  MessageBoxW(nullptr, t.c_str(), c.c_str(), 0);
}
void select_range(int32_t code, int32_t window, int32_t first, int32_t after_last) {
  SendMessageA(as_window(window), static_cast<UINT>(code),
               static_cast<WPARAM>(static_cast<intptr_t>(first)), static_cast<LPARAM>(after_last));
}
int32_t line_length(int32_t code, int32_t window, int32_t line) {
  return static_cast<int32_t>(
      SendMessageA(as_window(window), static_cast<UINT>(code), static_cast<WPARAM>(line), 0));
}
void set_focus(int32_t window) { SetFocus(as_window(window)); }
void set_text(int32_t window, std::string_view text) {
  const std::string t(text);
  SetWindowTextA(as_window(window), t.c_str());
}

}  // namespace platform
#else
namespace platform {

void show_message(std::string_view text, std::string_view caption) {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
               static_cast<int>(text.size()), text.data());
}
void select_range(int32_t, int32_t, int32_t, int32_t) {}
int32_t line_length(int32_t, int32_t, int32_t) { return 0; }
void set_focus(int32_t) {}
void set_text(int32_t, std::string_view) {}

}  // namespace platform
#endif

}  // namespace tolmer::host
