// The Arrhenius and Eyring calculator: k at a temperature T from A and EA
// (Arrhenius) or from S# and H# (Eyring), shown in the set time unit and per
// second. Which equation it uses is bytKTFunktion (1 Arrhenius, 2 Eyring) as
// it was when the calculator was opened, or when the fitting window handed
// its function over; it keeps that equation while other windows change the
// shared choice, so that it computes what it shows. It follows the shared
// state while it is open: a unit change rewrites its units and recomputes a
// shown result; new temperature parameters replace the inputs the user has
// not typed into (typed ones stay, and so does their result). The fitting
// window shows its fitted function and parameters in it by
// funktionUebernehmen when it draws.
#pragma once

#include <array>

#include "base/Zahlbereich.h"
#include "platform/Forms.h"
#include "shell/CalcForm.h"
#include "shell/StateOwner.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vrn {

class NumberField;

class frmArrheniusRechner : public VrnForm, public TimeUnitCaptions {
    Q_OBJECT
public:
    frmArrheniusRechner();

    // Fills captions, units and inputs from the shared state (T := 298.15,
    // results emptied), when it is loaded and when it takes a function over.
    void fuellen();
    // Takes over the shared temperature function (bytKTFunktion) and refills.
    void funktionUebernehmen();
    // Reads the inputs through the checked reading and shows k. A text a
    // field refuses (empty, no number, beyond a Double, too near 0, T not
    // above 0) or a k beyond the single range empties both result boxes and
    // is named in a message (" Ausführung nicht möglich "; a k too large by
    // the input that made it, rechenUeberlaufZeile); nothing is stored then.
    // An Eyring calculation stores S# and H#.
    void cmdCalc_Click();
    void cmdClose_Click();
    // The units of k and A in the unit in force (with the equation and mode).
    void setTimeUnitCaptions(const std::string& u) override;

    std::array<NumberField*, 4> txtInpArrh{};  // number fields
    QLineEdit* txtkResult = nullptr;
    QLineEdit* txtksecResult = nullptr;
    QLabel* lblFormel = nullptr;
    QLabel* lblk0 = nullptr;
    QLabel* lblEA = nullptr;
    QLabel* lblTK = nullptr;
    QLabel* lblk0Eyring = nullptr;
    QLabel* lblUnitk0 = nullptr;
    QLabel* lblUnitEA = nullptr;
    QLabel* lblRO = nullptr;
    QLabel* lblkEinheit = nullptr;
    QLabel* lblkEinheitsec = nullptr;
    QPushButton* cmdCalc = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void Form_Load() override;

private:
    // Input field i (0 A or s#, 1 EA or h#, 2 T) as the window names it.
    Zahlfeld eingabeFeld(int i) const;
    // Captions and units of the equation in force and the unit in force.
    void beschriften();
    // Inputs from the shared parameters; true when one of them changed.
    bool eingabenUebernehmen();
    void gehoert(const Meldung& m);
    Zuhoerer zuhoerer_{"frmArrheniusRechner", kTeilZeiteinheit | kTeilAuswertung | kTeilTemperatur,
                       [this](const Meldung& m) { gehoert(m); }};
    int funktion_ = 1;  // the equation it shows and computes with: 1 Arrhenius, 2 Eyring
};

}  // namespace vrn
