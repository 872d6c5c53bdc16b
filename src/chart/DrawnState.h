// The state the chart's curves were drawn with (app.gezeichnetMit), kept at
// every chart request: the half-life marks and the single-point calculator
// answer for the curves on the screen, in the unit of their axis, from it.
#pragma once

#include "engine/ConcentrationAtTime.h"
#include "engine/HalfLife.h"
#include "shell/AppState.h"

namespace vrn {

// Keeps the model, its order, the constants, the start concentrations, the
// unit, the range and the species mask in force as the drawn state (one
// change of the shared state); the half-lives of its curves are computed
// from it when a mark asks for them.
void merkeGezeichnetenStand();

// The drawn state; the state in force while no chart was drawn.
GezeichnetMit gezeichnetOderJetzt();

// What a value at one time and a half-life of the drawn curves are computed from.
AtTimeInputs eingabenAusGezeichnet(const GezeichnetMit& g);
HalbwertszeitLage lageAusGezeichnet(const GezeichnetMit& g);

}  // namespace vrn
