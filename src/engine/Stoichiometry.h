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

// Fills app.nu for the model app.iModell: nu(1..5, 1..3) := 0, then the
// model's coefficients from kStoechiometrie; model 20 takes nu(A, 1) = -n
// (callers pass app.nOrdnung). A model number outside 1..18 and 20 leaves the
// matrix all zero. Row and column 0 are not written.
void SetStoechiometrie(Single n);

}  // namespace vrn
