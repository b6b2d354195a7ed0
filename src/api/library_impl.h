// What a tolmer::Library holds: one State. Shared by the Library's members
// and the C interface's process-wide context.
#pragma once

#include <mutex>

#include "api/state.h"
#include "host/random_stream.h"
#include "tolmer/library.h"

namespace tolmer::inline v1 {

// The State (shared with the C interface when this is the process-wide
// context) and the Library's own random stream with its lock. The State's
// 32-bit generator is the C interface's; a Library's members draw from the
// stream.
struct Library::Impl {
  explicit Impl(uint64_t seed) : stream(seed) {}
  State state;
  mutable std::mutex random_lock;
  RandomStream stream;
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
