// The main window: the program's start-up object. A QMainWindow with an MDI
// area that holds the other windows, the menus, the toolbar and the
// first-user hint panel.
#pragma once

#include <QMainWindow>

#include <array>
#include <functional>

#include "base/Types.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QPushButton;
class QToolBar;

namespace vrn {

class MenuTree;

class MDIVRN : public QMainWindow {
    Q_OBJECT
public:
    MDIVRN();
    ~MDIVRN() override;

    // The one main window, or nullptr before it exists.
    static MDIVRN* instance();

    // Start-up: sets up the application state and opens the first windows.
    void MDIForm_Load();
    // Keeps the hint button at the right end of the toolbar and widens the hint lines.
    void MDIForm_Resize();
    // The size of the first window from the available area of its screen,
    // the frame included: a client area of 1000 x 720 where that fits, else
    // as much as fits; a frame that reaches beyond the area is moved into it.
    // Runs when the window is made and again once it is shown (when the
    // frame is known), unless the window was given another size meanwhile.
    void sizeToScreen();

    // The action of a menu item or submenu by its control name ("mnuctAusw(1)").
    QAction* menuItem(const QString& name) const;
    // The menu of a submenu or popup by its control name.
    QMenu* menu(const QString& name) const;
    // The help context of a menu item (its own, else the nearest menu's); 0 = none.
    int helpContext(const QString& name) const;
    // Runs the handler of a menu item as a click would (disabled items too).
    void clickMenu(const QString& name);
    // Prepares the items of a popup as they are when it opens.
    void mnuEdit1_Open();
    void mnuEdit2_Open();

    // Toolbar: the action of a position 1..16 (spacers have none).
    QAction* toolbarButton(int position) const;
    void Toolbar1_ButtonClick(int position);

    // Registers the handler of a menu item; windows built later use it to
    // connect and enable their items.
    void setMenuHandler(const QString& name, std::function<void()> handler, bool enable = true);

    QMdiArea* mdiArea = nullptr;
    QToolBar* Toolbar1 = nullptr;
    QPushButton* cmdErstnutzer = nullptr;
    QWidget* Picture1 = nullptr;  // first-user hint panel
    QLabel* Label1 = nullptr;
    std::array<QLabel*, 9> Label2{};

    // Items other windows enable or disable.
    QAction* mnuEdit = nullptr;
    QAction* mnuNeudat = nullptr;
    QAction* mnuSaveProject = nullptr;
    std::array<QAction*, 5> mnuctAusw{};  // 1..4
    std::array<QAction*, 3> mnukT{};      // 1..2
    QMenu* mnuEdit1 = nullptr;
    QMenu* mnuEdit2 = nullptr;
    QAction* mnuCopy1 = nullptr;
    QAction* mnuPaste1 = nullptr;
    QAction* mnuErase1 = nullptr;
    QAction* mnuCopy2 = nullptr;
    QAction* mnuPaste2 = nullptr;
    QAction* mnuErase2 = nullptr;

    // Menu handlers (items of control arrays receive their index).
    void mnuLoadLastSession_Click();
    void mnuLoadProject_Click();
    void mnuSaveProject_Click();
    void mnuNeudat_Click();
    void mnuEdit_Click();
    // "ARRHENIUS-Rechner" (1) and "EYRING-Rechner" (2).
    void mnuToolKT_Click(int funktion);
    void mnuExit_Click();
    void mnuModel_Click();
    void mnuExpctAuswertung_Open();
    void mnuctAusw_Click(int i);
    void mnuCtFitting_Click();
    void mnuROFitting_Click();
    void mnuNonIsothermFitting_Click(int i);
    void mnuLambdaAusw_Click(int i);
    void mnukT_Click(int i);
    void mnuCalcTangente_Open();
    void mnuSubTangente_Click(int i);
    void mnuctGraph_Click();
    void mnuvtGraph_Click();
    void mnuReaktor_Open();
    void mnuSubMonteCarlo_Click(int Index);
    void mnuEditXY_Click();

    // How the program ends after "Exit": the event loop ends without closing
    // any window, so no window's closing handler asks anything (tests may
    // replace it).
    static std::function<void()> endProgram;

    // Handlers of the items that need no other window.
    void cmdErstnutzer_Click();
    void mnuTip_Click();
    void mnuOption_Click();
    void mnuAboutVrn_Click();
    void mnuIndex_Click();
    void mnuInfo_Click();
    void mnuFenster_Open();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    MenuTree* menus_ = nullptr;
    void buildToolbar();
    void connectDispatch();
    void isothermFitting(int mode);
    void reopenModelWindow();
    // An evaluation that works with a model of its own makes it the model in
    // force: the model window shows it and reconfigures the open calculation
    // window, as the fitting items do. Beside an open fitting window, which
    // keeps its own model, the model serves the evaluation only.
    void modellDerAuswertung(Integer modell);
    // Before a project or the last session is taken over: an open fitting
    // window is closed with its chart; returns its evaluation mode (0: none).
    int fittingSchliessen();
    // After a project or the last session was loaded: an open data-set editor
    // shows the loaded data set; a fitting window that was open starts afresh
    // in its mode with the loaded data, as its menu item starts it.
    void fensterNachDemLaden(int fittingModus);
    // The windows of the measured data (MainDataWindows.cpp).
    void connectDataEditorPopup();
    void showDataEditor();
    void showTangentWindow();
    void simulation(bool rate);
    void layoutHintPanel();
    void onMenu(const QString& name);

    std::array<QAction*, 17> toolbar_{};
    QSize startSize_;  // the size sizeToScreen gave the window
    bool shownOnce_ = false;
};

// The caption of the main window.
extern const char* const kMainCaption;

// The texts of the hint lines Label2(0..8).
extern const std::array<const char*, 9> kHintLines;

}  // namespace vrn
