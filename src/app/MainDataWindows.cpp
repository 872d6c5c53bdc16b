// The main window's items that open the windows of the measured data: the
// data-set editor, the grid popups of both editors, the tangent window and
// the Arrhenius and Eyring calculator.
#include <QAction>

#include "chart/frmGraph2D.h"
#include "data/frmArrheniusRechner.h"
#include "data/frmCalcTangente.h"
#include "data/frmDatedit.h"
#include "data/frmManuInput.h"
#include "platform/Forms.h"
#include "shell/AppState.h"
#include "shell/Hooks.h"
#include "app/MDIVRN.h"
#include "shell/frmTip.h"

namespace vrn {

namespace {
// The items of a grid popup press these buttons of its editor when it is loaded.
constexpr std::pair<const char*, void (GridEditorForm::*)()> kPopupItems[] = {
    {"mnuCopy", &GridEditorForm::cmdClipboard_Click},
    {"mnuPaste", &GridEditorForm::cmdClipEinfuegen_Click},
    {"mnuSubDelNull", &GridEditorForm::cmdEraseSelected_Click},
    {"mnuSubDelLine", &GridEditorForm::cmdErase_Click},
};

template <class Editor>
void connectPopup(MDIVRN& w, const char* suffix) {
    for (const auto& [name, op] : kPopupItems)
        w.setMenuHandler(QString(name) + suffix, [op = op] {
            if (Editor* e = Forms::loaded<Editor>()) (e->*op)();
        });
}
}  // namespace

void MDIVRN::connectDataEditorPopup() {
    connectPopup<frmDatedit>(*this, "1");
    connectPopup<frmManuInput>(*this, "2");
    hooks().dataWindows.openArrheniusCalculator = [] { Forms::get<frmArrheniusRechner>().Show(); };
}

// The editor is loaded anew, so that it shows the data set as it is now.
void MDIVRN::showDataEditor() {
    Forms::unload<frmDatedit>();
    frmDatedit& d = Forms::get<frmDatedit>();
    d.Show();
    d.SetFocus();
}

void MDIVRN::mnuEdit_Click() {
    Forms::unload<frmTip>();
    if (app.nExpPunkte > 0) showDataEditor();
}

// The window is loaded anew, so that it shows the species just chosen.
void MDIVRN::showTangentWindow() {
    Forms::unload<frmCalcTangente>();
    frmCalcTangente& t = Forms::get<frmCalcTangente>();
    t.Show();
    t.SetFocus();
}

void MDIVRN::mnuToolKT_Click(int funktion) {
    app.bytKTFunktion = static_cast<Byte>(funktion);
    app.bAuswertungsart = 0;
    if (funktion == 1) {
        app.dblArrhEA = 0;
        app.dblArrhA = 0;
    } else {
        app.dblEyrH = 0;
        app.dblEyrS = 0;
    }
    Forms::unload<frmArrheniusRechner>();
    Forms::get<frmArrheniusRechner>().Show();
}

}  // namespace vrn
