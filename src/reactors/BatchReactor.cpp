#include "reactors/BatchReactor.h"

#include <algorithm>
#include <cmath>

#include "engine/Checked.h"
#include "engine/ClosedForms.h"
#include "engine/IntegrationDriver.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

constexpr int kIntervalle = 150;

bool lastImplicit = false;

std::size_t u(int i) { return static_cast<std::size_t>(i); }

bool usableInputs(Integer model, double t) {
    if (!(std::isfinite(t) && t >= 0)) return false;
    const int species = modelSpecies(model);
    for (int s = 1; s <= 5; ++s)
        if ((species & (1 << s)) && !(std::isfinite(app.c0[u(s)]) && app.c0[u(s)] >= 0)) return false;
    for (int i = 1; i <= modelConstantCount(model); ++i)
        if (!(std::isfinite(app.k[u(i)]) && app.k[u(i)] >= 0)) return false;
    return model != 20 || std::isfinite(app.nOrdnung);
}

// Integrates from the feed over t in 150 equal intervals (IntegrationDriver);
// throws RuntimeFault when neither integrator can go on.
Konz integrate(Integer model, double t) {
    Konz y = app.c0;
    if (t == 0) return y;
    const double H = t / kIntervalle;
    IntegrationDriver drive(model, app.k, static_cast<double>(app.nOrdnung), y);
    for (int j = 0; j < kIntervalle; ++j) drive.advance(y, j * H, H, j + 1 == kIntervalle ? t : (j + 1) * H);
    app.dtSim = drive.lastStep();
    lastImplicit = drive.implicit();
    return y;
}

}  // namespace

ReactorStatus CalcBatchKessel(Integer model, double t, Konz& result) {
    const bool closed = ClosedForm::covers(model);
    const bool numerical = isNumericalModel(model);
    lastImplicit = false;
    if (!closed && !numerical) return {};
    try {
        if (!usableInputs(model, t)) throw RuntimeFault{kUngueltigesArgument};
        if (closed) {
            const ClosedForm form(model, app.c0, app.k);
            form.at(t, result);
        } else {
            const Konz y = integrate(model, t);
            const int slots = integratedSlots(model).bits();
            for (int s = 1; s <= 5; ++s)
                if (slots & (1 << s)) result[u(s)] = y[u(s)];
        }
    } catch (const RuntimeFault&) {
        lastImplicit = false;
        return ReactorStatus::failure(kBatchFehlerText, kBatchFehlerTitel);
    }
    return {};
}

bool lastBatchImplicit() { return lastImplicit; }

}  // namespace vrn
