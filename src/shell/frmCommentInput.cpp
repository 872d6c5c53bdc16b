#include "shell/frmCommentInput.h"

#include <QHBoxLayout>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"

namespace vrn {

frmCommentInput::frmCommentInput() : VrnForm(Kind::Tool) {
    setObjectName("frmCommentInput");
    setCaption(" Datei-Kommentar für Projekt (optional)");
    lblTex = new QLabel(" Eingabe Kommentartext", this);
    txtDatComm = new QLineEdit(this);
    txtDatComm->setObjectName("txtDatComm");
    lblTex->setBuddy(txtDatComm);
    lblTex2 = new QLabel("<Abbrechen> = kein Kommentar", this);
    lblTex2->setTextFormat(Qt::PlainText);
    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdAbort = new QPushButton("Abbrechen", this);
    cmdAbort->setObjectName("cmdAbort");
    cmdOK->setAutoDefault(false);
    cmdAbort->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(lblTex);
    layout->addWidget(txtDatComm);
    auto* row = new QHBoxLayout;
    row->addWidget(lblTex2, 1);
    row->addWidget(cmdOK);
    row->addWidget(cmdAbort);
    layout->addLayout(row);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbort, &QPushButton::clicked, this, [this] { cmdAbort_Click(); });
    setCancelButton(cmdAbort);
    // Enter in the (single-line) text box presses OK.
    setDefaultButton(cmdOK);
}

void frmCommentInput::Form_Load() {
    txtDatComm->setText(toQ(app.ProjKommentar));
    // All of it selected, from its end back to its beginning, which a long comment shows.
    txtDatComm->setSelection(static_cast<int>(txtDatComm->text().size()), -static_cast<int>(txtDatComm->text().size()));
    resize(std::max(twipsToPixelsX(7200), sizeHint().width()), sizeHint().height());
    if (QWidget* main = Forms::mainWindow()) move(main->geometry().center() - rect().center());
}

void frmCommentInput::cmdOK_Click() {
    app.ProjKommentar = toStd(txtDatComm->text());
    Unload();
}

void frmCommentInput::cmdAbort_Click() {
    app.ProjKommentar.clear();
    Unload();
}

}  // namespace vrn
