#include "reactors/Extents.h"

#include "reactors/ReactorModels.h"
#include "shell/AppState.h"

namespace vrn {

void calcKsi() {
    const Integer model = app.iModell;
    const auto& c0 = app.c0;
    const auto& c = app.cAkt;
    auto& ksi = app.ksi;
    ksi[2] = 0;
    switch (model) {
        case 7:
            ksi[1] = c0[B] - c[B];
            ksi[2] = ksi[1] + c0[C] - c[C];
            return;
        case 11:
            ksi[1] = c[P] - c0[P];
            ksi[2] = c[Q] - c0[Q];
            return;
        default: break;
    }
    const double nuA = nuReaction1(model, A);
    if (nuA == 0) return;  // no model
    ksi[1] = (c0[A] - c[A]) / -nuA;
    if (model == 6 || model == 9 || model == 10 || model == 13 || model == 14 || model == 15 || model == 18)
        ksi[2] = c[P] - c0[P];
}

}  // namespace vrn
