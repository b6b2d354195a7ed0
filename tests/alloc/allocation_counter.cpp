// Global operator new and delete that count allocations (see the header).
#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> g_allocations{0};
thread_local std::size_t t_fail_countdown = 0;  // 0: no failure armed
thread_local bool t_failed = false;

void* allocate(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (t_fail_countdown != 0 && --t_fail_countdown == 0) {
    t_failed = true;
    return nullptr;
  }
  return std::malloc(size == 0 ? 1 : size);
}
}  // namespace

namespace tolmer_test {
std::size_t allocation_count() { return g_allocations.load(std::memory_order_relaxed); }
void fail_allocation_at(std::size_t n) {
  t_fail_countdown = n;
  t_failed = false;
}
bool disarm_allocation_failure() {
  t_fail_countdown = 0;
  const bool failed = t_failed;
  t_failed = false;
  return failed;
}
}  // namespace tolmer_test

void* operator new(std::size_t size) {
  if (void* p = allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  if (void* p = allocate(size)) return p;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
