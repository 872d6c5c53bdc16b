#include "reactors/frmRKconti.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/HelpViewer.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "reactors/ReactorDrawings.h"
#include "reactors/ReactorPicture.h"
#include "reactors/ReactorTexts.h"
#include "reactors/StirredTank.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"

namespace vrn {

namespace {

struct Selection {
    const char* caption;
    std::array<int, 2> given;
    std::array<int, 2> computed;
};
constexpr Selection kSelections[5] = {
    {"Umsatz U(A) und Reaktionsvolumen V", {13, 14}, {15, 16}},
    {"Umsatz U(A) und Volumenstrom V*", {13, 15}, {14, 16}},
    {"Reakt.-volumen V und Volumenstrom V*", {14, 15}, {13, 16}},
    {"Reaktionsvolumen V und mittl. Verweilzeit t", {14, 16}, {13, 15}},
    {"Volumenstrom V* und mittlere Verweilzeit t", {15, 16}, {13, 14}},
};

constexpr int kHelpBase = 9000;

}  // namespace

frmRKconti::frmRKconti() : ReactorForm(RKconti, EnterRule::NextField, 16) {
    auto* outer = new QGridLayout(this);
    outer->setHorizontalSpacing(14);
    makeModelLine();
    outer->addWidget(Label7, 0, 0, 1, 2);
    picReaktor = new ReactorPicture(kKesselBild, kBildMassstab, this);
    picReaktor->overlay = [this](QPainter& p) { zeichneRuehrerBlaetter(p, RuehrerFaktor); };
    outer->addWidget(picReaktor, 1, 0, 2, 1, Qt::AlignTop);
    outer->addWidget(makeConcentrationPanel("Einlaufkonzentration", "Produktkonzentration", "c(i)(0) /(mol/l)",
                                            "c /(mol/l)", "Geschwindigkeitskonstanten"),
                     1, 1);

    auto* given = new QHBoxLayout;
    Frame1 = new QGroupBox(" Vorgabe von zwei Größen ", this);
    auto* fl = new QVBoxLayout(Frame1);
    fl->setSpacing(2);
    for (int i = 0; i < 5; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(kSelections[i].caption), Frame1);
        optCalcConti[static_cast<std::size_t>(i)] = o;
        fl->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this, i] { optCalcConti_Click(i); });
    }
    given->addWidget(Frame1);
    auto* q = new QGridLayout;
    lblZeitEinheit = new QLabel(this);
    lblVPunktInput = new QLabel(" V*/ (m^3/t)", this);
    auto* tLabel = new QHBoxLayout;
    tLabel->addStretch(1);
    tLabel->addWidget(new QLabel(" t/", this));
    tLabel->addWidget(lblZeitEinheit);
    q->addWidget(new QLabel("(0 < U(A) < 1) ", this), 0, 0, Qt::AlignRight);
    q->addWidget(new QLabel(" V/ m^3", this), 1, 0, Qt::AlignRight);
    q->addWidget(lblVPunktInput, 2, 0, Qt::AlignRight);
    q->addLayout(tLabel, 3, 0);
    for (int i = 13; i <= 16; ++i) {
        q->addWidget(Inp[static_cast<std::size_t>(i)], i - 13, 1);
        Inp[static_cast<std::size_t>(i)]->show();
    }
    Inp[16]->setToolTip(" entspricht \"Füllzeit\" des Reaktors ");
    q->setRowStretch(4, 1);
    given->addLayout(q);
    given->addStretch(1);
    outer->addLayout(given, 2, 1);

    cmdCalc = new QPushButton("Start", this);
    cmdHelp = new QPushButton("Hilfe zum Rechenweg", this);
    cmdProtocol->setToolTip(kProtocolTipStart);
    outer->addLayout(makeButtonRow({cmdCalc, cmdShowKsi, cmdProtocol, cmdHelp, cmdEsc}), 3, 0, 1, 2);
    outer->addWidget(makeKsiPanel(), 4, 0, 1, 2);
    outer->setRowStretch(5, 1);
    ensureSharedControls();

    Timer1 = new QTimer(this);
    Timer1->setInterval(80);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(cmdCalc, &QPushButton::clicked, this, [this] { cmdCalc_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
}

void frmRKconti::Form_Load() {
    moveTwips(0, 0);
    bErsteRechnung = true;
    setCaption("Kontinuierlicher Rührreaktor, isotherm");
    optCalcConti_Click(app.iInpSelRKconti);
    Timer1->stop();
    cmdShowKsi->setEnabled(false);
    fraKsi->hide();
    cmdProtocol->setEnabled(false);
    adjustSize();
}

void frmRKconti::Form_Activate() {
    Timer1->stop();
    showOrderInModelLine();
    zeichneRuehrkessel(0);
}

void frmRKconti::showNoResult() {
    Timer1->stop();
    zeichneRuehrkessel(0);
}

void frmRKconti::Form_Unload(bool& cancel) {
    Timer1->stop();
    ReactorForm::Form_Unload(cancel);
}

void frmRKconti::acceptedKey() { Timer1->stop(); }

void frmRKconti::optCalcConti_Click(int Index) {
    if (Index < 0 || Index > 4) return;
    Timer1->stop();
    zeichneRuehrkessel(0);
    app.iInpSelRKconti = static_cast<Integer>(Index);
    QRadioButton* const* o = optCalcConti.data();
    markOption({o[0], o[1], o[2], o[3], o[4]}, o[Index]);
    const Selection& s = kSelections[Index];
    for (int i : s.given) setGiven(Inp[static_cast<std::size_t>(i)], true);
    for (int i : s.computed) {
        setGiven(Inp[static_cast<std::size_t>(i)], false);
        Inp[static_cast<std::size_t>(i)]->setText(" 0");
    }
}

void frmRKconti::cmdHelp_Click() { HtmlHelp(kHelpBase + app.iInpSelRKconti); }

void frmRKconti::zeichneRuehrkessel(double x) {
    RuehrerFaktor = 0.6f;
    picReaktor->redraw([x](QPainter& p) { vrn::zeichneRuehrkessel(p, x); });
}

void frmRKconti::starteRuehrer() {
    RuehrerFaktor = 0.6f;
    picReaktor->update();
    Timer1->start();
}

void frmRKconti::Timer1_Timer() {
    RuehrerFaktor = RuehrerFaktor == 0.3f ? 0.6f : 0.3f;
    picReaktor->update();
}

void frmRKconti::showComputed() {
    const double values[17] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, app.UmsatzSoll, VReaktor, VPunkt, app.tauVerweil};
    for (int i : kSelections[app.iInpSelRKconti].computed)
        showValue(Inp[static_cast<std::size_t>(i)], values[i]);
}

// Reads every field, checks them (one box, the stirrer stops, nothing
// computed on a refusal), tests the equilibrium limit of a given conversion
// and computes the steady state. A result shows the two computed quantities
// and the outlet, fills the protocol row, colours the tank and starts the
// stirrer; a failure shows its box and leaves fields, row and picture.
void frmRKconti::cmdCalc_Click() {
    startCalculation();
    const auto& gegeben = kSelections[app.iInpSelRKconti].given;
    ReactorInput in = leseEingaben(ReaktorFenster::Kessel, {gegeben[0], gegeben[1]});
    in.selection = app.iInpSelRKconti;

    const std::string list = tankCheckList(in);
    if (!list.empty()) {
        MsgBox(list, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        Timer1->stop();
        return;
    }
    app.UmsatzSoll = in.U;
    VReaktor = in.V;
    VPunkt = in.VPunkt;
    app.tauVerweil = in.t;
    feedAndConstantsInForce(in);
    if ((in.selection == 0 || in.selection == 1) && hasEquilibriumLimit(in.model)) {
        const EquilibriumLimit lim = equilibriumLimit(in.model, in.c0, in.k);
        if (!lim.real || in.U > lim.Umax) {
            Timer1->stop();
            MsgBox(lim.real ? unreachableConversionText(lim.Umax) : std::string(kKeinGleichgewichtText),
                   MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
            return;
        }
    }

    SanduhrEin();
    double U = app.UmsatzSoll, V = VReaktor, VP = VPunkt, tau = app.tauVerweil;
    double ksi1 = 0;
    for (std::size_t i = 1; i <= 3; ++i) app.ksi[i] = 0;
    RKcontiStatus st = CalcRKconti(currentModelInputs(), in.selection, U, V, VP, tau, app.cAkt, ksi1);
    if (st.ok) app.ksi[1] = ksi1;
    if (st.ok) {
        bool showable = showableAsSingle(U) && showableAsSingle(V) && showableAsSingle(VP) && showableAsSingle(tau);
        for (int i = 1; i <= 5; ++i) showable = showable && showableAsSingle(app.cAkt[static_cast<std::size_t>(i)]);
        if (!showable) {
            st.ok = false;
            st.bRechenFehler = true;
            st.text = kRechenFehlerText;
            st.title = kNichtMoeglich;
            app.cAkt = Konz{};
        }
    }
    if (st.bZuWenigB) showReactorStatus(st);
    if (st.ok) {
        app.UmsatzSoll = U;
        VReaktor = V;
        VPunkt = VP;
        app.tauVerweil = tau;
        showComputed();
        showOutlet();
        finishResult();
        zeichneRuehrkessel(app.UmsatzSoll);
        starteRuehrer();
    }
    if (app.iModell == 7 && app.cAkt[B] < 0)
        MsgBox(kZuWenigBModell7Text, MsgButtons::OK, MsgIcon::Critical, kZuWenigBModell7Titel);
    if (st.bRechenFehler && !ursacheBenennen(in, ReaktorFenster::Kessel, {gegeben[0], gegeben[1]}))
        showReactorStatus(st);
    enableProtocolAfterFirst();
    SanduhrAus();
}

}  // namespace vrn
