#include "shell/WindowHooks.h"

namespace vrn {

WindowHooks& windowHooks() {
    static WindowHooks hooks;
    return hooks;
}

void enableMenuItem(const QString& name, bool enabled) {
    if (windowHooks().menuePunktFreigeben) windowHooks().menuePunktFreigeben(name, enabled);
}

void showPopupMenu(const QString& name, const QPoint& globalPos) {
    if (windowHooks().popupZeigen) windowHooks().popupZeigen(name, globalPos);
}

bool dataEditorLoaded() { return static_cast<bool>(windowHooks().datenGridNeuFuellen); }

void refillDataEditorGrid() {
    if (windowHooks().datenGridNeuFuellen) windowHooks().datenGridNeuFuellen();
}

}  // namespace vrn
