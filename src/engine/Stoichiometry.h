// The stoichiometric matrix of the kinetic models.
#pragma once

#include <array>

#include "base/Types.h"

namespace vrn {

// One non-zero coefficient of the matrix: species slot (1..5 = A, B, C, P, Q;
// model 10: E, S, ES, P), reaction (1..3; reaction 2 of an equilibrium is its
// reverse reaction) and coefficient (negative consumed, positive formed).
// Model 20's coefficient of A is -1 times the reaction order.
struct StoechEintrag {
    int model;
    int species;
    int reaction;
    int coefficient;
};

// Every non-zero coefficient of every model (model 20: A -1, scaled by n).
inline constexpr StoechEintrag kStoechiometrie[] = {
    {1, A, 1, -1}, {1, P, 1, 1},
    {2, A, 1, -1}, {2, P, 1, 1},
    {3, A, 1, -2}, {3, P, 1, 1},
    {4, A, 1, -1}, {4, B, 1, -1}, {4, P, 1, 1},
    {5, A, 1, -1}, {5, P, 1, 1},
    {6, A, 1, -1}, {6, C, 1, 1}, {6, C, 2, -1}, {6, P, 2, 1},
    {7, A, 1, -1}, {7, B, 1, -1}, {7, C, 1, 1}, {7, A, 2, -1}, {7, C, 2, -1}, {7, P, 2, 1},
    {8, A, 1, -1}, {8, P, 1, 1}, {8, P, 2, -1}, {8, A, 2, 1},
    {9, A, 1, -1}, {9, B, 1, -1}, {9, C, 1, 1}, {9, C, 2, -1}, {9, P, 2, 1},
    {10, A, 1, -1}, {10, B, 1, -1}, {10, C, 1, 1}, {10, C, 2, -1}, {10, A, 2, 1}, {10, B, 2, 1}, {10, C, 3, -1}, {10, P, 3, 1}, {10, A, 3, 1},
    {11, A, 1, -1}, {11, P, 1, 1}, {11, A, 2, -1}, {11, Q, 2, 1},
    {12, A, 1, -1}, {12, B, 1, -1}, {12, P, 1, 2}, {12, P, 2, -2}, {12, A, 2, 1}, {12, B, 2, 1},
    {13, A, 1, -1}, {13, B, 1, -1}, {13, C, 1, 1}, {13, C, 2, -1}, {13, P, 2, 1}, {13, P, 3, -1}, {13, C, 3, 1},
    {14, A, 1, -1}, {14, C, 1, 1}, {14, C, 2, -1}, {14, P, 2, 1}, {14, P, 3, -1}, {14, C, 3, 1},
    {15, A, 1, -1}, {15, C, 1, 1}, {15, C, 2, -1}, {15, A, 2, 1}, {15, C, 3, -1}, {15, P, 3, 1},
    {16, A, 1, -1}, {16, P, 1, 1}, {16, Q, 1, 1},
    {17, A, 1, -1}, {17, B, 1, -1}, {17, P, 1, 1}, {17, P, 2, -1}, {17, A, 2, 1}, {17, B, 2, 1},
    {18, A, 1, -1}, {18, B, 1, -1}, {18, C, 1, 1}, {18, C, 2, -1}, {18, A, 2, 1}, {18, B, 2, 1}, {18, C, 3, -1}, {18, P, 3, 1},
    {20, A, 1, -1}, {20, P, 1, 1},
};

// The directions in which a model's reactions move its species: the
// columns of its stoichiometric matrix over slots 0..5, a reaction and its
// reverse counted once (they move along one line); at most two for every
// model. Model 20 counts A with -1 whatever its order.
struct NetReactions {
    int count = 0;
    std::array<std::array<int, 6>, 3> nu{};
};

constexpr NetReactions netReactions(int model) {
    NetReactions r;
    for (int reaction = 1; reaction <= 3; ++reaction) {
        std::array<int, 6> v{};
        bool any = false;
        for (const StoechEintrag& e : kStoechiometrie)
            if (e.model == model && e.reaction == reaction) {
                v[static_cast<std::size_t>(e.species)] = e.coefficient;
                any = true;
            }
        if (!any) continue;
        // v parallel to a kept column (Cauchy-Schwarz with equality): the same line.
        bool parallel = false;
        for (std::size_t j = 0; j < static_cast<std::size_t>(r.count); ++j) {
            long dot = 0, nn = 0, vv = 0;
            for (std::size_t i = 1; i <= 5; ++i) {
                dot += r.nu[j][i] * v[i];
                nn += r.nu[j][i] * r.nu[j][i];
                vv += v[i] * v[i];
            }
            parallel = parallel || dot * dot == nn * vv;
        }
        if (!parallel) r.nu[static_cast<std::size_t>(r.count++)] = v;
    }
    return r;
}

namespace detail {
constexpr bool atMostTwoNetReactions() {
    for (int model = 0; model <= 20; ++model)
        if (netReactions(model).count > 2) return false;
    return true;
}
}  // namespace detail
static_assert(detail::atMostTwoNetReactions(), "every model moves its species along at most two lines");

// Fills app.nu for the model app.iModell: nu(1..5, 1..3) := 0, then the
// model's coefficients from kStoechiometrie; model 20 takes nu(A, 1) = -n
// (callers pass app.nOrdnung). A model number outside 1..18 and 20 leaves the
// matrix all zero. Row and column 0 are not written.
void SetStoechiometrie(Single n);

}  // namespace vrn
