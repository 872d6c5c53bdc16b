// The options window: display options of the Monte Carlo simulation for the
// current run (extra wait per draw, point size, filled points, particle colours).
#pragma once

#include "platform/Forms.h"
#include "base/Types.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

namespace vrn {

class UpDown;

// A window that shows Monte Carlo particles takes the options from here.
class MonteCarloOptionsTarget {
public:
    virtual ~MonteCarloOptionsTarget() = default;
    // Symbol size and shape code (2 filled, 10 open) of the two simulated series.
    virtual void applyPointStyle(int size, int shapeCode) = 0;
    // Redraws the particle field and the calculated curves in the new colours.
    virtual void pressRefresh() = 0;
};

class frmOption : public VrnForm {
    Q_OBJECT
public:
    frmOption();

    void cmdAColor_Click();
    void cmdPColor_Click();
    void cmdOK_Click();
    void cmdClose_Click();

    QSlider* Slider_geschwindigkeit = nullptr;
    QCheckBox* chkSolidPoints = nullptr;
    UpDown* UpDown1_PointSize = nullptr;
    QLabel* Label56 = nullptr;
    QPushButton* cmdAColor = nullptr;
    QPushButton* cmdPColor = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdClose = nullptr;

    Colour pendingA = 0;
    Colour pendingP = 0;

protected:
    void Form_Load() override;

private:
    void showColours();
};

}  // namespace vrn
