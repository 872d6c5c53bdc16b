// The state the chart's curves were drawn with (app.gezeichnetMit): kept at
// every chart request, and lent to the shared state while a question about
// the drawn curves is answered (the half-life marks, the single-point
// calculator), so that the answer speaks of the curves on the screen in the
// unit of their axis.
#pragma once

#include "shell/AppState.h"

namespace vrn {

// Keeps the model, its order, the constants, the start concentrations, the
// unit, the range, the species mask and the simulated half-lives in force as
// the drawn state (one change of the shared state).
void merkeGezeichnetenStand();

// For its lifetime the shared state holds the drawn model inputs; the former
// values come back when it goes. Nothing is announced: the state in force is
// the same before and after.
class ImGezeichnetenStand {
public:
    ImGezeichnetenStand();
    ~ImGezeichnetenStand();
    ImGezeichnetenStand(const ImGezeichnetenStand&) = delete;
    ImGezeichnetenStand& operator=(const ImGezeichnetenStand&) = delete;

private:
    GezeichnetMit vorher_;
};

}  // namespace vrn
