// The point-set panel fraPunkte ("Messpunkt-Gestaltung"): one tab per
// measured point set 1..7 with symbol, colour, size, legend text, legend
// switch and "Punktsatz löschen", and "Schließen" below.
//
// Symbol, colour, size and legend text go to the chart at once; the legend
// switch and deleting are signalled to the window.
#pragma once

#include <array>

#include "chart/ToolFrame.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace vrn {

class ChartControl;
class UpDown;

class PointPanel : public ToolFrame {
    Q_OBJECT
public:
    PointPanel(ChartControl& chart, QWidget* parent);

    // Symbol of point set k from its list; the line is not touched.
    void cmbPunktStil_Click(int k);
    // Colour box; a chosen colour goes to the button and the symbols of set k;
    // a cancelled box changes nothing.
    void cmdPunktFarbe_Click(int k);
    // Symbol size of set k := the number shown beside the spin control.
    void UpDown1_PointSize_Change(int k);
    // Legend text of set k, kept only when the set has points.
    void txtLegendPoints_Change(int k);

    QTabWidget* tabPunkte = nullptr;
    std::array<QComboBox*, 8> cmbPunktStil{};
    std::array<QPushButton*, 8> cmdPunktFarbe{};
    std::array<UpDown*, 8> UpDown1_PointSize{};
    std::array<QLabel*, 8> Label56{};
    std::array<QLineEdit*, 8> txtLegendPoints{};
    std::array<QCheckBox*, 8> chkLegend2{};
    std::array<QPushButton*, 8> cmdDelPoints{};
    QPushButton* cmdPunkte_OK = nullptr;

signals:
    void legendeGeklickt(bool sichtbar);
    void loeschenGeklickt(int k);
    void schliessenGeklickt();

private:
    ChartControl& chart_;
};

}  // namespace vrn
