// The chart window's output: the items of the "Bild" menu prepare the panel
// fraPrintIt (picture format for the clipboard or a picture file, print
// position and size on the sheet), and "Ausführen" hands the chart to the
// clipboard, a picture file or the printer.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include <memory>

#include "chart/ChartOutputRules.h"
#include "chart/ToolFrame.h"
#include "chart/PanelWidgets.h"
#include "chart/frmGraph2D.h"
#include "platform/ChartControl.h"
#include "platform/MenuTree.h"
#include "platform/MsgBox.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"
#include "platform/PrinterOutput.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/Hooks.h"

namespace vrn {

namespace {

constexpr Colour kSchwarz = RGB(0, 0, 0);
constexpr double kTwipsProZoll = 1440;

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// The component's picture format of a picture-file code.
ChartPicture bildFormat(int code) {
    switch (code) {
        case kBildBmp: return ChartPicture::Bmp;
        case kBildPng: return ChartPicture::Png;
        case kBildPdf: return ChartPicture::Pdf;
        default: return ChartPicture::Svg;
    }
}

QLabel* text(const QString& t, QWidget* parent) {
    auto* l = new QLabel(t, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A cm box with its caption before and "cm" after it, in row r of g.
void cmZeile(QGridLayout* g, int r, QLabel* caption, QLineEdit* box, QWidget* parent) {
    box->setFixedWidth(64);
    g->addWidget(caption, r, 0);
    g->addWidget(box, r, 1);
    g->addWidget(text("cm", parent), r, 2);
}

}  // namespace

// Builds fraPrintIt (hidden) and connects the items of the "Bild" menu.
void frmGraph2D::buildPrintPanel() {
    fraPrintIt = new ToolFrame("Bild drucken/speichern", false, this);
    fraPrintIt->setObjectName("fraPrintIt");
    // Format above; position with the buttons below it beside the scaling.
    auto* outer = new QGridLayout(fraPrintIt);

    frGraphFormat = new QGroupBox(fraPrintIt);
    frGraphFormat->setObjectName("frGraphFormat");
    auto* lf = new QHBoxLayout(frGraphFormat);
    Label24 = text("Grafik-Format", frGraphFormat);
    cmbGraphFormat = new QComboBox(frGraphFormat);
    cmbGraphFormat->setObjectName("cmbGraphFormat");
    cmbGraphFormat->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lf->addWidget(Label24);
    lf->addWidget(cmbGraphFormat, 1);
    outer->addWidget(frGraphFormat, 0, 0, 1, 2);

    frPrintPos = new QGroupBox("Position", fraPrintIt);
    frPrintPos->setObjectName("frPrintPos");
    auto* gp = new QGridLayout(frPrintPos);
    txtLeft_in_cm = new NumberField(frPrintPos);
    txtLeft_in_cm->setObjectName("txtLeft_in_cm");
    txtTop_in_cm = new NumberField(frPrintPos);
    txtTop_in_cm->setObjectName("txtTop_in_cm");
    cmZeile(gp, 0, text("Rand links  =", frPrintPos), txtLeft_in_cm, frPrintPos);
    cmZeile(gp, 1, text("Rand oben =", frPrintPos), txtTop_in_cm, frPrintPos);
    outer->addWidget(frPrintPos, 1, 0);

    frPrintScaling = new QGroupBox("Scaling-Methoden ", fraPrintIt);
    frPrintScaling->setObjectName("frPrintScaling");
    auto* gs = new QGridLayout(frPrintScaling);
    const std::pair<int, const char*> optionen[3] = {{4, "Vorgabe Breite"}, {3, "Vorgabe Höhe"}, {2, "A4-Format voll"}};
    int zeile = 0;
    for (const auto& [index, caption] : optionen) {
        optSM[u(index)] = new QRadioButton(QString::fromUtf8(caption), frPrintScaling);
        optSM[u(index)]->setObjectName(QString("optSM_%1").arg(index));
        gs->addWidget(optSM[u(index)], zeile++, 0, 1, 3);
        connect(optSM[u(index)], &QRadioButton::clicked, this, [this, i = index] { optSM_Click(i); });
    }
    txtWidth_in_cm = new NumberField(frPrintScaling);
    txtWidth_in_cm->setObjectName("txtWidth_in_cm");
    txtHeight_in_cm = new NumberField(frPrintScaling);
    txtHeight_in_cm->setObjectName("txtHeight_in_cm");
    Label8 = text("Breite =", frPrintScaling);
    Label9 = text("Höhe  =", frPrintScaling);
    cmZeile(gs, 3, Label8, txtWidth_in_cm, frPrintScaling);
    cmZeile(gs, 4, Label9, txtHeight_in_cm, frPrintScaling);
    // The boxes as the print box reads them (druckRahmen).
    static_cast<NumberField*>(txtLeft_in_cm)->setZahlfeld(druckFeld(DruckFeld::Links));
    static_cast<NumberField*>(txtTop_in_cm)->setZahlfeld(druckFeld(DruckFeld::Oben));
    static_cast<NumberField*>(txtWidth_in_cm)->setZahlfeld(druckFeld(DruckFeld::Breite));
    static_cast<NumberField*>(txtHeight_in_cm)->setZahlfeld(druckFeld(DruckFeld::Hoehe));
    outer->addWidget(frPrintScaling, 1, 1, 2, 1);

    auto* knoepfe = new QHBoxLayout();
    knoepfe->addStretch(1);
    cmdPrint = new QPushButton("Ausführen", fraPrintIt);
    cmdPrint->setObjectName("cmdPrint");
    cmdPrint_Esc = new QPushButton("Abbrechen", fraPrintIt);
    cmdPrint_Esc->setObjectName("cmdPrint_Esc");
    knoepfe->addWidget(cmdPrint);
    knoepfe->addWidget(cmdPrint_Esc);
    outer->addLayout(knoepfe, 2, 0, Qt::AlignBottom);

    connect(cmbGraphFormat, &QComboBox::activated, this, [this] { cmbGraphFormat_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdPrint_Esc, &QPushButton::clicked, this, [this] { cmdPrint_Esc_Click(); });
    // Enter performs the output (Esc cancels through the window's cancel button).
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* s = new QShortcut(QKeySequence(key), fraPrintIt);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, [this] { cmdPrint_Click(); });
    }
    fraPrintIt->adjustSize();

    for (int i = kAusgabeClipboard; i <= kAusgabeDrucker; ++i)
        menus_->setHandler(QString("mnuBild(%1)").arg(i), [this, i] { mnuBild_Click(i); });
    menus_->setHandler("mnuSaveOC2", [this] { mnuSaveOC2_Click(); });
    menus_->setHandler("mnuLoadOC2", [this] { mnuLoadOC2_Click(); });
}

// The panel's start values: margins 3.5 cm left and 3 cm top, 15 cm wide,
// 10 cm high, scaling by the given width.
void frmGraph2D::printPanelDefaults() {
    txtTop_in_cm->setText(" 3");
    txtLeft_in_cm->setText(" 3.5");
    txtHeight_in_cm->setText(" 10");
    txtWidth_in_cm->setText(" 15");
    optSM[4]->setChecked(true);
    optSM_Click(4);
}

void frmGraph2D::mnuBild_Click(int index) {
    if (Chart2D1->plotBackColour() == kSchwarz &&
        MsgBox(schwarzesBlattFrage(), MsgButtons::OKCancel, MsgIcon::Exclamation, "WARNUNG") == MsgAnswer::Cancel)
        return;
    cmbGraphFormat->clear();
    iAusgabeArt = static_cast<Integer>(index);
    const bool drucker = index == kAusgabeDrucker;
    frPrintScaling->setVisible(drucker);
    frPrintPos->setVisible(drucker);
    frGraphFormat->setVisible(!drucker);
    if (drucker) {
        fraPrintIt->setTitle("Drucken");
        iBildFormat = 1;
    } else if (index == kAusgabeClipboard) {
        for (const FormatEintrag& e : kClipboardFormate) cmbGraphFormat->addItem(QString::fromUtf8(e.text));
        cmbGraphFormat->setCurrentIndex(kClipboardVorwahl);
        cmbGraphFormat_Click();
        fraPrintIt->setTitle("zur Zwischenablage");
    } else {
        fraPrintIt->setTitle("Bildfile schreiben");
        for (const FormatEintrag& e : kBildDateiFormate) cmbGraphFormat->addItem(QString::fromUtf8(e.text));
        cmbGraphFormat->setCurrentIndex(kBildDateiVorwahl);
        cmbGraphFormat_Click();
    }
    // Laid out anew for the entries just filled in (the panel is hidden, so
    // the pending layout requests have not run yet).
    breitFuerEintraege(cmbGraphFormat);
    fraPrintIt->adjustSize();
    // The panel keeps to the chart's top left corner, below the menu bar and the buttons.
    fraPrintIt->move(0, chartTop());
    showPanel(fraPrintIt, cmdPrint_Esc);
    // Shown, the panel's layout knows the new entries: it takes its size for them.
    fraPrintIt->adjustSize();
    panelEinpassen(fraPrintIt);
    cmdPrint->setFocus();
}

void frmGraph2D::cmbGraphFormat_Click() {
    const int i = cmbGraphFormat->currentIndex();
    if (iAusgabeArt == kAusgabeClipboard) {
        if (i >= 0 && u(i) < kClipboardFormate.size()) iBildFormat = static_cast<Integer>(kClipboardFormate[u(i)].code);
    } else {
        setzeBildFormat(i);
    }
}

void frmGraph2D::setzeBildFormat(int listIndex) {
    if (listIndex >= 0 && u(listIndex) < kBildDateiFormate.size())
        iBildFormat = static_cast<Integer>(kBildDateiFormate[u(listIndex)].code);
}

void frmGraph2D::optSM_Click(int index) {
    const bool breite = index == 4, hoehe = index == 3;
    if (!breite && !hoehe && index != 2) return;
    iScalingMethode = static_cast<Integer>(breite ? kVorgabeBreite : hoehe ? kVorgabeHoehe : kBlattVoll);
    for (QWidget* w : {static_cast<QWidget*>(txtWidth_in_cm), static_cast<QWidget*>(Label8)}) w->setEnabled(breite);
    for (QWidget* w : {static_cast<QWidget*>(txtHeight_in_cm), static_cast<QWidget*>(Label9)}) w->setEnabled(hoehe);
}

void frmGraph2D::cmdPrint_Click() {
    if (!fraPrintIt->isVisible()) return;
    // In every case the panel is hidden at the end; a new output starts again from the menu.
    fraPrintIt->hide();
    const std::string crlf = app.CrLf;
    switch (iAusgabeArt) {
        case kAusgabeClipboard:
            if (!Chart2D1->copyToClipboard(iBildFormat))
                showFailure("cmdPrint_Click", "Das Diagramm kann nicht in die Zwischenablage kopiert werden.");
            return;
        case kAusgabeDatei: {
            const FormatEintrag* f = bildDateiFormat(iBildFormat);
            if (!f) return;
            SaveBoxRequest r;
            r.title = "Speichere Bild-File";
            r.initialDir = app.AppPath;
            r.defaultExt = f->endung;
            r.filter = f->filter;
            std::string chosen;
            auto& box = hooks().fileDialogs.askSaveFileName;
            if (!box || !box(r, chosen) || chosen.empty()) return;  // cancelled: nothing written
            QString why;
            if (!Chart2D1->savePicture(toQ(chosen), bildFormat(iBildFormat), &why))
                showFailure("cmdPrint_Click",
                            "Das Bild kann nicht gespeichert werden." + crlf + "Datei: " + chosen + crlf + toStd(why));
            return;
        }
        case kAusgabeDrucker: {
            std::unique_ptr<QPrinter> printer = choosePrinter(this);
            if (!printer) return;  // print dialog cancelled
            if (!printer->isValid()) {
                showFailure("cmdPrint_Click", "Es ist kein Drucker verfügbar.");
                return;
            }
            DruckRahmen box;
            const std::string fehler =
                druckRahmen(toStd(txtLeft_in_cm->text()), toStd(txtTop_in_cm->text()), toStd(txtWidth_in_cm->text()),
                            toStd(txtHeight_in_cm->text()), iScalingMethode, kTwipsProZoll / printer->logicalDpiX(),
                            kTwipsProZoll / printer->logicalDpiY(), box);
            if (!fehler.empty()) {
                MsgBox(fehler, MsgButtons::OK, MsgIcon::Critical, kNichtMoeglich);
                return;
            }
            // The printer's own margin is 0.5 cm, the part the box leaves out.
            printer->setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
            if (!Chart2D1->print(*printer, iScalingMethode, static_cast<int>(box.left), static_cast<int>(box.top),
                                 static_cast<int>(box.width), static_cast<int>(box.height)))
                showFailure("cmdPrint_Click", "Das Diagramm kann nicht gedruckt werden." + crlf +
                                                  "Prüfen Sie den Drucker bzw. die Druckdatei.");
            return;
        }
        default: return;
    }
}

}  // namespace vrn
