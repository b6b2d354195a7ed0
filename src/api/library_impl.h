// What a tolmer::Library holds: one State. Shared by the Library's members
// and the C interface's process-wide context.
#pragma once

#include "api/state.h"
#include "tolmer/library.h"

namespace tolmer::inline v1 {

struct Library::Impl {
  State state;
};

// Builds a State as initialisation does: the conversion places created (kept
// when they exist), the temporary array made anew with its empty entry, the
// edit-control codes, pi, millimetres per inch, the scale table and the paper
// records 0 to 40 (tables created when absent).
void initialize_state(State& state);

// The State inside a Library (for the layer that wraps the core).
inline State& state_of(Library& library) { return library.impl_->state; }
inline const State& state_of(const Library& library) { return library.impl_->state; }

}  // namespace tolmer
