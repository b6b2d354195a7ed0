// The C interface's process-wide context: a tolmer::Library created
// uninitialised (as at load) and initialised by INITIALIZEDLL. Every export
// that keeps data between calls works on it.
#pragma once

#include "api/library_impl.h"

namespace tolmer::inline v1 {

Library& process_library();

// Its State (for the exports' layer, and for tests that look inside).
State& state();

}  // namespace tolmer
