#include "chart/frmGraphCalc.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "chart/DrawnState.h"
#include "engine/ConcentrationAtTime.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/Helpers.h"
#include "base/NumberText.h"
#include "base/Zahlbereich.h"

namespace vrn {

namespace {
constexpr const char* kNamen[5] = {"c(A)", "c(B)", "c(C)", "c(P)", "c(Q)"};
constexpr const char* kEnzymNamen[3] = {"c(E)", "c(S)", "c(ES)"};
}  // namespace

frmGraphCalc::frmGraphCalc() : VrnForm(Kind::Tool) {
    setObjectName("frmGraphCalc");
    setCaption("  Einzelpunkt-Rechner");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->setSpacing(8);

    auto* eingabe = new QHBoxLayout();
    lblXEingabe = new QLabel("Zeit-Vorgabe     t =", this);
    lblXEingabe->setToolTip(" innerhalb Diagramm-Bereich ");
    txtX = new NumberField(this);
    txtX->setObjectName("txtX");
    txtX->setFixedWidth(90);
    lblZeit = new QLabel(this);
    lblZeit->setObjectName("lblZeit");
    eingabe->addWidget(lblXEingabe);
    eingabe->addWidget(txtX);
    eingabe->addWidget(lblZeit);
    eingabe->addStretch(1);
    outer->addLayout(eingabe);

    auto* g = new QGridLayout();
    g->setHorizontalSpacing(12);
    g->setVerticalSpacing(4);
    for (int i = 0; i < 5; ++i) {
        lblRes[static_cast<std::size_t>(i)] = new QLabel(kNamen[i], this);
        auto* r = new QLabel(this);
        r->setObjectName(QString("lblResult_%1").arg(i));
        r->setMinimumWidth(110);
        r->setFrameShape(QFrame::StyledPanel);
        r->setAutoFillBackground(true);
        r->setStyleSheet("background-color: #FFFFC0; padding: 1px 4px;");
        r->setTextInteractionFlags(Qt::TextSelectableByMouse);
        lblResult[static_cast<std::size_t>(i)] = r;
        g->addWidget(lblRes[static_cast<std::size_t>(i)], i, 0);
        g->addWidget(r, i, 1);
    }
    g->addWidget(new QLabel("mol/l", this), 0, 2);
    outer->addLayout(g);

    auto* knoepfe = new QHBoxLayout();
    cmdGraphCalcExec = new QPushButton("Berechnen", this);
    cmdGraphCalcExec->setObjectName("cmdGraphCalcExec");
    cmdCloseGraphCalc = new QPushButton("Schließen", this);
    cmdCloseGraphCalc->setObjectName("cmdCloseGraphCalc");
    cmdGraphCalcExec->setAutoDefault(false);
    cmdCloseGraphCalc->setAutoDefault(false);
    knoepfe->addWidget(cmdGraphCalcExec);
    knoepfe->addStretch(1);
    knoepfe->addWidget(cmdCloseGraphCalc);
    outer->addLayout(knoepfe);

    connect(cmdGraphCalcExec, &QPushButton::clicked, this, [this] { cmdGraphCalcExec_Click(); });
    connect(cmdCloseGraphCalc, &QPushButton::clicked, this, [this] { cmdCloseGraphCalc_Click(); });
    // Enter computes (and goes no further); Ctrl+C and Ctrl+V pass.
    txtX->onKeyPress = [this](int& key) {
        if (key == 13) {
            cmdGraphCalcExec_Click();
            key = 0;
        }
    };
}

void frmGraphCalc::Form_Load() {
    txtX->setText("0");
    zeigeGezeichnetenStand();
    adjustSize();
    const int top = screenHeightTwips() / 15;
    const int left = screenWidthTwips() - pixelsToTwipsX(frameGeometry().width()) - 250;
    moveTwips(left, top);
}

void frmGraphCalc::zeigeGezeichnetenStand() {
    const GezeichnetMit g = gezeichnetOderJetzt();
    const int modell = g.iModell;
    const std::string& maske = g.sSpeziesMaske;
    lblZeit->setText(toQ(g.sZeiteinheit));
    for (int i = 0; i < 5; ++i)
        lblRes[static_cast<std::size_t>(i)]->setText(modell == 10 && i < 3 ? kEnzymNamen[i] : kNamen[i]);
    for (int i = 1; i <= 5; ++i) {
        const std::size_t k = static_cast<std::size_t>(i - 1);
        const bool sichtbar = static_cast<std::size_t>(i) <= maske.size() && maske[k] == '1';
        lblResult[k]->clear();
        lblResult[k]->setVisible(sichtbar);
        lblRes[k]->setVisible(sichtbar);
    }
}

void frmGraphCalc::cmdGraphCalcExec_Click() {
    // The curves on the screen are the ones asked about.
    const GezeichnetMit g = gezeichnetOderJetzt();
    // A time the field refuses (empty, no number, beyond a Double, too near
    // 0) or outside 0..t(max) of the simulation is named in one line;
    // nothing is computed.
    Zahlfeld feld;
    feld.thema = "Zeit-Vorgabe";
    feld.symbol = "t";
    feld.bereich = Bereich::NichtNegativ;
    const Zahllesung l = txtX->lies(feld);
    const std::string bereich =
        ausserhalbZeile("Zeit-Vorgabe", "t", "0", Format(g.tEnd) + " " + rtrim(g.sZeiteinheit));
    const double t = l.wert;
    std::string fehler1 = l.zeile;
    if (l.fehler == Zahlfehler::Bereich || (l.ok() && (!passtInSingle(t) || zuSingle(t) > g.tEnd))) fehler1 = bereich;
    if (!fehler1.empty()) {
        MsgBox(fehler1, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    Konz c{};
    Integer fehler = 0;
    calc_functioncT_at_t(eingabenAusGezeichnet(g), t, c, fehler);
    bool gut = fehler == 0;
    for (int i = 1; i <= 5 && gut; ++i)
        if (!passtInSingle(c[static_cast<std::size_t>(i)])) gut = false;
    for (int i = 1; i <= 5; ++i) {
        QLabel* l = lblResult[static_cast<std::size_t>(i - 1)];
        if (gut) l->setText(toQ(Str(zuSingle(c[static_cast<std::size_t>(i)]))));
        else l->clear();
    }
    if (!gut) Beep();
    if (isVisible()) {
        SetFocus();
        txtX->setFocus();
    }
}

void frmGraphCalc::cmdCloseGraphCalc_Click() { Unload(); }

void frmGraphCalc::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        cmdCloseGraphCalc_Click();
        return;
    }
    VrnForm::keyPressEvent(event);
}

}  // namespace vrn
