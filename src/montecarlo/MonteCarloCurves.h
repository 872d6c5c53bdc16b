// The calculated course of the Monte Carlo game: N(A) and N(P) over the draws,
// and the per-cent scales of its chart (time in % of t(max), particles in %
// of N0).
#pragma once

#include <string>
#include <vector>

#include "base/Types.h"

namespace vrn {

// Scales of the chart: xProzent = nMaxZuege / 100, yProzent = N0 / 100.
struct MCSkalen {
    Single xProzent = 1;
    Single yProzent = 1;
};
MCSkalen mcSkalen(Long N0, Long nMaxZuege);

// The calculated curve of species 1 (A) or 2 (P) for the mode (1 first-order
// decay, any other the equilibrium with K): points (t in draws, N) for t from
// 0 in single-precision steps of nMaxZuege / 100 while t <= nMaxZuege.
// Element 0's x holds the number of points, the points follow from element 1.
// With the rate per draw k = ln(N0) - ln(N0 - 1): mode 1 N(A) = N0 exp(-k t);
// otherwise N(A) = N0 - NPeq (1 - exp(-t N0 k1 / NPeq)) with NPeq = K N0 / (K + 1)
// and k1 = k / 2 for K = 0.5, else k. N(P) = N0 - N(A). An empty curve (count
// 0) for N0 < 2, nMaxZuege < 1 or K <= 0 in the equilibrium; points whose
// value is not finite are left out.
std::vector<XYPunkt> calcMCKurve(int species, int modus, Long N0, Single K, Long nMaxZuege);

// Rescales a curve in place to per cent: x / xProzent, y / yProzent.
void mcInProzent(std::vector<XYPunkt>& kurve, const MCSkalen& s);

// The header line of the chart: the formula of the mode, with the number of
// P particles at equilibrium, N(P),eq = K N0 / (K + 1), as the curve uses it.
std::string mcFormelText(int modus);

}  // namespace vrn
