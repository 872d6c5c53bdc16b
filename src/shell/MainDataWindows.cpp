// The main window's items that open the windows of the measured data: the
// data-set editor, its grid popup, the tangent window and the Arrhenius and
// Eyring calculator.
#include <QAction>

#include "chart/frmGraph2D.h"
#include "data/frmArrheniusRechner.h"
#include "data/frmCalcTangente.h"
#include "data/frmDatedit.h"
#include "platform/Forms.h"
#include "shell/AppState.h"
#include "shell/MDIVRN.h"
#include "shell/frmTip.h"

namespace vrn {

namespace {
// Runs an operation of the loaded data-set editor (the popup's items press its buttons).
void editor(void (frmDatedit::*op)()) {
    if (frmDatedit* d = Forms::loaded<frmDatedit>()) (d->*op)();
}
}  // namespace

void MDIVRN::connectDataEditorPopup() {
    setMenuHandler("mnuCopy1", [] { editor(&frmDatedit::kopiereDatenInClipboard); });
    setMenuHandler("mnuPaste1", [] { editor(&frmDatedit::cmdClipEinfuegen_Click); });
    setMenuHandler("mnuSubDelNull1", [] { editor(&frmDatedit::loescheMarkierteWerte); });
    setMenuHandler("mnuSubDelLine1", [] { editor(&frmDatedit::cmdErase_Click); });
    frmGraph2D::arrheniusRechnerOeffnen() = [] { Forms::get<frmArrheniusRechner>().Show(); };
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

void MDIVRN::showTangentWindow() {
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
