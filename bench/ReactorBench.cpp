// Reactor computations: the batch reactor for integrated models (a mild
// and a stiff one) and a closed form, the stirred tank with the coupled
// balances.
#include <benchmark/benchmark.h>

#include "reactors/BatchReactor.h"
#include "reactors/ConversionSearch.h"
#include "reactors/StirredTank.h"
#include "shell/AppState.h"

namespace {

using namespace vrn;

void setUp(Integer model, std::array<double, 3> k, std::array<double, 5> c0) {
    resetAppState("/tmp");
    app.iModell = model;
    for (std::size_t i = 0; i < 3; ++i) app.k[i + 1] = k[i];
    for (std::size_t i = 0; i < 5; ++i) app.c0[i + 1] = c0[i];
}

void batch(benchmark::State& state, Integer model, double t) {
    Konz c{};
    bool ok = true;
    for (auto _ : state) {
        ok = CalcBatchKessel(model, t, c).ok && ok;
        benchmark::DoNotOptimize(c.data());
    }
    if (!ok) state.SkipWithError("batch computation failed");
}

void BM_Batch_Integrated_Model9(benchmark::State& state) {
    setUp(9, {0.15, 0.1, 0}, {1, 1, 0, 0, 0});
    batch(state, 9, 100);
}
BENCHMARK(BM_Batch_Integrated_Model9)->Unit(benchmark::kMicrosecond);

void BM_Batch_Integrated_Model18(benchmark::State& state) {
    setUp(18, {0.15, 0.1, 0.005}, {1, 1, 0, 0, 0});
    batch(state, 18, 100);
}
BENCHMARK(BM_Batch_Integrated_Model18)->Unit(benchmark::kMicrosecond);

void BM_Batch_Stiff_Model10(benchmark::State& state) {
    setUp(10, {1e3, 0.1, 0.005}, {1, 5, 0, 0, 0});
    batch(state, 10, 100);
}
BENCHMARK(BM_Batch_Stiff_Model10)->Unit(benchmark::kMicrosecond);

void BM_Batch_ClosedForm_Model2(benchmark::State& state) {
    setUp(2, {0.15, 0, 0}, {1, 0, 0, 0, 0});
    batch(state, 2, 5);
}
BENCHMARK(BM_Batch_ClosedForm_Model2)->Unit(benchmark::kMicrosecond);

void BM_StirredTank_Coupled_Model18_ConversionGiven(benchmark::State& state) {
    setUp(18, {0.15, 0.1, 0.005}, {1, 1, 0, 0, 0});
    bool ok = true;
    for (auto _ : state) {
        double U = 0.5, V = 1, Vp = 0, tau = 0;
        Konz c{};
        ok = CalcRKconti(18, 0, U, V, Vp, tau, c).ok && ok;
        benchmark::DoNotOptimize(c.data());
    }
    if (!ok) state.SkipWithError("stirred tank failed");
}
BENCHMARK(BM_StirredTank_Coupled_Model18_ConversionGiven)->Unit(benchmark::kMicrosecond);

// The time of a wanted conversion: the search around the batch computation.
void conversionSearch(benchmark::State& state, double U, CalcOutcome expected) {
    bool ok = true;
    for (auto _ : state) {
        double t = 0;
        ReactorStatus failure;
        ok = batchResult(true, t, U, failure) == expected && ok;
        benchmark::DoNotOptimize(t);
    }
    if (!ok) state.SkipWithError("conversion search gave another outcome");
}

void BM_ConversionSearch_ClosedForm_Model2(benchmark::State& state) {
    setUp(2, {1000, 0, 0}, {1, 0, 0, 0, 0});
    conversionSearch(state, 0.5, CalcOutcome::Done);
}
BENCHMARK(BM_ConversionSearch_ClosedForm_Model2)->Unit(benchmark::kMicrosecond);

void BM_ConversionSearch_Integrated_Model9(benchmark::State& state) {
    setUp(9, {0.15, 0.1, 0}, {1, 1, 0, 0, 0});
    conversionSearch(state, 0.5, CalcOutcome::Done);
}
BENCHMARK(BM_ConversionSearch_Integrated_Model9)->Unit(benchmark::kMicrosecond);

// Model 7 whose B runs out before the conversion: the search ends on the plateau.
void BM_ConversionSearch_Unreachable_Model7(benchmark::State& state) {
    setUp(7, {0.15, 0.05, 0}, {1, 0.2, 0, 0, 0});
    conversionSearch(state, 0.5, CalcOutcome::NotReached);
}
BENCHMARK(BM_ConversionSearch_Unreachable_Model7)->Unit(benchmark::kMicrosecond);

}  // namespace
