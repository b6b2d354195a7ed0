// tolmer paper: the standard paper sizes by name and by size (the C++
// interface's look-ups), and with --classic the library's paper table.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "commands.h"
#include "library.h"
#include "tolmer/paper.h"
#include "tolmer/text.h"

namespace tolmer::inline v1::tool {
namespace {

constexpr int32_t kLandscape = TOLMER_LANDSCAPE;

std::string fixed(double value, int places) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", places, value);
  return text;
}

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
  const std::size_t x = text.find_first_of("xX*");
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

// ---- the standard sizes

// A number with at most `places` decimals, trailing zeros dropped: 8.27, 215.9, 762.
std::string decimals(double value, int places) {
  std::string text = fixed(value, places);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

// "210 x 297 mm (8.27 x 11.69 in)": the size in its own unit, then in the other
// (millimetres to 0.1, inches to 0.01).
std::string standard_size(const paper::StandardPaper& p) {
  const Length w = p.width_length();
  const Length h = p.height_length();
  if (p.unit == Unit::Millimeters) {
    return format_number(p.width) + " x " + format_number(p.height) + " mm (" + decimals(w.inches(), 2) + " x " +
           decimals(h.inches(), 2) + " in)";
  }
  return format_number(p.width) + " x " + format_number(p.height) + " in (" + decimals(w.millimeters(), 1) + " x " +
         decimals(h.millimeters(), 1) + " mm)";
}

constexpr std::size_t kNameColumn = 9;  // "ARCH E1" and two spaces

void list_standard(std::ostream& out) {
  const auto papers = paper::standard_papers();
  for (std::size_t i = 0; i < papers.size(); ++i) {
    if (i == 0 || papers[i].series != papers[i - 1].series)
      out << (i ? "\n" : "") << paper::series_name(papers[i].series) << '\n';
    out << "  " << pad(std::string(papers[i].name), kNameColumn) << standard_size(papers[i]) << '\n';
  }
}

// The classic look-ups of --classic; exit code.
int run_classic(const Options& options, std::ostream& out, std::ostream& err);

// Every name a query may be near: the standard names, then the table's.
std::vector<Paper> every_name() {
  std::vector<Paper> names;
  for (const paper::StandardPaper& p : paper::standard_papers()) names.push_back(Paper{0, std::string(p.name)});
  for (Paper& p : named_papers()) names.push_back(std::move(p));
  return names;
}

}  // namespace

int run_paper(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const Options options = parse_options(arguments, {"--metric", "--classic"}, {});
  if (options.positional.size() > 1)
    throw UsageError("one paper name or size expected, got " + std::to_string(options.positional.size()) +
                     " (quote a name that holds spaces)");
  initialize_library();
  if (options.has("--classic")) return run_classic(options, out, err);

  if (options.positional.empty()) {
    if (options.has("--metric")) throw UsageError("--metric applies to a size lookup (WIDTHxHEIGHT)");
    list_standard(out);
    return kSuccess;
  }
  const std::string& query = options.positional[0];
  // A name first: "11x17" names Tabloid, "8.5x11" Letter.
  if (!options.has("--metric")) {
    if (const auto named = paper::standard_paper(query)) {
      out << named->name << "  " << standard_size(*named) << '\n';
      return kSuccess;
    }
  }
  double width = 0, height = 0;
  if (parse_size(query, width, height)) {
    const Unit unit = options.has("--metric") ? Unit::Millimeters : Unit::Inches;
    const auto found = paper::standard_papers_of_size(width, height, unit);
    for (const paper::StandardPaperMatch& m : found) {
      out << pad(std::string(m.paper.name), kNameColumn) << standard_size(m.paper)
          << (m.orientation == Orientation::Landscape ? "  turned" : "") << '\n';
    }
    if (!found.empty()) return kSuccess;
    std::ostringstream classic_err;
    if (run_classic(options, out, classic_err) == kSuccess) return kSuccess;
    err << "no paper of " << format_number(static_cast<float>(width)) << " x "
        << format_number(static_cast<float>(height)) << (unit == Unit::Millimeters ? " mm" : " in")
        << " (standard sizes match within 0.5 mm, the paper table as --classic does, either way round)\n";
    return kRejected;
  }
  if (options.has("--metric")) throw UsageError("--metric applies to a size lookup (WIDTHxHEIGHT)");
  // Not a standard name: the paper table's names, as --classic looks them up.
  std::ostringstream classic_err;
  if (run_classic(options, out, classic_err) == kSuccess) return kSuccess;
  const std::vector<Paper> found = papers_with_words(named_papers(), query);
  if (found.size() > 1) {
    err << classic_err.str();
    return kRejected;
  }
  err << "no paper named " << quoted(query) << "; the closest names: " << listed(closest_names(every_name(), query))
      << '\n';
  return kRejected;
}

namespace {

int run_classic(const Options& options, std::ostream& out, std::ostream& err) {

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

}  // namespace

}  // namespace tolmer::tool
