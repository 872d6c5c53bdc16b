// Shared variables of the chart module and the chart window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "shell/state/PointSetTabs.h"
#include "base/Types.h"

namespace vrn {

// What the chart's model curves were computed with, kept when they are drawn:
// the half-life marks, the status text and the single-point calculator of
// the chart speak of these curves, in the unit of their own axis, whatever
// the model window holds by then.
struct GezeichnetMit {
    bool gueltig = false;          // a simulated chart is shown
    Integer iModell = 0;
    Integer iDiagrammTyp = 0;
    Single nOrdnung = 0;
    std::array<double, 4> k{};
    std::array<double, 6> c0{};
    std::array<Single, 6> c0Daten{};
    Single tEnd = 0;
    std::string sZeiteinheit;
    std::string sSpeziesMaske;
    bool bNumerisch = false;
    bool bMMdiagramm = false;
};

struct ChartState {
    GezeichnetMit gezeichnetMit;
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

    // Header, x-axis and y-axis title of the last chart request; a kind
    // without titles leaves them as they are.
    std::array<std::string, 3> DiaTitel{};

    // Point-set tabs as the last chart request configured them.
    PunktTabs gPunktTabs;

    // Curve places 1..24 of the chart (index = curve - 1): 0 used, -1 free.
    std::array<Integer, 24> KurvenSlot = [] {
        std::array<Integer, 24> a{};
        a.fill(-1);
        return a;
    }();

    // Result of the last evaluation plot: intercept and slope of the line
    // (or the derived results, see zeichneKurve) and R^2.
    double RegrA = 0;
    double RegrB = 0;
    Single RegrR2 = 0;
};

}  // namespace vrn
