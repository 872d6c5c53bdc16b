// The tubular reactor window "Rohr-Reaktor, volumenbeständige Reaktion":
// plug flow, l = t·v (t taken in seconds); the outlet is that of a batch reactor after the
// residence time t. One of t, the tube length l or the conversion U(A) is
// given; a meander picture shows the outlet's conversion as colour.
#pragma once

#include <array>

#include "reactors/ReactorForm.h"

class QRadioButton;

namespace vrn {

class frmRohrreaktor : public ReactorForm {
    Q_OBJECT
public:
    frmRohrreaktor();

    // 0 " Reaktionszeit", 1 " Rohrlänge l/m", 2 " Umsatz U(A)".
    std::array<QRadioButton*, 3> optInpSelect{};

    double vFliess = 1.0;  // flow velocity v in m/s, Inp(16)
    double lRohr = 0;      // tube length l in m, Inp(15)

    void optInpSelect_Click(int Index);
    void cmdCalc_Click();
    // Draws the tube with the outlet at conversion x (no colour while the
    // residence time is 0 or there is no result).
    void zeichneRohrreaktor(double x, bool ohneErgebnis = false);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void showNoResult() override { zeichneRohrreaktor(0); }

private:
    // The end of every calculation that passed the check list (except an
    // engine failure inside the time search): the model-7 warning of a
    // negative outlet c(B), the protocol button after the first calculation,
    // the busy cursor off.
    void finishCalculation();
};

}  // namespace vrn
