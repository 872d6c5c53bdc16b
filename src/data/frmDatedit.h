// The data-set editor: the measured data set ExpDaten as an 11-column grid
// (number, exclusion mark, t, c(A)..c(Q), lambda, T, k), one row of nine
// input boxes that appends a point (add mode) or overwrites the chosen one
// (edit mode), the data set's comment, lambda after infinite time and time
// unit, and the operations on marked rows and cells, the clipboard, the
// data-set files and the drawing of the measured points.
//
// ExpDaten is the source of truth: every handler changes the data first and
// then rewrites the affected grid row or rebuilds the grid. Every change of
// the data marks the data set as changed (bDatenGeaendert).
//
// The main window's popup mnuEdit1 reaches the operations through
// the handlers of its shared editor buttons (data/GridEditorForm.h); the model
// window hears every unit change (refillDatenGrid) from the owner of the
// shared state.
#pragma once

#include <array>
#include <optional>

#include "base/Types.h"
#include "shell/StateOwner.h"
#include "data/GridEditorForm.h"
#include "shell/CalcForm.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vrn {

class DataGrid;
class NumberField;

class frmDatedit : public GridEditorForm, public TimeUnitCaptions {
    Q_OBJECT
public:
    frmDatedit();
    ~frmDatedit() override;

    // ---- Set-up and display (frmDatedit.cpp) ------------------------------
    // Rebuilds the grid from ExpDaten (nothing with an empty data set), makes
    // row 0, column 2 current and shows that point in the boxes. With f (not
    // 0) after a unit change by the factor f of the times: the boxes the user
    // typed into keep their text (a typed time converted), and no box takes
    // the focus.
    void zeigeDatenImGrid(double f = 0);
    // Copies the point of the grid's current row into the input boxes and
    // gives the box of the current column the focus (with `fokus`); with f
    // (not 0) as after a unit change, see zeigeDatenImGrid.
    void zeigeMesspunktInEingabe(bool fokus = true, double f = 0);
    // A cell picked with the mouse: edit mode on that point.
    void waehlePunktZumEditieren();
    void optInputMode_Click(int Index);
    // Takes the input row: appends (add mode) or overwrites (edit mode). A
    // box whose text its field refuses (spaltenFeld, an empty time among
    // them; lambda (t = ∞) too) is named and nothing is taken; a row whose
    // single-precision sum is not above 0 only beeps.
    void OKinput_Click();
    // Analyses the data set, warns on questionable non-isothermal times (Yes
    // keeps the window open) and unloads the window.
    void OK_Click();
    void cmdEsc_Click();
    // Converts the data set's times and k1..k3 to the unit Index and rebuilds the grid.
    void optZeit_Click(int Index);
    void setTimeUnitCaptions(const std::string& u) override;
    // Rewrites the grid from ExpDaten after a change of the time unit by the
    // factor f of the times, in the model window's form; the input row keeps
    // what the user typed (a typed time converted), the window stays where
    // and as it is (no hiding, no focus). The grid is left as it is with an
    // empty data set.
    void refillDatenGrid(double f = 1);
    // Another data set was loaded (a project, the last session): the window
    // shows it as it shows a data set when it opens (grid, comment, lambda
    // after infinite time, time unit, file name in the caption); what the
    // user typed into the input row and has not taken yet stays. It writes
    // nothing of the shared state.
    void zeigeGeladeneDaten();

    // ---- Operations (frmDateditOps.cpp) ------------------------------------
    void TSort_Click();
    void TemperaturSort_Click();
    void cmdAus_Click();
    void cmdEraseSelected_Click() override;
    void cmdErase_Click() override;
    void cmdClipboard_Click() override;
    void cmdClipEinfuegen_Click() override;
    // Key typed into a cell editor (Enter stores the cell into the point).
    void pruefeZellTaste(int Row, int Col, int& KeyAscii);
    void verarbeiteGridTaste(int& KeyCode, int Shift);
    void zeigeGridPopup(int Button, int Shift, int X, int Y);
    void cmdLoadFile_Click();
    void cmdAddFile_Click();
    void cmdSave_Click();
    void cmdDraw_ct_Click();
    void cmdDraw_Tk_Click();

    // ---- Form-level state ------------------------------------------------------
    int iMesspunkt = 1;
    bool bHinweisFaellig = true;

    // ---- Controls -----------------------------------------------------------------
    std::array<QLabel*, 10> lblKopf{};
    std::array<NumberField*, 9> y{};
    std::array<QLabel*, 7> Bz1{};
    QLabel* Label2 = nullptr;
    QLabel* lblZeile2 = nullptr;
    QGroupBox* R1 = nullptr;
    NumberField* lambda_infin = nullptr;
    QLabel* lblInfin = nullptr;
    std::array<QRadioButton*, 5> optZeit{};
    QLabel* lblRecalcTime = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* cmdLoadFile = nullptr;
    QPushButton* cmdAddFile = nullptr;
    QPushButton* TSort = nullptr;
    QPushButton* TemperaturSort = nullptr;
    QPushButton* cmdDraw_ct = nullptr;
    QPushButton* cmdDraw_Tk = nullptr;
    QWidget* Frame1 = nullptr;
    QWidget* fraXYComment = nullptr;
    QWidget* fraCmd = nullptr;

protected:
    void Form_Load() override;

private:
    void buildGrid();
    void buildInputRow();
    void buildLowerFrames();
    void connectControls();
    // "(" & file name & ")" or "(unbenannt)".
    QString namensTeil() const;
    // Rewrites the back colours of columns 2, 8, 9, 10 of a grid row.
    void setzeZeilenFarben(int row);
    // The "leere Liste" row of an empty data set.
    void zeigeLeereListe();
    void zeigeKommentar();
    void zeigeLambdaInf();
    // Whether the box "lambda (t = ∞)" holds a number it takes; else its
    // line is shown and lambda(inf) in force stays.
    bool lambdaInfGenommen();
    void waehleZeitOption(int index);
    // The unit option Index chosen and in bold (nothing converted).
    void markiereZeitOption(int Index);
    // A time typed into the input row, not yet taken, in the new unit.
    void eingabeUmrechnen(double f);
    // What Form_Load shows of the data set, without its place and size;
    // `eigen` when the window opens (or saved): then it also takes the unit
    // index, empties the comment of an empty data set and makes an unknown
    // unit "s". Else it writes nothing of the shared state.
    void zeigeFenster(bool eigen);
    // "Neu-Laden" and "Addiere File" within one change each.
    void ladeDatei();
    void dateiAnfuegen();
    // Enables mnuEdit and the evaluation items of the main window.
    void menueFreigeben(bool daten);
    // The data set has unsaved changes; `punkte`: its points were written
    // (not only a key typed into a cell editor). The windows hear it at once.
    void markiereGeaendert(bool punkte = true);
    bool eigeneEinheit_ = false;  // the unit change comes from this window's options
    double lambdaInfBeimFokus_ = 0;  // lambda(inf) in force when its box took the focus
    Zuhoerer zuhoerer_;
};

// The back colours of the grid's columns 2 (t), 8 (lambda), 9 and 10 (T, k).
inline constexpr Colour kFarbeZeit = RGB(240, 240, 240);
inline constexpr Colour kFarbeLambda = RGB(220, 240, 220);
inline constexpr Colour kFarbeKT = RGB(220, 220, 240);

}  // namespace vrn
