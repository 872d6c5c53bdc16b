// The pictures of the reactor windows, drawn in twips (x to the right, y
// downwards) with QPainter: regions are filled as polygons, then outlined.
// The reacting mixture takes the conversion colour, the feed is yellow.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace vrn {

// The part of the window's twips coordinates each picture needs, and how
// much larger than the twips the pictures are shown.
inline const QRect kBatchBild(300, 1650, 1800, 2250);
inline const QRect kRohrBild(250, 2000, 1600, 2200);
inline const QRect kKesselBild(150, 2050, 1750, 2750);
inline constexpr double kBildMassstab = 1.4;

// Batch vessel with the liquid at conversion x, drain valve and feed funnel.
void zeichneBatchReaktor(QPainter& p, double x);

// Tube meander (light grey) with the feed nozzle above its first leg and the
// outlet nozzle below its last leg; the outlet takes the conversion colour of
// x, or `leer` when there is no result to show.
void zeichneRohrreaktor(QPainter& p, double x, bool ohneErgebnis, const QColor& leer);

// Stirred tank without its blades: walls, lid, funnel bottom and outlet pipe,
// the liquid at conversion x, the shaft, the inlet arrow (yellow) and the
// outlet arrow (conversion colour).
void zeichneRuehrkessel(QPainter& p, double x);

// The stirrer blades for the factor f (0.6 wide, 0.3 narrow): two diagonals
// crossing at the shaft, closed by vertical ends.
void zeichneRuehrerBlaetter(QPainter& p, double f);

}  // namespace vrn
