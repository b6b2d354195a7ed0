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
 *                      result into it. Each export states the room every
 *                      buffer of its own needs in one phrase, "Room: NAME
 *                      needs N bytes, the NUL included."; the caller supplies
 *                      at least that. A null buffer reads as the empty text
 *                      and nothing is written.
 *   LibString          a counted byte string handle (see below); a host
 *                      makes one to pass in with MAKELIBSTRING.
 *
 * Positions and indices
 *   A position in a text is 1-based: the first byte is position 1 (0 names
 *   no byte). Table indices (paper records, scales, the temporary string
 *   array) are 0-based. The named constants below give every code the
 *   exports take or answer; the exports themselves take plain int32_t.
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
 *   safe. The paper table, the scale table, the temporary string array, the
 *   conversion places, the millimetre constant and pi do not exist yet
 *   (SIZEPAPERINFOARRAY alone creates the paper table), and each export that
 *   needs one answers as follows:
 *   - -1: GETUBPAPERINFOARRAY, GETPAPERINDEXFROMPAPERSIZE (orientation not
 *     written), GETPAPERINDEXFROMPAPERNAME (its buffer is still rewritten,
 *     trimmed and upper-cased), GETINDEXFORSCALERATIOVALUES, and the
 *     temporary array's search (ACCESSTEMPSTRINGARRAY operation 0);
 *   - 0 or the empty string, writing nothing: the other paper getters
 *     (GETPAPERINFOITEM leaves its buffer and references alone) and
 *     GETSCALERATIOVALUE; the paper setters and SETCONVERSIONDECIMALPLACES
 *     store nothing; the temporary array answers as described at
 *     ACCESSTEMPSTRINGARRAY (a clear creates it);
 *   - with the constant 0: INCHESTOMILLIMETERS gives 0 (NaN for infinities),
 *     MILLIMETERSTOINCHES an infinity (NaN for 0), and what is built on them
 *     follows: GETCONVERTEDSCALEVALUE, metric formatting (every length is 0
 *     millimetres), metric parsing (a metric number reads as an infinity);
 *   - with pi 0: ROTATERADIANSVALUE never wraps (a turn of 0).
 *   The enumeration codes (measurement systems, units, formats) are constants
 *   and hold before initialisation.
 *
 * When memory cannot be had
 *   No export throws or terminates the process. An export that cannot get
 *   the memory its answer needs answers 0 (0.0 for a real, the null handle
 *   for a LibString; SETSTRINGPARTINSTRINGBYPOSITION and ...2 answer -1, as
 *   for a list that cannot be rewritten), writes none of its buffers and
 *   references, and keeps nothing it allocated. An export changing a table
 *   (an append to the temporary string array, say) leaves it as it was.
 *
 * Threads
 *   Every export may be called from any thread, several at once. Each call's
 *   result is one that some sequential order of the same calls would give:
 *   a paper record is read and written whole, every append to the temporary
 *   string array gets its own index, every random draw advances the
 *   generator by exactly one step (no draw is repeated or lost), and a host
 *   service table installed by SETHOSTSERVICES is used whole or not at all.
 *   INITIALIZEDLL restores each table in one step. Each table has its own
 *   reader-writer lock (readers share it); the constants set by
 *   initialisation are read without a lock; the seed is advanced by an
 *   atomic compare-exchange. A call that changes several tables (only
 *   INITIALIZEDLL) is not one step across them. Caller buffers and
 *   references are the caller's to keep apart between threads.
 */
#ifndef TOLMERDLL_H
#define TOLMERDLL_H

#include <stddef.h>
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
/* Named constants                                                          */
/* ======================================================================== */

/* Measurement systems (the system argument of every measurement export; any
 * value but TOLMER_METRIC is taken as English). */
typedef enum TolmerSystem {
  TOLMER_ENGLISH = 0,
  TOLMER_METRIC = 1
} TolmerSystem;

/* Units of the English system (GETMEASUREMENTDESIGNATOR's unit). */
typedef enum TolmerEnglishUnit {
  TOLMER_YARDS = 0,
  TOLMER_FEET = 1,
  TOLMER_INCHES = 2
} TolmerEnglishUnit;

/* Units of the metric system (GETMEASUREMENTDESIGNATOR's unit). */
typedef enum TolmerMetricUnit {
  TOLMER_METERS = 0,
  TOLMER_DECIMETERS = 1,
  TOLMER_CENTIMETERS = 2,
  TOLMER_MILLIMETERS = 3
} TolmerMetricUnit;

/* Targets of CONVERTMEASUREMENT. */
typedef enum TolmerConversionTarget {
  TOLMER_TO_FEET = 0,
  TOLMER_TO_METERS = 1
} TolmerConversionTarget;

/* Label styles of GETMEASUREMENTLABEL, English system ("Foot" and "Inch"
 * take their plural above a quantity of 1). */
typedef enum TolmerEnglishLabel {
  TOLMER_LABEL_FOOT = 0,       /* Foot / Feet */
  TOLMER_LABEL_INCH = 1,       /* Inch / Inches */
  TOLMER_LABEL_FT = 2,         /* Ft */
  TOLMER_LABEL_IN = 3,         /* In */
  TOLMER_LABEL_FT_DOT = 4,     /* Ft. */
  TOLMER_LABEL_IN_DOT = 5,     /* In. */
  TOLMER_LABEL_FOOT_MARK = 6,  /* ' */
  TOLMER_LABEL_INCH_MARK = 7   /* " */
} TolmerEnglishLabel;

/* Label styles of GETMEASUREMENTLABEL, metric system. */
typedef enum TolmerMetricLabel {
  TOLMER_LABEL_METER = 0,       /* Meter / Meters */
  TOLMER_LABEL_MILLIMETER = 1,  /* Millimeter / Millimeters */
  TOLMER_LABEL_M = 2,           /* m */
  TOLMER_LABEL_MM = 3,          /* mm */
  TOLMER_LABEL_CM = 4           /* cm */
} TolmerMetricLabel;

/* Display formats of English lengths (GETFORMATEDTEXTFROMINCHES and the
 * validator), shown for 150.5 inches with fractions to 1/16; decimal feet
 * with 2 places. */
typedef enum TolmerEnglishFormat {
  TOLMER_FEET_INCHES_WORDS = 0,     /* 12 Feet 6 1/2 Inches */
  TOLMER_FEET_INCHES_FT_DOT = 1,    /* 12 Ft. 6 1/2 In. */
  TOLMER_FEET_INCHES_FT = 2,        /* 12 Ft 6 1/2 In */
  TOLMER_DECIMAL_FEET_WORDS = 3,    /* 12.54 Feet */
  TOLMER_DECIMAL_FEET_FT_DOT = 4,   /* 12.54 Ft. */
  TOLMER_DECIMAL_FEET_FT = 5,       /* 12.54 Ft */
  TOLMER_FEET_INCHES_MARKS = 6,     /* 12' 6 1/2" */
  TOLMER_FEET_DASH_INCHES = 7,      /* 12' - 6 1/2" */
  TOLMER_DECIMAL_FEET_MARK = 8,     /* 12.54' */
  TOLMER_INCHES_WORDS = 9,          /* 150 1/2 Inches */
  TOLMER_INCHES_IN_DOT = 10,        /* 150 1/2 In. */
  TOLMER_INCHES_IN = 11,            /* 150 1/2 In */
  TOLMER_INCHES_MARK = 12,          /* 150 1/2" */
  TOLMER_INCHES_BARE = 13           /* 150 1/2 */
} TolmerEnglishFormat;

/* Display formats of metric lengths, shown for 2.5 metres with 2 places. */
typedef enum TolmerMetricFormat {
  TOLMER_METERS_MILLIMETERS_WORDS = 0,  /* 2 Meters 500 Millimeters */
  TOLMER_METERS_MILLIMETERS = 1,        /* 2m 500mm */
  TOLMER_DECIMAL_METERS_WORDS = 2,      /* 2.5 Meters */
  TOLMER_DECIMAL_METERS = 3,            /* 2.5 m */
  TOLMER_MILLIMETERS_MM = 4,            /* 2500 mm */
  TOLMER_MILLIMETERS_BARE = 5,          /* 2500 */
  TOLMER_METERS_CENTIMETERS = 6         /* 2m 50cm */
} TolmerMetricFormat;

/* How the part of an inch below one is shown (English only): as a fraction
 * whose largest denominator is the places argument, or as decimals with that
 * many places. Any value but 0 is decimal. */
typedef enum TolmerFractionMode {
  TOLMER_FRACTIONAL_INCHES = 0,
  TOLMER_DECIMAL_INCHES = 1
} TolmerFractionMode;

/* CONVERTTEXTSTRINGVALUETOINCHES's answers when a number exceeds the
 * per-unit maximum: the unit whose number did. */
typedef enum TolmerConversionError {
  TOLMER_TOO_MANY_METERS = -1,
  TOLMER_TOO_MANY_YARDS = -2,
  TOLMER_TOO_MANY_DECIMETERS = -3,
  TOLMER_TOO_MANY_FEET = -4,
  TOLMER_TOO_MANY_CENTIMETERS = -5,
  TOLMER_TOO_MANY_INCHES = -6,
  TOLMER_TOO_MANY_MILLIMETERS = -7
} TolmerConversionError;

/* Paper orientation (the paper table's width and height are portrait). */
typedef enum TolmerPaperOrientation {
  TOLMER_PORTRAIT = 1,
  TOLMER_LANDSCAPE = 2
} TolmerPaperOrientation;

/* Special folders of GETSPECIALFOLDERLOCATION (the shell's CSIDL numbers;
 * the places off Windows are listed with the export). */
typedef enum TolmerSpecialFolder {
  TOLMER_FOLDER_DESKTOP = 0x0000,
  TOLMER_FOLDER_DOCUMENTS = 0x0005,
  TOLMER_FOLDER_MUSIC = 0x000D,
  TOLMER_FOLDER_VIDEOS = 0x000E,
  TOLMER_FOLDER_DESKTOP_DIRECTORY = 0x0010,
  TOLMER_FOLDER_FONTS = 0x0014,
  TOLMER_FOLDER_TEMPLATES = 0x0015,
  TOLMER_FOLDER_APPLICATION_DATA = 0x001A,
  TOLMER_FOLDER_LOCAL_APPLICATION_DATA = 0x001C,
  TOLMER_FOLDER_INTERNET_CACHE = 0x0020,
  TOLMER_FOLDER_COMMON_APPLICATION_DATA = 0x0023,
  TOLMER_FOLDER_PROGRAM_FILES = 0x0026,
  TOLMER_FOLDER_PICTURES = 0x0027,
  TOLMER_FOLDER_PROFILE = 0x0028
} TolmerSpecialFolder;

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

/* A new LibString holding the length bytes at bytes (NUL bytes included), to
 * pass to the exports that take a LibString (REVERSESTRINGDLL,
 * GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION). A length of 0 or less gives the
 * null handle (the empty string); null bytes with a positive length give that
 * many zero bytes; the null handle too when memory cannot be had. The caller
 * owns the result and releases it with FREELIBSTRING (on Windows it is made by
 * SysAllocStringByteLen, so SysFreeString releases it as well). bytes must
 * hold length readable bytes. */
TOLMER_API LibString TOLMER_CALL MAKELIBSTRING(const char* bytes, int32_t length);

/* ======================================================================== */
/* Host services                                                            */
/* ======================================================================== */

/* The table of host callbacks, TolmerHostServices, is declared in
 * tolmerdll_host.h (included here). */
#include "tolmerdll_host.h"

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
/* The index-th designator word of a unit; bare 0 pads it with a space on each side
 * (a unit or index without a word gives the empty string, padded: two spaces). */
TOLMER_API LibString TOLMER_CALL GETMEASUREMENTDESIGNATOR(int32_t system, int32_t unit, int32_t index, int32_t bare);
/* The caption of a label style; long captions are plural when quantity > 1. */
TOLMER_API LibString TOLMER_CALL GETMEASUREMENTLABEL(int32_t system, int32_t style, float quantity);
/* Target 0: inches / 12; target 1: inches / 39.369; other targets: 0. Rounded to single. */
TOLMER_API float TOLMER_CALL CONVERTMEASUREMENT(float inches, int32_t target);

/* ======================================================================== */
/* Fractions                                                                */
/* ======================================================================== */

/* Splits a fraction text ("1 1/2", "1-3\4") into whole, numerator, denominator and
 * separator; writes separator, numerator, denominator, whole, in that order, or
 * nothing when there is no "/" or "\". Absent parts, and digit runs too large for
 * 32 bits, are 0. Room: separator needs 2 bytes, the NUL included. */
TOLMER_API void TOLMER_CALL BREAKFRACTIONAPART(const char* text, int32_t* whole, int32_t* numerator, int32_t* denominator, char* separator);
/* The fraction over a new denominator, unreduced ("15/16" over 4 gives "4/4"); empty when unusable.
 * A new numerator beyond 32 bits is INT32_MIN, as every real made an integer ("-2147483648/4"). */
TOLMER_API LibString TOLMER_CALL CONVERTFRACTIONDENOMINATOR(const char* text, int32_t new_denominator);
/* The fraction in lowest terms, improper parts carried, denominator capped (below 1 counts as 1).
 * The whole number plus the carry is written in full, past 32 bits too ("4294967294"). */
TOLMER_API LibString TOLMER_CALL REDUCEFRACTION(const char* text, int32_t largest_denominator);
/* Numerator / denominator as a single (whole number not included); 0 when unusable. */
TOLMER_API float TOLMER_CALL FRACTIONSTRINGTODECIMAL(const char* text);
/* A value as a reduced fraction text ("3/8"). Values of 1 and more keep their whole
 * digits: 2.5 gives "2 1/2". The sign of a fraction is dropped; a whole value is written
 * as a number, with its sign ("-3", and "1.5E+10" from 10^7 on, where every single is
 * whole). NaN and the infinities give "0"; a fraction too small for the cap gives "". */
TOLMER_API LibString TOLMER_CALL DECIMALTOFRACTIONSTRING(float value, int32_t largest_denominator);
/* Returns the first fraction in text (reversed -1: the text was reversed, the fraction
 * is read back in normal order) and writes its value; writes the text without it into
 * remainder, padded with spaces to the length of the text the buffer held on entry.
 * Never writes past that text and its NUL: a longer remainder is cut to it, and
 * remainder_length is the length written, so it is shorter than the remainder when
 * the buffer held a shorter text (a null buffer: 0). Written in this order: value,
 * remainder_length, remainder. No fraction: empty result, value untouched, length 0,
 * the buffer's text blanked. Room: remainder needs the length of the text it holds on
 * entry + 1 bytes, the NUL included. */
TOLMER_API LibString TOLMER_CALL EXTRACTFRACTIONINTEXTSTRING(const char* text, int32_t reversed, char* remainder, int32_t* remainder_length, float* value);

/* ======================================================================== */
/* Measurement parsing                                                      */
/* ======================================================================== */

/* -1 when the first byte is a numeral of the system (digits and "."; English, system 0
 * exactly, also "/" and "\"), else 0 (also for empty text). */
TOLMER_API int32_t TOLMER_CALL ISVALIDMEASUREMENTSCALENUMERICALCHARACTER(int32_t system, const char* character);
/* -1 when the first byte is a digit, ".", "/" or "\", else 0. */
TOLMER_API int32_t TOLMER_CALL ISVALIDMEASUREMENTNUMERICALCHARACTER(const char* character);
/* Inserts a space between every numeral run and non-numeral run ("12'6\"" -> "12 ' 6 \""),
 * rewriting the buffer, and returns a copy. Blank text: empty result, buffer untouched.
 * Room: measurement needs 2 x the length of its text bytes, the NUL included (the text,
 * one byte per boundary between a numeral and a non-numeral run, and the NUL). */
TOLMER_API LibString TOLMER_CALL SEPARATEMEASUREMENTSINTEXTSTRING(char* measurement);
/* Reads the number ending at position (backwards -1) or beginning there; writes its first
 * and last positions, start before end; position, start and end are 1-based byte
 * positions in text (a LibString: MAKELIBSTRING makes one). Nothing is written when the
 * position is outside the text (forwards past its end, backwards below 1) or only spaces
 * stand on that side of it. Otherwise end is always written, also when no number stands
 * there (the number's digits are then empty, and end is start - 1); start is written only
 * when the number's digits occur in the text beginning before position - 1 (the last such
 * place), else it keeps the caller's value, from which end is counted. */
TOLMER_API float TOLMER_CALL GETMEASUREMENTVALUEINTEXTSTRINGBYPOSITION(int32_t system, LibString text, int32_t position, int32_t backwards, int32_t* start, int32_t* end);
/* The length in inches of a separated text, or -1..-7 (TolmerConversionError) when a
 * number exceeds maximum (> 0) in its unit; then start and end, 1-based byte positions,
 * locate the number in the trimmed text (start 0 when it has no start before it: each
 * unit's number is read with a start of 0), and are written only then, start before end.
 * Hyphens of feet-and-inches writing read as spaces, byte for byte in the upper-cased,
 * trimmed text (no position moves): a hyphen directly after a byte that is not a space, a
 * hyphen or a numeral (digit, ".", "/", "\"), as in 12 '- 6 " (150) and 12 FT- 6 IN (150);
 * and a hyphen with a digit before it and a fraction (digits, a bar, a digit) after it,
 * spaces allowed between the hyphen and each of them, as in 6 - 1/2 " (6.5) and
 * 12 ' 6 - 1/2 " (150.5). Every other hyphen stays: - 5 FT reads 60, 1 - 1/2 reads 0 (no
 * unit word). */
TOLMER_API float TOLMER_CALL CONVERTTEXTSTRINGVALUETOINCHES(const char* measurement, float maximum, int32_t* start, int32_t* end);

/* ======================================================================== */
/* Measurement validation                                                   */
/* ======================================================================== */

/* Converts a separated entry and checks it: a number over maximum (per unit, > 0) gives
 * -1, a total over maximum_total (or not a number) or under minimum gives 0, each after a
 * message box "Measurement Error", a selection and the focus on the field (window); an
 * accepted length is written back into the field in the display format and returned.
 * A maximum_total or minimum that is not a number rejects no length that is a number.
 * The echo uses 3 places, or largest denominator 64 where it shows an inch fraction
 * (English, fraction_mode 0, formats other than decimal feet 3, 4, 5, 8); the decimal-feet
 * formats 3, 4, 5, 8 are echoed in decimal mode with 3 places whatever fraction_mode
 * (150.9 inches: 12.575 feet). The field and box go through the window services
 * (SETHOSTSERVICES). */
TOLMER_API float TOLMER_CALL CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(int32_t window, const char* measurement, float minimum, float maximum, float maximum_total, int32_t system, int32_t format, int32_t fraction_mode, int32_t places);

/* ======================================================================== */
/* Measurement formatting                                                   */
/* ======================================================================== */

/* Splits a length: English (any system but 1) major = whole feet, minor = whole
 * inches (both truncated towards zero), fraction = the rest of an inch rounded
 * to places (above 18 or negative: 18); Metric (1) major = floor of the metres,
 * minor = millimetres above it (3 places), fraction = 0. reserved: no effect.
 * Written in this order: major, minor, fraction. */
TOLMER_API void TOLMER_CALL GETINDIVIDUALMEASUREMENTVALUESFROMINCHES(int32_t system, float inches, int32_t places, float* major, float* minor, float* fraction, int32_t reserved);
/* A length as display text in English format 0-13 or Metric format 0-6 (other
 * Metric codes: empty; other English codes: numbers without captions); mode 0
 * with system 0 shows fractions with largest denominator places, else decimals.
 * A fraction reaching a whole inch carries into the inches. In fractional mode a
 * fraction below half a millionth is not shown (6.0000001 gives 6", never 6 0"),
 * but decimal feet still count it (3.0000002, format 3, places 1: .3 Foot). Decimal
 * inches keep 7 significant digits written without an exponent (6.07, places 8:
 * 6.07000017"; 6040.01141, format 0, places 8: 503 Feet 4.01123047 Inches), and
 * decimal feet count them (12.01, format 3, places 8: 1.000833 Feet). Negative
 * lengths: English empty; Metric 4/5 the signed millimetres; other Metric codes
 * use the floor split (-0.5 m: format 0 gives "500 Millimeters", 2 gives
 * "-.5 Meter"). NaN gives the empty text, and so does
 * -infinity; +infinity shows "Inf" as its number ("Inf Feet"); Metric 4 and 5 show
 * both, and NaN, as "NaN mm" / "NaN". */
TOLMER_API LibString TOLMER_CALL GETFORMATEDTEXTFROMINCHES(int32_t system, int32_t format, int32_t fraction_mode, double inches, int32_t places, int32_t reserved);

/* ======================================================================== */
/* Drawing scales                                                           */
/* ======================================================================== */

/* A scale table cell (system 0/1, part 0 numerator / 1 denominator, index 0-12);
 * any other argument, or no table yet, gives 0. */
TOLMER_API float TOLMER_CALL GETSCALERATIOVALUE(int32_t system, int32_t part, int32_t index);
/* The first index 0-12 whose numerator and denominator equal the arguments
 * (system 1 Metric, any other English); -1 when none, or before INITIALIZEDLL. */
TOLMER_API int32_t TOLMER_CALL GETINDEXFORSCALERATIOVALUES(int32_t system, float numerator, float denominator);
/* numerator / denominator (single) times 12 (single): drawing inches per foot. */
TOLMER_API float TOLMER_CALL GETINCHESPERFOOTFROMSCALERATIO(float numerator, float denominator);
/* The denominator of the largest standard ratio not above scale; a scale equal
 * to the double nearest 1/D selects D; below all (or not positive, NaN):
 * -1000 Metric, -768 English. */
TOLMER_API int32_t TOLMER_CALL GETNEARESTSCALERATIOVALUE(int32_t system, double scale);
/* Metric: millimetres to inches; any other system: inches to millimetres (single). */
TOLMER_API float TOLMER_CALL GETCONVERTEDSCALEVALUE(int32_t system, float value);

/* ======================================================================== */
/* Paper size table                                                         */
/* ======================================================================== */

/*
 * A process-wide table of paper records indexed from 0: a 16-byte name (space
 * padded, read back trimmed of spaces), width and height in inches (portrait)
 * and four margins in inches. INITIALIZEDLL creates it with indices 0 to 40.
 * Orientation: 1 portrait (as stored), 2 landscape (width and height
 * exchanged; margins never are). An index outside 0 to the upper bound, or any
 * index before the table exists, names no record: getters return 0 or the
 * empty string and write nothing through their references or buffers, setters
 * change nothing.
 */

/* Creates the table with indices 0 to upper_bound (blank records) when there is none; an existing
 * table is left unchanged. Returns the upper bound afterwards, -1 when there is no table (negative
 * argument; or more than 16,777,216 records, refused as memory that cannot be had). A later
 * INITIALIZEDLL stores only the initial records that fit a table made here. */
TOLMER_API int32_t TOLMER_CALL SIZEPAPERINFOARRAY(int32_t upper_bound);
/* The table's upper bound, -1 when there is no table. */
TOLMER_API int32_t TOLMER_CALL GETUBPAPERINFOARRAY(void);
/* Stores a whole record; the name is cut or space padded to 16 bytes. */
TOLMER_API void TOLMER_CALL SETPAPERINFOITEM(int32_t index, const char* name, float width, float height,
                                             float top_margin, float bottom_margin, float left_margin,
                                             float right_margin);
/* Writes a record: the trimmed name, then the six values in argument order (width first,
 * right margin last). Room: name needs 17 bytes, the NUL included. */
TOLMER_API void TOLMER_CALL GETPAPERINFOITEM(int32_t index, char* name, float* width, float* height,
                                             float* top_margin, float* bottom_margin, float* left_margin,
                                             float* right_margin);
/* The record's trimmed name. */
TOLMER_API LibString TOLMER_CALL GETPAPERINFONAME(int32_t index);
/* The length in bytes of the record's trimmed name. */
TOLMER_API int32_t TOLMER_CALL GETPAPERINFONAMELENGTH(int32_t index);
/* The width; the stored height when orientation is 2 (landscape). */
TOLMER_API float TOLMER_CALL GETPAPERINFOWIDTH(int32_t index, int32_t orientation);
/* The height; the stored width when orientation is 2 (landscape). */
TOLMER_API float TOLMER_CALL GETPAPERINFOHEIGHT(int32_t index, int32_t orientation);
/* Stores the (portrait) width. */
TOLMER_API void TOLMER_CALL SETPAPERINFOWIDTH(int32_t index, float value);
/* Stores the (portrait) height. */
TOLMER_API void TOLMER_CALL SETPAPERINFOHEIGHT(int32_t index, float value);
/* The top margin. */
TOLMER_API float TOLMER_CALL GETPAPERINFOTOPMARGIN(int32_t index);
/* The bottom margin. */
TOLMER_API float TOLMER_CALL GETPAPERINFOBOTTOMMARGIN(int32_t index);
/* The left margin. */
TOLMER_API float TOLMER_CALL GETPAPERINFOLEFTMARGIN(int32_t index);
/* The right margin. */
TOLMER_API float TOLMER_CALL GETPAPERINFORIGHTMARGIN(int32_t index);
/* Stores the top margin. */
TOLMER_API void TOLMER_CALL SETPAPERINFOTOPMARGIN(int32_t index, float value);
/* Stores the bottom margin. */
TOLMER_API void TOLMER_CALL SETPAPERINFOBOTTOMMARGIN(int32_t index, float value);
/* Stores the left margin. */
TOLMER_API void TOLMER_CALL SETPAPERINFOLEFTMARGIN(int32_t index, float value);
/* Stores the right margin. */
TOLMER_API void TOLMER_CALL SETPAPERINFORIGHTMARGIN(int32_t index, float value);
/* Rewrites the name buffer as its trimmed, upper-cased form (never longer), then returns the first
 * index whose trimmed name equals it ignoring case, or -1. Room: name needs the length of its text
 * + 1 bytes, the NUL included. */
TOLMER_API int32_t TOLMER_CALL GETPAPERINDEXFROMPAPERNAME(char* name);
/* The first index whose size equals width x height, each record tried portrait (orientation := 1)
 * then landscape (orientation := 2); -1 with orientation untouched when none. System 1 (metric)
 * compares in millimetres: each record's sizes through INCHESTOMILLIMETERS rounded to single. */
TOLMER_API int32_t TOLMER_CALL GETPAPERINDEXFROMPAPERSIZE(int32_t system, float width, float height,
                                                          int32_t* orientation);

/* ======================================================================== */
/* Symbol catalog                                                           */
/* ======================================================================== */

/* Catalog numbers are category, sub-category, item type, sub-item type. A code
 * string lists numbers as decimal text separated by the byte 255. */

/* Description of a category (category 1: of its sub-category 0 to 6), or empty. */
TOLMER_API LibString TOLMER_CALL GETDESCRIPTIONFORCATEGORYTYPE(int32_t category, int32_t sub_category);
/* Code string of a category's sub-categories ("1".."5" for category 1), or empty. */
TOLMER_API LibString TOLMER_CALL GETSUBCATEGORIESCODESTRING(int32_t category);
/* Code string of a sub-category's item types, or empty. */
TOLMER_API LibString TOLMER_CALL GETITEMTYPESCODESTRING(int32_t category, int32_t sub_category);
/* Code string 1..n of an item type's sub-item types, or empty. */
TOLMER_API LibString TOLMER_CALL GETSUBITEMTYPESCODESTRING(int32_t category, int32_t sub_category, int32_t item_type);
/* "lib_<category>_<sub-category>", plus "_<item type>" when the item type is above 0. */
TOLMER_API LibString TOLMER_CALL GETLIBRARYNAMEFROMCATEGORIES(int32_t category, int32_t sub_category, int32_t item_type);
/* Reads fields 2, 3, 4 of a "_"-separated name (rounded to nearest, ties to even;
 * NaN/inf/out of range give INT32_MIN; a missing field 3 or 4 gives -1). Writes -1 to
 * category, sub_category and item_type, then the category, then the sub-category if the
 * name has a field 3, then the item type if it has a field 4: a variable passed twice
 * ends with the number written last ("lib_3" with category and item_type one variable:
 * 3). Returns 0. */
TOLMER_API int32_t TOLMER_CALL GETCATEGORIESFROMLIBRARYNAME(const char* name, int32_t* category, int32_t* sub_category, int32_t* item_type);
/* 1 for "LIB_<digits>[_<digits>[_<digits>]]_LIB.VDF" (any letter case of LIB), else 0. */
TOLMER_API int32_t TOLMER_CALL ISVALIDLIBRARYNAME(const char* name);

/* Plural (plural != 0) or singular name of an item type, or empty. */
TOLMER_API LibString TOLMER_CALL GETSYMBOLITEMNAMEFROMTYPE(int32_t category, int32_t sub_category, int32_t item_type, int32_t plural);
/* Item type named by the text in name, or 0. Unless the name is blank (spaces
 * only) the buffer is rewritten with the trimmed, upper-cased name, which is
 * never longer than the text read. Room: name needs the length of its text + 1
 * bytes, the NUL included. */
TOLMER_API int32_t TOLMER_CALL GETSYMBOLITEMTYPEFROMNAME(int32_t category, int32_t sub_category, char* name);
/* Name of a sub-item type, or empty. */
TOLMER_API LibString TOLMER_CALL GETSYMBOLSUBITEMNAMEFROMTYPE(int32_t category, int32_t sub_category, int32_t item_type, int32_t sub_item_type);

/* Wall-snap record index 1..262 of an object kind, or 0. */
TOLMER_API int32_t TOLMER_CALL GETOBJECTWALLSNAPINDEXFROMCATEGORIES(int32_t category, int32_t sub_category, int32_t item_type, int32_t sub_item_type);
/* Highest wall-snap index in use (262). */
TOLMER_API int32_t TOLMER_CALL GETHIGHESTOBJECTWALLSNAPINFOARRAYINDEX(void);
/* 1 when fields 1-3 of the comma-separated key read as 1 (a wall), else 0. */
TOLMER_API int32_t TOLMER_CALL ISOBJECTAWALL(const char* key);
/* Wire type of a comma-separated key: the sub-item type for item types 250-254,
 * its negation for sub-category 0 with item types 12-14, else 0. Fields are
 * rounded to nearest (ties to even); INT32_MIN negated stays INT32_MIN. */
TOLMER_API int32_t TOLMER_CALL ISOBJECTAWIRE(const char* key);
/* -1 when a field of the comma-separated view list reads as view, else 0. Fields compare
 * as numbers, not rounded ("0.4" is not view 0); an empty list is one field reading 0. */
TOLMER_API int32_t TOLMER_CALL ISSYMBOLVIEWNUMBERVALID(int32_t view, const char* view_list);

/* "Curved", "Straight", "Sweeping" for wire types 1-3, or empty. */
TOLMER_API LibString TOLMER_CALL GETDESCRIPTIONFORWIRETYPE(int32_t wire_type);
/* Description of drawing tool types 1-11 ("Line" .. "Box"), or empty. */
TOLMER_API LibString TOLMER_CALL GETDESCRIPTIONFORDRAWINGTOOLTYPE(int32_t tool_type);
/* Text box part 1-4 named by the object name's prefix (case-sensitive), or 0. */
TOLMER_API int32_t TOLMER_CALL ISOBJECTPARTOFTEXTBOX(const char* object_name);
/* Characters a folder name may not contain: / \ : * ? < > | and the double quote. */
TOLMER_API LibString TOLMER_CALL GETFOLDERNAMEINVALIDCHARACTERS(void);
/* Characters a category name may not contain: . , / \ : * ? < > | _ and the double quote. */
TOLMER_API LibString TOLMER_CALL GETCATEGORYNAMEINVALIDCHARACTERS(void);
/* Characters a circuit name may not contain: . , : * ? and the double quote. */
TOLMER_API LibString TOLMER_CALL GETCIRCUITNAMEINVALIDCHARACTERS(void);
/* Characters a symbol name may not contain: . , / \ : * ? and the double quote. */
TOLMER_API LibString TOLMER_CALL GETSYMBOLNAMEINVALIDCHARACTERS(void);

/* ======================================================================== */
/* Positional fields                                                        */
/* ======================================================================== */

/*
 * A text's fields lie between the non-overlapping occurrences of the
 * delimiter (a whole text, found from the left): "a,b,,c" with "," has 4
 * fields, an empty text 1. An empty or null delimiter selects the comma rule:
 * spaces before a field are skipped, a field starting with a double quote
 * runs to the next double quote (commas inside do not split) and anything
 * after the closing quote up to the next comma is ignored. Positions are
 * 1-based; a negative position counts from the end (-1 the last field).
 */

/* The number of fields of text (at least 1). */
TOLMER_API int32_t TOLMER_CALL PARSECOUNTDLL(const char* text, const char* delimiter);
/* Field number position (1-based) of text, unchanged (spaces kept); 0 or a position beyond the count gives the empty string. */
TOLMER_API LibString TOLMER_CALL GETSTRINGPARTFROMSTRINGBYPOSITION(const char* text, int32_t position, const char* delimiter);
/* The same field (position 1-based) read as a number; an empty or non-numeric field gives 0. */
TOLMER_API double TOLMER_CALL GETVALUEFROMSTRINGBYPOSITION(const char* text, int32_t position, const char* delimiter);
/*
 * Replaces field number position (1-based) of the list buffer with part, joins the
 * fields back with the delimiter, strips leading and trailing spaces of the
 * whole and rewrites the buffer; returns the new length. Returns -1 and
 * leaves the buffer untouched when position is 0 or less or beyond the field
 * count (or memory runs out). Room: list needs the length of its text + the
 * length of part + 3 bytes, the NUL included (two quotes may be added).
 * With the delimiter "," in double quotes (the three bytes quote, comma,
 * quote) the joined text gets one double quote at each end. A list that,
 * after its outer spaces, begins and ends with a double quote is split inside
 * those two quotes, so that they are not doubled, when the inside has as
 * many fields as the whole list ("a","b" has 2 fields either way); any other
 * list is split as it stands (","a"," has 3 fields: empty, a, empty), so
 * positions are always those of PARSECOUNTDLL. With an empty delimiter
 * (comma rule) the other fields keep their bytes (quotes and spaces
 * included) and part takes the whole place of the replaced field between
 * its commas. A null list reads as empty and is not
 * written (the result is the length the list would have).
 */
TOLMER_API int32_t TOLMER_CALL SETSTRINGPARTINSTRINGBYPOSITION(char* list, int32_t position, const char* part, const char* delimiter);
/* The same as SETSTRINGPARTINSTRINGBYPOSITION (position 1-based). Room: list needs the length of its text + the length
 * of part + 3 bytes, the NUL included. */
TOLMER_API int32_t TOLMER_CALL SETSTRINGPARTINSTRINGBYPOSITION2(char* list, int32_t position, const char* part, const char* delimiter);

/* ======================================================================== */
/* Delimited lists                                                          */
/* ======================================================================== */

/*
 * A delimited list is a text of items joined by a delimiter text (all of its
 * bytes match, in order). Fields are the texts between non-overlapping
 * occurrences of the delimiter found from the left; an empty list has one
 * empty field. Joining appends each item preceded by the delimiter only when
 * the text built so far is not empty. Where a delimiter buffer is given empty,
 * "," is used and written back into it (the exports that "default the
 * delimiter"); a delimiter that is not empty is not written.
 */

/* Bit of TolmerLongArray.flags set when the array has element storage. */
#define TOLMER_LONG_ARRAY_HAS_STORAGE 4

/*
 * The descriptor of a caller's array of 32-bit integers. 32-bit builds: the
 * storage address at offset 0, the flag byte at 4, the lower bound at 24, the
 * upper bound at 28. 64-bit builds: the address takes 8 bytes and the fields
 * after it move by 4 (flags 8, lower bound 28, upper bound 32). Element k is
 * elements[k - lower_bound].
 */
typedef struct TolmerLongArray {
  int32_t* elements;    /* the element storage */
  uint8_t flags;        /* TOLMER_LONG_ARRAY_HAS_STORAGE when there is storage */
  uint8_t reserved[19]; /* not read */
  int32_t lower_bound;  /* lower bound of the first dimension */
  int32_t upper_bound;  /* upper bound of the first dimension */
} TolmerLongArray;

#if defined(__cplusplus) || (defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L)
#if defined(__cplusplus)
#define TOLMER_LAYOUT_CHECK(condition, message) static_assert(condition, message)
#else
#define TOLMER_LAYOUT_CHECK(condition, message) _Static_assert(condition, message)
#endif
TOLMER_LAYOUT_CHECK(offsetof(TolmerLongArray, elements) == 0, "storage address at 0");
TOLMER_LAYOUT_CHECK(offsetof(TolmerLongArray, flags) == sizeof(int32_t*), "flags after the address");
TOLMER_LAYOUT_CHECK(offsetof(TolmerLongArray, lower_bound) == (sizeof(int32_t*) == 4 ? 24 : 28),
                    "lower bound at 24 (64-bit: 28)");
TOLMER_LAYOUT_CHECK(offsetof(TolmerLongArray, upper_bound) == (sizeof(int32_t*) == 4 ? 28 : 32),
                    "upper bound at 28 (64-bit: 32)");
#undef TOLMER_LAYOUT_CHECK
#endif

/* The non-empty items joined in argument order (empty items left out); defaults the delimiter.
 * Room: delimiter needs 2 bytes, the NUL included, when given empty. */
TOLMER_API LibString TOLMER_CALL CREATEDELIMITEDSTRING(char* delimiter, const char* item1, const char* item2,
                                                       const char* item3, const char* item4, const char* item5,
                                                       const char* item6, const char* item7, const char* item8,
                                                       const char* item9, const char* item10);
/* The list with the item joined on; defaults the delimiter. A non-empty list buffer is rewritten as the
 * list followed by the delimiter; an empty one is not written. Room: list needs the length of its text +
 * the length of the delimiter + 1 bytes, the NUL included. Room: delimiter needs 2 bytes, the NUL
 * included, when given empty. */
TOLMER_API LibString TOLMER_CALL ADDTODELIMITEDSTRING(char* list, const char* item, char* delimiter);
/* The 1-based number of the first field equal to the item, or 0; defaults the delimiter. match_case 0
 * upper-cases the list, the item and the delimiter alike before splitting, so that a delimiter holding a
 * byte that upper-casing changes (a-z, or 0xFF, the code-string separator, which becomes 0x9F) still
 * splits the list; the caller's delimiter buffer is not changed by this. keep_spaces 0 trims spaces off
 * the item and every field. Room: delimiter needs 2 bytes, the NUL included, when given empty. */
TOLMER_API int32_t TOLMER_CALL ISSTRINGINDELIMITEDSTRING(const char* list, const char* item, char* delimiter,
                                                         int32_t keep_spaces, int32_t match_case);
/* Rewrites the list buffer (always; never longer) with the other fields joined, empty delimiter meaning ","
 * (not written back); returns 1 when position named a field (1-based: 1 to the field count), else 0.
 * Room: list needs the length of its text + 1 bytes, the NUL included. */
TOLMER_API int32_t TOLMER_CALL REMOVESTRINGINDELIMITEDSTRINGBYPOSITION(char* list, int32_t position,
                                                                       const char* delimiter);
/* The decimal texts of the array's elements 0 to its upper bound, joined; defaults the delimiter. A null
 * descriptor, one without the storage flag or with a null address gives the empty string. Indices below
 * a positive lower bound do not exist and are skipped (the walk starts at the lower bound). Room: delimiter
 * needs 2 bytes, the NUL included, when given empty. */
TOLMER_API LibString TOLMER_CALL CREATEDELIMITEDSTRINGFROMLONGARRAY(char* delimiter, const TolmerLongArray* array);
/* The smallest i from first to last with elements[i] == value, or -1 (also for first > last or null
 * elements). elements is the array's element 0: indices below 0 are not examined. */
TOLMER_API int32_t TOLMER_CALL ISVALUEINLONGARRAY(int32_t value, const int32_t* elements, int32_t last,
                                                  int32_t first);

/* ======================================================================== */
/* String helpers and temporary string array                                */
/* ======================================================================== */

/* The bytes of a LibString in reverse order, NUL bytes included (the handle is only read). */
TOLMER_API LibString TOLMER_CALL REVERSESTRINGDLL(LibString string);
/* The text (up to its first NUL) reversed. */
TOLMER_API LibString TOLMER_CALL REVERSESTRING(const char* string);
/* The text (up to its first NUL) without leading and trailing spaces (tabs stay). */
TOLMER_API LibString TOLMER_CALL STRIPNULL(const char* string);
/* 1 when the text holds only digits 0-9 and at most one period (so "" and "." give 1), else 0. */
TOLMER_API int32_t TOLMER_CALL ISNUMERICDLL(const char* string);
/* The 1-based position in characters of the first of its bytes found anywhere in string; 0 if none. */
TOLMER_API int32_t TOLMER_CALL STRINGCONTAINSCHARACTERS(const char* string, const char* characters);

/*
 * The temporary string array: entry 0 is the empty text, appended texts take
 * the indices 1, 2, 3... INITIALIZEDLL creates it (discarding earlier
 * contents). Before that the array does not exist: a search gives -1, an
 * append stores nothing and gives 0, the size is 0 and READTEMPSTRINGARRAY
 * gives the empty string; a clear creates the array with its empty entry 0.
 *
 * ACCESSTEMPSTRINGARRAY operations (text is used only by 0 and 1):
 *   0  search from index 0 for the first entry equal to text, a-z taken as
 *      A-Z and other bytes exact: its index, or -1
 *   1  append a copy of text: its index (the new upper bound); 0 when memory
 *      runs out (nothing appended)
 *  -1  clear to the single empty entry 0: 0
 *  -2  size: the upper bound (index of the last entry)
 *  any other operation changes nothing and gives 0.
 */
TOLMER_API int32_t TOLMER_CALL ACCESSTEMPSTRINGARRAY(int32_t operation, const char* text);
/* A copy of entry index of the temporary string array; the empty string outside 0 to the upper bound. */
TOLMER_API LibString TOLMER_CALL READTEMPSTRINGARRAY(int32_t index);

/* ======================================================================== */
/* Angles, rectangles and points, bits                                      */
/* ======================================================================== */

/*
 * Angles are doubles in degrees (radians for ROTATERADIANSVALUE). Remainders
 * truncate toward zero, so they keep the sign of the angle (-400 gives -40).
 * The degree wrap tests take 359, not 360, as the last position of a turn:
 * a value between 359 and 360 is wrapped too (359.5 + 0 rotates to -0.5).
 */

/* Remainder by 360 when the angle is above 359 (360 when allow_360 is non-zero) or below minus that; else unchanged. */
TOLMER_API double TOLMER_CALL REDUCETO360DEGREEANGLE(double angle, int32_t allow_360);
/* Signed offset from start to end (both reduced, 359 rule): direction 0 shortest (a half turn goes the wrapped way, 0 to 180 gives -180), 1 increasing, 2 decreasing, other the plain difference; a non-zero limit clamps an offset larger than |limit| to sign(offset) x limit (a NaN or infinite limit clamps nothing). NaN or infinite angles give NaN. */
TOLMER_API double TOLMER_CALL GETOFFSETFROMANGLES(double start, double end, int32_t direction, double limit);
/* angle + offset; its remainder by 360 when above 359 or below -359. */
TOLMER_API double TOLMER_CALL ADDANGLEOFFSET(double angle, double offset);
/* angle + change, once less 360 when above 359, once plus 360 when below 0. */
TOLMER_API double TOLMER_CALL ROTATEDEGREESVALUE(double angle, double change);
/* angle + change, once less 2 pi when above 2 pi, once plus 2 pi when below 0 (pi as set by INITIALIZEDLL; 0 before it). */
TOLMER_API double TOLMER_CALL ROTATERADIANSVALUE(double angle, double change);
/* The next multiple of |step| above the angle (step > 0) or below it (step <= 0), once wrapped by 360 past 359 or below 0; a zero or NaN step, or a NaN angle, gives NaN; an infinite angle stays infinite. */
TOLMER_API double TOLMER_CALL ROTATETONEXTDEGREEVALUE(double angle, double step);
/* 1 when angle + change is above 359, -1 when below 0, else 0. */
TOLMER_API int32_t TOLMER_CALL ANGLEPASSEDTHROUGHZERO(double angle, double change);

/* A rectangle by two opposite corners; normalised when x1 <= x2 and y1 <= y2 (y grows upward). */
typedef struct DoubleRect {
  double x1; /* left edge */
  double y1; /* lower edge */
  double x2; /* right edge */
  double y2; /* upper edge */
} DoubleRect;

/* Exchanges x1/x2 when x2 < x1, then y1/y2 when y2 < y1 (y1 and y2 read after the x exchange, which
 * matters when one variable is passed twice), in place; only exchanged variables are written. */
TOLMER_API void TOLMER_CALL SETRECTLOWERLEFTJUSTIFIED(double* x1, double* y1, double* x2, double* y2);
/* How b lies against a (normalised copies; neither changed): 1 b within a (edges included), 2 b holds a corner of a, else 0. A null rectangle reads as all zeros. */
TOLMER_API int32_t TOLMER_CALL RECTINRECT(const DoubleRect* a, const DoubleRect* b);
/* 1 when the point is in the rectangle (taken as given, not normalised): strictly inside when exclusive is non-zero, edges included when 0; else 0. */
TOLMER_API int32_t TOLMER_CALL ISPOINTINRECTDOUBLE(double x, double y, const DoubleRect* rect, int32_t exclusive);

/*
 * Bits: bit 0 is the least significant. A word's bit count below 1 or above
 * 32 means 32. A bit target is the caller's memory read byte by byte: bit n
 * is bit n mod 8 of byte n div 8 (bit n of a little-endian int32_t for n 0 to
 * 31; larger n reach the following bytes, which the caller must own). A
 * negative bit number names no bit: EXAMINEBIT answers 0 and CLEARBIT, SETBIT
 * and TOGGLEBIT change nothing (no memory before the target is touched). A
 * null target holds no bit either.
 */

/* The number of set bits among bits 0 to count - 1 of value. */
TOLMER_API int32_t TOLMER_CALL GETTOTALBITSSET(int32_t value, int32_t count);
/* The first set bit from start to count - 1, or -1 (also when start > count - 1); a negative start begins at bit 0. */
TOLMER_API int32_t TOLMER_CALL GETFIRSTBITSET(int32_t value, int32_t start, int32_t count);
/* 1 when bit n of the target is set, else 0 (0 for a negative n). */
TOLMER_API int32_t TOLMER_CALL EXAMINEBIT(const void* target, int32_t bit);
/* Clears bit n of the target (nothing for a negative n). */
TOLMER_API void TOLMER_CALL CLEARBIT(void* target, int32_t bit);
/* Sets bit n of the target (nothing for a negative n). */
TOLMER_API void TOLMER_CALL SETBIT(void* target, int32_t bit);
/* Inverts bit n of the target (nothing for a negative n). */
TOLMER_API void TOLMER_CALL TOGGLEBIT(void* target, int32_t bit);
/* value shifted left by count mod 32 places (32 leaves it unchanged, -1 acts as 31). */
TOLMER_API int32_t TOLMER_CALL SHIFTBITSLEFT(int32_t value, int32_t count);
/* value shifted right logically (zeros enter at the top) by count mod 32 places. */
TOLMER_API int32_t TOLMER_CALL SHIFTBITSRIGHT(int32_t value, int32_t count);
/* Rotates the byte left by count mod 8 places, in place. */
TOLMER_API void TOLMER_CALL ROTATEBITSLEFT(uint8_t* byte, int32_t count);
/* Rotates the byte right by count mod 8 places, in place. */
TOLMER_API void TOLMER_CALL ROTATEBITSRIGHT(uint8_t* byte, int32_t count);

/* ======================================================================== */
/* Paths, special folders, mouse and keyboard, random numbers               */
/* ======================================================================== */

/*
 * Special folders. On Windows the shell answers (SHGetSpecialFolderLocation,
 * SHGetPathFromIDListA into a MAX_PATH buffer). Elsewhere the folder
 * identifiers (CSIDL numbers) map as follows; every other identifier has no
 * folder. XDG variables count only when they hold an absolute path; a user
 * directory is read from $XDG_CONFIG_HOME/user-dirs.dirs (default
 * $HOME/.config/user-dirs.dirs), else it is the name shown under $HOME.
 *   0x0000 desktop, 0x0010 desktop directory  XDG_DESKTOP_DIR, $HOME/Desktop
 *   0x0005 documents (personal)               XDG_DOCUMENTS_DIR, $HOME/Documents
 *   0x000D music                              XDG_MUSIC_DIR, $HOME/Music
 *   0x000E video                              XDG_VIDEOS_DIR, $HOME/Videos
 *   0x0027 pictures                           XDG_PICTURES_DIR, $HOME/Pictures
 *   0x0015 templates                          XDG_TEMPLATES_DIR, $HOME/Templates
 *   0x0014 fonts                              $XDG_DATA_HOME/fonts ($HOME/.local/share/fonts)
 *   0x001A application data                   $XDG_CONFIG_HOME ($HOME/.config)
 *   0x001C local application data             $XDG_DATA_HOME ($HOME/.local/share)
 *   0x0023 common application data            first entry of $XDG_DATA_DIRS (/usr/local/share)
 *   0x0026 program files                      /opt
 *   0x0028 the user's profile                 $HOME
 *   0x0020 temporary (internet cache)         $TMPDIR, else /tmp
 * Trailing slashes are dropped. A folder that is not an existing directory
 * gives the empty string, and so does a path that does not fit the
 * platform's path buffer (MAX_PATH on Windows, PATH_MAX elsewhere, counting
 * the NUL): a path is never cut. A host's special_folder callback
 * (SETHOSTSERVICES) replaces this table.
 */

/* The file-system path of a special folder (CSIDL number), or the empty string. */
TOLMER_API LibString TOLMER_CALL GETSPECIALFOLDERLOCATION(int32_t folder);

/*
 * Path splitting: the backslash is the only separator on every platform (a
 * forward slash is an ordinary character); a colon as the second character
 * makes the first two characters the drive.
 */

/* The drive ("C:", no backslash) when the second character is a colon; else empty. */
TOLMER_API LibString TOLMER_CALL GETDRIVEFROMPATH(const char* path);
/* From after the drive through the last backslash ("\Plans\House\" of "C:\Plans\House\a.txt"); empty when there is no backslash there. */
TOLMER_API LibString TOLMER_CALL GETDIRECTORYFROMPATH(const char* path);
/* After the last backslash (the whole path without one), spaces trimmed; empty when the path is empty or ends with a backslash. */
TOLMER_API LibString TOLMER_CALL GETFILENAMEFROMPATH(const char* path);
/* The path through its last backslash; unchanged when empty or ending with a backslash; empty without a backslash. */
TOLMER_API LibString TOLMER_CALL REMOVEFILENAMEFROMFULLPATH(const char* path);
/* base name (spaces trimmed) + "_" + description of the category (sub-category 0; empty when unknown) + "_" + number in decimal: "House_Floor Plan_3". */
TOLMER_API LibString TOLMER_CALL GETEXPORTFILENAME(const char* base_name, int32_t category, int32_t number);

/* The mouse button held or pressed since the previous query: 1 left, 2 right, 3 middle (tried in that order), 0 none. A window above 0 gives 0 unless it is exactly the window under the cursor (also 0 when the cursor position cannot be had). */
TOLMER_API int32_t TOLMER_CALL GETMOUSEBUTTON(int32_t window);
/* 1 when the virtual key is down now, else 0 (a press since the previous query that has ended counts as up). */
TOLMER_API int32_t TOLMER_CALL GETKEYSTATE(int32_t virtual_key);

/*
 * Random numbers. One generator per process; its seed is 0xFFFFFFFF at load,
 * so an unseeded process always draws the same sequence (2080096055,
 * 433179940, ...). A step is seed = seed * 134775813 + 1 (mod 2^32).
 */

/* Seeds the generator: the tick count as a signed integer, rounded to a float, whose 32 bits become the seed. */
TOLMER_API void TOLMER_CALL RANDOMIZEDLLGENERATOR(void);
/* One step scaled to 10000 to 2147483647: 10000 + ((seed >> 1) * 2147473648) >> 31. */
TOLMER_API int32_t TOLMER_CALL GETRANDOMLONGVALUE(void);
/* Draws as GETRANDOMLONGVALUE until the value is not among existing[0..last_index]; 0 without drawing when last_index is negative. A null array holds no value. */
TOLMER_API int32_t TOLMER_CALL GETUNIQUERECORDID(const int32_t* existing, int32_t last_index);

#ifdef __cplusplus
}
#endif

#endif /* TOLMERDLL_H */
