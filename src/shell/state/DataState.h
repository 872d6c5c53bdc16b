// Shared variables of the data-set editor, x-y editor, fitting and evaluation windows.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/Types.h"

namespace vrn {

struct DataState {
    // Temperature dependence of k: 1 Arrhenius, 2 Eyring.
    Byte bytKTFunktion = 0;
    double dblArrhA = 0;
    double dblArrhEA = 0;
    double dblEyrPar1 = 0;
    double dblEyrH = 0;
    double dblEyrS = 0;
    Single sngGlaettung = 0;          // smoothing of the tangent spline
    Byte bytZeitEinheitIdx = 0;       // index 0..4 of sZeiteinheit, derived before each use
    std::array<double, 4> RefWert{};  // parameter vector of the fitting window

    // x-y editor list and file.
    std::vector<XYPunkt> XYDaten = std::vector<XYPunkt>(1);
    Integer nXYPunkte = 0;
    std::vector<XYPunkt> ManuXY = std::vector<XYPunkt>(1);
    std::string XYDateiName;
    std::string XYDateiPfad;
    std::string ClipboardTabelle;
};

}  // namespace vrn
