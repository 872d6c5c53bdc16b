#include "engine/frmSimTabelle.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <fstream>

#include "engine/ValueTable.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "platform/PrinterOutput.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/Hooks.h"
#include "shell/TextFile.h"

namespace vrn {

QString frmSimTabelle::TabDateiName;

frmSimTabelle::frmSimTabelle() : VrnForm(Kind::Tool) {
    setCaption("  Ergebnis der Modellrechnung");
    auto* outer = new QVBoxLayout(this);
    txtSimTabelle = new QPlainTextEdit(this);
    txtSimTabelle->setFont(QFont("Courier New", 10));
    txtSimTabelle->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtSimTabelle->setToolTip(" Rechte Maustaste: Kopieren in Zwischenablage möglich ");
    txtSimTabelle->setTabStopDistance(QFontMetricsF(txtSimTabelle->font()).horizontalAdvance(' ') * 2);
    outer->addWidget(txtSimTabelle, 1);
    Label1 = new QLabel("Tabelle kann editiert werden; Werte können in Excel-Tabelle kopiert werden", this);
    outer->addWidget(Label1);
    auto* buttons = new QHBoxLayout;
    cmdClipboard = new QPushButton("Copy to Clipboard", this);
    cmdClipboard->setToolTip("... gesamte Tabelle; ansonsten markieren, kopieren");
    cmdPrint = new QPushButton("Tabelle drucken", this);
    cmdSaveTable = new QPushButton("File schreiben", this);
    cmdSaveTable->setToolTip(" .TXT-File mit Trennzeichen Tab ");
    cmdCloseSimTab = new QPushButton("Schließen <Esc>", this);
    for (QPushButton* b : {cmdClipboard, cmdPrint, cmdSaveTable, cmdCloseSimTab}) buttons->addWidget(b);
    outer->addLayout(buttons);

    connect(txtSimTabelle, &QPlainTextEdit::textChanged, this, [this] { tableText = txtSimTabelle->toPlainText(); });
    connect(cmdClipboard, &QPushButton::clicked, this, [this] { cmdClipboard_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdSaveTable, &QPushButton::clicked, this, [this] { cmdSaveTable_Click(); });
    connect(cmdCloseSimTab, &QPushButton::clicked, this, [this] { cmdCloseSimTab_Click(); });
    setCancelButton(cmdCloseSimTab);
}

void frmSimTabelle::Form_Load() {
    mmTable = app.bMMdiagramm;
    resize(760, 560);
    moveTwips(400, 120);
    Form_Resize();
}

void frmSimTabelle::resizeEvent(QResizeEvent* e) {
    VrnForm::resizeEvent(e);
    Form_Resize();
}

void frmSimTabelle::Form_Resize() {
    // The layout places the controls; the table text is rebuilt from the results.
    const bool saved = app.bMMdiagramm;
    app.bMMdiagramm = mmTable;
    const QString text = toQ(buildValueTable());
    app.bMMdiagramm = saved;
    {
        const QSignalBlocker still(txtSimTabelle);
        txtSimTabelle->setPlainText(QString(text).replace("\r\n", "\n"));
    }
    tableText = text;
}

void frmSimTabelle::cmdClipboard_Click() {
    QApplication::clipboard()->clear();
    QString t = txtSimTabelle->toPlainText();
    t.replace("\n", "\r\n");
    QApplication::clipboard()->setText(t);
}

void frmSimTabelle::cmdPrint_Click() {
    QString t = txtSimTabelle->toPlainText();
    printText(t + "\n", QFont("Courier New", 10), this);
}

std::string writeValueTableFile(const std::string& path, const std::string& text) {
    std::string error;
    try {
        if (saveFileSafely(path, encodeText("\"" + text + "\"\r\n"), error)) return {};
    } catch (const std::exception& e) {
        error = exceptionText(e);
    }
    return error;
}

void frmSimTabelle::cmdSaveTable_Click() {
    SaveBoxRequest r;
    r.title = "Tabelle speichern unter ...";
    r.initialDir = app.AppPath;
    r.fileName = toStd(TabDateiName);
    r.filter = "Text (*.TXT *.txt)";
    r.defaultExt = "TXT";
    std::string chosen;
    if (!hooks().fileDialogs.askSaveFileName || !hooks().fileDialogs.askSaveFileName(r, chosen)) return;  // cancelled
    const QString file = toQ(chosen);
    TabDateiName = QFileInfo(file).fileName();
    app.TabDateiPfad = toStd(QFileInfo(file).absolutePath());
    QString t = txtSimTabelle->toPlainText();
    t.replace("\n", "\r\n");
    const std::string failure = writeValueTableFile(toStd(file), toStd(t));
    if (!failure.empty()) showFailure("cmdSaveTable_Click", failure);
}

void frmSimTabelle::cmdCloseSimTab_Click() { Unload(); }


}  // namespace vrn
