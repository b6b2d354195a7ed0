// Today's reading of a typed length, in the C++ interface.
#include "tolmer/reading.h"

#include "measure/reading.h"

namespace tolmer::inline v1 {

std::string_view message(ParseError error) noexcept { return reading::message(error); }

std::string_view ParseResult::message() const noexcept { return reading::message(error); }

ParseResult parse_length(std::string_view text, const ParseOptions& options) {
  return reading::parse(text, options);
}

}  // namespace tolmer
