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
    // The same with the discriminant b² − 4·a·c written out by the caller in
    // a form without cancellation; used where b² and 4·a·c agree in more
    // than their leading bit (the plain difference would lose the rest).
    static ReversibleExtent riccati(double a, double b, double c, double expanded);
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

// Model 20, A => P of order n: dA/dt = −k1·A^n, from A0 > 0. The extent
// x = A0 − A(t) and A(t) itself, each with all its digits (A(t) = A0·e^L
// and x = −A0·(e^L − 1) from L = ln(A(t)/A0), which is −k1·t for n = 1,
// −ln(1 + (n − 1)·k1·A0^(n−1)·t)/(n − 1) above 1, ln(1 − (1 − n)·k1·A0^(n−1)·t)/(1 − n)
// below 1 until A runs out, from where A = 0). A0 <= 0 or k1·t = 0: nothing
// reacts. Holds for every finite n, 1e30 as well as 1.5. Throws RuntimeFault
// when an input is not finite.
struct OrderNCurve {
    double A = 0, x = 0;
};
OrderNCurve orderNAt(double A0, double k1, double n, double t);

// Orders of model 20 beyond which the integrators cannot follow the curve
// (A moves by less than its own rounding while its rate changes by
// factors): the curve simulation and the batch reactor take the closed
// form (orderNAt) above it.
inline constexpr double kGrosseOrdnung = 50;

class ClosedForm {
public:
    // True for the models with a closed-form solution.
    static bool covers(Integer model);
    // True where a value at one time comes from a closed form: the covered
    // models and model 20 (orderNAt), whose curve is integrated like the
    // other models' but has one.
    static bool coversAtOneTime(Integer model) { return covers(model) || model == 20; }
    // True when the closed form of `model` writes species slot s (1..5):
    // 1, 2, 3, 8: A, P; 4, 12, 17: A, B, P; 5, 11, 16: A, P, Q; 6: A, C, P.
    static bool writes(Integer model, int s);

    // Prepares the solution (the roots of models 12 and 17 once for all
    // times). Throws RuntimeFault when it cannot be formed. `model` must be
    // covered at one time (model 20 with its order `ordnung`; writes A, P).
    ClosedForm(Integer model, const Konz& c0, const Konstanten& k, double ordnung = 1);

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
    double A0_, B0_, C0_, P0_, Q0_, k1_, k2_, n_;
    double residue_ = 0;  // a value this far below 0 at most is 0
    ReversibleExtent ext_;
};

}  // namespace vrn
