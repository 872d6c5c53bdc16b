// The x-y editor "manuelle Dateneingabe": a free list of x-y points in a
// four-column grid ("#", "aus", x, y) that the user types, loads, pastes and
// edits, saves as an x-y file and draws in the chart window as the point set
// "manuell" or as a curve. The list is XYDaten/nXYPunkte of the shared state
// (data/XYList.h); the grid only shows it.
//
// Every change of the list marks it unsaved; closing the window in any way
// (its button, its frame, the main window) asks to save it first.
#pragma once

#include <array>

#include "data/GridEditorForm.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vrn {

class DataGrid;
class NumberField;

class frmManuInput : public GridEditorForm {
    Q_OBJECT
public:
    frmManuInput();

    // "Die Daten wurden noch nicht gespeichert." / "Jetzt speichern?" (Yes,
    // No, Cancel; "WARNUNG"). Yes saves; bCancel := true for Cancel and when
    // the save did not happen (box cancelled or write failed).
    void XYSaveFrage(bool& bCancel);
    // Trennzeichen := ";", "," or Tab for the list index 0, 1, 2.
    void cmbSep_Click();

    // ---- Handlers ------------------------------------------------------------
    void optInputMode_Click(int Index);
    void OKinput_Click();
    void cmdAus_Click();
    void cmdErase_Click() override;
    void cmdEraseSelected_Click() override;
    void cmdClipboard_Click() override;
    void cmdClipEinfuegen_Click() override;
    void cmdLoad_Click();
    void cmdSave_Click();
    void cmdEsc_Click();
    void cmdDrawManu_Click();
    void XSort_Click();
    void YSort_Click();
    void cmdChangeXY_Click();
    void cmdManip_Click();
    void cmdCloseManip_Click();
    void optManip_Click(int Index);
    void cmdExecManip_Click();
    void cmdPrint_Click();

    // Enables the buttons by the number of points (at least 1: save, remove,
    // modify, swap, print and the popup's copy and delete; at least 2: aus,
    // sorting and drawing).
    void setzeXYButtons();
    // Rebuilds the grid from the list; with points row 0 becomes current.
    void zeigeXYImGrid();

    // ---- Controls ------------------------------------------------------------
    QLabel* lblAus = nullptr;  // heading of the "aus" column
    std::array<NumberField*, 2> y{};  // 0: x, 1: y
    std::array<QRadioButton*, 2> optDeleteXY{};  // 0 marked rows, 1 all
    QPushButton* cmdLoad = nullptr;
    QPushButton* cmdManip = nullptr;
    QGroupBox* fraManipulation = nullptr;
    std::array<QRadioButton*, 6> optManip{};
    QLabel* lblW = nullptr;
    NumberField* txtW = nullptr;
    QPushButton* cmdExecManip = nullptr;
    QPushButton* cmdCloseManip = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* XSort = nullptr;
    QPushButton* YSort = nullptr;
    QPushButton* cmdChangeXY = nullptr;
    QPushButton* cmdDrawManu = nullptr;
    std::array<QRadioButton*, 2> optIsPoints{};  // 0 as a curve, 1 as points
    QComboBox* cmbSep = nullptr;

    // ---- Window state --------------------------------------------------------
    bool bXYGeaendert = false; // the list has changes that were not saved
    double dblXEingabe = 0;
    double dblYEingabe = 0;
    int iAktZeile = 1;         // the current point (1-based)
    bool bAlsKurve = false;
    int iManipArt = 0;
    double dblW = 1;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;

private:
    void buildWindow();
    QWidget* buildInputPanel();
    QWidget* buildButtonColumn();
    QGroupBox* buildManipFrame();
    void connectGrid();
    // The grid's current row changed: the boxes show its point.
    void zeileGewechselt(int row);
    void zeigeZeile(const QString& prefix, int nummer);
    void leereListeZeigen();
    void zelleBearbeiten(int row, int col, int& key);
    void zelleUebernehmen(int row, int col);
    void ausGeklickt(int row, bool checked);
    void nachListenAenderung();
    void openChart();

    int gedrueckteZeile_ = -1;  // the cell under the last mouse press
    int gedrueckteSpalte_ = -1;
};

// Installs the x-y hooks of the data windows (shell/Hooks.h): the chart window
// opens the editor ("manuelle Kurve / Punkte (XY-Editor)"), anew each time,
// closes it when the user keeps the chart's manual points, and saves a curve
// as an x-y file (speichereKurveAlsXY).
void installXYEditor();

}  // namespace vrn
