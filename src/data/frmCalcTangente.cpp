#include "data/frmCalcTangente.h"

#include <cmath>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "base/Zahlbereich.h"
#include "chart/DiagramKinds.h"
#include "chart/Grafik.h"
#include "chart/frmGraph2D.h"
#include "data/Tangente.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/DataPreparation.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"

namespace vrn {

namespace {
constexpr const char* kSpezies[] = {"", "A", "B", "C", "P", "Q"};

QLineEdit* ergebnisFeld(QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setReadOnly(true);
    e->setStyleSheet("background-color: #FFFFC0;");
    return e;
}
}  // namespace

frmCalcTangente::frmCalcTangente() : VrnForm(Kind::Tool) {
    setObjectName("frmCalcTangente");
    setCaption("Reakt.-geschw. r(i) berechnen");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 4, 0, 4);
    fraTangente = new QGroupBox("Zeit-Vorgabe", this);
    outer->addWidget(fraTangente);
    auto* g = new QGridLayout(fraTangente);
    g->setVerticalSpacing(5);

    // Narrow, each caption above its field, so that the window finds room
    // beside the chart: columns label or "0" | field | unit or "100" | button.
    lblXEingabe = new QLabel(" t = ", fraTangente);
    txtX = new NumberField(fraTangente);
    txtX->setObjectName("txtX");
    lblZeit = new QLabel(fraTangente);
    cmdCalc = new QPushButton("Berechnen", fraTangente);
    cmdCalc->setObjectName("cmdCalc");
    g->addWidget(lblXEingabe, 0, 0, Qt::AlignRight);
    g->addWidget(txtX, 0, 1);
    g->addWidget(lblZeit, 0, 2);
    g->addWidget(cmdCalc, 0, 3);

    g->addWidget(new QLabel("Einzelwert-Berechnung", fraTangente), 1, 0, 1, 4);
    txtyResult = ergebnisFeld(fraTangente);
    txtyResult->setObjectName("txtyResult");
    g->addWidget(new QLabel("Funktionswert c(i) = ", fraTangente), 2, 0, 1, 4);
    g->addWidget(txtyResult, 3, 0, 1, 2);
    g->addWidget(new QLabel("mol/l", fraTangente), 3, 2, 1, 2);
    lblr = new QLabel(fraTangente);
    txtyStrichResult = ergebnisFeld(fraTangente);
    txtyStrichResult->setObjectName("txtyStrichResult");
    Label4 = new QLabel(fraTangente);
    g->addWidget(lblr, 4, 0, 1, 4);
    g->addWidget(txtyStrichResult, 5, 0, 1, 2);
    g->addWidget(Label4, 5, 2, 1, 2);

    auto* verfahren = new QLabel("Interpolationsverfahren: kubischer AKIMA-Spline", fraTangente);
    verfahren->setWordWrap(true);
    g->addWidget(verfahren, 6, 0, 1, 4);
    g->addWidget(new QLabel("Glättung =>           (0 = ohne Glättung)", fraTangente), 7, 0, 1, 4);
    SliderGlaettung = new QSlider(Qt::Horizontal, fraTangente);
    SliderGlaettung->setObjectName("SliderGlaettung");
    SliderGlaettung->setToolTip(" Glättung = 0 => Kurve verläuft exakt durch alle Messpunkte ");
    SliderGlaettung->setTickPosition(QSlider::TicksBelow);
    SliderGlaettung->setTickInterval(10);
    g->addWidget(new QLabel("0", fraTangente), 8, 0, Qt::AlignRight);
    g->addWidget(SliderGlaettung, 8, 1, 1, 2);
    g->addWidget(new QLabel("100", fraTangente), 8, 3);
    cmdClose = new QPushButton("Schließen", fraTangente);
    cmdClose->setObjectName("cmdClose");
    g->addWidget(cmdClose, 9, 3);
    g->setColumnStretch(1, 1);
    // Wide enough for a number of the plain form with seven digits and its exponent.
    const int feldBreite = txtX->fontMetrics().horizontalAdvance(" -8.888888E-88 ") + 12;
    for (QLineEdit* f : {static_cast<QLineEdit*>(txtX), txtyResult, txtyStrichResult}) f->setFixedWidth(feldBreite);

    connect(cmdCalc, &QPushButton::clicked, this, [this] { cmdCalc_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    connect(SliderGlaettung, &QSlider::valueChanged, this, [this] { SliderGlaettung_Change(); });
    // Enter computes; rejected keys are dropped by the field itself.
    txtX->onKeyPress = [this](int& key) {
        if (key == 13) {
            key = 0;
            cmdCalc_Click();
        }
    };
    setCancelButton(cmdClose);
}

// Captions from the unit and the species; the slider starts at 0.
void frmCalcTangente::Form_Load() {
    stoff_ = app.bytTangStoff;
    glaettung_ = 0;
    UpdateUnitLabels(*this);
    ergebnis_.reset();
    txtyResult->setText(" 0");
    txtyStrichResult->setText(" 0");
    const int s = stoff_;
    const QString x = s >= 1 && s <= 5 ? kSpezies[s] : "";
    lblr->setText("r(" + x + ") = dc(" + x + ")/dt =  ");
    SliderGlaettung->setRange(0, 100);
    SliderGlaettung->setValue(0);
    adjustSize();
    moveTwips(0, 3000);
}

void frmCalcTangente::setTimeUnitCaptions(const std::string& u) {
    lblZeit->setText(toQ(u));
    Label4->setText(toQ("mol/(l " + u + ")"));
}

void frmCalcTangente::gehoert(const Meldung& m) {
    if (!lblZeit) return;
    UpdateUnitLabels(*this);
    const double f = m.kGeteiltDurch;
    // The data's times were converted to another unit, or data in another
    // unit came: the time typed is the same moment in the new unit.
    if (f != 1) {
        // A text that is no time stays as typed, to be named when it is computed.
        const Zahllesung l = txtX->lies(zeitFeld());
        const double t = l.wert * f;
        if (l.ok() && std::isfinite(t)) txtX->setText(toQ(Str(t)));
    }
    if (m.neueDaten) {
        // Other points: the spline of the former ones is no answer any more.
        ergebnis_.reset();
        txtyResult->setText(" 0");
        txtyStrichResult->setText(" 0");
        return;
    }
    // The same points in another unit: a shown result is the value and the
    // rate at that moment, the rate per the new unit.
    if (f == 1 || !ergebnis_) return;
    const double r = ergebnis_->r / f;
    if (std::isfinite(r)) {
        ergebnis_->r = r;
        zeigeErgebnis();
    } else {
        ergebnis_.reset();
        txtyResult->setText(" 0");
        txtyStrichResult->setText(" 0");
    }
}

void frmCalcTangente::zeigeErgebnis() {
    if (!ergebnis_) return;
    txtyResult->setText(toQ(StrAlsSingle(ergebnis_->c)));
    txtyStrichResult->setText(toQ(StrAlsSingle(ergebnis_->r)));
}

void frmCalcTangente::diagrammUebernehmen() {
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    diagramm_ = g;
    datenStand_ = zustand().datensatzStand();
    // Beside the chart, clear of its y axis and numbers.
    if (g && isVisible()) Forms::placeToolBeside(this, g);
}

bool frmCalcTangente::eigenesDiagramm() const {
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    return g && static_cast<QWidget*>(g) == diagramm_ && datenStand_ == zustand().datensatzStand();
}

void frmCalcTangente::diagrammSichern() {
    Aenderung aenderung;
    app.bytTangStoff = static_cast<Byte>(stoff_);
    app.sngGlaettung = glaettung_;
    if (!eigenesDiagramm()) {
        // As the tangent items open it: the spline of the species over its measured points.
        unloadChartWindow();
        app.gMitMesspunkten = true;
        app.iDiagrammTyp = kDiagTangente;
        CalcTangenteRange(static_cast<Integer>(stoff_));
        zeigeDiagramm();
        diagrammUebernehmen();
    }
    app.iDiagrammTyp = kDiagTangente;
}

Zahlfeld frmCalcTangente::zeitFeld() {
    Zahlfeld f;
    f.thema = "Zeit-Vorgabe";
    f.symbol = "t";
    f.bereich = Bereich::NichtNegativ;
    return f;
}

void frmCalcTangente::cmdCalc_Click() {
    const int n = std::min<int>(app.nExpPunkte, static_cast<int>(app.ExpDaten.size()) - 1);
    if (!zeitenStrengSteigend(app.ExpDaten, n)) {
        MsgBox("Für die Tangentenmethode werden mindestens 3 Messpunkte mit streng ansteigenden Zeiten t "
               "benötigt.\r\nSortieren Sie die Daten im Dateneditor nach der Zeit und entfernen Sie "
               "doppelte Zeiten.",
               MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    // A time the field refuses (empty, no number, beyond a Double, too near
    // 0), or outside the chart's 0..XMax, is named in one line.
    const Zahllesung l = txtX->lies(zeitFeld());
    if (!l.ok() && l.fehler != Zahlfehler::Bereich) {
        MsgBox(l.zeile, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    diagrammSichern();
    const Single xMax = app.tDiagramm.XMax;
    const double t = l.wert;
    if (!l.ok() || !passtInSingle(t) || !(zuSingle(t) >= 0 && zuSingle(t) <= xMax)) {
        MsgBox(ausserhalbZeile("Zeit-Vorgabe", "t", "0", Format(xMax) + " " + rtrim(app.sZeiteinheit)), MsgButtons::OK,
               MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    const auto w = tangentenWert(stoff_, t, xMax, n);
    if (!w) return Beep();
    ergebnis_ = w;
    zeigeErgebnis();
    SetFocus();
    txtX->setFocus();
}

// Another window's chart is not drawn into: the spline chart comes back.
void frmCalcTangente::SliderGlaettung_Change() {
    const Single neu = static_cast<Single>(SliderGlaettung->value()) / 200.0f;
    if (neu == glaettung_) return;
    glaettung_ = neu;
    app.sngGlaettung = neu;
    if (!Forms::loaded<frmGraph2D>()) return;
    const bool eigenes = eigenesDiagramm();
    diagrammSichern();
    if (!eigenes) return;  // drawn anew, with the new smoothing
    if (frmGraph2D* chart = Forms::loaded<frmGraph2D>()) {
        app.gnKurvenOffen = 1;
        chart->DeleteCurves(0);
        chart->cmdDraw_Click();
    }
}

void frmCalcTangente::cmdClose_Click() {
    const bool mitDiagramm = eigenesDiagramm();
    Unload();
    if (mitDiagramm) unloadChartWindow();
}

}  // namespace vrn
