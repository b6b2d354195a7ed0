// A context's own pseudo-random stream (the C++ interface's generator), and
// seeds drawn from the operating system's entropy.
//
// The generator is a permuted congruential generator: a 64-bit state
// advanced by state x 6364136223846793005 + increment (mod 2^64), each step
// giving 32 bits (an xorshift of the state, rotated by its top five bits).
// The increment is odd and selects the stream: two streams with different
// increments are different sequences, not one sequence shifted (as two
// seeds of a single-cycle 32-bit generator are). A seed gives both the
// starting state and the stream, through two different mixes of it.
#pragma once

#include <cstdint>

namespace tolmer::inline v1 {

class RandomStream {
 public:
  // The stream of a seed: the same seed, the same draws. The starting state
  // is mix64(seed), the stream number mix64(seed ^ 0xD1B54A32D192ED03).
  explicit RandomStream(uint64_t seed) noexcept;
  // The generator started at `initial_state` on stream number `stream` (the
  // increment is 2 x stream + 1), seeded as the generator's reference
  // seeding does; seed() is then initial_state.
  [[nodiscard]] static RandomStream from_state(uint64_t initial_state, uint64_t stream) noexcept;

  // The next 32 bits.
  [[nodiscard]] uint32_t next() noexcept;
  // The seed this stream was made from.
  [[nodiscard]] uint64_t seed() const noexcept { return seed_; }
  // The stream selector (the odd increment).
  [[nodiscard]] uint64_t increment() const noexcept { return increment_; }

 private:
  RandomStream(uint64_t initial_state, uint64_t stream, uint64_t seed) noexcept;
  uint64_t state_ = 0;
  uint64_t increment_ = 1;
  uint64_t seed_ = 0;
};

// One step scaled to the record identifiers' range, 10000 to 2147483647
// (the top 31 bits of a draw, scaled as the classic generator scales).
[[nodiscard]] int32_t random_record_id(RandomStream& stream) noexcept;

// A 64-bit seed from the operating system's entropy (std::random_device)
// mixed with a monotonic clock and a process-wide count of the seeds made:
// two seeds made in one process differ even when the entropy source repeats
// itself (or fails, when the clock and the count remain).
[[nodiscard]] uint64_t entropy_seed() noexcept;

// The 64-bit finaliser that spreads a seed's bits (a bijection).
[[nodiscard]] constexpr uint64_t mix64(uint64_t x) noexcept {
  x += 0x9E3779B97F4A7C15u;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
  return x ^ (x >> 31);
}

}  // namespace tolmer
