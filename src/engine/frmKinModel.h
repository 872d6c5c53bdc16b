// The model window: the choice of one of the 19 kinetic models, the order n
// of model 20 and the time unit. Choosing a model sets the program-wide model
// state and reconfigures the first open calculation window.
#pragma once

#include <array>

#include "base/Zahlbereich.h"
#include "platform/Forms.h"
#include "shell/StateOwner.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace vrn {

class CalcForm;
class NumberField;

class frmKinModel : public VrnForm {
    Q_OBJECT
public:
    frmKinModel();

    // The model choice (index 0 = model 20).
    void optTyp_Click(int Index);
    // The time-unit choice: converts to the unit (setZeiteinheit); the window
    // marks it when it hears the change.
    void optZeit_Click(int Index);
    void cmdShowMatrix_Click();
    // A change of the order field's text puts nothing in force: the order is
    // taken by the model choice that every key typed starts (optTyp_Click
    // reads the field) and when the field is left.
    void txtOrdnung_Change();
    // The order field left (Enter, another field or window): nOrdnung := its
    // number as a Single when the field takes its text (ordnungsFeld with
    // any sign); a text it refuses (empty, no number, beyond a Single, too
    // near 0) leaves the order in force when the field took the focus (a
    // number a model choice took on the way is not kept); the text stays,
    // and the windows that compute with model 20 name it (ordnungsZeile).
    void txtOrdnung_Verlassen();
    // The check line of the loaded model window's order field read as
    // ordnungsFeld(bereich) (the range the computing window allows); empty
    // when it takes its text or the window is not loaded. The windows that
    // compute with model 20 name such an order instead of using the one in force.
    static std::string ordnungsZeile(Bereich bereich);

    std::array<QRadioButton*, 19> optTyp{};
    std::array<QRadioButton*, 5> optZeit{};
    NumberField* txtOrdnung = nullptr;
    QLabel* lblRecalcTime = nullptr;
    QPushButton* cmdShowMatrix = nullptr;
    QLabel* lbl7 = nullptr;
    QLabel* lbl10 = nullptr;
    QLabel* lbl13 = nullptr;
    QLabel* lbl18 = nullptr;

    // Applies the current model to a calculation window (its shared controls).
    static void reconfigure(CalcForm* w);
    // The window at the place it opens at (400 twips from the right edge of
    // the screen, at the top), inside the main window's area.
    void anAngestammtenPlatz();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void showRecalcWarning();
    void markTimeUnit(int index);
    // The unit in force marked (bold and checked) and the order of model 20
    // shown, neither written back.
    void zeigeEinheit();
    void zeigeOrdnung();
    // iZeitEinheit from the unit in force (sZeiteinheit).
    void followTimeUnit();
    // Another window changed what this one shows: the unit, the order of
    // model 20 (a fit), or the data set (the note on unit changes); or it
    // set a model for this window to set up (a project, an evaluation).
    void gehoert(const Meldung& m);
    bool eigeneOrdnung_ = false;  // the order changes as the user types it here
    std::string einheit_;         // the unit the window shows
    QString umgerechnet_;         // the note that loaded data converted the constants
    Single ordnungBeimFokus_ = 0;  // the order in force when the field took the focus
    bool tasteWaehlt_ = false;     // a key typed into the order field is choosing model 20
    Zuhoerer zuhoerer_{"frmKinModel", kTeilZeiteinheit | kTeilOrdnung | kTeilDatensatz | kTeilModellwahl,
                       [this](const Meldung& m) { gehoert(m); }};
};

}  // namespace vrn
