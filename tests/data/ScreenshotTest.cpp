#include <QPushButton>
#include <QRadioButton>

#include "platform/NumberField.h"

#include "data/DataWindowSupport.h"
#include "data/frmDatedit.h"
#include "platform/DataGrid.h"
#include "platform/Forms.h"
#include "shell/AppState.h"

using namespace vrn;

class DataScreens : public test::DataWindows {};

// Screenshots of the editor at the main window's default size and on a
// 1366 x 768 screen; nothing of the editor's controls is cut off by its frame.
TEST_F(DataScreens, EditorFitsTheMainWindow) {
    for (const QSize size : {QSize(1000, 720), QSize(1366, 768)}) {
        const QString tag = QString("_%1x%2").arg(size.width()).arg(size.height());
        w->resize(size);
        w->clickMenu("mnuNeudat");
        test::processEvents();
        frmDatedit* d = Forms::loaded<frmDatedit>();
        ASSERT_TRUE(d);
        const QRect inside = d->rect();
        for (QWidget* c : {static_cast<QWidget*>(d->Grid), static_cast<QWidget*>(d->cmdEsc),
                           static_cast<QWidget*>(d->optInputMode[1]), static_cast<QWidget*>(d->y[8])})
            EXPECT_TRUE(inside.contains(QRect(c->mapTo(d, QPoint(0, 0)), c->size()))) << c->objectName().toStdString();
        test::saveScreenshot(w.get(), "datedit_empty" + tag);
        ersteOrdnung(20);
        w->clickMenu("mnuEdit");
        test::processEvents();
        test::saveScreenshot(w.get(), "datedit_20_rows" + tag);
        d = Forms::loaded<frmDatedit>();
        d->Grid->setCurrentCell(3, 4);
        d->waehlePunktZumEditieren();
        test::processEvents();
        test::saveScreenshot(w.get(), "datedit_edit_mode" + tag);
        Forms::unload<frmDatedit>();
        test::processEvents();
    }
}
