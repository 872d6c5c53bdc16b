// What an evaluation window last worked with of the measured data set: the
// points (time, concentrations, temperature, rate constant, conductivity,
// exclusion) and the time unit. A window keeps one and compares it with the
// data set as it is now, to notice that another window changed the data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vrn {

class Datenstand {
public:
    // The data set as it is now (ExpDaten(1..nExpPunkte), sZeiteinheit).
    static Datenstand jetzt();

    bool operator==(const Datenstand& other) const = default;

private:
    std::vector<std::uint64_t> werte_;  // bit patterns, so that every change counts
    std::string einheit_;
};

}  // namespace vrn
