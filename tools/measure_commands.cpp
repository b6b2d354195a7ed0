// tolmer length and tolmer format: the road of a length entry, and lengths as
// display text.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "display_commands.h"
#include "library.h"
#include "tolmer/library.h"
#include "tolmer/reading.h"
#include "tolmer/text.h"

namespace tolmer::inline v1::tool {
namespace {

constexpr int32_t kFractionalInches = TOLMER_FRACTIONAL_INCHES;
constexpr int32_t kDecimalInches = TOLMER_DECIMAL_INCHES;
constexpr int32_t kLastEnglishFormat = TOLMER_INCHES_BARE;
constexpr int32_t kLastMetricFormat = TOLMER_METERS_CENTIMETERS;

// The user's display settings of a length.
struct Display {
  int32_t system = kEnglish;
  int32_t format = 6;
  bool all_formats = false;
  int32_t mode = kFractionalInches;
  int32_t places = 16;
  int32_t round = 0;  // --round N: the length goes to the nearest 1/N inch first (0: not)
};

int32_t last_format(int32_t system) { return system == kMetric ? kLastMetricFormat : kLastEnglishFormat; }

// --metric, --format, --decimal/--fraction, --places.
Display display_settings(const Options& options, bool allow_all) {
  Display display;
  if (options.has("--decimal") && options.has("--fraction"))
    throw UsageError("--decimal and --fraction exclude each other");
  display.system = options.has("--metric") ? kMetric : kEnglish;
  display.mode = options.has("--decimal") ? kDecimalInches : kFractionalInches;
  // English feet and inches; metric metres and millimetres.
  display.format = display.system == kMetric ? int32_t{TOLMER_METERS_MILLIMETERS} : int32_t{TOLMER_FEET_INCHES_MARKS};
  if (const auto format = options.value("--format")) {
    if (allow_all && *format == "all") {
      display.all_formats = true;
    } else {
      display.format = parse_integer(*format, "--format");
      if (display.format < 0 || display.format > last_format(display.system))
        throw UsageError("unknown format " + *format + " for " +
                         (display.system == kMetric ? "metric" : "English") + " lengths (0 to " +
                         std::to_string(last_format(display.system)) + ")");
    }
  }
  const bool fractions = display.system == kEnglish && display.mode == kFractionalInches;
  if (const auto round = options.value("--round")) {
    if (display.system == kMetric) throw UsageError("--round rounds to a fraction of an inch: English lengths only");
    display.round = parse_integer(*round, "--round");
    if (display.round < 1) throw UsageError("--round N rounds to the nearest 1/N inch: N at least 1, not " + *round);
  }
  // With --round N, fractions default to the same grid.
  display.places = fractions ? (display.round > 0 ? display.round : 16) : 3;
  if (const auto places = options.value("--places")) {
    display.places = parse_integer(*places, "--places");
    if (fractions && display.places < 1)
      throw UsageError("--places is the largest denominator of a fraction: at least 1, not " + *places);
    if (!fractions && (display.places < 0 || display.places > 18))
      throw UsageError("--places is a number of decimal places: 0 to 18, not " + *places);
  }
  return display;
}

// The length on the --round grid: the nearest multiple of 1/N inch, halves
// away from zero. Unchanged without --round, or where the product would not
// be finite.
double on_grid(const Display& display, double inches) {
  if (display.round <= 0) return inches;
  const double steps = inches * display.round;
  if (!std::isfinite(steps)) return inches;
  return std::round(steps) / display.round;
}

std::string formatted(const Display& display, int32_t format, double inches) {
  return take(api::GETFORMATEDTEXTFROMINCHES(display.system, format, display.mode, on_grid(display, inches),
                                             display.places, 0));
}

// Why a display text is empty: the library shows no text for a length with
// no part above 0 (zero, negative, or too small for the precision).
std::string empty_display_note(const Display& display, double inches) {
  const double shown = on_grid(display, inches);
  std::string why;
  if (std::isnan(shown)) {
    why = "a length that is not a number has no display text";
  } else if (shown == 0) {
    why = "a length of 0 has no display text";
  } else if (shown < 0) {
    why = "a negative length has no display text in this format";
  } else {
    why = format_number(inches) + " inches is below the smallest step of this display (--places " +
          std::to_string(display.places) + ")";
  }
  return "note: the display is empty: " + why;
}

// The entry's bytes as typed, for a note: bytes below 32 and 127 as \xHH,
// every other byte as it is.
std::string as_typed(std::string_view bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127) {
      text += "\\x";
      text += kHex[byte >> 4];
      text += kHex[byte & 15];
    } else {
      text += c;
    }
  }
  return text;
}

// The note for one range of the entry that no unit word consumed, naming its
// bytes and where they stand: "the 6 after 12' has no unit: not read",
// "the 2, before 500 mm has no unit: not read", "the 12 has no unit: not
// read" (the whole entry).
std::string unread_note(std::string_view entry, tolmer::ByteRange range) {
  const std::string_view before = tolmer::text::strip_blanks(entry.substr(0, range.begin));
  const std::string_view after = tolmer::text::strip_blanks(entry.substr(range.end));
  std::string note = "the " + as_typed(entry.substr(range.begin, range.end - range.begin));
  if (!before.empty()) {
    note += " after " + as_typed(before);
  } else if (!after.empty()) {
    note += " before " + as_typed(after);
  }
  return note + " has no unit: not read";
}

// What the tool tells about an entry besides its results, on standard error.
// Each note is one line "tolmer length: note: ...". Notes of unread bytes
// (one per range of the entry that no unit word consumed) are kept apart:
// with --strict they reject the entry (exit code 1, no "note:").
struct EntryNotes {
  std::vector<std::string> unread;  // one per unread byte range
  std::vector<std::string> other;

  void print(std::ostream& err, bool strict) const {
    for (const std::string& note : unread) err << (strict ? "tolmer length: " : "tolmer length: note: ") << note << '\n';
    if (strict && !unread.empty()) return;
    for (const std::string& note : other) err << "tolmer length: " << note << '\n';
  }
};

// The notes of the bytes of `entry` that no unit word consumed, read through
// the C++ interface (which maps them back to the entry as typed). When
// nothing of the entry was read the last note says that it reads as 0.
// A number too large for its unit gives none: the validator's message names it.
std::vector<std::string> unread_notes(std::string_view entry, float maximum) {
  const tolmer::Library reader;
  const tolmer::LengthReading reading = reader.read_length(entry, maximum);
  std::vector<std::string> notes;
  if (!reading.ok()) return notes;
  std::size_t unread_bytes = 0;
  for (const tolmer::ByteRange& range : reading.unread) {
    notes.push_back(unread_note(entry, range));
    const std::string_view bytes = entry.substr(range.begin, range.end - range.begin);
    unread_bytes += bytes.size() - static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), ' '));
  }
  const std::size_t typed = entry.size() - static_cast<std::size_t>(std::count(entry.begin(), entry.end(), ' '));
  if (!notes.empty() && unread_bytes == typed)
    notes.back() += ", so the entry reads as 0 inches (a number counts only before a unit such as ' \" FT IN YD M CM MM)";
  return notes;
}

// The edit field and message box of the validator, played by the tool: the
// field holds the entry, a message is kept for standard error.
struct Field {
  std::string text;
  std::optional<std::string> message;
};

void show_message(void* context, const char* text, const char*) {
  static_cast<Field*>(context)->message = text == nullptr ? "" : text;
}
void select_range(void*, int32_t, int32_t, int32_t) {}
int32_t line_length(void* context, int32_t, int32_t) {
  return static_cast<int32_t>(static_cast<Field*>(context)->text.size());
}
void set_focus(void*, int32_t) {}
void set_text(void* context, int32_t, const char* text) { static_cast<Field*>(context)->text = text == nullptr ? "" : text; }

// ---- today's reading (the default; --classic gives the road above)

// The size of the UTF-8 code point at `at`, 0 when its bytes are not UTF-8.
std::size_t utf8_size(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  const std::size_t size = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
  if (size == 0 || text.size() - at < size) return 0;
  for (std::size_t k = 1; k < size; ++k)
    if ((byte(at + k) & 0xC0) != 0x80) return 0;
  const unsigned char second = byte(at + 1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) || (lead == 0xF0 && second < 0x90) ||
      (lead == 0xF4 && second >= 0x90))
    return 0;
  return size;
}

// The entry as shown above the carets: every code point as it is; bytes
// below 32, 127 and bytes that are not UTF-8 as \xHH. `columns` receives
// the column of every byte (and of the end).
std::string shown_entry(std::string_view entry, std::vector<std::size_t>& columns) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  std::size_t column = 0;
  columns.assign(entry.size() + 1, 0);
  for (std::size_t at = 0; at < entry.size();) {
    const auto byte = static_cast<unsigned char>(entry[at]);
    const std::size_t size = utf8_size(entry, at);
    for (std::size_t k = 0; k < std::max<std::size_t>(size, 1); ++k) columns[at + k] = column;
    if (size == 0 || byte < 32 || byte == 127) {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 15];
      column += 4;
      at += 1;
    } else {
      shown += entry.substr(at, size);
      column += 1;
      at += size;
    }
  }
  columns[entry.size()] = column;
  return shown;
}

// Two lines pointing at bytes of the entry: the entry, then carets under the
// bytes (one caret where the range is empty).
std::string pointer(std::string_view entry, tolmer::ByteRange range) {
  std::vector<std::size_t> columns;
  const std::string shown = shown_entry(entry, columns);
  const std::size_t begin = columns[std::min(range.begin, entry.size())];
  const std::size_t end = columns[std::min(range.end, entry.size())];
  return "  " + shown + "\n  " + std::string(begin, ' ') + std::string(std::max<std::size_t>(end - begin, 1), '^') + "\n";
}

std::optional<tolmer::Unit> unit_option(const Options& options) {
  const auto text = options.value("--unit");
  if (!text) return std::nullopt;
  static const std::pair<const char*, tolmer::Unit> kUnits[] = {
      {"yd", tolmer::Unit::Yards}, {"ft", tolmer::Unit::Feet}, {"in", tolmer::Unit::Inches},
      {"m", tolmer::Unit::Meters}, {"dm", tolmer::Unit::Decimeters}, {"cm", tolmer::Unit::Centimeters},
      {"mm", tolmer::Unit::Millimeters}};
  for (const auto& [name, unit] : kUnits)
    if (*text == name) return unit;
  throw UsageError("--unit is one of yd, ft, in, m, dm, cm, mm, not '" + *text + "'");
}

// tolmer length ENTRY: read by today's rules, then shown in the display format.
int run_length_today(const Options& options, std::ostream& out, std::ostream& err) {
  for (const char* classic : {"--strict", "--min", "--max", "--max-total"})
    if (options.has(classic) || options.value(classic))
      throw UsageError(std::string(classic) + " belongs to the validator of the classic reading: add --classic");
  const TodayDisplay today = today_display(options, false);
  tolmer::ParseOptions reading;
  reading.default_unit = unit_option(options);
  // A display without a unit (formats 13 and metric 5) reads a bare number in its unit.
  if (!reading.default_unit) reading.default_unit = tolmer::reading_options(today.display).default_unit;
  reading.decimal_comma = options.has("--decimal-comma");
  reading.lenient = options.has("--lenient");
  const std::string& entry = options.positional[0];
  const tolmer::ParseResult result = tolmer::parse_length(entry, reading);
  if (!result.ok()) {
    err << "tolmer length: " << result.message() << '\n' << pointer(entry, result.where);
    return kRejected;
  }
  initialize_library();
  const double inches = result.length.inches();
  const std::string display_text = today.text(inches);
  out << "inches     " << format_number(inches) << '\n' << "display    " << display_text << '\n';
  for (const tolmer::ByteRange& range : result.unread)
    err << "tolmer length: note: not read\n" << pointer(entry, range);
  return kSuccess;
}

}  // namespace

int run_length(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options =
      parse_options(arguments, {"--metric", "--decimal", "--fraction", "--strict", "--classic", "--lenient", "--decimal-comma"},
                    {"--format", "--places", "--round", "--min", "--max", "--max-total", "--unit", "--denominator",
                     "--decimals"});
  const bool strict = options.has("--strict");
  if (options.positional.empty()) throw UsageError("the length entry is missing");
  if (options.positional.size() > 1)
    throw UsageError("one length entry expected, got " + std::to_string(options.positional.size()) +
                     " (quote an entry that holds spaces)");
  if (!options.has("--classic")) return run_length_today(options, out, err);
  for (const char* today : {"--lenient", "--decimal-comma", "--unit", "--denominator", "--decimals"})
    if (options.has(today) || options.value(today))
      throw UsageError(std::string(today) + " belongs to today's reading: leave out --classic");
  const Display display = display_settings(options, false);
  const auto limit = [&](const char* option, double fallback) {
    const auto text = options.value(option);
    return static_cast<float>(text ? parse_finite(*text, option) : fallback);
  };
  const float minimum = limit("--min", 0);
  const float maximum = limit("--max", 0);
  const float maximum_total = limit("--max-total", 1'000'000);
  // The numbers in the validator's messages: the places in decimal mode, two
  // places where --places is a denominator.
  const bool fractions = display.system == kEnglish && display.mode == kFractionalInches;
  const int32_t message_places = fractions ? 2 : display.places;

  initialize_library();
  const std::string& entry = options.positional[0];
  // Separation adds at most one space per byte.
  std::vector<char> buffer(2 * entry.size() + 2, '\0');
  std::copy(entry.begin(), entry.end(), buffer.begin());
  take(api::SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
  const std::string separated(buffer.data());

  Field field{separated, std::nullopt};
  TolmerHostServices services{};
  services.size = sizeof services;
  services.context = &field;
  services.show_message = show_message;
  services.select_range = select_range;
  services.line_length = line_length;
  services.set_focus = set_focus;
  services.set_text = set_text;
  api::SETHOSTSERVICES(&services);
  const float inches = api::CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(
      1, separated.c_str(), minimum, maximum, maximum_total, display.system, display.format, display.mode,
      message_places);
  api::SETHOSTSERVICES(nullptr);

  EntryNotes notes;
  notes.unread = unread_notes(entry, maximum);
  if (field.message) {
    // The validator's message, then what was not read (which may be why).
    err << *field.message << '\n';
    for (const std::string& note : notes.unread) err << "tolmer length: note: " << note << '\n';
    return kRejected;
  }
  if (strict && !notes.unread.empty()) {
    notes.print(err, strict);
    return kRejected;
  }
  const std::string display_text = formatted(display, display.format, inches);
  out << "separated  " << separated << '\n'
      << "inches     " << format_number(inches) << '\n'
      << "display    " << display_text << '\n';
  if (display_text.empty()) notes.other.push_back(empty_display_note(display, inches));
  notes.print(err, strict);
  return kSuccess;
}

int run_format(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = parse_options(arguments, {"--metric", "--decimal", "--fraction", "--classic"},
                                        {"--format", "--places", "--round", "--denominator", "--decimals"});
  if (options.positional.empty()) throw UsageError("the length in inches is missing");
  if (options.positional.size() > 1) throw UsageError("one length expected, got " + std::to_string(options.positional.size()));
  if (!options.has("--classic")) return run_format_today(options, out, err);
  for (const char* today : {"--denominator", "--decimals"})
    if (options.value(today)) throw UsageError(std::string(today) + " belongs to today's display: leave out --classic");
  const Display display = display_settings(options, true);
  const double inches = parse_finite(options.positional[0], "the length in inches");

  initialize_library();
  if (!display.all_formats) {
    const std::string text = formatted(display, display.format, inches);
    out << text << '\n';
    if (text.empty()) err << "tolmer format: " << empty_display_note(display, inches) << '\n';
    return kSuccess;
  }
  out << "format  text\n";
  std::vector<int32_t> empty;
  for (int32_t format = 0; format <= last_format(display.system); ++format) {
    const std::string code = std::to_string(format);
    const std::string text = formatted(display, format, inches);
    out << std::string(6 - code.size(), ' ') << code << "  " << text << '\n';
    if (text.empty()) empty.push_back(format);
  }
  if (!empty.empty()) {
    std::string formats;
    for (const int32_t format : empty) formats += (formats.empty() ? "" : ", ") + std::to_string(format);
    err << "tolmer format: " << empty_display_note(display, inches) << " (format"
        << (empty.size() > 1 ? "s " : " ") << formats << ")\n";
  }
  return kSuccess;
}

}  // namespace tolmer::tool
