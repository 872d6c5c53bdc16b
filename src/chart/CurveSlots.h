// The chart's 24 curve places, the label point of a drawn curve and the
// sampling of a regression line into the curve buffer.
#pragma once

#include <vector>

#include "base/Types.h"

namespace vrn {

constexpr int kMaxKurven = 24;
// The curve buffer gKurvenPunkte holds element 0 (count) and points 1..2000.
constexpr int kMaxKurvenPunkte = 2000;

// Reserves the lowest free curve place (KurvenSlot, gnKurven). When gnKurven
// is 0 all places are freed first. Success: nr = the curve number 1..24,
// err = 0, the place is marked used and gnKurven counts it. With every
// place in use: message "Maximal 24 Kurven möglich" CR LF "Löschen Sie
// vorhandene Kurven" (exclamation, "WARNUNG"), err = -1, gnKurven = 24,
// nr unchanged.
void NeueKurveNr(Integer& nr, Integer& err);

// Frees curve place nr (1..24) and lowers gnKurven, when the place was in
// use; a free place or a number outside 1..24 changes nothing. Returns
// whether a place was freed.
bool KurveFreigeben(Integer nr);

// Point of curve nr (in pts, element 0's x = count) to which its label is
// attached. m is the highest i (count down to 1) with x(i) < xMax; when no
// point qualifies m keeps the value it brought from the previous curve of
// the same drawing loop (start it at 0). The index is m / 1.2 - 0.18 * m * r
// rounded half to even, where r is the curve number folded into 1..4
// (curves 5..8 sit like 1..4, and so on), then kept within 1..count
// (0 for an empty curve).
Long labelPunktIndex(const std::vector<XYPunkt>& pts, Single xMax, Integer nr, Long& m);

// Samples the straight line y = a + b * x over the x axis of request d into
// pts (element 0's x = count, points from 1; pts is enlarged to the buffer
// size when smaller): dx = (XMax - XMin) / 120 in single precision, x from
// XMin while x <= XMax + dx, so the line spans the whole axis (122 points on
// [0, 60], 121 on [0, 1]), never more than kMaxKurvenPunkte points.
// bAusserhalb becomes false when a y (as single) lies strictly between YMin
// and YMax. Returns false, leaving pts and bAusserhalb untouched, when the
// axis range is empty or not finite or a value of the line is not finite.
bool CalcRegressKurve(double a, double b, const Diagramm& d, std::vector<XYPunkt>& pts, bool& bAusserhalb);

}  // namespace vrn
