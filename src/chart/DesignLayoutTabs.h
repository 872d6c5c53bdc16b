// The layout tabs of the design panel: "Gitter" (grid lines and their
// pattern), "Rahmen" (the control's outer frame and its width, the plot
// area's frame), "Ränder" (the plot area's margins, automatic or by scroll
// bar) and "Zeichenfläche" (position and size of the chart area, with the
// far edge kept where it is when the near edge moves).
#pragma once

#include <QObject>

#include <array>

#include "base/Types.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace vrn {

class ChartControl;
class UpDown;

class LayoutTabs : public QObject {
    Q_OBJECT
public:
    // gitterStil and gitterArt are the window's grid state; cmdGitterFarbe is
    // the grid colour button, placed on the tab "Gitter".
    LayoutTabs(ChartControl& chart, Byte& gitterStil, Byte& gitterArt, QPushButton* cmdGitterFarbe, QWidget* parent);

    void opt1Gitter_Click(int index);
    void opt2Gitter_Click(int index);
    void optFrameType_Click(int index);
    void UpDownRBreite_Change();
    void chkDiaFrame_Click();
    void chkAutoRand_Click();
    // Margin bars: 0 left, 1 right, 2 top, 3 bottom.
    void randBalken_Change(int seite);
    void scrHLChartArea_Change();
    void scrVOChartArea_Change();
    void scrVChartArea_Change();
    void scrHChartArea_Change();
    // Puts the margin and chart-area bars on the chart's current values (no handler runs).
    void balkenAusChart();

    QWidget* seiteGitter = nullptr;
    QWidget* seiteRahmen = nullptr;
    QWidget* seiteRaender = nullptr;
    QWidget* seiteFlaeche = nullptr;

    std::array<QRadioButton*, 4> opt1Gitter{};
    std::array<QRadioButton*, 2> opt2Gitter{};
    std::array<QRadioButton*, 4> optFrameType{};
    UpDown* UpDownRBreite = nullptr;
    QLabel* labRBreite = nullptr;
    QCheckBox* chkDiaFrame = nullptr;
    QCheckBox* chkAutoRand = nullptr;
    QGroupBox* frRandBreite = nullptr;
    QScrollBar* scrHL = nullptr;
    QScrollBar* scrHR = nullptr;
    QScrollBar* scrHO = nullptr;
    QScrollBar* scrHU = nullptr;
    std::array<QLabel*, 5> lb{};
    QScrollBar* scrHLChartArea = nullptr;
    QScrollBar* scrVOChartArea = nullptr;
    QScrollBar* scrVChartArea = nullptr;
    QScrollBar* scrHChartArea = nullptr;

private:
    ChartControl& chart_;
    Byte& gitterStil_;
    Byte& gitterArt_;
};

}  // namespace vrn
