// The axis tabs of the design panel: "Skalierung" (grid, tick and number
// spacing, automatic or typed), "Achs.-Ursprung" (where the axes cross),
// "Achs.-Ziffern" (where the numbers stand) and "log <=> lin" (one toggle
// per axis). Every choice reaches the chart at once.
#pragma once

#include <QObject>

#include <array>

#include "platform/ChartModel.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vrn {

class ChartControl;
class NumberField;

class AxisTabs : public QObject {
    Q_OBJECT
public:
    AxisTabs(ChartControl& chart, QWidget* parent);

    // Index 1 "manuell": enables the six boxes, fixes grid and tick spacing of
    // both axes and applies the grid boxes; index 0 "automat.": disables the
    // boxes, lets the chart choose all six spacings and writes them into the
    // boxes. The option buttons are not changed; another index does nothing.
    void optScaling_Click(int index);
    // A spacing box changed: "," becomes "."; a spacing the box takes
    // (leseAbstand: a Single above 0 that gives at most 1,000 steps) goes to
    // the chart (fixed while the boxes are enabled); a text it refuses leaves
    // the spacing drawn with. A tick box re-sends the number box.
    void abstand_Change(ChartAxis a, ChartSpacing kind);
    // An enabled spacing box left (Enter, another field) with a text it
    // refuses: its line in a message ("EINGABE-FEHLER"), and the box shows
    // the spacing drawn with again.
    void abstandVerlassen(ChartAxis a, ChartSpacing kind);
    // 1 "manuell": shows the per-axis options and selects both minima;
    // 0: hides them, both origins at the minimum, the boxes get the request's minima.
    void optStandardOrigin_Click(int index);
    void optXOrigin_Click(int index);
    void optYOrigin_Click(int index);
    void optXZiffern_Click(int index);
    void optYZiffern_Click(int index);
    // Toggles "X" (or "Y" with "Y2") between linear and logarithmic; becoming
    // logarithmic is refused with a message while a bound is <= 0. Spacing ends automatic.
    void cmdXLog_Click();
    void cmdYLog_Click();

    // The spacing box of an axis and kind.
    NumberField* box(ChartAxis a, ChartSpacing kind) const;

    QWidget* seiteSkalierung = nullptr;
    QWidget* seiteUrsprung = nullptr;
    QWidget* seiteZiffern = nullptr;
    QWidget* seiteLog = nullptr;

    std::array<QRadioButton*, 2> optScaling{};
    NumberField* txtXGridValue = nullptr;
    NumberField* txtYGridValue = nullptr;
    NumberField* txtXTickValue = nullptr;
    NumberField* txtYTickValue = nullptr;
    NumberField* txtXZiffValue = nullptr;
    NumberField* txtYZiffValue = nullptr;
    std::array<QRadioButton*, 2> optStandardOrigin{};
    QGroupBox* fraOrigin = nullptr;
    QGroupBox* fraXOrigin = nullptr;
    QGroupBox* fraYOrigin = nullptr;
    std::array<QRadioButton*, 4> optXOrigin{};
    std::array<QRadioButton*, 4> optYOrigin{};
    NumberField* txtXOrigin = nullptr;
    NumberField* txtYOrigin = nullptr;
    std::array<QRadioButton*, 3> optXZiffern{};
    std::array<QRadioButton*, 3> optYZiffern{};
    QPushButton* cmdXLog = nullptr;
    QPushButton* cmdYLog = nullptr;

private:
    struct AbstandsEingabe abstandLesen(ChartAxis a, ChartSpacing kind) const;
    void ursprung(ChartAxis a, int index);
    // The typed crossing value of "bei X =" / "bei Y =" in force when the box takes it.
    void ursprungWert(ChartAxis a);
    // The crossing box left with a text it refuses while its option is
    // chosen: named, and the box shows the value in force again.
    void ursprungVerlassen(ChartAxis a);
    bool logUmschalten(ChartAxis a);
    ChartControl& chart_;
    // The spacings (x, y by kind) and crossing values (x, y) in force when
    // their box took the focus: what a refused text gives way to.
    std::array<std::array<double, 3>, 2> abstandBeimFokus_{};
    std::array<double, 2> ursprungBeimFokus_{};
};

}  // namespace vrn
