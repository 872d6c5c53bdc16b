// One integration of an integrated model (7, 9, 10, 13, 14, 15, 18, 20) over
// a grid of equal intervals: the explicit rule takes the intervals it can;
// the first one it refuses, and every later one, go to the implicit
// integrator, interval by interval on the same grid. The curve simulation
// and the batch and tubular reactor drive it by the same rules on grids of
// their own: the curve over 200 intervals of t(max)/200 (its times summed
// up interval by interval), the reactor over 150 intervals of t/150. So a
// batch result at t and the curve's last point at t(max) = t are two
// computations: they agree to the accuracy of the integration (trials that
// agree to 1 % on the explicit rule, kSteifRelTol on the implicit one),
// not to the last bit, and one of them may go to the implicit integrator
// where the other does not.
#pragma once

#include <memory>

#include "engine/ExplicitIntegrator.h"
#include "engine/StiffIntegrator.h"

namespace vrn {

class IntegrationDriver {
public:
    // Model `model` from the concentrations `start` (slots 1..5) with the
    // rate constants k and the order `ordnung` of model 20.
    IntegrationDriver(Integer model, const Konstanten& k, double ordnung, const Konz& start);

    // Advances y over one interval of the grid: it starts at the grid time
    // `from`, is `delta` wide for the explicit rule and ends at the grid time
    // `to` for the implicit integrator (to = from + delta, up to the rounding
    // of the caller's grid). Throws RuntimeFault (engine/Checked.h) with the
    // implicit integrator's reason when that cannot go on.
    void advance(Konz& y, double from, double delta, double to);

    // The width of the last inner step (0 before the first).
    double lastStep() const { return lastStep_; }

    // True once the implicit integrator has taken over.
    bool implicit() const { return steif_ != nullptr; }

private:
    Integer model_;
    Konstanten k_;
    double n_;
    Konz start_;
    ExplicitIntegrator rule_;
    std::unique_ptr<StiffIntegrator> steif_;
    double lastStep_ = 0;
};

}  // namespace vrn
