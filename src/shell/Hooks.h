// Every way a window reaches the main window, a window of another subsystem,
// the screen or the file dialogs without including them: one table of hooks,
// grouped by the side that answers. That side installs its hooks (the
// application at start-up, a window while it is loaded) and removes them when
// it goes; a call whose hook is not installed does nothing, and the calls at
// the end say what they answer then. Tests replace single hooks or whole
// groups. Plain C++ (the core library calls hooks too); one GUI thread.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "shell/state/PointSetTabs.h"

namespace vrn {

// A save or open box: title, proposed name (bare or with folder), start
// folder, default extension without the point, and the filter as
// "Text (*.EXT *.ext)" (several joined by ";;").
struct SaveBoxRequest {
    std::string title;
    std::string fileName;
    std::string initialDir;
    std::string defaultExt;
    std::string filter;
};

// The program's open dialog: in: proposed name, start folder, pattern and
// title; out (when accepted): the chosen bare name and its folder.
struct OpenDialogRequest {
    std::string fileName;
    std::string directory;
    std::string pattern;
    std::string title;
};

// The main window (app/MDIVRN, while it exists) and the application (app/,
// at start-up).
struct MainWindowHooks {
    // Enables or disables a menu item by its control name ("mnuctAusw(1)").
    std::function<void(const std::string& name, bool enabled)> enableMenuItem;
    // Prepares the popup menu of that name as it is when it opens and shows
    // it at a global screen position (pixels).
    std::function<void(const std::string& name, int x, int y)> showPopupMenu;
};

// The screen's mouse pointer (app/, at start-up): 0 default, 2 the chart's
// zoom cross, 11 the hourglass.
struct ScreenHooks {
    std::function<int()> getMousePointer;
    std::function<void(int)> setMousePointer;
};

// The windows of data/: the x-y editor and file (installXYEditor at start-up) and the
// Arrhenius/Eyring calculator (installed with the main window).
struct DataWindowHooks {
    // Opens the x-y editor (a loaded one that refuses to close keeps the focus).
    std::function<void()> openXYEditor;
    // Unloads the x-y editor when it is loaded.
    std::function<void()> closeXYEditor;
    // Opens the Arrhenius/Eyring calculator.
    std::function<void()> openArrheniusCalculator;
    // The chart's "Kurve als XY speichern": asks for the file and writes the
    // curve (data/XYFileDialogs.h); true when written.
    std::function<bool(const std::vector<double>& x, const std::vector<double>& y)> speichereKurveAlsXY;
};

// The chart module and the chart window (chart/, at start-up).
struct ChartWindowHooks {
    // The chart request with the shared state (zeigeDiagramm of chart/Grafik.h).
    std::function<void()> zeigeDiagramm;
    // Creates the chart window when it does not exist and shows it
    // (modeless); the first showing runs its load handler, which draws the
    // pending curves and the measured points. False when the window could not
    // be created.
    std::function<bool()> showChartWindow;
    // Applies the point-set tab configuration of a request to the window.
    std::function<void(const PunktTabs&)> punktTabsAnwenden;
    // True while the chart window is loaded.
    std::function<bool()> chartWindowLoaded;
    // Unloads the chart window when it is loaded.
    std::function<void()> unloadChartWindow;
    // Presses the chart window's draw button (draws the pending curves).
    std::function<void()> pressChartDraw;
};

// The file dialogs (shell/FileDialogsQt, at start-up): the platform's save and
// open boxes, the program's open dialog frmCmnDlg and the comment window.
struct FileDialogHooks {
    // Shows the save box (with overwrite prompt); true with the chosen full
    // path, false when cancelled.
    std::function<bool(const SaveBoxRequest&, std::string& chosen)> askSaveFileName;
    // Shows the open dialog modally; true when accepted (request updated).
    std::function<bool(OpenDialogRequest&)> openDialog;
    // Shows the platform's open box (the file must exist); true with the
    // chosen full path.
    std::function<bool(const SaveBoxRequest&, std::string& chosen)> askOpenFileName;
    // Shows the comment window modally; it leaves the comment in ProjKommentar.
    std::function<void()> askProjectComment;
    // Today's date in the locale's short form.
    std::function<std::string()> shortDateText;
};

struct Hooks {
    MainWindowHooks mainWindow;
    ScreenHooks screen;
    DataWindowHooks dataWindows;
    ChartWindowHooks chartWindow;
    FileDialogHooks fileDialogs;
};

// The one table.
Hooks& hooks();

// The hooks called as plain procedures; without their hook they do nothing
// and the questions answer false.
void enableMenuItem(const std::string& name, bool enabled);
void showPopupMenu(const std::string& name, int x, int y);
bool chartWindowLoaded();
void unloadChartWindow();
void pressChartDraw();

}  // namespace vrn
