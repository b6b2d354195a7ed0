/*
 * tolmerdll.h - the public interface of the tolmerdll support library.
 *
 * One header, usable from C and C++. Every export is a plain C function with
 * an upper-case, undecorated name. On 32-bit Windows the exports use the
 * standard-call convention (__stdcall); elsewhere the platform's C convention.
 *
 * Argument kinds
 *   integer            int32_t by value
 *   single / double    float / double by value
 *   reference          int32_t* / float* / double*: the export reads and/or
 *                      writes the caller's variable. A null reference reads
 *                      as 0 and nothing is written through it.
 *   text               const char*: read up to its first NUL byte, at most
 *                      33,554,432 bytes, and copied before use. A null
 *                      address reads as the empty text.
 *   text buffer        char*: caller-owned; the export writes a NUL-terminated
 *                      result into it. The caller supplies the room each
 *                      export documents. A null buffer reads as the empty
 *                      text and nothing is written.
 *   LibString          a counted byte string handle (see below).
 *
 * LibString results
 *   A LibString handle points at the first byte of a counted byte string: the
 *   32-bit byte count stands in the four bytes before the handle, the bytes
 *   follow (NUL is an ordinary byte inside), then one NUL not counted. The
 *   empty string is the null handle. Every LibString result is new and owned
 *   by the caller, who releases it with FREELIBSTRING (on Windows the handle
 *   is made by SysAllocStringByteLen, so SysFreeString releases it as well).
 *
 * Real to integer
 *   Wherever a real becomes a 32-bit integer, NaN, the infinities and values
 *   outside the 32-bit range give -2147483648 (INT32_MIN), the x87 "integer
 *   indefinite" value. Nothing overflows.
 *
 * Upper-casing
 *   On Windows, text is upper-cased by CharUpperBuffA. Elsewhere the library
 *   applies the Windows-1252 mapping: a-z to A-Z; bytes 0xE0-0xFE except 0xF7
 *   minus 0x20; 0x9A to 0x8A, 0x9C to 0x8C, 0x9E to 0x8E, 0xFF to 0x9F; every
 *   other byte unchanged.
 *
 * Before INITIALIZEDLL
 *   Calling an export before INITIALIZEDLL is the caller's mistake but is
 *   safe: an export that needs a table or setting that does not exist yet
 *   answers 0 or the empty string and writes nothing; the millimetre
 *   conversions divide by the unset constant (0) and give an infinity or NaN.
 *   The enumeration codes (measurement systems, units, formats) are constants
 *   and hold before initialisation.
 */
#ifndef TOLMERDLL_H
#define TOLMERDLL_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define TOLMER_CALL __stdcall
#else
#define TOLMER_CALL
#endif

#if defined(TOLMER_BUILDING_LIBRARY)
#if defined(_WIN32)
/* The DLL's module-definition file names the exports (undecorated). */
#define TOLMER_API
#else
#define TOLMER_API __attribute__((visibility("default")))
#endif
#else
#if defined(_WIN32)
#define TOLMER_API __declspec(dllimport)
#else
#define TOLMER_API
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A counted byte string handle: the address of its first byte. */
typedef char* LibString;

/* ======================================================================== */
/* Library frame                                                            */
/* ======================================================================== */

/* Load notification: returns 1 for reason 1 (process attach), 0 otherwise. */
TOLMER_API int32_t TOLMER_CALL LIBMAIN(int32_t instance, int32_t reason, int32_t reserved);

/* Creates (only if absent) and fills the process-wide tables; safe to repeat.
 * A paper table made earlier by SIZEPAPERINFOARRAY with fewer than 41 records
 * receives the initial records that fit; the rest are skipped. */
TOLMER_API void TOLMER_CALL INITIALIZEDLL(void);

/* Releases a LibString result. A null handle is fine. */
TOLMER_API void TOLMER_CALL FREELIBSTRING(LibString handle);

/* ======================================================================== */
/* Host services                                                            */
/* ======================================================================== */

/*
 * The platform services the library uses, as a table of callbacks a host can
 * install with SETHOSTSERVICES. Each callback receives the table's context.
 * A null callback keeps the library's own service for that operation; a null
 * table (or a table whose size is below the size of its first member set)
 * restores every default. The table is copied; the host may release it after
 * the call. The defaults are Win32 on Windows; elsewhere: messages are written
 * to standard error, no window exists, nothing is pressed, the tick count is
 * a monotonic millisecond clock, and special folders map to the home and XDG
 * directories (see GETSPECIALFOLDERLOCATION).
 */
typedef struct TolmerHostServices {
  uint32_t size;   /* sizeof(TolmerHostServices): lets the table grow */
  void* context;   /* handed back to every callback */

  /* Edit field and message box of the length validator. */
  void (*show_message)(void* context, const char* text, const char* caption);
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
   * fit. */
  int32_t (*special_folder)(void* context, int32_t folder, char* buffer, int32_t capacity);
} TolmerHostServices;

/* Installs a host's platform services (null restores the defaults). */
TOLMER_API void TOLMER_CALL SETHOSTSERVICES(const TolmerHostServices* services);

/* ======================================================================== */
/* Units and designators                                                    */
/* ======================================================================== */

/* Inches times millimetres per inch (25.399999618530273), in extended precision. */
TOLMER_API double TOLMER_CALL INCHESTOMILLIMETERS(double inches);
/* Millimetres divided by millimetres per inch, rounded to single. */
TOLMER_API float TOLMER_CALL MILLIMETERSTOINCHES(float millimeters);
/* Stores the places for a system (any system but 0 is taken as 1). */
TOLMER_API void TOLMER_CALL SETCONVERSIONDECIMALPLACES(int32_t system, int32_t places);
/* The index-th designator word of a unit; bare 0 pads it with a space on each side. */
TOLMER_API LibString TOLMER_CALL GETMEASUREMENTDESIGNATOR(int32_t system, int32_t unit, int32_t index, int32_t bare);
/* The caption of a label style; long captions are plural when quantity > 1. */
TOLMER_API LibString TOLMER_CALL GETMEASUREMENTLABEL(int32_t system, int32_t style, float quantity);
/* Target 0: inches / 12; target 1: inches / 39.369; other targets: 0. Rounded to single. */
TOLMER_API float TOLMER_CALL CONVERTMEASUREMENT(float inches, int32_t target);

/* ======================================================================== */
/* Fractions                                                                */
/* ======================================================================== */

/* ======================================================================== */
/* Measurement parsing                                                      */
/* ======================================================================== */

/* ======================================================================== */
/* Measurement validation                                                   */
/* ======================================================================== */

/* ======================================================================== */
/* Measurement formatting                                                   */
/* ======================================================================== */

/* ======================================================================== */
/* Drawing scales                                                           */
/* ======================================================================== */

/* ======================================================================== */
/* Paper size table                                                         */
/* ======================================================================== */

/* ======================================================================== */
/* Symbol catalog                                                           */
/* ======================================================================== */

/* ======================================================================== */
/* Positional fields                                                        */
/* ======================================================================== */

/* ======================================================================== */
/* Delimited lists                                                          */
/* ======================================================================== */

/* ======================================================================== */
/* String helpers and temporary string array                                */
/* ======================================================================== */

/* ======================================================================== */
/* Angles, rectangles and points, bits                                      */
/* ======================================================================== */

/* ======================================================================== */
/* Paths, special folders, mouse and keyboard, random numbers               */
/* ======================================================================== */

#ifdef __cplusplus
}
#endif

#endif /* TOLMERDLL_H */
