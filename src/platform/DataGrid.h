// The data grid of the editors: a table of text cells (a table model under a
// QTableView) that only shows what its owner puts in. The owner's data stay
// the source of truth; the grid reports what the user does through five
// notifications. Rows may be given as texts or by a function that makes a
// row's text when the row is first shown or read, so that a large list costs
// only the rows in view.
//
// Layout: columns with widths in twips, leading fixed columns (grey, never
// edited; a click in one of them marks whole rows), one optional check-box
// column (display only: the user cannot tick it), one font. Row and column
// headers are hidden (the editors put their titles above the grid).
//
// Cells: addRow() appends a row from one text whose cells are separated by
// Tab; setRows() replaces every row by rows whose texts come from a function
// of the row; cell text, back colour and check mark are read and written by row and
// column (0-based). The current cell and the selection rectangle are read and
// set; selectionText() gives the selection as block text (platform/GridText.h:
// the cells exactly as shown, Tab between cells, CR between rows) and
// setSelectionText() fills the selected cells from block text row by row and
// cell by cell, ignoring what lies beyond the selection.
//
// Editing (when editable): typing a character, F2 or a double click opens the
// cell editor on a non-fixed cell. Every character typed goes first through
// onKeyPressEdit, which may change or swallow it (a swallowed first key opens
// no editor); Ctrl+V in the open editor sends the clipboard's text through it
// character by character and drops the whole paste when one is swallowed. Enter, Tab or leaving the cell writes the editor's text into the
// cell and then reports key 13 through onKeyPressEdit; Esc closes the editor
// and keeps the old text, reporting nothing.
//
// Keys on the grid itself go to onKeyDown with key codes in the classic
// numbering (letters and digits their upper-case code, Delete 46, Insert 45,
// Enter 13, Esc 27, arrows 37..40, F1..F12 112..123; keys outside it, the
// modifiers among them, are not reported)
// and the shift state 1 Shift, 2 Ctrl, 4 Alt. The handler may set the code
// to 0 to keep the grid from acting on the key. The grid itself only moves
// the current cell, starts the editor and ignores Ctrl+C, Ctrl+V and Delete,
// which are its owner's to handle.
//
// The right mouse button leaves current cell and selection as they are and is
// only reported through onMouseDown (for a popup menu).
#pragma once

#include <QPointer>
#include <QTableView>

#include <functional>
#include <map>

#include "base/Types.h"
#include "base/Zahlbereich.h"

class QLineEdit;

namespace vrn {

class GridModel;

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // ---- Layout ---------------------------------------------------------
    void setColumnCountWithWidths(int count);  // new columns get 1500 twips
    void setColumnWidthTwips(int col, int twips);
    void setFixedColumns(int n);
    int fixedColumns() const;
    void setGridFont(const QString& family, int points);
    // The column whose cells show a check box (-1: none).
    void setCheckBoxColumn(int col);
    int checkBoxColumn() const;
    void setEditable(bool editable);
    bool isEditable() const;
    // The number field behind a column: the name, width and range with which
    // its owner reads the cells typed into it (base/Zahlbereich.h); an empty
    // field (no symbol) for a column that holds no number.
    void setSpaltenFeld(int col, Zahlfeld feld);
    const Zahlfeld& spaltenFeld(int col) const;

    // ---- Rows and cells -------------------------------------------------
    // Removes every row.
    void clearRows();
    // Appends a row; cells from the Tab-separated text, missing cells empty,
    // cells beyond the last column dropped.
    void addRow(const QString& tabText);
    // Replaces every row by `count` rows (at least 0) whose Tab-separated
    // texts rowText(row) gives; it is asked once per row, when the row is
    // first shown or read, and later changes of a cell stay with the grid.
    using RowText = std::function<QString(int row)>;
    void setRows(int count, RowText rowText);
    int rowCount() const;
    int columnCount() const;
    QString cellText(int row, int col) const;         // "" outside the grid
    void setCellText(int row, int col, const QString& text);  // ignored outside
    void setCellBackColour(int row, int col, Colour c);
    // The cell's own back colour, or -1 when it has none.
    Colour cellBackColour(int row, int col) const;
    void setCellChecked(int row, int col, bool checked);
    bool isCellChecked(int row, int col) const;

    // ---- Current cell and selection -----------------------------------------
    // The current cell (-1 when there is none). Setting it from code selects
    // that cell alone, whatever keys are held at the time; ignored outside the
    // grid.
    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int col);
    // Where a cell is drawn in the viewport (empty outside the grid).
    QRect cellRect(int row, int col) const;
    struct Rect {
        int row1 = -1, col1 = -1, row2 = -1, col2 = -1;
    };
    // The selection, ordered (row1 <= row2, col1 <= col2); the current cell
    // alone when nothing else is selected; all -1 with no current cell.
    Rect selectionRect() const;
    // Makes (row1, col1) the current cell and selects the rectangle to
    // (row2, col2) (clipped to the grid). Ignored when (row1, col1) is outside.
    void setSelectionRect(int row1, int col1, int row2, int col2);
    // Brings the cell into view.
    void showCell(int row, int col);

    // ---- Block text ----------------------------------------------------------
    QString selectionText() const;
    void setSelectionText(const QString& text);

    // ---- Updating ---------------------------------------------------------------
    // While off, the grid neither repaints nor raises notifications (for
    // rebuilding it from the data).
    void setRedraw(bool on);
    bool redraw() const;

    // ---- Notifications -------------------------------------------------------------
    std::function<void()> onRowColChange;                          // the current cell changed
    std::function<void()> onCellPicked;                            // the user picked a cell with the mouse
    std::function<void(int& keyCode, int shift)> onKeyDown;        // a key went down on the grid
    std::function<void(int row, int col, int& key)> onKeyPressEdit;  // a key typed into the cell editor
    std::function<void(int button, int shift, int x, int y)> onMouseDown;  // 1 left, 2 right, 4 middle; pixels

    // The classic key code of a Qt key (0 when it has none) and shift state.
    static int classicKeyCode(int qtKey);
    static int shiftState(Qt::KeyboardModifiers m);

    // Used by the cell editor: runs onKeyPressEdit for the cell being edited;
    // the editor opened on (row, col).
    void editorKey(int& key);
    void editorOpened(int row, int col, QLineEdit* editor);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void selectRows(int anchor, int row);
    bool inside(int row, int col) const;

    GridModel* model_ = nullptr;  // the cells and what the grid shows of them
    int editRow_ = -1;
    int editCol_ = -1;
    int rowAnchor_ = -1;  // anchor row while marking rows in a fixed column
    QPointer<QLineEdit> editor_;  // the open cell editor
    std::map<int, Zahlfeld> spaltenFelder_;
};

}  // namespace vrn
