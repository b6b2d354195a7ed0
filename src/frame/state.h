// The state the library keeps between calls, in one place.
//
// A State is the data of one library context. Nothing in the core looks a
// State up: every function that reads or changes kept state takes the State
// it works on as an argument. The C interface owns one process-wide State
// (frame/process.h); each tolmer::Library owns its own.
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

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <vector>

#include "host/services.h"

namespace tolmer {

// One paper size with its margins (inches). The name is fixed at 16 bytes,
// space padded.
struct PaperInfo {
  std::array<char, 16> name{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ',
                            ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  float width = 0;
  float height = 0;
  float top_margin = 0;
  float bottom_margin = 0;
  float left_margin = 0;
  float right_margin = 0;
};

// Drawing scale table: [system][part: 0 numerator, 1 denominator][entry].
using ScaleTable = std::array<std::array<std::array<float, 13>, 2>, 2>;

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

struct State {
  // Conversion decimal places by measurement system (English 0, Metric 1);
  // guarded by places_lock.
  std::optional<std::array<int32_t, 2>> decimal_places;
  TableLock places_lock;
  // Millimetres per inch: the single nearest 25.4, widened.
  Setting<double> mm_per_inch = 0.0;
  // pi, 4 x arctangent(1) in extended precision, stored as a double.
  Setting<double> pi = 0.0;
  // The drawing scales; guarded by scale_lock.
  std::optional<ScaleTable> scales;
  TableLock scale_lock;
  // The paper table; guarded by paper_lock.
  std::optional<std::vector<PaperInfo>> paper;
  TableLock paper_lock;
  // The temporary string array; index 0 is the empty entry once created.
  // Guarded by temp_lock.
  std::optional<std::vector<std::string>> temp_strings;
  TableLock temp_lock;
  // The random generator's seed.
  Setting<uint32_t> seed = 0xFFFFFFFFu;
  // The host services (window, input, clock, folders) and the edit-control
  // message codes their default field operations send.
  host::Services services;
};

}  // namespace tolmer

namespace tolmer {

// The State of the C interface's process-wide context (defined with that
// context). Only the exports' layer and the platform defaults bound to the
// process use it; the core never does.
State& state();

}  // namespace tolmer
