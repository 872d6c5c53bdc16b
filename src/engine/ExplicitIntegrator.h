// The explicit rule of the integrated models (7, 9, 10, 13, 14, 15, 18, 20),
// shared by the curve simulation and the batch and tubular reactor
// (IntegrationDriver): classical fourth-order Runge-Kutta steps with step
// doubling, one output interval at a time. An interval the rule cannot
// take, and the rest of the run, go to the implicit integrator
// (StiffIntegrator).
#pragma once

#include <memory>

#include "engine/RateLaws.h"

namespace vrn {

// Substeps of one interval beyond which an interval goes to the implicit
// integrator. Measured: the 19 models at their defaults need 2 substeps per
// interval, smooth non-stiff runs at most 128; the enzyme model with k1 =
// 1e3 needs 2048 in every interval, order 1/2 up to 8192 in the interval
// where A runs out. A run that stays just below the bound costs the explicit
// rule about 1 ms, an implicit run about 0.5 ms.
inline constexpr int kSteifeSchritte = 128;

class ExplicitIntegrator {
public:
    // Model `model` (an integrated model) with the rate constants k and the
    // order `ordnung` of model 20. The integrated slots of `start` set the
    // scale of the step control: a component whose two trials sum to less
    // than 1e-6 times the largest of them (1e-6 when all are 0) counts as
    // converged, so a micromolar run is controlled as closely as a molar one
    // and a feed of a species the model lacks does not loosen it.
    ExplicitIntegrator(Integer model, const Konstanten& k, double ordnung, const Konz& start);
    ~ExplicitIntegrator();
    ExplicitIntegrator(const ExplicitIntegrator&) = delete;
    ExplicitIntegrator& operator=(const ExplicitIntegrator&) = delete;

    // Advances the integrated slots of y over `delta`. The substep count m
    // (1 at the start) doubles until a trial of m and one of 2m substeps
    // agree: each integrated component has |coarse| + |fine| below the scale
    // above, or |coarse - fine| / (|coarse| + |fine|) <= 1 %; and the finer
    // trial's substep is stable for every decaying mode of the Jacobian at
    // the start and at the end of the interval (two trials beyond the
    // stability limit can agree and both be wrong: such a pair halves the
    // substep as a disagreeing one does); and no component that is at least
    // 0 at the interval's start ends below 0 in the finer trial (the rate
    // laws keep every concentration at or above 0; a pair that overshoots
    // a small one, unseen by the 1 % test, is refined so too). y then takes
    // the finer trial and m
    // falls to a quarter of it (at least 1) for the next interval, to a half
    // where stability set it. Order n < 1 of model 20 uses A up in a finite
    // time: the interval in which it runs out (exhaustionTime from the
    // interval's start) ends with A = 0 and P keeping the sum; a trial in
    // which A reaches 0 before that counts as overshot.
    // Returns false, y untouched, when the interval belongs to the implicit
    // integrator: it needs more than kSteifeSchritte substeps, or (order
    // n < 1) A runs out within a few intervals, faster than trials that agree
    // to 1 % follow it.
    bool advance(Konz& y, double delta);

    // The width of the last accepted substep (0 before the first).
    double lastStep() const { return lastStep_; }

    struct Rule;
    // The Jacobian of the integrated components alone (row and column i:
    // the i-th integrated slot).
    using Teiljacobi = std::array<std::array<double, 5>, 5>;

private:
    std::unique_ptr<Rule> rule_;
    int m_ = 1;
    double lastStep_ = 0;
    bool (*advance_)(ExplicitIntegrator&, Konz&, double) = nullptr;
    Konz lastEnd_{};  // the start of the next interval
    bool haveStart_ = false;

    // True when a substep of width h is stable at the start and at the end
    // of the interval (see advance).
    template <int M>
    bool stable(const Konz& start, const Konz& end, double h);
    template <int M>
    static bool advanceModel(ExplicitIntegrator& self, Konz& y, double delta);
};

// True when a classical Runge-Kutta step of width h is stable for every
// decaying mode of the rate laws of model `model` (an integrated model)
// linearised with the Jacobian J (slots 1..5; rates r = N rho(c), so J = N G
// with N the directions of the model's reactions): each eigenvalue lambda
// of G N with negative real part has |R(h lambda)| <= 1, R the rule's
// amplification polynomial. Below the radius of the largest half-disc inside
// the stability region (h times the norm of J at most 2.6) it needs no
// eigenvalues. The explicit rule judges its substeps so.
bool rungeKuttaStable(Integer model, const Jacobi& J, double h);

}  // namespace vrn
