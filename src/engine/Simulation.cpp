#include "engine/Simulation.h"

#include <algorithm>
#include <cmath>

#include "engine/Akima.h"
#include "engine/Checked.h"
#include "engine/ClosedForms.h"
#include "engine/RateLaws.h"
#include "engine/IntegrationDriver.h"
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

void storeHalfLife(bool& found, Single& target, int j, const std::vector<double>& curve, double half) {
    if (found || j == 0 || !(curve[u(j)] < half)) return;
    target = interpolLinear(half, app.tSim[u(j)], curve[u(j)], app.tSim[u(j - 1)], curve[u(j - 1)]);
    found = true;
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
    double t = 0;
    bool foundA = false, foundB = !halfB;
    for (int j = 0; j <= kIntervalle; ++j) {
        if (j > 0) {
            drive.advance(y, t, delta, t + delta);
            t += delta;
        }
        app.tSim[u(j)] = t;
        for (int i = 0; i < slots.n; ++i) stored[u(i)] = y[u(slots.slot[u(i)])];
        for (int i = 0; i < 4; ++i) cSimOf(i + 1)[u(j)] = stored[u(i)];
        storeHalfLife(foundA, app.tHalbA_sim, j, app.cSim_A, c0[1] / 2);
        storeHalfLife(foundB, app.tHalbB_sim, j, app.cSim_B, c0[2] / 2);
    }
    app.dtSim = drive.lastStep();
    lastImplicit = drive.implicit();
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
