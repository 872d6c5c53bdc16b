// What the reactor computations need to know of a kinetic model: the species
// and rate constants it uses and its stoichiometric coefficients of
// reaction 1, all read from the engine's stoichiometric table.
#pragma once

#include "base/Types.h"

namespace vrn {

// Species slots 1..5 the model uses, as bits 1..5 (1 << A ...); 0 for 19 and
// numbers outside 1..20.
int reactorSpeciesMask(Integer model);

// Number of rate constants k1, k2, k3 the model uses (0 for no model).
int reactorConstantCount(Integer model);

// Coefficient of species slot s in reaction 1 of the model (0 when it does not
// take part). Model 20 counts A with -1 whatever its order, so that the
// extent of reaction is the A consumed.
double nuReaction1(Integer model, int s);

// True for the single-reaction models (1-5, 8, 12, 16, 17, 20), as the
// model choice sets bEinfacheReaktion; false for 19 and out of range.
bool isSingleReaction(Integer model);

}  // namespace vrn
