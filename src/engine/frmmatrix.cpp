#include "engine/frmmatrix.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Paths.h"
#include "platform/Twips.h"
#include "shell/AppState.h"
#include "base/NumberText.h"

namespace vrn {

frmmatrix::frmmatrix() : VrnForm(Kind::MdiChild) {
    setCaption("  Stöchiometrische Matrix");
    auto* outer = new QVBoxLayout(this);
    Label10 = new QLabel(this);
    QFont bold = Label10->font();
    bold.setBold(true);
    Label10->setFont(bold);
    outer->addWidget(Label10);

    auto* FrameMatrix = new QGroupBox(this);
    auto* g = new QGridLayout(FrameMatrix);
    g->addWidget(new QLabel("Stoff", FrameMatrix), 1, 0);
    auto* head = new QLabel("Reaktion", FrameMatrix);
    head->setAlignment(Qt::AlignCenter);
    g->addWidget(head, 0, 1);
    auto* cols = new QLabel("(1)               (2)               (3)", FrameMatrix);
    g->addWidget(cols, 1, 1);
    QFont mono("Courier New", 10);
    cols->setFont(mono);
    for (int i = 0; i < 5; ++i) {
        speciesLabels[static_cast<std::size_t>(i)] = new QLabel(FrameMatrix);
        rowLabels[static_cast<std::size_t>(i)] = new QLabel(FrameMatrix);
        rowLabels[static_cast<std::size_t>(i)]->setFont(mono);
        g->addWidget(speciesLabels[static_cast<std::size_t>(i)], i + 2, 0);
        g->addWidget(rowLabels[static_cast<std::size_t>(i)], i + 2, 1);
    }
    outer->addWidget(FrameMatrix);
    Close = new QPushButton("Schließen <Esc>", this);
    outer->addWidget(Close, 0, Qt::AlignRight);
    connect(Close, &QPushButton::clicked, this, [this] { Unload(); });
    setCancelButton(Close);
}

QString frmmatrix::rowText(int species) {
    const auto& row = app.nu[static_cast<std::size_t>(species)];
    const std::string gap(16, ' ');
    return toQ(Str(row[1]) + gap + Str(row[2]) + gap + Str(row[3]));
}

void frmmatrix::Form_Load() {
    resizeTwips(3720, 4260);
    moveTwips(0, 600);
    zeigeModell();
}

void frmmatrix::zeigeModell() {
    QString name = toQ(app.ModellName[static_cast<std::size_t>(app.iModell < 0 || app.iModell > 20 ? 0 : app.iModell)]);
    if (app.iModell == 20) name += " (n = " + toQ(Format(app.nOrdnung, "0.00")) + ")";
    Label10->setText(name);
    static const char* const plain[] = {"A", "B", "C", "P", "Q"};
    static const char* const enzyme[] = {"E", "S", "ES", "P", "Q"};
    for (int i = 0; i < 5; ++i) {
        speciesLabels[static_cast<std::size_t>(i)]->setText(app.iModell == 10 ? enzyme[i] : plain[i]);
        rowLabels[static_cast<std::size_t>(i)]->setText(rowText(i + 1));
    }
}


}  // namespace vrn
