// The process-wide pseudo-random generator and record identifiers.
//
// The state is one 32-bit seed (RandomState::seed), 0xFFFFFFFF at load. A step is
// one compare-exchange of the seed, so threads drawing at once each get a
// different step of the same sequence.
// One step: seed = seed x 134775813 + 1 (mod 2^32); the drawn value is
// seed >> 1, a fraction last / 2^31 of [0, 1).
#pragma once

#include <cstdint>

#include "frame/kept.h"

namespace tolmer::inline v1 {

namespace host {
class ClockService;
}

// The generator as a context keeps it.
struct RandomState {
  Setting<uint32_t> seed = 0xFFFFFFFFu;
};

// The range of record identifiers.
inline constexpr int32_t kRecordIdLow = 10000;
inline constexpr int32_t kRecordIdHigh = 2147483647;

// The seed for a tick count: the count as a signed 32-bit integer, rounded to
// single precision, and the 32 bits of that float (123456789 -> 0x4CEB79A3).
uint32_t seed_from_tick_count(uint32_t tick_count);

// Seeds the generator from the clock service's tick count.
void randomize_generator(RandomState& state, host::ClockService& clock);

// Advances the generator one step and returns seed >> 1 (0 to 2^31 - 1).
uint32_t generator_step(RandomState& state);

// low + floor(last / 2^31 x (high - low + 1)), exact in 64-bit integers.
// Requires low <= high and last < 2^31.
int32_t scale_to_range(uint32_t last, int32_t low, int32_t high);

// One step scaled to 10000 to 2147483647.
int32_t random_long_value(RandomState& state);

// Draws until the value is not among elements 0 to last_index of `existing`
// (each rejected draw advances the generator); 0 without drawing when
// last_index is negative.
int32_t unique_record_id(RandomState& state, const int32_t* existing, int32_t last_index);

}  // namespace tolmer
