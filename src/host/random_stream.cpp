#include "host/random_stream.h"

#include <atomic>
#include <chrono>
#include <random>

#include "host/random.h"

namespace tolmer::inline v1 {

namespace {
constexpr uint64_t kMultiplier = 6364136223846793005u;
}

RandomStream::RandomStream(uint64_t initial_state, uint64_t stream, uint64_t seed) noexcept
    : increment_((stream << 1) | 1u), seed_(seed) {
  state_ = 0;
  (void)next();
  state_ += initial_state;
  (void)next();
}

RandomStream::RandomStream(uint64_t seed) noexcept
    : RandomStream(mix64(seed), mix64(seed ^ 0xD1B54A32D192ED03u), seed) {}

RandomStream RandomStream::from_state(uint64_t initial_state, uint64_t stream) noexcept {
  return RandomStream(initial_state, stream, initial_state);
}

uint32_t RandomStream::next() noexcept {
  const uint64_t old = state_;
  state_ = old * kMultiplier + increment_;  // unsigned: wraps mod 2^64
  const uint32_t shifted = static_cast<uint32_t>(((old >> 18) ^ old) >> 27);
  const uint32_t rotation = static_cast<uint32_t>(old >> 59);
  return (shifted >> rotation) | (shifted << ((32u - rotation) & 31u));
}

int32_t random_record_id(RandomStream& stream) noexcept {
  return scale_to_range(stream.next() >> 1, kRecordIdLow, kRecordIdHigh);
}

uint64_t entropy_seed() noexcept {
  static std::atomic<uint64_t> made{0};
  const uint64_t count = made.fetch_add(1, std::memory_order_relaxed);
  uint64_t bits = 0;
  try {
    std::random_device device;
    bits = (static_cast<uint64_t>(device()) << 32) ^ static_cast<uint64_t>(device());
  } catch (...) {
    bits = 0;  // no entropy source: the clock and the count remain
  }
  const uint64_t clock = static_cast<uint64_t>(
      std::chrono::steady_clock::now().time_since_epoch().count());
  // count x an odd constant is one-to-one, and so is mix64: equal entropy
  // and clock readings still give different seeds for different counts.
  return mix64(bits ^ mix64(clock) ^ (count * 0x9E3779B97F4A7C15u));
}

}  // namespace tolmer
