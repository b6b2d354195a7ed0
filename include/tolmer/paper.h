// Paper by what people call it: the standard sizes of the ISO, ANSI, ARCH
// and North American series, looked up by name or by size. (The classic
// paper table with its 41 editable records and margins is
// tolmer::Library::paper*; it is not changed by anything here.)
//
// The list (standard_papers(), in this order):
// - ISO 216 A0-A10 and B0-B10, ISO 269 C0-C10: millimetres, the whole
//   millimetres the standards state (A4 210 x 297, B5 176 x 250, C5 162 x 229);
// - ANSI A-E: inches (A 8.5 x 11, B 11 x 17, C 17 x 22, D 22 x 34, E 34 x 44);
// - ARCH A-E1: inches (A 9 x 12, B 12 x 18, C 18 x 24, D 24 x 36, E 36 x 48,
//   E1 30 x 42);
// - Letter 8.5 x 11, Legal 8.5 x 14, Tabloid 11 x 17 and Ledger 17 x 11 in.
// Each size is exact in its own unit (StandardPaper::unit); width_length()
// and height_length() give it as a Length. Sizes are listed upright (width
// at most height) except Ledger: a ledger sheet is a tabloid sheet turned,
// so it is listed as 17 x 11, and a search by size tells the orientation.
//
// By name (standard_paper): the name is compared after dropping spaces,
// tabs, hyphens, underscores and periods (a period between two digits
// stays), in any letter case, so "A4", "a4", " A 4 ", "ARCH D", "Arch-D",
// "archd", "ANSI B", "ansi_b" and "letter" are names. Further names:
// - "ISO" before an ISO size ("ISO A4") and "US" before Letter, Legal,
//   Tabloid and Ledger ("US Letter");
// - the trade sizes as people say them, width first: "8.5x11" and
//   "8 1/2 x 11" name Letter, "8.5x14" and "8 1/2 x 14" Legal, "11x17"
//   Tabloid ('x', 'X', '*' and the multiplication sign are one). No other
//   size is a name: "17x11", "210x297" or "11x8.5" are sizes, to be looked
//   up by size, which lists every paper of that size (11 x 17 in is ANSI
//   B, Tabloid and Ledger).
// A letter alone ("A", "D") is no name: ANSI and ARCH both have one.
//
// By size (standard_papers_of_size): every paper whose width and height are
// both within half a millimetre (inclusive) of the size asked for, as
// listed (Orientation::Portrait) or turned (Orientation::Landscape), in list
// order; the size may be given in any unit. 210 x 297 mm and 8.27 x 11.69 in
// both find A4; 11 x 17 in finds ANSI B and Tabloid as listed and Ledger
// turned. A size that is not finite and positive finds nothing.
#pragma once

#include "tolmer/version.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "tolmer/length.h"
#include "tolmer/paper_types.h"
#include "tolmer/types.h"

namespace tolmer::inline v1::paper {

// Every standard size, in the order above.
[[nodiscard]] std::span<const StandardPaper> standard_papers() noexcept;

// The standard size a name denotes, or nothing.
[[nodiscard]] std::optional<StandardPaper> standard_paper(std::string_view name);

// Every standard size of width x height (within 0.5 mm, either orientation).
[[nodiscard]] std::vector<StandardPaperMatch> standard_papers_of_size(Length width, Length height);
[[nodiscard]] std::vector<StandardPaperMatch> standard_papers_of_size(double width, double height, Unit unit);

// The series' name for people: "ISO A", "ISO B", "ISO C", "ANSI", "ARCH",
// "North American".
[[nodiscard]] std::string_view series_name(Series series) noexcept;

}  // namespace tolmer::paper
