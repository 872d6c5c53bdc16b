// The reaction (or residence) time at which a batch or tubular reactor
// reaches a wanted conversion of A.
#pragma once

#include <functional>
#include <string>

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
    // The shortest and the longest time the engine computed (NotReached:
    // the span in which the conversion was not found).
    double tVon = 0, tBis = 0;
};

// Searches t with (c0A − c(A)(t)) / c0A = U, 0 < U < 1, c0A > 0. From t = 5
// the time is doubled or halved (at most 200 times) until the conversion
// crosses U, then the crossing is narrowed by regula falsi (Illinois, every
// third step a bisection) to 1e-12 of t or until the conversion matches U.
// One more call at the found t gives c.
// When the doublings end below U, the search goes on from the last time
// computed, up to the largest Single (3.4E+38): a conversion that stayed
// the same through three doublings (one that has not started yet, or has
// reached its end) is followed in steps of 16, 256, 65536, ... times while
// it stays the same, and in doublings once it moves; a time the engine
// cannot compute makes the step the root of itself (and no longer grow),
// down to a factor of 1.001, at most 200 calls. A crossing found that way
// is halved in the logarithm of t down to one doubling, then narrowed.
// NotReached when no crossing was found within the times tried (halving
// down to 5·2^-200, or up to 3.4E+38, or the engine failing at every time
// beyond the last); EngineFailed with the engine's status when the first
// call fails or a call within a crossing fails.
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
// On NotReached `versucht`, when given, takes the span of times tried.
struct ZeitSpanne {
    double von = 0, bis = 0;
};
CalcOutcome batchResult(const ModelInputs& in, bool conversionGiven, double& t, double U, Konz& c, double& lastStep,
                        ReactorStatus& failure, ZeitSpanne* versucht = nullptr);

// The one line of a conversion not found: "Für den Vorgabe-Umsatz U(A)
// wurde zwischen t = <von> und t = <bis> <unit> keine Reaktionszeit
// gefunden." with the times as plain number text of their Single values
// (without the leading blank) and the unit trimmed; without a span (von and
// bis 0) the line without "zwischen ...".
std::string zeitNichtGefundenText(const ZeitSpanne& versucht, const std::string& einheit);

}  // namespace vrn
