#include "data/frmFitting.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "base/TimeUnitTexts.h"
#include "chart/Grafik.h"
#include "chart/frmGraph2D.h"
#include "data/FitTexts.h"
#include "data/Marquardt.h"
#include "data/frmArrheniusRechner.h"
#include "engine/InitialConcentrations.h"
#include "engine/ModelChoice.h"
#include "engine/ModelFacts.h"
#include "engine/Simulation.h"
#include "engine/frmKinModel.h"
#include "platform/ChartControl.h"
#include "platform/HelpViewer.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "shell/AppState.h"
#include "shell/DataPreparation.h"
#include "shell/Helpers.h"
#include "shell/Hooks.h"

namespace vrn {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

const char* const kStoffe[] = {"A", "B", "C", "P", "Q"};
const char* const kCrLf = "\r\n";
constexpr Colour kFussFarbe = 0xC0FFFF;  // light yellow (&HC0FFFF)

// The parameter fields drop Ctrl+C and Ctrl+V and offer no paste menu: only
// keys that pass the number filter reach them.
class ParameterFeld : public NumberField {
public:
    using NumberField::NumberField;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Paste) ||
            event->matches(QKeySequence::Cut))
            return;
        NumberField::keyPressEvent(event);
    }
};

bool zeichen(const std::string& maske, int i) {
    return static_cast<int>(maske.size()) >= i && maske[u(i - 1)] == '1';
}

QString q(const std::string& s) { return toQ(s); }

}  // namespace

frmFitting::frmFitting() : CalcForm(Fitting) {
    setCaption(" k-Fitting manuell / automatisch");
    // Small type keeps the window narrow enough to stand beside its chart.
    setFont(QFont("Arial", 8));
    auto* outer = new QVBoxLayout(this);
    outer->setSpacing(4);
    outer->setContentsMargins(6, 6, 6, 6);

    Label7 = new QLabel(this);
    QFont bold = Label7->font();
    bold.setBold(true);
    Label7->setFont(bold);
    outer->addWidget(Label7);

    // Initial concentrations, taken from the data set and locked.
    // The species the model shows, three to a row (anfangsFelderAnordnen):
    // the window stands beside its chart.
    auto* fraC = new QGroupBox("Anfangskonzentrationen  [c0(i)] = mol/l", this);
    auto* cl = new QVBoxLayout(fraC);
    cl->setSpacing(2);
    cl->setContentsMargins(8, 2, 8, 4);
    anfangsFelder_ = new QGridLayout;
    anfangsFelder_->setHorizontalSpacing(3);
    anfangsFelder_->setVerticalSpacing(2);
    for (int i = 0; i < 5; ++i) {
        lblStoff[u(i)] = new QLabel(kStoffe[i], fraC);
        Inp[u(i)] = new NumberField(fraC);
        Inp[u(i)]->setComputed(true);
        Inp[u(i)]->setFixedWidth(64);
    }
    anfangsFelderAnordnen();
    cl->addLayout(anfangsFelder_);
    Label22 = new QLabel("aus experimentellen Daten", fraC);
    cl->addWidget(Label22);
    outer->addWidget(fraC);

    auto* fraConc = new QGroupBox("Berücksichtigung folgender experimenteller Daten:", this);
    auto* hc = new QHBoxLayout(fraConc);
    hc->setContentsMargins(8, 2, 8, 4);
    for (int i = 1; i <= 5; ++i) {
        chkConcFQS[u(i)] = new QCheckBox(QString("c(%1)").arg(kStoffe[i - 1]), fraConc);
        hc->addWidget(chkConcFQS[u(i)]);
        connect(chkConcFQS[u(i)], &QCheckBox::clicked, this, [this, i] { chkConcFQS_Click(i); });
    }
    hc->addStretch(1);
    outer->addWidget(fraConc);

    frak1 = new QGroupBox("Geschwindigkeitskonstante k1", this);
    frak2 = new QGroupBox("Geschwindigkeitskonstante k2", this);
    frak3 = new QGroupBox("Geschwindigkeitskonstante k3", this);
    unit1 = new QLabel("/(1/s)", frak1);
    unit2 = new QLabel("/(1/s)", frak2);
    unit3 = new QLabel("/(1/s)", frak3);
    for (int j = 1; j <= 3; ++j) {
        buildParameterFrame(j, frak(j));
        outer->addWidget(frak(j));
    }

    auto* kt = new QHBoxLayout;
    auto* ktGroup = new QButtonGroup(this);
    for (int i = 1; i <= 2; ++i) {
        optkTFunktion[u(i)] = new QRadioButton(i == 1 ? "Arrhenius" : "Eyring", this);
        ktGroup->addButton(optkTFunktion[u(i)], i);
        kt->addWidget(optkTFunktion[u(i)]);
        connect(optkTFunktion[u(i)], &QRadioButton::clicked, this, [this, i] { optkTFunktion_Click(i); });
    }
    lblAktEntropie = new QLabel(" s# /J/(mol K) ", this);
    kt->addWidget(lblAktEntropie);
    kt->addStretch(1);
    outer->addLayout(kt);

    fraFQS = new QGroupBox("Fehlerquadratsumme (FQS) des Fittings", this);
    auto* hf = new QHBoxLayout(fraFQS);
    hf->setContentsMargins(8, 2, 8, 4);
    Label21 = new QLabel("FQS = ", fraFQS);
    lblFQS = new QLabel(fraFQS);
    lblFQS->setFont(bold);
    lblFQS->setTextInteractionFlags(Qt::TextSelectableByMouse);
    hf->addWidget(Label21);
    hf->addWidget(lblFQS, 1);
    outer->addWidget(fraFQS);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(4);
    cmdDrawNewCurve = new QPushButton("Zeichne Kurve", this);
    cmdDrawNewCurve->setToolTip("...für die jeweils aktuellen Parameter ");
    cmdAutoFitting = new QPushButton("Auto-   Fitting", this);
    cmdHelp = new QPushButton("Hilfe", this);
    cmdClose = new QPushButton("Schließen <Esc>", this);
    buttons->addWidget(cmdDrawNewCurve, 0, 0);
    buttons->addWidget(cmdAutoFitting, 0, 1);
    buttons->addWidget(cmdHelp, 1, 0);
    buttons->addWidget(cmdClose, 1, 1);
    outer->addLayout(buttons);
    outer->addStretch(1);

    // Shared names that this window carries but never shows.
    Inp[14] = new NumberField(this);
    Inp[14]->hide();
    chkDelDiagram = new QCheckBox("alte Kurven löschen (unsichtbar)", this);
    chkDelDiagram->hide();
    ensureSharedControls();
    fraKsi->setToolTip("fraKsi = dummy");
    cmdShowKsi->setText("Zeige Ksi (unsichtbar) für analogie der forms");
    lblTextKsi_1->setText("dummy_1");
    lblTextKsi_2->setText("dummy_2");

    for (int i = 10; i <= 12; ++i) {
        connect(Inp[u(i)], &QLineEdit::textChanged, this, [this, i] { Inp_Change(i); });
        connect(Inp[u(i)], &NumberField::fokusErhalten, this, [this, i] { refWertBeimFokus_[u(i - 9)] = app.RefWert[u(i - 9)]; });
        connect(Inp[u(i)], &QLineEdit::editingFinished, this, [this, i] { Inp_Verlassen(i); });
    }
    connect(cmdDrawNewCurve, &QPushButton::clicked, this, [this] { cmdDrawNewCurve_Click(); });
    connect(cmdAutoFitting, &QPushButton::clicked, this, [this] { cmdAutoFitting_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    setCancelButton(cmdClose);
}

void frmFitting::buildParameterFrame(int j, QGroupBox* frame) {
    auto* g = new QGridLayout(frame);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(0);
    g->setContentsMargins(8, 2, 8, 4);
    Bz[u(4 + j)] = new QLabel(QString("k%1").arg(j), frame);
    Inp[u(9 + j)] = new ParameterFeld(frame);
    Inp[u(9 + j)]->setContextMenuPolicy(Qt::NoContextMenu);
    Inp[u(9 + j)]->setAcceptDrops(false);
    Inp[u(9 + j)]->setFixedWidth(86);
    lblPlusMinus[u(j)] = new QLabel(QString::fromUtf8("±"), frame);
    lblStdDev[u(j)] = new QLabel(frame);
    chkFixed[u(j)] = new QCheckBox("fixiert", frame);
    chkFixed[u(j)]->setToolTip(" den angegebenen Parameter nicht verändern ");
    QLabel* unit = j == 1 ? unit1 : j == 2 ? unit2 : unit3;
    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(Bz[u(4 + j)]);
    top->addWidget(Inp[u(9 + j)]);
    top->addWidget(unit);
    top->addSpacing(4);
    top->addWidget(lblPlusMinus[u(j)]);
    top->addWidget(lblStdDev[u(j)]);
    top->addStretch(1);
    g->addLayout(top, 0, 0, 1, 2);

    auto* grobRegler = new QSlider(Qt::Horizontal, frame);
    grobRegler->setRange(-90, 900);
    grobRegler->setSingleStep(5);
    grobRegler->setPageStep(50);
    grobRegler->setTickInterval(45);
    grobRegler->setTickPosition(QSlider::TicksBelow);
    grobRegler->setToolTip(" Grob-Regler ");
    auto* feinRegler = new QSlider(Qt::Horizontal, frame);
    feinRegler->setRange(-100, 100);
    feinRegler->setSingleStep(1);
    feinRegler->setPageStep(10);
    feinRegler->setTickInterval(5);
    feinRegler->setTickPosition(QSlider::TicksBelow);
    feinRegler->setToolTip(" Fein-Regler ");
    for (QSlider* s : {grobRegler, feinRegler}) {
        s->setTracking(false);  // a drag counts once, when the slider is let go
        s->setValue(0);
    }
    g->addWidget(grobRegler, 1, 0);
    g->addWidget(feinRegler, 1, 1);
    g->setColumnStretch(0, 3);
    g->setColumnStretch(1, 2);
    auto* skala = new QHBoxLayout;
    QFont klein("Arial", 7);
    for (const char* t : {"-10        Prozent", "0         Prozent", "+900"}) {
        auto* l = new QLabel(t, frame);
        l->setFont(klein);
        skala->addWidget(l);
        if (std::string(t) != "+900") skala->addStretch(1);
    }
    g->addLayout(skala, 2, 0);
    g->addWidget(chkFixed[u(j)], 2, 1, Qt::AlignRight);

    (j == 1 ? Sliderk1_grob : j == 2 ? Sliderk2_grob : Sliderk3_grob) = grobRegler;
    (j == 1 ? Sliderk1_fein : j == 2 ? Sliderk2_fein : Sliderk3_fein) = feinRegler;
    connect(grobRegler, &QSlider::valueChanged, this, [this, j] { SliderGrob_Change(j); });
    connect(feinRegler, &QSlider::valueChanged, this, [this, j] { SliderFein_Change(j); });
    connect(chkFixed[u(j)], &QCheckBox::clicked, this, [this, j] { chkFixed_Click(j); });
}

QSlider* frmFitting::grob(int j) const { return j == 1 ? Sliderk1_grob : j == 2 ? Sliderk2_grob : Sliderk3_grob; }
QSlider* frmFitting::fein(int j) const { return j == 1 ? Sliderk1_fein : j == 2 ? Sliderk2_fein : Sliderk3_fein; }
QGroupBox* frmFitting::frak(int j) const { return j == 1 ? frak1 : j == 2 ? frak2 : frak3; }

FitAuswahl frmFitting::auswahl() const {
    FitAuswahl a;
    for (int i = 1; i <= 5; ++i) {
        const QCheckBox* c = chkConcFQS[u(i)];
        a.stoff[u(i)] = c->isVisibleTo(this) && c->isChecked();
    }
    for (int j = 1; j <= 3; ++j) a.bFixiert[u(j)] = bFixiert[u(j)];
    return a;
}

void frmFitting::schreibeFeld(int index, double v) {
    const QSignalBlocker still(Inp[u(index)]);
    Inp[u(index)]->setText(q(StrAlsSingle(v)));
}

// ---- opening ---------------------------------------------------------------------

// Opening: curves of 80 intervals, c0(1), c0(2) from the data set, the
// species boxes by the model's mask and the data's columns, and the start
// parameters (k1..k3, k1 and n, or 100 and 100 for the temperature function).
void frmFitting::Form_Load() {
    modus_ = app.bAuswertungsart;
    modell_ = app.iModell;
    ktFunktion_ = app.bytKTFunktion == 2 ? 2 : 1;
    einheit_ = rtrim(app.sZeiteinheit);
    datenGeschrieben_ = false;
    modellGewechselt_ = false;
    app.nSimPunkte = 80;
    moveTwips(0, 0);
    zeigeStdAbw(false);

    app.c0[1] = app.c0Daten[1];
    app.c0[2] = app.c0Daten[2];
    for (int i = 1; i <= 5; ++i) c0_[u(i)] = app.c0[u(i)];
    for (int i = 0; i < 2; ++i) schreibeFeld(i, app.c0Daten[u(i + 1)]);

    SetSpeziesMaske(app.iModell);
    speziesBoxen(false);

    if (modus_ == 6 || modus_ == 7) {
        app.RefWert[1] = app.RefWert[2] = 100;
        for (int j = 1; j <= 2; ++j) {
            schreibeFeld(9 + j, 100);
            leiteWeiter(j);
        }
    } else {
        for (int j = 1; j <= 3; ++j) app.RefWert[u(j)] = app.k[u(j)];
        if (modus_ == 2) app.RefWert[2] = app.nOrdnung;
        for (int j = 1; j <= 3; ++j) schreibeFeld(9 + j, app.RefWert[u(j)]);
    }
    // The window takes the height of what this mode shows.
    for (int i = 1; i <= 2; ++i) optkTFunktion[u(i)]->setVisible(modus_ > 5);
    lblAktEntropie->setVisible(modus_ > 5 && app.bytKTFunktion == 2);
    adjustSize();
}

// The species boxes: shown for the species of the model, enabled for those
// the data set has, and then ticked; with `behalten` a box that was enabled
// before keeps the user's choice. The initial concentrations show the same
// species (the window takes the width of what it shows).
void frmFitting::speziesBoxen(bool behalten) {
    const std::string sm = masken().species;
    for (int i = 1; i <= 5; ++i) {
        Inp[u(i - 1)]->setVisible(zeichen(sm, i));
        lblStoff[u(i - 1)]->setVisible(zeichen(sm, i));
        QCheckBox* c = chkConcFQS[u(i)];
        const char* name = modell_ == 10 && i <= 3 ? (i == 1 ? "E" : i == 2 ? "S" : "ES") : kStoffe[i - 1];
        c->setText(QString("c(%1)").arg(name));
        c->setVisible(zeichen(sm, i));
        const bool vorher = c->isEnabled();
        c->setEnabled(app.bKonzDaten[u(i)]);
        if (!behalten || !vorher || !c->isEnabled()) c->setChecked(c->isEnabled());
    }
    anfangsFelderAnordnen();
}

void frmFitting::anfangsFelderAnordnen() {
    for (int i = 0; i < 5; ++i) {
        anfangsFelder_->removeWidget(lblStoff[u(i)]);
        anfangsFelder_->removeWidget(Inp[u(i)]);
    }
    int platz = 0;
    for (int i = 0; i < 5; ++i) {
        if (Inp[u(i)]->isHidden()) continue;
        const int zeile = platz / 3, spalte = 3 * (platz % 3);
        anfangsFelder_->addWidget(lblStoff[u(i)], zeile, spalte, Qt::AlignRight);
        anfangsFelder_->addWidget(Inp[u(i)], zeile, spalte + 1);
        ++platz;
    }
    for (int spalte : {2, 5}) anfangsFelder_->setColumnMinimumWidth(spalte, 6);
    anfangsFelder_->setColumnStretch(8, 1);
}

// ---- the window's own evaluation and the shared state ---------------------------------

DiagramMasks frmFitting::masken() const { return diagramMasks(static_cast<Integer>(modell_), modus_); }

bool frmFitting::eigenesDiagramm() const {
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    return g && static_cast<QWidget*>(g) == diagramm_;
}

void frmFitting::gemeinsameWerteSetzen(bool zeichnen) {
    // The window's own values become those in force: one change.
    Aenderung aenderung;
    folgeEinheit();
    const bool neueDaten = folgeDaten();
    app.bAuswertungsart = static_cast<Byte>(modus_);
    if (app.iModell != modell_) {
        app.iModell = static_cast<Integer>(modell_);
        if (const ModelDefaults* d = defaultsOf(modell_)) {
            app.bNumerisch = isNumericalModel(modell_);
            app.bEinfacheReaktion = d->einfach;
        }
    }
    if (modus_ > 5) app.bytKTFunktion = static_cast<Byte>(ktFunktion_);
    for (int j = 1; j <= 3; ++j) leiteWeiter(j);
    for (int i = 1; i <= 5; ++i) app.c0[u(i)] = c0_[u(i)];
    app.nSimPunkte = 80;
    // The masks and the kind belong to the open chart: they are this window's
    // when it draws, or when the open chart is its own.
    if (zeichnen || eigenesDiagramm()) {
        SetSpeziesMaske(static_cast<Integer>(modell_));
        if (gezeichnet_) {
            app.iDiagrammTyp = static_cast<Integer>(modell_);
            app.gMitMesspunkten = true;
            // The model curve ends where the time axis of the window's chart ends.
            app.tEnd = eigenesDiagramm() ? app.tDiagramm.XMax : bereich_.XMax;
        }
    }
    if (neueDaten && !zeichnen) ZeigeFitErgebnis();
}

void frmFitting::folgeEinheit() { einheit_ = rtrim(app.sZeiteinheit); }

// The parameters per time (rate constants, A, the Eyring factor) are
// converted from the unit they were given in to the one set now, and the
// standard deviations shown beside them with them. They are the window's
// own: the shared state takes them when the window next computes or draws.
void frmFitting::rechneUm(double f) {
    if (!(f > 0) || !std::isfinite(f)) return;
    for (int j = 1; j <= 3; ++j) {
        if (!proZeit(j)) continue;
        const double v = app.RefWert[u(j)] / f;
        if (!std::isfinite(v)) continue;
        app.RefWert[u(j)] = v;
        schreibeFeld(9 + j, v);
        if (stdAbw_[u(j)] != kKeineStdAbw && std::isfinite(stdAbw_[u(j)] / f)) {
            stdAbw_[u(j)] /= f;
            lblStdDev[u(j)]->setText(toQ(stdAbwText(stdAbw_[u(j)])));
        }
    }
}

void frmFitting::geteilteWerteGeaendert(const GeteilteWerte&, double kGeteiltDurch) {
    if (einheit_.empty()) return;  // not loaded yet
    // A rate constant another evaluation found (a regression beside) is not
    // this window's: it keeps its parameters. A unit change converts them
    // (the ± converted with them still belong to them); the chart keeps the
    // unit it was drawn in until the window draws again.
    if (kGeteiltDurch != 1) {
        rechneUm(kGeteiltDurch);
        datenGeschrieben_ = true;
    }
}

void frmFitting::zustandGeaendert(const Meldung& m) {
    if (einheit_.empty() || !(m.teile & kTeilDatensatz)) return;
    if (m.neueDaten) {
        // Its error sum was of the former points; the new one and the curve
        // come with the next drawing.
        datenGeschrieben_ = true;
        lblFQS->clear();
    }
    // What it shows of new points is theirs: the start of the data (as the
    // editor's OK takes it over) and the species they have.
    if (!datenGeschrieben_) return;
    for (int i = 1; i <= 2; ++i) schreibeFeld(i - 1, app.c0Daten[u(i)]);
    speziesBoxen(true);
}

bool frmFitting::folgeDaten() {
    if (!datenGeschrieben_) return false;
    datenGeschrieben_ = false;
    PrepareExpDaten();
    getAnfangskonzAusDaten();
    for (int i = 1; i <= 2; ++i) {
        c0_[u(i)] = app.c0Daten[u(i)];
        app.c0[u(i)] = c0_[u(i)];
        schreibeFeld(i - 1, c0_[u(i)]);
    }
    speziesBoxen(true);
    if (eigenesDiagramm()) unloadChartWindow();
    diagramm_ = nullptr;
    // The ranges of the new points, as the fitting items compute them.
    const Byte modus = app.bAuswertungsart;
    app.bAuswertungsart = static_cast<Byte>(modus_);
    CalcDataRanges(-9, true);
    app.bAuswertungsart = modus;
    Diagramm d = bereich_;
    holeAchsenbereich(-9, app.Achsenbereich, d);
    bereich_ = d;
    return true;
}

int frmFitting::einheitenModell() const { return modell_ != 0 ? modell_ : app.iModell; }

void frmFitting::setTimeUnitCaptions(const std::string&) {
    if (einheit_.empty()) return;  // not loaded yet
    folgeEinheit();
    beschriften();
}

void frmFitting::diagrammUebernehmen() {
    folgeDaten();
    modellGewechselt_ = false;
    merkeDiagramm(Forms::loaded<frmGraph2D>());
    bereichMerken();
    gezeichnet_ = true;
}

void frmFitting::merkeDiagramm(QWidget* g) {
    diagramm_ = g;
    if (!g) return;
    // When the chart goes (closed, or replaced by another window's), the
    // ranges the user last gave it are kept for the next drawing.
    if (auto* f = qobject_cast<VrnForm*>(g))
        connect(f, &VrnForm::unloaded, this, [this, c = QPointer<QWidget>(g)] {
            if (c && c == diagramm_) bereichMerken();
        });
}

void frmFitting::bereichMerken() {
    bereich_.XMin = app.tDiagramm.XMin;
    bereich_.XMax = app.tDiagramm.XMax;
    bereich_.YMin = app.tDiagramm.YMin;
    bereich_.YMax = app.tDiagramm.YMax;
}

void frmFitting::oeffneDiagramm() {
    unloadChartWindow();
    app.iDiagrammTyp = -9;
    app.gMitMesspunkten = true;
    Diagramm& d = app.tDiagramm;
    d.XMin = bereich_.XMin;
    d.XMax = bereich_.XMax;
    d.YMin = bereich_.YMin;
    d.YMax = bereich_.YMax;
    speichereAchsenbereich(-9, app.Achsenbereich, d);
    zeigeDiagramm();
    app.iDiagrammTyp = static_cast<Integer>(modell_);
    SetSpeziesMaske(static_cast<Integer>(modell_));
    merkeDiagramm(Forms::loaded<frmGraph2D>());
}

// ---- the model window --------------------------------------------------------------------

void frmFitting::modellUmstellen(const std::function<void()>& umstellen) {
    vorModellUmstellung();
    {
        // The model window rewrites the parameter fields: no entry of the user.
        const QSignalBlocker k1(Inp[10]), k2(Inp[11]), k3(Inp[12]);
        umstellen();
    }
    nachModellUmstellung();
}

void frmFitting::vorModellUmstellung() {
    modellNeu_ = app.iModell != modell_;
    gemerkt_ = app.RefWert;
    if (!modellNeu_) {
        // The fields are rewritten from the shared state: with this window's values.
        app.bAuswertungsart = static_cast<Byte>(modus_);
        for (int j = 1; j <= 3; ++j)
            if (!istOrdnung(j)) leiteWeiter(j);
        return;
    }
    // A mode of one model (the order of model 20, k(T) of models 2 and 3)
    // becomes the fitting of the rate constants of the chosen model.
    const int modell = app.iModell;
    if ((modus_ == 2 && modell != 20) || (modus_ == 6 && modell != 2) || (modus_ == 7 && modell != 3)) modus_ = 1;
    modell_ = modell;
    app.bAuswertungsart = static_cast<Byte>(modus_);
    SetSpeziesMaske(static_cast<Integer>(modell_));
}

void frmFitting::nachModellUmstellung() {
    bool anders = modellNeu_;
    for (int i = 1; i <= 5; ++i) {
        anders = anders || c0_[u(i)] != app.c0[u(i)];
        c0_[u(i)] = app.c0[u(i)];
    }
    if (!modellNeu_) {
        // Parameters keep their full value; the order is the model window's.
        for (int j = 1; j <= 3; ++j) {
            if (istOrdnung(j)) {
                anders = anders || zuSingle(app.RefWert[u(j)]) != app.nOrdnung;
                app.RefWert[u(j)] = app.nOrdnung;
            } else {
                app.RefWert[u(j)] = gemerkt_[u(j)];
            }
            leiteWeiter(j);
        }
    } else {
        for (int j = 1; j <= 3; ++j) app.RefWert[u(j)] = app.k[u(j)];
        if (modus_ == 2) app.RefWert[2] = app.nOrdnung;
        for (int j = 1; j <= 3; ++j) schreibeFeld(9 + j, app.RefWert[u(j)]);
        speziesBoxen(false);
        zeigeStdAbw(false);
        for (int i = 1; i <= 2; ++i) optkTFunktion[u(i)]->setVisible(modus_ > 5);
        // Its next drawing opens the chart anew for the new model.
        modellGewechselt_ = true;
    }
    const bool neu = modellNeu_;
    modellNeu_ = false;
    beschriften();
    if (neu) adjustSize();  // the temperature function may have gone with the mode
    // Another model or other initial concentrations: no error sum of the former ones.
    if (anders) lblFQS->clear();
}

// Activation: the captions of the unit and the mode; the shared state is
// taken from the window's own only when the user acts in it.
void frmFitting::Form_Activate() {
    UpdateUnitLabels(*this);
    beschriften();
}

// Unit captions, the frames the constant mask uses, the captions of the mode
// and, in modes 6 and 7, parameter 2 and the temperature function.
void frmFitting::beschriften() {
    const std::string einheit = rtrim(app.sZeiteinheit);
    leiteZeitEinheitIdxAb();
    Inp[14]->hide();
    Label7->setText(modellZeile(modell_));

    const std::string km = masken().constants;
    frak2->setEnabled(zeichen(km, 2));
    frak3->setEnabled(zeichen(km, 3));
    Inp[11]->setVisible(zeichen(km, 2));
    Bz[6]->setVisible(zeichen(km, 2));
    Inp[12]->setVisible(zeichen(km, 3));
    Bz[7]->setVisible(zeichen(km, 3));
    const bool nichtIso = modus_ > 5;
    for (int i = 1; i <= 2; ++i) optkTFunktion[u(i)]->setVisible(nichtIso);

    const FitBeschriftung& b = fitBeschriftung(modus_, ktFunktion_);
    if (b.label7) Label7->setText(QString::fromUtf8(b.label7));
    frak1->setTitle(QString::fromUtf8(b.frak1));
    frak2->setTitle(QString::fromUtf8(b.frak2));
    if (b.bz5) Bz[5]->setText(QString::fromUtf8(b.bz5));
    if (b.unit1) unit1->setText(q(mitZeiteinheit(b.unit1, einheit)));
    if (b.bz6) Bz[6]->setText(QString::fromUtf8(b.bz6));
    if (b.unit2) unit2->setText(q(mitZeiteinheit(b.unit2, einheit)));
    lblAktEntropie->setVisible(nichtIso && b.eyring);
    if (nichtIso) {
        const bool eyring = ktFunktion_ == 2;
        optkTFunktion[u(ktFunktion_)]->setChecked(true);
        schreibeFeld(11, app.RefWert[2]);
        if (eyring && (app.RefWert[1] == 100 || !(app.RefWert[1] > 0)))
            lblAktEntropie->setText(" s# / J/(mol K))");
    }

    cmdAutoFitting->setToolTip(nichtIso ? "" : " ein mehrmaliges Fitting kann u. U. das Ergebnis noch verbessern ");
    for (int i = 10; i <= 11; ++i)
        Inp[u(i)]->setToolTip(nichtIso ? " nur niedrige Startwerte führen zum Erfolg (teste 0|1|10|100) " : "");
    for (int i = 1; i <= 3; ++i) lblStdDev[u(i)]->setToolTip(QString(" Standardabweichung des Parameters %1").arg(i));
}

// ---- drawing and results ------------------------------------------------------------

// The check list of the redraw: every failing check as a line "- ..." and CR LF.
QString frmFitting::pruefeEingaben() const {
    std::string m;
    auto zeile = [&m](const std::string& t) { m += t + kCrLf; };
    if (app.c0[2] <= 0 && zeichen(app.sSpeziesMaske, 2))
        zeile(app.iModell == 10 ? "- noch keine Eingabe einer Anfangskonzentration c(S)(0)"
                                : "- noch keine Eingabe einer Anfangskonzentration c(B)(0)");
    if ((app.iModell == 5 || app.iModell == 16) && app.c0[4] <= 0)
        zeile("- für Autokatalyse muss ein (geringes) c(P)(0) gegeben sein, sonst springt die Reaktion nicht an ");
    // Outside the order fitting, n of model 20 is the model window's.
    const std::string ordnung = modus_ != 2 && app.iModell == 20 ? frmKinModel::ordnungsZeile(app.iDiagrammTyp == 20 ? Bereich::Positiv : Bereich::Beliebig)
                                  : "";
    if (!ordnung.empty()) zeile(ordnung);
    else if (app.nOrdnung <= 0 && app.iDiagrammTyp == 20) zeile("- nur n > 0 erlaubt");
    // A parameter typed that its field refuses left the one in force: named here.
    m += parameterZeilen();
    // In modes 6 and 7 k1 comes from the temperature function: its factor,
    // the first parameter, must be positive, and is named as its frame names it.
    if (modus_ > 5) {
        const double faktor = app.bytKTFunktion == 2 ? app.dblEyrPar1 : app.dblArrhA;
        if (!(faktor > 0) && parameterLesung(1).ok()) {
            Zahlfeld f = Inp[10]->zahlfeld();
            f.bereich = Bereich::Positiv;
            zeile(bereichsZeile(f));
        }
    } else if (!(app.k[1] > 0)) {
        zeile("- Geschwindigkeitskonstante k1 muss größer Null sein");
    }
    if (zeichen(app.sKonstMaske, 2) && modus_ == 1 && app.k[2] <= 0)
        zeile("- Geschwindigkeitskonstante k2 muss größer Null sein");
    if (zeichen(app.sKonstMaske, 3) && app.k[3] <= 0) zeile("- Geschwindigkeitskonstante k3 muss größer Null sein");
    return q(m);
}

void frmFitting::simulieren(Integer& err) {
    // A parameter far out of the common range made it: it is named as its frame names it.
    std::vector<Zahlfeld> felder;
    std::vector<double> werte;
    for (int j = 1; j <= 3; ++j) {
        if (!Inp[u(9 + j)]->isVisibleTo(this)) continue;
        felder.push_back(fitParameterFeld(toStd(frak(j)->title()), istOrdnung(j)));
        werte.push_back(app.RefWert[u(j)]);
    }
    simuliereUndBenenne(app.iModell, err, felder, werte);
}

void frmFitting::cmdDrawNewCurve_Click() {
    Aenderung aenderung;
    zeichne(false);
}

// Reads tDiagramm.XMax into tEnd; after a failed check only its message. Else
// the model is simulated (per isotherm with its k1 in modes 6 and 7) and drawn
// anew in the chart window, which is opened when it is not; a failed
// simulation shows the engine's message and draws nothing more. Then the
// error sum and the footer.
void frmFitting::zeichne(bool nachFit) {
    if (!gezeichnet_) diagrammUebernehmen();
    gemeinsameWerteSetzen(true);
    // A chart of another model is opened anew for this one.
    if (std::exchange(modellGewechselt_, false) && eigenesDiagramm()) {
        unloadChartWindow();
        diagramm_ = nullptr;
    }
    // Another window's chart, or none: this window's chart opens anew with its ranges.
    const bool eigenes = eigenesDiagramm();
    app.tEnd = eigenes ? app.tDiagramm.XMax : bereich_.XMax;
    schreibeFeld(14, app.tEnd);
    const QString m = pruefeEingaben();
    if (!m.isEmpty()) {
        MsgBox(toStd(m), MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    // Opening the chart and the simulations (one per isotherm) can take a while.
    SanduhrEin();
    if (!eigenes) oeffneDiagramm();
    const bool aktiv = Forms::mdiArea() && frame() && static_cast<QWidget*>(Forms::mdiArea()->activeSubWindow()) == frame();
    QPointer<QWidget> fokus = QApplication::focusWidget();
    // The open chart is redrawn once, when everything below is in it.
    const QPointer<frmGraph2D> einmal = Forms::loaded<frmGraph2D>();
    if (einmal) einmal->Chart2D1->beginUpdate();
    if (!nachFit) zeigeStdAbw(false);
    app.gnKurven = 0;
    // The model curves are drawn anew; the measured points stay.
    if (frmGraph2D* g = Forms::loaded<frmGraph2D>()) g->DeleteCurves(0);

    auto zeigen = [this] {
        CalcDataRanges(app.iDiagrammTyp, app.gMitMesspunkten);
        zeigeDiagramm();
        diagrammDaneben();
    };
    Integer err = 0;
    if (modus_ == 6 || modus_ == 7) {
        bool erste = true;
        for (int i = 1; i <= app.nKurvenTemp && u(i) < app.gKurvenTemp.size(); ++i) {
            const double T = app.gKurvenTemp[u(i)];
            app.k[1] = app.bytKTFunktion == 2 ? kVonT(app.dblEyrPar1, app.dblEyrH, T, 2)
                                               : kVonT(app.dblArrhA, app.dblArrhEA, T, 1);
            simulieren(err);
            if (err != 0) break;  // the failure is said; the other isotherms would fail alike
            if (erste) zeigen();
            erste = false;
            pressChartDraw();
            app.gnKurvenOffen = 1;
        }
    } else {
        simulieren(err);
        if (err == 0) {
            zeigen();
            pressChartDraw();
        }
    }
    if (eigenesDiagramm()) bereichMerken();
    ZeigeFitErgebnis();
    if (einmal) einmal->Chart2D1->endUpdate();
    // An open Arrhenius/Eyring calculator takes over the fitted temperature function.
    if (modus_ == 6 || modus_ == 7) rechnerAuffrischen();
    // The chart came to the front; this window keeps the focus where the user had it.
    if (aktiv) {
        SetFocus();
        if (fokus && isAncestorOf(fokus)) fokus->setFocus();
    }
    SanduhrAus();
}

void frmFitting::diagrammDaneben() {
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    if (!g || g == angeordnet_) return;
    angeordnet_ = g;
    QWidget* cf = g->frame();
    QWidget* mf = frame();
    if (cf == g || mf == this || !cf->parentWidget()) return;
    const int rechts = mf->geometry().right() + 1;
    const QRect r = cf->geometry();
    if (r.left() >= rechts || cf->parentWidget()->width() - rechts < r.width()) return;
    cf->move(rechts, r.top());
}

// lblFQS from the shown error sum; the result text into the chart's footer.
void frmFitting::ZeigeFitErgebnis() {
    lblFQS->setText(q(fqsText(CalcFQS_Messwerte(currentFitDaten(), auswahl()))));
    frmGraph2D* g = Forms::loaded<frmGraph2D>();
    if (g && eigenesDiagramm()) {
        g->Chart2D1->setText(ChartTextBlock::Footer, fitErgebnisText());
        g->Chart2D1->setTextBackColour(ChartTextBlock::Footer, kFussFarbe);
        g->Chart2D1->setTextShown(ChartTextBlock::Footer, true);
    }
}

void frmFitting::zeigeStdAbw(bool zeigen) {
    for (int i = 1; i <= 3; ++i) {
        lblPlusMinus[u(i)]->setVisible(zeigen);
        lblStdDev[u(i)]->setVisible(zeigen);
    }
}

// ---- other handlers -------------------------------------------------------------------

void frmFitting::chkFixed_Click(int i) {
    if (i >= 1 && i <= 3) bFixiert[u(i)] = chkFixed[u(i)]->isChecked();
}

void frmFitting::chkConcFQS_Click(int) {
    gemeinsameWerteSetzen(false);
    ZeigeFitErgebnis();
}

void frmFitting::optkTFunktion_Click(int i) {
    if (i != 1 && i != 2) return;
    // The chosen function and its parameters in force: one change.
    Aenderung aenderung;
    gemeinsameWerteSetzen(false);
    ktFunktion_ = i;
    app.bytKTFunktion = static_cast<Byte>(i);
    // The shown parameters now belong to the chosen function.
    leiteWeiter(1);
    leiteWeiter(2);
    beschriften();
    rechnerAuffrischen();
}

void frmFitting::rechnerAuffrischen() {
    // It refills itself; the focus stays with this window.
    if (frmArrheniusRechner* r = Forms::loaded<frmArrheniusRechner>()) r->funktionUebernehmen();
}

void frmFitting::cmdHelp_Click() { HtmlHelp(8501); }

// Closes the window and its chart (another window's chart stays).
void frmFitting::cmdClose_Click() {
    const bool mitDiagramm = eigenesDiagramm();
    Unload();
    if (mitDiagramm) unloadChartWindow();
}

}  // namespace vrn
