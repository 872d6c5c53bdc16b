#include "shell/Hooks.h"

namespace vrn {

Hooks& hooks() {
    static Hooks table;
    return table;
}

void enableMenuItem(const std::string& name, bool enabled) {
    if (const auto& h = hooks().mainWindow.enableMenuItem) h(name, enabled);
}

void showPopupMenu(const std::string& name, int x, int y) {
    if (const auto& h = hooks().mainWindow.showPopupMenu) h(name, x, y);
}

bool chartWindowLoaded() {
    const auto& h = hooks().chartWindow.chartWindowLoaded;
    return h && h();
}

void unloadChartWindow() {
    if (const auto& h = hooks().chartWindow.unloadChartWindow) h();
}

void pressChartDraw() {
    if (const auto& h = hooks().chartWindow.pressChartDraw) h();
}

}  // namespace vrn
