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
//
// Other windows stay open beside it and rewrite the shared state it computes
// from. So the window keeps its evaluation as its own (mode, model, diagram
// kind, temperature function, parameters, initial concentrations, the ranges
// of its chart) and sets the shared values from it before it computes or
// draws; what its fields show is what it computes with. What another window
// changes in what it fits it follows in what it shows, as it hears it from
// the owner of the shared state: a data set changed in the editor (its
// initial concentrations and species), another time unit (its parameters
// per time converted), another model chosen in the model window. Its chart
// stays as it was drawn until the user draws again here; that drawing opens
// it anew when its points or its model are no longer those in force.
#pragma once

#include <QPointer>

#include <array>
#include <functional>
#include <string>
#include <utility>

#include "base/Types.h"
#include "base/Zahlbereich.h"
#include "data/FitObjective.h"
#include "engine/ModelMasks.h"
#include "shell/CalcForm.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

namespace vrn {

class frmFitting : public CalcForm, public TimeUnitCaptions {
    Q_OBJECT
public:
    frmFitting();

    // The chart the main window has just opened for this window (measured
    // points, kind -9) becomes its chart, with the ranges of that request.
    void diagrammUebernehmen();
    // Around the model window's reconfiguring: the same model again keeps the
    // parameters (the order of model 20 comes from the model window); another
    // model is taken over (modes 2, 6 and 7 become mode 1 unless it is their
    // model), with the model window's constants, and drawn.
    void modellUmstellen(const std::function<void()>& umstellen) override;
    // Another time unit in the captions.
    void setTimeUnitCaptions(const std::string& u) override;
    int einheitenModell() const override;
    // A unit change converts the parameters per time as it converts k1..k3
    // (no new data set: the parameters stay the window's). Rate constants
    // another evaluation sets (a regression beside) leave the parameters as
    // they are.
    void geteilteWerteGeaendert(const GeteilteWerte& vorher, double kGeteiltDurch) override;
    // Other measured points: the initial concentrations and species boxes
    // of the data set are shown, the error sum of the former points goes;
    // the window follows the points when the user next acts in it.
    void zustandGeaendert(const Meldung& m) override;

    // ---- Handlers -----------------------------------------------------------
    // Typing into Inp(10..12): the parameter is read (decimal point only), 0
    // becomes 1e-8, and it goes where the mode's routing says. No redraw.
    void Inp_Change(int Index);
    // A parameter field left with a text it refuses: the parameter in force
    // when the field took the focus comes back (a number typed on the way
    // is not kept); the text stays, to be named when it would be used.
    void Inp_Verlassen(int Index);
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

    // The evaluation mode the window fits in.
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

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    // The shared state from the window's own: mode, model, temperature
    // function, parameters, initial concentrations; the masks and the diagram
    // kind too when it draws, or when its chart is the open one. Follows a
    // changed time unit and data set first. Only the window's own actions
    // call it (its fields, sliders, buttons), never its activation.
    void gemeinsameWerteSetzen(bool zeichnen);
    // The unit of the captions; the numbers are converted only by a unit
    // change (rechneUm), never by a data set that brings its own unit.
    void folgeEinheit();
    void rechneUm(double kGeteiltDurch);
    // True when the measured points were written since the window last
    // worked with them (another data set, an edit, another unit): data
    // analysis, c0 fields, species boxes and chart ranges are renewed and the
    // window's chart is closed (the drawing that follows opens it with the
    // points in force).
    bool folgeDaten();
    // Captions, shown rows and parameter 2 of the mode (the activation's work).
    void beschriften();
    // Species and constant mask of the window's model in its mode.
    DiagramMasks masken() const;
    void speziesBoxen(bool behalten);
    // Places the initial concentrations that are shown, three to a row.
    void anfangsFelderAnordnen();
    bool eigenesDiagramm() const;
    // Opens the window's chart as the fitting items do (measured points,
    // its ranges); another window's chart is closed first.
    void oeffneDiagramm();
    void merkeDiagramm(QWidget* g);
    void bereichMerken();
    // Lets an open Arrhenius/Eyring calculator take over the temperature
    // function and parameters from the shared state.
    void rechnerAuffrischen();
    void buildParameterFrame(int j, QGroupBox* frame);
    QSlider* grob(int j) const;
    QSlider* fein(int j) const;
    QGroupBox* frak(int j) const;
    void vorModellUmstellung();
    void nachModellUmstellung();
    // Writes a number into a field without running Inp_Change.
    void schreibeFeld(int index, double v);
    // p(j) into the shared state as the mode's routing says.
    void leiteWeiter(int j);
    // p(j) is a quantity per time (a rate constant, A, the Eyring factor);
    // p(j) is the reaction order.
    bool proZeit(int j) const;
    bool istOrdnung(int j) const;
    // The checked reading of parameter j's field (base/Zahlbereich.h), named
    // as its frame names it; the order is a Single, the others Doubles.
    Zahllesung parameterLesung(int j) const;
    // The lines of the shown parameter fields the reading refuses, each with CR LF.
    std::string parameterZeilen() const;
    void setzeEntropie(const char* muster);
    void zeigeStdAbw(bool zeigen);
    // The redraw; after an auto-fit the standard deviations stay shown.
    void zeichne(bool nachFit);
    QString pruefeEingaben() const;
    // FQS label and the chart's footer text.
    void ZeigeFitErgebnis();
    void sliderBewegt(int j, bool grobRegler);
    // calc_diagramfunctioncT of the model in force; a failure names the
    // parameter far out that made it (ueberlaufUrsache), else it shows the
    // engine's message ("Meldung von calc_diagramfunctioncT").
    void simulieren(Integer& err);
    // A chart window that opens over this window moves to its right where
    // the area has room for it there at its size (once per chart window); it
    // never narrows for it.
    void diagrammDaneben();

    int modus_ = 0;
    int modell_ = 0;
    int ktFunktion_ = 1;
    std::array<double, 6> c0_{};  // 1..5
    std::array<double, 4> refWertBeimFokus_{};  // RefWert(1..3) when its field took the focus
    std::string einheit_;         // time unit of the parameters
    bool datenGeschrieben_ = false;  // the points were written since the window followed them
    bool modellGewechselt_ = false;  // another model since its chart was drawn
    bool gezeichnet_ = false;     // the window has a chart of its own (kind = its model)
    QPointer<QWidget> diagramm_;  // that chart while it is loaded
    Diagramm bereich_;            // its ranges
    bool modellNeu_ = false;
    std::array<double, 4> gemerkt_{};
    std::array<double, 4> stdAbw_{};  // 1..3: the standard deviations shown after the last auto-fit
    QPointer<QWidget> angeordnet_;
    QGridLayout* anfangsFelder_ = nullptr;
};

}  // namespace vrn
