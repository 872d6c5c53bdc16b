// What the data-set editor and the x-y editor have in common: a list shown in
// a grid, an input row in add or edit mode, a comment, and the operations on
// marked rows and the clipboard. The main window's grid popups (mnuEdit1,
// mnuEdit2) press the hidden buttons cmdClipboard and cmdEraseSelected and
// the buttons cmdClipEinfuegen and cmdErase of whichever editor is loaded.
#pragma once

#include <array>

#include "platform/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vrn {

class DataGrid;

class GridEditorForm : public VrnForm {
public:
    // Copies the marked cells as Tab/CR text to the clipboard.
    virtual void cmdClipboard_Click() = 0;
    // Pastes a Tab-separated block from the clipboard into the list.
    virtual void cmdClipEinfuegen_Click() = 0;
    // Sets the marked cells to 0.
    virtual void cmdEraseSelected_Click() = 0;
    // Removes the marked rows after a question.
    virtual void cmdErase_Click() = 0;

    DataGrid* Grid = nullptr;
    std::array<QRadioButton*, 2> optInputMode{};  // 0 add, 1 edit
    QLabel* lblZeile = nullptr;
    QPushButton* OKinput = nullptr;
    QPushButton* cmdAus = nullptr;
    QPushButton* cmdErase = nullptr;
    QPushButton* cmdClipEinfuegen = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdEsc = nullptr;
    QLineEdit* txtComment = nullptr;
    QPushButton* cmdClipboard = nullptr;      // hidden, pressed by the popup
    QPushButton* cmdEraseSelected = nullptr;  // hidden, pressed by the popup

    bool bEditieren = false;  // input mode: false add, true edit the chosen point

protected:
    using VrnForm::VrnForm;
};

}  // namespace vrn
