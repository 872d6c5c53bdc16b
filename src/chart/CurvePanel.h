// The curve panel fraKurven ("Kurvengestaltung"): one tab per curve place
// 1..24 with line style, colour, line width, legend text and legend switch,
// label text, label switch and label position; below the tabs "Kurve
// löschen", "Kurve in Clipboard", the separator list and "Schließen".
//
// The handlers here change the chart at once (no OK or Cancel); what
// reaches beyond the chart (legend switches, menu items, deleting, copying)
// is signalled to the window.
#pragma once

#include <array>

#include "chart/ToolFrame.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace vrn {

class ChartControl;
class UpDown;

class CurvePanel : public ToolFrame {
    Q_OBJECT
public:
    CurvePanel(ChartControl& chart, QWidget* parent);

    // Line style of curve n from its list (pattern; filled circles for "nur Einzelpunkte").
    void cmbKStil_Click(int n);
    // Colour box; a chosen colour goes to the button, the line and the symbols of
    // curve n; a cancelled box changes nothing.
    void cmdKurvenFarbe_Click(int n);
    // Line width of curve n := the number shown beside the spin control.
    void UpDown1_KBreite_Change(int n);
    // Legend text of curve n, kept only when the curve has points.
    void txtLegendCurves_Change(int n);
    void txtLabel_Change(int n);
    // Label n shown or hidden; a shown label enables "alle Kurvenetiketts" under "Löschen".
    void chkEinzelLabelSichtbar_Click(int n);
    // Label n attached to the point of the bar's value; the bar then runs over the curve's points.
    void scrShiftLab_Change(int n);

    QTabWidget* tabKurven = nullptr;
    std::array<QComboBox*, 25> cmbKStil{};
    std::array<QPushButton*, 25> cmdKurvenFarbe{};
    std::array<UpDown*, 25> UpDown1_KBreite{};
    std::array<QLabel*, 25> Label39{};
    std::array<QLineEdit*, 25> txtLegendCurves{};
    std::array<QCheckBox*, 24> chkLegend1{};  // 0..23
    std::array<QLineEdit*, 25> txtLabel{};
    std::array<QCheckBox*, 25> chkEinzelLabelSichtbar{};
    std::array<QScrollBar*, 25> scrShiftLab{};
    QPushButton* cmdDelKurv = nullptr;
    QPushButton* cmdClipboard = nullptr;
    QComboBox* cmbSep = nullptr;
    QPushButton* cmdKurven_OK = nullptr;

signals:
    void legendeGeklickt(bool sichtbar);
    void menuSchalten(const QString& name, bool an);
    void loeschenGeklickt();
    void clipboardGeklickt();
    void trennzeichenGewaehlt();
    void schliessenGeklickt();

private:
    ChartControl& chart_;
};

}  // namespace vrn
