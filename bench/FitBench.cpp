// Fitting: the minimiser alone on the NIST data set Misra1a (from its first
// certified start), and mode-1 fits of the three rate constants of an
// integrated model (13: A + B => C <=> P) and of the stiff enzyme model (10)
// to 50 measured points of four species.
#include <benchmark/benchmark.h>

#include <cmath>

#include "data/FitObjective.h"
#include "data/Marquardt.h"
#include "engine/ConcentrationAtTime.h"
#include "engine/ModelMasks.h"
#include "engine/Simulation.h"
#include "shell/AppState.h"

namespace {

using namespace vrn;

// Misra1a (NIST StRD): y = b1 (1 - exp(-b2 x)).
constexpr double kX[] = {77.6, 114.9, 141.1, 190.8, 239.9, 289.0, 332.8, 378.4, 434.8, 477.3, 536.8, 593.1, 689.1, 760.0};
constexpr double kY[] = {10.07, 14.73, 17.94, 23.93, 29.61, 35.18, 40.02, 44.82, 50.76, 55.05, 61.01, 66.4, 75.47, 81.78};

void BM_Marquardt_Misra1a(benchmark::State& state) {
    MarquardtProblem pr;
    pr.nPar = 2;
    pr.nPunkte = 14;
    pr.lower = {-1e30, -1e30};
    pr.upper = {1e30, 1e30};
    pr.maxFunc = 1000;
    pr.maxJac = 1000;
    pr.sumOfSquares = [](const std::vector<double>& b, double& S) {
        S = 0;
        for (int i = 0; i < 14; ++i) S += std::pow(b[0] * (1 - std::exp(-b[1] * kX[i])) - kY[i], 2);
        return true;
    };
    pr.row = [](int i, std::vector<double>& b, double& r, double* J) {
        const double e = std::exp(-b[1] * kX[i]);
        r = b[0] * (1 - e) - kY[i];
        J[0] = 1 - e;
        J[1] = b[0] * kX[i] * e;
        return true;
    };
    MarquardtResult r;
    for (auto _ : state) {
        r = MarquardtNash(pr, {500, 0.0001});
        benchmark::DoNotOptimize(r.p.data());
    }
    if (std::fabs(r.p[0] / 238.94212918 - 1) > 1e-6) state.SkipWithError("not converged");
}
BENCHMARK(BM_Marquardt_Misra1a)->Unit(benchmark::kMicrosecond);

// Simulates model `modell` with k and c0, and makes n measured points at
// t = dt·i of its curve with 1 % scatter; the data set is set up for fitting
// the rate constants (evaluation mode 1).
void syntheticDataSet(Integer modell, const std::array<double, 4>& k, const std::array<double, 6>& c0, double tEnd,
                      int n, double dt) {
    resetAppState("/tmp");
    app.iModell = modell;
    app.bAuswertungsart = 0;
    SetSpeziesMaske(modell);
    app.k = k;
    app.c0 = c0;
    app.tEnd = tEnd;
    Integer err = 0;
    calc_diagramfunctioncT(modell, err);
    app.ExpDaten.assign(static_cast<std::size_t>(n) + 1, Messpunkt{});
    for (int i = 1; i <= n; ++i) {
        Messpunkt& m = app.ExpDaten[static_cast<std::size_t>(i)];
        m.t = dt * i;
        Konz c{};
        calc_functioncT_at_t(modell, m.t, c, err);
        for (int j = 1; j <= 5; ++j) m.c[static_cast<std::size_t>(j)] = c[static_cast<std::size_t>(j)] * (1 + 0.01 * std::sin(3.0 * i + j));
    }
    app.nExpPunkte = static_cast<Integer>(n);
    app.bAuswertungsart = 1;
}

// Times the fit of k1..k3 from `start` to the data set of A, B, C and P.
KinFitErgebnis timeFit(benchmark::State& state, const FitParameter& start) {
    FitAuswahl a;
    a.stoff[1] = a.stoff[2] = a.stoff[3] = a.stoff[4] = true;
    KinFitErgebnis e;
    for (auto _ : state) {
        e = MarquardtNashFitting(3, start, a);
        benchmark::DoNotOptimize(e.p.data());
    }
    return e;
}

// Model 13 integrated numerically, k1..k3 fitted to 50, 5000 or 32 767 points
// of A, B, C and P (1 % scatter). The time should grow no faster than
// points^0.45 from 50 to 32 767 points.
void BM_Fit_IntegratedModel13_ThreeConstants(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    syntheticDataSet(13, {0, 0.3, 0.2, 0.1}, {0, 1, 1, 0, 0, 0}, 20, n, 20.0 / n);
    const KinFitErgebnis e = timeFit(state, {0, 0.01, 0.02, 0.005});
    state.counters["k1"] = e.p[1];
    state.counters["maxIter"] = e.bMaxIter;
    if (e.abgebrochen) state.SkipWithError("fit failed");
}
BENCHMARK(BM_Fit_IntegratedModel13_ThreeConstants)->Arg(50)->Arg(5000)->Arg(32767)->Unit(benchmark::kMillisecond);

// The same fit for the stiff enzyme model (10: k1 = 1e3, E0 = 1, S0 = 5) to
// 50 points of E, S, ES, P; k1 and k2 enter the curves only through
// KM = (k2 + k3)/k1, which the fit finds with k3.
void BM_Fit_StiffModel10_ThreeConstants_50Points(benchmark::State& state) {
    syntheticDataSet(10, {0, 1e3, 0.1, 0.005}, {0, 1, 5, 0, 0, 0}, 100, 50, 2.0);
    const KinFitErgebnis e = timeFit(state, {0, 500, 0.05, 0.01});
    const double KM = (e.p[2] + e.p[3]) / e.p[1];
    if (e.bMaxIter || e.abgebrochen || std::fabs(KM / 1.05e-4 - 1) > 0.01 || std::fabs(e.p[3] / 0.005 - 1) > 0.01)
        state.SkipWithError("fit failed");
}
BENCHMARK(BM_Fit_StiffModel10_ThreeConstants_50Points)->Unit(benchmark::kMillisecond);

}  // namespace
