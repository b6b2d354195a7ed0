// tolmer scale, tolmer paper and tolmer catalog: the library's tables.
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "library.h"

namespace tolmer::tool {
namespace {

constexpr int32_t kStandardScales = 12;  // entries 0 to 11 of each system
constexpr int32_t kLandscape = 2;

std::string pad(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string pad_left(const std::string& text, std::size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

std::string fixed(double value, int places) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", places, value);
  return text;
}

const char* system_name(int32_t system) { return system == kMetric ? "Metric" : "English"; }

// --- scale ---------------------------------------------------------------

std::vector<int32_t> systems_of(const Options& options) {
  if (options.has("--metric") && options.has("--english")) throw UsageError("--metric and --english exclude each other");
  if (options.has("--metric")) return {kMetric};
  if (options.has("--english")) return {kEnglish};
  return {kEnglish, kMetric};
}

// "1:50" or "0.02": numerator and denominator as given, and their quotient.
struct Ratio {
  double numerator = 1;
  double denominator = 1;
  double value = 1;
};

Ratio parse_ratio(const std::string& text) {
  const std::string what = "the ratio (N:D or a positive number)";
  Ratio ratio;
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) {
    ratio.value = parse_finite(text, what);
    ratio.numerator = ratio.value;
  } else {
    ratio.numerator = parse_finite(text.substr(0, colon), what);
    ratio.denominator = parse_finite(text.substr(colon + 1), what);
    if (ratio.denominator <= 0) throw UsageError(what + " needs a positive denominator, not '" + text + "'");
    ratio.value = ratio.numerator / ratio.denominator;
  }
  if (!(ratio.value > 0) || !std::isfinite(ratio.value))
    throw UsageError(what + " must be positive, not '" + text + "'");
  return ratio;
}

std::string scale_text(float numerator, float denominator) {
  return format_number(numerator) + ":" + format_number(denominator);
}

}  // namespace

int run_scale(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = parse_options(arguments, {"--metric", "--english"}, {});
  if (options.positional.size() > 1) throw UsageError("one ratio expected, got " + std::to_string(options.positional.size()));
  const std::vector<int32_t> systems = systems_of(options);
  const std::optional<Ratio> ratio =
      options.positional.empty() ? std::nullopt : std::optional<Ratio>(parse_ratio(options.positional[0]));
  initialize_library();

  if (!ratio) {
    for (std::size_t s = 0; s < systems.size(); ++s) {
      const int32_t system = systems[s];
      if (s > 0) out << '\n';
      out << system_name(system) << " scales\nindex  ratio   inches per foot\n";
      for (int32_t index = 0; index < kStandardScales; ++index) {
        const float numerator = api::GETSCALERATIOVALUE(system, 0, index);
        const float denominator = api::GETSCALERATIOVALUE(system, 1, index);
        out << pad_left(std::to_string(index), 5) << "  " << pad(scale_text(numerator, denominator), 8)
            << format_number(api::GETINCHESPERFOOTFROMSCALERATIO(numerator, denominator)) << '\n';
      }
    }
    return kSuccess;
  }

  bool found = false;
  for (const int32_t system : systems) {
    out << pad(system_name(system), 9);
    // A ratio written as a standard scale is that scale.
    int32_t index = api::GETINDEXFORSCALERATIOVALUES(system, static_cast<float>(ratio->numerator),
                                                     static_cast<float>(ratio->denominator));
    float denominator = 0;
    if (index >= 0 && index < kStandardScales) {
      denominator = api::GETSCALERATIOVALUE(system, 1, index);
    } else {
      const int32_t nearest = api::GETNEARESTSCALERATIOVALUE(system, ratio->value);
      if (nearest <= 0) {
        out << "none: smaller than the smallest standard scale 1:" << -static_cast<int64_t>(nearest) << '\n';
        continue;
      }
      denominator = static_cast<float>(nearest);
      index = api::GETINDEXFORSCALERATIOVALUES(system, 1.0f, denominator);
    }
    found = true;
    out << pad(scale_text(1.0f, denominator), 8) << "index " << index << ", "
        << format_number(api::GETINCHESPERFOOTFROMSCALERATIO(1.0f, denominator)) << " inches per foot\n";
  }
  if (!found) {
    err << "no standard scale for " << options.positional[0] << '\n';
    return kRejected;
  }
  return kSuccess;
}

// --- paper ---------------------------------------------------------------

namespace {

struct Paper {
  int32_t index = 0;
  std::string name;
  float width = 0, height = 0, top = 0, bottom = 0, left = 0, right = 0;
  bool blank() const { return name.empty() && width == 0 && height == 0; }
};

Paper paper(int32_t index) {
  Paper record;
  record.index = index;
  char name[17] = {};  // 16 bytes and the NUL
  api::GETPAPERINFOITEM(index, name, &record.width, &record.height, &record.top, &record.bottom, &record.left,
                        &record.right);
  record.name = name;
  return record;
}

std::string inches_size(const Paper& p) { return format_number(p.width) + " x " + format_number(p.height); }

std::string millimetre_size(const Paper& p) {
  return fixed(api::INCHESTOMILLIMETERS(p.width), 1) + " x " + fixed(api::INCHESTOMILLIMETERS(p.height), 1);
}

std::string margins(const Paper& p) {
  return format_number(p.top) + " / " + format_number(p.bottom) + " / " + format_number(p.left) + " / " +
         format_number(p.right);
}

void describe(std::ostream& out, const Paper& p, const char* orientation) {
  out << "index        " << p.index << '\n' << "name         " << p.name << '\n';
  if (orientation != nullptr) out << "orientation  " << orientation << '\n';
  out << "size         " << inches_size(p) << " in (" << millimetre_size(p) << " mm)\n"
      << "margins      " << margins(p) << " in (top / bottom / left / right)\n";
}

// "11x8.5", "11 x 8.5", "215.9X279.4": a width and a height.
bool parse_size(const std::string& text, double& width, double& height) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  const auto trim = [](std::string part) {
    const auto first = part.find_first_not_of(' ');
    const auto last = part.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : part.substr(first, last - first + 1);
  };
  const std::string w = trim(text.substr(0, x));
  const std::string h = trim(text.substr(x + 1));
  const auto numeric = [](const std::string& part) {
    return !part.empty() && part.find_first_not_of("0123456789.+-eE") == std::string::npos;
  };
  if (!numeric(w) || !numeric(h)) return false;
  width = parse_finite(w, "the width");
  height = parse_finite(h, "the height");
  return true;
}

}  // namespace

int run_paper(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = parse_options(arguments, {"--metric"}, {});
  if (options.positional.size() > 1)
    throw UsageError("one paper name or size expected, got " + std::to_string(options.positional.size()) +
                     " (quote a name that holds spaces)");
  initialize_library();

  if (options.positional.empty()) {
    if (options.has("--metric")) throw UsageError("--metric applies to a size lookup (WIDTHxHEIGHT)");
    const int32_t last = api::GETUBPAPERINFOARRAY();
    out << "index  name              inches         millimetres      margins (in)\n";
    std::vector<int32_t> blanks;
    for (int32_t index = 0; index <= last; ++index) {
      const Paper p = paper(index);
      if (p.blank()) {
        blanks.push_back(index);
        continue;
      }
      out << pad_left(std::to_string(index), 5) << "  " << pad(p.name, 18) << pad(inches_size(p), 15)
          << pad(millimetre_size(p), 17) << margins(p) << '\n';
    }
    if (!blanks.empty()) {
      out << "blank records:";
      for (std::size_t i = 0; i < blanks.size();) {
        std::size_t j = i;
        while (j + 1 < blanks.size() && blanks[j + 1] == blanks[j] + 1) ++j;
        out << (i ? ", " : " ") << blanks[i];
        if (j > i) out << " to " << blanks[j];
        i = j + 1;
      }
      out << '\n';
    }
    return kSuccess;
  }

  const std::string& query = options.positional[0];
  double width = 0, height = 0;
  if (parse_size(query, width, height)) {
    const int32_t system = options.has("--metric") ? kMetric : kEnglish;
    int32_t orientation = 0;
    const int32_t index =
        api::GETPAPERINDEXFROMPAPERSIZE(system, static_cast<float>(width), static_cast<float>(height), &orientation);
    if (index < 0) {
      err << "no paper of " << format_number(static_cast<float>(width)) << " x "
          << format_number(static_cast<float>(height)) << (system == kMetric ? " mm" : " in")
          << " (sizes match exactly, either way round)\n";
      return kRejected;
    }
    describe(out, paper(index), orientation == kLandscape ? "Landscape" : "Portrait");
    return kSuccess;
  }
  if (options.has("--metric")) throw UsageError("--metric applies to a size lookup (WIDTHxHEIGHT)");
  std::vector<char> name(query.begin(), query.end());
  name.push_back('\0');
  const int32_t index = api::GETPAPERINDEXFROMPAPERNAME(name.data());
  if (index < 0) {
    err << "no paper named " << quoted(query) << '\n';
    return kRejected;
  }
  describe(out, paper(index), nullptr);
  return kSuccess;
}

// --- catalog -------------------------------------------------------------

namespace {

constexpr int32_t kHighestCategoryProbed = 99;

// The numbers of a code string (separated by the byte 255).
std::vector<int32_t> codes(const std::string& code_string) {
  std::vector<int32_t> numbers;
  if (code_string.empty()) return numbers;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = code_string.find('\xFF', start);
    numbers.push_back(parse_integer(code_string.substr(start, end - start), "a catalog code"));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return numbers;
}

std::string key(std::initializer_list<int32_t> numbers) {
  std::string text;
  for (const int32_t number : numbers) text += (text.empty() ? "" : ".") + std::to_string(number);
  return text;
}

void print_item(std::ostream& out, int32_t category, int32_t sub, int32_t item) {
  const std::string plural = take(api::GETSYMBOLITEMNAMEFROMTYPE(category, sub, item, 1));
  const std::string singular = take(api::GETSYMBOLITEMNAMEFROMTYPE(category, sub, item, 0));
  std::string names = plural.empty() ? "(no name)" : plural;
  if (singular != plural) names += " / " + singular;
  out << "    " << key({category, sub, item}) << "  " << names;
  if (item > 0) out << "  [" << take(api::GETLIBRARYNAMEFROMCATEGORIES(category, sub, item)) << "]";
  out << '\n';
  for (const int32_t sub_item : codes(take(api::GETSUBITEMTYPESCODESTRING(category, sub, item)))) {
    out << "      " << key({category, sub, item, sub_item}) << "  "
        << take(api::GETSYMBOLSUBITEMNAMEFROMTYPE(category, sub, item, sub_item));
    const int32_t snap = api::GETOBJECTWALLSNAPINDEXFROMCATEGORIES(category, sub, item, sub_item);
    if (snap > 0) out << "  (wall snap " << snap << ")";
    out << '\n';
  }
}

void print_sub(std::ostream& out, int32_t category, int32_t sub, std::optional<int32_t> only_item) {
  out << "  " << key({category, sub}) << "  " << take(api::GETDESCRIPTIONFORCATEGORYTYPE(category, sub)) << "  ["
      << take(api::GETLIBRARYNAMEFROMCATEGORIES(category, sub, 0)) << "]\n";
  if (only_item) {
    print_item(out, category, sub, *only_item);
    return;
  }
  for (const int32_t item : codes(take(api::GETITEMTYPESCODESTRING(category, sub)))) print_item(out, category, sub, item);
}

void print_category(std::ostream& out, int32_t category, std::optional<int32_t> only_sub,
                    std::optional<int32_t> only_item) {
  out << category << "  " << take(api::GETDESCRIPTIONFORCATEGORYTYPE(category, 0)) << "  ["
      << take(api::GETLIBRARYNAMEFROMCATEGORIES(category, 0, 0)) << "]\n";
  if (only_sub) {
    print_sub(out, category, *only_sub, only_item);
    return;
  }
  for (const int32_t sub : codes(take(api::GETSUBCATEGORIESCODESTRING(category)))) print_sub(out, category, sub, {});
}

bool contains(const std::vector<int32_t>& numbers, int32_t number) {
  for (const int32_t n : numbers)
    if (n == number) return true;
  return false;
}

}  // namespace

int run_catalog(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = parse_options(arguments, {}, {});
  if (options.positional.size() > 3)
    throw UsageError("at most three numbers expected (CATEGORY SUB ITEM), got " +
                     std::to_string(options.positional.size()));
  std::vector<int32_t> path;
  const char* names[] = {"CATEGORY", "SUB", "ITEM"};
  for (std::size_t i = 0; i < options.positional.size(); ++i)
    path.push_back(parse_integer(options.positional[i], names[i]));
  initialize_library();

  if (path.empty()) {
    for (int32_t category = 0; category <= kHighestCategoryProbed; ++category)
      if (!take(api::GETDESCRIPTIONFORCATEGORYTYPE(category, 0)).empty()) print_category(out, category, {}, {});
    return kSuccess;
  }
  const int32_t category = path[0];
  if (take(api::GETDESCRIPTIONFORCATEGORYTYPE(category, 0)).empty()) {
    err << "no category " << category << " in the catalog\n";
    return kRejected;
  }
  std::optional<int32_t> sub, item;
  if (path.size() >= 2) {
    sub = path[1];
    // A listed sub-category, or one with a description of its own in a
    // category that has sub-categories at all.
    const std::vector<int32_t> subs = codes(take(api::GETSUBCATEGORIESCODESTRING(category)));
    const bool described = !subs.empty() && !take(api::GETDESCRIPTIONFORCATEGORYTYPE(category, *sub)).empty();
    if (!contains(subs, *sub) && !described) {
      err << "no sub-category " << key({category, *sub}) << " in the catalog\n";
      return kRejected;
    }
  }
  if (path.size() == 3) {
    item = path[2];
    const bool listed = contains(codes(take(api::GETITEMTYPESCODESTRING(category, *sub))), *item);
    if (!listed && take(api::GETSYMBOLITEMNAMEFROMTYPE(category, *sub, *item, 1)).empty()) {
      err << "no item type " << key({category, *sub, *item}) << " in the catalog\n";
      return kRejected;
    }
  }
  print_category(out, category, sub, item);
  return kSuccess;
}

}  // namespace tolmer::tool
