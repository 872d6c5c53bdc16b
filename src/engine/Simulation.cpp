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

    // ---- Closed forms --------------------------------------------------------

    void simulateClosedForm(Integer model) {
        const ClosedForm form(model, in_.model.c0, in_.model.k);
        const int mask = form.speciesMask();
        Konz c = out_.cAkt;
        for (int j = 0; j <= kIntervalle; ++j) {
            const double t = j * out_.dtSim;
            form.at(t, c);
            const auto r = ratesAt(model, c);
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
            t1 = out_.tSim[u(j)];
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
    Single halfLifeOrBetweenPoints(const ModelInputs& in, int s, const std::vector<double>& points) {
        try {
            return exactHalfLife(in, s);
        } catch (const RuntimeFault&) {
        }
        const double half = in.c0[u(s)] / 2;
        for (int j = 1; j <= kIntervalle; ++j)
            if (points[u(j)] < half)
                return interpolLinear(half, out_.tSim[u(j)], points[u(j)], out_.tSim[u(j - 1)], points[u(j - 1)]);
        return 0;
    }

    // Model 20 above kGrosseOrdnung: its closed form at the state after t.
    void orderNState(Konz& y, double t) {
        const OrderNCurve o = orderNAt(in_.model.c0[1], in_.model.k[1], in_.model.ordnung, t);
        y[1] = o.A;
        y[4] = in_.model.c0[4] + o.x;
    }

    // 201 points at times accumulated in steps of tEnd/200 (IntegrationDriver).
    // The integrated slots are stored in cSim_A..cSim_P in their order (14, 15:
    // A, C, P; 20: A, P); the arrays after them keep their own start values (14,
    // 15: P; 20: C, P), as finishNumerical expects them. The half-life of B is
    // looked for only where the second slot holds B (or S of the enzyme model).
    void integrateModel(Integer model) {
        const auto& c0 = in_.model.c0;
        const IntegratedSlots slots = integratedSlots(model);
        std::array<double, 4> stored{c0[1], c0[2], c0[3], c0[4]};
        Konz y = c0;
        IntegrationDriver drive(model, in_.model.k, in_.model.ordnung, y);
        const double delta = static_cast<double>(in_.tEnd) / kIntervalle;
        const bool halfB = slots.n > 1 && slots.slot[1] == B;
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
        // The half-lives on the exact curve, not between its points.
        ModelInputs in = in_.model;
        in.model = model;
        out_.tHalbA_sim = halfLifeOrBetweenPoints(in, A, out_.cSim_A);
        if (halfB) out_.tHalbB_sim = halfLifeOrBetweenPoints(in, B, out_.cSim_B);
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
            const auto r = ratesAt(model, c);
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
        out_.tHalbA_sim = 0;
        out_.tHalbB_sim = 0;

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

QuietSimulation::QuietSimulation() {
    if (quietDepth++ == 0) quietFailure.clear();
}
QuietSimulation::~QuietSimulation() { --quietDepth; }
const std::string& QuietSimulation::failureText() const { return quietFailure; }

}  // namespace vrn
