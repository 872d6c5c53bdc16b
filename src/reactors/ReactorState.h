// Shared variables of the reactor windows and the reactor protocol.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/Types.h"

namespace vrn {

struct ReactorState {
    double tauVerweil = 0;              // residence or reaction time
    double UmsatzSoll = 0;              // wanted conversion
    std::array<double, 4> ksi{};        // extents of reaction
    std::array<std::string, 20> ProtZeile{};
    std::vector<std::array<std::string, 20>> ProtTabelle;
    Integer nProtZeilen = 0;
    bool bProtOffen = false;
    std::string ProtDateiName;
};

}  // namespace vrn
