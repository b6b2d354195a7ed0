// The value types of the standard paper sizes (tolmer/paper.h looks them
// up): the series, one size, and a match by size.
#pragma once

#include "tolmer/version.h"

#include <cstdint>
#include <string_view>

#include "tolmer/length.h"
#include "tolmer/types.h"

namespace tolmer::inline v1::paper {

// The series a standard size belongs to.
enum class Series : int32_t {
  IsoA,           // ISO 216 A0 to A10 (millimetres)
  IsoB,           // ISO 216 B0 to B10 (millimetres)
  IsoC,           // ISO 269 C0 to C10, envelopes (millimetres)
  Ansi,           // ANSI A to E (inches)
  Arch,           // ARCH A to E1, architectural (inches)
  NorthAmerican,  // Letter, Legal, Tabloid, Ledger (inches)
};

// One standard size, exactly as its standard states it, in its own unit
// (Unit::Millimeters for the ISO series, Unit::Inches for the others).
// Every size is listed upright (width <= height) except Ledger, which is
// Tabloid turned: 17 x 11 in.
struct StandardPaper {
  std::string_view name;  // as printed: "A4", "C5", "ANSI B", "ARCH E1", "Letter"
  Series series = Series::IsoA;
  Unit unit = Unit::Millimeters;
  double width = 0;   // in `unit`
  double height = 0;  // in `unit`

  [[nodiscard]] constexpr Length width_length() const noexcept { return Length::from(width, unit); }
  [[nodiscard]] constexpr Length height_length() const noexcept { return Length::from(height, unit); }
};

// A standard size found by size: the paper, and whether the size asked for
// is the paper as listed (Portrait) or turned (Landscape).
struct StandardPaperMatch {
  StandardPaper paper;
  Orientation orientation = Orientation::Portrait;
};

}  // namespace tolmer::paper
