#include "frame/state.h"

#include <cmath>

#include "frame/precision.h"
#include "measure/scales.h"
#include "paper/paper.h"

namespace tolmer {

State& state() {
  static State the_state;
  return the_state;
}

void initialize_library() {
  ExtendedPrecision precision;
  State& s = state();
  // 1. Tables created only if absent; an existing one keeps its contents here.
  if (!s.decimal_places) s.decimal_places = std::array<int32_t, 2>{0, 0};
  if (!s.scales) s.scales = ScaleTable{};
  if (!s.paper) s.paper = std::vector<PaperInfo>(41);
  // 2. The temporary string array, anew with the empty entry 0.
  s.temp_strings = std::vector<std::string>{std::string()};
  // 3. Edit-control messages: select range, first-line length.
  s.em_setsel = 177;
  s.em_linelength = 193;
  // 4. pi in extended precision, stored as a double.
  s.pi = static_cast<double>(4.0L * std::atan(1.0L));
  // 5. Millimetres per inch: the single nearest 25.4, widened.
  s.mm_per_inch = static_cast<double>(25.4f);
  // 6. The enumeration codes are constants of the code.
  // 7. Drawing scales.
  fill_scale_table(*s.scales);
  // 8. Paper records 0 to 40.
  store_initial_paper_records();
}

}  // namespace tolmer
