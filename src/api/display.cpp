// The display of lengths in the C++ interface: format_length and its
// appending form, shown_length and length_from_float.
#include "measure/display.h"

#include <string>

#include "tolmer/display.h"

namespace tolmer::inline v1 {

std::string format_length(Length length, const LengthDisplay& display) {
  char buffer[display::kMaxText];
  const std::size_t size = display::write_length(buffer, length.inches(), display);
  return std::string(buffer, size);
}

void format_length_to(std::string& out, Length length, const LengthDisplay& display) {
  char buffer[display::kMaxText];
  const std::size_t size = display::write_length(buffer, length.inches(), display);
  out.append(buffer, size);
}

Length shown_length(Length length, const LengthDisplay& display) noexcept {
  return Length::from_inches(display::shown_inches(length.inches(), display));
}

Length length_from_float(float inches) noexcept {
  return Length::from_inches(display::float_as_shortest_decimal(inches));
}

}  // namespace tolmer
