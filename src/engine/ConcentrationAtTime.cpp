#include "engine/ConcentrationAtTime.h"

#include <cmath>

#include "engine/Akima.h"
#include "engine/Checked.h"
#include "engine/ClosedForms.h"
#include "shell/AppState.h"

namespace vrn {

void calc_functioncT_at_t(Integer model, double t, Konz& c, Integer& fehler) {
    fehler = 0;
    if (ClosedForm::covers(model)) {
        try {
            ClosedForm(model, app.c0, app.k).at(checked::finite(t), c);
        } catch (const RuntimeFault&) {
            fehler = -1;
        }
        return;
    }
    if (!isNumericalModel(model) || app.bMMdiagramm) return;
    if (app.SplX.empty() || !std::isfinite(app.SplX[0]) || std::fabs(app.SplX[0]) > 32767) {
        fehler = -1;
        return;
    }
    const auto n = static_cast<Integer>(std::lround(app.SplX[0]));
    const std::string& mask = app.sSpeziesMaske;
    for (int j = 1; j <= 5 && static_cast<std::size_t>(j) <= mask.size(); ++j) {
        if (mask[static_cast<std::size_t>(j - 1)] != '1') continue;
        const auto v = AkimaSplineWert(0, static_cast<Integer>(j), t, n, app.SplX, app.SplY, app.SplKoeffD,
                                       app.SplKoeffC, app.SplKoeffB, app.SplKoeffA);
        if (!v || !std::isfinite(*v)) {
            fehler = -1;
            return;
        }
        c[static_cast<std::size_t>(j)] = *v;
    }
}

}  // namespace vrn
