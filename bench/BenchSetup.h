#pragma once

#include <time.h>


#include <benchmark/benchmark.h>

// Processor time of one call of work, in milliseconds: on a shared machine wall
// time measures the neighbours too.
template <class Work>
double ProcessorMilliseconds(Work&& work) {
  const auto now = [] {
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
  };
  const double start = now();
  work();
  return now() - start;
}

// Times a figure and its bound alternately, one of each per repetition, and
// records both and their ratio. The report takes the medians over the
// repetitions: a busy neighbour slows a figure and the bound beside it alike,
// so the median of the pairs' ratios holds where the fastest of separate runs
// of each moves from run to run.
template <class Figure, class Bound>
void TimeAgainstBound(benchmark::State& state, Figure&& figure, Bound&& bound) {
  // Each repetition sets up anew; the first call of each pays for touching its
  // memory for the first time, which is not what is measured.
  figure();
  bound();
  for (auto _ : state) {
    const double figureMs = ProcessorMilliseconds(figure);
    const double boundMs = ProcessorMilliseconds(bound);
    state.counters["figure_ms"] = figureMs;
    state.counters["bound_ms"] = boundMs;
    state.counters["ratio"] = figureMs / boundMs;
  }
}

// One pair per repetition.
inline void OnePairPerRepetition(benchmark::internal::Benchmark* bench) {
  bench->Iterations(1)->Unit(benchmark::kMillisecond);
}
