#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include <benchmark/benchmark.h>

// Size of the designs the codec benchmarks unpack and pack.
inline constexpr std::size_t kDesignBytes = 8 << 20;

// Every figure is the processor time of its fastest repetition: on a shared
// machine wall time and the slower repetitions measure the neighbours, not the code.
inline void FastestOfRepetitions(benchmark::internal::Benchmark* bench) {
  bench->Unit(benchmark::kMillisecond)
      ->ComputeStatistics("min", [](const std::vector<double>& times) {
        return *std::min_element(times.begin(), times.end());
      });
}

// Records how many bytes a figure covers, for the report's bounds.
inline void CountBytes(benchmark::State& state, const char* name, std::size_t count) {
  state.counters[name] = benchmark::Counter(double(count));
}
