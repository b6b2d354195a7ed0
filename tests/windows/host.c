/*
 * A host of the library written the way the application uses it: it loads
 * the library by name at run time, looks up every export of the export table,
 * calls a representative set from every family of exports and checks the
 * results, and releases every string result as the application does (on
 * Windows with SysFreeString, after checking its length with
 * SysStringByteLen). The length validator's message box is routed to this
 * program through SETHOSTSERVICES, so nothing waits for a click.
 *
 * On Windows the program first sets the x87 precision control to 53 bits, as
 * Windows starts every thread (the runtime of this program had raised it to
 * 64): the exports must give the same results as on Linux all the same, and
 * hand the caller's control word back unchanged.
 *
 * Usage: tolmer_host [library]
 *   library  the file to load: TOLMERDLL.dll on Windows (found by the
 *            system's search), ./libtolmerdll.so elsewhere.
 * Output: one line per check ("ok" or "FAIL"), and for every platform-neutral
 * result a line "= call -> value" with reals as their bits in hexadecimal:
 * two runs on different platforms must give the same "=" lines. Exit status
 * 0 when every check passed.
 */
#include <inttypes.h>
#include <math.h>
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "tolmerdll.h" /* LibString and TolmerHostServices only: exports are looked up */

#if defined(_WIN32)
#include <windows.h>
#include <oleauto.h>
#else
#include <dlfcn.h>
#endif

/* ------------------------------------------------------------------ exports */

/* Records the host passes by reference, laid out as the host lays them out. */
typedef struct HostRect {
  double x1, y1, x2, y2;
} HostRect;

typedef struct HostLongArray {
  int32_t* elements;
  uint8_t flags; /* 4: the array has storage */
  uint8_t reserved[19];
  int32_t lower_bound;
  int32_t upper_bound;
} HostLongArray;

/* The C type of each kind of the export table. */
#define KIND_ void
#define KIND_Void void
#define KIND_Integer int32_t
#define KIND_Single float
#define KIND_Double double
#define KIND_IntegerRef int32_t*
#define KIND_SingleRef float*
#define KIND_DoubleRef double*
#define KIND_Text const char*
#define KIND_TextBuffer char*
#define KIND_LibString LibString
#define KIND_LibStringHandle LibString
#define KIND_DoubleRectRef const HostRect*
#define KIND_IntArrayDescriptorRef const HostLongArray*
#define KIND_IntArrayRef const int32_t*
#define KIND_BitsRef void*
#define KIND_ByteRef uint8_t*
#define KIND_HostServicesRef const TolmerHostServices*

#define HOST_COUNT(...) HOST_COUNT_(__VA_ARGS__, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0)
#define HOST_COUNT_(a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, n, ...) n
#define HOST_CAT(a, b) HOST_CAT_(a, b)
#define HOST_CAT_(a, b) a##b
#define HOST_TYPES(...) (HOST_CAT(HOST_TYPES_, HOST_COUNT(__VA_ARGS__))(__VA_ARGS__))
#define HOST_TYPES_1(a) KIND_##a
#define HOST_TYPES_2(a, b) KIND_##a, KIND_##b
#define HOST_TYPES_3(a, b, c) KIND_##a, KIND_##b, KIND_##c
#define HOST_TYPES_4(a, b, c, d) HOST_TYPES_2(a, b), HOST_TYPES_2(c, d)
#define HOST_TYPES_5(a, b, c, d, e) HOST_TYPES_4(a, b, c, d), KIND_##e
#define HOST_TYPES_6(a, b, c, d, e, f) HOST_TYPES_4(a, b, c, d), HOST_TYPES_2(e, f)
#define HOST_TYPES_7(a, b, c, d, e, f, g) HOST_TYPES_4(a, b, c, d), HOST_TYPES_3(e, f, g)
#define HOST_TYPES_8(a, b, c, d, e, f, g, h) HOST_TYPES_4(a, b, c, d), HOST_TYPES_4(e, f, g, h)
#define HOST_TYPES_9(a, b, c, d, e, f, g, h, i) HOST_TYPES_8(a, b, c, d, e, f, g, h), KIND_##i
#define HOST_TYPES_10(a, b, c, d, e, f, g, h, i, j) \
  HOST_TYPES_8(a, b, c, d, e, f, g, h), HOST_TYPES_2(i, j)
#define HOST_TYPES_11(a, b, c, d, e, f, g, h, i, j, k) \
  HOST_TYPES_8(a, b, c, d, e, f, g, h), HOST_TYPES_3(i, j, k)

/* One function pointer type per export: fn_NAME. */
#define TOLMER_EXPORT_ENTRY(name, result, args) \
  typedef KIND_##result(TOLMER_CALL* fn_##name) HOST_TYPES args;
#include "src/c_abi/export_table.h"
#undef TOLMER_EXPORT_ENTRY

/* Every export by index, with its name. */
enum {
#define TOLMER_EXPORT_ENTRY(name, result, args) export_##name,
#include "src/c_abi/export_table.h"
#undef TOLMER_EXPORT_ENTRY
  export_count
};

static const char* const export_names[export_count] = {
#define TOLMER_EXPORT_ENTRY(name, result, args) #name,
#include "src/c_abi/export_table.h"
#undef TOLMER_EXPORT_ENTRY
};

typedef void (*AnyFunction)(void);
static AnyFunction exports[export_count];

/* The export NAME with its own type; HAVE(NAME) when the library has it. */
#define EXPORT(name) ((fn_##name)exports[export_##name])
#define HAVE(name) (exports[export_##name] != NULL)

/* ------------------------------------------------------------------ checks */

static int checks = 0;
static int failures = 0;

static void report(int passed, const char* format, ...) {
  va_list args;
  va_start(args, format);
  checks++;
  if (!passed) failures++;
  fputs(passed ? "ok   " : "FAIL ", stdout);
  vprintf(format, args);
  fputc('\n', stdout);
  va_end(args);
}

static void print_bytes(const char* bytes, size_t length) {
  putchar('"');
  for (size_t i = 0; i < length; i++) {
    const unsigned char c = (unsigned char)bytes[i];
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\')
      putchar(c);
    else
      printf("\\x%02X", c);
  }
  putchar('"');
}

static void check_int(const char* call, int32_t got, int32_t want) {
  printf("= %s -> %" PRId32 "\n", call, got);
  report(got == want, "%s: %" PRId32 " (expected %" PRId32 ")", call, got, want);
}

static uint64_t double_bits(double value) {
  uint64_t bits;
  memcpy(&bits, &value, sizeof bits);
  return bits;
}

static uint32_t float_bits(float value) {
  uint32_t bits;
  memcpy(&bits, &value, sizeof bits);
  return bits;
}

static void check_double(const char* call, double got, double want) {
  printf("= %s -> %016" PRIX64 "\n", call, double_bits(got));
  report(double_bits(got) == double_bits(want), "%s: %.17g (expected %.17g)", call, got, want);
}

static void check_float(const char* call, float got, float want) {
  printf("= %s -> %08" PRIX32 "\n", call, float_bits(got));
  report(float_bits(got) == float_bits(want), "%s: %.9g (expected %.9g)", call, (double)got,
         (double)want);
}

/* A real result known as a decimal value: within 2 units in the last
 * place (the exact bits are compared across platforms by the "=" lines). */
static void check_double_near(const char* call, double got, double want) {
  printf("= %s -> %016" PRIX64 "\n", call, double_bits(got));
  const double ulp = nextafter(fabs(want), INFINITY) - fabs(want);
  report(fabs(got - want) <= 2 * ulp, "%s: %.17g (expected %.17g)", call, got, want);
}

/* Checks a LibString result (its count, its closing NUL, its bytes) and
 * releases it as the host does. */
static void check_string_bytes(const char* call, LibString got, const char* want,
                               size_t want_length) {
  uint32_t count = 0;
  if (got != NULL) memcpy(&count, got - 4, sizeof count);
  printf("= %s -> ", call);
  print_bytes(got != NULL ? got : "", count);
  putchar('\n');
  int passed = 1;
  if (want_length == 0) {
    passed = got == NULL; /* the empty string is the null handle */
  } else {
    passed = got != NULL && count == want_length && memcmp(got, want, want_length) == 0 &&
             got[count] == '\0';
  }
#if defined(_WIN32)
  const UINT system_length = got != NULL ? SysStringByteLen((BSTR)got) : 0;
  report(passed && system_length == count,
         "%s: %" PRIu32 " bytes, SysStringByteLen %u (expected %u bytes)", call, count,
         system_length, (unsigned)want_length);
  SysFreeString((BSTR)got);
#else
  report(passed, "%s: %" PRIu32 " bytes (expected %u bytes)", call, count, (unsigned)want_length);
  EXPORT(FREELIBSTRING)(got);
#endif
}

static void check_string(const char* call, LibString got, const char* want) {
  check_string_bytes(call, got, want, strlen(want));
}

static void check_buffer(const char* call, const char* got, const char* want) {
  printf("= %s buffer -> ", call);
  print_bytes(got, strlen(got));
  putchar('\n');
  report(strcmp(got, want) == 0, "%s: buffer \"%s\" (expected \"%s\")", call, got, want);
}

/* ------------------------------------------------------- floating-point control */

#if (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__)
#define HOST_X87 1
static uint16_t x87_control(void) {
  uint16_t word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word) : : "memory");
  return word;
}
static void set_x87_control(uint16_t word) {
  __asm__ __volatile__("fnclex\n\tfldcw %0" : : "m"(word) : "memory");
}
#else
#define HOST_X87 0
#endif

/* ------------------------------------------------------------ host services */

typedef struct Recorded {
  char message[256];
  char caption[64];
  int messages;
  int32_t select_window, select_first, select_after;
  int selections;
  int32_t focus_window;
  int focuses;
  char text[64];
  int texts;
  int32_t line_length;
  /* input */
  int32_t cursor_x, cursor_y;
  int32_t window_under_cursor;
  int32_t key_state[256];
  uint32_t ticks;
} Recorded;

static Recorded recorded;

static void copy_text(char* to, size_t room, const char* from) {
  snprintf(to, room, "%s", from != NULL ? from : "");
}

static void on_show_message(void* context, const char* text, const char* caption) {
  Recorded* r = (Recorded*)context;
  copy_text(r->message, sizeof r->message, text);
  copy_text(r->caption, sizeof r->caption, caption);
  r->messages++;
}
static void on_select_range(void* context, int32_t window, int32_t first, int32_t after_last) {
  Recorded* r = (Recorded*)context;
  r->select_window = window;
  r->select_first = first;
  r->select_after = after_last;
  r->selections++;
}
static int32_t on_line_length(void* context, int32_t window, int32_t line) {
  (void)window;
  return line == 0 ? ((Recorded*)context)->line_length : 0;
}
static void on_set_focus(void* context, int32_t window) {
  Recorded* r = (Recorded*)context;
  r->focus_window = window;
  r->focuses++;
}
static void on_set_text(void* context, int32_t window, const char* text) {
  Recorded* r = (Recorded*)context;
  (void)window;
  copy_text(r->text, sizeof r->text, text);
  r->texts++;
}
static int32_t on_cursor_position(void* context, int32_t* x, int32_t* y) {
  *x = ((Recorded*)context)->cursor_x;
  *y = ((Recorded*)context)->cursor_y;
  return 1;
}
static int32_t on_window_from_point(void* context, int32_t x, int32_t y) {
  Recorded* r = (Recorded*)context;
  return x == r->cursor_x && y == r->cursor_y ? r->window_under_cursor : 0;
}
static int32_t on_async_key_state(void* context, int32_t key) {
  return key >= 0 && key < 256 ? ((Recorded*)context)->key_state[key] : 0;
}
static uint32_t on_tick_count(void* context) { return ((Recorded*)context)->ticks; }

/* Every callback but the special folders (the platform's own stays). */
static void install_recording_services(void) {
  TolmerHostServices services;
  memset(&services, 0, sizeof services);
  services.size = (uint32_t)sizeof services;
  services.context = &recorded;
  services.show_message = on_show_message;
  services.select_range = on_select_range;
  services.line_length = on_line_length;
  services.set_focus = on_set_focus;
  services.set_text = on_set_text;
  services.cursor_position = on_cursor_position;
  services.window_from_point = on_window_from_point;
  services.async_key_state = on_async_key_state;
  services.tick_count = on_tick_count;
  EXPORT(SETHOSTSERVICES)(&services);
}

#if defined(_WIN32)
/* Only the message box is the host's: the field operations are the platform's. */
static void install_message_service_only(void) {
  TolmerHostServices services;
  memset(&services, 0, sizeof services);
  services.size = (uint32_t)sizeof services;
  services.context = &recorded;
  services.show_message = on_show_message;
  EXPORT(SETHOSTSERVICES)(&services);
}
#endif

static void clear_recorded(void) {
  const int32_t line_length = recorded.line_length;
  memset(&recorded, 0, sizeof recorded);
  recorded.line_length = line_length;
}

/* ------------------------------------------------------------ the families */

static void frame_family(void) {
  if (!HAVE(LIBMAIN) || !HAVE(INITIALIZEDLL)) return;
  check_int("LIBMAIN(0, 1, 0)", EXPORT(LIBMAIN)(0, 1, 0), 1);
  check_int("LIBMAIN(0, 0, 0)", EXPORT(LIBMAIN)(0, 0, 0), 0);
  check_int("LIBMAIN(0, 2, 0)", EXPORT(LIBMAIN)(0, 2, 0), 0);
  check_int("LIBMAIN(0, 3, 0)", EXPORT(LIBMAIN)(0, 3, 0), 0);
  EXPORT(INITIALIZEDLL)();
  EXPORT(FREELIBSTRING)(NULL);
  report(1, "FREELIBSTRING(null) returns");
  if (HAVE(GETMEASUREMENTDESIGNATOR)) {
    /* The library's own release of a result (the other results are released
     * as the host releases them). */
    EXPORT(FREELIBSTRING)(EXPORT(GETMEASUREMENTDESIGNATOR)(0, 1, 2, 1));
    report(1, "FREELIBSTRING(a result) returns");
  }
  if (HAVE(MAKELIBSTRING)) {
    /* A counted string made by the library: on Windows a string of the
     * system's allocator, so SysStringByteLen and SysFreeString accept it
     * (check_string_bytes releases it that way). */
    check_string_bytes("MAKELIBSTRING(\"a\\0bc\", 4)", EXPORT(MAKELIBSTRING)("a\0bc", 4), "a\0bc", 4);
    check_string_bytes("MAKELIBSTRING(\"abc\", 0)", EXPORT(MAKELIBSTRING)("abc", 0), "", 0);
    check_string_bytes("MAKELIBSTRING(null, 2)", EXPORT(MAKELIBSTRING)(NULL, 2), "\0\0", 2);
    if (HAVE(REVERSESTRINGDLL)) {
      LibString made = EXPORT(MAKELIBSTRING)("12 FT", 5);
      check_string_bytes("REVERSESTRINGDLL(MAKELIBSTRING(\"12 FT\", 5))", EXPORT(REVERSESTRINGDLL)(made), "TF 21", 5);
      EXPORT(FREELIBSTRING)(made);
    }
  }
}

/* The first draw after seeding: one step of seed * 134775813 + 1, then the
 * draw in [10000, 2147483647]. */
static int32_t first_draw(uint32_t seed) {
  const uint32_t next = seed * 134775813u + 1u;
  return (int32_t)(10000 + (((uint64_t)(next >> 1) * 2147473648u) >> 31));
}

/* Random numbers first: the generator is as the library was loaded. */
static void random_family(void) {
  if (HAVE(GETUNIQUERECORDID) && HAVE(GETRANDOMLONGVALUE)) {
    /* The first draw of a fresh process is 2080096055: taken, so the next. */
    const int32_t taken[1] = {2080096055};
    check_int("GETUNIQUERECORDID({2080096055}, 0)", EXPORT(GETUNIQUERECORDID)(taken, 0),
              433179940);
    check_int("GETUNIQUERECORDID(null, -1)", EXPORT(GETUNIQUERECORDID)(NULL, -1), 0);
    check_int("GETRANDOMLONGVALUE() third", EXPORT(GETRANDOMLONGVALUE)(), 1115656853);
    check_int("GETRANDOMLONGVALUE() fourth", EXPORT(GETRANDOMLONGVALUE)(), 283993338);
  }
  if (HAVE(RANDOMIZEDLLGENERATOR) && HAVE(GETRANDOMLONGVALUE) && HAVE(SETHOSTSERVICES)) {
    /* Tick count 123456789 seeds 0x4CEB79A3 (the bits of the single
     * 123456792). */
    recorded.ticks = 123456789u;
    install_recording_services();
    EXPORT(RANDOMIZEDLLGENERATOR)();
    check_int("GETRANDOMLONGVALUE() after seeding with tick count 123456789",
              EXPORT(GETRANDOMLONGVALUE)(), first_draw(0x4CEB79A3u));
    EXPORT(SETHOSTSERVICES)(NULL);
  }
#if defined(_WIN32)
  if (HAVE(RANDOMIZEDLLGENERATOR) && HAVE(GETRANDOMLONGVALUE)) {
    /* The platform's tick count (GetTickCount) seeds the generator: the
     * seed is the bits of the count as a single. Tried until the count
     * stands still across the call. */
    int steady = 0;
    int32_t got = 0, want = 0;
    for (int tries = 0; tries < 50 && !steady; tries++) {
      const DWORD before = GetTickCount();
      EXPORT(RANDOMIZEDLLGENERATOR)();
      const DWORD after = GetTickCount();
      got = EXPORT(GETRANDOMLONGVALUE)();
      if (before == after) {
        const float ticks = (float)(int32_t)before;
        uint32_t seed;
        memcpy(&seed, &ticks, sizeof seed);
        want = first_draw(seed);
        steady = 1;
      }
    }
    report(steady && got == want,
           "RANDOMIZEDLLGENERATOR seeds from GetTickCount: first draw %" PRId32
           " (expected %" PRId32 ")", got, want);
  }
#endif
}

static void units_family(void) {
  if (HAVE(INCHESTOMILLIMETERS))
    check_double("INCHESTOMILLIMETERS(1)", EXPORT(INCHESTOMILLIMETERS)(1.0), (double)25.4f);
  if (HAVE(MILLIMETERSTOINCHES))
    check_float("MILLIMETERSTOINCHES(25.4)", EXPORT(MILLIMETERSTOINCHES)(25.4f), 1.0f);
  if (HAVE(CONVERTMEASUREMENT)) {
    check_float("CONVERTMEASUREMENT(24, 0)", EXPORT(CONVERTMEASUREMENT)(24.0f, 0), 2.0f);
    check_float("CONVERTMEASUREMENT(39.369, 1)", EXPORT(CONVERTMEASUREMENT)(39.369f, 1), 1.0f);
    check_float("CONVERTMEASUREMENT(24, 5)", EXPORT(CONVERTMEASUREMENT)(24.0f, 5), 0.0f);
  }
  if (HAVE(GETMEASUREMENTDESIGNATOR)) {
    check_string("GETMEASUREMENTDESIGNATOR(0, 1, 2, 0)",
                 EXPORT(GETMEASUREMENTDESIGNATOR)(0, 1, 2, 0), " FEET ");
    check_string("GETMEASUREMENTDESIGNATOR(0, 1, 2, 1)",
                 EXPORT(GETMEASUREMENTDESIGNATOR)(0, 1, 2, 1), "FEET");
    check_string("GETMEASUREMENTDESIGNATOR(1, 0, 6, 1)",
                 EXPORT(GETMEASUREMENTDESIGNATOR)(1, 0, 6, 1), "");
  }
  if (HAVE(GETMEASUREMENTLABEL)) {
    check_string("GETMEASUREMENTLABEL(0, 0, 1)", EXPORT(GETMEASUREMENTLABEL)(0, 0, 1.0f), "Foot");
    check_string("GETMEASUREMENTLABEL(0, 0, 1.5)", EXPORT(GETMEASUREMENTLABEL)(0, 0, 1.5f),
                 "Feet");
    check_string("GETMEASUREMENTLABEL(1, 4, 10)", EXPORT(GETMEASUREMENTLABEL)(1, 4, 10.0f), "cm");
  }
}

/* A stored result that depends on the 64-bit mantissa: this length times the
 * millimetres per inch, rounded to 64 bits and then to a double, differs from
 * the product rounded to 53 bits at once. The export must give the former
 * with the caller at 53 bits, and leave the caller's control word alone. */
static void precision_family(void) {
#if HOST_X87
  if (!HAVE(INCHESTOMILLIMETERS)) return;
  const double inches = 0x1.a7da3594ffb46p+9; /* 847.70476019368721 */
  const uint16_t caller = x87_control();
  volatile long double length = inches;
  volatile long double per_inch = (double)25.4f;
  set_x87_control(0x037F);
  volatile long double extended = length * per_inch;
  set_x87_control(0x027F);
  volatile long double narrow = length * per_inch;
  const double from_extended = (double)extended;
  const double from_narrow = (double)narrow;
  const double got = EXPORT(INCHESTOMILLIMETERS)(inches);
  const uint16_t after = x87_control();
  set_x87_control(caller);
  report(from_extended != from_narrow,
         "the product differs at 64 and 53 bits: %.17g and %.17g", from_extended, from_narrow);
  check_double("INCHESTOMILLIMETERS(847.70476019368721) with the caller at 53 bits", got,
               from_extended);
  report(after == 0x027F, "x87 control word after the call: %04X (expected 027F)", after);
#endif
}

static void fractions_family(void) {
  if (HAVE(BREAKFRACTIONAPART)) {
    int32_t whole = -9, numerator = -9, denominator = -9;
    char separator[8] = "?";
    EXPORT(BREAKFRACTIONAPART)("1-3\\4", &whole, &numerator, &denominator, separator);
    check_int("BREAKFRACTIONAPART(\"1-3\\4\") whole", whole, 1);
    check_int("BREAKFRACTIONAPART(\"1-3\\4\") numerator", numerator, 3);
    check_int("BREAKFRACTIONAPART(\"1-3\\4\") denominator", denominator, 4);
    check_buffer("BREAKFRACTIONAPART(\"1-3\\4\") separator", separator, "\\");
  }
  if (HAVE(REDUCEFRACTION)) {
    check_string("REDUCEFRACTION(\"3/4\", 0)", EXPORT(REDUCEFRACTION)("3/4", 0), "1");
    check_string("REDUCEFRACTION(\"0/4\", 8)", EXPORT(REDUCEFRACTION)("0/4", 8), "");
  }
  if (HAVE(CONVERTFRACTIONDENOMINATOR))
    check_string("CONVERTFRACTIONDENOMINATOR(\"1/2\", 0)",
                 EXPORT(CONVERTFRACTIONDENOMINATOR)("1/2", 0), "");
  if (HAVE(FRACTIONSTRINGTODECIMAL))
    check_float("FRACTIONSTRINGTODECIMAL(\"3/0\")", EXPORT(FRACTIONSTRINGTODECIMAL)("3/0"), 0.0f);
  if (HAVE(EXTRACTFRACTIONINTEXTSTRING)) {
    char remainder[16] = "5 3/8 IN";
    int32_t length = -1;
    float value = -1;
    check_string("EXTRACTFRACTIONINTEXTSTRING(\"5 3/8 IN\", 0)",
                 EXPORT(EXTRACTFRACTIONINTEXTSTRING)("5 3/8 IN", 0, remainder, &length, &value),
                 "3/8");
    check_float("EXTRACTFRACTIONINTEXTSTRING(\"5 3/8 IN\", 0) value", value, 0.375f);
    /* Padded with spaces to the length of the text the buffer held. */
    check_buffer("EXTRACTFRACTIONINTEXTSTRING(\"5 3/8 IN\", 0) remainder", remainder, "5  IN   ");
    check_int("EXTRACTFRACTIONINTEXTSTRING(\"5 3/8 IN\", 0) length", length, 5);
  }
}

static void parsing_family(void) {
  if (HAVE(SEPARATEMEASUREMENTSINTEXTSTRING)) {
    char entry[32] = "12'6\"";
    check_string("SEPARATEMEASUREMENTSINTEXTSTRING(\"12'6\\\"\")",
                 EXPORT(SEPARATEMEASUREMENTSINTEXTSTRING)(entry), "12 ' 6 \"");
    check_buffer("SEPARATEMEASUREMENTSINTEXTSTRING(\"12'6\\\"\")", entry, "12 ' 6 \"");
  }
  if (HAVE(CONVERTTEXTSTRINGVALUETOINCHES)) {
    int32_t start = 0, end = 0;
    check_float("CONVERTTEXTSTRINGVALUETOINCHES(\"12 ' 6 1/2 \\\"\", 0)",
                EXPORT(CONVERTTEXTSTRINGVALUETOINCHES)("12 ' 6 1/2 \"", 0.0f, &start, &end),
                150.5f);
    check_float("CONVERTTEXTSTRINGVALUETOINCHES(\"1 YD 1 M\", 0)",
                EXPORT(CONVERTTEXTSTRINGVALUETOINCHES)("1 YD 1 M", 0.0f, &start, &end),
                39.370079f);
    start = end = 0;
    check_float("CONVERTTEXTSTRINGVALUETOINCHES(\"150 FT\", 100)",
                EXPORT(CONVERTTEXTSTRINGVALUETOINCHES)("150 FT", 100.0f, &start, &end), -4.0f);
    check_int("CONVERTTEXTSTRINGVALUETOINCHES(\"150 FT\", 100) start", start, 1);
    check_int("CONVERTTEXTSTRINGVALUETOINCHES(\"150 FT\", 100) end", end, 3);
  }
  if (HAVE(ISVALIDMEASUREMENTNUMERICALCHARACTER))
    check_int("ISVALIDMEASUREMENTNUMERICALCHARACTER(\"\\\")",
              EXPORT(ISVALIDMEASUREMENTNUMERICALCHARACTER)("\\"), -1);
  if (HAVE(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER))
    check_int("ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(0, \"/\")",
              EXPORT(ISVALIDMEASUREMENTSCALENUMERICALCHARACTER)(0, "/"), -1);
}

static void formatting_family(void) {
  if (HAVE(GETFORMATEDTEXTFROMINCHES)) {
    check_string("GETFORMATEDTEXTFROMINCHES(0, 6, 1, 150.5, 2, 0)",
                 EXPORT(GETFORMATEDTEXTFROMINCHES)(0, 6, 1, 150.5, 2, 0), "12' 6.5\"");
    check_string("GETFORMATEDTEXTFROMINCHES(0, 6, 0, 12.5, 16, 0)",
                 EXPORT(GETFORMATEDTEXTFROMINCHES)(0, 6, 0, 12.5, 16, 0), "1'  1/2\"");
    check_string("GETFORMATEDTEXTFROMINCHES(1, 4, 0, 12, 2, 0)",
                 EXPORT(GETFORMATEDTEXTFROMINCHES)(1, 4, 0, 12.0, 2, 0), "304.8 mm");
  }
  if (HAVE(GETINDIVIDUALMEASUREMENTVALUESFROMINCHES)) {
    float feet = -1, inches = -1, fraction = -1;
    EXPORT(GETINDIVIDUALMEASUREMENTVALUESFROMINCHES)(0, 150.5f, 2, &feet, &inches, &fraction, 0);
    check_float("GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, 150.5, 2) feet", feet, 12.0f);
    check_float("GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, 150.5, 2) inches", inches, 6.0f);
    check_float("GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(0, 150.5, 2) fraction", fraction, 0.5f);
  }
}

static void scales_family(void) {
  if (HAVE(GETSCALERATIOVALUE)) {
    check_float("GETSCALERATIOVALUE(0, 1, 4)", EXPORT(GETSCALERATIOVALUE)(0, 1, 4), 48.0f);
    check_float("GETSCALERATIOVALUE(1, 1, 11)", EXPORT(GETSCALERATIOVALUE)(1, 1, 11), 1000.0f);
  }
  if (HAVE(GETINDEXFORSCALERATIOVALUES))
    check_int("GETINDEXFORSCALERATIOVALUES(0, 1, 64)",
              EXPORT(GETINDEXFORSCALERATIOVALUES)(0, 1.0f, 64.0f), 5);
  if (HAVE(GETNEARESTSCALERATIOVALUE)) {
    check_int("GETNEARESTSCALERATIOVALUE(0, 0.021)", EXPORT(GETNEARESTSCALERATIOVALUE)(0, 0.021),
              48);
    check_int("GETNEARESTSCALERATIOVALUE(1, 0.0005)",
              EXPORT(GETNEARESTSCALERATIOVALUE)(1, 0.0005), -1000);
  }
  if (HAVE(GETINCHESPERFOOTFROMSCALERATIO)) {
    check_float("GETINCHESPERFOOTFROMSCALERATIO(1, 96)",
                EXPORT(GETINCHESPERFOOTFROMSCALERATIO)(1.0f, 96.0f), 0.125f);
    check_float("GETINCHESPERFOOTFROMSCALERATIO(1, 0)",
                EXPORT(GETINCHESPERFOOTFROMSCALERATIO)(1.0f, 0.0f), INFINITY);
  }
  if (HAVE(GETCONVERTEDSCALEVALUE))
    check_float("GETCONVERTEDSCALEVALUE(0, 1)", EXPORT(GETCONVERTEDSCALEVALUE)(0, 1.0f), 25.4f);
}

static void paper_family(void) {
  if (HAVE(GETUBPAPERINFOARRAY))
    check_int("GETUBPAPERINFOARRAY()", EXPORT(GETUBPAPERINFOARRAY)(), 40);
  if (HAVE(GETPAPERINFONAME)) {
    check_string("GETPAPERINFONAME(0)", EXPORT(GETPAPERINFONAME)(0), "Generic Letter");
    check_string("GETPAPERINFONAME(16)", EXPORT(GETPAPERINFONAME)(16), "Generic A4");
  }
  if (HAVE(GETPAPERINFONAMELENGTH))
    check_int("GETPAPERINFONAMELENGTH(16)", EXPORT(GETPAPERINFONAMELENGTH)(16), 10);
  if (HAVE(GETPAPERINFOWIDTH))
    check_float("GETPAPERINFOWIDTH(0, 2)", EXPORT(GETPAPERINFOWIDTH)(0, 2), 11.0f);
  if (HAVE(GETPAPERINDEXFROMPAPERNAME)) {
    char name[32] = "  generic a4 ";
    check_int("GETPAPERINDEXFROMPAPERNAME(\"  generic a4 \")",
              EXPORT(GETPAPERINDEXFROMPAPERNAME)(name), 16);
    check_buffer("GETPAPERINDEXFROMPAPERNAME(\"  generic a4 \")", name, "GENERIC A4");
  }
  if (HAVE(GETPAPERINDEXFROMPAPERSIZE)) {
    int32_t orientation = -1;
    check_int("GETPAPERINDEXFROMPAPERSIZE(0, 11, 8.5)",
              EXPORT(GETPAPERINDEXFROMPAPERSIZE)(0, 11.0f, 8.5f, &orientation), 0);
    check_int("GETPAPERINDEXFROMPAPERSIZE(0, 11, 8.5) orientation", orientation, 2);
  }
}

static void catalog_family(void) {
  if (HAVE(GETDESCRIPTIONFORCATEGORYTYPE)) {
    check_string("GETDESCRIPTIONFORCATEGORYTYPE(1, 0)", EXPORT(GETDESCRIPTIONFORCATEGORYTYPE)(1, 0),
                 "Floor Plan");
    check_string("GETDESCRIPTIONFORCATEGORYTYPE(7, 0)", EXPORT(GETDESCRIPTIONFORCATEGORYTYPE)(7, 0),
                 "");
  }
  if (HAVE(GETSUBCATEGORIESCODESTRING))
    check_string_bytes("GETSUBCATEGORIESCODESTRING(1)", EXPORT(GETSUBCATEGORIESCODESTRING)(1),
                       "1\xFF" "2\xFF" "3\xFF" "4\xFF" "5", 9);
  if (HAVE(GETSYMBOLITEMNAMEFROMTYPE))
    check_string("GETSYMBOLITEMNAMEFROMTYPE(1, 5, 1, 1)",
                 EXPORT(GETSYMBOLITEMNAMEFROMTYPE)(1, 5, 1, 1), "Telephone Jacks");
  if (HAVE(GETSYMBOLITEMTYPEFROMNAME)) {
    char name[32] = "  telephone jack ";
    check_int("GETSYMBOLITEMTYPEFROMNAME(1, 5, \"  telephone jack \")",
              EXPORT(GETSYMBOLITEMTYPEFROMNAME)(1, 5, name), 1);
    check_buffer("GETSYMBOLITEMTYPEFROMNAME(1, 5, \"  telephone jack \")", name, "TELEPHONE JACK");
  }
  if (HAVE(GETSYMBOLSUBITEMNAMEFROMTYPE))
    check_string("GETSYMBOLSUBITEMNAMEFROMTYPE(1, 4, 2, 6)",
                 EXPORT(GETSYMBOLSUBITEMNAMEFROMTYPE)(1, 4, 2, 6), "Single Pole, Double Throw");
  if (HAVE(ISOBJECTAWALL)) {
    check_int("ISOBJECTAWALL(\"1,1,1,5\")", EXPORT(ISOBJECTAWALL)("1,1,1,5"), 1);
    check_int("ISOBJECTAWALL(\"1,1,2,5\")", EXPORT(ISOBJECTAWALL)("1,1,2,5"), 0);
  }
  if (HAVE(GETSYMBOLNAMEINVALIDCHARACTERS)) {
    const LibString forbidden = EXPORT(GETSYMBOLNAMEINVALIDCHARACTERS)();
    report(forbidden != NULL, "GETSYMBOLNAMEINVALIDCHARACTERS() is not empty");
    if (forbidden != NULL) {
      uint32_t count;
      memcpy(&count, forbidden - 4, sizeof count);
      check_string_bytes("GETSYMBOLNAMEINVALIDCHARACTERS()", forbidden, forbidden, count);
    }
  }
}

#if defined(_WIN32)
/* A LibString made the way the host makes one. */
static LibString host_string(const char* bytes, UINT length) {
  return (LibString)SysAllocStringByteLen(bytes, length);
}
static void host_string_free(LibString s) { SysFreeString((BSTR)s); }
#else
static LibString host_string(const char* bytes, uint32_t length) {
  char* block = malloc(4 + (size_t)length + 2);
  if (block == NULL) return NULL;
  memcpy(block, &length, 4);
  memcpy(block + 4, bytes, length);
  block[4 + length] = block[5 + length] = '\0';
  return block + 4;
}
static void host_string_free(LibString s) {
  if (s != NULL) free(s - 4);
}
#endif

static void text_family(void) {
  if (HAVE(PARSECOUNTDLL)) {
    check_int("PARSECOUNTDLL(\"a,b,,c\", \",\")", EXPORT(PARSECOUNTDLL)("a,b,,c", ","), 4);
    check_int("PARSECOUNTDLL(null, \",\")", EXPORT(PARSECOUNTDLL)(NULL, ","), 1);
  }
  if (HAVE(GETSTRINGPARTFROMSTRINGBYPOSITION))
    check_string("GETSTRINGPARTFROMSTRINGBYPOSITION(\"10, 20 ,30\", 2, \",\")",
                 EXPORT(GETSTRINGPARTFROMSTRINGBYPOSITION)("10, 20 ,30", 2, ","), " 20 ");
  if (HAVE(GETVALUEFROMSTRINGBYPOSITION))
    check_double("GETVALUEFROMSTRINGBYPOSITION(\"1;2.5;x\", 2, \";\")",
                 EXPORT(GETVALUEFROMSTRINGBYPOSITION)("1;2.5;x", 2, ";"), 2.5);
  if (HAVE(SETSTRINGPARTINSTRINGBYPOSITION)) {
    char list[32] = "a,b,c";
    check_int("SETSTRINGPARTINSTRINGBYPOSITION(\"a,b,c\", 2, \"xyz\", \",\")",
              EXPORT(SETSTRINGPARTINSTRINGBYPOSITION)(list, 2, "xyz", ","), 7);
    check_buffer("SETSTRINGPARTINSTRINGBYPOSITION(\"a,b,c\", 2, \"xyz\", \",\")", list, "a,xyz,c");
  }
  if (HAVE(CREATEDELIMITEDSTRING)) {
    char delimiter[8] = "";
    check_string("CREATEDELIMITEDSTRING(\"\", \"a\", \"\", \"b\", ...)",
                 EXPORT(CREATEDELIMITEDSTRING)(delimiter, "a", "", "b", "", "", "", "", "", "", ""),
                 "a,b");
    check_buffer("CREATEDELIMITEDSTRING(\"\", ...) delimiter", delimiter, ",");
  }
  if (HAVE(ADDTODELIMITEDSTRING)) {
    char list[32] = "a,b";
    char delimiter[8] = ",";
    check_string("ADDTODELIMITEDSTRING(\"a,b\", \"c\", \",\")",
                 EXPORT(ADDTODELIMITEDSTRING)(list, "c", delimiter), "a,b,c");
  }
  if (HAVE(ISSTRINGINDELIMITEDSTRING)) {
    char delimiter[8] = ",";
    check_int("ISSTRINGINDELIMITEDSTRING(\"Red, Green,Blue\", \"green\", \",\", 0, 0)",
              EXPORT(ISSTRINGINDELIMITEDSTRING)("Red, Green,Blue", "green", delimiter, 0, 0), 2);
  }
  if (HAVE(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION)) {
    char list[32] = "a,b,c";
    check_int("REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(\"a,b,c\", 2, \",\")",
              EXPORT(REMOVESTRINGINDELIMITEDSTRINGBYPOSITION)(list, 2, ","), 1);
    check_buffer("REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(\"a,b,c\", 2, \",\")", list, "a,c");
  }
  if (HAVE(CREATEDELIMITEDSTRINGFROMLONGARRAY)) {
    int32_t elements[3] = {1, -2, 30};
    HostLongArray array;
    memset(&array, 0, sizeof array);
    array.elements = elements;
    array.flags = 4;
    array.lower_bound = 0;
    array.upper_bound = 2;
    char delimiter[8] = ",";
    check_string("CREATEDELIMITEDSTRINGFROMLONGARRAY(\",\", {1, -2, 30})",
                 EXPORT(CREATEDELIMITEDSTRINGFROMLONGARRAY)(delimiter, &array), "1,-2,30");
  }
  if (HAVE(ISVALUEINLONGARRAY)) {
    const int32_t elements[5] = {3, 7, 7, 1, 0};
    check_int("ISVALUEINLONGARRAY(7, {3, 7, 7, 1, 0}, 4, 2)",
              EXPORT(ISVALUEINLONGARRAY)(7, elements, 4, 2), 2);
  }
  if (HAVE(REVERSESTRINGDLL)) {
    LibString text = host_string("a\0bc", 4);
    check_string_bytes("REVERSESTRINGDLL(\"a\\0bc\")", EXPORT(REVERSESTRINGDLL)(text), "cb\0a", 4);
    host_string_free(text);
  }
  if (HAVE(REVERSESTRING))
    check_string("REVERSESTRING(\"Wall 12\")", EXPORT(REVERSESTRING)("Wall 12"), "21 llaW");
  if (HAVE(STRIPNULL))
    check_string("STRIPNULL(\"  Panel A  \")", EXPORT(STRIPNULL)("  Panel A  "), "Panel A");
  if (HAVE(ISNUMERICDLL)) {
    check_int("ISNUMERICDLL(\"12.5\")", EXPORT(ISNUMERICDLL)("12.5"), 1);
    check_int("ISNUMERICDLL(\"-3\")", EXPORT(ISNUMERICDLL)("-3"), 0);
  }
  if (HAVE(STRINGCONTAINSCHARACTERS))
    check_int("STRINGCONTAINSCHARACTERS(\"Room 1/2\", \".,/\")",
              EXPORT(STRINGCONTAINSCHARACTERS)("Room 1/2", ".,/"), 3);
  if (HAVE(ACCESSTEMPSTRINGARRAY) && HAVE(READTEMPSTRINGARRAY)) {
    check_int("ACCESSTEMPSTRINGARRAY(1, \"Kitchen\")", EXPORT(ACCESSTEMPSTRINGARRAY)(1, "Kitchen"),
              1);
    check_int("ACCESSTEMPSTRINGARRAY(1, \"Garage\")", EXPORT(ACCESSTEMPSTRINGARRAY)(1, "Garage"),
              2);
    check_int("ACCESSTEMPSTRINGARRAY(0, \"garage\")", EXPORT(ACCESSTEMPSTRINGARRAY)(0, "garage"),
              2);
    check_string("READTEMPSTRINGARRAY(2)", EXPORT(READTEMPSTRINGARRAY)(2), "Garage");
    check_int("ACCESSTEMPSTRINGARRAY(-1, null)", EXPORT(ACCESSTEMPSTRINGARRAY)(-1, NULL), 0);
    check_int("ACCESSTEMPSTRINGARRAY(-2, null)", EXPORT(ACCESSTEMPSTRINGARRAY)(-2, NULL), 0);
  }
}

static void geometry_family(void) {
  if (HAVE(REDUCETO360DEGREEANGLE)) {
    check_double("REDUCETO360DEGREEANGLE(400, 0)", EXPORT(REDUCETO360DEGREEANGLE)(400.0, 0), 40.0);
    check_double("REDUCETO360DEGREEANGLE(-400, 0)", EXPORT(REDUCETO360DEGREEANGLE)(-400.0, 0),
                 -40.0);
  }
  if (HAVE(ROTATEDEGREESVALUE))
    check_double("ROTATEDEGREESVALUE(10, -20)", EXPORT(ROTATEDEGREESVALUE)(10.0, -20.0), 350.0);
  if (HAVE(ROTATERADIANSVALUE))
    check_double_near("ROTATERADIANSVALUE(6, 1)", EXPORT(ROTATERADIANSVALUE)(6.0, 1.0),
                      0.7168146928204138);
  if (HAVE(ROTATETONEXTDEGREEVALUE))
    check_double("ROTATETONEXTDEGREEVALUE(0, -15)", EXPORT(ROTATETONEXTDEGREEVALUE)(0.0, -15.0),
                 345.0);
  if (HAVE(ANGLEPASSEDTHROUGHZERO))
    check_int("ANGLEPASSEDTHROUGHZERO(350, 9.5)", EXPORT(ANGLEPASSEDTHROUGHZERO)(350.0, 9.5), 1);
  if (HAVE(GETOFFSETFROMANGLES))
    check_double("GETOFFSETFROMANGLES(350, 10, 1, 15)",
                 EXPORT(GETOFFSETFROMANGLES)(350.0, 10.0, 1, 15.0), 15.0);
  if (HAVE(ADDANGLEOFFSET))
    check_double("ADDANGLEOFFSET(350, 20)", EXPORT(ADDANGLEOFFSET)(350.0, 20.0), 10.0);
  if (HAVE(SETRECTLOWERLEFTJUSTIFIED)) {
    double x1 = 5, y1 = 7, x2 = 1, y2 = 2;
    EXPORT(SETRECTLOWERLEFTJUSTIFIED)(&x1, &y1, &x2, &y2);
    check_double("SETRECTLOWERLEFTJUSTIFIED(5, 7, 1, 2) x1", x1, 1.0);
    check_double("SETRECTLOWERLEFTJUSTIFIED(5, 7, 1, 2) y2", y2, 7.0);
  }
  const HostRect a = {0, 0, 10, 10};
  if (HAVE(RECTINRECT)) {
    const HostRect within = {2, 2, 8, 8};
    const HostRect corner = {5, 5, 15, 15};
    check_int("RECTINRECT((0, 0, 10, 10), (2, 2, 8, 8))", EXPORT(RECTINRECT)(&a, &within), 1);
    check_int("RECTINRECT((0, 0, 10, 10), (5, 5, 15, 15))", EXPORT(RECTINRECT)(&a, &corner), 2);
  }
  if (HAVE(ISPOINTINRECTDOUBLE)) {
    check_int("ISPOINTINRECTDOUBLE(10, 5, (0, 0, 10, 10), 0)",
              EXPORT(ISPOINTINRECTDOUBLE)(10.0, 5.0, &a, 0), 1);
    check_int("ISPOINTINRECTDOUBLE(10, 5, (0, 0, 10, 10), 1)",
              EXPORT(ISPOINTINRECTDOUBLE)(10.0, 5.0, &a, 1), 0);
  }
}

static void bits_family(void) {
  if (HAVE(GETTOTALBITSSET))
    check_int("GETTOTALBITSSET(-1, 8)", EXPORT(GETTOTALBITSSET)(-1, 8), 8);
  if (HAVE(GETFIRSTBITSET))
    check_int("GETFIRSTBITSET(-2147483648, 0, 32)", EXPORT(GETFIRSTBITSET)(INT32_MIN, 0, 32), 31);
  if (HAVE(SETBIT) && HAVE(EXAMINEBIT) && HAVE(TOGGLEBIT) && HAVE(CLEARBIT)) {
    int32_t bits = 0;
    EXPORT(SETBIT)(&bits, 31);
    check_int("SETBIT(0, 31)", bits, INT32_MIN);
    check_int("EXAMINEBIT(-2147483648, 31)", EXPORT(EXAMINEBIT)(&bits, 31), 1);
    EXPORT(TOGGLEBIT)(&bits, 31);
    check_int("TOGGLEBIT(-2147483648, 31)", bits, 0);
    EXPORT(CLEARBIT)(&bits, 3);
    check_int("CLEARBIT(0, 3)", bits, 0);
  }
  if (HAVE(SHIFTBITSLEFT))
    check_int("SHIFTBITSLEFT(1, 31)", EXPORT(SHIFTBITSLEFT)(1, 31), INT32_MIN);
  if (HAVE(SHIFTBITSRIGHT))
    check_int("SHIFTBITSRIGHT(-1, 1)", EXPORT(SHIFTBITSRIGHT)(-1, 1), INT32_MAX);
  if (HAVE(ROTATEBITSLEFT) && HAVE(ROTATEBITSRIGHT)) {
    uint8_t byte = 129;
    EXPORT(ROTATEBITSLEFT)(&byte, 1);
    check_int("ROTATEBITSLEFT(129, 1)", byte, 3);
    byte = 129;
    EXPORT(ROTATEBITSRIGHT)(&byte, 1);
    check_int("ROTATEBITSRIGHT(129, 1)", byte, 192);
  }
}

static void paths_family(void) {
  if (HAVE(GETDRIVEFROMPATH))
    check_string("GETDRIVEFROMPATH(\"C:\\Plans\\House\\a.txt\")",
                 EXPORT(GETDRIVEFROMPATH)("C:\\Plans\\House\\a.txt"), "C:");
  if (HAVE(GETDIRECTORYFROMPATH))
    check_string("GETDIRECTORYFROMPATH(\"C:\\Plans\\House\\a.txt\")",
                 EXPORT(GETDIRECTORYFROMPATH)("C:\\Plans\\House\\a.txt"), "\\Plans\\House\\");
  if (HAVE(GETFILENAMEFROMPATH))
    check_string("GETFILENAMEFROMPATH(\"C:\\Plans\\ a.txt  \")",
                 EXPORT(GETFILENAMEFROMPATH)("C:\\Plans\\ a.txt  "), "a.txt");
  if (HAVE(REMOVEFILENAMEFROMFULLPATH))
    check_string("REMOVEFILENAMEFROMFULLPATH(\"C:\\Plans\\House\\a.txt\")",
                 EXPORT(REMOVEFILENAMEFROMFULLPATH)("C:\\Plans\\House\\a.txt"), "C:\\Plans\\House\\");
  if (HAVE(GETEXPORTFILENAME)) {
    check_string("GETEXPORTFILENAME(\" House \", 1, 3)", EXPORT(GETEXPORTFILENAME)(" House ", 1, 3),
                 "House_Floor Plan_3");
    check_string("GETEXPORTFILENAME(\" House \", 9, -2)",
                 EXPORT(GETEXPORTFILENAME)(" House ", 9, -2), "House__-2");
  }
  if (HAVE(GETSPECIALFOLDERLOCATION)) {
    /* The platform's own service: the application data folder (26) has a
     * path that exists; an identifier no shell knows has none. */
    LibString folder = EXPORT(GETSPECIALFOLDERLOCATION)(26);
    uint32_t count = 0;
    if (folder != NULL) memcpy(&count, folder - 4, sizeof count);
#if defined(_WIN32)
    const DWORD attributes = folder != NULL ? GetFileAttributesA(folder) : INVALID_FILE_ATTRIBUTES;
    report(folder != NULL && attributes != INVALID_FILE_ATTRIBUTES &&
               (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
               SysStringByteLen((BSTR)folder) == count,
           "GETSPECIALFOLDERLOCATION(26): \"%s\" is a directory", folder != NULL ? folder : "");
    SysFreeString((BSTR)folder);
#else
    report(folder != NULL, "GETSPECIALFOLDERLOCATION(26): \"%s\"", folder != NULL ? folder : "");
    EXPORT(FREELIBSTRING)(folder);
#endif
    LibString none = EXPORT(GETSPECIALFOLDERLOCATION)(-12345);
    report(none == NULL, "GETSPECIALFOLDERLOCATION(-12345) is empty");
    EXPORT(FREELIBSTRING)(none);
  }
}

static void input_family(void) {
  if (!HAVE(SETHOSTSERVICES) || !HAVE(GETMOUSEBUTTON) || !HAVE(GETKEYSTATE)) return;
  clear_recorded();
  recorded.cursor_x = 100;
  recorded.cursor_y = 200;
  recorded.window_under_cursor = 0x1234;
  recorded.key_state[1] = 0;      /* left button up */
  recorded.key_state[2] = 0x8000; /* right button down */
  recorded.key_state[4] = 0x8001; /* middle button down */
  recorded.key_state[0x41] = 1;   /* A pressed since the last query, up now */
  recorded.key_state[0x42] = 0x8000;
  install_recording_services();
  check_int("GETMOUSEBUTTON(0) with right and middle down", EXPORT(GETMOUSEBUTTON)(0), 2);
  check_int("GETMOUSEBUTTON(0x1234) under the cursor", EXPORT(GETMOUSEBUTTON)(0x1234), 2);
  check_int("GETMOUSEBUTTON(0x1235) not under the cursor", EXPORT(GETMOUSEBUTTON)(0x1235), 0);
  check_int("GETKEYSTATE(A) pressed and released", EXPORT(GETKEYSTATE)(0x41), 0);
  check_int("GETKEYSTATE(B) down", EXPORT(GETKEYSTATE)(0x42), 1);
  EXPORT(SETHOSTSERVICES)(NULL);
  /* The platform's own input: whatever the state, a valid answer. */
  const int32_t button = EXPORT(GETMOUSEBUTTON)(0);
  const int32_t key = EXPORT(GETKEYSTATE)(0x41);
  report(button >= 0 && button <= 3 && (key == 0 || key == 1),
         "GETMOUSEBUTTON(0) / GETKEYSTATE(A) of the platform: %" PRId32 " / %" PRId32, button, key);
}

/* The length validator, its message routed through the host services. */
static void validation_family(void) {
  if (!HAVE(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG) || !HAVE(SETHOSTSERVICES)) return;
  fn_CONVERTTEXTSTRINGVALUETOINCHESERRORMSG validate = EXPORT(CONVERTTEXTSTRINGVALUETOINCHESERRORMSG);

  clear_recorded();
  install_recording_services();
  check_float("CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(77, \"150 FT\", 0, 100, 1200, 0, 6, 1, 2)",
              validate(77, "150 FT", 0.0f, 100.0f, 1200.0f, 0, 6, 1, 2), -1.0f);
  check_buffer("validator message", recorded.message,
               "The value you have entered for feet is invalid. The value cannot exceed 100.");
  check_buffer("validator caption", recorded.caption, "Measurement Error");
  check_int("validator selection window", recorded.select_window, 77);
  check_int("validator selection first", recorded.select_first, 0);
  check_int("validator selection after last", recorded.select_after, 3);
  check_int("validator focus", recorded.focus_window, 77);
  check_int("validator messages", recorded.messages, 1);

  clear_recorded();
  recorded.line_length = 6;
  install_recording_services();
  check_float("CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(77, \"101 FT\", 0, 0, 1200, 0, 6, 1, 2)",
              validate(77, "101 FT", 0.0f, 0.0f, 1200.0f, 0, 6, 1, 2), 0.0f);
  check_buffer("validator message", recorded.message,
               "The maximum value for this measurement is 100 feet.");
  check_int("validator selection first", recorded.select_first, 0);
  check_int("validator selection after last", recorded.select_after, 6);

  clear_recorded();
  install_recording_services();
  check_float("CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(77, \"10 MM\", 1, 0, 1200, 1, 4, 1, 2)",
              validate(77, "10 MM", 1.0f, 0.0f, 1200.0f, 1, 4, 1, 2), 0.0f);
  check_buffer("validator message", recorded.message,
               "The minimum value for this measurement is 25.3999996185303 millimeters.");
  check_int("validator selections", recorded.selections, 0);

  clear_recorded();
  install_recording_services();
  check_float("CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(77, \"12 ' 6 1/2 \\\"\", 0, 0, 1200, 0, 6, 1, 2)",
              validate(77, "12 ' 6 1/2 \"", 0.0f, 0.0f, 1200.0f, 0, 6, 1, 2), 150.5f);
  check_buffer("validator field text", recorded.text, "12' 6.5\"");
  check_int("validator messages", recorded.messages, 0);
  EXPORT(SETHOSTSERVICES)(NULL);

#if defined(_WIN32)
  /* The platform's edit control behind the field operations (the message box
   * stays the host's). */
  HWND field = CreateWindowExA(0, "EDIT", "150 FT", WS_OVERLAPPEDWINDOW | ES_AUTOHSCROLL, 0, 0, 200,
                               30, NULL, NULL, GetModuleHandleA(NULL), NULL);
  report(field != NULL, "an edit control for the validator");
  if (field == NULL) return;
  const int32_t window = (int32_t)(intptr_t)field;
  clear_recorded();
  install_message_service_only();
  const float rejected = validate(window, "150 FT", 0.0f, 100.0f, 1200.0f, 0, 6, 1, 2);
  DWORD first = 99, after = 99;
  SendMessageA(field, EM_GETSEL, (WPARAM)&first, (LPARAM)&after);
  char text[64] = "";
  GetWindowTextA(field, text, (int)sizeof text);
  report(rejected == -1.0f && recorded.messages == 1 && first == 0 && after == 3 &&
             GetFocus() == field && strcmp(text, "150 FT") == 0,
         "validator on an edit control, \"150 FT\" over 100: result %g, selection %lu-%lu, "
         "focus %s, text \"%s\"",
         (double)rejected, (unsigned long)first, (unsigned long)after,
         GetFocus() == field ? "on the field" : "elsewhere", text);

  SetWindowTextA(field, "101 FT");
  clear_recorded();
  const float too_long = validate(window, "101 FT", 0.0f, 0.0f, 1200.0f, 0, 6, 1, 2);
  SendMessageA(field, EM_GETSEL, (WPARAM)&first, (LPARAM)&after);
  report(too_long == 0.0f && first == 0 && after == 6,
         "validator on an edit control, \"101 FT\" over 1200 inches: result %g, whole entry "
         "selected %lu-%lu",
         (double)too_long, (unsigned long)first, (unsigned long)after);

  SetWindowTextA(field, "12'6 1/2\"");
  clear_recorded();
  const float accepted = validate(window, "12 ' 6 1/2 \"", 0.0f, 0.0f, 1200.0f, 0, 6, 1, 2);
  GetWindowTextA(field, text, (int)sizeof text);
  report(accepted == 150.5f && strcmp(text, "12' 6.5\"") == 0 && recorded.messages == 0,
         "validator on an edit control, accepted: result %g, field \"%s\"", (double)accepted, text);
  EXPORT(SETHOSTSERVICES)(NULL);
  DestroyWindow(field);
#endif
}

#if defined(_WIN32)
/* Upper-casing is the system's (CharUpperBuffA, the ANSI code page). */
static void code_page_family(void) {
  if (!HAVE(GETSYMBOLITEMTYPEFROMNAME)) return;
  char name[16] = "caf\xE9 \xFF";
  char want[16] = "caf\xE9 \xFF";
  CharUpperBuffA(want, (DWORD)strlen(want));
  EXPORT(GETSYMBOLITEMTYPEFROMNAME)(1, 5, name);
  report(strcmp(name, want) == 0 && strcmp(name, "caf\xE9 \xFF") != 0,
         "names are upper-cased as CharUpperBuffA does (code page %u)", GetACP());
}
#endif

/* ------------------------------------------------------------------- main */

int main(int argc, char** argv) {
#if defined(_WIN32)
  const char* path = argc > 1 ? argv[1] : "TOLMERDLL.dll";
  HMODULE library = LoadLibraryA(path);
  if (library == NULL) {
    printf("FAIL LoadLibraryA(\"%s\"): error %lu\n", path, (unsigned long)GetLastError());
    return 1;
  }
#else
  const char* path = argc > 1 ? argv[1] : "./libtolmerdll.so";
  void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (library == NULL) {
    printf("FAIL dlopen(\"%s\"): %s\n", path, dlerror());
    return 1;
  }
#endif
  printf("host: %s loaded\n", path);

  int missing = 0;
  for (int i = 0; i < export_count; i++) {
#if defined(_WIN32)
    FARPROC found = GetProcAddress(library, export_names[i]);
#else
    void* found = dlsym(library, export_names[i]);
#endif
    memcpy(&exports[i], &found, sizeof exports[i]);
    if (found == NULL) {
      missing++;
      report(0, "export %s not found", export_names[i]);
    }
  }
  report(missing == 0, "%d of %d exports found by name", export_count - missing, export_count);
  if (!HAVE(FREELIBSTRING) || !HAVE(SETHOSTSERVICES)) return 1;

#if defined(_WIN32) && HOST_X87
  /* As a Windows host runs: 53-bit precision. */
  set_x87_control(0x027F);
#endif

  frame_family();
  random_family();
  units_family();
  precision_family();
  fractions_family();
  parsing_family();
  validation_family();
  formatting_family();
  scales_family();
  paper_family();
  catalog_family();
  text_family();
  geometry_family();
  bits_family();
  paths_family();
  input_family();
#if defined(_WIN32)
  code_page_family();
#endif

#if defined(_WIN32) && HOST_X87
  const uint16_t control = x87_control();
  report(control == 0x027F, "the host's x87 control word after every call: %04X (expected 027F)",
         control);
#endif

#if defined(_WIN32)
  FreeLibrary(library);
#else
  dlclose(library);
#endif
  printf("host: %d checks, %d failed\n", checks, failures);
  return failures == 0 ? 0 : 1;
}
