#include "shell/frmOption.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

#include "platform/ColourFont.h"
#include "platform/CommonDialogs.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "shell/AppState.h"

namespace vrn {

frmOption::frmOption() : VrnForm(Kind::Tool) {
    setCaption("   Optionen");
    auto* outer = new QVBoxLayout(this);
    auto* fraSlider = new QGroupBox("Monte-Carlo-Simulation", this);
    auto* grid = new QGridLayout(fraSlider);

    Slider_geschwindigkeit = new QSlider(Qt::Horizontal, fraSlider);
    Slider_geschwindigkeit->setRange(0, 5);
    Slider_geschwindigkeit->setSingleStep(1);
    Slider_geschwindigkeit->setPageStep(1);
    Slider_geschwindigkeit->setTickPosition(QSlider::TicksBelow);
    Slider_geschwindigkeit->setTickInterval(1);
    grid->addWidget(new QLabel("=> Verzögerung", fraSlider), 0, 0, 1, 3);
    grid->addWidget(new QLabel("0", fraSlider), 1, 0);
    grid->addWidget(Slider_geschwindigkeit, 1, 1);
    grid->addWidget(new QLabel("x 10", fraSlider), 1, 2);

    chkSolidPoints = new QCheckBox("Diagramm-Punkte gefüllt", fraSlider);
    grid->addWidget(chkSolidPoints, 2, 0, 1, 3);

    auto* sizeRow = new QHBoxLayout;
    UpDown1_PointSize = new UpDown(fraSlider);
    UpDown1_PointSize->setRange(1, 20);
    Label56 = new QLabel(fraSlider);
    Label56->setMinimumWidth(24);
    Label56->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    UpDown1_PointSize->setBuddy(Label56);
    sizeRow->addWidget(Label56);
    sizeRow->addWidget(UpDown1_PointSize);
    sizeRow->addWidget(new QLabel("Punktgröße im Diagramm", fraSlider));
    sizeRow->addStretch(1);
    grid->addLayout(sizeRow, 3, 0, 1, 3);

    cmdAColor = new QPushButton(fraSlider);
    cmdPColor = new QPushButton(fraSlider);
    for (QPushButton* b : {cmdAColor, cmdPColor}) b->setFixedSize(36, 22);
    auto* colours = new QGridLayout;
    colours->addWidget(cmdAColor, 0, 0);
    colours->addWidget(new QLabel("A-Molekülfarbe", fraSlider), 0, 1);
    colours->addWidget(cmdPColor, 1, 0);
    colours->addWidget(new QLabel("P-Molekülfarbe", fraSlider), 1, 1);
    colours->setColumnStretch(2, 1);
    grid->addLayout(colours, 4, 0, 1, 3);
    outer->addWidget(fraSlider);

    auto* buttons = new QHBoxLayout;
    cmdOK = new QPushButton("OK", this);
    cmdOK->setDefault(true);
    cmdClose = new QPushButton("Abbrechen <Esc>", this);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdClose);
    outer->addLayout(buttons);

    connect(cmdAColor, &QPushButton::clicked, this, [this] { cmdAColor_Click(); });
    connect(cmdPColor, &QPushButton::clicked, this, [this] { cmdPColor_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    setCancelButton(cmdClose);
    setDefaultButton(cmdOK);
}

void frmOption::Form_Load() {
    adjustSize();
    move(twipsToPixelsX(2 * screenWidthTwips() / 3) - width(), twipsToPixelsY(480));
    Slider_geschwindigkeit->setValue(static_cast<int>(std::nearbyint(app.MCSpeed * 12)));
    if (app.PunktGroesse == 0) app.PunktGroesse = 7;
    UpDown1_PointSize->setValue(app.PunktGroesse);
    Label56->setNum(app.PunktGroesse);
    chkSolidPoints->setChecked(app.bSolidPoints);
    pendingA = app.Farbe1;
    pendingP = app.Farbe2;
    showColours();
}

void frmOption::showColours() {
    auto style = [](Colour c) {
        return QString("background-color: %1; border: 1px solid #606060;").arg(toQColor(c).name());
    };
    cmdAColor->setStyleSheet(style(pendingA));
    cmdPColor->setStyleSheet(style(pendingP));
}

void frmOption::cmdAColor_Click() {
    if (auto c = chooseColour(toQColor(pendingA), this)) pendingA = fromQColor(*c);
    showColours();
}

void frmOption::cmdPColor_Click() {
    if (auto c = chooseColour(toQColor(pendingP), this)) pendingP = fromQColor(*c);
    showColours();
}

void frmOption::cmdOK_Click() {
    app.MCSpeed = static_cast<Single>(Slider_geschwindigkeit->value()) / 12.0f;
    app.PunktGroesse = static_cast<Integer>(Label56->text().toInt());
    app.bSolidPoints = chkSolidPoints->isChecked();
    std::vector<MonteCarloOptionsTarget*> targets;
    for (VrnForm* f : Forms::all())
        if (auto* t = dynamic_cast<MonteCarloOptionsTarget*>(f)) targets.push_back(t);
    for (auto* t : targets) t->applyPointStyle(app.PunktGroesse, app.bSolidPoints ? 2 : 10);
    app.Farbe1 = pendingA;
    app.Farbe2 = pendingP;
    Unload();
    for (auto* t : targets) t->pressRefresh();
}

void frmOption::cmdClose_Click() { Unload(); }


}  // namespace vrn
