// The concentrations of an integrated model (7, 9, 10, 13, 14, 15, 18, 20)
// at chosen times, each computed at that time: one integration from the
// start that serves every time asked for, in rising order. A value at one
// time is as exact as the integration, not as the output grid of a curve.
#pragma once

#include <memory>
#include <vector>

#include "engine/ModelInputs.h"

namespace vrn {

// Relative tolerance of the integration to chosen times; absolute, 1e-3 of
// it times the largest start concentration of the integrated species.
inline constexpr double kStoppRelTol = 1e-10;
// Relative tolerance of a run kept to the digits of one species (tightenFor).
inline constexpr double kGenauRelTol = 1e-12;

class TimeStopIntegrator {
public:
    // From the start concentrations of `in` at time 0. The tolerances take
    // their scale from `runStart` (the start of the whole run when this one
    // goes on from a state on its way; in.c0 when not given).
    explicit TimeStopIntegrator(const ModelInputs& in);
    TimeStopIntegrator(const ModelInputs& in, const Konz& runStart);
    ~TimeStopIntegrator();
    TimeStopIntegrator(const TimeStopIntegrator&) = delete;
    TimeStopIntegrator& operator=(const TimeStopIntegrator&) = delete;

    // The state at t, not before the time asked for last, into the
    // integrated slots of c; the other slots are untouched. The explicit
    // pair of Dormand and Prince (orders 5 and 4) takes steps each kept to
    // kStoppRelTol, and a time inside a step is read off the step's
    // continuous extension of order 4 (whose error is that of the step);
    // with `land` the step that would pass t ends on it. Where the run
    // turns stiff (the steps are held by stability, not by accuracy) the
    // implicit integrator (StiffIntegrator) goes on from there and stops at
    // every time. A value below 0 by rounding is 0; A of model 20 that ran
    // out is 0, P keeping the sum. Returns false (c untouched) when the
    // integration cannot go on (overflow, an input that is not finite, a
    // time before the last one asked for); failureText() then says why, and
    // it cannot be advanced again.
    bool advanceTo(double t, Konz& c, bool land = true);

    // advanceTo for many reads: the values of the slots slot[0..n) at t into
    // v[0..n), a slot outside 1..5 or not integrated read as 0.
    bool valuesAt(double t, const int* slot, std::size_t n, double* v, bool land);

    // valuesAt at the times t[order[0]], t[order[1]], ... (rising; the
    // last one landed on when landLast) into out[i·n .. i·n + n) for the
    // i-th of them.
    bool valuesAtTimes(const double* t, const std::size_t* order, std::size_t count, const int* slot, std::size_t n,
                       double* out, bool landLast = true);

    // The run keeps slot `slot` to its own digits: every step (explicit and
    // implicit) to kGenauRelTol, and the slot's absolute tolerance
    // 1e-3·kGenauRelTol of its own start concentration where that is
    // tighter than the run's. A species that starts far below the others is
    // then followed to its own digits, and one that another species
    // hundreds of times its size consumes is not lost in that species'
    // rounding (their errors would add up over the run). Only before the
    // first advance.
    void tightenFor(int slot);

    // The first time after the time reached, up to tMax, at which slot
    // `slot` (an integrated one) falls below `level`, located as the
    // integration goes: on the explicit pair, on each step's continuous
    // extension (at its quarters and its end, then by halving, to the last
    // bit); on the implicit integrator, step by step, narrowed by runs from
    // the start of the step that holds it. found := true and tFound := that
    // time, or found := false when the slot stays at or above the level up
    // to tMax. The integrator stands at the end of the step that holds the
    // crossing (or at tMax) and is not advanced to times before it again.
    // False on a failure (failureText()).
    bool firstBelow(int slot, double level, double tMax, bool& found, double& tFound);

    const char* failureText() const;

    // True once the implicit integrator has taken over.
    bool implicit() const;

    // The widths of the accepted explicit steps are appended to *steps.
    void record(std::vector<double>* steps);
    // The explicit steps take the widths of *steps, one after the other,
    // without error control, as long as there are any (then it goes on with
    // its own control). A run with slightly changed inputs on the steps of
    // another keeps its difference from that run free of the noise of a
    // step control that decides anew (a derivative by a parameter).
    void replay(const std::vector<double>* steps);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The integrated slots of model `in.model` at time t >= 0 into c (the other
// slots untouched); false when it cannot be computed.
bool integratedAt(const ModelInputs& in, double t, Konz& c);

}  // namespace vrn
