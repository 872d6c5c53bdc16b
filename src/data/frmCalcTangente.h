// The tangent window: at a typed time, the value c(i) and the rate
// r(i) = dc(i)/dt of the Akima spline that the chart of kind 100 drew through
// the measured curve of species bytTangStoff, and a slider that smooths that
// spline (the chart redraws it).
#pragma once

#include "platform/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QGroupBox;

namespace vrn {

class NumberField;

class frmCalcTangente : public VrnForm {
    Q_OBJECT
public:
    frmCalcTangente();

    // Shows c and r at the time in txtX; a time outside 0..XMax beeps; a data
    // set whose times do not strictly increase is refused with a message.
    void cmdCalc_Click();
    // sngGlaettung := slider / 200; when it changed and the chart is loaded,
    // the chart deletes its curves and draws the spline anew.
    void SliderGlaettung_Change();
    // Unloads this window and the chart window.
    void cmdClose_Click();

    QGroupBox* fraTangente = nullptr;
    QLabel* lblXEingabe = nullptr;
    NumberField* txtX = nullptr;
    QLabel* lblZeit = nullptr;
    QLineEdit* txtyResult = nullptr;
    QLabel* lblr = nullptr;
    QLineEdit* txtyStrichResult = nullptr;
    QLabel* Label4 = nullptr;
    QSlider* SliderGlaettung = nullptr;
    QPushButton* cmdCalc = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void Form_Load() override;
};

}  // namespace vrn
