// The implicit integrator that finishes what the explicit Runge-Kutta rule
// cannot do in reasonable time: stiff runs of the integrated models (a fast
// equilibrium beside a slow reaction, as in enzyme kinetics with real
// constants). Variable-order BDF with a dense direct solver and the analytic
// Jacobian of the rate laws (SUNDIALS CVODE).
#pragma once

#include <memory>

#include "engine/RateLaws.h"

namespace vrn {

// Substeps of one interval beyond which the Runge-Kutta rule of the curve
// simulation and of the batch reactor hands the interval and the rest of the
// run over to the implicit integrator. Measured: the 19 models at their
// defaults need 2 substeps per interval, smooth non-stiff runs at most 128;
// the enzyme model with k1 = 1e3 needs 2048 in every interval, order 1/2
// up to 8192 in the interval where A runs out. A run that stays just below
// the bound costs the explicit rule about 1 ms, an implicit run about 0.5 ms.
inline constexpr int kSteifeSchritte = 128;

class StiffIntegrator {
public:
    // Starts at time t0 from the concentrations c (slots 1..5) of model
    // `model` (7, 9, 10, 13, 14, 15, 18 or 20; model 20 reads app.nOrdnung)
    // with the rate constants k. Only the slots in `slots` (bits 1..5) are
    // integrated; the others keep their values. Tolerances: 1e-10 relative
    // and 1e-12 times the largest start concentration of those slots
    // (1e-12 mol/l when all are 0).
    StiffIntegrator(Integer model, const Konstanten& k, int slots, const Konz& c, double t0);
    ~StiffIntegrator();
    StiffIntegrator(const StiffIntegrator&) = delete;
    StiffIntegrator& operator=(const StiffIntegrator&) = delete;

    // Advances to t (not before the current time) and writes the integrated
    // slots of c (model 20: c(A) not below 0, P keeping the sum). Returns
    // false (c untouched) when the integrator cannot go on: a rate or the
    // Jacobian leaves the finite numbers, or the step control fails; it
    // cannot be advanced again after that.
    bool advanceTo(double t, Konz& c);

    // The last internal step width (0 before the first step).
    double lastStep() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vrn
