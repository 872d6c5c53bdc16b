// The value table of a simulation as fixed-width text: an empty line, the
// header line, two empty lines and one line per simulated point; each line
// is 6 blanks and five 14-character fields joined by Tab, lines joined by CR LF.
#pragma once

#include <array>
#include <string>

namespace vrn {

// The species slot (1..5) of each of the four columns for the current model
// and mode; 0 = blank column.
std::array<int, 4> valueTableColumns();

// The table text of the current simulation results (tSim, cSim_*/rSim_*,
// nSimPunkte, iModell, bRateDiagramm, bMMdiagramm, bMMnormiert, sZeiteinheit).
std::string buildValueTable();

// Left-aligned in exactly 14 characters (longer texts are cut).
std::string field14(const std::string& s);

}  // namespace vrn
