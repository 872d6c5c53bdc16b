#include "reactors/Extents.h"

#include "reactors/ReactorModels.h"
#include "shell/AppState.h"

namespace vrn {

void calcKsi() { calcKsi(app.iModell, app.c0, app.cAkt, app.ksi[1], app.ksi[2]); }

void calcKsi(Integer model, const Konz& c0, const Konz& c, double& ksi1, double& ksi2) {
    ksi2 = 0;
    switch (model) {
        case 7:
            ksi1 = c0[B] - c[B];
            ksi2 = ksi1 + c0[C] - c[C];
            return;
        case 11:
            ksi1 = c[P] - c0[P];
            ksi2 = c[Q] - c0[Q];
            return;
        default: break;
    }
    const double nuA = nuReaction1(model, A);
    if (nuA == 0) return;  // no model
    ksi1 = (c0[A] - c[A]) / -nuA;
    if (model == 6 || model == 9 || model == 10 || model == 13 || model == 14 || model == 15 || model == 18)
        ksi2 = c[P] - c0[P];
}

}  // namespace vrn
