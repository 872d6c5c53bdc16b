// Closed-form solutions of the models 1-6, 8, 11, 12, 16 and 17: the
// concentrations at any time t from the initial concentrations c0(1..5) and
// the rate constants k(1..3). The curve simulation and the concentrations at
// one time both evaluate them here, so a single point and the drawn curve
// always agree.
#pragma once

#include <array>

#include "engine/RateLaws.h"

namespace vrn {

// Extent of the reversible second-order models (12: A + B <=> 2P,
// 17: A + B <=> P): dx/dt = a·x² + b·x + c, x(0) = 0.
struct ReversibleExtent {
    double b = 0, c = 0, s = 0;  // s = √(b² − 4·a·c)

    // Any a, also 0. Throws RuntimeFault for a negative discriminant.
    static ReversibleExtent riccati(double a, double b, double c);
    // Model 12: a = k1 − 4·k2, b = −k1·A0 − k1·B0 − 4·k2·P0, c = k1·A0·B0 − k2·P0².
    static ReversibleExtent model12(double A0, double B0, double P0, double k1, double k2);
    // Model 17: a = k1, b = −k1·A0 − k1·B0 − k2, c = k1·A0·B0 − k2·P0; k1 = 0
    // throws RuntimeFault (division by zero) as the documented form does.
    static ReversibleExtent model17(double A0, double B0, double P0, double k1, double k2);

    // x(t). Throws RuntimeFault when the curve leaves every bound before t.
    double at(double t) const;
};

// Relative to the largest start concentration of a model's species: how far
// below 0 a closed form's concentration may lie by rounding alone.
inline constexpr double kRundungsRest = 1e-12;

class ClosedForm {
public:
    // True for the models with a closed-form solution.
    static bool covers(Integer model);
    // True when the closed form of `model` writes species slot s (1..5):
    // 1, 2, 3, 8: A, P; 4, 12, 17: A, B, P; 5, 11, 16: A, P, Q; 6: A, C, P.
    static bool writes(Integer model, int s);

    // Prepares the solution (the roots of models 12 and 17 once for all
    // times). Throws RuntimeFault when it cannot be formed. `model` must be
    // covered.
    ClosedForm(Integer model, const Konz& c0, const Konstanten& k);

    // Writes the concentrations at time t into the model's slots of c (see
    // writes()); the other slots are untouched. A concentration below 0 by no
    // more than kRundungsRest times the largest start concentration of the
    // model's species is rounding and written as 0. Throws RuntimeFault
    // (overflow, division by zero); c is then untouched.
    void at(double t, Konz& c) const;

    // The slots writes() names, as bits 1..5.
    int speciesMask() const { return mask_; }

private:
    Integer model_;
    int mask_;
    double A0_, B0_, C0_, P0_, Q0_, k1_, k2_;
    double residue_ = 0;  // a value this far below 0 at most is 0
    ReversibleExtent ext_;
};

}  // namespace vrn
