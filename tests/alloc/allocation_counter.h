// Counts heap allocations made through operator new.
//
// Linking allocation_counter.cpp into a program replaces the global
// operator new and delete with versions that count every allocation. The
// library allocates only through operator new (its strings and containers)
// except for the LibString results, which come from malloc (elsewhere) or the
// system's string allocator (Windows): so the count is exactly the
// allocations an export makes beyond its returned string.
#pragma once

#include <cstddef>

namespace tolmer_test {

// The number of allocations made so far.
std::size_t allocation_count();

// Failure injection: the n-th allocation from now on this thread (1: the
// next) fails as memory that cannot be had (operator new throws
// std::bad_alloc, the nothrow form gives null); 0 disarms. Allocations are
// counted either way.
void fail_allocation_at(std::size_t n);
// Disarms; true when the armed failure happened.
bool disarm_allocation_failure();

// Allocations made between construction and `count()`.
class AllocationWatch {
 public:
  AllocationWatch() : start_(allocation_count()) {}
  std::size_t count() const { return allocation_count() - start_; }

 private:
  std::size_t start_;
};

}  // namespace tolmer_test
