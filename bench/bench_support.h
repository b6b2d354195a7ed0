// Shared pieces of the benchmark suite: registration, sizes, self-checks and
// test data.
//
// Every benchmark is registered under a name of the form
// "family/variant/implementation[/size]"; scripts/bench_report.py pairs the
// library's case with the baseline of the same family and size.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bench {

// True for the smoke run (--smoke): only the smallest sizes are registered.
bool smoke();

// The text sizes of the scaling cases: 1 KiB, 1 MiB and 32 MiB (1 KiB only
// in the smoke run).
std::vector<std::size_t> text_sizes();
// The item counts of the scaling cases: 10, 1,000 and 100,000 (10 and 1,000
// in the smoke run).
std::vector<std::size_t> item_counts();

// Registers one benchmark under `name`.
void add(const std::string& name, std::function<void(benchmark::State&)> body);

// A self-check: when `ok` is false the benchmark is marked failed and the
// program ends with a failure status. Returns `ok`.
bool check(benchmark::State& state, bool ok, const std::string& what);

// The registration functions of each file.
void register_numbers();
void register_text();
void register_measure();
void register_catalog();
void register_cpp();
void register_display();
void register_extended();
void register_reading();
void register_context();

}  // namespace bench
