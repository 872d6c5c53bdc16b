// The value table of a simulation: editable text, copy, print and save.
#pragma once

#include <QString>

#include "platform/Forms.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vrn {

class frmSimTabelle : public VrnForm {
    Q_OBJECT
public:
    frmSimTabelle();

    void cmdClipboard_Click();
    void cmdPrint_Click();
    void cmdSaveTable_Click();
    void cmdCloseSimTab_Click();
    // Lays the window out and rebuilds the table text (edits are discarded).
    void Form_Resize();

    QPlainTextEdit* txtSimTabelle = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdClipboard = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSaveTable = nullptr;
    QPushButton* cmdCloseSimTab = nullptr;

    QString tableText;
    // The mode the table was asked for (the Michaelis-Menten table or not).
    bool mmTable = false;
    static QString TabDateiName;

protected:
    void Form_Load() override;
    void resizeEvent(QResizeEvent* e) override;
};

// Writes the table as one write-list record: a double quote, the text, a
// double quote, CR LF. Returns an error text, empty on success.
std::string writeValueTableFile(const std::string& path, const std::string& text);

}  // namespace vrn
