// The standard paper sizes and their look-ups.
#include "paper/standard_sizes.h"

#include <array>
#include <cmath>

namespace tolmer::inline v1 {

namespace {

using paper::Series;
using paper::StandardPaper;

constexpr StandardPaper iso(std::string_view name, Series series, double width, double height) {
  return StandardPaper{name, series, Unit::Millimeters, width, height};
}
constexpr StandardPaper inch(std::string_view name, Series series, double width, double height) {
  return StandardPaper{name, series, Unit::Inches, width, height};
}

constexpr std::array<StandardPaper, 48> kStandard = {{
    iso("A0", Series::IsoA, 841, 1189),   iso("A1", Series::IsoA, 594, 841),
    iso("A2", Series::IsoA, 420, 594),    iso("A3", Series::IsoA, 297, 420),
    iso("A4", Series::IsoA, 210, 297),    iso("A5", Series::IsoA, 148, 210),
    iso("A6", Series::IsoA, 105, 148),    iso("A7", Series::IsoA, 74, 105),
    iso("A8", Series::IsoA, 52, 74),      iso("A9", Series::IsoA, 37, 52),
    iso("A10", Series::IsoA, 26, 37),
    iso("B0", Series::IsoB, 1000, 1414),  iso("B1", Series::IsoB, 707, 1000),
    iso("B2", Series::IsoB, 500, 707),    iso("B3", Series::IsoB, 353, 500),
    iso("B4", Series::IsoB, 250, 353),    iso("B5", Series::IsoB, 176, 250),
    iso("B6", Series::IsoB, 125, 176),    iso("B7", Series::IsoB, 88, 125),
    iso("B8", Series::IsoB, 62, 88),      iso("B9", Series::IsoB, 44, 62),
    iso("B10", Series::IsoB, 31, 44),
    iso("C0", Series::IsoC, 917, 1297),   iso("C1", Series::IsoC, 648, 917),
    iso("C2", Series::IsoC, 458, 648),    iso("C3", Series::IsoC, 324, 458),
    iso("C4", Series::IsoC, 229, 324),    iso("C5", Series::IsoC, 162, 229),
    iso("C6", Series::IsoC, 114, 162),    iso("C7", Series::IsoC, 81, 114),
    iso("C8", Series::IsoC, 57, 81),      iso("C9", Series::IsoC, 40, 57),
    iso("C10", Series::IsoC, 28, 40),
    inch("ANSI A", Series::Ansi, 8.5, 11), inch("ANSI B", Series::Ansi, 11, 17),
    inch("ANSI C", Series::Ansi, 17, 22),  inch("ANSI D", Series::Ansi, 22, 34),
    inch("ANSI E", Series::Ansi, 34, 44),
    inch("ARCH A", Series::Arch, 9, 12),   inch("ARCH B", Series::Arch, 12, 18),
    inch("ARCH C", Series::Arch, 18, 24),  inch("ARCH D", Series::Arch, 24, 36),
    inch("ARCH E", Series::Arch, 36, 48),  inch("ARCH E1", Series::Arch, 30, 42),
    inch("Letter", Series::NorthAmerican, 8.5, 11),  inch("Legal", Series::NorthAmerican, 8.5, 14),
    inch("Tabloid", Series::NorthAmerican, 11, 17),  inch("Ledger", Series::NorthAmerican, 17, 11),
}};

// The sizes people say for a name, width first, as look-up keys.
struct SizeName {
  std::string_view key;
  std::string_view paper;
};
constexpr std::array<SizeName, 5> kSizeNames = {{
    {"8.5X11", "Letter"},
    {"81/2X11", "Letter"},
    {"8.5X14", "Legal"},
    {"81/2X14", "Legal"},
    {"11X17", "Tabloid"},
}};

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::optional<StandardPaper> by_printed_name(std::string_view name) {
  for (const StandardPaper& p : kStandard)
    if (p.name == name) return p;
  return std::nullopt;
}

// The millimetres of a standard dimension.
double millimeters_of(const StandardPaper& p, double value) {
  return p.unit == Unit::Millimeters ? value : value * Length::millimeters_per_inch;
}

bool within(double a, double b) { return std::fabs(a - b) <= kPaperToleranceMillimeters; }

}  // namespace

std::span<const paper::StandardPaper> standard_paper_list() noexcept { return kStandard; }

std::string standard_paper_key(std::string_view name) {
  std::string key;
  key.reserve(name.size());
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (c == ' ' || c == '\t' || c == '-' || c == '_') continue;
    if (c == '.') {
      const bool between_digits = !key.empty() && is_digit(key.back()) && i + 1 < name.size() &&
                                  is_digit(name[i + 1]);
      if (between_digits) key.push_back('.');
      continue;
    }
    if (c == '*') {
      key.push_back('X');
      continue;
    }
    if (static_cast<unsigned char>(c) == 0xC3 && i + 1 < name.size() &&
        static_cast<unsigned char>(name[i + 1]) == 0x97) {  // U+00D7 MULTIPLICATION SIGN
      key.push_back('X');
      ++i;
      continue;
    }
    key.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  }
  return key;
}

std::optional<paper::StandardPaper> standard_paper_by_name(std::string_view name) {
  const std::string key = standard_paper_key(name);
  if (key.empty()) return std::nullopt;
  for (const StandardPaper& p : kStandard) {
    const std::string own = standard_paper_key(p.name);
    if (key == own) return p;
    const bool iso_series = p.series == Series::IsoA || p.series == Series::IsoB || p.series == Series::IsoC;
    if (iso_series && key.size() == own.size() + 3 && key.starts_with("ISO") && key.ends_with(own)) return p;
    if (p.series == Series::NorthAmerican && key.size() == own.size() + 2 && key.starts_with("US") &&
        key.ends_with(own))
      return p;
  }
  for (const SizeName& s : kSizeNames)
    if (key == s.key) return by_printed_name(s.paper);
  return std::nullopt;
}

std::vector<paper::StandardPaperMatch> standard_papers_of_size(Length width, Length height) {
  std::vector<paper::StandardPaperMatch> found;
  const double w = width.millimeters();
  const double h = height.millimeters();
  if (!(w > 0) || !(h > 0) || !std::isfinite(w) || !std::isfinite(h)) return found;
  for (const StandardPaper& p : kStandard) {
    const double pw = millimeters_of(p, p.width);
    const double ph = millimeters_of(p, p.height);
    if (within(w, pw) && within(h, ph)) {
      found.push_back({p, Orientation::Portrait});
    } else if (within(w, ph) && within(h, pw)) {
      found.push_back({p, Orientation::Landscape});
    }
  }
  return found;
}

std::optional<int32_t> paper_index_of_standard(const PaperState& state, const paper::StandardPaper& standard) {
  const double sw = millimeters_of(standard, standard.width);
  const double sh = millimeters_of(standard, standard.height);
  const auto lock = state.paper_lock.read();
  if (!state.paper) return std::nullopt;
  const auto& table = *state.paper;
  for (std::size_t at = 0; at < table.size(); ++at) {
    const double w = Length::from_inches(table[at].width).millimeters();
    const double h = Length::from_inches(table[at].height).millimeters();
    if ((within(w, sw) && within(h, sh)) || (within(w, sh) && within(h, sw))) return static_cast<int32_t>(at);
  }
  return std::nullopt;
}

}  // namespace tolmer
