// Drawing scales: the standard scale ratios of each measurement system.
#pragma once

#include "frame/state.h"

namespace tolmer {

// Fills every cell of the drawing scale table with its initial value.
void fill_scale_table(ScaleTable& table);

}  // namespace tolmer
