// The state the chart's curves were drawn with (app.gezeichnetMit), kept at
// every chart request: the half-life marks and the single-point calculator
// answer for the curves on the screen, in the unit of their axis, from it.
#pragma once

#include "engine/ConcentrationAtTime.h"
#include "engine/HalfLife.h"
#include "shell/AppState.h"

namespace vrn {

// Keeps the model, its order, the constants, the start concentrations, the
// unit and the range in force as the drawn state of a chart of the kind,
// with the species its curves show: the model's for model curves (1..20,
// 51..70), the masks in force (which the chart window has set for its kind)
// for the others. One change of the shared state; the half-lives of its
// curves are computed from it when a mark asks for them.
void merkeGezeichnetenStand(Integer kind);

// The drawn state; the state in force while no chart was drawn.
GezeichnetMit gezeichnetOderJetzt();

// What a value at one time and a half-life of the drawn curves are computed from.
AtTimeInputs eingabenAusGezeichnet(const GezeichnetMit& g);
HalbwertszeitLage lageAusGezeichnet(const GezeichnetMit& g);

}  // namespace vrn
