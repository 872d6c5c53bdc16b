#include "reactors/frmRohrreaktor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "reactors/BatchReactor.h"
#include "reactors/ConversionSearch.h"
#include "reactors/ReactorDrawings.h"
#include "reactors/ReactorPicture.h"
#include "reactors/ReactorRules.h"
#include "reactors/ReactorTexts.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"

namespace vrn {

namespace {
// The field each given quantity makes an input.
constexpr int kGivenField[3] = {14, 15, 13};
}  // namespace

frmRohrreaktor::frmRohrreaktor() : ReactorForm(Rohrreaktor, EnterRule::Ignored, 16) {
    auto* outer = new QGridLayout(this);
    outer->setHorizontalSpacing(14);
    makeModelLine();
    outer->addWidget(Label7, 0, 0, 1, 2);
    picReaktor = new ReactorPicture(kRohrBild, kBildMassstab, this);
    outer->addWidget(picReaktor, 1, 0, 2, 1, Qt::AlignTop);
    outer->addWidget(makeConcentrationPanel("Eingangs-Konzentration", "Ausgangs-Konzentr.", "c(i)(0) /(mol/l)",
                                            "c/(mol/l)", "Geschwindigkeitskonstanten"),
                     1, 1);

    auto* fra = new QGroupBox(this);
    auto* g = new QGridLayout(fra);
    optInpSelect[0] = new QRadioButton(" Reaktionszeit", fra);
    optInpSelect[1] = new QRadioButton(" Rohrlänge l/m", fra);
    optInpSelect[2] = new QRadioButton(" Umsatz U(A)", fra);
    lblZeitEinheit = new QLabel(fra);
    for (int i : {13, 14, 15, 16}) {
        Inp[static_cast<std::size_t>(i)]->setParent(fra);
        Inp[static_cast<std::size_t>(i)]->show();
    }
    g->addWidget(optInpSelect[0], 0, 0);
    g->addWidget(new QLabel("t /", fra), 0, 1, Qt::AlignRight);
    g->addWidget(lblZeitEinheit, 0, 2);
    g->addWidget(Inp[14], 0, 3);
    g->addWidget(optInpSelect[1], 1, 0);
    g->addWidget(new QLabel("l /m", fra), 1, 1, 1, 2, Qt::AlignRight);
    g->addWidget(Inp[15], 1, 3);
    g->addWidget(optInpSelect[2], 2, 0);
    g->addWidget(Inp[13], 2, 3);
    g->addWidget(new QLabel("(0 < U(A) < 1)", fra), 2, 4);
    g->addWidget(new QLabel("Strömungsgeschwindigkeit", fra), 3, 0);
    g->addWidget(new QLabel("v /(m/s)", fra), 3, 1, 1, 2, Qt::AlignRight);
    g->addWidget(Inp[16], 3, 3);
    g->setColumnStretch(5, 1);
    outer->addWidget(fra, 2, 1);

    finishBatchOrTubeLayout(outer, {optInpSelect.begin(), optInpSelect.end()}, [this](int i) { optInpSelect_Click(i); },
                            [this] { cmdCalc_Click(); });
}

void frmRohrreaktor::Form_Load() {
    setCaption("Rohr-Reaktor, volumenbeständige Reaktion");
    moveTwips(0, 0);
    fraKsi->hide();
    cmdShowKsi->setEnabled(false);
    cmdProtocol->setEnabled(false);
    bErsteRechnung = true;
    vFliess = 1.0;
    showValue(Inp[16], vFliess);
    showValue(Inp[14], app.tauVerweil);
    optInpSelect_Click(app.iInpSelRohr);
    adjustSize();
}

void frmRohrreaktor::Form_Activate() {
    optInpSelect_Click(app.iInpSelRohr);
    showOrderInModelLine();
    zeichneRohrreaktor(app.UmsatzSoll);
}

void frmRohrreaktor::optInpSelect_Click(int Index) {
    if (Index < 0 || Index > 2) return;
    app.iInpSelRohr = static_cast<Integer>(Index);
    markOption({optInpSelect[0], optInpSelect[1], optInpSelect[2]}, optInpSelect[static_cast<std::size_t>(Index)]);
    for (int i : {13, 14, 15}) setGiven(Inp[static_cast<std::size_t>(i)], i == kGivenField[Index]);
}

void frmRohrreaktor::zeichneRohrreaktor(double x, bool ohneErgebnis) {
    const QColor leer = palette().color(backgroundRole());
    const bool ohne = ohneErgebnis || app.tauVerweil == 0;
    picReaktor->redraw([=](QPainter& p) { vrn::zeichneRohrreaktor(p, x, ohne, leer); });
}

// Reads the fields, checks them (one box, nothing computed on a refusal),
// tests the equilibrium limit of a given conversion, computes at t = l / v
// or t, or searches the time of the given conversion, shows the results and
// fills the protocol row. Engine failures show their own box; a search that
// finds no time says so and empties the result fields.
void frmRohrreaktor::cmdCalc_Click() {
    startCalculation();
    const int gegeben = app.iInpSelRohr == 0 ? 14 : app.iInpSelRohr == 1 ? 15 : 13;
    ReactorInput in = leseEingaben(ReaktorFenster::Rohr, {16, gegeben});
    in.selection = app.iInpSelRohr;

    const std::string list = tubeCheckList(in);
    if (!list.empty()) {
        MsgBox(list, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    vFliess = in.v;
    lRohr = in.l;
    app.tauVerweil = in.t;
    app.UmsatzSoll = in.U;
    feedAndConstantsInForce(in);
    SanduhrEin();
    // The equilibrium conversion itself is approached without end: no time reaches it.
    bool endless = false;
    if (in.selection == 2 && hasEquilibriumLimit(in.model)) {
        const EquilibriumLimit lim = equilibriumLimit(in.model, in.c0, in.k);
        if (!lim.real) {
            MsgBox(kKeinGleichgewichtText, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
            SanduhrAus();
            return;
        }
        if (in.U > lim.Umax) {
            MsgBox(unreachableConversionText(lim.Umax), MsgButtons::OK, MsgIcon::Critical, kBatchTitel);
            finishCalculation();
            return;
        }
        endless = in.U == lim.Umax;
    }

    // l in m and v in m/s; t in the model's time unit.
    if (in.selection == 0) lRohr = tubeLength(app.tauVerweil, vFliess, app.sZeiteinheit);
    if (in.selection == 1) app.tauVerweil = tubeResidenceTime(lRohr, vFliess, app.sZeiteinheit);
    // A length or time a field cannot show fails like the engine.
    ReactorStatus failure = ReactorStatus::failure(kBatchFehlerText, kBatchFehlerTitel);
    ZeitSpanne versucht;  // the times a search tried, for its "not found"
    CalcOutcome out = endless ? CalcOutcome::NotReached : CalcOutcome::EngineFailed;
    if (!endless && showableAsSingle(lRohr) && showableAsSingle(app.tauVerweil))
        out = batchResult(currentModelInputs(), in.selection == 2, app.tauVerweil, app.UmsatzSoll, app.cAkt,
                          app.dtSim, failure, &versucht);
    if (out == CalcOutcome::Done && in.selection == 2) {
        lRohr = tubeLength(app.tauVerweil, vFliess, app.sZeiteinheit);
        if (!showableAsSingle(lRohr)) {
            out = CalcOutcome::EngineFailed;
            failure = ReactorStatus::failure(kBatchFehlerText, kBatchFehlerTitel);
        }
    }
    if (out == CalcOutcome::EngineFailed) {
        const int gegeben = in.selection == 0 ? 14 : in.selection == 1 ? 15 : 13;
        if (!ursacheBenennen(in, ReaktorFenster::Rohr, {16, gegeben})) showReactorStatus(failure);
        if (in.selection == 2) SanduhrAus();
        else finishCalculation();
        return;
    }
    if (out == CalcOutcome::NotReached) {
        clearResults({14, 15});
        zeichneRohrreaktor(0, true);
        MsgBox(zeitNichtGefundenText(versucht, app.sZeiteinheit), MsgButtons::OK, MsgIcon::Critical, kBatchTitel);
        finishCalculation();
        return;
    }

    showOutlet();
    if (in.selection == 2) {
        showValue(Inp[14], app.tauVerweil);
        showValue(Inp[15], lRohr);
    } else {
        showValue(in.selection == 0 ? Inp[15] : Inp[14], in.selection == 0 ? lRohr : app.tauVerweil);
        app.UmsatzSoll = (app.c0[A] - app.cAkt[A]) / app.c0[A];
        showValue(Inp[13], app.UmsatzSoll);
    }
    finishResult();
    zeichneRohrreaktor(app.UmsatzSoll);
    finishCalculation();
}

void frmRohrreaktor::finishCalculation() {
    if (app.iModell == 7 && app.cAkt[B] < 0)
        MsgBox(kZuWenigBModell7Text, MsgButtons::OK, MsgIcon::Critical, kZuWenigBModell7Titel);
    enableProtocolAfterFirst();
    SanduhrAus();
}

}  // namespace vrn
