// Every integrated model (7, 9, 10, 13, 14, 15, 18, 20) at the model
// window's defaults against the closed-form model 4 in the same run: the
// whole curve, the curve and a read of its half-lives, the value at one time
// and a fit of k1 to 32 767 measured points. Each benchmark reports its time
// as a multiple of model 4's time for the same work (counter "x_model4"),
// model 4 measured once in the same process.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>

#include "chart/HalfLifeMark.h"
#include "data/FitObjective.h"
#include "engine/ConcentrationAtTime.h"
#include "engine/ModelChoice.h"
#include "engine/Simulation.h"
#include "shell/AppState.h"

namespace {

using namespace vrn;
using Clock = std::chrono::steady_clock;

enum class Arbeit { Kurve, KurveUndHalbwertszeit, WertZurZeit, Fit };

// The model window's defaults of `model` (k, c0, t(max) = 100, order 1.5).
void defaults(Integer model) {
    resetAppState("/tmp");
    app.tEnd = 0;
    app.c0 = {};
    chooseModel(optionOfModel(model), 1.5f);
}

// The models whose chart offers the half-life of B.
bool mitB(Integer model) { return model == 4 || model == 7 || model == 9 || model == 10 || model == 13 || model == 18; }

// Times of the value at one time: sixteen points over the curve's range.
double zeitNr(int i) { return app.tEnd * ((i % 16) + 0.5) / 16; }

// A data set of 32 767 points of every species of the model, each its exact
// value, and the fit of k1 to it from 0.8 k1 (the other constants fixed).
struct FitAufgabe {
    FitDaten d;
    FitAuswahl a;
    FitParameter start{};
};

FitAufgabe fitAufgabe(Integer model) {
    FitAufgabe f;
    f.d.bAuswertungsart = 1;
    f.d.modell = currentAtTimeInputs();
    f.d.modell.model.model = model;
    constexpr int n = 32767;
    f.d.ExpDaten.assign(n + 1, Messpunkt{});
    ConcentrationReader lesen(f.d.modell);
    for (int i = 1; i <= n; ++i) {
        Messpunkt& m = f.d.ExpDaten[static_cast<std::size_t>(i)];
        m.t = app.tEnd * i / n;
        Konz c{};
        Integer fehler = 0;
        lesen.at(m.t, c, fehler);
        for (int j = 1; j <= 5; ++j) m.c[static_cast<std::size_t>(j)] = static_cast<Single>(c[static_cast<std::size_t>(j)]);
    }
    f.d.nExpPunkte = n;
    f.a.stoff[1] = true;
    f.start = {0, 0.8 * app.k[1], app.k[2], app.k[3]};
    return f;
}

// One piece of the work on the state set up for its model.
class Lauf {
public:
    Lauf(Integer model, Arbeit arbeit) : model_(model), arbeit_(arbeit) {
        defaults(model);
        if (arbeit == Arbeit::Fit) fit_ = fitAufgabe(model);
    }

    bool einmal() {
        Integer err = 0;
        switch (arbeit_) {
            case Arbeit::Kurve:
                calc_diagramfunctioncT(model_, err);
                benchmark::DoNotOptimize(app.cSim_A.data());
                return err == 0;
            case Arbeit::KurveUndHalbwertszeit: {
                // As the chart's marks read them, with their status texts.
                calc_diagramfunctioncT(model_, err);
                const HalbwertszeitMarke a = berechneHalbwertszeitMarke(1);
                benchmark::DoNotOptimize(a.statusText.data());
                bool ok = err == 0 && a.statusSetzen;
                if (mitB(model_)) {
                    const HalbwertszeitMarke b = berechneHalbwertszeitMarke(2);
                    benchmark::DoNotOptimize(b.statusText.data());
                    ok = ok && b.statusSetzen;
                }
                return ok;
            }
            case Arbeit::WertZurZeit: {
                Konz c{};
                calc_functioncT_at_t(model_, zeitNr(i_++), c, err);
                benchmark::DoNotOptimize(c.data());
                return err == 0;
            }
            case Arbeit::Fit: {
                const KinFitErgebnis e = MarquardtNashFitting(1, fit_.start, fit_.a, fit_.d);
                benchmark::DoNotOptimize(e.p.data());
                return !e.abgebrochen && std::fabs(e.p[1] / app.k[1] - 1) < 1e-3;
            }
        }
        return false;
    }

private:
    Integer model_;
    Arbeit arbeit_;
    int i_ = 0;
    FitAufgabe fit_;
};

// Seconds per piece of work of model 4, measured once per kind of work: the
// fastest of five rounds of at least 0.2 s (at least 3 pieces each).
double model4Sekunden(Arbeit arbeit) {
    static std::map<Arbeit, double> gemessen;
    const auto it = gemessen.find(arbeit);
    if (it != gemessen.end()) return it->second;
    Lauf lauf(4, arbeit);
    lauf.einmal();
    double best = HUGE_VAL;
    for (int runde = 0; runde < 5; ++runde) {
        int n = 0;
        const auto start = Clock::now();
        std::chrono::duration<double> dauer{};
        do {
            lauf.einmal();
            ++n;
            dauer = Clock::now() - start;
        } while (dauer.count() < 0.2 || n < 3);
        best = std::min(best, dauer.count() / n);
    }
    return gemessen[arbeit] = best;
}

void messen(benchmark::State& state, Integer model, Arbeit arbeit) {
    const double basis = model4Sekunden(arbeit);
    Lauf lauf(model, arbeit);
    bool ok = true;
    std::int64_t n = 0;
    const auto start = Clock::now();
    for (auto _ : state) {
        ok = lauf.einmal() && ok;
        ++n;
    }
    const std::chrono::duration<double> dauer = Clock::now() - start;
    state.counters["x_model4"] = n > 0 ? dauer.count() / n / basis : 0;
    if (!ok) state.SkipWithError("the work failed");
}

void BM_Kurve(benchmark::State& state) { messen(state, static_cast<Integer>(state.range(0)), Arbeit::Kurve); }
void BM_KurveUndHalbwertszeit(benchmark::State& state) {
    messen(state, static_cast<Integer>(state.range(0)), Arbeit::KurveUndHalbwertszeit);
}
void BM_WertZurZeit(benchmark::State& state) { messen(state, static_cast<Integer>(state.range(0)), Arbeit::WertZurZeit); }
void BM_Fit32767(benchmark::State& state) { messen(state, static_cast<Integer>(state.range(0)), Arbeit::Fit); }

void modelle(benchmark::internal::Benchmark* b) {
    for (int m : {4, 7, 9, 10, 13, 14, 15, 18, 20}) b->Arg(m);
}

BENCHMARK(BM_Kurve)->Apply(modelle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KurveUndHalbwertszeit)->Apply(modelle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WertZurZeit)->Apply(modelle)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fit32767)->Apply(modelle)->Unit(benchmark::kMillisecond);

}  // namespace
