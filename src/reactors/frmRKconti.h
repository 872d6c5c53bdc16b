// The stirred-tank window "Kontinuierlicher Rührreaktor, isotherm": the
// steady state of an ideal continuous stirred tank. Two of conversion U(A),
// volume V, volume flow V* and mean residence time t are given; the window
// computes the other two and the outlet concentrations. A picture of the
// tank shows the conversion as colour, and after a result its stirrer turns.
#pragma once

#include <array>

#include "reactors/ReactorForm.h"

class QGroupBox;
class QRadioButton;
class QTimer;

namespace vrn {

class frmRKconti : public ReactorForm {
    Q_OBJECT
public:
    frmRKconti();

    QGroupBox* Frame1 = nullptr;                 // " Vorgabe von zwei Größen "
    std::array<QRadioButton*, 5> optCalcConti{};
    QPushButton* cmdHelp = nullptr;              // "Hilfe zum Rechenweg"
    QTimer* Timer1 = nullptr;                    // the stirrer, 80 ms

    double VReaktor = 0;        // V in m^3, Inp(14)
    double VPunkt = 0;          // V* in m^3 per time unit, Inp(15)
    Single RuehrerFaktor = 0.6f;  // blade width of the stirrer: 0.6 or 0.3

    void optCalcConti_Click(int Index);
    void cmdCalc_Click();
    void cmdHelp_Click();
    // One step of the stirrer: the blades switch between wide and narrow.
    void Timer1_Timer();
    // Draws the tank with the liquid at conversion x and the blades wide.
    void zeichneRuehrkessel(double x);
    // Starts the stirrer.
    void starteRuehrer();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void showNoResult() override;
    void Form_Unload(bool& cancel) override;
    void acceptedKey() override;

private:
    // Writes the two computed quantities of the selection.
    void showComputed();
};

}  // namespace vrn
