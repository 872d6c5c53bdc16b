#include "reactors/BatchReactor.h"

#include <algorithm>
#include <cmath>

#include "engine/Checked.h"
#include "engine/ClosedForms.h"
#include "engine/StiffIntegrator.h"
#include "reactors/ReactorModels.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

constexpr int kIntervalle = 150;

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// Slots an integrated model writes back.
int integratedSlots(Integer model) {
    switch (model) {
        case 14: case 15: return (1 << A) | (1 << C) | (1 << P);
        case 20: return (1 << A) | (1 << P);
        default: return (1 << A) | (1 << B) | (1 << C) | (1 << P);
    }
}

bool usableInputs(Integer model, double t) {
    if (!(std::isfinite(t) && t >= 0)) return false;
    const int species = reactorSpeciesMask(model);
    for (int s = 1; s <= 5; ++s)
        if ((species & (1 << s)) && !(std::isfinite(app.c0[u(s)]) && app.c0[u(s)] >= 0)) return false;
    for (int i = 1; i <= reactorConstantCount(model); ++i)
        if (!(std::isfinite(app.k[u(i)]) && app.k[u(i)] >= 0)) return false;
    return model != 20 || std::isfinite(app.nOrdnung);
}

// Model 20 below order 1 uses A up in a finite time and stops there: a step
// that crosses 0 ends at 0, P keeping the sum. From order 1 up A never
// reaches 0, and a step that overshoots below it is simply inaccurate.
bool endsAtZero(Integer model) { return model == 20 && app.nOrdnung < 1; }

void cutAtZero(Konz& y) {
    y[P] += y[A];
    y[A] = 0;
}

// m classical Runge-Kutta steps of width H/m from y0 into y. False when a
// rate or the state leaves the finite numbers.
bool rungeKutta(Integer model, const Konz& y0, double H, int m, Konz& y) {
    const double h = H / m;
    const bool cut = endsAtZero(model);
    Konz r1, r2, r3, r4, z;
    y = y0;
    for (int step = 0; step < m; ++step) {
        bool ok = calc_dcdt(model, r1, app.k, y);
        for (int i = 1; i <= 5; ++i) z[u(i)] = y[u(i)] + h * r1[u(i)] / 2;
        ok = calc_dcdt(model, r2, app.k, z) && ok;
        for (int i = 1; i <= 5; ++i) z[u(i)] = y[u(i)] + h * r2[u(i)] / 2;
        ok = calc_dcdt(model, r3, app.k, z) && ok;
        for (int i = 1; i <= 5; ++i) z[u(i)] = y[u(i)] + h * r3[u(i)];
        ok = calc_dcdt(model, r4, app.k, z) && ok;
        if (!ok) return false;
        for (int i = 1; i <= 5; ++i) y[u(i)] += h * (r1[u(i)] + 2 * r2[u(i)] + 2 * r3[u(i)] + r4[u(i)]) / 6;
        if (cut && y[A] < 0) cutAtZero(y);
        if (!std::isfinite(y[1] + y[2] + y[3] + y[4] + y[5])) return false;
    }
    return true;
}

// Two trials agree when no component of at least `tiny` differs by more than 1 %.
bool agree(const Konz& coarse, const Konz& fine, double tiny) {
    for (int i = 1; i <= 5; ++i) {
        const double sum = std::fabs(coarse[u(i)]) + std::fabs(fine[u(i)]);
        if (sum >= tiny && std::fabs(coarse[u(i)] - fine[u(i)]) / sum > 0.01) return false;
    }
    return true;
}

// The bound below which a component counts as converged: 1e-6 of the largest
// start concentration of the species the model integrates (1e-6 mol/l for
// concentrations near 1). A fixed 1e-6 mol/l would let a micromolar run be
// steered by that bound alone, and a feed of a species the model lacks must
// not loosen it.
double convergedBelow(Integer model) {
    const int slots = integratedSlots(model);
    double scale = 0;
    for (int s = 1; s <= 5; ++s)
        if (slots & (1 << s)) scale = std::max(scale, std::fabs(app.c0[u(s)]));
    return 1e-6 * (scale > 0 ? scale : 1.0);
}

// Integrates from the feed over t. Apart from a reaction that really ends at
// 0, the trials are compared as they come: if both were cut at 0 they would
// agree however inaccurate they are. Only the accepted state is cut. Where an
// interval needs more than kSteifeSchritte steps, that interval and the rest
// of the time go to the implicit integrator. Throws RuntimeFault when that
// cannot go on either (a trial that overflows never agrees).
Konz integrate(Integer model, double t) {
    Konz y = app.c0;
    if (t == 0) return y;
    const double tiny = convergedBelow(model);
    const double H = t / kIntervalle;
    int n = 1;
    double lastStep = H;
    for (int j = 0; j < kIntervalle; ++j) {
        Konz coarse, fine;
        bool coarseOk = rungeKutta(model, y, H, n, coarse);
        bool steif = false;
        for (;;) {
            if (2 * n > kSteifeSchritte) {
                steif = true;
                break;
            }
            n *= 2;
            const bool fineOk = rungeKutta(model, y, H, n, fine);
            if (coarseOk && fineOk && agree(coarse, fine, tiny)) break;
            coarse = fine;
            coarseOk = fineOk;
        }
        if (steif) {
            StiffIntegrator implicit(model, app.k, integratedSlots(model), y, j * H);
            if (!implicit.advanceTo(t, y)) throw RuntimeFault{kUeberlauf};
            app.dtSim = implicit.lastStep();
            return y;
        }
        y = fine;
        if (model == 20 && y[A] < 0) cutAtZero(y);
        lastStep = H / n;
        n = std::max(1, n / 4);
    }
    app.dtSim = lastStep;
    return y;
}

}  // namespace

ReactorStatus CalcBatchKessel(Integer model, double t, Konz& result) {
    const bool closed = ClosedForm::covers(model);
    const bool numerical = isNumericalModel(model);
    if (!closed && !numerical) return {};
    try {
        if (!usableInputs(model, t)) throw RuntimeFault{kUngueltigesArgument};
        if (closed) {
            const ClosedForm form(model, app.c0, app.k);
            form.at(t, result);
        } else {
            const Konz y = integrate(model, t);
            const int slots = integratedSlots(model);
            for (int s = 1; s <= 5; ++s)
                if (slots & (1 << s)) result[u(s)] = y[u(s)];
        }
    } catch (const RuntimeFault&) {
        return ReactorStatus::failure(kBatchFehlerText, kBatchFehlerTitel);
    }
    return {};
}

}  // namespace vrn
