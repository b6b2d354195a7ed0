// Today's reading of a typed length (include/tolmer/reading.h describes the
// rules): the parts of the entry, larger units first, each a number and its
// unit, summed in inches (English) or millimetres (metric).
#pragma once

#include <string_view>

#include "tolmer/reading_types.h"

namespace tolmer::inline v1::reading {

[[nodiscard]] ParseResult parse(std::string_view text, const ParseOptions& options);
[[nodiscard]] std::string_view message(ParseError error) noexcept;

}  // namespace tolmer::reading
