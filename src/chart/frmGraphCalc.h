// The single-point calculator ("  Einzelpunkt-Rechner"): the concentrations
// of the current model's species at one typed time, opened from the chart
// window's "Calc" button. A tool window.
#pragma once

#include <array>

#include "platform/Forms.h"
#include "shell/AppState.h"
#include "shell/StateOwner.h"

class QLabel;
class QPushButton;

namespace vrn {

class NumberField;

class frmGraphCalc : public VrnForm {
    Q_OBJECT
public:
    frmGraphCalc();

    // Reads t from txtX (decimal point only; empty counts as 0). A t beyond
    // tEnd (compared in single precision) or below 0 only beeps. Otherwise
    // shows c(1..5) of calc_functioncT_at_t(iModell, t) in the plain number
    // form of a Single, for the model, constants and unit the chart's curves
    // were drawn with. When the computation fails, the result fields are
    // emptied and a beep sounds: no number of an earlier time stays shown.
    void cmdGraphCalcExec_Click();
    void cmdCloseGraphCalc_Click();

    QLabel* lblXEingabe = nullptr;
    NumberField* txtX = nullptr;
    QLabel* lblZeit = nullptr;
    std::array<QLabel*, 5> lblRes{};     // species names
    std::array<QLabel*, 5> lblResult{};  // results
    QPushButton* cmdGraphCalcExec = nullptr;
    QPushButton* cmdCloseGraphCalc = nullptr;

protected:
    void Form_Load() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The unit and the species rows of the drawn curves; no result is shown.
    void zeigeGezeichnetenStand();
    // It answers for the drawn curves; before any was drawn, for the state in force.
    Zuhoerer zuhoerer_{"frmGraphCalc", kTeilGezeichnet | kTeilZeiteinheit | kTeilModell, [this](const Meldung& m) {
                           if ((m.teile & kTeilGezeichnet) || !app.gezeichnetMit.gueltig) zeigeGezeichnetenStand();
                       }};
};

}  // namespace vrn
