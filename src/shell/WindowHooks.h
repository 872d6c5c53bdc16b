// Hooks through which a window reaches the main window or a window of
// another subsystem without including it. The window that answers a hook
// installs it when it is created and removes it when it goes; a call whose
// hook is not installed does nothing.
#pragma once

#include <QPoint>
#include <QString>

#include <functional>

namespace vrn {

struct WindowHooks {
    // ---- the main window ----
    // Enables or disables a menu item by its control name ("mnuctAusw(1)").
    std::function<void(const QString& name, bool enabled)> menuePunktFreigeben;
    // Prepares the popup menu of that name as it is when it opens and shows
    // it at a global screen position.
    std::function<void(const QString& name, const QPoint& globalPos)> popupZeigen;

    // ---- the data-set editor ----
    // Rewrites the editor's grid from ExpDaten after the model window changed
    // the time unit; installed while the editor is loaded.
    std::function<void()> datenGridNeuFuellen;
};

WindowHooks& windowHooks();

// Convenience calls that do nothing without their hook.
void enableMenuItem(const QString& name, bool enabled);
void showPopupMenu(const QString& name, const QPoint& globalPos);
bool dataEditorLoaded();
void refillDataEditorGrid();

}  // namespace vrn
