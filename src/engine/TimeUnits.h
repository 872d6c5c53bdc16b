// Time units of the model and the measured data, and their conversion.
#pragma once

#include <array>

#include "base/TimeUnitTexts.h"
#include "base/Types.h"

namespace vrn {

// Switches the time unit from `alt` to `neu` (indices as above):
// 1. app.sZeiteinheit := the text of neu when neu is 0..4.
// 2. When neu differs from alt (both 0..4), with f = app.Zeitfaktor(alt, neu),
//    the length of unit alt in unit neu: every t of ExpDaten(1..nExpPunkte)
//    is multiplied by f and k(1..3) are divided by f. Nothing else is
//    converted (tEnd, the simulated curves, the other fields of the points).
// 3. All of it is one change of the shared state (time unit, and after a
//    conversion the data set and the rate constants, with the factor f): the
//    windows that show them hear it once.
// A unit index outside 0..4 converts nothing. When a converted number would
// overflow, the message "Überlauf" titled "Meldung von setZeiteinheit" is
// shown and nothing at all is changed.
void setZeiteinheit(Integer neu, Integer alt);

// A data set has brought its own unit `neu` in place of `alt` (its times are
// in that unit already): k(1..3) are divided by f = app.Zeitfaktor(alt, neu),
// as setZeiteinheit converts them, so that the model keeps its speed. One
// change of the shared state with the factor f. Nothing is converted, and
// false returned, when an index lies outside 0..4, the units are the same or
// a converted constant would not be finite.
bool konstantenInEinheit(int alt, int neu);

}  // namespace vrn
