// The tabs "Legende" and "Kurven-Etikett" of the design panel: the legend's
// visibility, background (or transparent), text colour, font, frame,
// orientation and position; and the look of all 24 curve labels at once
// (hidden, framed, text and background colour, font).
#pragma once

#include <QObject>

#include <array>

#include "base/Types.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace vrn {

class ChartControl;

class LegendLabelTabs : public QObject {
    Q_OBJECT
public:
    // legBColor: the window's legend background for when "transparent" is switched off.
    LegendLabelTabs(ChartControl& chart, Colour& legBColor, QWidget* parent);

    void chkLegTransparent_Click();
    void cmdLegBColor_Click();
    void cmdLegFColor_Click();
    void cmdLegFont_Click();
    void chkLegFrame_Click();
    void optLegOrient_Click(int index);
    void scrLegH_Change();
    void scrlegV_Change();
    // Hides (checked) or shows all 24 labels; the window unchecks the per-curve boxes.
    void chkLabelNotVisible_Click();
    void chkLabelFrame_Click();
    void cmdLabelFColor_Click();
    void cmdLabelBColor_Click();
    void cmdFontLabel_Click();
    // Puts the legend bars on the chart's current legend position (no handler runs).
    void balkenAusChart();

    QWidget* seiteLegende = nullptr;
    QWidget* seiteEtikett = nullptr;

    QCheckBox* chkLegend = nullptr;
    QCheckBox* chkLegTransparent = nullptr;
    QPushButton* cmdLegBColor = nullptr;
    QPushButton* cmdLegFColor = nullptr;
    QPushButton* cmdLegFont = nullptr;
    QCheckBox* chkLegFrame = nullptr;
    std::array<QRadioButton*, 2> optLegOrient{};
    QScrollBar* scrLegH = nullptr;
    QScrollBar* scrlegV = nullptr;
    QCheckBox* chkLabelNotVisible = nullptr;
    QCheckBox* chkLabelFrame = nullptr;
    QPushButton* cmdLabelFColor = nullptr;
    QPushButton* cmdLabelBColor = nullptr;
    QPushButton* cmdFontLabel = nullptr;

signals:
    void legendeGeklickt(bool sichtbar);
    void etikettsUnsichtbar(bool unsichtbar);

private:
    ChartControl& chart_;
    Colour& legBColor_;
};

}  // namespace vrn
