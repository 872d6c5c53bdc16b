// The text panel fraSchrift: edits the header (target 1), the additional
// text kept in the footer (2) and the titles of the x (3) and y axis (4).
// The text goes to the chart as it is typed; Ctrl+Enter starts a new line.
// The position bars move the header or footer, "Hintergr.-farbe" colours
// its background, "Schriftart/-farbe" sets font and text colour, "gerahmt"
// frames it; the y orientation options serve the y-axis title only.
#pragma once

#include <array>

#include "base/Types.h"
#include "chart/ToolFrame.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace vrn {

class ChartControl;

class TextPanel : public ToolFrame {
    Q_OBJECT
public:
    TextPanel(ChartControl& chart, QWidget* parent);

    // Prepares the panel for target 1..4: caption, text, bars, enabled
    // controls (the caller shows it). Another target changes nothing.
    void oeffnen(int ziel);
    int ziel() const { return bytTextZiel; }

    // Handlers; each acts on the current target and does nothing for a target it does not serve.
    void schrift_Change();
    void HScroll1_Change();
    void VScroll1_Change();
    // Colour box for the header's or footer's background; a cancelled box changes nothing.
    void cmdSchriftHFarbe_Click();
    // Font box, then colour box; each cancelled box changes nothing of its own part.
    void cmdFont_Click();
    void chkTextFrame_Click();
    void optOrientYAxText_Click(int index);
    void optOrientYAxZiff_Click(int index);

    QPlainTextEdit* schrift = nullptr;
    QGroupBox* fraTextShift = nullptr;
    QScrollBar* HScroll1 = nullptr;  // left
    QScrollBar* VScroll1 = nullptr;  // top
    QLabel* lblLinks = nullptr;      // under the bars: where the block stands
    QLabel* lblOben = nullptr;
    QPushButton* cmdSchriftHFarbe = nullptr;
    QLabel* Label60 = nullptr;
    QPushButton* cmdFont = nullptr;
    QCheckBox* chkTextFrame = nullptr;
    QGroupBox* fraYText = nullptr;
    QGroupBox* fraYZiff = nullptr;
    std::array<QRadioButton*, 2> optOrientYAxText{};
    std::array<QRadioButton*, 2> optOrientYAxZiff{};
    QPushButton* cmdSchriftFertig = nullptr;

signals:
    // After a change of the additional text: whether it is empty now.
    void zusatztextLeer(bool leer);
    void schliessenGeklickt();

private:
    void balkenEinrichten();
    void lageZeigen();
    ChartControl& chart_;
    Byte bytTextZiel = 0;
};

}  // namespace vrn
