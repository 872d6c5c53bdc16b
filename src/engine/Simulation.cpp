#include "engine/Simulation.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "engine/Akima.h"
#include "engine/Checked.h"
#include "engine/ClosedForms.h"
#include "engine/RateLaws.h"
#include "engine/IntegrationDriver.h"
#include "engine/ModelInputs.h"
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

// One run of the simulation: its inputs, and where its results go.
class Simulator {
public:
    Simulator(const SimulationInputs& in, EngineState& out, AchsenSpeicher& achsen)
        : in_(in), out_(out), achsen_(achsen) {}

    std::vector<double>& curve(int s) {
        switch (s) {
            case 1: return out_.cSim_A;
            case 2: return out_.cSim_B;
            case 3: return out_.cSim_C;
            case 4: return out_.cSim_P;
            default: return out_.cSim_Q;
        }
    }

    std::vector<Single>& rates(int s) {
        switch (s) {
            case 1: return out_.rSim_A;
            case 2: return out_.rSim_B;
            case 3: return out_.rSim_C;
            case 4: return out_.rSim_P;
            default: return out_.rSim_Q;
        }
    }

    // The spline store of the results sized for n points, SplX(0) = n.
    void dimensionSplines(int n) {
        const std::size_t size = u(n + 6);
        out_.SplX.assign(size, 0.0);
        out_.SplX[0] = n;
        for (SplTable* t : {&out_.SplY, &out_.SplKoeffA, &out_.SplKoeffB, &out_.SplKoeffC, &out_.SplKoeffD}) {
            t->resize(6);
            for (auto& row : *t) row.assign(size, 0.0);
        }
    }

    void run(Integer model, Integer& errFlag);

    bool resultArraysFit() {
        if (out_.tSim.size() < u(kPunkte)) return false;
        for (int s = 1; s <= 5; ++s)
            if (curve(s).size() < u(kPunkte) || rates(s).size() < u(kPunkte)) return false;
        return true;
    }

    // Rates of the concentrations c at one point, as Singles; throws on overflow.
    std::array<Single, 6> ratesAt(Integer model, const Konz& c) {
        Konz dcdt{};
        if (!calc_dcdt(model, dcdt, in_.model.k, c, in_.model.ordnung)) throw RuntimeFault{kUeberlauf};
        std::array<Single, 6> r{};
        for (int s = 1; s <= 5; ++s) r[u(s)] = single(dcdt[u(s)]);
        return r;
    }

    // The rates of a point whose rates overflow: when the rates are not
    // asked for and a Single holds its concentrations, 0 in every slot (its
    // concentrations are drawn whatever its rates: model 20 of a huge order
    // starts at a rate beyond every number); otherwise "Überlauf".
    std::array<Single, 6> keineRaten(Integer model, const Konz& c) {
        bool darstellbar = !in_.ratenGefragt;
        for (int s = 1; s <= 5; ++s)
            if (modelSpecies(model) & (1 << s)) darstellbar = darstellbar && std::fabs(c[u(s)]) <= static_cast<double>(FLT_MAX);
        if (!darstellbar) throw RuntimeFault{kUeberlauf};
        return {};
    }

    // ---- Closed forms --------------------------------------------------------

    void simulateClosedForm(Integer model) {
        const ClosedForm form(model, in_.model.c0, in_.model.k);
        const int mask = form.speciesMask();
        Konz c = out_.cAkt;
        for (int j = 0; j <= kIntervalle; ++j) {
            const double t = j * out_.dtSim;
            form.at(t, c);
            std::array<Single, 6> r;
            try {
                r = ratesAt(model, c);
            } catch (const RuntimeFault&) {
                r = keineRaten(model, c);
            }
            out_.tSim[u(j)] = t;
            for (int s = 1; s <= 5; ++s) {
                if (!(mask & (1 << s))) continue;
                curve(s)[u(j)] = c[u(s)];
                out_.cAkt[u(s)] = c[u(s)];
                rates(s)[u(j)] = r[u(s)];
            }
        }
    }

    // ---- Michaelis-Menten curve ------------------------------------------------

    void simulateMichaelisMenten() {
        out_.dtSim = finite(in_.bMMnormiert ? 20.0 / kIntervalle
                                           : static_cast<double>(in_.S0max / static_cast<Single>(kIntervalle)));
        const bool scaled = in_.KMichaelis > 0 && !in_.bMMnormiert;
        for (int i = 0; i <= kIntervalle; ++i) {
            const double s = i * out_.dtSim;
            const double x = scaled ? div(s, in_.KMichaelis) : s;
            const Single v = single(div(x, 1 + x));
            out_.tSim[u(i)] = s;
            out_.rSim_P[u(i)] = v;
        }
    }

    // ---- Numerical integration -------------------------------------------------

    // Model 20 above kGrosseOrdnung: its closed form at the state after t.
    void orderNState(Konz& y, double t) {
        const OrderNCurve o = orderNAt(in_.model.c0[1], in_.model.k[1], in_.model.ordnung, t);
        y[1] = o.A;
        y[4] = in_.model.c0[4] + o.x;
    }

    // 201 points at times accumulated in steps of tEnd/200 (IntegrationDriver).
    // The integrated slots are stored in cSim_A..cSim_P in their order (14, 15:
    // A, C, P; 20: A, P); the arrays after them keep their own start values (14,
    // 15: P; 20: C, P), as finishNumerical expects them.
    void integrateModel(Integer model) {
        const auto& c0 = in_.model.c0;
        const IntegratedSlots slots = integratedSlots(model);
        std::array<double, 4> stored{c0[1], c0[2], c0[3], c0[4]};
        Konz y = c0;
        IntegrationDriver drive(model, in_.model.k, in_.model.ordnung, y);
        const double delta = static_cast<double>(in_.tEnd) / kIntervalle;
        const bool closedOrder = model == 20 && in_.model.ordnung > kGrosseOrdnung;
        double t = 0;
        for (int j = 0; j <= kIntervalle; ++j) {
            if (j > 0) {
                if (closedOrder) orderNState(y, t + delta);
                else drive.advance(y, t, delta, t + delta);
                t += delta;
            }
            out_.tSim[u(j)] = t;
            for (int i = 0; i < slots.n; ++i) stored[u(i)] = y[u(slots.slot[u(i)])];
            for (int i = 0; i < 4; ++i) curve(i + 1)[u(j)] = stored[u(i)];
        }
        out_.dtSim = closedOrder ? delta : drive.lastStep();
        lastImplicit = !closedOrder && drive.implicit();
    }

    // Curves into their slots, rates at every point, the spline store.
    void finishNumerical(Integer model) {
        out_.cSim_Q = out_.cSim_C;
        if (model == 14 || model == 15) {
            out_.cSim_C = out_.cSim_B;
            out_.cSim_P = out_.cSim_Q;
        }
        if (model == 20) out_.cSim_P = out_.cSim_B;

        constexpr int n = kPunkte;
        dimensionSplines(n);
        for (int i = 0; i < n; ++i) {
            out_.SplX[u(i + 1)] = out_.tSim[u(i)];
            Konz c{};
            for (int s = 1; s <= 5; ++s) {
                c[u(s)] = curve(s)[u(i)];
                out_.SplY[u(s)][u(i + 1)] = c[u(s)];
            }
            std::array<Single, 6> r;
            try {
                r = ratesAt(model, c);
            } catch (const RuntimeFault&) {
                r = keineRaten(model, c);
            }
            out_.cAkt = c;
            for (int s = 1; s <= 5; ++s) rates(s)[u(i)] = r[u(s)];
        }
        const std::string& mask = in_.sSpeziesMaske;
        for (int s = 1; s <= 5; ++s) {
            if (u(s) > mask.size() || mask[u(s - 1)] != '1') continue;
            if (const char* text = buildAkimaSpline(static_cast<Integer>(s), static_cast<Integer>(n), in_.sngGlaettung,
                                                    out_.SplX, out_.SplY, out_.SplKoeffD, out_.SplKoeffC, out_.SplKoeffB,
                                                    out_.SplKoeffA))
                throw RuntimeFault{text};
        }
    }

    // ---- Axis ranges -------------------------------------------------------------

    void storeAxisRanges(Integer model) {
        // The program documents the largest value of all five curves, whatever the
        // model; curves an earlier model left in the slots of species this model
        // lacks then scale its chart. Only the model's own species count here.
        const int species = modelSpecies(model);
        double yMax = in_.model.c0[1], rMin = 0, rMax = 0;
        for (int i = 0; i <= kIntervalle; ++i) {
            for (int s = 1; s <= 5; ++s) {
                if (!(species & (1 << s))) continue;
                if (s > 1) yMax = std::max(yMax, curve(s)[u(i)]);
                const double r = rates(s)[u(i)];
                rMax = std::max(rMax, r);
                rMin = std::min(rMin, r);
            }
        }
        rMax *= 1.05;
        rMin -= std::fabs(rMin * 0.05);
        const std::array<Single, 6> slot{0, in_.tEnd, 0, single(yMax), single(rMin), single(rMax)};
        for (int i = 0; i < 6; ++i) achsen_[i] = slot[u(i)];
    }

private:
    const SimulationInputs& in_;
    EngineState& out_;
    AchsenSpeicher& achsen_;
};

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

double kurvenEndzeit(Single tEnd) {
    const double delta = static_cast<double>(tEnd) / kIntervalle;
    double t = 0;
    for (int j = 0; j < kIntervalle; ++j) t += delta;
    return t;
}

void Simulator::run(Integer model, Integer& errFlag) {
    lastImplicit = false;
    try {
        const bool mm = model == 10 && in_.bMMdiagramm;
        const bool closed = ClosedForm::covers(model);
        const bool numerical = !mm && isNumericalModel(model);
        if (!resultArraysFit()) throw RuntimeFault{kIndexBereich};
        if (!std::isfinite(in_.tEnd)) throw RuntimeFault{in_.tEnd > 0 ? kEndzeitZuGross : kEndzeitUngueltig};
        for (int s = 1; s <= 5; ++s) finite(in_.model.c0[u(s)]);
        const Single dt = in_.tEnd / static_cast<Single>(kIntervalle);
        if (closed || numerical) {
            if (!(in_.tEnd > 0)) throw RuntimeFault{kEndzeitUngueltig};
            if (!(dt > 0)) throw RuntimeFault{kEndzeitZuKlein};
        }

        out_.nSimPunkte = kIntervalle;
        out_.dtSim = dt;
        errFlag = 0;
        out_.tSim[0] = 0;
        for (int s = 1; s <= 5; ++s) curve(s)[0] = in_.model.c0[u(s)];

        if (closed) {
            simulateClosedForm(model);
        } else if (mm) {
            simulateMichaelisMenten();
        } else if (numerical) {
            integrateModel(model);
            finishNumerical(model);
        }
        if (in_.bAuswertungsart == 0) storeAxisRanges(model);
    } catch (const RuntimeFault& f) {
        lastImplicit = false;
        if (quietDepth > 0)
            quietFailure = f.text;
        else
            showFailure("calc_diagramfunctioncT", f.text);
        errFlag = -1;
    }
}

SimulationInputs currentSimulationInputs() {
    SimulationInputs in;
    in.model = currentModelInputs();
    in.tEnd = app.tEnd;
    in.bMMdiagramm = app.bMMdiagramm;
    in.bMMnormiert = app.bMMnormiert;
    in.S0max = app.S0max;
    in.KMichaelis = app.KMichaelis;
    in.sSpeziesMaske = app.sSpeziesMaske;
    in.sngGlaettung = app.sngGlaettung;
    in.bAuswertungsart = app.bAuswertungsart;
    in.ratenGefragt = app.bRateDiagramm;
    return in;
}

void calc_diagramfunctioncT(const SimulationInputs& in, EngineState& out, AchsenSpeicher& achsen, Integer& errFlag) {
    Simulator(in, out, achsen).run(in.model.model, errFlag);
}

void calc_diagramfunctioncT(Integer model, Integer& errFlag) {
    SimulationInputs in = currentSimulationInputs();
    in.model.model = model;
    calc_diagramfunctioncT(in, app, app.Achsenbereich, errFlag);
}

void simuliereUndBenenne(Integer model, Integer& err, const std::vector<Zahlfeld>& felder,
                         const std::vector<double>& werte) {
    std::string fehler;
    {
        QuietSimulation still;
        calc_diagramfunctioncT(model, err);
        fehler = still.failureText();
    }
    if (err == 0 || nenneUeberlaufUrsache(felder, werte)) return;
    showFailure("calc_diagramfunctioncT", fehler);
}

bool nenneUeberlaufUrsache(const std::vector<Zahlfeld>& felder, const std::vector<double>& werte) {
    const int i = ueberlaufUrsache(werte);
    if (i < 0 || static_cast<std::size_t>(i) >= felder.size()) return false;
    const auto k = static_cast<std::size_t>(i);
    MsgBox(rechenUeberlaufZeile(felder[k], werte[k]) + "\r\n", MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
    return true;
}

QuietSimulation::QuietSimulation() {
    if (quietDepth++ == 0) quietFailure.clear();
}
QuietSimulation::~QuietSimulation() { --quietDepth; }
const std::string& QuietSimulation::failureText() const { return quietFailure; }

}  // namespace vrn
