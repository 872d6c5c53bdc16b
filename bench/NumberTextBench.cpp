#include <benchmark/benchmark.h>

#include "base/NumberText.h"

static void BM_PlainForm(benchmark::State& state) {
    double x = 0.123456789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vrn::Str(x));
        x += 1e-3;
    }
}
BENCHMARK(BM_PlainForm);

static void BM_FormatPattern(benchmark::State& state) {
    double x = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vrn::Format(x, "0.000000E+00"));
        x += 0.5;
    }
}
BENCHMARK(BM_FormatPattern);

static void BM_Val(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(vrn::Val(" 1.2345E-03abc"));
}
BENCHMARK(BM_Val);
