#include "data/frmArrheniusRechner.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "base/NumberText.h"
#include "base/TimeUnitTexts.h"
#include "base/Zahlbereich.h"
#include "data/DatasetOps.h"
#include "data/KTRechner.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"

namespace vrn {

namespace {

QString punkt(double v) { return toQ(StrAlsSingle(v)); }

}  // namespace

frmArrheniusRechner::frmArrheniusRechner() : VrnForm(Kind::Tool) {
    setObjectName("frmArrheniusRechner");
    auto* g = new QGridLayout(this);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(5);
    auto label = [this](const char* text = "") {
        auto* l = new QLabel(text, this);
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    lblFormel = label();
    lblFormel->setWordWrap(true);
    QFont fett = lblFormel->font();
    fett.setBold(true);
    lblFormel->setFont(fett);
    g->addWidget(lblFormel, 0, 0, 1, 2);
    lblk0 = label();
    lblEA = label();
    lblTK = label("T/K =");
    lblk0Eyring = label();
    QLabel* eingabe[] = {lblk0, lblEA, lblTK, lblk0Eyring};
    // Number fields: Enter moves on to the next box, focus selects the text.
    for (int i = 0; i < 4; ++i) {
        txtInpArrh[static_cast<std::size_t>(i)] = new NumberField(this);
        txtInpArrh[static_cast<std::size_t>(i)]->setObjectName(QString("txtInpArrh_%1").arg(i));
        g->addWidget(eingabe[i], i + 1, 0, Qt::AlignRight);
        g->addWidget(txtInpArrh[static_cast<std::size_t>(i)], i + 1, 1);
    }
    txtInpArrh[3]->setReadOnly(true);
    lblUnitk0 = label();
    lblUnitEA = label();
    lblRO = label();
    for (QLabel* l : {lblUnitk0, lblUnitEA, lblRO}) l->setWordWrap(true);
    g->addWidget(lblUnitk0, 5, 0, 1, 2);
    g->addWidget(lblUnitEA, 6, 0, 1, 2);
    g->addWidget(lblRO, 7, 0, 1, 2);
    cmdCalc = new QPushButton("Berechnen", this);
    cmdCalc->setObjectName("cmdCalc");
    g->addWidget(cmdCalc, 8, 0, 1, 2);
    g->addWidget(label("k in eingestellter Zeiteinheit:"), 9, 0, 1, 2);
    txtkResult = new QLineEdit(this);
    txtksecResult = new QLineEdit(this);
    lblkEinheit = label();
    lblkEinheitsec = label();
    for (QLineEdit* e : {txtkResult, txtksecResult}) {
        e->setReadOnly(true);
        e->setStyleSheet("background-color: #FFFFC0;");
    }
    g->addWidget(txtkResult, 10, 0);
    g->addWidget(lblkEinheit, 10, 1);
    g->addWidget(txtksecResult, 11, 0);
    g->addWidget(lblkEinheitsec, 11, 1);
    cmdClose = new QPushButton("Schließen", this);
    cmdClose->setObjectName("cmdClose");
    g->addWidget(cmdClose, 12, 0, 1, 2);
    g->setRowStretch(13, 1);
    connect(cmdCalc, &QPushButton::clicked, this, [this] { cmdCalc_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    setCancelButton(cmdClose);
}

// Size, and a place near the bottom right of the screen.
void frmArrheniusRechner::Form_Load() {
    funktion_ = app.bytKTFunktion == 2 ? 2 : 1;
    resizeTwips(4296, 5220);
    moveTwips(screenWidthTwips() - 4296 - 250, screenHeightTwips() - 5220 - 1700);
    fuellen();
}

void frmArrheniusRechner::funktionUebernehmen() {
    funktion_ = app.bytKTFunktion == 2 ? 2 : 1;
    fuellen();
}

void frmArrheniusRechner::fuellen() {
    txtInpArrh[2]->setText("298.15");
    txtkResult->clear();
    txtksecResult->clear();
    beschriften();
    // Everything from the shared state: nothing typed stays.
    txtInpArrh[0]->clear();
    txtInpArrh[1]->clear();
    for (NumberField* f : txtInpArrh) f->setModified(false);
    eingabenUebernehmen();
    if (funktion_ == 2) txtInpArrh[3]->setText(punkt(kBdurchH()));
}

void frmArrheniusRechner::beschriften() {
    const QString u = toQ(rtrim(app.sZeiteinheit));
    if (app.bAuswertungsart == 7) {
        lblkEinheit->setText("l/(mol " + u + ")");
        lblkEinheitsec->setText("l/(mol s)");
    } else if (app.bAuswertungsart == 6) {
        lblkEinheit->setText("1/" + u);
        lblkEinheitsec->setText("1/ s");
    } else {
        lblkEinheit->setText("((mol/l)^(1-n))/" + u);
        lblkEinheitsec->setText("((mol/l)^(1-n))/s");
    }
    const bool eyring = funktion_ == 2;
    lblk0Eyring->setVisible(eyring);
    txtInpArrh[3]->setVisible(eyring);
    if (!eyring) {
        setCaption("Arrhenius-Rechner");
        lblFormel->setText("berechnet k = A exp(-EA / (R T))");
        lblUnitEA->setText("EA   = mol. Aktivierungsenergie");
        lblUnitk0->setText("[A]   = ((mol/l)^(1-n))/" + u + "     (Präexponentialfaktor)");
        lblRO->setText("            (n = Reaktionsordnung)");
        lblk0->setText("A =");
        lblEA->setText("EA /J/mol =");
    } else {
        setCaption("Eyring-Rechner");
        lblFormel->setText("berechnet k = kB/h T exp(-H#/(R T)) exp(S#/R)");
        lblRO->setText("   n = Reaktionsordnung");
        lblk0Eyring->setText("kB/h /(1/(K s)) =");
        lblUnitEA->setText("h# = mol. Aktivierungsenthalpie");
        lblUnitk0->setText("s# = mol. Aktivierungsentropie");
        lblk0->setText("s# /J/(mol K) =");
        lblEA->setText("h# /J/mol  =");
    }
}

bool frmArrheniusRechner::eingabenUebernehmen() {
    const bool eyring = funktion_ == 2;
    const double a = eyring ? app.dblEyrS : app.dblArrhA;
    const double b = eyring ? app.dblEyrH : app.dblArrhEA;
    bool anders = false;
    // A field that shows its value already keeps the text the user typed, and
    // so does one the user typed into (the calculator's own input, which no
    // other window's parameters overwrite).
    for (auto [feld, v] : {std::pair{txtInpArrh[0], a}, std::pair{txtInpArrh[1], b}}) {
        if (feld->isModified()) continue;
        if (const Zahllesung l = liesZahl(toStd(feld->text()), Zahlfeld{}); l.ok() && l.wert == v) continue;
        feld->setText(punkt(v));
        anders = true;
    }
    return anders;
}

void frmArrheniusRechner::setTimeUnitCaptions(const std::string&) { beschriften(); }

void frmArrheniusRechner::gehoert(const Meldung& m) {
    const bool ergebnis = !txtkResult->text().isEmpty();
    UpdateUnitLabels(*this);
    if ((m.teile & kTeilTemperatur) && eingabenUebernehmen()) {
        txtkResult->clear();
        txtksecResult->clear();
        return;
    }
    // The result shown is recomputed in the unit in force, from inputs the
    // fields take (else it goes: a listener shows no message).
    if (ergebnis && (m.teile & (kTeilZeiteinheit | kTeilAuswertung))) {
        bool lesbar = true;
        for (int i = 0; i < 3; ++i) lesbar = lesbar && liesZahl(toStd(txtInpArrh[static_cast<std::size_t>(i)]->text()), eingabeFeld(i)).ok();
        if (lesbar) {
            cmdCalc_Click();
        } else {
            txtkResult->clear();
            txtksecResult->clear();
        }
    }
}

Zahlfeld frmArrheniusRechner::eingabeFeld(int i) const {
    const bool ey = funktion_ == 2;
    const char* const thema[] = {ey ? "Aktivierungsentropie" : "Präexponentialfaktor",
                                 ey ? "Aktivierungsenthalpie" : "Aktivierungsenergie", "Temperatur"};
    const char* const symbol[] = {ey ? "s#" : "A", ey ? "h#" : "EA", "T"};
    Zahlfeld f;
    f.thema = thema[i];
    f.symbol = symbol[i];
    // T divides the exponent: a temperature above 0 K.
    if (i == 2) f.bereich = Bereich::Positiv;
    return f;
}

void frmArrheniusRechner::cmdCalc_Click() {
    // Every field through the checked reading: a text it refuses (empty, no
    // number, beyond a Double, too near 0, T not above 0) is named, and
    // nothing is computed or stored.
    std::string fehler;
    std::array<double, 3> v{};
    for (std::size_t i = 0; i < 3; ++i) {
        const Zahllesung l = txtInpArrh[i]->lies(eingabeFeld(static_cast<int>(i)));
        if (l.ok()) v[i] = l.wert;
        else fehler += l.zeile + "\r\n";
    }
    if (!fehler.empty()) {
        txtkResult->clear();
        txtksecResult->clear();
        MsgBox(fehler, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    if (const int i = zeitEinheitIndex(app.sZeiteinheit); i >= 0) app.bytZeitEinheitIdx = static_cast<Byte>(i);
    const double sekunde = app.Zeitfaktor[0][app.bytZeitEinheitIdx];
    const double a = v[0], b = v[1], T = v[2];
    const KTErgebnis r = funktion_ == 2 ? eyringK(a, b, T, sekunde) : arrheniusK(a, b, T, sekunde);
    if (!r.ok) {
        // A k beyond what the boxes show: the input that made it is named.
        txtkResult->clear();
        txtksecResult->clear();
        const int i = r.ueberlaufDurch >= 0 ? r.ueberlaufDurch : 2;
        MsgBox(rechenUeberlaufZeile(eingabeFeld(i), v[static_cast<std::size_t>(i)]) + "\r\n", MsgButtons::OK,
               MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    if (funktion_ == 2) {
        {
            Aenderung aenderung;
            app.dblEyrS = a;
            app.dblEyrH = b;
        }
        // S# and H# are in force as typed.
        txtInpArrh[0]->setModified(false);
        txtInpArrh[1]->setModified(false);
    }
    txtkResult->setText(punkt(r.k));
    txtksecResult->setText(punkt(r.kSec));
}

void frmArrheniusRechner::cmdClose_Click() { Unload(); }

}  // namespace vrn
