// The input window of the simulation: initial concentrations, rate constants
// and end time of the chosen model; draws concentration-time or rate-time
// diagrams, lists the value table, and for the enzyme model the
// Michaelis-Menten curve.
#pragma once

#include "base/Types.h"
#include "shell/CalcForm.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vrn {

// Caption of the frame of the initial concentrations, on two lines.
inline constexpr const char* kFraCCaption = "Vorgabe der Anfangs- \n konz.  [c(i)(0)] = mol/l";

class frmPrepareTimeDiagram : public CalcForm {
    Q_OBJECT
public:
    frmPrepareTimeDiagram();

    void Inp_Change(int Index);
    void txtS0max_Change();
    void chkDelDiagram_Click();
    void chkMitPunkten_Click();
    void chkNormiert_Click();
    void cmdDrawctDiagram_Click();
    void cmdListe_Click();
    void cmdMMdiagram_Click();
    void cmdMichaelisListe_Click();
    void cmdClose_Click();

    QCheckBox* chkDelDiagram = nullptr;
    QCheckBox* chkMitPunkten = nullptr;
    QPushButton* cmdDrawctDiagram = nullptr;
    QPushButton* cmdListe = nullptr;
    QPushButton* cmdClose = nullptr;
    QPushButton* cmdMMdiagram = nullptr;
    QPushButton* cmdMichaelisListe = nullptr;
    QCheckBox* chkNormiert = nullptr;
    NumberField* txtS0max = nullptr;
    QLabel* lblS0max = nullptr;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    // Reads the shown fields through the checked reading (timeDiagramFeld)
    // and checks them; false (after the message naming every field refused
    // or out of its range) when a check fails, and the state stays as it
    // was; else the values read are in force (one change).
    bool readAndCheck(bool forList);
    // calc_diagramfunctioncT of the model in force; a failure names the input
    // that made it when one lies far out (ueberlaufUrsache), else it shows
    // the engine's message ("Meldung von calc_diagramfunctioncT").
    void simulieren(Integer& err);
    Single s0maxBeimFokus_ = 0;  // S(0),max in force when its field took the focus
};

}  // namespace vrn
