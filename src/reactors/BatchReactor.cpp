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

bool usableInputs(const ModelInputs& in, double t) {
    if (!(std::isfinite(t) && t >= 0)) return false;
    const int species = modelSpecies(in.model);
    for (int s = 1; s <= 5; ++s)
        if ((species & (1 << s)) && !(std::isfinite(in.c0[u(s)]) && in.c0[u(s)] >= 0)) return false;
    for (int i = 1; i <= modelConstantCount(in.model); ++i)
        if (!(std::isfinite(in.k[u(i)]) && in.k[u(i)] >= 0)) return false;
    return in.model != 20 || std::isfinite(in.ordnung);
}

// Integrates from the feed over t in 150 equal intervals (IntegrationDriver);
// throws RuntimeFault when neither integrator can go on.
Konz integrate(const ModelInputs& in, double t, double& lastStep) {
    Konz y = in.c0;
    if (t == 0) return y;
    const double H = t / kIntervalle;
    IntegrationDriver drive(in.model, in.k, in.ordnung, y);
    for (int j = 0; j < kIntervalle; ++j) drive.advance(y, j * H, H, j + 1 == kIntervalle ? t : (j + 1) * H);
    lastStep = drive.lastStep();
    lastImplicit = drive.implicit();
    return y;
}

}  // namespace

ReactorStatus CalcBatchKessel(Integer model, double t, Konz& result) {
    ModelInputs in = currentModelInputs();
    in.model = model;
    return CalcBatchKessel(in, t, result, app.dtSim);
}

ReactorStatus CalcBatchKessel(const ModelInputs& in, double t, Konz& result, double& lastStep) {
    const Integer model = in.model;
    // Model 20 of a very high order: A moves by less than its rounding while
    // its rate changes by factors, which no integration follows; its closed
    // form holds there.
    const bool closed = ClosedForm::covers(model) || (model == 20 && in.ordnung > kGrosseOrdnung);
    const bool numerical = isNumericalModel(model);
    lastImplicit = false;
    if (!closed && !numerical) return {};
    try {
        if (!usableInputs(in, t)) throw RuntimeFault{kUngueltigesArgument};
        if (closed) {
            const ClosedForm form(model, in.c0, in.k, in.ordnung);
            form.at(t, result);
        } else {
            const Konz y = integrate(in, t, lastStep);
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
