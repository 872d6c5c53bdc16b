// Small rules the three reactor windows share: the colour of the reacting
// mixture, the protocol row of a result, and what a field can show.
#pragma once

#include <array>
#include <string>

#include "base/Types.h"
#include "shell/state/ReactorState.h"

namespace vrn {

// Colour of the mixture at the conversion x: red (1 − x)·255, green 255,
// blue x·255, each rounded half to even (yellow at 0, cyan at 1, (128, 255,
// 128) at 0.5). x outside 0..1 counts as the nearer end, a non-finite x as 0.
Colour conversionColour(double x);

// The numbers read from the texts of Inp(0..16).
using FieldValues = std::array<double, 17>;

// The protocol row of a result of the window of type `window` (2 stirred
// tank, 3 batch, 4 tube): all 20 columns 0 first; the batch fills columns
// 0..14 from Inp(0..14), the tube 0..15 from Inp(0..15), the tank 0..13 from
// Inp(0..13), t (14) from Inp(16), V (16) from Inp(14), V* (17) from Inp(15);
// ksi(1), ksi(2) into 18, 19. The feed and outlet columns of species and the
// columns of rate constants the model does not use stay 0, whatever their
// (hidden) fields hold.
ProtRow protocolRow(int window, Integer model, const FieldValues& fields, double ksi1, double ksi2);

// The tube's length l = t·v in m, with the residence time t in the time unit
// `zeiteinheit` ("s", "min", "h", "d", "a"; trailing blanks ignored, any
// other text counts as "s") taken in seconds and v in m/s.
double tubeLength(double t, double v, const std::string& zeiteinheit);
// The residence time l / v (l in m, v in m/s) in the time unit `zeiteinheit`.
double tubeResidenceTime(double l, double v, const std::string& zeiteinheit);

// True when v is finite and within the range of a Single, so that a field
// can show it.
bool showableAsSingle(double v);

}  // namespace vrn
