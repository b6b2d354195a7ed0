// The data of one library context, in one place: what each subsystem keeps
// between calls.
//
// Nothing in the core looks a State up: every function that reads or changes
// kept data takes the part it works on (a MeasureState, a PaperState, ...)
// as an argument, and a State is each of those parts. The C interface's
// process-wide context and each tolmer::Library own one.
//
// Sharing: a State may be used by several threads at once. The tables are
// each guarded by their own reader-writer lock, taken by the functions that
// read or change them (readers share, a writer excludes); the settings that
// are written only by initialisation (millimetres per inch, pi, the
// edit-control codes) are relaxed atomics; the random seed is an atomic
// advanced by compare-exchange. Copying a State copies its data (not its
// locks) and is meant for a State no other thread is using.
//
// A default-constructed State is the state at load: every table absent, every
// setting 0, the random seed 0xFFFFFFFF. initialize_state() builds it as
// initialisation does.
#pragma once

#include "geometry/angles.h"
#include "host/random.h"
#include "host/services.h"
#include "measure/units.h"
#include "paper/paper.h"
#include "text/temp_array.h"

namespace tolmer::inline v1 {

struct State : MeasureState, PaperState, TempArrayState, AngleState, RandomState {
  // The host services (window, input, clock, folders) and the edit-control
  // message codes their default field operations send.
  host::Services services;
};

}  // namespace tolmer
