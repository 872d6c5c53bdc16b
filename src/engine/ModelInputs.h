// What a computation of a kinetic model starts from: the model, its start
// concentrations, rate constants and the order of model 20. The computations
// take it as an argument; the windows make it from the state in force.
#pragma once

#include "engine/RateLaws.h"

namespace vrn {

struct ModelInputs {
    Integer model = 0;
    Konz c0{};         // slots 1..5
    Konstanten k{};    // k(1..3)
    double ordnung = 1.5;  // n of model 20
};

// The inputs the shared state holds now: iModell, c0, k, nOrdnung.
ModelInputs currentModelInputs();

}  // namespace vrn
