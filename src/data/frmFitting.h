// The fitting window " k-Fitting manuell / automatisch": fits the constants
// of a kinetic model to the measured data set. The user moves coarse and
// fine sliders or types values and sees the model curve redrawn over the
// measured points in the chart window, or lets the minimiser find the
// parameters ("Auto-   Fitting"); the error sum FQS is always shown.
//
// Evaluation modes (bAuswertungsart, set by the main window before it opens
// the window): 1 rate constants of the current model, 2 k1 and the reaction
// order of model 20, 6 and 7 the two constants of k(T) (bytKTFunktion 1
// Arrhenius, 2 Eyring) for A => P of first order and 2A => P. It is
// calculation window number 5: the model window reconfigures it through the
// shared control names.
#pragma once

#include <QPointer>

#include <array>

#include "data/FitObjective.h"
#include "shell/CalcForm.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace vrn {

class frmFitting : public CalcForm {
    Q_OBJECT
public:
    frmFitting();

    // ---- Handlers -----------------------------------------------------------
    // Typing into Inp(10..12): the parameter is read (decimal point only), 0
    // becomes 1e-8, and it goes where the mode's routing says. No redraw.
    void Inp_Change(int Index);
    // Slider moves of parameter j (1..3); the slider then returns to 0.
    void SliderGrob_Change(int j);
    void SliderFein_Change(int j);
    void chkFixed_Click(int i);
    void chkConcFQS_Click(int i);
    void optkTFunktion_Click(int i);
    // Checks the inputs, simulates the model (one curve per isotherm in
    // modes 6 and 7) and draws it in the chart window; then the error sum.
    void cmdDrawNewCurve_Click();
    // Runs the minimiser and takes its result over.
    void cmdAutoFitting_Click();
    void cmdHelp_Click();
    void cmdClose_Click();

    // The evaluation mode the window was opened for.
    int modus() const { return modus_; }
    // What the objective reads of the window: species boxes and fixed flags.
    FitAuswahl auswahl() const;

    // ---- Controls ---------------------------------------------------------
    QGroupBox* frak1 = nullptr;
    QGroupBox* frak2 = nullptr;
    QGroupBox* frak3 = nullptr;
    QSlider* Sliderk1_grob = nullptr;
    QSlider* Sliderk2_grob = nullptr;
    QSlider* Sliderk3_grob = nullptr;
    QSlider* Sliderk1_fein = nullptr;
    QSlider* Sliderk2_fein = nullptr;
    QSlider* Sliderk3_fein = nullptr;
    std::array<QCheckBox*, 4> chkFixed{};       // 1..3
    std::array<QLabel*, 4> lblPlusMinus{};      // 1..3
    std::array<QLabel*, 4> lblStdDev{};         // 1..3
    std::array<QRadioButton*, 3> optkTFunktion{};  // 1 Arrhenius, 2 Eyring
    QLabel* lblAktEntropie = nullptr;
    QGroupBox* fraFQS = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* lblFQS = nullptr;
    QCheckBox* chkDelDiagram = nullptr;  // present for the shared names, never shown
    QPushButton* cmdDrawNewCurve = nullptr;
    QPushButton* cmdAutoFitting = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdClose = nullptr;

    // Form state.
    std::array<bool, 4> bFixiert{};  // 1..3
    bool bSliderReset = false;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    // Lets an open Arrhenius/Eyring calculator take over the shown temperature
    // function and parameters from the shared state.
    void rechnerAuffrischen();
    void buildParameterFrame(int j, QGroupBox* frame);
    QSlider* grob(int j) const;
    QSlider* fein(int j) const;
    QGroupBox* frak(int j) const;
    // Writes a number into a field without running Inp_Change.
    void schreibeFeld(int index, double v);
    // p(j) into the shared state as the mode's routing says.
    void leiteWeiter(int j);
    void setzeEntropie(const char* muster);
    void zeigeStdAbw(bool zeigen);
    // The redraw; after an auto-fit the standard deviations stay shown.
    void zeichne(bool nachFit);
    QString pruefeEingaben() const;
    // FQS label and the chart's footer text.
    void ZeigeFitErgebnis();
    void sliderBewegt(int j, bool grobRegler);
    // A chart window that opens over this window moves to its right and
    // narrows (once per chart window, and only by a quarter at most).
    void diagrammDaneben();

    int modus_ = 0;
    bool schreibt_ = false;
    QPointer<QWidget> angeordnet_;
};

}  // namespace vrn
