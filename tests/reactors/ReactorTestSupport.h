// The application state with a model's feed and rate constants.
#pragma once

#include <array>

#include "engine/RateLaws.h"
#include "shell/AppState.h"

namespace vrn::test {

// Resets the state and sets model, k(1..3), c0(1..5) (A..Q) and the order n.
inline void setReactor(Integer model, std::array<double, 3> k, std::array<double, 5> c0, Single n = 1.5f) {
    resetAppState("/tmp");
    app.iModell = model;
    app.nOrdnung = n;
    for (std::size_t i = 0; i < 3; ++i) app.k[i + 1] = k[i];
    for (std::size_t i = 0; i < 5; ++i) app.c0[i + 1] = c0[i];
}

// The largest c0(i) − c(i) + tau·r(i) of the five species.
inline double worstBalance(Integer model, const Konz& c, double tau) {
    Konz r{};
    calc_dcdt(model, r, app.k, c, static_cast<double>(app.nOrdnung));
    double worst = 0;
    for (std::size_t i = 1; i <= 5; ++i) worst = std::max(worst, std::abs(app.c0[i] - c[i] + tau * r[i]));
    return worst;
}

}  // namespace vrn::test
