// The masks of a diagram kind: which of the species A, B, C, P, Q (model 10:
// E, S, ES, P) a chart of that kind shows, which of the rate constants k1, k2,
// k3 it uses, and whether it is a k-T diagram. A model's own kind (1..18, 20)
// takes its species and constants from the model facts, so the masks cannot
// drift from the stoichiometric matrix.
#pragma once

#include <string>

#include "base/Types.h"

namespace vrn {

struct DiagramMasks {
    std::string species = "00000";  // 5 characters "0"/"1" for A, B, C, P, Q ("00002": the linearised plots)
    std::string constants = "000";  // 3 characters for k1, k2, k3
    bool kTDiagram = false;         // kinds -4..-2

    bool operator==(const DiagramMasks&) const = default;
};

// The masks of a diagram kind or model number in an evaluation mode
// (bAuswertungsart): -11, -10 "10010"; -9 and -1 "11111"; -8..-5 "00002";
// -4..-2 none, as k-T diagrams; 0..20 the model's species and constants. Mode
// 6 with kind 2 and mode 7 with kind 3 give A with k1 and k2 ("10000",
// "110"), mode 2 with kind 20 adds k2 (the order). Every other kind has no
// masks. Reads and writes nothing.
DiagramMasks diagramMasks(Integer kind, int mode);

// sSpeziesMaske, sKonstMaske and bKTDiagramm := diagramMasks(kind,
// bAuswertungsart). Never fails.
void SetSpeziesMaske(Integer kind);

}  // namespace vrn
