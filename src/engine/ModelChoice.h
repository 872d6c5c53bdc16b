// The model choice: the one place where the program-wide model state is set
// (model number, diagram kind, default rate constants and initial
// concentrations, model flags, masks, stoichiometric matrix).
#pragma once

#include <array>
#include <span>

#include "base/Types.h"

namespace vrn {

struct ModelDefaults {
    Integer model;          // 1..18, 20
    Integer optIndex;       // option button index (model 20 has index 0)
    const char* caption;    // option button caption
    bool einfach;           // bEinfacheReaktion
    double k1, k2, k3;
    double c0A, c0B, c0P;   // set only where the current value is exactly 0 (0 = leave)
};

// The 19 models in option order 1..18, then 20.
std::span<const ModelDefaults> modelDefaults();
// The defaults of a model number; nullptr for 19 or a number out of range.
const ModelDefaults* defaultsOf(int model);
// Model number of an option index (0 -> 20) and back.
int modelOfOption(int index);
int optionOfModel(int model);

// Steps 1 to 5 of choosing a model: bMMdiagramm := false; iModell; for
// index 0 (model 20) nOrdnung := ordnung; diagram kind and end time by the
// evaluation mode; masks (SetSpeziesMaske) and matrix (SetStoechiometrie);
// flags and the initial concentrations that are exactly 0; the model's default
// rate constants only when the model differs from the current one.
void chooseModel(int index, Single ordnung);

}  // namespace vrn
