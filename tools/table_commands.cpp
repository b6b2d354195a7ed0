// tolmer scale, tolmer paper and tolmer catalog: the library's tables.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "library.h"
#include "tolmer/text.h"

namespace tolmer::tool {
namespace {

constexpr int32_t kStandardScales = 12;  // entries 0 to 11 of each system
constexpr int32_t kLandscape = TOLMER_LANDSCAPE;

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

// "1:50", "1/48" or "0.02", or a drawing length and the real length it
// stands for ("1/4\"=1'-0\"", "1/4 in = 1 ft"): numerator and denominator,
// and their quotient.
struct Ratio {
  double numerator = 1;
  double denominator = 1;
  double value = 1;
};

// A length as the library reads a typed entry (separated, then converted;
// the library reads "1'-0\"" as feet and inches).
double typed_length(const std::string& text) {
  std::vector<char> buffer(2 * text.size() + 2, '\0');
  std::copy(text.begin(), text.end(), buffer.begin());
  take(api::SEPARATEMEASUREMENTSINTEXTSTRING(buffer.data()));
  int32_t start = 0, end = 0;
  return api::CONVERTTEXTSTRINGVALUETOINCHES(buffer.data(), 0.0f, &start, &end);
}

Ratio parse_ratio(const std::string& text) {
  const std::string what = "the ratio (N:D, 1/D, a positive number, or DRAWING=REAL such as 1/4\"=1'-0\")";
  Ratio ratio;
  const std::size_t equals = text.find('=');
  const std::size_t colon = text.find(':');
  const std::size_t bar = text.find('/');
  if (equals != std::string::npos) {
    const double drawing = typed_length(text.substr(0, equals));
    const double real = typed_length(text.substr(equals + 1));
    if (!(drawing > 0) || !(real > 0) || !std::isfinite(drawing) || !std::isfinite(real))
      throw UsageError(what + " needs a length with a unit on each side of '=', not '" + text + "'");
    ratio.denominator = real / drawing;
    ratio.value = drawing / real;
  } else if (colon != std::string::npos || bar != std::string::npos) {
    const std::size_t at = colon != std::string::npos ? colon : bar;
    ratio.numerator = parse_finite(tolmer::text::strip_blanks(text.substr(0, at)), what);
    ratio.denominator = parse_finite(tolmer::text::strip_blanks(text.substr(at + 1)), what);
    if (ratio.denominator <= 0) throw UsageError(what + " needs a positive denominator, not '" + text + "'");
    ratio.value = ratio.numerator / ratio.denominator;
  } else {
    ratio.value = parse_finite(tolmer::text::strip_blanks(text), what);
    ratio.numerator = ratio.value;
  }
  if (!(ratio.value > 0) || !std::isfinite(ratio.value))
    throw UsageError(what + " must be positive, not '" + text + "'");
  return ratio;
}

std::string scale_text(float numerator, float denominator) {
  return format_number(numerator) + ":" + format_number(denominator);
}

std::string per_foot(float inches) {
  return format_number(inches) + (inches == 1 ? " inch per foot" : " inches per foot");
}

}  // namespace

int run_scale(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = parse_options(arguments, {"--metric", "--english"}, {});
  if (options.positional.size() > 1) throw UsageError("one ratio expected, got " + std::to_string(options.positional.size()));
  const std::vector<int32_t> systems = systems_of(options);
  initialize_library();
  const std::optional<Ratio> ratio =
      options.positional.empty() ? std::nullopt : std::optional<Ratio>(parse_ratio(options.positional[0]));

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
        << per_foot(api::GETINCHESPERFOOTFROMSCALERATIO(1.0f, denominator)) << '\n';
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

std::vector<std::string> words_of(const std::string& text) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while ((at = text.find_first_not_of(' ', at)) != std::string::npos) {
    const std::size_t end = text.find(' ', at);
    words.push_back(text.substr(at, end - at));
    if (end == std::string::npos) break;
    at = end;
  }
  return words;
}

// The number of single-byte edits that turn one text into the other.
std::size_t edit_distance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::vector<Paper> named_papers() {
  std::vector<Paper> papers;
  const int32_t last = api::GETUBPAPERINFOARRAY();
  for (int32_t index = 0; index <= last; ++index) {
    Paper p = paper(index);
    if (!p.name.empty()) papers.push_back(std::move(p));
  }
  return papers;
}

// The records whose name holds every word of the query as a word of its own
// (letter case aside): "A4", "letter", "generic a4".
std::vector<Paper> papers_with_words(const std::vector<Paper>& papers, const std::string& query) {
  const std::vector<std::string> wanted = words_of(ascii_upper(query));
  std::vector<Paper> found;
  if (wanted.empty()) return found;
  for (const Paper& p : papers) {
    const std::vector<std::string> words = words_of(ascii_upper(p.name));
    const bool all = std::all_of(wanted.begin(), wanted.end(), [&](const std::string& word) {
      return std::find(words.begin(), words.end(), word) != words.end();
    });
    if (all) found.push_back(p);
  }
  return found;
}

// Up to three names nearest the query: the fewest edits to the whole name or
// to one of its words; among equals, names that begin with the query (or
// have a word that does) come first.
std::vector<std::string> closest_names(const std::vector<Paper>& papers, const std::string& query) {
  const std::string wanted = ascii_upper(std::string(tolmer::text::strip_blanks(query)));
  const auto begins = [&](const std::string& text) { return !wanted.empty() && text.rfind(wanted, 0) == 0; };
  std::vector<std::pair<std::pair<std::size_t, bool>, std::string>> ranked;
  for (const Paper& p : papers) {
    const std::string name = ascii_upper(p.name);
    std::size_t best = edit_distance(wanted, name);
    bool prefix = begins(name);
    for (const std::string& word : words_of(name)) {
      best = std::min(best, edit_distance(wanted, word));
      prefix = prefix || begins(word);
    }
    ranked.push_back({{best, !prefix}, p.name});
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  for (const auto& [distance, name] : ranked) {
    if (names.size() == 3) break;
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return names;
}

std::string listed(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

// A metric size as the table prints it (millimetres to one decimal), either
// way round: 210.1x296.9 finds Generic A4.
std::optional<std::pair<Paper, int32_t>> paper_of_printed_size(double width, double height) {
  const auto shown = [](float inches) { return fixed(api::INCHESTOMILLIMETERS(inches), 1); };
  for (const Paper& p : named_papers()) {
    if (shown(p.width) == fixed(width, 1) && shown(p.height) == fixed(height, 1))
      return std::make_pair(p, TOLMER_PORTRAIT);
    if (shown(p.height) == fixed(width, 1) && shown(p.width) == fixed(height, 1))
      return std::make_pair(p, TOLMER_LANDSCAPE);
  }
  return std::nullopt;
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
    if (index >= 0) {
      describe(out, paper(index), orientation == kLandscape ? "Landscape" : "Portrait");
      return kSuccess;
    }
    if (system == kMetric) {
      if (const auto printed = paper_of_printed_size(width, height)) {
        describe(out, printed->first, printed->second == kLandscape ? "Landscape" : "Portrait");
        return kSuccess;
      }
    }
    err << "no paper of " << format_number(static_cast<float>(width)) << " x "
        << format_number(static_cast<float>(height)) << (system == kMetric ? " mm" : " in")
        << (system == kMetric ? " (sizes match as stored or as printed to 0.1 mm, either way round)\n"
                              : " (sizes match exactly, either way round)\n");
    return kRejected;
  }
  if (options.has("--metric")) throw UsageError("--metric applies to a size lookup (WIDTHxHEIGHT)");
  std::vector<char> name(query.begin(), query.end());
  name.push_back('\0');
  const int32_t index = api::GETPAPERINDEXFROMPAPERNAME(name.data());
  if (index >= 0) {
    describe(out, paper(index), nullptr);
    return kSuccess;
  }
  const std::vector<Paper> papers = named_papers();
  const std::vector<Paper> found = papers_with_words(papers, query);
  if (found.size() == 1) {
    describe(out, found[0], nullptr);
    return kSuccess;
  }
  if (found.size() > 1) {
    std::vector<std::string> names;
    for (const Paper& p : found) names.push_back(p.name);
    err << "several papers match " << quoted(query) << ": " << listed(names) << '\n';
    return kRejected;
  }
  err << "no paper named " << quoted(query) << "; the closest names: " << listed(closest_names(papers, query))
      << '\n';
  return kRejected;
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
