// Concentrations of a kinetic model at one time.
#pragma once

#include "engine/RateLaws.h"

namespace vrn {

// The concentrations c(1..5) of model `model` at time t.
// - Closed forms (1-6, 8, 11, 12, 16, 17): from app.c0 and app.k with the same
//   formulas the curve simulation draws (ClosedForm); only the model's
//   species are written.
// - Numerically integrated models (7, 9, 10, 13, 14, 15, 18, 20), when
//   app.bMMdiagramm is false: read off the Akima splines of the last
//   simulation (app.SplX(0) = point count) for each species whose character in
//   app.sSpeziesMaske is "1"; beyond the simulated times the straight
//   continuation of the spline.
// - Model 19, other numbers, and a numerical model while bMMdiagramm is true
//   leave c untouched.
// Writes nothing of the shared state. fehler := 0 on entry, -1 on a failure
// (overflow, division by zero, a negative root argument, no usable spline
// store); no message is shown, and c is then untouched for a closed form
// (species splined before the failure keep their new values).
void calc_functioncT_at_t(Integer model, double t, Konz& c, Integer& fehler);

}  // namespace vrn
