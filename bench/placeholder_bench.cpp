#include <benchmark/benchmark.h>

// Placeholder until the real benchmarks land.
static void nothing(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(0);
}
BENCHMARK(nothing);
