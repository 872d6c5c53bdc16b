// The tangent window: at a typed time, the value c(i) and the rate
// r(i) = dc(i)/dt of the Akima spline that the chart of kind 100 drew through
// the measured curve of species bytTangStoff, and a slider that smooths that
// spline (the chart redraws it).
//
// The chart window is one for all windows: others (the fitting window, the
// evaluations, a c-t chart of the user) may take it over while this window
// stays open. So the window keeps its species, its smoothing and its chart as
// its own: before it computes or smooths it sets the shared values from them,
// and when its chart is not the open one, or the data set was written since
// it was drawn, it draws its chart anew first, so that the values come from
// the spline it shows. It does so only when the user acts in it: what it
// hears of other windows changes only what it shows itself.
#pragma once

#include <QPointer>

#include <cstdint>
#include <optional>

#include "base/Types.h"
#include "base/Zahlbereich.h"
#include "data/Tangente.h"
#include "platform/Forms.h"
#include "shell/StateOwner.h"
#include "shell/CalcForm.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QGroupBox;

namespace vrn {

class NumberField;

class frmCalcTangente : public VrnForm, public TimeUnitCaptions {
    Q_OBJECT
public:
    frmCalcTangente();

    // The chart the main window has just opened for this window (kind 100)
    // becomes its chart.
    void diagrammUebernehmen();
    void setTimeUnitCaptions(const std::string& u) override;

    // Shows c and r at the time in txtX; a time the field refuses (empty, no
    // number, beyond a Double, too near 0) or outside 0..XMax is named in
    // one line; a data set whose times do not strictly increase is refused
    // with a message.
    void cmdCalc_Click();
    // sngGlaettung := slider / 200; when it changed and the chart is loaded,
    // the chart deletes its curves and draws the spline anew.
    void SliderGlaettung_Change();
    // Unloads this window and its chart window (another window's chart stays).
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

private:
    // The time field t: a Double of at least 0.
    static Zahlfeld zeitFeld();
    bool eigenesDiagramm() const;
    // The shared values of the tangent method from the window's own; its
    // chart is drawn anew when it is not the open one or the data changed.
    void diagrammSichern();

    // A unit change or another data set, heard from the owner: the captions
    // of the unit in force; a unit change converts the time typed and a
    // shown result (the same moment, its rate per the new unit); other points
    // leave no result of the former ones. Its chart and every other window
    // stay as they are, and so does the focus.
    void gehoert(const Meldung& m);
    void zeigeErgebnis();

    int stoff_ = 0;
    Single glaettung_ = 0;
    QPointer<QWidget> diagramm_;
    std::uint64_t datenStand_ = 0;            // the data set's counter when its chart was drawn
    std::optional<TangentenWert> ergebnis_;  // the result shown
    Zuhoerer zuhoerer_{"frmCalcTangente", kTeilZeiteinheit | kTeilDatensatz,
                       [this](const Meldung& m) { gehoert(m); }};
};

}  // namespace vrn
