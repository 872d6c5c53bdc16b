// The chart request: every chart of the program is opened through
// zeigeDiagramm. The module also owns the remembered axis ranges per
// diagram kind (Achsenbereich); the masks of a kind are the engine's
// (engine/ModelMasks.h).
//
// Axis-range store, slots 0..31 (y pairs of -7 and -8 kept as max, min):
//   0,1 x of the time kinds      2,3 y of the concentration kinds
//   4,5 y of the rate kinds      6,7 x (T) of -2      8,9 y (k) of -2
//   10,11 x (1/T) of -3, -4      12,13 y of -3        14,15 y of -4
//   16,17 y of -5   18,19 y of -6   20,21 y max, min of -7
//   22,23 y max, min of -8       24,25 y of -10       26,27 y of -11
//   28,29 y and 30,31 x of the Michaelis-Menten plot (stored only)
#pragma once

#include <optional>
#include <string>

#include "shell/state/PointSetTabs.h"
#include "base/Types.h"

namespace vrn {

// Message when the chart window cannot be created.
extern const char* const kGrafikModulFehlt;

// Titles and curve count of a diagram kind in the current state (time unit,
// evaluation mode, model, Lambda0, bGleicheC0, bMMdiagramm, bytTangStoff,
// KMichaelis). A kind without titles has no texts and 1 curve.
struct DiagrammTitel {
    Integer kurven = 1;
    std::optional<std::string> kopf, x, y;  // empty: the previous texts stay
    bool legende = false;                   // the point sets get a legend (kinds -9, -1, 1)
};
DiagrammTitel titelFuerArt(Integer kind);

// Copies the remembered range of the kind into XMin, YMin, XMax, YMax of
// the request (-4: y one unit wider at each end; Michaelis-Menten plot:
// x 0..S0max, or 0..20 when normalised, y 0..1). A kind without a range
// leaves the request unchanged.
void holeAchsenbereich(Integer kind, const AchsenSpeicher& store, Diagramm& request);

// Stores XMin, YMin, XMax, YMax of the request as the range of the kind;
// for the concentration kinds, slot 3 then becomes 1.0 in evaluation mode 6
// and c0Daten(1) in mode 7. A kind without a range stores nothing.
void speichereAchsenbereich(Integer kind, AchsenSpeicher& store, const Diagramm& request);

// The point-set tab configuration for the current kind and masks
// (iDiagrammTyp, sSpeziesMaske, bKonzDaten, bKTDiagramm, bHatKTDaten,
// iModell, bytTangStoff); legende as from titelFuerArt.
PunktTabs berechnePunktTabs(Integer kind, bool legende);

// The chart request. Fetches the remembered range into the request, sets
// DiaTitel and from it Kopftext, XTitel and YTitel, sets curvesToDraw,
// shows the chart window through hooks().chartWindow.showChartWindow, then
// computes the point-set tabs into gPunktTabs and hands them to
// hooks().chartWindow.punktTabsAnwenden. pointCount and withPoints are not read.
// When the window cannot be shown: message kGrafikModulFehlt (critical,
// " Ausführung nicht möglich "); limits, texts and curve count stay written,
// the tabs are not touched.
void zeigeDiagramm(Integer& kind, Diagramm& request, Integer& curvesToDraw, AchsenSpeicher& axisStore,
                   Integer& pointCount, bool& withPoints);

// The same with the shared state: iDiagrammTyp, tDiagramm, gnKurvenOffen,
// Achsenbereich, nSimPunkte, gMitMesspunkten.
void zeigeDiagramm();

}  // namespace vrn
