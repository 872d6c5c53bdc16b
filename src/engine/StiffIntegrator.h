// The implicit integrator that finishes what the explicit Runge-Kutta rule
// cannot do well: stiff runs of the integrated models (a fast equilibrium
// beside a slow reaction, as in enzyme kinetics with real constants).
// Variable-order BDF with the analytic Jacobian of the rate laws (GSL's
// odeiv2, msbdf).
#pragma once

#include <memory>

#include "engine/RateLaws.h"

namespace vrn {

// Relative tolerance of the implicit integrator; derivatives of its results
// by a parameter are taken with steps that suit it (see the fit objective).
inline constexpr double kSteifRelTol = 1e-10;

class StiffIntegrator {
public:
    // Starts at time t0 from the concentrations c (slots 1..5) of model
    // `model` (7, 9, 10, 13, 14, 15, 18 or 20; model 20 with the order
    // `ordnung`) with the rate constants k. Only the model's integrated slots
    // are integrated; the others keep their values. The rate laws are
    // integrated as they stand, with their true Jacobian.
    // Tolerances: kSteifRelTol relative and, per species, an absolute
    // tolerance of 1e-12 times its start concentration in the run (runStart,
    // the state the whole run started from; c when not given), or for a
    // species that starts below the smallest positive start concentration of
    // the run, 1e-12 times that (so an enzyme at 1e-7 mol/l beside a
    // substrate at 1 mol/l is followed as closely as the substrate); the
    // steps are controlled at a hundredth of it.
    StiffIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& c, double t0);
    StiffIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& c, double t0,
                    const Konz& runStart);
    // The same with the relative tolerance relTol in place of kSteifRelTol
    // (the absolute ones, and the overshoot taken as 0, in proportion).
    StiffIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& c, double t0,
                    const Konz& runStart, double relTol);
    ~StiffIntegrator();
    StiffIntegrator(const StiffIntegrator&) = delete;
    StiffIntegrator& operator=(const StiffIntegrator&) = delete;

    // Advances to t (not before the current time) and writes the integrated
    // slots of c. A result below 0 by no more than kSteifRelTol of the
    // species' scale (the used-up species of a run overshoot that far) is
    // written as 0; one further below is a failure of the integration.
    // Where the method loses its step on a smooth stretch, it starts afresh
    // from the state it reached (a few times in a run). Model 20 below order 1 runs A out at the time its law
    // gives from the state where the stretch starts (exhaustionTime); A is
    // 0 from there on and P keeps the sum. Returns false (c untouched) when
    // the integrator cannot go on: failureText() then says why; it cannot be
    // advanced again after that.
    bool advanceTo(double t, Konz& c);

    // One step of the method from the current time towards t, never past
    // it (the step that would pass t ends on it): the time reached into
    // `reached` and the integrated slots there into c, as the method holds
    // them (a species used up may lie a little below 0 on the way; nothing
    // is made 0). Model 20 goes to t at once, as advanceTo. Returns false (c
    // untouched) on a failure.
    bool stepTowards(double t, Konz& c, double& reached);

    // The reason of the last failure: "Überlauf" when a rate left the finite
    // numbers, otherwise a text on the step control.
    const char* failureText() const;

    // The last internal step width (0 before the first step).
    double lastStep() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vrn
