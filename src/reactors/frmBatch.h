// The batch reactor window "Batch-Reaktor, isotherm": the final
// concentrations and the conversion of A after a given reaction time, or the
// time a given conversion needs, with the extents of reaction; a picture of
// the vessel shows the conversion as colour.
#pragma once

#include <array>

#include "reactors/ReactorForm.h"

class QRadioButton;

namespace vrn {

class frmBatch : public ReactorForm {
    Q_OBJECT
public:
    frmBatch();

    // 0 "Reaktionszeit" (t given), 1 " Umsatz U(A)" (U(A) given).
    std::array<QRadioButton*, 2> optInpSelect{};

    void optInpSelect_Click(int Index);
    void cmdCalc_Click();
    // Draws the vessel with the liquid at conversion x.
    void zeichneBatchReaktor(double x);

protected:
    void Form_Load() override;
    // Marks the given quantity again and redraws the vessel empty of result.
    // A time the user typed and has not yet computed stays in Inp(14); only a
    // time changed elsewhere since the window last showed or read it is shown.
    void Form_Activate() override;
    void showNoResult() override { zeichneBatchReaktor(0); }

private:
    // The given quantity Index; with withTime, Inp(14) shows tauVerweil.
    void applySelection(int Index, bool withTime);
    // Writes tauVerweil into Inp(14) and remembers it.
    void showTime();
    double shownTau_ = 0;  // the tauVerweil that Inp(14) was last filled from or read into
};

}  // namespace vrn
