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
    void Form_Activate() override;
};

}  // namespace vrn
