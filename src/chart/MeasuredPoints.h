// The measured data set as the chart's point sets: which entries of which
// set the chart window writes for the current diagram kind, transformed for
// the linearised plots, and whether any of them lies inside the axis ranges.
#pragma once

#include <array>
#include <vector>

#include "shell/state/PointSetTabs.h"
#include "base/Types.h"

namespace vrn {

// Entry i of a point set: the data-set point i at (x, y).
struct ExperPunkt {
    Integer i = 0;
    double x = 0;
    double y = 0;
};

struct ExperPunktSaetze {
    // Entries written per set 1..6 (index 0 and 7 unused here; set 7 is the
    // x-y editor's). Entries not listed keep what the set holds.
    std::array<std::vector<ExperPunkt>, kPunktSaetze + 1> satz;
    // The set got at least one entry: its point count becomes nPunkte.
    std::array<bool, kPunktSaetze + 1> beschrieben{};
    Integer nPunkte = 0;     // nExpPunkte
    bool bImBereich = false; // at least one written point lies inside the axis ranges
};

// The computational side of zeigeExperPunkte for kind iDiagrammTyp.
// Reads ExpDaten, nExpPunkte, bKonzDaten, c0Daten(1), Lambda0, LambdaInf,
// sSpeziesMaske, bytTangStoff and XMin..YMax of tDiagramm; kind -9 first
// sets the masks of the current model (SetSpeziesMaske(iModell)) when the
// data set has an active point.
// Excluded points (aus = -1) and points that fail the kind's condition are
// skipped; so is a point whose transformed value is undefined (division by
// zero, logarithm of a value <= 0, overflow). Kinds without measured points
// (rate kinds, 0) give no entries and bImBereich false.
// x is t (or 1/T) in single precision; untransformed c, T and k are kept in
// double, transformed y values in single. A point is inside when
// XMin <= x <= XMax and YMin <= y <= YMax (y compared in single precision).
ExperPunktSaetze berechneExperPunkte();

}  // namespace vrn
