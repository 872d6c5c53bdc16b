#include "engine/frmPrepareTimeDiagram.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "engine/Simulation.h"
#include "engine/TimeDiagramInput.h"
#include "engine/frmKinModel.h"
#include "engine/frmSimTabelle.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/StateOwner.h"
#include "shell/DataPreparation.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"
#include "base/NumberText.h"

namespace vrn {

frmPrepareTimeDiagram::frmPrepareTimeDiagram() : CalcForm(TimeDiagram) {
    // The chart it draws may cover it.
    setMayBeCovered(true);
    setCaption("   Konzentrations-Zeit-Diagramm");
    auto* outer = new QVBoxLayout(this);
    Label7 = new QLabel(this);
    QFont bold = Label7->font();
    bold.setBold(true);
    Label7->setFont(bold);
    outer->addWidget(Label7);

    auto* inputs = new QHBoxLayout;
    // The caption takes two lines, which a frame title cannot: it stands as a
    // label above a frame without title.
    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    auto* fraCCaption = new QLabel(kFraCCaption, this);
    fraCCaption->setObjectName("fraC_caption");
    left->addWidget(fraCCaption);
    auto* fraC = new QGroupBox(this);
    fraC->setObjectName("fraC");
    left->addWidget(fraC, 1);
    auto* gc = new QGridLayout(fraC);
    static const char* const letters[] = {"A", "B", "C", "P", "Q"};
    for (int i = 0; i < 5; ++i) {
        lblStoff[static_cast<std::size_t>(i)] = new QLabel(letters[i], fraC);
        Inp[static_cast<std::size_t>(i)] = new NumberField(fraC);
        gc->addWidget(lblStoff[static_cast<std::size_t>(i)], i, 0);
        gc->addWidget(Inp[static_cast<std::size_t>(i)], i, 1);
    }
    gc->setRowStretch(5, 1);
    inputs->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* fraK = new QGroupBox("Vorgabe der Geschwindigkeitskonstante(n)", this);
    auto* gk = new QGridLayout(fraK);
    unit1 = new QLabel("(1/s)", fraK);
    unit2 = new QLabel("(1/s)", fraK);
    unit3 = new QLabel("(1/s)", fraK);
    QLabel* units[3] = {unit1, unit2, unit3};
    for (int j = 0; j < 3; ++j) {
        const int idx = 10 + j;
        Bz[static_cast<std::size_t>(5 + j)] = new QLabel(QString("k%1/").arg(j + 1), fraK);
        Inp[static_cast<std::size_t>(idx)] = new NumberField(fraK);
        gk->addWidget(Bz[static_cast<std::size_t>(5 + j)], j, 0);
        gk->addWidget(Inp[static_cast<std::size_t>(idx)], j, 1);
        gk->addWidget(units[j], j, 2);
    }
    right->addWidget(fraK);
    auto* fraT = new QGroupBox("Zeitachse", this);
    auto* gt = new QHBoxLayout(fraT);
    Bz[8] = new QLabel("t(max)/", fraT);
    Inp[14] = new NumberField(fraT);
    unit4 = new QLabel("s", fraT);
    gt->addWidget(Bz[8]);
    gt->addWidget(Inp[14]);
    gt->addWidget(unit4);
    right->addWidget(fraT);
    inputs->addLayout(right);
    outer->addLayout(inputs);

    auto* checks = new QHBoxLayout;
    chkDelDiagram = new QCheckBox("alte Kurven löschen", this);
    chkMitPunkten = new QCheckBox("mit exper. Punkten", this);
    checks->addWidget(chkDelDiagram);
    checks->addWidget(chkMitPunkten);
    checks->addStretch(1);
    outer->addLayout(checks);

    auto* buttons = new QHBoxLayout;
    cmdDrawctDiagram = new QPushButton("c-t-Diagramm zeichnen", this);
    cmdListe = new QPushButton("Werte- Tabelle ", this);
    cmdClose = new QPushButton("Schließen <Esc>", this);
    buttons->addWidget(cmdDrawctDiagram);
    buttons->addWidget(cmdListe);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    outer->addLayout(buttons);

    auto* mm = new QGroupBox("Michaelis-Menten", this);
    fraMichaelis = mm;
    auto* gm = new QGridLayout(mm);
    cmdMMdiagram = new QPushButton("Diagramm  r(P)_=_Fu(S(0)) ", mm);
    cmdMMdiagram->setToolTip(
        "...stellt Abhängigkeit der Reaktionsgeschwindigkeit von der Substratkonzentration dar ");
    cmdMichaelisListe = new QPushButton("Werte- Tabelle ", mm);
    chkNormiert = new QCheckBox("x-Achse normiert", mm);
    lblS0max = new QLabel("S(0),max/(mol/l) =", mm);
    txtS0max = new NumberField(mm);
    lblMichaelisK = new QLabel("Michaelis-Konstante", mm);
    lblMichaelisK->setWordWrap(true);
    gm->addWidget(cmdMMdiagram, 0, 0);
    gm->addWidget(cmdMichaelisListe, 0, 1);
    gm->addWidget(chkNormiert, 1, 0);
    auto* s0 = new QHBoxLayout;
    s0->addWidget(lblS0max);
    s0->addWidget(txtS0max);
    gm->addLayout(s0, 1, 1);
    gm->addWidget(lblMichaelisK, 2, 0, 1, 2);
    outer->addWidget(mm);

    // Present but never shown here.
    fraKsi = new QWidget(this);
    fraKsi->setToolTip("fraKsi = dummy");
    fraKsi->hide();
    ensureSharedControls();
    cmdShowKsi->setText("Zeige Ksi (hier unsichtbar)");

    for (int i = 0; i < 17; ++i) {
        NumberField* f = Inp[static_cast<std::size_t>(i)];
        connect(f, &QLineEdit::textChanged, this, [this, i] { Inp_Change(i); });
        // Enter moves to the next field that is shown (hidden ones, such as
        // c(B)(0) of a one-reactant model, are passed over); after the last
        // one the focus stays.
        f->onKeyPress = [this, i](int& key) {
            if (key != 13) return;
            key = 0;
            for (int j = i + 1; j <= 16; ++j) {
                NumberField* next = Inp[static_cast<std::size_t>(j)];
                if (next->isVisibleTo(this) && next->isEnabled() && !next->isReadOnly()) {
                    next->setFocus(Qt::TabFocusReason);
                    return;
                }
            }
        };
    }
    connect(txtS0max, &QLineEdit::textChanged, this, [this] { txtS0max_Change(); });
    connect(txtS0max, &NumberField::fokusErhalten, this, [this] { s0maxBeimFokus_ = app.S0max; });
    // Left with a text it refuses: S(0),max in force before comes back (a
    // number typed on the way is not kept); the diagram names the text.
    connect(txtS0max, &QLineEdit::editingFinished, this, [this] {
        if (!txtS0max->lies(s0maxFeld()).ok()) app.S0max = s0maxBeimFokus_;
    });
    connect(chkDelDiagram, &QCheckBox::clicked, this, [this] { chkDelDiagram_Click(); });
    connect(chkMitPunkten, &QCheckBox::clicked, this, [this] { chkMitPunkten_Click(); });
    connect(chkNormiert, &QCheckBox::clicked, this, [this] { chkNormiert_Click(); });
    connect(cmdDrawctDiagram, &QPushButton::clicked, this, [this] { cmdDrawctDiagram_Click(); });
    connect(cmdListe, &QPushButton::clicked, this, [this] { cmdListe_Click(); });
    connect(cmdMMdiagram, &QPushButton::clicked, this, [this] { cmdMMdiagram_Click(); });
    connect(cmdMichaelisListe, &QPushButton::clicked, this, [this] { cmdMichaelisListe_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    setCancelButton(cmdClose);
    setDefaultButton(cmdDrawctDiagram);
}

void frmPrepareTimeDiagram::Form_Load() {
    moveTwips(60, 0);
    app.gMitMesspunkten = chkMitPunkten->isChecked();
    chkMitPunkten->setEnabled(!app.bRateDiagramm);
    chkDelDiagram->setChecked(app.bDelDiagram);
    {
        // S(0),max shown from the start: the diagram reads what the field shows.
        const QSignalBlocker still(txtS0max);
        txtS0max->setText(toQ(Str(app.S0max)));
    }
    adjustSize();
}

// Activation shows the state in force; it writes nothing shared (the
// drawing takes the window's boxes over when it draws).
void frmPrepareTimeDiagram::Form_Activate() {
    UpdateUnitLabels(*this);
    fraMichaelis->setVisible(app.iModell == 10);
    chkDelDiagram->setEnabled(app.gnKurven != 0 && chartWindowLoaded());
    chkDelDiagram->setChecked(app.bDelDiagram);
    chkNormiert->setChecked(app.bMMnormiert);
    txtS0max->setEnabled(!app.bMMnormiert);
    lblS0max->setEnabled(!app.bMMnormiert);
    if (app.iModell == 20) Label7->setText(modellZeile(20));
    if (app.bRateDiagramm) {
        chkMitPunkten->setChecked(false);
        setCaption("Reaktionsgeschwindigkeit-Zeit-Funktionen");
        cmdDrawctDiagram->setText("r-t-Diagramm zeichnen");
        cmdDrawctDiagram->setToolTip(" Reaktionsgeschwindigkeit(en) vs. Zeit ");
        cmdListe->setToolTip(" Zeit | Reaktionsgeschwindigkeit(en) ");
        chkMitPunkten->setEnabled(false);
    } else {
        setCaption("Konzentrations-Zeit-Funktionen");
        cmdDrawctDiagram->setText("c-t-Diagramm zeichnen");
        cmdDrawctDiagram->setToolTip(" Konzentration(en) vs. Zeit ");
        cmdListe->setToolTip(" Zeit | Konzentration(en) ");
        bool any = false;
        for (int i = 1; i <= 5; ++i)
            if (static_cast<int>(app.sSpeziesMaske.size()) >= i && app.sSpeziesMaske[static_cast<std::size_t>(i - 1)] == '1' &&
                app.bKonzDaten[static_cast<std::size_t>(i)])
                any = true;
        chkMitPunkten->setEnabled(any);
    }
    txtS0max->setText(toQ(Str(app.S0max)));
}

void frmPrepareTimeDiagram::Inp_Change(int Index) {
    if (Index < 10 || Index > 12) return;
    // KM follows while the three texts are numbers and k> is above 0.
    Zahlfeld zahl;
    zahl.leer = Leer::IstNull;
    const Zahllesung v10 = liesZahl(toStd(Inp[10]->text()), zahl);
    const Zahllesung v11 = liesZahl(toStd(Inp[11]->text()), zahl);
    const Zahllesung v12 = liesZahl(toStd(Inp[12]->text()), zahl);
    if (!v10.ok() || !v11.ok() || !v12.ok() || !(v10.wert > 0)) return;
    const double km = (v11.wert + v12.wert) / v10.wert;
    if (!passtInSingle(km)) return;
    app.KMichaelis = zuSingle(km);
    lblMichaelisK->setText("Michaelis-Konstante KM = (k< + k3) / k> =" + toQ(Str(app.KMichaelis)) + "\r\n" +
                           "(reale Größenordnung KM = 1E-2...1E-5)");
}

void frmPrepareTimeDiagram::txtS0max_Change() {
    // A text the field refuses leaves S(0),max in force; the diagram names it.
    if (const Zahllesung l = txtS0max->lies(s0maxFeld()); l.ok()) app.S0max = l.single;
}
void frmPrepareTimeDiagram::chkDelDiagram_Click() { app.bDelDiagram = chkDelDiagram->isChecked(); }
void frmPrepareTimeDiagram::chkMitPunkten_Click() { app.gMitMesspunkten = chkMitPunkten->isChecked(); }

void frmPrepareTimeDiagram::chkNormiert_Click() {
    const bool ticked = chkNormiert->isChecked();
    txtS0max->setEnabled(!ticked);
    lblS0max->setEnabled(!ticked);
    chkNormiert->setToolTip(ticked ? " normierte Gleichung r(P)/r(P),max = Fu(S(0)/KM) "
                                   : " Gleichung r(P)/r(P),max = Fu(S(0)) ");
}

bool frmPrepareTimeDiagram::readAndCheck(bool forList) {
    // The diagram is this window's: the curves of the model in force, as
    // concentrations or rates, whatever chart another window asked for last.
    const Integer diagrammTyp = static_cast<Integer>(app.bRateDiagramm ? app.iModell + 50 : app.iModell);
    TimeDiagramVisibility shown;
    shown.fieldB = Inp[1]->isVisibleTo(this);
    shown.fieldK2 = Inp[11]->isVisibleTo(this);
    shown.fieldK3 = Inp[12]->isVisibleTo(this);
    // Every shown field through the checked reading; a refused one is named
    // and the values in force stay as they are.
    TimeDiagramLesungen lesungen;
    auto c0 = app.c0;
    auto k = app.k;
    Single tEnd = app.tEnd;
    for (int i : {0, 1, 2, 3, 4, 10, 11, 12, 14}) {
        NumberField* f = Inp[static_cast<std::size_t>(i)];
        if (!f->isVisibleTo(this)) continue;
        const Zahllesung l = f->lies(timeDiagramFeld(i, forList));
        if (!l.ok()) {
            lesungen.inp[static_cast<std::size_t>(i)] = l.zeile;
            continue;
        }
        if (i <= 4) c0[static_cast<std::size_t>(i + 1)] = l.wert;
        else if (i <= 12) k[static_cast<std::size_t>(i - 9)] = l.wert;
        else tEnd = l.single;
    }
    Single s0max = app.S0max;
    if (app.bMMdiagramm && !app.bMMnormiert) {
        const Zahllesung l = txtS0max->lies(s0maxFeld());
        if (l.ok()) s0max = l.single;
        else lesungen.s0max = l.zeile;
    }
    if (app.iModell == 20)
        lesungen.ordnung = frmKinModel::ordnungsZeile(diagrammTyp == 20 ? Bereich::NichtNegativ : Bereich::Beliebig);
    // The checks look at the values as they would be in force.
    const auto c0Vorher = app.c0;
    const auto kVorher = app.k;
    const Single tEndVorher = app.tEnd;
    const Single s0Vorher = app.S0max;
    const Integer typVorher = app.iDiagrammTyp;
    app.c0 = c0;
    app.k = k;
    app.tEnd = tEnd;
    app.S0max = s0max;
    app.iDiagrammTyp = diagrammTyp;
    const std::string m = checkTimeDiagramInputs(forList, shown, lesungen);
    app.c0 = c0Vorher;
    app.k = kVorher;
    app.tEnd = tEndVorher;
    app.S0max = s0Vorher;
    app.iDiagrammTyp = typVorher;
    if (!m.empty()) {
        MsgBox(m, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return false;
    }
    // What the window shows is the state in force from here on.
    Aenderung aenderung;
    app.c0 = c0;
    app.k = k;
    app.tEnd = tEnd;
    app.S0max = s0max;
    app.nSimPunkte = 200;
    app.iDiagrammTyp = diagrammTyp;
    // The points drawn with the curves are those the window's box asks for.
    app.gMitMesspunkten = chkMitPunkten->isChecked();
    eingabenUebernommen();
    return true;
}

void frmPrepareTimeDiagram::simulieren(Integer& err) {
    // A failure inside made by an input far out of the common range names
    // that input; any other is the engine's own.
    std::vector<Zahlfeld> felder;
    std::vector<double> werte;
    for (int i : {0, 1, 2, 3, 4, 10, 11, 12, 14}) {
        if (!Inp[static_cast<std::size_t>(i)]->isVisibleTo(this)) continue;
        felder.push_back(timeDiagramFeld(i, false));
        werte.push_back(i <= 4 ? app.c0[static_cast<std::size_t>(i + 1)]
                        : i <= 12 ? app.k[static_cast<std::size_t>(i - 9)]
                                  : static_cast<double>(app.tEnd));
    }
    if (app.bMMdiagramm && !app.bMMnormiert) {
        felder.push_back(s0maxFeld());
        werte.push_back(app.S0max);
    }
    simuliereUndBenenne(app.iModell, err, felder, werte);
}

void frmPrepareTimeDiagram::cmdDrawctDiagram_Click() {
    if (!readAndCheck(false)) return;
    // A numerical simulation can take a while: the hourglass shows until the chart stands.
    SanduhrEin();
    Integer err = 0;
    simulieren(err);
    // The chart request of the chart module, with the shared state.
    const auto& zeigeDiagramm = hooks().chartWindow.zeigeDiagramm;
    if (app.bDelDiagram || !chartWindowLoaded()) {
        unloadChartWindow();
        if (err == 0) {
            CalcDataRanges(app.iDiagrammTyp, app.gMitMesspunkten);
            if (zeigeDiagramm) zeigeDiagramm();
        }
    } else if (err == 0) {
        if (zeigeDiagramm) zeigeDiagramm();
        pressChartDraw();
    }
    SanduhrAus();
}

void frmPrepareTimeDiagram::cmdListe_Click() {
    if (!readAndCheck(true)) return;
    const std::size_t n = static_cast<std::size_t>(app.nSimPunkte) + 3;
    app.tSim.assign(n, 0.0);
    for (auto* v : {&app.cSim_A, &app.cSim_B, &app.cSim_C, &app.cSim_P, &app.cSim_Q}) v->assign(n, 0.0);
    for (auto* v : {&app.rSim_A, &app.rSim_B, &app.rSim_C, &app.rSim_P, &app.rSim_Q}) v->assign(n, 0.0f);
    Integer err = 0;
    SanduhrEin();
    simulieren(err);
    SanduhrAus();
    if (err != 0) return;
    Forms::unload<frmSimTabelle>();
    frmSimTabelle& t = Forms::get<frmSimTabelle>();
    t.setWindowModality(Qt::ApplicationModal);
    t.Show();
}

void frmPrepareTimeDiagram::cmdMMdiagram_Click() {
    app.bMMdiagramm = true;
    app.bMMnormiert = chkNormiert->isChecked();
    cmdDrawctDiagram_Click();
    app.bMMdiagramm = false;
}

void frmPrepareTimeDiagram::cmdMichaelisListe_Click() {
    app.bMMdiagramm = true;
    cmdListe_Click();
    app.bMMdiagramm = false;
}

void frmPrepareTimeDiagram::cmdClose_Click() { Unload(); }


}  // namespace vrn
