#include "engine/Simulation.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/Akima.h"
#include "engine/Checked.h"
#include "engine/ClosedForms.h"
#include "engine/RateLaws.h"
#include "engine/StiffIntegrator.h"
#include "engine/Stoichiometry.h"
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

bool resultArraysFit() {
    if (app.tSim.size() < u(kPunkte)) return false;
    for (int s = 1; s <= 5; ++s)
        if (cSimOf(s).size() < u(kPunkte) || rSimOf(s).size() < u(kPunkte)) return false;
    return true;
}

// Rates of the concentrations c at one point, as Singles; throws on overflow.
std::array<Single, 6> ratesAt(Integer model, const Konz& c) {
    Konz dcdt{};
    if (!calc_dcdt(model, dcdt, app.k, c)) throw RuntimeFault{kUeberlauf};
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

// ---- Runge-Kutta integration with step doubling ----------------------------

// Integrated state: components 1..4 of the model at indices 0..3.
using State = std::array<double, 4>;

struct Params {
    double k1, k2, k3, n;
    double tiny;  // a component with |coarse| + |fine| below this has converged
};

// Right-hand sides of the integrated components (see RateLaws for the
// full-species form); components a model does not integrate have derivative 0.
template <int M>
inline void rhs(const State& y, State& f, const Params& p) {
    const double k1 = p.k1, k2 = p.k2, k3 = p.k3;
    f[0] = f[1] = f[2] = f[3] = 0;
    if constexpr (M == 7) {
        f[0] = -k1 * y[0] * y[1] - k2 * y[0] * y[2];
        f[1] = -k1 * y[0] * y[1];
        f[2] = k1 * y[0] * y[1] - k2 * y[0] * y[2];
        f[3] = k2 * y[0] * y[2];
    } else if constexpr (M == 9) {
        f[0] = -k1 * y[0] * y[1];
        f[1] = f[0];
        f[2] = k1 * y[0] * y[1] - k2 * y[2];
        f[3] = k2 * y[2];
    } else if constexpr (M == 10) {
        f[0] = -k1 * y[0] * y[1] + k2 * y[2] + k3 * y[2];
        f[1] = -k1 * y[0] * y[1] + k2 * y[2];
        f[2] = k1 * y[0] * y[1] - k2 * y[2] - k3 * y[2];
        f[3] = k3 * y[2];
    } else if constexpr (M == 13) {
        f[0] = -k1 * y[0] * y[1];
        f[1] = f[0];
        f[2] = k1 * y[0] * y[1] - k2 * y[2] + k3 * y[3];
        f[3] = k2 * y[2] - k3 * y[3];
    } else if constexpr (M == 18) {
        f[0] = -k1 * y[0] * y[1] + k2 * y[2];
        f[1] = f[0];
        f[2] = k1 * y[0] * y[1] - k2 * y[2] - k3 * y[2];
        f[3] = k3 * y[2];
    } else if constexpr (M == 14) {  // A, C, P
        f[0] = -k1 * y[0];
        f[1] = k1 * y[0] - k2 * y[1] + k3 * y[2];
        f[2] = k2 * y[1] - k3 * y[2];
    } else if constexpr (M == 15) {  // A, C, P
        f[0] = -k1 * y[0] + k2 * y[1];
        f[1] = k1 * y[0] - k2 * y[1] - k3 * y[1];
        f[2] = k3 * y[1];
    } else if constexpr (M == 20) {  // A, P
        if (y[0] >= 0) {
            f[0] = -k1 * std::pow(y[0], p.n);
            f[1] = -f[0];
        }
    }
}

constexpr int componentsOf(int M) { return (M == 14 || M == 15) ? 3 : (M == 20 ? 2 : 4); }

// m classical Runge-Kutta steps of size delta/m from y into w. Returns false
// (and stops early) when the state leaves the finite numbers.
template <int M>
bool rungeKutta(const State& y, double delta, int m, const Params& p, State& w) {
    const double h = delta / m;
    State s1, s2, s3, s4, z;
    w = y;
    for (int step = 0; step < m; ++step) {
        rhs<M>(w, s1, p);
        for (int i = 0; i < 4; ++i) z[i] = w[i] + h * s1[i] / 2;
        rhs<M>(z, s2, p);
        for (int i = 0; i < 4; ++i) z[i] = w[i] + h * s2[i] / 2;
        rhs<M>(z, s3, p);
        for (int i = 0; i < 4; ++i) z[i] = w[i] + h * s3[i];
        rhs<M>(z, s4, p);
        for (int i = 0; i < 4; ++i) w[i] += h * (s1[i] + 2 * s2[i] + 2 * s3[i] + s4[i]) / 6;
        if (!std::isfinite(w[0] + w[1] + w[2] + w[3])) return false;
    }
    return true;
}

// Advances y by delta: the substep count m doubles until the coarse and the
// fine trial agree (each integrated component: |c| + |f| < p.tiny, or
// |c − f| / (|c| + |f|) <= 1 %); then y takes every component of the fine
// trial and m falls to a quarter (at least 1) for the next interval. A trial
// that leaves the finite numbers (too few substeps for a stiff system) never
// agrees, so m doubles on. Returns false, y untouched, when the interval
// would need more than kSteifeSchritte substeps.
template <int M>
bool advance(State& y, double delta, int& m, double& lastStep, const Params& p) {
    State coarse, fine;
    bool coarseOk = rungeKutta<M>(y, delta, m, p, coarse);
    for (;;) {
        if (2 * m > kSteifeSchritte) return false;
        m *= 2;
        const bool fineOk = rungeKutta<M>(y, delta, m, p, fine);
        bool pass = coarseOk && fineOk;
        for (int i = 0; i < componentsOf(M) && pass; ++i) {
            const double sum = std::fabs(fine[u(i)]) + std::fabs(coarse[u(i)]);
            pass = sum < p.tiny || std::fabs(coarse[u(i)] - fine[u(i)]) / sum <= 0.01;
        }
        if (pass) {
            y = fine;
            lastStep = delta / m;
            m = std::max(1, m / 4);
            return true;
        }
        coarse = fine;
        coarseOk = fineOk;
    }
}

void storeHalfLife(bool& found, Single& target, int j, const std::vector<double>& curve, double half) {
    if (found || j == 0 || !(curve[u(j)] < half)) return;
    target = interpolLinear(half, app.tSim[u(j)], curve[u(j)], app.tSim[u(j - 1)], curve[u(j - 1)]);
    found = true;
}

template <int M>
void integrate() {
    const auto& c0 = app.c0;
    State y{};
    y[0] = c0[1];
    y[1] = (M == 14 || M == 15) ? c0[3] : (M == 20 ? c0[4] : c0[2]);
    y[2] = (M == 14 || M == 15) ? c0[4] : c0[3];
    y[3] = c0[4];
    // The program documents a fixed 1e-6 mol/l below which a component counts
    // as converged; that makes the accuracy depend on the concentration scale
    // (a micromolar run would be steered by that bound alone and may even turn
    // negative). The bound is taken relative to the largest start
    // concentration of the components integrated here, which leaves it at
    // 1e-6 for concentrations near 1; a feed of a species the model lacks
    // (left from another model) does not loosen it.
    double scale = 0;
    for (int i = 0; i < componentsOf(M); ++i) scale = std::max(scale, std::fabs(y[u(i)]));
    const double tiny = 1e-6 * (scale > 0 ? scale : 1.0);
    const Params p{app.k[1], app.k[2], app.k[3], static_cast<double>(app.nOrdnung), tiny};
    const double delta = static_cast<double>(app.tEnd) / kIntervalle;
    int m = 1;
    double t = 0;
    double lastStep = delta;
    bool foundA = false, foundB = false;
    // The species slot of each integrated component.
    constexpr std::array<int, 4> slot = M == 14 || M == 15 ? std::array<int, 4>{1, 3, 4, 0}
                                        : M == 20          ? std::array<int, 4>{1, 4, 0, 0}
                                                           : std::array<int, 4>{1, 2, 3, 4};
    // Where an interval needs more substeps than the explicit rule should
    // spend, that interval and the rest of the run go to the implicit
    // integrator.
    std::unique_ptr<StiffIntegrator> steif;
    for (int j = 0; j <= kIntervalle; ++j) {
        if (j > 0) {
            if (!steif && !advance<M>(y, delta, m, lastStep, p)) {
                Konz c = c0;
                int slots = 0;
                for (int i = 0; i < componentsOf(M); ++i) {
                    c[u(slot[u(i)])] = y[u(i)];
                    slots |= 1 << slot[u(i)];
                }
                steif = std::make_unique<StiffIntegrator>(static_cast<Integer>(M), app.k, slots, c, t);
            }
            if (steif) {
                Konz c{};
                if (!steif->advanceTo(t + delta, c)) throw RuntimeFault{kUeberlauf};
                for (int i = 0; i < componentsOf(M); ++i) y[u(i)] = c[u(slot[u(i)])];
                lastStep = steif->lastStep();
            }
            t += delta;
        }
        app.tSim[u(j)] = t;
        for (int s = 1; s <= 4; ++s) cSimOf(s)[u(j)] = y[u(s - 1)];
        storeHalfLife(foundA, app.tHalbA_sim, j, app.cSim_A, c0[1] / 2);
        storeHalfLife(foundB, app.tHalbB_sim, j, app.cSim_B, c0[2] / 2);
    }
    app.dtSim = lastStep;
}

void integrateModel(Integer model) {
    switch (model) {
        case 7: integrate<7>(); break;
        case 9: integrate<9>(); break;
        case 10: integrate<10>(); break;
        case 13: integrate<13>(); break;
        case 14: integrate<14>(); break;
        case 15: integrate<15>(); break;
        case 18: integrate<18>(); break;
        case 20: integrate<20>(); break;
        default: break;
    }
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

// The species slots of a model (bits 1..5), from its stoichiometric matrix.
int speciesOfModel(Integer model) {
    int bits = 0;
    for (const StoechEintrag& e : kStoechiometrie)
        if (e.model == model) bits |= 1 << e.species;
    return bits;
}

void storeAxisRanges(Integer model) {
    // The program documents the largest value of all five curves, whatever the
    // model; curves an earlier model left in the slots of species this model
    // lacks then scale its chart. Only the model's own species count here.
    const int species = speciesOfModel(model);
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

bool allFinite(const std::vector<double>& v) {
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}
bool allFinite(const std::vector<Single>& v) {
    return std::all_of(v.begin(), v.end(), [](Single x) { return std::isfinite(x); });
}

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

void calc_diagramfunctioncT(Integer model, Integer& errFlag) {
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

bool simulationResultsFinite() {
    for (const auto* v : {&app.tSim, &app.cSim_A, &app.cSim_B, &app.cSim_C, &app.cSim_P, &app.cSim_Q, &app.SplX})
        if (!allFinite(*v)) return false;
    for (const auto* v : {&app.rSim_A, &app.rSim_B, &app.rSim_C, &app.rSim_P, &app.rSim_Q})
        if (!allFinite(*v)) return false;
    for (const auto* t : {&app.SplY, &app.SplKoeffA, &app.SplKoeffB, &app.SplKoeffC, &app.SplKoeffD})
        for (const auto& row : *t)
            if (!allFinite(row)) return false;
    for (double c : app.cAkt)
        if (!std::isfinite(c)) return false;
    for (Single a : app.Achsenbereich.v)
        if (!std::isfinite(a)) return false;
    return std::isfinite(app.dtSim) && std::isfinite(app.tHalbA_sim) && std::isfinite(app.tHalbB_sim);
}

}  // namespace vrn
