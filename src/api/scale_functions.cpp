// Standard scales and scale notations in the C++ interface.
#include "tolmer/scale.h"

#include "measure/scale_notation.h"

namespace tolmer::inline v1::scale {

std::span<const int32_t> standard_denominators(Family family) noexcept {
  return standard_scale_denominators(family);
}

std::optional<int32_t> nearest_standard(Family family, double ratio) noexcept {
  return nearest_standard_denominator(family, ratio);
}

NotationResult parse(std::string_view text) { return parse_scale_notation(text); }

std::string format(Ratio ratio, Notation notation) { return format_scale_notation(ratio, notation); }

std::string_view message(NotationError error) noexcept { return scale_notation_message(error); }

std::string_view NotationResult::message() const noexcept { return scale_notation_message(error); }

}  // namespace tolmer::scale
