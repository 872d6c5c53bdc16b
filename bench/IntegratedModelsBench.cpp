// Every integrated model (7, 9, 10, 13, 14, 15, 18, 20) at the model
// window's defaults against the closed-form model 4 in the same run: the
// whole curve, the curve and a read of its half-lives as the chart's marks
// read them, the value at one time and a fit of k1 to 32 767 measured
// points. Each benchmark reports its time as a multiple of model 4's time
// for the same work (counter "x_model4"), the two timed alternately in one
// loop.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cmath>
#include <string>

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
// value (as a Single), and the fit of k1 to the measured A from 0.8 k1 (the
// other constants fixed).
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

// What a model's work reads of the shared state, kept so that two pieces of
// work of different models can take turns.
struct Eingaben {
    Integer iModell = 0, iDiagrammTyp = 0;
    std::array<double, 4> k{};
    std::array<double, 6> c0{};
    Single tEnd = 0, nOrdnung = 0;
    std::string sSpeziesMaske;
    bool bNumerisch = false;

    static Eingaben jetzt() {
        return {app.iModell, app.iDiagrammTyp, app.k, app.c0, app.tEnd, app.nOrdnung, app.sSpeziesMaske, app.bNumerisch};
    }
    void setzen() const {
        app.iModell = iModell;
        app.iDiagrammTyp = iDiagrammTyp;
        app.k = k;
        app.c0 = c0;
        app.tEnd = tEnd;
        app.nOrdnung = nOrdnung;
        app.sSpeziesMaske = sSpeziesMaske;
        app.bNumerisch = bNumerisch;
    }
};

// The pieces of work done in one turn: the value at one time is read at the
// sixteen times in a row (a single read of model 4 is shorter than the
// clock can tell).
int stueckeJeRunde(Arbeit arbeit) { return arbeit == Arbeit::WertZurZeit ? 16 : 1; }

// One turn of the work of a model, on the state set up for it.
class Lauf {
public:
    Lauf(Integer model, Arbeit arbeit) : model_(model), arbeit_(arbeit) {
        defaults(model);
        eingaben_ = Eingaben::jetzt();
        if (arbeit == Arbeit::Fit) fit_ = fitAufgabe(model);
    }

    bool runde() {
        eingaben_.setzen();
        bool ok = true;
        for (int i = 0; i < stueckeJeRunde(arbeit_); ++i) ok = einmal() && ok;
        return ok;
    }

private:
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
                return !e.abgebrochen && std::fabs(e.p[1] / eingaben_.k[1] - 1) < 1e-3;
            }
        }
        return false;
    }

    Integer model_;
    Arbeit arbeit_;
    Eingaben eingaben_;
    int i_ = 0;
    FitAufgabe fit_;
};

// Times model M's work against model 4's in the same loop: each iteration
// does one turn of each, alternately, so that a change of the machine's load
// falls on both alike. The benchmark's time is model M's turn alone; the
// counter "x_model4" is the ratio of the two sums.
void messen(benchmark::State& state, Integer model, Arbeit arbeit) {
    Lauf lauf(model, arbeit);
    Lauf basis(4, arbeit);
    bool ok = lauf.runde() && basis.runde();
    std::chrono::duration<double> summeM{}, summe4{};
    for (auto _ : state) {
        const auto a = Clock::now();
        ok = lauf.runde() && ok;
        const auto b = Clock::now();
        ok = basis.runde() && ok;
        const auto c = Clock::now();
        summeM += b - a;
        summe4 += c - b;
        state.SetIterationTime(std::chrono::duration<double>(b - a).count());
    }
    state.counters["x_model4"] = summe4.count() > 0 ? summeM.count() / summe4.count() : 0;
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

BENCHMARK(BM_Kurve)->Apply(modelle)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KurveUndHalbwertszeit)->Apply(modelle)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WertZurZeit)->Apply(modelle)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fit32767)->Apply(modelle)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
