// The standard paper sizes in the C++ interface.
#include "tolmer/paper.h"

#include "paper/standard_sizes.h"

namespace tolmer::inline v1::paper {

std::span<const StandardPaper> standard_papers() noexcept { return standard_paper_list(); }

std::optional<StandardPaper> standard_paper(std::string_view name) { return standard_paper_by_name(name); }

std::vector<StandardPaperMatch> standard_papers_of_size(Length width, Length height) {
  return tolmer::standard_papers_of_size(width, height);
}

std::vector<StandardPaperMatch> standard_papers_of_size(double width, double height, Unit unit) {
  return tolmer::standard_papers_of_size(Length::from(width, unit), Length::from(height, unit));
}

std::string_view series_name(Series series) noexcept {
  switch (series) {
    case Series::IsoA: return "ISO A";
    case Series::IsoB: return "ISO B";
    case Series::IsoC: return "ISO C";
    case Series::Ansi: return "ANSI";
    case Series::Arch: return "ARCH";
    case Series::NorthAmerican: return "North American";
  }
  return "";
}

}  // namespace tolmer::paper
