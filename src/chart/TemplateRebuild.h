// What the chart window rebuilds from a chart template after loading it:
// the curve places and their count, the point sets with points (their tabs
// and delete items) and the point set whose tab ends selected.
#pragma once

#include <array>
#include <vector>

#include "base/Types.h"

namespace vrn {

struct VorlagenAufbau {
    std::array<Integer, 24> KurvenSlot{};  // curve place i + 1: 0 used, -1 free
    Integer gnKurven = 0;
    std::array<bool, 8> punktSatz{};       // 1..7: the set holds points (index 0 unused)
    Integer PunktSatzNr = 0;               // the last set with points; the old value when none has
};

// kurvenPunkte: point counts of the series of chart group 1 (element 0 =
// series 1); punktSaetze: the same for chart group 2. A curve place is used
// when its series holds at least one point; at most 24 places are taken
// over, and a place whose series the chart lacks is free. Point sets beyond
// the seventh and counts of missing sets count as empty.
VorlagenAufbau vorlagenAufbau(const std::vector<int>& kurvenPunkte, const std::vector<int>& punktSaetze,
                              Integer altPunktSatzNr);

}  // namespace vrn
