/*
 * tolmerdll_host.h - the table of platform callbacks a host can install
 * (SETHOSTSERVICES in tolmerdll.h; in C++ a tolmer::Library takes a
 * tolmer::HostServices instead, tolmer/host_services.h). Included by
 * tolmerdll.h; plain C.
 */
#ifndef TOLMERDLL_HOST_H
#define TOLMERDLL_HOST_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/*
 * The platform services the library uses, as a table of callbacks a host can
 * install with SETHOSTSERVICES. Each callback receives the table's context.
 * A null callback keeps the library's own service for that operation; a null
 * table restores every default. Only the members that lie entirely within
 * the table's size field (counted in bytes from the table's start) are
 * used, as from an older, shorter table: every member past the size, and a
 * member that the size ends inside, keeps the library's own service (so a
 * size below offsetof(TolmerHostServices, show_message) + sizeof(void*)
 * installs no callback at all). Each call replaces the whole table
 * installed before. The table is copied; the host may release it after the
 * call. The defaults are Win32 on Windows; elsewhere: messages are written
 * to standard error, no window exists, nothing is pressed, the tick count is
 * a monotonic millisecond clock, and special folders map to the home and XDG
 * directories (see GETSPECIALFOLDERLOCATION).
 */
typedef struct TolmerHostServices {
  uint32_t size;   /* sizeof(TolmerHostServices): lets the table grow */
  void* context;   /* handed back to every callback */

  /* Edit field and message box of the length validator. */
  void (*show_message)(void* context, const char* text, const char* caption);
  /* first and after_last are 0-based offsets, as an edit control takes them:
   * position p of the entry is offset p - 1. */
  void (*select_range)(void* context, int32_t window, int32_t first, int32_t after_last);
  int32_t (*line_length)(void* context, int32_t window, int32_t line);
  void (*set_focus)(void* context, int32_t window);
  void (*set_text)(void* context, int32_t window, const char* text);

  /* Mouse and keyboard. */
  int32_t (*cursor_position)(void* context, int32_t* x, int32_t* y); /* non-zero on success */
  int32_t (*window_from_point)(void* context, int32_t x, int32_t y);
  int32_t (*async_key_state)(void* context, int32_t virtual_key); /* 16 bits: 0x8000 down, 1 pressed since */

  /* Milliseconds since the system started (wraps at 2^32). */
  uint32_t (*tick_count)(void* context);

  /* Writes the path of a special folder into buffer (capacity bytes with the
   * NUL); returns its length, or -1 when the folder has no path or does not
   * fit. Any other answer outside 0 to capacity - 1 also means no folder. */
  int32_t (*special_folder)(void* context, int32_t folder, char* buffer, int32_t capacity);
} TolmerHostServices;

#ifdef __cplusplus
}
#endif

#endif /* TOLMERDLL_HOST_H */
