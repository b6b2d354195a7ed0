// Reading and looking up paper records.
#include "frame/primitives.h"
#include "measure/units.h"
#include "paper/paper.h"

namespace tolmer::inline v1 {

std::string_view paper_name(const StoredPaper& record) {
  return trim(std::string_view(record.name.data(), record.name.size()));
}

float paper_width(const PaperRecord& record, Orientation orientation) {
  return orientation == Orientation::Landscape ? record.height : record.width;
}

float paper_height(const PaperRecord& record, Orientation orientation) {
  return orientation == Orientation::Landscape ? record.width : record.height;
}

int32_t paper_index_from_name(const PaperState& state, std::string_view name) {
  const auto lock = state.paper_lock.read();
  if (!state.paper) return -1;
  const auto& table = *state.paper;
  for (std::size_t index = 0; index < table.size(); ++index) {
    if (to_upper(paper_name(table[index])) == name) return static_cast<int32_t>(index);
  }
  return -1;
}

std::optional<PaperMatch> paper_index_from_size(const PaperState& state, const MeasureState& units,
                                                System system, float width, float height) {
  const bool metric = system == System::Metric;
  const auto lock = state.paper_lock.read();
  if (!state.paper) return std::nullopt;
  const auto& table = *state.paper;
  for (std::size_t at = 0; at < table.size(); ++at) {
    const auto index = static_cast<int32_t>(at);
    const StoredPaper& record = table[at];
    float record_width = record.width;
    float record_height = record.height;
    if (metric) {
      record_width = static_cast<float>(inches_to_millimeters(units, record_width));
      record_height = static_cast<float>(inches_to_millimeters(units, record_height));
    }
    if (record_width == width && record_height == height) {
      return PaperMatch{index, Orientation::Portrait};
    }
    if (record_height == width && record_width == height) {
      return PaperMatch{index, Orientation::Landscape};
    }
  }
  return std::nullopt;
}

}  // namespace tolmer
