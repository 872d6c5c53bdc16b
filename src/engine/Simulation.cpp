#include "engine/Simulation.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/Akima.h"
#include "engine/Checked.h"
#include "engine/ClosedForms.h"
#include "engine/RateLaws.h"
#include "engine/IntegrationDriver.h"
#include "engine/ModelInputs.h"
#include "engine/TimeStopIntegrator.h"
#include "platform/MsgBox.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

using namespace checked;

constexpr int kIntervalle = 200;
constexpr int kPunkte = kIntervalle + 1;

constexpr const char* kEndzeitUngueltig = "Die Endzeit muss eine Zahl größer als 0 sein.";
constexpr const char* kEndzeitZuGross = "Die Endzeit ist zu groß: höchstens 3.4E+38.";
constexpr const char* kEndzeitZuKlein = "Die Endzeit ist zu klein für 200 Zeitschritte.";

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// Whether the last numerical run went to the implicit integrator.
bool lastImplicit = false;

bool resultArraysFit() {
    if (app.tSim.size() < u(kPunkte)) return false;
    for (int s = 1; s <= 5; ++s)
        if (cSimOf(s).size() < u(kPunkte) || rSimOf(s).size() < u(kPunkte)) return false;
    return true;
}

// Rates of the concentrations c at one point, as Singles; throws on overflow.
std::array<Single, 6> ratesAt(Integer model, const Konz& c) {
    Konz dcdt{};
    if (!calc_dcdt(model, dcdt, app.k, c, static_cast<double>(app.nOrdnung))) throw RuntimeFault{kUeberlauf};
    std::array<Single, 6> r{};
    for (int s = 1; s <= 5; ++s) r[u(s)] = single(dcdt[u(s)]);
    return r;
}

// ---- Closed forms --------------------------------------------------------

void simulateClosedForm(Integer model) {
    const ClosedForm form(model, app.c0, app.k);
    const int mask = form.speciesMask();
    Konz c = app.cAkt;
    for (int j = 0; j <= kIntervalle; ++j) {
        const double t = j * app.dtSim;
        form.at(t, c);
        const auto r = ratesAt(model, c);
        app.tSim[u(j)] = t;
        for (int s = 1; s <= 5; ++s) {
            if (!(mask & (1 << s))) continue;
            cSimOf(s)[u(j)] = c[u(s)];
            app.cAkt[u(s)] = c[u(s)];
            rSimOf(s)[u(j)] = r[u(s)];
        }
    }
}

// ---- Michaelis-Menten curve ------------------------------------------------

void simulateMichaelisMenten() {
    app.dtSim = finite(app.bMMnormiert ? 20.0 / kIntervalle
                                       : static_cast<double>(app.S0max / static_cast<Single>(kIntervalle)));
    const bool scaled = app.KMichaelis > 0 && !app.bMMnormiert;
    for (int i = 0; i <= kIntervalle; ++i) {
        const double s = i * app.dtSim;
        const double x = scaled ? div(s, app.KMichaelis) : s;
        const Single v = single(div(x, 1 + x));
        app.tSim[u(i)] = s;
        app.rSim_P[u(i)] = v;
    }
}

// ---- Numerical integration -------------------------------------------------

// The time at which slot s of the model first falls below half its start
// value on its exact curve (the closed form of model 20, else an
// integration to the time itself), within the simulated times; 0 when it
// does not fall that far. The curve's times tell between which two of them
// it crosses; regula falsi (Illinois) then narrows that stretch, each trial
// integrated from the state at the stretch's start, until its ends agree to
// 1e-10 of the time. Throws RuntimeFault when an integration fails.
Single exactHalfLife(const ModelInputs& in, int s) {
    const double half = in.c0[u(s)] / 2;
    std::optional<ClosedForm> form;
    if (in.model == 20) form.emplace(20, in.c0, in.k, in.ordnung);
    std::optional<TimeStopIntegrator> run;
    if (!form) run.emplace(in);
    auto exact = [&](double t, Konz& c) {
        if (form) {
            form->at(t, c);
            return;
        }
        if (!run->advanceTo(t, c)) throw RuntimeFault{run->failureText()};
    };
    Konz before = in.c0, c = in.c0;
    double t0 = 0, t1 = 0;
    bool crossed = false;
    for (int j = 1; j <= kIntervalle && !crossed; ++j) {
        t1 = app.tSim[u(j)];
        exact(t1, c);
        crossed = c[u(s)] < half;
        if (!crossed) {
            before = c;
            t0 = t1;
        }
    }
    if (!crossed) return 0;
    // g(t) = c(t) − half, from the state at t0.
    ModelInputs from = in;
    from.c0 = before;
    auto g = [&](double t) {
        Konz x = before;
        if (form) {
            form->at(t, x);
        } else {
            TimeStopIntegrator piece(from, in.c0);
            if (!piece.advanceTo(t - t0, x)) throw RuntimeFault{piece.failureText()};
        }
        return x[u(s)] - half;
    };
    double lo = t0, hi = t1, glo = before[u(s)] - half, ghi = c[u(s)] - half;
    int side = 0;
    for (int i = 0; i < 200 && glo != 0 && hi - lo > 1e-10 * hi; ++i) {
        double t = hi - ghi * (hi - lo) / (ghi - glo);
        if (!(t > lo && t < hi)) t = lo + (hi - lo) / 2;
        const double v = g(t);
        if (v == 0) return single(t);
        if (v < 0) {
            hi = t;
            ghi = v;
            if (side == 1) glo /= 2;
            side = 1;
        } else {
            lo = t;
            glo = v;
            if (side == -1) ghi /= 2;
            side = -1;
        }
    }
    return single(glo == 0 ? lo : (lo + hi) / 2);
}

// The exact half-life; where an integration to the times themselves fails
// (and the curve did not), the time where the straight line between the two
// curve points around the half value crosses it.
Single halfLifeOrBetweenPoints(const ModelInputs& in, int s, const std::vector<double>& curve) {
    try {
        return exactHalfLife(in, s);
    } catch (const RuntimeFault&) {
    }
    const double half = in.c0[u(s)] / 2;
    for (int j = 1; j <= kIntervalle; ++j)
        if (curve[u(j)] < half)
            return interpolLinear(half, app.tSim[u(j)], curve[u(j)], app.tSim[u(j - 1)], curve[u(j - 1)]);
    return 0;
}

// Model 20 above kGrosseOrdnung: its closed form at the state after t.
void orderNState(Konz& y, double t) {
    const OrderNCurve o = orderNAt(app.c0[1], app.k[1], static_cast<double>(app.nOrdnung), t);
    y[1] = o.A;
    y[4] = app.c0[4] + o.x;
}

// 201 points at times accumulated in steps of tEnd/200 (IntegrationDriver).
// The integrated slots are stored in cSim_A..cSim_P in their order (14, 15:
// A, C, P; 20: A, P); the arrays after them keep their own start values (14,
// 15: P; 20: C, P), as finishNumerical expects them. The half-life of B is
// looked for only where the second slot holds B (or S of the enzyme model).
void integrateModel(Integer model) {
    const auto& c0 = app.c0;
    const IntegratedSlots slots = integratedSlots(model);
    std::array<double, 4> stored{c0[1], c0[2], c0[3], c0[4]};
    Konz y = c0;
    IntegrationDriver drive(model, app.k, static_cast<double>(app.nOrdnung), y);
    const double delta = static_cast<double>(app.tEnd) / kIntervalle;
    const bool halfB = slots.n > 1 && slots.slot[1] == B;
    const bool closedOrder = model == 20 && static_cast<double>(app.nOrdnung) > kGrosseOrdnung;
    double t = 0;
    for (int j = 0; j <= kIntervalle; ++j) {
        if (j > 0) {
            if (closedOrder) orderNState(y, t + delta);
            else drive.advance(y, t, delta, t + delta);
            t += delta;
        }
        app.tSim[u(j)] = t;
        for (int i = 0; i < slots.n; ++i) stored[u(i)] = y[u(slots.slot[u(i)])];
        for (int i = 0; i < 4; ++i) cSimOf(i + 1)[u(j)] = stored[u(i)];
    }
    app.dtSim = closedOrder ? delta : drive.lastStep();
    lastImplicit = !closedOrder && drive.implicit();
    // The half-lives on the exact curve, not between its points.
    ModelInputs in = currentModelInputs();
    in.model = model;
    app.tHalbA_sim = halfLifeOrBetweenPoints(in, A, app.cSim_A);
    if (halfB) app.tHalbB_sim = halfLifeOrBetweenPoints(in, B, app.cSim_B);
}

// Curves into their slots, rates at every point, the spline store.
void finishNumerical(Integer model) {
    app.cSim_Q = app.cSim_C;
    if (model == 14 || model == 15) {
        app.cSim_C = app.cSim_B;
        app.cSim_P = app.cSim_Q;
    }
    if (model == 20) app.cSim_P = app.cSim_B;

    constexpr int n = kPunkte;
    dimensionSplineStore(n);
    for (int i = 0; i < n; ++i) {
        app.SplX[u(i + 1)] = app.tSim[u(i)];
        Konz c{};
        for (int s = 1; s <= 5; ++s) {
            c[u(s)] = cSimOf(s)[u(i)];
            app.SplY[u(s)][u(i + 1)] = c[u(s)];
        }
        const auto r = ratesAt(model, c);
        app.cAkt = c;
        for (int s = 1; s <= 5; ++s) rSimOf(s)[u(i)] = r[u(s)];
    }
    const std::string& mask = app.sSpeziesMaske;
    for (int s = 1; s <= 5; ++s) {
        if (u(s) > mask.size() || mask[u(s - 1)] != '1') continue;
        if (const char* text = buildAkimaSpline(static_cast<Integer>(s), static_cast<Integer>(n), app.sngGlaettung,
                                                app.SplX, app.SplY, app.SplKoeffD, app.SplKoeffC, app.SplKoeffB,
                                                app.SplKoeffA))
            throw RuntimeFault{text};
    }
}

// ---- Axis ranges -------------------------------------------------------------

void storeAxisRanges(Integer model) {
    // The program documents the largest value of all five curves, whatever the
    // model; curves an earlier model left in the slots of species this model
    // lacks then scale its chart. Only the model's own species count here.
    const int species = modelSpecies(model);
    double yMax = app.c0[1], rMin = 0, rMax = 0;
    for (int i = 0; i <= kIntervalle; ++i) {
        for (int s = 1; s <= 5; ++s) {
            if (!(species & (1 << s))) continue;
            if (s > 1) yMax = std::max(yMax, cSimOf(s)[u(i)]);
            const double r = rSimOf(s)[u(i)];
            rMax = std::max(rMax, r);
            rMin = std::min(rMin, r);
        }
    }
    rMax *= 1.05;
    rMin -= std::fabs(rMin * 0.05);
    const std::array<Single, 6> slot{0, app.tEnd, 0, single(yMax), single(rMin), single(rMax)};
    for (int i = 0; i < 6; ++i) app.Achsenbereich[i] = slot[u(i)];
}

int quietDepth = 0;
std::string quietFailure;

}  // namespace

std::vector<double>& cSimOf(int s) {
    switch (s) {
        case 1: return app.cSim_A;
        case 2: return app.cSim_B;
        case 3: return app.cSim_C;
        case 4: return app.cSim_P;
        default: return app.cSim_Q;
    }
}

std::vector<Single>& rSimOf(int s) {
    switch (s) {
        case 1: return app.rSim_A;
        case 2: return app.rSim_B;
        case 3: return app.rSim_C;
        case 4: return app.rSim_P;
        default: return app.rSim_Q;
    }
}

Single interpolLinear(double x, double y1, double x1, double y2, double x2) {
    return single(y1 + div((x - x1) * (y2 - y1), x2 - x1));
}

bool lastSimulationImplicit() { return lastImplicit; }

void calc_diagramfunctioncT(Integer model, Integer& errFlag) {
    lastImplicit = false;
    try {
        const bool mm = model == 10 && app.bMMdiagramm;
        const bool closed = ClosedForm::covers(model);
        const bool numerical = !mm && isNumericalModel(model);
        if (!resultArraysFit()) throw RuntimeFault{kIndexBereich};
        if (!std::isfinite(app.tEnd)) throw RuntimeFault{app.tEnd > 0 ? kEndzeitZuGross : kEndzeitUngueltig};
        for (int s = 1; s <= 5; ++s) finite(app.c0[u(s)]);
        const Single dt = app.tEnd / static_cast<Single>(kIntervalle);
        if (closed || numerical) {
            if (!(app.tEnd > 0)) throw RuntimeFault{kEndzeitUngueltig};
            if (!(dt > 0)) throw RuntimeFault{kEndzeitZuKlein};
        }

        app.nSimPunkte = kIntervalle;
        app.dtSim = dt;
        errFlag = 0;
        app.tSim[0] = 0;
        for (int s = 1; s <= 5; ++s) cSimOf(s)[0] = app.c0[u(s)];
        app.tHalbA_sim = 0;
        app.tHalbB_sim = 0;

        if (closed) {
            simulateClosedForm(model);
        } else if (mm) {
            simulateMichaelisMenten();
        } else if (numerical) {
            integrateModel(model);
            finishNumerical(model);
        }
        if (app.bAuswertungsart == 0) storeAxisRanges(model);
    } catch (const RuntimeFault& f) {
        lastImplicit = false;
        if (quietDepth > 0)
            quietFailure = f.text;
        else
            showFailure("calc_diagramfunctioncT", f.text);
        errFlag = -1;
    }
}

QuietSimulation::QuietSimulation() {
    if (quietDepth++ == 0) quietFailure.clear();
}
QuietSimulation::~QuietSimulation() { --quietDepth; }
const std::string& QuietSimulation::failureText() const { return quietFailure; }

}  // namespace vrn
