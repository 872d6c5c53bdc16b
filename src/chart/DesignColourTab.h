// The tab "Flächenfarben" of the design panel: one colour button per area
// (sheet "Außenrand", chart area "Innenrand", plot area "Zeichenfläche")
// and the three presets; and the grid colour button that stands on the tab
// "Gitter". A cancelled colour box changes nothing.
#pragma once

#include <QObject>

#include "base/Types.h"
#include "chart/DesignRules.h"

class QPushButton;
class QWidget;

namespace vrn {

class ChartControl;

class ColourTab : public QObject {
    Q_OBJECT
public:
    // gitterStil: the window's grid line pattern, used by the white preset.
    ColourTab(ChartControl& chart, const Byte& gitterStil, QWidget* parent);

    void cmdRandCol_out_Click();
    void cmdRandCol_in_Click();
    void cmdColor_in_Click();
    void cmdGitterFarbe_Click();
    void cmdRandColGrau_Click() { vorgabe(kGesamtrandGrau); }
    void cmdFullWhite_Click() { vorgabe(kGesamtblattWeiss); }
    void cmdFullBlack_Click() { vorgabe(kGesamtblattSchwarz); }

    QWidget* seite = nullptr;
    QPushButton* cmdRandCol_out = nullptr;
    QPushButton* cmdRandCol_in = nullptr;
    QPushButton* cmdColor_in = nullptr;
    QPushButton* cmdRandColGrau = nullptr;
    QPushButton* cmdFullWhite = nullptr;
    QPushButton* cmdFullBlack = nullptr;
    QPushButton* cmdGitterFarbe = nullptr;  // placed on the tab "Gitter"

private:
    // Applies a preset inside one batched update and repaints the buttons from the chart.
    void vorgabe(const FarbVorgabe& v);
    void knoepfeAusChart();
    ChartControl& chart_;
    const Byte& gitterStil_;
};

}  // namespace vrn
