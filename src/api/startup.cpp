// Start-up of a context: each subsystem's table built by the code that owns it.
#include <cmath>
#include <new>

#include "api/library_impl.h"
#include "frame/precision.h"
#include "measure/scales.h"
#include "paper/paper.h"
#include "text/temp_array.h"

namespace tolmer::inline v1 {

namespace {

// The edit-control messages the default field operations send: select a
// range, and the length of the first line.
constexpr int32_t kSelectRangeMessage = 177;
constexpr int32_t kLineLengthMessage = 193;

// Millimetres per inch, kept as the single nearest 25.4.
constexpr float kMillimetresPerInch = 25.4f;

}  // namespace

void initialize_state(State& s) {
  ExtendedPrecision precision;
  // Conversion places: created only if absent; existing ones keep their values.
  {
    const auto lock = s.places_lock.write();
    if (!s.decimal_places) s.decimal_places = std::array<int32_t, 2>{0, 0};
  }
  // The temporary string array, anew with the empty entry 0.
  temp_array_clear(s);
  s.services.set_edit_codes(kSelectRangeMessage, kLineLengthMessage);
  // pi in extended precision, stored as a double.
  s.pi = static_cast<double>(4.0L * std::atan(1.0L));
  // Millimetres per inch: the single nearest 25.4, widened.
  s.mm_per_inch = static_cast<double>(kMillimetresPerInch);
  // Drawing scales: the table (created when absent) filled in one hold.
  {
    const auto lock = s.scale_lock.write();
    if (!s.scales) s.scales = ScaleTable{};
    fill_scale_table(*s.scales);
  }
  // Paper records 0 to 40 (the table created when absent).
  store_initial_paper_records(s);
}

}  // namespace tolmer
