// Kinetics engine: one curve simulation (closed form, integrated, stiff),
// an Akima spline through 201 points, concentrations at one time.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/Akima.h"
#include "engine/ConcentrationAtTime.h"
#include "engine/Simulation.h"
#include "shell/AppState.h"

namespace {

using namespace vrn;

void setUp(Integer model, std::array<double, 3> k, std::array<double, 5> c0, const char* mask) {
    resetAppState("/tmp");
    app.iModell = model;
    for (std::size_t i = 0; i < 3; ++i) app.k[i + 1] = k[i];
    for (std::size_t i = 0; i < 5; ++i) app.c0[i + 1] = c0[i];
    app.tEnd = 100;
    app.sSpeziesMaske = mask;
}

void simulate(benchmark::State& state, Integer model) {
    Integer err = 0;
    for (auto _ : state) {
        calc_diagramfunctioncT(model, err);
        benchmark::DoNotOptimize(app.cSim_A.data());
    }
    if (err != 0) state.SkipWithError("simulation failed");
}

void BM_Simulation_ClosedForm_Model2(benchmark::State& state) {
    setUp(2, {0.15, 0, 0}, {1, 0, 0, 0, 0}, "10010");
    simulate(state, 2);
}
BENCHMARK(BM_Simulation_ClosedForm_Model2)->Unit(benchmark::kMicrosecond);

void BM_Simulation_RungeKutta_Model9(benchmark::State& state) {
    setUp(9, {0.15, 0.1, 0}, {1, 1, 0, 0, 0}, "11110");
    simulate(state, 9);
}
BENCHMARK(BM_Simulation_RungeKutta_Model9)->Unit(benchmark::kMicrosecond);

void BM_Simulation_Stiff_Model10(benchmark::State& state) {
    setUp(10, {1e3, 0.1, 0.005}, {1, 5, 0, 0, 0}, "11110");
    simulate(state, 10);
}
BENCHMARK(BM_Simulation_Stiff_Model10)->Unit(benchmark::kMicrosecond);

// The enzyme model at its defaults (E0 = 1, S0 = 5, k2 = 0.1, k3 = 0.005)
// with k1 = 2, 3, 5, 10 and 30: from k1 = 3 on some substeps lie beyond
// the explicit rule's stability limit and are halved.
void BM_Simulation_EnzymeDefaults_K1(benchmark::State& state) {
    setUp(10, {static_cast<double>(state.range(0)), 0.1, 0.005}, {1, 5, 0, 0, 0}, "11110");
    simulate(state, 10);
}
BENCHMARK(BM_Simulation_EnzymeDefaults_K1)->Arg(2)->Arg(3)->Arg(5)->Arg(10)->Arg(30)->Unit(benchmark::kMicrosecond);

// The constants of a real enzyme: E0 = 1e-3 mol/l, S0 = 1 mol/l, k1 = 1e6
// l/(mol s), k2 = 1e3 /s, k3 = 1e2 /s.
void BM_Simulation_Stiff_Enzyme(benchmark::State& state) {
    setUp(10, {1e6, 1e3, 1e2}, {1e-3, 1, 0, 0, 0}, "11110");
    simulate(state, 10);
}
BENCHMARK(BM_Simulation_Stiff_Enzyme)->Unit(benchmark::kMicrosecond);

// A tightly binding enzyme (k1 = 1e9, K_M = 2e-9 mol/l, E0 = 1e-7, S0 = 1)
// over half again the time its substrate lasts (1e7 s).
void BM_Simulation_Stiff_TightBinding(benchmark::State& state) {
    setUp(10, {1e9, 1, 1}, {1e-7, 1, 0, 0, 0}, "11110");
    app.tEnd = 1.5e7f;
    simulate(state, 10);
}
BENCHMARK(BM_Simulation_Stiff_TightBinding)->Unit(benchmark::kMicrosecond);

// A decaying curve of 201 points in curve 1 of the spline store.
void fillSplineStore() {
    resetAppState("/tmp");
    dimensionSplineStore(201);
    for (int i = 1; i <= 201; ++i) {
        app.SplX[static_cast<std::size_t>(i)] = 0.5 * (i - 1);
        app.SplY[1][static_cast<std::size_t>(i)] = std::exp(-0.015 * (i - 1));
    }
}

void BM_AkimaSpline_201Points(benchmark::State& state) {
    fillSplineStore();
    Integer n = 201;
    for (auto _ : state) {
        const bool ok = CalcAkimaSpline(1, n, 0, app.SplX, app.SplY, app.SplKoeffD, app.SplKoeffC, app.SplKoeffB,
                                        app.SplKoeffA);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_AkimaSpline_201Points)->Unit(benchmark::kMicrosecond);

void BM_AkimaSpline_201Points_Smoothed(benchmark::State& state) {
    fillSplineStore();
    const auto y = app.SplY;
    Integer n = 201;
    for (auto _ : state) {
        app.SplY = y;
        const bool ok = CalcAkimaSpline(1, n, 0.5f, app.SplX, app.SplY, app.SplKoeffD, app.SplKoeffC,
                                        app.SplKoeffB, app.SplKoeffA);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_AkimaSpline_201Points_Smoothed)->Unit(benchmark::kMicrosecond);

// calc_functioncT_at_t at times that walk through the simulated range.
void concentrationsAtTimes(benchmark::State& state, Integer model) {
    Konz c{};
    Integer fehler = 0;
    double t = 0;
    for (auto _ : state) {
        calc_functioncT_at_t(model, t, c, fehler);
        benchmark::DoNotOptimize(c.data());
        t += 0.37;
        if (t > 100) t = 0;
    }
}

void BM_ConcentrationAtTime_ClosedForm(benchmark::State& state) {
    setUp(17, {0.15, 0.01, 0}, {1, 0.5, 0, 0, 0}, "11010");
    concentrationsAtTimes(state, 17);
}
BENCHMARK(BM_ConcentrationAtTime_ClosedForm)->Unit(benchmark::kNanosecond);

void BM_ConcentrationAtTime_Spline(benchmark::State& state) {
    setUp(9, {0.15, 0.1, 0}, {1, 1, 0, 0, 0}, "11110");
    Integer err = 0;
    calc_diagramfunctioncT(9, err);
    concentrationsAtTimes(state, 9);
}
BENCHMARK(BM_ConcentrationAtTime_Spline)->Unit(benchmark::kNanosecond);

}  // namespace
