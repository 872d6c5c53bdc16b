// The shown state of the chart window's point-set tabs, as the chart request
// leaves it for the window to apply. Every field that is empty stays as the
// window has it; a set field is the last value the request gave it.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace vrn {

// Point sets of the chart (chart group 2): 1..5 = c(A), c(B), c(C), c(P),
// c(Q), 6 = k-T, 7 = "manuell". The tab of set i has the index i - 1.
constexpr int kPunktSaetze = 7;
constexpr int kPunktSatzKT = 6;
constexpr int kPunktSatzManuell = 7;

struct PunktTabs {
    std::array<std::optional<bool>, kPunktSaetze + 1> sichtbar{};          // tab of set i shown
    std::array<std::optional<std::string>, kPunktSaetze + 1> caption{};    // caption of tab i
    std::array<std::optional<std::string>, kPunktSaetze + 1> legende{};    // txtLegendPoints(i)
    std::optional<bool> legendeSichtbar;  // the chart legend
    std::optional<bool> chkLegend;        // the check box that mirrors it
    std::optional<int> aktuellerTab;      // tab index (set - 1) to make the current one
};

}  // namespace vrn
