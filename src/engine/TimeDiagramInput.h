// Checks of the time-diagram inputs: every failing line at once.
#pragma once

#include <string>

namespace vrn {

// The line for a t(max) too large to be stored.
inline constexpr const char* kZeitZuGross = "- Zeit-Vorgabe zu groß: t(max) darf höchstens 3.4E+38 sein";

struct TimeDiagramVisibility {
    bool fieldB = false;   // Inp(1) shown
    bool fieldK2 = false;  // Inp(11) shown
    bool fieldK3 = false;  // Inp(12) shown
};

// Checks c0, k, tEnd and nOrdnung of the application state for the draw
// button (forList false) or the value-table button (forList true). Returns
// the failing lines, each "- ..." followed by CR LF; empty when all pass.
std::string checkTimeDiagramInputs(bool forList, const TimeDiagramVisibility& shown);

}  // namespace vrn
