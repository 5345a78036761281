// The one entry point of the benchmark executable; each area adds its own *_bench.cpp beside it.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
