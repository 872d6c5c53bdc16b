// The chart window: an MDI child with its own menu bar, the chart component
// Chart2D1, a status bar and seven movable tool frames. It draws the curves
// of a chart request (up to 24 curve places), the measured point sets, the
// linearised evaluation plots with their result line, the half-life marks,
// and lets the user add and delete what it shows.
//
// It exists at most once. The chart module creates it through the chart
// window hooks that installChartWindow() installs (shell/Hooks.h); other windows press
// its draw button (cmdDraw_Click) after they set gnKurvenOffen, call
// DeleteCurves, zeigeExperPunkte and zeigeKurvenPunkte, and read Chart2D1.
#pragma once

#include <QString>

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "shell/state/PointSetTabs.h"
#include "platform/Forms.h"
#include "base/Types.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QStatusBar;
class QTabWidget;

namespace vrn {

class MenuTree;

class ChartControl;
class CoordPanel;
class CurvePanel;
class DesignPanel;
class NumberField;
class PointPanel;
class ResolutionPanel;
class TextPanel;
class ToolFrame;
class UpDown;

class frmGraph2D : public VrnForm {
    Q_OBJECT
public:
    frmGraph2D();
    ~frmGraph2D() override;

    // ---- Procedures other windows call ------------------------------------
    // Draws the pending curves (gnKurvenOffen of them) for iDiagrammTyp, each
    // in the lowest free curve place. Stops at the 24-curve warning, at a
    // refusal of the curve computation (its message is shown) and at a
    // critical failure ("ABBRUCH"); a place reserved for a curve that is not
    // drawn is freed again. Kinds -1, -2, -9 and 0 draw no curve: the pending
    // count is cleared. Writes KurvenSlot, gnKurven, gnKurvenOffen, the
    // status bar, and for the evaluation plots k(1), RegrA/B/R2 (through the
    // curve computation) and the measured point sets.
    void cmdDraw_Click();
    // Deletes curve IX (1..24) or every curve (0) and frees the places. A
    // free place or a number outside 0..24 changes nothing. The label of a
    // deleted curve gets its number as text and is hidden.
    void DeleteCurves(Integer IX);
    // Writes the active measured points into the point sets of chart group 2
    // for iDiagrammTyp (transformed for the linearised plots); bImBereich
    // tells whether one of them lies inside the axis ranges. "Y2" takes the
    // range of "Y".
    void zeigeExperPunkte(bool& bImBereich);
    // Writes a point list (element 0's x = count, points from 1) as curve nr
    // of chart group 1 in the colour gFarbVorwahl and shows its label. A
    // number outside 1..24 or a count beyond the list changes nothing.
    void zeigeKurvenPunkte(Integer nr, const std::vector<XYPunkt>& pts);
    // Hides the seven tool frames.
    void versteckeWerkzeugRahmen();
    // The x-y editor's active points (ManuXY) as point set 7 "manuell":
    // Y2 takes the range of Y; when set 7 has points already, the question
    // "Soll der bereits geladene manuelle Datensatz überschrieben werden?"
    // (Yes/No, "Warnung") comes first and No closes the editor and keeps
    // the set. The set takes the colour gFarbVorwahl and exactly the points
    // of ManuXY.
    void cmdManuPoints_Click();
    // ManuXY as a new curve in the lowest free place (NeueKurveNr warns when
    // all 24 are used).
    void cmdManuKurve_Click();
    // "Kurve als XY speichern": writes the curve of the selected curve tab
    // as an x-y file (the hook speichereKurveAlsXY); beeps when the tab names no curve.
    void cmdSaveCurveAsXY_Click();
    // Carries XMin..YMax of tDiagramm into the axes (and the hidden range series 25).
    void SetAchsenMinMax();
    // "Messpunkte" under "Einfügen...": adds the measured points to the chart.
    void mnuAddPunkte_Click();
    // Applies the point-set tabs of a chart request (captions, shown tabs,
    // legend texts, the legend and the current tab).
    void punktTabsAnwenden(const PunktTabs& tabs);

    // The text of the status bar StatusBar2.
    QString statusText() const;
    void setStatusText(const QString& text);

    // ---- Handlers -----------------------------------------------------------
    void Form_Resize();
    void cmdClipboard_Click();
    void cmdSingleCalc_Click();
    void cmdArrhRechner_Click();
    void cmbSep_Click();
    void cmbKStil_Click(int index);
    void cmbPunktStil_Click(int index);
    void Slider1_PunktDichte_Change();
    void cmdResolClose_Click();
    void cmdCoord_OK_Click();
    void cmdCoord_Esc_Click();
    void optScaling_Click(int index);
    void cmdKurven_OK_Click();
    void cmdPunkte_OK_Click();
    void cmdTabs_OK_Click();
    void cmdPrint_Esc_Click();
    void cmdEscGraph_Click();
    // The white colour preset ("Gesamtblatt weiß").
    void cmdFullWhite_Click();

    // ---- Design panels (frmGraph2DDesign.cpp) -----------------------------------
    // Entry points for whatever opens a panel (menus, a right click on the chart):
    // the curve panel at curve n's tab (1..24; a free place keeps the first
    // curve's tab), the point-set panel at set k's tab (1..7), the design panel
    // at tab index t (0..10, 4 = "Legende"), the text panel for target 1..4
    // (5 opens the curve panel).
    void openCurvePanelAt(int n);
    void openPointPanelAt(int k);
    void openDesignTab(int t);
    void mnuTextDesign_Click(int index);
    void mnuAddText_Click();
    void cmdSchriftFertig_Click();
    void mnuCoord_Click();
    // "Zoom": both origins at the minimum, the next left drag on the chart zooms.
    void cmdZoom_Click();
    // "Reset": the range in the coordinate boxes again (not the range before the first zoom).
    void cmdZoomReset_Click();
    // "Farb-Vorwahl": the colour of the next curve or point set.
    void cmdFarbVorwahl_Click();
    // A click on the label " Farb-Vorwahl" beside the preset button does the same.
    void Label49_Click();
    // Legend shown or hidden, with its menu items and every legend box of the panels.
    void legendeSchalten(bool sichtbar);

    // Legend and delete menus.
    bool keineLegendentexte() const;
    void mnuAddLegend_Click();
    void mnuDelLegend_Click();
    void mnuDelLegendZeile_Click();
    void mnuAddLabels_Click();
    void mnuDelLabels_Click();
    void mnuDelMarkLabels_Click();
    void mnuDelHalbAB_Click();
    void mnuSubDelKurv_Click(int index);
    void cmdDelKurv_Click();
    void mnuSubDelPoints_Click(int index);
    void cmdDelPoints_Click(int index);
    void mnuDelTotal_Click();

    // Half-life marks and the design frame.
    void mnuHalbA_Click();
    void mnuHalbB_Click();
    void mnuDesignMore_Click();

    // Menus that prepare their items before they drop down, and plain commands.
    void mnuDesign_Click();
    void mnuDelete_Click();
    void mnuBildsenden_Click();
    void mnuMark_Click();
    void mnuKurvenDesign_Click();
    void mnuPunktDesign_Click();
    void mnuResolution_Click();
    void mnuManuXY_Click();
    void mnuHaupt_Click();

    // ---- Mouse on the chart (frmGraph2DMouse.cpp); positions in pixels of Chart2D1 ----
    // Hover: number and coordinates of the curve point or measured point
    // within 4 pixels in lblMausPosNr/lblMausPos with the curve or point
    // pointer, else the hint of the region (plot area, legend, header, footer).
    void Chart2D1_MouseMove(QPoint pos);
    // Right button: opens the panel of what lies under the mouse. Left button
    // (zoom not armed): asks to delete the curve point within 4 pixels.
    void Chart2D1_MouseDown(Qt::MouseButton button, QPoint pos);
    // Left button: the shown axis ranges go into tDiagramm and the zoom is
    // disarmed; every release sets the screen's pointer back to the default.
    void Chart2D1_MouseUp(Qt::MouseButton button, QPoint pos);
    // Asks "Löschen eines Kurvenpunktes"; Yes removes exactly that point of
    // the series of chart group 1. No, or a point that does not exist, changes nothing.
    void loescheKurvenPunkt(int series, int point);
    // Help button: how a single curve point is deleted.
    void cmdMsgDelPoint_Click();

    // ---- Output panel and templates (frmGraph2DOutput.cpp, frmGraph2DTemplate.cpp) ----
    // Prepares fraPrintIt for output action index (1 clipboard, 2 picture
    // file, 3 printer); a black plot area is questioned first (Cancel keeps all).
    void mnuBild_Click(int index);
    void cmbGraphFormat_Click();
    // iBildFormat := the code of picture-file list entry listIndex.
    void setzeBildFormat(int listIndex);
    // Scaling option 4 "Vorgabe Breite", 3 "Vorgabe Höhe", 2 "A4-Format voll".
    void optSM_Click(int index);
    // Performs the prepared output and hides the panel; a failure is shown
    // ("Meldung von cmdPrint_Click"), a cancelled save box or print dialog is not.
    void cmdPrint_Click();
    // Saves the chart as a template (*.oc2); a failure names the file and its reason.
    void mnuSaveOC2_Click();
    // Loads a template into this window and rebuilds the curve places, the
    // point-set tabs, the delete menus and the axis ranges from it. A refused
    // file is named with its reason and leaves the chart as it was.
    void mnuLoadOC2_Click();

    // The menu item or submenu of a control name ("mnuSubDelKurv(3)").
    QAction* menuItem(const QString& name) const;
    QMenu* menu(const QString& name) const;
    // Runs the handler of a menu item (or the preparation of a menu) as the user's choice would.
    void clickMenu(const QString& name);

    // Moves a tool frame as a drop on the chart does: its top-left corner to
    // the drop point (twips of the chart) less the grip point, taken into the
    // window's coordinates, so that the frame lands where its outline was.
    void dropFrame(ToolFrame* frame, double dropXTwips, double dropYTwips);

    // ---- Controls (the names other windows and the handlers use) ---------------
    QMenuBar* menuBar = nullptr;
    ChartControl* Chart2D1 = nullptr;
    QStatusBar* StatusBar2 = nullptr;
    QPushButton* cmdDraw = nullptr;
    QPushButton* cmdSingleCalc = nullptr;
    QPushButton* cmdArrhRechner = nullptr;
    // Hidden buttons the x-y editor presses.
    QPushButton* cmdManuPoints = nullptr;
    QPushButton* cmdManuKurve = nullptr;

    ToolFrame* fraTabs = nullptr;
    ToolFrame* fraKurven = nullptr;
    ToolFrame* fraPunkte = nullptr;
    ToolFrame* fraSchrift = nullptr;
    ToolFrame* fraCoordInput = nullptr;
    ToolFrame* fraPrintIt = nullptr;
    ToolFrame* fraResolution = nullptr;
    // The same panels with their own controls and handlers.
    CurvePanel* kurvenPanel = nullptr;
    PointPanel* punktePanel = nullptr;
    DesignPanel* designPanel = nullptr;
    TextPanel* textPanel = nullptr;
    CoordPanel* coordPanel = nullptr;
    ResolutionPanel* aufloesungPanel = nullptr;
    QPushButton* cmdZoom = nullptr;
    QPushButton* cmdZoomReset = nullptr;
    QPushButton* cmdFarbVorwahl = nullptr;
    QLabel* Label49 = nullptr;
    // "Schließen <Esc>": closes the chart window (Esc closes an open panel first).
    QPushButton* cmdEscGraph = nullptr;

    // The curve panel's controls (tabKurven, cmbKStil, cmdKurvenFarbe, ...) are
    // kurvenPanel's, the point-set panel's (tabPunkte, cmbPunktStil, ...) punktePanel's.

    // Design panel.
    QTabWidget* tabDesign = nullptr;
    QCheckBox* chkLegend = nullptr;
    QLineEdit* txtXOrigin = nullptr;
    QLineEdit* txtYOrigin = nullptr;
    QPushButton* cmdTabs_OK = nullptr;

    // Coordinate panel.
    std::array<NumberField*, 5> coord{};  // 1..4: x(min), x(max), y(min), y(max)
    QPushButton* cmdCoord_OK = nullptr;
    QPushButton* cmdCoord_Esc = nullptr;

    // Output panel.
    QLineEdit* txtTop_in_cm = nullptr;
    QLineEdit* txtLeft_in_cm = nullptr;
    QLineEdit* txtHeight_in_cm = nullptr;
    QLineEdit* txtWidth_in_cm = nullptr;
    QPushButton* cmdPrint_Esc = nullptr;

    QGroupBox* frGraphFormat = nullptr;
    QLabel* Label24 = nullptr;
    QComboBox* cmbGraphFormat = nullptr;
    QGroupBox* frPrintPos = nullptr;
    QGroupBox* frPrintScaling = nullptr;
    std::array<QRadioButton*, 5> optSM{};  // 4 "Vorgabe Breite", 3 "Vorgabe Höhe", 2 "A4-Format voll"
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* cmdPrint = nullptr;

    // Mouse position and hints, help on deleting a curve point.
    QLabel* lblMausPos = nullptr;
    QLabel* lblMausPosNr = nullptr;
    QPushButton* cmdMsgDelPoint = nullptr;

    // Curve-resolution panel.
    QSlider* Slider1_PunktDichte = nullptr;
    QLabel* Label54 = nullptr;
    QPushButton* cmdResolClose = nullptr;

    // ---- Window state ---------------------------------------------------------------
    Integer KurveNr = 0;       // the curve being drawn (1..24)
    Integer nAufloesung = 300; // steps across the x range for computed curves
    std::string FehlerText;    // text of the last critical failure
    Integer bFehler = 0;       // -1 after a critical failure of the drawing loop
    Colour LegBColor = 0;      // legend background when not transparent
    Byte bytTextArt = 0;
    Byte bytGitterStil = 4;
    Byte bytGitterArt = 3;
    Single sngGriffX = 0;      // grip point of the dragged frame (twips of the frame)
    Single sngGriffY = 0;
    Integer iAusgabeArt = 0;     // output action of the panel: 1 clipboard, 2 picture file, 3 printer
    Integer iBildFormat = 0;     // clipboard code (1, 3) or picture-file code (ChartOutputRules.h)
    Integer iScalingMethode = 2; // print scaling: 2 given width, 3 given height, 5 whole sheet
    Integer PunktSatzNr = 0;     // point set whose tab a template load selected

    // The chart request that showed the window makes its kind: the diagram
    // kind, the masks the window set for it and whether it is the
    // Michaelis-Menten plot. The window's menus, buttons and point-set tabs,
    // and the ranges it remembers, are those of its own kind, whatever kind
    // other windows ask for later.
    void anfrageUebernehmen();
    Integer art() const { return art_; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void menueEinpassen();
    void buildMenus();
    void buildWindow();
    void buildDesignPanels();
    void buildSmallPanels();
    void buildManuButtons();
    bool koordinatenUebernehmen();
    void connectFrame(ToolFrame* frame);
    void showPanel(ToolFrame* frame, QPushButton* cancel);
    void panelEinpassen(ToolFrame* panel);
    void setEnabled(const QString& name, bool on);
    void halbwertszeit(int stoff);
    void alleKurvenetiketts(bool zeigen);
    void applyDesignDefaults();
    void buildMouse();
    void buildPrintPanel();
    void printPanelDefaults();
    void setMausHinweis(const QString& text, int colour);
    void vorlageUebernehmen();
    // Where the chart begins in the window (pixels), below the menu bar and the button row.
    int chartTop() const;
    QRect wunschGeometrie();

    MenuTree* menus_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QWidget* buttonStrip_ = nullptr;
    bool geometrySet_ = false;
    QPointer<VrnForm> arbeitsFenster_;  // the window the user worked in when the chart opened
    Integer art_ = 0;
    std::string maske_ = "00000";
    bool ktDiagramm_ = false;
    bool mmPlot_ = false;
};

// Installs the chart window hooks (hooks().chartWindow): the chart request
// zeigeDiagramm, which opens and draws this window through the others
// (showChartWindow, punktTabsAnwenden, chartWindowLoaded, unloadChartWindow,
// pressChartDraw).
void installChartWindow();

}  // namespace vrn
