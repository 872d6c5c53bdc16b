#include "chart/ResolutionPanel.h"

#include <QGroupBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "chart/PanelWidgets.h"

namespace vrn {

ResolutionPanel::ResolutionPanel(QWidget* parent) : ToolFrame("Kurven-Auflösung", true, parent) {
    setObjectName("fraResolution");
    auto* gr = new QGridLayout(this);
    Slider1_PunktDichte = new QSlider(Qt::Horizontal, this);
    Slider1_PunktDichte->setObjectName("Slider1_PunktDichte");
    Slider1_PunktDichte->setMinimumWidth(200);
    Label54 = beschriftung("300", this);
    Label54->setObjectName("Label54");
    cmdResolClose = new QPushButton("Schließen", this);
    cmdResolClose->setObjectName("cmdResolClose");
    cmdResolClose->setAutoDefault(false);
    gr->addWidget(beschriftung("berechnete Punkte pro Kurve ", this), 0, 0, 1, 3);
    gr->addWidget(beschriftung(QString::number(kMin), this), 1, 0);
    gr->addWidget(Slider1_PunktDichte, 1, 1);
    gr->addWidget(beschriftung(QString::number(kMax), this), 1, 2);
    gr->addWidget(Label54, 2, 1, Qt::AlignHCenter);
    gr->addWidget(cmdResolClose, 3, 2);
    connect(Slider1_PunktDichte, &QSlider::valueChanged, this, [this] { emit wertGeaendert(); });
    connect(cmdResolClose, &QPushButton::clicked, this, [this] { emit schliessenGeklickt(); });
    einrichten(300);
    adjustSize();
}

void ResolutionPanel::einrichten(int wert) {
    const QSignalBlocker still(Slider1_PunktDichte);
    Slider1_PunktDichte->setRange(kMin, kMax);
    Slider1_PunktDichte->setSingleStep(10);
    Slider1_PunktDichte->setPageStep(50);
    Slider1_PunktDichte->setTickInterval(50);
    Slider1_PunktDichte->setTickPosition(QSlider::TicksBelow);
    Slider1_PunktDichte->setValue(wert);
}

}  // namespace vrn
