// The default edit-field and message-box service.
//
// Windows: a real message box (MessageBoxW, the text converted from the ANSI
// code page) and the edit-control messages. Elsewhere: the message and its
// caption are written to standard error and the field operations do nothing.
#include <cstdio>
#include <string>

#include "frame/state.h"
#include "host/services.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace tolmer::host {

namespace {

#if defined(_WIN32)
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

class Win32Window final : public WindowService {
 public:
  void show_message(std::string_view text, std::string_view caption) override {
    const std::wstring t = widen(text), c = widen(caption);
    MessageBoxW(nullptr, t.c_str(), c.c_str(), 0);
  }
  void select_range(int32_t window, int32_t first, int32_t after_last) override {
    SendMessageA(as_window(window), static_cast<UINT>(state().em_setsel),
                 static_cast<WPARAM>(static_cast<intptr_t>(first)),
                 static_cast<LPARAM>(after_last));
  }
  int32_t line_length(int32_t window, int32_t line) override {
    return static_cast<int32_t>(SendMessageA(as_window(window),
                                             static_cast<UINT>(state().em_linelength),
                                             static_cast<WPARAM>(line), 0));
  }
  void set_focus(int32_t window) override { SetFocus(as_window(window)); }
  void set_text(int32_t window, std::string_view text) override {
    const std::string t(text);
    SetWindowTextA(as_window(window), t.c_str());
  }
};
#else
class StderrWindow final : public WindowService {
 public:
  void show_message(std::string_view text, std::string_view caption) override {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
  }
  void select_range(int32_t, int32_t, int32_t) override {}
  int32_t line_length(int32_t, int32_t) override { return 0; }
  void set_focus(int32_t) override {}
  void set_text(int32_t, std::string_view) override {}
};
#endif

}  // namespace

WindowService& default_window() {
#if defined(_WIN32)
  static Win32Window service;
#else
  static StderrWindow service;
#endif
  return service;
}

}  // namespace tolmer::host
