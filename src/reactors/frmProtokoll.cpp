#include "reactors/frmProtokoll.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "platform/Twips.h"
#include "reactors/Protocol.h"
#include "reactors/StirredTank.h"
#include "shell/AppState.h"
#include "shell/CalcForm.h"
#include "shell/Helpers.h"
#include "shell/ProtName.h"

namespace vrn {

namespace {

struct SepEintrag {
    const char* text;
    const char* zeichen;
};
constexpr SepEintrag kSeparatoren[] = {{"Semikolon", ";"}, {"Komma", ","}, {"Tab", "\t"}};

const char* const kKommaWarnung =
    "Bei Computereinstellung \"Deutschland\" (Dezimalzeichen Komma)\r\n"
    "ist Komma als Dateitrennzeichen nicht sinnvoll; der Clipboard-Inhalt\r\n"
    "ist nicht mehr Excel-kompatibel.\r\n"
    "Empfehlung: Semikolon";

// The file name as the label shows it (a long path shortened, in full as tooltip).
void showFileName(QLabel* l) {
    l->setText(toQ(ShortenPath(app.ProtDateiName, 40)));
    l->setToolTip(toQ(app.ProtDateiName));
}

CalcForm* protocolSource() {
    return firstLoadedCalcForm(
        {CalcForm::TimeDiagram, CalcForm::RKconti, CalcForm::Batch, CalcForm::Rohrreaktor, CalcForm::Fitting});
}

}  // namespace

frmProtokoll::frmProtokoll() {
    setCaption("  Ergebnis-Protokoll schreiben");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);

    cmdProtokoll = new QPushButton("Ergebnis protokollieren", this);
    cmdProtokoll->setMinimumHeight(36);
    outer->addWidget(cmdProtokoll);

    fraProtokoll = new QGroupBox("... als Excel-lesbares File und in Clipboard ", this);
    auto* fp = new QVBoxLayout(fraProtokoll);
    cmdOpenNew = new QPushButton(fraProtokoll);
    cmdOpenNew->setToolTip(" Clipboard-Formatierung Excel-kompatibel, Achtung: alter Clipboard-Inhalt wird gelöscht ");
    cmdOpenNew->setMinimumHeight(44);
    fp->addWidget(cmdOpenNew);
    Label16 = new QLabel("File geöffnet:", fraProtokoll);
    lblProtText2 = new QLabel(fraProtokoll);
    lblProtText2->setWordWrap(true);
    lblProtText2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fp->addWidget(Label16);
    fp->addWidget(lblProtText2);
    outer->addWidget(fraProtokoll);

    fraSep = new QGroupBox("Trennzeichen für CSV-Datei", this);
    auto* fs = new QVBoxLayout(fraSep);
    cmbSep = new QComboBox(fraSep);
    cmbSep->setToolTip(" Semikolon empfohlen ");
    fs->addWidget(cmbSep);
    outer->addWidget(fraSep);

    cmdClose = new QPushButton("schließen <Esc>", this);
    outer->addWidget(cmdClose);
    outer->addStretch(1);

    connect(cmdProtokoll, &QPushButton::clicked, this, [this] { cmdProtokoll_Click(); });
    connect(cmdOpenNew, &QPushButton::clicked, this, [this] { cmdOpenNew_Click(); });
    connect(cmbSep, qOverload<int>(&QComboBox::activated), this, [this](int i) { cmbSep_Click(i); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    setCancelButton(cmdClose);
    setFixedWidth(290);
}

void frmProtokoll::Form_Load() {
    cmdOpenNew->setText("schließen / neues File öffnen\nund Protokoll in Clipboard");
    showFileName(lblProtText2);
    cmdOpenNew->setEnabled(app.bProtOffen);

    app.Trennzeichen = ";";
    cmbSep->clear();
    int current = 0;
    for (int i = 0; i < 3; ++i) {
        cmbSep->addItem(QString::fromUtf8(kSeparatoren[i].text));
        if (app.Trennzeichen == kSeparatoren[i].zeichen) current = i;
    }
    cmbSep->setCurrentIndex(current);

    source_ = protocolSource();
    iProtQuelle = source_ ? static_cast<Integer>(source_->calcType()) : Integer{0};
    refreshRowButton();
    adjustSize();
}

void frmProtokoll::showEvent(QShowEvent* e) {
    VrnForm::showEvent(e);
    if (!placed_) {
        placed_ = true;
        placeBesideSource();
    }
}

void frmProtokoll::placeBesideSource() {
    if (!source_) return;
    // Right of the source with the bottom edges aligned, overlapping its
    // frame by 40 twips; where the area has no room for that, below, above
    // or left of it, so that the source's results stay in view.
    if (frame() != this && source_->frame() != source_) {
        const QRect src = source_->frame()->geometry();
        // The source's controls (fields, labels, buttons, drawing) stay in view where the area allows.
        frame()->move(Forms::besideInMdiArea(src, frame()->size(), twipsToPixelsX(40), Forms::controlsInMdiArea(source_)));
        return;
    }
    const int left = source_->twipsLeft() + source_->twipsWidth() - 40;
    const int top = source_->twipsTop() + source_->twipsHeight() - twipsHeight();
    moveTwips(std::max(0, left), std::max(0, top));
}

void frmProtokoll::cmbSep_Click(int index) {
    if (index >= 0 && index < 3) app.Trennzeichen = kSeparatoren[index].zeichen;
}

namespace {
// A row of the last calculation of the source (any window's row when the
// protocol has no source).
bool validRow(Integer quelle) {
    return app.iProtZeileQuelle != 0 && (quelle == 0 || app.iProtZeileQuelle == quelle);
}
}  // namespace

void frmProtokoll::refreshRowButton() { cmdProtokoll->setEnabled(validRow(iProtQuelle)); }

void frmProtokoll::cmdProtokoll_Click() {
    if (!validRow(iProtQuelle)) return;
    if (app.Trennzeichen == "," && app.bDezimalKomma)
        MsgBox(kKommaWarnung, MsgButtons::OK, MsgIcon::Exclamation, "Warnung");
    if (!appendProtZeile()) {
        MsgBox(kRechenFehlerText, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
        return;
    }
    cmdOpenNew->setEnabled(true);
}

bool frmProtokoll::schreibProtFileAndClose() {
    const ReactorStatus s = writeProtocolFile(iProtQuelle, today());
    showReactorStatus(s);
    return s.ok;
}

std::string frmProtokoll::SetAutoProtName() { return vrn::SetAutoProtName(); }

void frmProtokoll::cmdOpenNew_Click() {
    std::string clip;
    const ReactorStatus s = closeProtocolFile(iProtQuelle, today(), clip);
    if (!s.ok) {
        showReactorStatus(s);
        showFileName(lblProtText2);
        return;
    }
    if (!clip.empty()) {
        QApplication::clipboard()->clear();
        QApplication::clipboard()->setText(QString::fromStdString(clip));
    }
    cmdOpenNew->setEnabled(false);
    showFileName(lblProtText2);
}

void frmProtokoll::cmdClose_Click() { Unload(); }

void frmProtokoll::Form_Unload(bool& cancel) {
    if (cmdOpenNew->isEnabled()) cmdOpenNew_Click();
    if (source_ && source_->cmdProtocol) source_->cmdProtocol->setEnabled(true);
}

void frmProtokoll::closeAtExit() {
    if (frmProtokoll* w = Forms::loaded<frmProtokoll>()) {
        w->Unload();
        return;
    }
    if (!app.bProtOffen) return;
    CalcForm* source = protocolSource();
    std::string clip;
    showReactorStatus(closeProtocolFile(source ? source->calcType() : 0, today(), clip));
}

}  // namespace vrn
