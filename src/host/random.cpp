#include "host/random.h"

#include "frame/charconv.h"

#include "host/services.h"
#include "text/delimited.h"

namespace tolmer::inline v1 {

uint32_t seed_from_tick_count(uint32_t tick_count) {
  const int32_t ticks = static_cast<int32_t>(tick_count);  // 2^31 and above become negative
  const float rounded = static_cast<float>(ticks);         // nearest, ties to even
  return bits_cast<uint32_t>(rounded);
}

void randomize_generator(RandomState& state, host::ClockService& clock) {
  state.seed = seed_from_tick_count(clock.tick_count());
}

uint32_t generator_step(RandomState& state) {
  uint32_t seed = state.seed.load();
  uint32_t next = 0;
  do {
    next = seed * 134775813u + 1u;  // unsigned: wraps mod 2^32
  } while (!state.seed.compare_exchange(seed, next));
  return next >> 1;
}

int32_t scale_to_range(uint32_t last, int32_t low, int32_t high) {
  const uint64_t n = static_cast<uint64_t>(static_cast<int64_t>(high) - low + 1);  // 1 to 2^32
  const uint64_t offset = (static_cast<uint64_t>(last) * n) >> 31;  // product below 2^63
  return static_cast<int32_t>(static_cast<int64_t>(low) + static_cast<int64_t>(offset));
}

int32_t random_long_value(RandomState& state) {
  return scale_to_range(generator_step(state), kRecordIdLow, kRecordIdHigh);
}

int32_t unique_record_id(RandomState& state, const int32_t* existing, int32_t last_index) {
  if (last_index < 0) return 0;
  for (;;) {
    const int32_t value = random_long_value(state);
    if (is_value_in_long_array(value, existing, last_index, 0) < 0) return value;
  }
}

}  // namespace tolmer
