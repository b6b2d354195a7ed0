// tolmer length and tolmer format: the road of a length entry, and lengths as
// display text.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "library.h"

namespace tolmer::tool {
namespace {

constexpr int32_t kFractionalInches = 0;
constexpr int32_t kDecimalInches = 1;
constexpr int32_t kLastEnglishFormat = 13;
constexpr int32_t kLastMetricFormat = 6;

// The user's display settings of a length.
struct Display {
  int32_t system = kEnglish;
  int32_t format = 6;
  bool all_formats = false;
  int32_t mode = kFractionalInches;
  int32_t places = 16;
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
  display.format = display.system == kMetric ? 1 : 6;
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
  display.places = fractions ? 16 : 3;
  if (const auto places = options.value("--places")) {
    display.places = parse_integer(*places, "--places");
    if (fractions && display.places < 1)
      throw UsageError("--places is the largest denominator of a fraction: at least 1, not " + *places);
    if (!fractions && (display.places < 0 || display.places > 18))
      throw UsageError("--places is a number of decimal places: 0 to 18, not " + *places);
  }
  return display;
}

std::string formatted(const Display& display, int32_t format, double inches) {
  return take(api::GETFORMATEDTEXTFROMINCHES(display.system, format, display.mode, inches, display.places, 0));
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

}  // namespace

int run_length(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = parse_options(arguments, {"--metric", "--decimal", "--fraction"},
                                        {"--format", "--places", "--min", "--max", "--max-total"});
  if (options.positional.empty()) throw UsageError("the length entry is missing");
  if (options.positional.size() > 1)
    throw UsageError("one length entry expected, got " + std::to_string(options.positional.size()) +
                     " (quote an entry that holds spaces)");
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
  SETHOSTSERVICES(&services);
  const float inches = api::CONVERTTEXTSTRINGVALUETOINCHESERRORMSG(
      1, separated.c_str(), minimum, maximum, maximum_total, display.system, display.format, display.mode,
      message_places);
  SETHOSTSERVICES(nullptr);

  if (field.message) {
    err << *field.message << '\n';
    return kRejected;
  }
  out << "separated  " << separated << '\n'
      << "inches     " << format_number(inches) << '\n'
      << "display    " << formatted(display, display.format, inches) << '\n';
  // Accepted, but a user who typed a number without a unit deserves to know
  // why it is nothing.
  if (inches == 0 && separated.find_first_not_of(' ') != std::string::npos)
    err << "tolmer length: note: the entry reads as 0 inches (a number counts only before a unit such as "
           "' \" FT IN YD M CM MM)\n";
  return kSuccess;
}

int run_format(const std::vector<std::string>& arguments, std::ostream& out, std::ostream&) {
  const Options options =
      parse_options(arguments, {"--metric", "--decimal", "--fraction"}, {"--format", "--places"});
  if (options.positional.empty()) throw UsageError("the length in inches is missing");
  if (options.positional.size() > 1) throw UsageError("one length expected, got " + std::to_string(options.positional.size()));
  const Display display = display_settings(options, true);
  const double inches = parse_finite(options.positional[0], "the length in inches");

  initialize_library();
  if (!display.all_formats) {
    out << formatted(display, display.format, inches) << '\n';
    return kSuccess;
  }
  out << "format  text\n";
  for (int32_t format = 0; format <= last_format(display.system); ++format) {
    const std::string code = std::to_string(format);
    out << std::string(6 - code.size(), ' ') << code << "  " << formatted(display, format, inches) << '\n';
  }
  return kSuccess;
}

}  // namespace tolmer::tool
