#include "chart/CoordPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "base/NumberText.h"
#include "chart/DesignRules.h"
#include "chart/PanelWidgets.h"
#include "platform/NumberField.h"
#include "platform/Paths.h"

namespace vrn {

CoordPanel::CoordPanel(QWidget* parent) : ToolFrame(" Diagramm-Koordinaten ", true, parent) {
    setObjectName("fraCoordInput");
    auto* gc = new QGridLayout(this);
    gc->setHorizontalSpacing(10);
    const char* namen[5] = {"", "x(min)", "x(max)", "y(min)", "y(max)"};
    for (int i = 1; i <= 4; ++i) {
        auto* f = new NumberField(this);
        f->setObjectName(QString("coord_%1").arg(i));
        f->setZahlfeld(koordFeld(i));
        f->setFixedWidth(100);
        coord[static_cast<std::size_t>(i)] = f;
        gc->addWidget(beschriftung(namen[i], this), (i - 1) / 2 * 2, (i - 1) % 2);
        gc->addWidget(f, (i - 1) / 2 * 2 + 1, (i - 1) % 2);
    }
    // Enter goes on to the next field, from y(max) back to x(min).
    for (int i = 1; i <= 4; ++i) {
        NumberField* next = coord[static_cast<std::size_t>(i % 4 + 1)];
        coord[static_cast<std::size_t>(i)]->onKeyPress = [next](int& key) {
            if (key != 13) return;
            key = 0;
            next->setFocus(Qt::TabFocusReason);
            next->selectAll();
        };
    }
    cmdCoord_OK = new QPushButton("OK", this);
    cmdCoord_OK->setObjectName("cmdCoord_OK");
    cmdCoord_Esc = new QPushButton("Abbrechen", this);
    cmdCoord_Esc->setObjectName("cmdCoord_Esc");
    for (QPushButton* b : {cmdCoord_OK, cmdCoord_Esc}) b->setAutoDefault(false);
    gc->addWidget(cmdCoord_OK, 4, 0);
    gc->addWidget(cmdCoord_Esc, 4, 1);
    connect(cmdCoord_OK, &QPushButton::clicked, this, [this] { emit okGeklickt(); });
    connect(cmdCoord_Esc, &QPushButton::clicked, this, [this] { emit abbrechenGeklickt(); });
    adjustSize();
}

void CoordPanel::zeigeBereich(const Diagramm& d) {
    coord[1]->setText(toQ(Str(d.XMin)));
    coord[2]->setText(toQ(Str(d.XMax)));
    coord[3]->setText(toQ(Str(d.YMin)));
    coord[4]->setText(toQ(Str(d.YMax)));
}

std::array<std::string, 4> CoordPanel::texte() const {
    return {toStd(coord[1]->text()), toStd(coord[2]->text()), toStd(coord[3]->text()), toStd(coord[4]->text())};
}

}  // namespace vrn
