// Monte Carlo game: draws of the core without drawing. One equilibrium block
// of the largest board (90000 particles, 9000 draws) should take well under 1 ms.
#include <benchmark/benchmark.h>

#include "montecarlo/MonteCarloRun.h"

namespace {

using namespace vrn;

void equilibriumBlock(benchmark::State& state, Single K) {
    MCLauf lauf;
    lauf.setBrett(kMCBretter[5]);
    lauf.setK(K);
    ClockRandom rng;
    lauf.start(kMCGleichgewicht, rng);
    const Long block = lauf.brett().nZuegeProPunkt;
    for (auto _ : state) {
        for (Long j = 0; j < block; ++j) benchmark::DoNotOptimize(lauf.zug(rng));
        if (lauf.nZuege() > 2000000000) lauf.start(kMCGleichgewicht, rng);
    }
    state.SetItemsProcessed(state.iterations() * block);
    state.counters["nA"] = lauf.nA();
}

void BM_EquilibriumBlock_N90000_K05(benchmark::State& state) { equilibriumBlock(state, 0.5f); }
void BM_EquilibriumBlock_N90000_K1(benchmark::State& state) { equilibriumBlock(state, 1.0f); }
BENCHMARK(BM_EquilibriumBlock_N90000_K05)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EquilibriumBlock_N90000_K1)->Unit(benchmark::kMicrosecond);

// A whole first-order run of the largest board, to its end.
void BM_DecayRun_N90000(benchmark::State& state) {
    ClockRandom rng;
    Long zuege = 0;
    for (auto _ : state) {
        MCLauf lauf;
        lauf.setBrett(kMCBretter[5]);
        lauf.start(kMCErsteOrdnung, rng);
        while (!lauf.zug(rng).ende) {
        }
        zuege += lauf.nZuege();
    }
    state.SetItemsProcessed(zuege);
}
BENCHMARK(BM_DecayRun_N90000)->Unit(benchmark::kMillisecond);

}  // namespace
