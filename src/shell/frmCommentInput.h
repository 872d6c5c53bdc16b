// The modal window that asks for the comment of a project before it is saved.
// OK takes the typed text into ProjKommentar; "Abbrechen" (or Esc) empties it
// (the project is still written); the close box leaves it as it was. The
// comment is one line: Enter presses OK, the default button.
#pragma once

#include "platform/Forms.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vrn {

class frmCommentInput : public VrnForm {
    Q_OBJECT
public:
    frmCommentInput();

    QLabel* lblTex = nullptr;
    QLabel* lblTex2 = nullptr;
    QLineEdit* txtDatComm = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbort = nullptr;

    void cmdOK_Click();
    void cmdAbort_Click();

protected:
    void Form_Load() override;
};

}  // namespace vrn
