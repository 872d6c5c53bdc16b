#include "shell/frmPhantom.h"

#include <QMdiArea>

namespace vrn {

frmPhantom::frmPhantom() : VrnForm(Kind::MdiChild) { setCaption("Hauptfenster"); }

void frmPhantom::Form_Load() {
    // Width and height 0: the window takes no room in the MDI area.
    setZeroSize(true);
    resize(0, 0);
}

void frmPhantom::SetFocus() {
    if (QMdiArea* mdi = Forms::mdiArea()) mdi->setActiveSubWindow(nullptr);
    if (QWidget* main = Forms::mainWindow()) {
        main->raise();
        main->activateWindow();
    }
}

}  // namespace vrn
