// The building blocks of the data a library context keeps between calls:
// settings read and written atomically, and reader-writer locks that a copy
// leaves behind. Each subsystem declares the data it keeps with these; a
// context (src/api/state.h) holds one of each.
#pragma once

#include <atomic>
#include <mutex>
#include <shared_mutex>

namespace tolmer::inline v1 {

// A value read and written atomically with relaxed ordering, copyable (a copy
// takes the value). For settings that change only at initialisation.
template <class T>
class Setting {
 public:
  Setting(T value = T{}) noexcept : value_(value) {}  // NOLINT: implicit on purpose
  Setting(const Setting& other) noexcept : value_(other.load()) {}
  Setting& operator=(const Setting& other) noexcept {
    store(other.load());
    return *this;
  }
  Setting& operator=(T value) noexcept {
    store(value);
    return *this;
  }
  operator T() const noexcept { return load(); }  // NOLINT: implicit on purpose
  T load() const noexcept { return value_.load(std::memory_order_relaxed); }
  void store(T value) noexcept { value_.store(value, std::memory_order_relaxed); }
  bool compare_exchange(T& expected, T desired) noexcept {
    return value_.compare_exchange_weak(expected, desired, std::memory_order_relaxed);
  }

 private:
  std::atomic<T> value_;
};

// A reader-writer lock that copying leaves behind (a copy has its own, free
// lock), so that the State holding it stays copyable.
class TableLock {
 public:
  TableLock() = default;
  TableLock(const TableLock&) noexcept {}
  TableLock& operator=(const TableLock&) noexcept { return *this; }
  std::shared_lock<std::shared_mutex> read() const { return std::shared_lock(mutex_); }
  std::unique_lock<std::shared_mutex> write() const { return std::unique_lock(mutex_); }

 private:
  mutable std::shared_mutex mutex_;
};

}  // namespace tolmer
