#include "reactors/frmBatch.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "reactors/BatchReactor.h"
#include "reactors/ConversionSearch.h"
#include "reactors/ReactorDrawings.h"
#include "reactors/ReactorPicture.h"
#include "reactors/ReactorTexts.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"

namespace vrn {

frmBatch::frmBatch() : ReactorForm(Batch, EnterRule::NextField, 15) {
    auto* outer = new QGridLayout(this);
    outer->setHorizontalSpacing(14);
    makeModelLine();
    outer->addWidget(Label7, 0, 0, 1, 2);
    picReaktor = new ReactorPicture(kBatchBild, kBildMassstab, this);
    outer->addWidget(picReaktor, 1, 0, 2, 1, Qt::AlignTop);
    outer->addWidget(makeConcentrationPanel("Anfangs-Konzentration", "End- Konzentration", "c(i)(0) /(mol/l)",
                                            "c/(mol/l)", "Geschwindigkeitskonst."),
                     1, 1);

    auto* fra = new QGroupBox(" Vorgabe einer Größe ", this);
    auto* g = new QGridLayout(fra);
    g->addWidget(new QLabel("Vorgabe der  ", fra), 0, 0);
    optInpSelect[0] = new QRadioButton("Reaktionszeit", fra);
    optInpSelect[1] = new QRadioButton(" Umsatz U(A)", fra);
    lblZeitEinheit = new QLabel(fra);
    g->addWidget(optInpSelect[0], 0, 1);
    g->addWidget(new QLabel("t /", fra), 0, 2, Qt::AlignRight);
    g->addWidget(lblZeitEinheit, 0, 3);
    g->addWidget(optInpSelect[1], 1, 1);
    for (int i : {14, 13}) {
        Inp[static_cast<std::size_t>(i)]->setParent(fra);
        Inp[static_cast<std::size_t>(i)]->show();
    }
    g->addWidget(Inp[14], 0, 4);
    g->addWidget(Inp[13], 1, 4);
    g->addWidget(new QLabel("(0 < U(A) < 1)", fra), 1, 5);
    g->setColumnStretch(6, 1);
    outer->addWidget(fra, 2, 1);

    finishBatchOrTubeLayout(outer, {optInpSelect.begin(), optInpSelect.end()}, [this](int i) { optInpSelect_Click(i); },
                            [this] { cmdCalc_Click(); });
}

void frmBatch::Form_Load() {
    setCaption("Batch-Reaktor, isotherm");
    moveTwips(0, 0);
    fraKsi->hide();
    cmdShowKsi->setEnabled(false);
    cmdProtocol->setEnabled(false);
    bErsteRechnung = true;
    optInpSelect_Click(app.iInpSelBatch);
    adjustSize();
}

void frmBatch::Form_Activate() {
    applySelection(app.iInpSelBatch, app.tauVerweil != shownTau_);
    showOrderInModelLine();
    zeichneBatchReaktor(0);
}

void frmBatch::optInpSelect_Click(int Index) { applySelection(Index, true); }

void frmBatch::applySelection(int Index, bool withTime) {
    if (Index < 0 || Index > 1) return;
    app.iInpSelBatch = static_cast<Integer>(Index);
    markOption({optInpSelect[0], optInpSelect[1]}, optInpSelect[static_cast<std::size_t>(Index)]);
    setGiven(Inp[13], Index == 1);
    setGiven(Inp[14], Index == 0);
    if (Index != 1 && withTime) showTime();
}

void frmBatch::showTime() {
    showValue(Inp[14], app.tauVerweil);
    shownTau_ = app.tauVerweil;
}

void frmBatch::zeichneBatchReaktor(double x) {
    picReaktor->redraw([x](QPainter& p) { vrn::zeichneBatchReaktor(p, x); });
}

// Reads the fields, checks them (one box, nothing computed on a refusal),
// tests the equilibrium limit of a given conversion, computes once at t or
// searches the time of the given conversion, shows the results and fills the
// protocol row. Failures of the engine show its own box; a search that finds
// no time says so and empties the result fields.
void frmBatch::cmdCalc_Click() {
    startCalculation();
    ReactorInput in = leseEingaben(ReaktorFenster::Batch, {app.iInpSelBatch == 1 ? 13 : 14});
    in.selection = app.iInpSelBatch;

    const std::string list = batchCheckList(in);
    if (!list.empty()) {
        MsgBox(list, MsgButtons::OK, MsgIcon::Critical, kBatchTitel);
        return;
    }
    app.tauVerweil = in.t;
    shownTau_ = app.tauVerweil;
    app.UmsatzSoll = in.U;
    feedAndConstantsInForce(in);
    // The equilibrium conversion itself is approached without end: no time reaches it.
    bool endless = false;
    if (in.selection == 1 && hasEquilibriumLimit(in.model)) {
        const EquilibriumLimit lim = equilibriumLimit(in.model, in.c0, in.k);
        if (!lim.real) {
            MsgBox(std::string(kKeinGleichgewichtText) + "\r\n", MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
            return;
        }
        if (in.U > lim.Umax) {
            MsgBox(unreachableConversionText(lim.Umax), MsgButtons::OK, MsgIcon::Critical, kBatchTitel);
            return;
        }
        endless = in.U == lim.Umax;
    }

    SanduhrEin();
    ReactorStatus failure;
    ZeitSpanne versucht;  // the times a search tried, for its "not found"
    const CalcOutcome out = endless ? CalcOutcome::NotReached
                                    : batchResult(currentModelInputs(), in.selection == 1, app.tauVerweil,
                                                  app.UmsatzSoll, app.cAkt, app.dtSim, failure, &versucht);
    SanduhrAus();
    // The search leaves its last trial in tauVerweil: not a time to show later.
    shownTau_ = app.tauVerweil;
    if (out == CalcOutcome::EngineFailed) {
        if (!ursacheBenennen(in, ReaktorFenster::Batch, {in.selection == 1 ? 13 : 14})) showReactorStatus(failure);
        return;
    }
    if (out == CalcOutcome::NotReached) {
        clearResults({14});
        zeichneBatchReaktor(0);
        MsgBox(zeitNichtGefundenText(versucht, app.sZeiteinheit), MsgButtons::OK, MsgIcon::Critical, kBatchTitel);
        return;
    }

    showOutlet();
    if (in.selection == 1) {
        showTime();
    } else {
        app.UmsatzSoll = (app.c0[A] - app.cAkt[A]) / app.c0[A];
        showValue(Inp[13], app.UmsatzSoll);
    }
    finishResult();
    zeichneBatchReaktor(app.UmsatzSoll);
    enableProtocolAfterFirst();
}

}  // namespace vrn
