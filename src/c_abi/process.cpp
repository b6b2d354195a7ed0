// The C interface's process-wide context: uninitialised at load (the random
// seed 0xFFFFFFFF), built by INITIALIZEDLL.
#include "c_abi/process.h"

namespace tolmer::inline v1 {

Library& process_library() {
  static Library the_library{Library::Uninitialised{}};
  return the_library;
}

State& state() { return state_of(process_library()); }

}  // namespace tolmer
