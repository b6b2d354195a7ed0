// The paper size table.
#pragma once

#include <cstdint>
#include <string_view>

#include "frame/state.h"

namespace tolmer {

// Stores one record as SETPAPERINFOITEM does: the name cut or space padded to
// 16 bytes. An index outside the table (or no table) changes nothing.
void set_paper_item(int32_t index, std::string_view name, float width, float height, float top,
                    float bottom, float left, float right);

// Stores the 41 initial records in index order through set_paper_item; the
// records that do not fit a smaller table are skipped.
void store_initial_paper_records();

}  // namespace tolmer
