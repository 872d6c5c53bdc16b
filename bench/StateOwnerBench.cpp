// The owner's idle check, which runs at every wake of the event loop (each
// mouse move), with a data set of 3 and of 32 767 points: it compares a fixed
// number of values and the points' counter, so both take the same time.
// Target: well below 0.01 ms per wake. Also a change that writes nothing.
#include <benchmark/benchmark.h>

#include <cmath>

#include "shell/AppState.h"
#include "shell/StateOwner.h"

using namespace vrn;

namespace {

void datensatz(int n) {
    resetAppState("/prog");
    Aenderung aenderung;
    app.ExpDaten.assign(static_cast<std::size_t>(n) + 1, Messpunkt{});
    for (int i = 1; i <= n; ++i) {
        Messpunkt& m = app.ExpDaten[static_cast<std::size_t>(i)];
        m.t = i;
        m.c[1] = 0.1 * std::exp(-0.01 * i);
    }
    app.nExpPunkte = static_cast<Integer>(n);
    datensatzGeschrieben();
}

void BM_IdleCheck(benchmark::State& state) {
    datensatz(static_cast<int>(state.range(0)));
    for (auto _ : state) zustand().nachzuegler();
    state.SetLabel(std::to_string(state.range(0)) + " points");
}
BENCHMARK(BM_IdleCheck)->Arg(3)->Arg(32767);

void BM_EmptyChange(benchmark::State& state) {
    datensatz(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Aenderung nichts;
    }
    state.SetLabel(std::to_string(state.range(0)) + " points");
}
BENCHMARK(BM_EmptyChange)->Arg(3)->Arg(32767);

}  // namespace
