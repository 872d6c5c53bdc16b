// The design panel fraTabs ("Diagramm-Einstellungen"): the tab control
// tabDesign with its eleven tabs in their order ("Gitter", "Rahmen",
// "Flächenfarben", "Ränder", "Legende", "Zeichenfläche", "Skalierung",
// "Achs.-Ursprung", "Achs.-Ziffern", "Kurven-Etikett", "log <=> lin") and
// "Schließen". The tabs' controls and handlers live in the four tab groups.
// The eleven captions stand in two rows above the pages, so that all of them
// can be read at once; tabDesign itself chooses the page.
#pragma once

#include "base/Types.h"
#include "chart/ToolFrame.h"

#include <array>

class QPushButton;
class QTabBar;
class QTabWidget;
class QVBoxLayout;

namespace vrn {

class AxisTabs;
class ChartControl;
class ColourTab;
class LayoutTabs;
class LegendLabelTabs;

class DesignPanel : public ToolFrame {
    Q_OBJECT
public:
    // The window's grid state and legend background, shared with the tabs.
    DesignPanel(ChartControl& chart, Byte& gitterStil, Byte& gitterArt, Colour& legBColor, QWidget* parent);

    // Puts the scroll bars of the tabs on the chart's current values.
    void balkenAusChart();

    QTabWidget* tabDesign = nullptr;
    QPushButton* cmdTabs_OK = nullptr;
    ColourTab* farben = nullptr;
    LayoutTabs* layout = nullptr;
    LegendLabelTabs* legende = nullptr;
    AxisTabs* achsen = nullptr;

    // The rows of captions: tabs 0..5 and 6..10.
    std::array<QTabBar*, 2> reihen{};
    static constexpr int kErsteReihe = 6;

signals:
    void schliessenGeklickt();

private:
    void reihenAbgleichen(int index);
    QVBoxLayout* reihenLayout_ = nullptr;
};

}  // namespace vrn
