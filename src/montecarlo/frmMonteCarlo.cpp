#include "montecarlo/frmMonteCarlo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "engine/frmKinModel.h"
#include "montecarlo/MCTeilchenfeld.h"
#include "platform/ChartControl.h"
#include "platform/ColourFont.h"
#include "platform/HelpViewer.h"
#include "platform/Twips.h"
#include "shell/AppState.h"

namespace vrn {

namespace {

constexpr std::array<const char*, 3> kKCaptions = {"K = 0,5", "K = 1", "K = 2"};
constexpr std::array<Single, 3> kKWerte = {0.5f, 1.0f, 2.0f};
constexpr int kChartLinks = 350;   // twips, also the offset of the board
constexpr int kChartOben = 800;    // twips
constexpr int kLadeBreite = 13000; // twips
constexpr int kLadeHoehe = 8500;

QString farbStil(Colour c) { return QString("color: %1;").arg(toQColor(c).name()); }

}  // namespace

frmMonteCarlo::frmMonteCarlo() : VrnForm(Kind::MdiChild), rng_(std::make_unique<ClockRandom>()) {
    setObjectName("frmMonteCarlo");

    Label3 = new QLabel(this);
    QFont kopf("Arial", 12);
    kopf.setBold(true);
    Label3->setFont(kopf);

    fraHeadline = new QWidget(this);
    auto* schema = new QHBoxLayout(fraHeadline);
    schema->setContentsMargins(0, 0, 0, 0);
    schema->setSpacing(6);
    QFont formel("Arial", 14);
    formel.setBold(true);
    lblA = new QLabel("A", fraHeadline);
    lblP = new QLabel("P", fraHeadline);
    auto* pfeile = new QWidget(fraHeadline);
    auto* pfeilSpalte = new QVBoxLayout(pfeile);
    pfeilSpalte->setContentsMargins(0, 0, 0, 0);
    pfeilSpalte->setSpacing(0);
    PfeilHin = new QLabel(QString::fromUtf8("\u2192"), pfeile);
    PfeilRueck = new QLabel(QString::fromUtf8("\u2190"), pfeile);
    for (QLabel* l : {lblA, lblP, PfeilHin, PfeilRueck}) l->setFont(formel);
    pfeilSpalte->addWidget(PfeilHin);
    pfeilSpalte->addWidget(PfeilRueck);
    schema->addWidget(lblA);
    schema->addWidget(pfeile);
    schema->addWidget(lblP);

    Frame1 = new QGroupBox(" Zahl der Moleküle N0, die an der Simulation beteiligt sind ", this);
    auto* reihe1 = new QHBoxLayout(Frame1);
    reihe1->setContentsMargins(8, 2, 8, 4);
    for (int i = 0; i < 6; ++i) {
        auto* o = new QRadioButton(kMCBretter[static_cast<std::size_t>(i)].caption, Frame1);
        o->setObjectName(QString("optN0_%1").arg(i));
        optN0[static_cast<std::size_t>(i)] = o;
        reihe1->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this, i] { optN0_Click(i); });
    }
    reihe1->addStretch(1);
    optN0[0]->setToolTip("...kann über \"Optionen\" verlangsamt werden ");
    optN0[5]->setToolTip("...für schnelle Computer ");

    Frame2 = new QGroupBox(" Gleichgewichtskonstante  K = N(P) / N(A) ", this);
    auto* reihe2 = new QHBoxLayout(Frame2);
    reihe2->setContentsMargins(8, 2, 8, 4);
    for (int i = 0; i < 3; ++i) {
        auto* o = new QRadioButton(kKCaptions[static_cast<std::size_t>(i)], Frame2);
        o->setObjectName(QString("optGK_%1").arg(i));
        optGK[static_cast<std::size_t>(i)] = o;
        reihe2->addWidget(o);
        connect(o, &QRadioButton::clicked, this, [this, i] { optGK_Click(i); });
    }
    reihe2->addStretch(1);

    Chart2D2 = new ChartControl(this);
    Chart2D2->setObjectName("Chart2D2");
    Teilchenfeld = new MCTeilchenfeld(this);
    Teilchenfeld->setObjectName("Teilchenfeld");

    auto knopf = [this](const char* text, const char* name) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    cmdStart = knopf("Start", "cmdStart");
    cmdStop = knopf("Stop", "cmdStop");
    cmdContinue = knopf("Go", "cmdContinue");
    cmdRefresh = knopf("Refresh", "cmdRefresh");
    cmdRefresh->setToolTip("...stellt Startzustand des Molekülbretts wieder her ");
    cmdHelp = knopf("Hilfe", "cmdHelp");
    cmdClose = knopf("Schließen <Esc>", "cmdClose");
    cmdClipboard = knopf(">Clipboard", "cmdClipboard");
    cmdClipboard->setToolTip("...sendet Diagramm zur Zwischenablage ");
    cmdClipboard->setFont(QFont("Arial", 8));

    chkFlashOn = new QCheckBox(this);
    lblBildText = new QLabel("K = N(P) / N(A) = 1", this);
    lblBildText->setFont(QFont("Arial", 9));
    lblBildText->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    connect(cmdStop, &QPushButton::clicked, this, [this] { cmdStop_Click(); });
    connect(cmdContinue, &QPushButton::clicked, this, [this] { cmdContinue_Click(); });
    connect(cmdRefresh, &QPushButton::clicked, this, [this] { cmdRefresh_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    connect(cmdClipboard, &QPushButton::clicked, this, [this] { cmdClipboard_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { Unload(); });
    connect(chkFlashOn, &QCheckBox::clicked, this, [this] { chkFlashOn_Click(); });
    setDefaultButton(cmdStart);
    setCancelButton(cmdClose);

    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, [this] { tick(); });
}

frmMonteCarlo::~frmMonteCarlo() {
    laeuft_ = false;
    if (timer_) timer_->stop();
}

void frmMonteCarlo::setRandomSource(std::unique_ptr<RandomSource> source) {
    if (source) rng_ = std::move(source);
}

// Load: the model window goes out of sight, the board opens full (all A)
// beside an empty chart. Reads MCModus, PunktGroesse, Farbe1, Farbe2.
void frmMonteCarlo::Form_Load() {
    modus_ = app.MCModus;
    if (frmKinModel* m = Forms::loaded<frmKinModel>()) m->Hide();
    tDiagramm.XMin = 0;
    tDiagramm.YMin = 0;
    tDiagramm.XMax = 100;
    tDiagramm.YMax = 100;
    bFlash = true;
    setCaption("Varnolt als Zufallsspiel (Monte-Carlo-Simulation)");
    Label3->setText(modus_ == 1 ? "Simulation einer Varnolt 1. Ordnung" : "Dynamisches Reaktionsgleichgewicht");
    PfeilRueck->setVisible(modus_ != 1);
    Frame2->setVisible(modus_ != 1);
    // The caption in the chart names the chosen K; it has no meaning in mode 1.
    lblBildText->setVisible(modus_ != 1);
    lauf_.setK(0.5f);

    resizeTwips(kLadeBreite, kLadeHoehe);
    optN0[2]->setChecked(true);
    optN0_Click(2);
    optGK[0]->setChecked(true);
    optGK_Click(0);
    if (app.PunktGroesse == 0) app.PunktGroesse = 7;

    bStop = false;
    bContinue = false;
    cmdStop->setEnabled(false);
    cmdContinue->setEnabled(false);
    chkFlashOn->setText(" Aufblitz-Effekt bei \"Reaktion\"  (verlangsamt!)");
    chkFlashOn->setChecked(true);
    lblA->setStyleSheet(farbStil(app.Farbe1));
    lblP->setStyleSheet(farbStil(app.Farbe2));

    tDiagramm.XTitel = "Zeit t / t(max) * 100%";
    tDiagramm.YTitel = "Teilchenzahl  N(i) / N0 * 100%";
    chartEinrichten();
    moveTwips(0, 0);
    resizeTwips(kLadeBreite, kLadeHoehe);
    Form_Resize();
    setMCAchsen();
}

// Closing, whatever closes the window: the run stops at once (its timer goes
// with the window) and the model window comes back. Never refused.
void frmMonteCarlo::Form_Unload(bool& cancel) {
    (void)cancel;
    bStop = true;
    laeuft_ = false;
    timer_->stop();
    Teilchenfeld->blitzAus();
    if (frmKinModel* m = Forms::loaded<frmKinModel>()) m->Show();
    else Forms::get<frmKinModel>().Show();
}

void frmMonteCarlo::resizeEvent(QResizeEvent* event) {
    VrnForm::resizeEvent(event);
    Form_Resize();
}

// Layout: the square chart at the left, the board of the same size right of
// the middle, the option frames below the chart, the flash check box, the K
// frame and the buttons below the board. Redraws the board from the particles.
void frmMonteCarlo::Form_Resize() {
    const int W = width(), H = height();
    const int links = twipsToPixelsX(kChartLinks), oben = twipsToPixelsY(kChartOben);
    const int luft = 6;

    const QSize f1 = Frame1->sizeHint();
    const QSize f2 = Frame2->isVisibleTo(this) ? Frame2->sizeHint() : QSize(0, 0);
    const int knopfH = cmdStart->sizeHint().height();
    const int chkH = chkFlashOn->sizeHint().height();
    const int untenLinks = f1.height() + (f2.height() > 0 ? f2.height() + luft : 0);
    const int untenRechts = chkH + luft + 2 * knopfH + luft;
    const int unten = std::max(untenLinks, untenRechts) + 2 * luft;

    int seite = static_cast<int>(0.68 * H);
    seite = std::min(seite, (W - 3 * links) / 2);
    seite = std::min(seite, H - oben - unten);
    seite = std::max(seite, 60);

    Chart2D2->setGeometry(links, oben, seite, seite);
    const int feldLinks = (W + links) / 2;
    const int r = MCTeilchenfeld::kRand;
    Teilchenfeld->setGeometry(feldLinks - r, oben - r, seite + 2 * r, seite + 2 * r);

    Label3->adjustSize();
    Label3->move(links, (oben - Label3->height()) / 2);
    fraHeadline->adjustSize();
    fraHeadline->move(feldLinks + (seite - fraHeadline->width()) / 2, (oben - fraHeadline->height()) / 2);

    cmdClipboard->adjustSize();
    cmdClipboard->move(links + 4, oben + 24);
    cmdClipboard->raise();
    lblBildText->adjustSize();
    lblBildText->move(links + seite - lblBildText->width() - 12, oben + 28);
    lblBildText->raise();

    const int yUnten = oben + seite + luft;
    Frame1->setGeometry(links, yUnten, std::max(seite, f1.width()), f1.height());
    if (f2.height() > 0)
        Frame2->setGeometry(links, yUnten + f1.height() + luft, std::max(seite, f2.width()), f2.height());

    chkFlashOn->adjustSize();
    chkFlashOn->move(feldLinks, oben + seite + 2);

    // Two rows of buttons, right-aligned under the board.
    const std::array<std::array<QPushButton*, 3>, 2> reihen{{{cmdStart, cmdStop, cmdContinue},
                                                              {cmdRefresh, cmdHelp, cmdClose}}};
    int breite = 0;
    for (QPushButton* b : {cmdStart, cmdStop, cmdContinue, cmdRefresh, cmdHelp})
        breite = std::max(breite, b->sizeHint().width());
    const int schliessenBreite = std::max(breite, cmdClose->sizeHint().width());
    const int rechts = feldLinks + seite;
    int y = H - luft - 2 * knopfH - luft;
    for (const auto& reihe : reihen) {
        int x = rechts;
        for (int k = 2; k >= 0; --k) {
            QPushButton* b = reihe[static_cast<std::size_t>(k)];
            const int w = b == cmdClose ? schliessenBreite : breite;
            x -= w;
            b->setGeometry(x, y, w, knopfH);
            x -= luft;
        }
        y += knopfH + luft;
    }
    setzeChartTexte();
    drawMCTeilchenfeld();
}

void frmMonteCarlo::drawMCTeilchenfeld() {
    Teilchenfeld->zeichneFeld(lauf_.N0(), bGross, app.Farbe1, app.Farbe2,
                              [this](Long i) { return lauf_.teilchen(i) == 1; });
}

void frmMonteCarlo::markiereWahl(int gewaehlt, QRadioButton* const* optionen, int anzahl) {
    for (int i = 0; i < anzahl; ++i) {
        QFont f("Arial", i == gewaehlt ? 9 : 8);
        f.setBold(i == gewaehlt);
        optionen[i]->setFont(f);
    }
}

// The particle number: board, draws per point, t(max), scales; then Refresh.
void frmMonteCarlo::optN0_Click(int Index) {
    if (Index < 0 || Index > 5 || laeuft_) return;
    markiereWahl(Index, optN0.data(), 6);
    brettIndex_ = Index;
    const MCBrett& b = kMCBretter[static_cast<std::size_t>(Index)];
    bGross = b.bGross;
    lauf_.setBrett(b);
    skalen_ = mcSkalen(b.N0, b.nMaxZuege);
    cmdRefresh_Click();
}

void frmMonteCarlo::optGK_Click(int Index) {
    if (Index < 0 || Index > 2 || laeuft_) return;
    markiereWahl(Index, optGK.data(), 3);
    lauf_.setK(kKWerte[static_cast<std::size_t>(Index)]);
    lblBildText->setText(QString("K = N(P) / N(A) = %1").arg(QString(kKCaptions[static_cast<std::size_t>(Index)]).mid(4)));
    lblBildText->adjustSize();
    cmdRefresh_Click();
}

// Back to the start picture: every particle A, the calculated curves shown,
// the simulated points hidden. Takes the colours of the options.
void frmMonteCarlo::cmdRefresh_Click() {
    if (laeuft_) return;
    cmdStop->setEnabled(false);
    cmdContinue->setEnabled(false);
    lblA->setStyleSheet(farbStil(app.Farbe1));
    lblP->setStyleSheet(farbStil(app.Farbe2));
    Chart2D2->beginUpdate();
    for (int s = 1; s <= 4; ++s) Chart2D2->setDisplayState(1, s, kSeriesHidden);
    Chart2D2->setTextColour(ChartTextBlock::Footer, app.Farbe1);
    Chart2D2->endUpdate();
    lauf_.setBrett(kMCBretter[static_cast<std::size_t>(brettIndex_)]);
    drawMCTeilchenfeld();
    calcUndPlotMCKurve(1);
    calcUndPlotMCKurve(2);
}

void frmMonteCarlo::pressRefresh() {
    if (laeuft_) return;  // the board is never reset under a live run
    cmdRefresh_Click();
}

void frmMonteCarlo::cmdHelp_Click() {
    if (modus_ == 1) HtmlHelp(8000);
    else if (modus_ == 2) HtmlHelp(8001);
}

void frmMonteCarlo::cmdClipboard_Click() { Chart2D2->copyToClipboard(kClipboardVector); }

void frmMonteCarlo::chkFlashOn_Click() { bFlash = chkFlashOn->isChecked(); }

// Running: only Stop, the flash check box and the close box act.
void frmMonteCarlo::setMCLaeuft() {
    for (QWidget* w : std::initializer_list<QWidget*>{cmdClose, cmdStart, cmdHelp, cmdRefresh, Frame1, Frame2})
        w->setEnabled(false);
    cmdClipboard->hide();
}

void frmMonteCarlo::setMCRuht() {
    for (QWidget* w : std::initializer_list<QWidget*>{cmdClose, cmdStart, cmdHelp, cmdRefresh, Frame1, Frame2})
        w->setEnabled(true);
    cmdClipboard->show();
}

}  // namespace vrn
