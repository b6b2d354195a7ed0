// The WebAssembly side of the npm package: plain C functions over the C++
// interface, called by web/src/index.ts. Text comes in as UTF-8 bytes that
// the wrapper writes into the buffer of tw_input; results go out in static
// records whose address each function returns, read by the wrapper at fixed
// offsets (every field 4 or 8 bytes, wasm32 pointers as uint32). A record
// stays valid until the next call of the same kind. Nothing here throws but
// a failed allocation (which ends the module: memory grows up to 2 GB).
#include <emscripten/emscripten.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tolmer/catalog.h"
#include "tolmer/display.h"
#include "tolmer/length.h"
#include "tolmer/library.h"
#include "tolmer/measure.h"
#include "tolmer/paper.h"
#include "tolmer/reading.h"
#include "tolmer/scale.h"
#include "tolmer/types.h"

namespace {

tolmer::Library& library() {
  static tolmer::Library instance;
  return instance;
}

uint32_t address(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }

// A byte string handed out: its address and length.
struct Text {
  uint32_t ptr = 0;
  uint32_t len = 0;
};
Text text_of(std::string_view s) { return {address(s.data()), static_cast<uint32_t>(s.size())}; }

std::vector<char> input_buffer;
std::string text_result;
Text text_record;

const Text* give_text(std::string&& s) {
  text_result = std::move(s);
  text_record = text_of(text_result);
  return &text_record;
}
const Text* give_view(std::string_view s) {
  text_record = text_of(s);
  return &text_record;
}

bool valid_unit(int32_t unit) { return unit >= 0 && unit <= 6; }

// ---- reading
struct ParseRecord {
  double inches = 0;
  int32_t error = 0;      // 0: none
  uint32_t begin = 0;     // the bytes of the error
  uint32_t end = 0;
  Text name;              // the error's name ("" when none)
  Text message;           // the message for people
  uint32_t unread = 0;    // address of begin/end pairs (uint32)
  uint32_t unread_count = 0;
};
ParseRecord parse_record;
std::vector<uint32_t> unread_pairs;

// The error names, in the order of their codes.
constexpr std::string_view error_names[] = {
    "",           "Empty",          "InvalidUtf8",   "UnknownText",      "MissingNumber",
    "MissingUnit", "AmbiguousAfterMeters", "MalformedNumber", "ZeroDenominator", "OutOfRange",
    "BadGrouping", "MisplacedDash", "MisplacedSign", "RepeatedUnit",     "UnitOrder",
    "MixedSystems"};
static_assert(std::size(error_names) == static_cast<std::size_t>(tolmer::ParseError::MixedSystems) + 1);
constexpr int32_t error_name_count = static_cast<int32_t>(std::size(error_names));

std::string_view error_name(int32_t code) {
  return code >= 0 && code < error_name_count ? error_names[code] : std::string_view("Unknown");
}

tolmer::ParseOptions parse_options(int32_t flags, int32_t default_unit) {
  tolmer::ParseOptions options;
  if (valid_unit(default_unit)) options.default_unit = static_cast<tolmer::Unit>(default_unit);
  options.decimal_comma = (flags & 1) != 0;
  options.lenient = (flags & 2) != 0;
  return options;
}

tolmer::LengthDisplay display_of(int32_t system, int32_t format, int32_t fraction,
                                 int32_t denominator, int32_t decimals) {
  tolmer::LengthDisplay display;
  if (system == 1) {
    display.format = static_cast<tolmer::MetricFormat>(format);
  } else {
    display.format = static_cast<tolmer::EnglishFormat>(format);
  }
  display.inch_fraction =
      fraction == 1 ? tolmer::FractionMode::Decimal : tolmer::FractionMode::Fraction;
  display.denominator = denominator;
  display.decimals = decimals;
  return display;
}

void set_unread(const std::vector<tolmer::ByteRange>& ranges) {
  unread_pairs.clear();
  for (const auto& r : ranges) {
    unread_pairs.push_back(static_cast<uint32_t>(r.begin));
    unread_pairs.push_back(static_cast<uint32_t>(r.end));
  }
  parse_record.unread = address(unread_pairs.data());
  parse_record.unread_count = static_cast<uint32_t>(ranges.size());
}

}  // namespace

extern "C" {

// A buffer of at least `size` bytes for the next text argument.
EMSCRIPTEN_KEEPALIVE char* tw_input(uint32_t size) {
  if (input_buffer.size() < size) input_buffer.resize(size);
  return input_buffer.data();
}

// Reads the `size` bytes of tw_input as a length. flags: 1 the comma is the
// decimal mark, 2 lenient. default_unit: a tolmer::Unit code, -1 for none.
EMSCRIPTEN_KEEPALIVE const ParseRecord* tw_parse(uint32_t size, int32_t flags,
                                                 int32_t default_unit) {
  const std::string_view text(input_buffer.data(), size);
  parse_record = ParseRecord{};
  const tolmer::ParseResult result = tolmer::parse_length(text, parse_options(flags, default_unit));
  parse_record.inches = result.length.inches();
  parse_record.error = static_cast<int32_t>(result.error);
  parse_record.begin = static_cast<uint32_t>(result.where.begin);
  parse_record.end = static_cast<uint32_t>(result.where.end);
  parse_record.message = text_of(result.message());
  set_unread(result.unread);
  parse_record.name = text_of(error_name(parse_record.error));
  return &parse_record;
}

// ---- display. system 0 English, 1 Metric; format: its code in that system;
// fraction: 0 a common fraction, 1 decimals.
EMSCRIPTEN_KEEPALIVE const Text* tw_format(double inches, int32_t system, int32_t format,
                                           int32_t fraction, int32_t denominator,
                                           int32_t decimals) {
  return give_text(tolmer::format_length(
      tolmer::Length::from_inches(inches), display_of(system, format, fraction, denominator, decimals)));
}

struct ValidationRecord {
  double inches = 0;
  int32_t verdict = 0;     // tolmer::LengthVerdict
  int32_t error = 0;       // tolmer::ParseError
  int32_t has_select = 0;
  uint32_t begin = 0;      // the bytes to select
  uint32_t end = 0;
  Text message;
  Text echo;
  Text name;               // the error's name
};
static ValidationRecord validation_record;
static tolmer::LengthCheck validation;

// Checks the `size` bytes of tw_input against the limits (inches; NaN for
// none) and writes the accepted length back in the display. flags as
// tw_parse's, and 4: read with them and default_unit (else with the
// display's reading options).
EMSCRIPTEN_KEEPALIVE const ValidationRecord* tw_validate(uint32_t size, double minimum,
                                                         double maximum, int32_t system,
                                                         int32_t format, int32_t fraction,
                                                         int32_t denominator, int32_t decimals,
                                                         int32_t flags, int32_t default_unit) {
  const std::string_view text(input_buffer.data(), size);
  tolmer::LengthLimits limits;
  if (!std::isnan(minimum)) limits.minimum = tolmer::Length::from_inches(minimum);
  if (!std::isnan(maximum)) limits.maximum = tolmer::Length::from_inches(maximum);
  const auto display = display_of(system, format, fraction, denominator, decimals);
  validation = (flags & 4) != 0
                   ? tolmer::validate_length(text, limits, display, parse_options(flags, default_unit))
                   : tolmer::validate_length(text, limits, display);
  validation_record = ValidationRecord{};
  validation_record.inches = validation.length.inches();
  validation_record.verdict = static_cast<int32_t>(validation.verdict);
  validation_record.error = static_cast<int32_t>(validation.error);
  if (validation.select) {
    validation_record.has_select = 1;
    validation_record.begin = static_cast<uint32_t>(validation.select->begin);
    validation_record.end = static_cast<uint32_t>(validation.select->end);
  }
  validation_record.message = text_of(validation.message);
  validation_record.echo = text_of(validation.echo);
  validation_record.name = text_of(error_name(validation_record.error));
  return &validation_record;
}

// ---- units (tolmer::Unit codes)
EMSCRIPTEN_KEEPALIVE double tw_convert(double value, int32_t from, int32_t to) {
  if (!valid_unit(from) || !valid_unit(to)) return std::nan("");
  return tolmer::Length::from(value, static_cast<tolmer::Unit>(from))
      .in(static_cast<tolmer::Unit>(to));
}

// ---- drawing scales
EMSCRIPTEN_KEEPALIVE float tw_scale_ratio(int32_t system, int32_t part, int32_t index) {
  if (index < 0 || index > 12) return 0;
  return library().scale_ratio(static_cast<tolmer::System>(system == 1),
                               static_cast<tolmer::ScalePart>(part == 1), index);
}
EMSCRIPTEN_KEEPALIVE int32_t tw_scale_index(int32_t system, float numerator, float denominator) {
  return library()
      .scale_index(static_cast<tolmer::System>(system == 1), numerator, denominator)
      .value_or(-1);
}
EMSCRIPTEN_KEEPALIVE float tw_inches_per_foot(float numerator, float denominator) {
  return tolmer::measure::inches_per_foot(numerator, denominator);
}
EMSCRIPTEN_KEEPALIVE int32_t tw_nearest_scale(int32_t system, double scale) {
  return tolmer::measure::nearest_scale_denominator(static_cast<tolmer::System>(system == 1),
                                                    scale);
}

// ---- standard scales and scale notations
// The standard denominators of a family (0 architectural, 1 engineering, 2
// metric): their count, and the i-th.
static tolmer::scale::Family family_of(int32_t family) {
  return family == 1 ? tolmer::scale::Family::Engineering
         : family == 2 ? tolmer::scale::Family::Metric
                       : tolmer::scale::Family::Architectural;
}
EMSCRIPTEN_KEEPALIVE int32_t tw_standard_scale_count(int32_t family) {
  return static_cast<int32_t>(tolmer::scale::standard_denominators(family_of(family)).size());
}
EMSCRIPTEN_KEEPALIVE int32_t tw_standard_scale(int32_t family, int32_t i) {
  const auto list = tolmer::scale::standard_denominators(family_of(family));
  return i >= 0 && static_cast<std::size_t>(i) < list.size() ? list[static_cast<std::size_t>(i)] : 0;
}
// The denominator of the family's standard scale nearest `ratio`; 0 for none.
EMSCRIPTEN_KEEPALIVE int32_t tw_nearest_standard_scale(int32_t family, double ratio) {
  return tolmer::scale::nearest_standard(family_of(family), ratio).value_or(0);
}

struct ScaleRecord {
  double numerator = 0;
  double denominator = 0;
  int32_t error = 0;         // 0: none
  uint32_t begin = 0;        // the bytes of the error
  uint32_t end = 0;
  int32_t length_error = 0;  // a side of '=' that is no length: why
  Text error_name;
  Text message;
};
static ScaleRecord scale_record;

static std::string_view notation_error_name(tolmer::scale::NotationError e) {
  using E = tolmer::scale::NotationError;
  switch (e) {
    case E::None: return "";
    case E::Empty: return "Empty";
    case E::MalformedNumber: return "MalformedNumber";
    case E::ZeroDenominator: return "ZeroDenominator";
    case E::NotPositive: return "NotPositive";
    case E::MissingLength: return "MissingLength";
    case E::BadLength: return "BadLength";
  }
  return "";
}

// Reads the `size` bytes of tw_input as a scale notation.
EMSCRIPTEN_KEEPALIVE const ScaleRecord* tw_parse_scale(uint32_t size) {
  const auto read = tolmer::scale::parse(std::string_view(input_buffer.data(), size));
  scale_record = ScaleRecord{};
  scale_record.numerator = read.ratio.numerator;
  scale_record.denominator = read.ratio.denominator;
  scale_record.error = static_cast<int32_t>(read.error);
  scale_record.begin = static_cast<uint32_t>(read.where.begin);
  scale_record.end = static_cast<uint32_t>(read.where.end);
  scale_record.length_error = static_cast<int32_t>(read.length_error);
  scale_record.error_name = text_of(notation_error_name(read.error));
  scale_record.message = text_of(read.message());
  return &scale_record;
}
// numerator : denominator written in a notation (0 colon, 1 slash, 2
// decimal, 3 inches to the foot, 4 one inch to feet).
EMSCRIPTEN_KEEPALIVE const Text* tw_format_scale(double numerator, double denominator,
                                                 int32_t notation) {
  if (notation < 0 || notation > 4) return give_view("");
  return give_text(tolmer::scale::format({numerator, denominator},
                                         static_cast<tolmer::scale::Notation>(notation)));
}

// ---- standard paper sizes
struct StandardPaperRecord {
  double width = 0;   // in the paper's own unit
  double height = 0;
  Text name;
  int32_t series = 0;
  int32_t unit = 0;   // a Unit code (2 inches, 6 millimetres)
};
static StandardPaperRecord standard_record;

EMSCRIPTEN_KEEPALIVE int32_t tw_standard_paper_count() {
  return static_cast<int32_t>(tolmer::paper::standard_papers().size());
}
EMSCRIPTEN_KEEPALIVE const StandardPaperRecord* tw_standard_paper(int32_t i) {
  standard_record = StandardPaperRecord{};
  const auto list = tolmer::paper::standard_papers();
  if (i >= 0 && static_cast<std::size_t>(i) < list.size()) {
    const auto& p = list[static_cast<std::size_t>(i)];
    standard_record = {p.width, p.height, text_of(p.name), static_cast<int32_t>(p.series),
                       static_cast<int32_t>(p.unit)};
  }
  return &standard_record;
}
// The index in the standard table of a paper found (matched by its name).
static int32_t standard_index(const tolmer::paper::StandardPaper& paper) {
  const auto list = tolmer::paper::standard_papers();
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i].name == paper.name) return static_cast<int32_t>(i);
  return -1;
}
// The standard paper named by the `size` bytes of tw_input; -1 for none.
EMSCRIPTEN_KEEPALIVE int32_t tw_standard_paper_by_name(uint32_t size) {
  const auto found = tolmer::paper::standard_paper(std::string_view(input_buffer.data(), size));
  return found ? standard_index(*found) : -1;
}
// Every standard paper of a size (within 0.5 mm, either way round): their
// count; tw_standard_match(i) gives index * 4 + orientation (1 as listed, 2
// turned).
static std::vector<int32_t> standard_matches;
EMSCRIPTEN_KEEPALIVE int32_t tw_standard_papers_of_size(double width, double height, int32_t unit) {
  standard_matches.clear();
  if (!valid_unit(unit)) return 0;
  for (const auto& m : tolmer::paper::standard_papers_of_size(width, height,
                                                              static_cast<tolmer::Unit>(unit)))
    standard_matches.push_back(standard_index(m.paper) * 4 + static_cast<int32_t>(m.orientation));
  return static_cast<int32_t>(standard_matches.size());
}
EMSCRIPTEN_KEEPALIVE int32_t tw_standard_match(int32_t i) {
  return i >= 0 && static_cast<std::size_t>(i) < standard_matches.size()
             ? standard_matches[static_cast<std::size_t>(i)]
             : -1;
}

// ---- paper table
struct PaperRecordOut {
  float width = 0, height = 0, top = 0, bottom = 0, left = 0, right = 0;
  Text name;
  int32_t found = 0;
};
static PaperRecordOut paper_record;
static std::string paper_name;

EMSCRIPTEN_KEEPALIVE int32_t tw_paper_upper_bound() {
  return library().paper_upper_bound().value_or(-1);
}
EMSCRIPTEN_KEEPALIVE const PaperRecordOut* tw_paper(int32_t index) {
  paper_record = PaperRecordOut{};
  if (auto p = library().paper(index)) {
    paper_name = std::move(p->name);
    paper_record = {p->width,       p->height,     p->top_margin, p->bottom_margin,
                    p->left_margin, p->right_margin, text_of(paper_name), 1};
  }
  return &paper_record;
}
// The record named by the `size` bytes of tw_input; -1 for none.
EMSCRIPTEN_KEEPALIVE int32_t tw_paper_by_name(uint32_t size) {
  return library().paper_index(std::string_view(input_buffer.data(), size)).value_or(-1);
}
// The record of that size: index * 4 + orientation (1 portrait, 2
// landscape); -1 for none.
EMSCRIPTEN_KEEPALIVE int32_t tw_paper_by_size(int32_t system, float width, float height) {
  const auto m = library().paper_index(static_cast<tolmer::System>(system == 1), width, height);
  if (!m) return -1;
  return m->index * 4 + static_cast<int32_t>(m->orientation);
}

// ---- catalog names
EMSCRIPTEN_KEEPALIVE const Text* tw_category_description(int32_t category, int32_t sub) {
  return give_view(tolmer::catalog::category_description(category, sub));
}
EMSCRIPTEN_KEEPALIVE const Text* tw_item_name(int32_t category, int32_t sub, int32_t item,
                                              int32_t plural) {
  return give_view(tolmer::catalog::item_name(category, sub, item, plural != 0));
}
EMSCRIPTEN_KEEPALIVE const Text* tw_sub_item_name(int32_t category, int32_t sub, int32_t item,
                                                  int32_t sub_item) {
  return give_view(tolmer::catalog::sub_item_name({category, sub, item, sub_item}));
}
EMSCRIPTEN_KEEPALIVE const Text* tw_library_name(int32_t category, int32_t sub, int32_t item) {
  return give_text(tolmer::catalog::library_name(category, sub, item));
}
EMSCRIPTEN_KEEPALIVE int32_t tw_is_valid_library_name(uint32_t size) {
  return tolmer::catalog::is_valid_library_name(std::string_view(input_buffer.data(), size));
}
EMSCRIPTEN_KEEPALIVE const Text* tw_wire_type_description(int32_t type) {
  return give_view(tolmer::catalog::wire_type_description(type));
}
EMSCRIPTEN_KEEPALIVE const Text* tw_drawing_tool_description(int32_t type) {
  return give_view(tolmer::catalog::drawing_tool_description(type));
}

}  // extern "C"
