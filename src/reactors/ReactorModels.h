// What the reactor computations need to know of a kinetic model beyond the
// engine's model facts (engine/ModelFacts.h): its stoichiometric
// coefficients of reaction 1 and whether it is a single reaction.
#pragma once

#include "engine/ModelFacts.h"

namespace vrn {

// Coefficient of species slot s in reaction 1 of the model (0 when it does not
// take part). Model 20 counts A with -1 whatever its order, so that the
// extent of reaction is the A consumed.
double nuReaction1(Integer model, int s);

// True for the single-reaction models (1-5, 8, 12, 16, 17, 20), as the
// model choice sets bEinfacheReaktion; false for 19 and out of range.
bool isSingleReaction(Integer model);

}  // namespace vrn
