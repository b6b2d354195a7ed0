// The standard paper sizes by series, beside the classic paper table: the
// constant list, and look-ups by the name people call a size and by size.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>
#include <optional>

#include "paper/paper.h"
#include "tolmer/length.h"
#include "tolmer/paper_types.h"

namespace tolmer::inline v1 {

// Every standard size: ISO A0-A10, B0-B10, C0-C10, ANSI A-E, ARCH A-E1,
// Letter, Legal, Tabloid, Ledger, in that order.
[[nodiscard]] std::span<const paper::StandardPaper> standard_paper_list() noexcept;

// The look-up form of a name: ASCII letters upper-cased; spaces, tabs,
// hyphens, underscores and periods that are not between two digits left
// out; the multiplication sign (U+00D7) and '*' read as 'X'. "Arch-D",
// " arch d " and "ARCHD" all give "ARCHD"; "8.5 x 11" gives "8.5X11".
[[nodiscard]] std::string standard_paper_key(std::string_view name);

// The size a name denotes (see tolmer/paper.h for the names), or nothing.
[[nodiscard]] std::optional<paper::StandardPaper> standard_paper_by_name(std::string_view name);

// The half millimetre within which a size matches.
inline constexpr double kPaperToleranceMillimeters = 0.5;

// Every standard size within kPaperToleranceMillimeters of width x height in
// both directions, as listed or turned, in list order. A size that is not
// finite and positive matches nothing.
[[nodiscard]] std::vector<paper::StandardPaperMatch> standard_papers_of_size(Length width, Length height);

// The first record of the classic table whose size is within
// kPaperToleranceMillimeters of the standard size, as stored or turned;
// nothing when none is (or there is no table).
[[nodiscard]] std::optional<int32_t> paper_index_of_standard(const PaperState& state,
                                                             const paper::StandardPaper& standard);

}  // namespace tolmer
