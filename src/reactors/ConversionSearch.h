// The reaction (or residence) time at which a batch or tubular reactor
// reaches a wanted conversion of A.
#pragma once

#include <functional>

#include "engine/ModelInputs.h"
#include "reactors/ReactorStatus.h"

namespace vrn {

// The reactor: the concentrations after the time t (t > 0) into c, which
// comes in cleared; a failed status ends the search.
using ReactorAtTime = std::function<ReactorStatus(double t, Konz& c)>;

struct ConversionSearchResult {
    enum Outcome { Found, NotReached, EngineFailed };
    Outcome outcome = NotReached;
    double t = 0;          // the time found
    Konz c{};              // the concentrations computed at exactly that t
    ReactorStatus status;  // the engine's failure (EngineFailed)
};

// Searches t with (c0A − c(A)(t)) / c0A = U, 0 < U < 1, c0A > 0. From t = 5
// the time is doubled or halved (at most 200 times) until the conversion
// crosses U, then the crossing is narrowed by regula falsi (Illinois, every
// third step a bisection) to 1e-12 of t or until the conversion matches U.
// One more call at the found t gives c. NotReached when no crossing was
// found, when the conversion stays below U through three doublings in a
// row that change it by no more than 1e-9 of itself (it has reached its end
// value), or when the engine fails at a doubled time while every earlier
// time stayed below U; EngineFailed with the engine's status as soon as any
// other call fails.
ConversionSearchResult searchConversionTime(double c0A, double U, const ReactorAtTime& reactor);

// The result the batch and tubular windows show, with the model app.iModell:
// app.cAkt is cleared first; then CalcBatchKessel at t, or, with the
// conversion U given, the time search, t := the time found and app.cAkt :=
// the concentrations at exactly that time. A result that a field cannot show
// (beyond the range of a Single) fails like the engine. `failure` holds the
// engine's status when the outcome is EngineFailed.
enum class CalcOutcome { Done, NotReached, EngineFailed };
CalcOutcome batchResult(bool conversionGiven, double& t, double U, ReactorStatus& failure);

// The same from the inputs `in`, reading and writing nothing of the shared
// state: c takes the place of app.cAkt (cleared first, the result on Done),
// lastStep the last inner step of the batch computation's integration.
CalcOutcome batchResult(const ModelInputs& in, bool conversionGiven, double& t, double U, Konz& c, double& lastStep,
                        ReactorStatus& failure);

}  // namespace vrn
