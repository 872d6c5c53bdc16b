// Shared variables of the chart module and the chart window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/Types.h"

namespace vrn {

struct ChartState {
    Diagramm tDiagramm;
    AchsenSpeicher Achsenbereich;
    Integer gnKurvenOffen = 0;       // curves still to draw
    Integer gnKurven = 0;            // curves in the chart
    Colour gFarbVorwahl = 0;         // colour of the next curve or point set
    Integer gGraphLeft = 0;          // left edge of the chart window, twips
    std::string OC2DateiPfad;

    std::string sSpeziesMaske = "00000";
    std::string sKonstMaske = "000";
    bool bKTDiagramm = false;

    // Curve buffer: element 0's x holds the point count, points from element 1.
    std::vector<XYPunkt> gKurvenPunkte;

    // Regression tables (1..n) and basis values (1..5).
    std::vector<Single> gRegrX, gRegrY, gRegrW;
    std::vector<double> RegrBasis;
};

}  // namespace vrn
