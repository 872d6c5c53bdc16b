// Analysis of the measured data set for the evaluations, and the value ranges
// of the measured data for a chart.
//
// All of them read ExpDaten(1..nExpPunkte) (excluded points count too) and
// report nothing. The range procedures recompute their slots of the shared
// axis store Achsenbereich from scratch on every call; values are compared and
// stored in single precision (a value beyond the single range counts as the
// largest single), and a point whose quantity cannot be computed (logarithm of
// a value <= 1e-8, a zero divisor) adds nothing to that quantity's range.
//
// Slots: 0,1 t | 2,3 c | 6,7 T | 8,9 k | 10,11 1/T | 12,13 ln k | 14,15 ln(k/T)
// | 16,17 ln c(A) | 18,19 1/c(A) | 20,21 Wilkinson t/x, maximum first |
// 22,23 ln(c(A)/c(B)), maximum first | 24,25 lambda plot of first order |
// 26,27 lambda plot of second order.
#pragma once

#include "base/Types.h"

namespace vrn {

// Decides what the data allow and fills the out values (callers pass
// bHatCTDaten, bHatKTDaten, bHatCTTDaten, nKurvenTemp, tMaxDaten,
// bHatLambdaDaten); also writes Lambda0 (lambda of the last active point with
// t = 0, else 0), bKonzDaten(1..5) and gKurvenTemp(1..count), the isotherms:
// the sorted temperatures > 0, a new one wherever a temperature lies more than
// 0.01 K above its sorted neighbour; nTemp is their count, at most 24.
//   hatKT:     at least 2 points with T > 0 and k > 0
//   hatCT:     at least 2 points with c(A) > 0, and the times do not sum to 0
//   hatCTT:    at least 3 points with c(A) > 0 and T > 0, times not summing to 0
//   hatLambda: LambdaInf > 0 and the lambda values do not sum to 0
// An empty data set gives no isotherms.
void PrepareExpDaten(bool& hatCT, bool& hatKT, bool& hatCTT, Integer& nTemp, double& tMax, bool& hatLambda);
// The same into the shared variables of those names.
void PrepareExpDaten();

// For a negative diagram kind: slots 0..23 from the points, with a margin of a
// twentieth of each range (slots 0 and 2 stay 0, slot 3 has no margin; the
// pairs 12/13 and 14/15 get their own margin only for kinds -3 and -4). For
// bAuswertungsart 6 slot 3 is 1, for 7 it is c0Daten(1). A kind >= 0 changes
// nothing. The flag has no effect. With no points the pairs come out inside out.
void CalcDataRanges(Integer kind, bool withPoints);

// Slots 0..3 for the tangent method on species j (1..5): largest t and c(j),
// each plus a twentieth; the minima 0. Another j changes nothing.
void CalcTangenteRange(Integer j);

// Slots 0, 1, 24, 25 for the conductivity plot of first order:
// ln(LambdaInf - lambda), or ln((LambdaInf - lambda)/(LambdaInf - Lambda0))
// when Lambda0 is not 0; margin a fifth above and 0.3 of a fifth below.
void CalcLambdaRange1();

// Slots 0, 1, 26, 27 for the conductivity plot of second order:
// LambdaInf/(LambdaInf - lambda), or ((LambdaInf - Lambda0)/(LambdaInf - lambda))/c0Daten(1)
// when Lambda0 is not 0 (0 when c0Daten(1) is not positive); margins as above.
void CalcLambdaRange2();

}  // namespace vrn
