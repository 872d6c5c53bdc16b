// The reactor protocol window: adds the result row of the last reactor
// calculation to the protocol, writes the protocol file, copies it to the
// clipboard and starts the next file.
#pragma once

#include <QPointer>

#include <string>

#include "base/Types.h"
#include "platform/Forms.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace vrn {

class CalcForm;

class frmProtokoll : public VrnForm {
    Q_OBJECT
public:
    frmProtokoll();

    QPushButton* cmdProtokoll = nullptr;  // "Ergebnis protokollieren"
    QGroupBox* fraProtokoll = nullptr;
    QPushButton* cmdOpenNew = nullptr;    // write, copy to the clipboard, start a new file
    QLabel* Label16 = nullptr;
    QLabel* lblProtText2 = nullptr;       // the file name
    QGroupBox* fraSep = nullptr;
    QComboBox* cmbSep = nullptr;          // "Semikolon", "Komma", "Tab"
    QPushButton* cmdClose = nullptr;

    // The window that opened the protocol (1 time diagram, 2 stirred tank,
    // 3 batch, 4 tube, 5 fitting, 0 none), found when the window loads.
    Integer iProtQuelle = 0;

    // Writes app.ProtTabelle as a complete protocol file to app.ProtDateiName.
    // A failure is shown ("Meldung von schreibProtFileAndClose") and returns
    // false; rows and flags stay as they are.
    bool schreibProtFileAndClose();
    // The first free protocol name of today (the main window's rule).
    static std::string SetAutoProtName();

    // Adds app.ProtZeile to the protocol (a warning first when the separator
    // is "," on a decimal-comma locale); enables cmdOpenNew. Adds nothing
    // unless the row holds a valid result of the source window.
    void cmdProtokoll_Click();
    // "Ergebnis protokollieren" is enabled exactly while the row holds a
    // valid result of the source window; the reactor windows call this after
    // every calculation.
    void refreshRowButton();
    // Writes an open protocol, copies the file to the clipboard with Tabs and
    // starts the next file. A failed write shows its message and keeps the
    // rows, the name and the enabled button.
    void cmdOpenNew_Click();
    // Separator from the list entry: ";", "," or Tab.
    void cmbSep_Click(int index);
    void cmdClose_Click();

    // "Exit" of the main window: closes a loaded protocol window (which writes
    // its open rows), or writes open rows left by an earlier window.
    static void closeAtExit();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void showEvent(QShowEvent* e) override;

private:
    // Bottom edges aligned with the source window, overlapping its right edge by 40 twips.
    void placeBesideSource();
    QPointer<CalcForm> source_;
    bool placed_ = false;
};

}  // namespace vrn
