// Reading a typed entry the classic way, with diagnostics, and checking it as
// values (the tolmer::Library members read_length and validate).
#pragma once

#include <string_view>

#include "measure/units.h"
#include "tolmer/types.h"

namespace tolmer::inline v1 {

// Reads a typed entry (separated first): the length, or the unit whose
// number exceeded `maximum` with that number's bytes in the entry, and the
// runs of the entry that no unit word consumed (see LengthReading).
[[nodiscard]] LengthReading read_length(const MeasureState& state, std::string_view entry,
                                        float maximum);

// Reads and checks an entry against limits as validate_measurement_entry
// does, with the message, the selection (bytes of the entry) and the echo
// as values.
[[nodiscard]] Validation validate_entry(const MeasureState& state, std::string_view entry,
                                        const EntryLimits& limits, const DisplayFormat& display);

}  // namespace tolmer
