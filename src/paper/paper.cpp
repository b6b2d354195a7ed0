// Reading and looking up paper records.
#include "frame/primitives.h"
#include "measure/units.h"
#include "paper/paper.h"

namespace tolmer {

std::string_view paper_name(const PaperInfo& record) {
  return trim(std::string_view(record.name.data(), record.name.size()));
}

float paper_width(const PaperInfo& record, int32_t orientation) {
  return orientation == static_cast<int32_t>(PaperOrientation::Landscape) ? record.height
                                                                          : record.width;
}

float paper_height(const PaperInfo& record, int32_t orientation) {
  return orientation == static_cast<int32_t>(PaperOrientation::Landscape) ? record.width
                                                                          : record.height;
}

int32_t paper_index_from_name(std::string_view name) {
  for (int32_t index = 0, upper = paper_upper_bound(); index <= upper; ++index) {
    if (to_upper(paper_name(*paper_record(index))) == name) return index;
  }
  return -1;
}

std::optional<PaperSizeMatch> paper_index_from_size(int32_t system, float width, float height) {
  const bool metric = is_metric(system);
  for (int32_t index = 0, upper = paper_upper_bound(); index <= upper; ++index) {
    const PaperInfo& record = *paper_record(index);
    float record_width = record.width;
    float record_height = record.height;
    if (metric) {
      record_width = static_cast<float>(inches_to_millimeters(record_width));
      record_height = static_cast<float>(inches_to_millimeters(record_height));
    }
    if (record_width == width && record_height == height) {
      return PaperSizeMatch{index, PaperOrientation::Portrait};
    }
    if (record_height == width && record_width == height) {
      return PaperSizeMatch{index, PaperOrientation::Landscape};
    }
  }
  return std::nullopt;
}

}  // namespace tolmer
