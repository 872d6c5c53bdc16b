// Hooks through which the chart computation reaches the chart window.
// The GUI installs them; without them the chart request only leaves its
// results in the shared state (tDiagramm, gnKurvenOffen, gPunktTabs).
#pragma once

#include <functional>

#include "shell/state/PointSetTabs.h"

namespace vrn {

struct ChartHooks {
    // Creates the chart window when it does not exist and shows it
    // (modeless); the first showing runs its load handler, which draws the
    // pending curves and the measured points. Returns false when the window
    // could not be created.
    std::function<bool()> zeigeDiagrammFenster;
    // Applies the point-set tab configuration of a request to the window.
    std::function<void(const PunktTabs&)> punktTabsAnwenden;
    // True while the chart window is loaded.
    std::function<bool()> fensterGeladen;
    // Unloads the chart window when it is loaded.
    std::function<void()> fensterEntladen;
    // Presses the chart window's draw button (draws the pending curves).
    std::function<void()> zeichnen;
};

// Convenience calls that do nothing without the window's hooks.
bool chartWindowLoaded();
void unloadChartWindow();
void pressChartDraw();

ChartHooks& chartHooks();

}  // namespace vrn
