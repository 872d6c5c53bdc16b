// The curve-resolution panel fraResolution ("Kurven-Auflösung"): a slider
// for the number of computed points per curve (50..400) with the number
// shown below it, and "Schließen".
#pragma once

#include "chart/ToolFrame.h"

class QLabel;
class QPushButton;
class QSlider;

namespace vrn {

class ResolutionPanel : public ToolFrame {
    Q_OBJECT
public:
    explicit ResolutionPanel(QWidget* parent);

    // Sets the slider's range and steps and hands it the value (clamped to
    // the range) without running its change handler.
    void einrichten(int wert);

    QSlider* Slider1_PunktDichte = nullptr;
    QLabel* Label54 = nullptr;
    QPushButton* cmdResolClose = nullptr;

    static constexpr int kMin = 50;
    static constexpr int kMax = 400;

signals:
    void wertGeaendert();
    void schliessenGeklickt();
};

}  // namespace vrn
