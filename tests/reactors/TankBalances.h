// The balances of a stirred tank, c0 − c + tau·r(c) = 0, written out once
// more for the tests, in long double, on the net reactions of
// support/NetReactions.h, sharing nothing with the program.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "support/NetReactions.h"

namespace vrn::test {

using LD = long double;
using LConc = std::array<LD, 6>;  // slots 1..5: A, B, C, P, Q (model 10: E, S, ES, P)

// How far an outlet and its residence time lie from a true steady state:
// the Newton step of the balances of all the model's species with c(A) held
// at out(A) and the residence time free.
struct ConversionStep {
    double species = HUGE_VAL;  // the largest concentration change, in units of the largest feed
    double tau = HUGE_VAL;      // the change of the residence time, in units of it
};

inline ConversionStep tankConversionStep(int model, const std::array<double, 3>& k, const std::array<double, 6>& c0,
                                         double n, double tau, const std::array<double, 6>& out) {
    const int used = referenceSpecies(model);
    std::vector<std::size_t> sl;  // the model's species; A first
    LD scale = 0;
    for (std::size_t q = 1; q <= 5; ++q)
        if (used & (1 << q)) {
            sl.push_back(q);
            scale = std::max<LD>(scale, c0[q]);
        }
    LConc x{};
    for (std::size_t q = 1; q <= 5; ++q) x[q] = out[q];
    LConc rate{};
    std::array<LConc, 6> J{};
    for (const NetReaction<LD>& r : netReactions<LD>(model, k, x, n))
        for (std::size_t i = 1; i <= 5; ++i) {
            rate[i] += r.nu[i] * r.rate;
            for (std::size_t j = 1; j <= 5; ++j) J[i][j] += r.nu[i] * r.grad[j];
        }
    // Unknowns: the species after A, then tau; one balance per species.
    const std::size_t m = sl.size();
    const LD t = tau;
    std::vector<std::vector<LD>> a(m, std::vector<LD>(m + 1));
    for (std::size_t i = 0; i < m; ++i) {
        const std::size_t s = sl[i];
        for (std::size_t j = 1; j < m; ++j) a[i][j - 1] = t * J[s][sl[j]] - (s == sl[j] ? 1 : 0);
        a[i][m - 1] = rate[s];
        a[i][m] = -(static_cast<LD>(c0[s]) - x[s] + t * rate[s]);
    }
    for (std::size_t col = 0; col < m; ++col) {
        std::size_t p = col;
        for (std::size_t i = col + 1; i < m; ++i)
            if (std::fabs(a[i][col]) > std::fabs(a[p][col])) p = i;
        std::swap(a[col], a[p]);
        if (!(a[col][col] != 0)) return {};
        for (std::size_t i = col + 1; i < m; ++i) {
            const LD g = a[i][col] / a[col][col];
            for (std::size_t j = col; j <= m; ++j) a[i][j] -= g * a[col][j];
        }
    }
    std::vector<LD> d(m);
    for (std::size_t i = m; i-- > 0;) {
        LD v = a[i][m];
        for (std::size_t j = i + 1; j < m; ++j) v -= a[i][j] * d[j];
        d[i] = v / a[i][i];
    }
    ConversionStep st;
    LD worst = 0;
    for (std::size_t j = 0; j + 1 < m; ++j) worst = std::max(worst, std::fabs(d[j]) / scale);
    st.species = static_cast<double>(worst);
    st.tau = static_cast<double>(std::fabs(d[m - 1]) / t);
    if (!std::isfinite(st.species)) st.species = HUGE_VAL;
    if (!std::isfinite(st.tau)) st.tau = HUGE_VAL;
    return st;
}

}  // namespace vrn::test
