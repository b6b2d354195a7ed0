// The process-wide state of the library, in one place.
//
// Everything here is zero or absent when the library is loaded, apart from
// the random generator's seed. INITIALIZEDLL creates the tables (each only if
// absent) and fills them through the code of the subsystem that owns them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tolmer {

// One paper size with its margins (inches). The name is fixed at 16 bytes,
// space padded.
struct PaperInfo {
  std::array<char, 16> name{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                            ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  float width = 0;
  float height = 0;
  float top_margin = 0;
  float bottom_margin = 0;
  float left_margin = 0;
  float right_margin = 0;
};

// Drawing scale table: [system][part: 0 numerator, 1 denominator][entry].
using ScaleTable = std::array<std::array<std::array<float, 13>, 2>, 2>;

struct State {
  // Conversion decimal places by measurement system (English 0, Metric 1).
  std::optional<std::array<int32_t, 2>> decimal_places;
  // Millimetres per inch: the single nearest 25.4, widened.
  double mm_per_inch = 0;
  // pi, 4 x arctangent(1) in extended precision, stored as a double.
  double pi = 0;
  // Edit-control message codes: select range, line length.
  int32_t em_setsel = 0;
  int32_t em_linelength = 0;
  std::optional<ScaleTable> scales;
  std::optional<std::vector<PaperInfo>> paper;
  // The temporary string array; index 0 is the empty entry once created.
  std::optional<std::vector<std::string>> temp_strings;
  // The random generator's seed.
  uint32_t seed = 0xFFFFFFFFu;
};

// The one state of the process.
State& state();

// Builds the state as INITIALIZEDLL does.
void initialize_library();

}  // namespace tolmer
