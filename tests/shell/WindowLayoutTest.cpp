// Each window, opened from the main menu, at the main window's default size
// and on a 1366 x 768 screen: every control inside its window with its caption
// whole, and the window inside the main window's area. The pictures are kept
// for looking at.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>

#include <functional>

#include "data/frmDatedit.h"
#include "engine/frmKinModel.h"
#include "montecarlo/frmMonteCarlo.h"
#include "platform/DataGrid.h"
#include "platform/Forms.h"
#include "reactors/frmBatch.h"
#include "reactors/frmProtokoll.h"
#include "reactors/frmRKconti.h"
#include "reactors/frmRohrreaktor.h"
#include "shell/AppState.h"
#include "app/MDIVRN.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// The window the menu item opened, after the optional preparation.
template <class W>
std::function<VrnForm*(MDIVRN&)> opens(const char* item, std::function<void(W&)> prepare = nullptr) {
    return [item, prepare](MDIVRN& main) -> VrnForm* {
        main.clickMenu(item);
        test::processEvents();
        W* w = Forms::loaded<W>();
        if (w && prepare) prepare(*w);
        test::processEvents();
        return w;
    };
}

}  // namespace

TEST(WindowLayout, EveryWindowFitsAtBothSizes) {
    const std::pair<const char*, std::function<VrnForm*(MDIVRN&)>> windows[] = {
        {"datedit_empty", opens<frmDatedit>("mnuNeudat")},
        {"datedit_edit_mode", opens<frmDatedit>("mnuNeudat",
                                                [](frmDatedit& d) {
                                                    test::setDataSet(20, [](Messpunkt& p, int i) {
                                                        p.t = i;
                                                        p.c[1] = 1.0 / i;
                                                    });
                                                    d.zeigeDatenImGrid();
                                                    d.Grid->setCurrentCell(3, 4);
                                                    d.waehlePunktZumEditieren();
                                                })},
        {"batch_window", opens<frmBatch>("mnuBatchR")},
        {"batch_window_enzyme", opens<frmBatch>("mnuBatchR", [](frmBatch&) { Forms::get<frmKinModel>().optTyp_Click(10); })},
        {"tube_window", opens<frmRohrreaktor>("mnuRohrR")},
        {"tank_window", opens<frmRKconti>("mnuKontRK")},
        {"protocol_window", opens<frmRKconti>("mnuKontRK", [](frmRKconti&) { Forms::get<frmProtokoll>().Show(); })},
        {"montecarlo_mode1", opens<frmMonteCarlo>("mnuSubMonteCarlo(0)")},
        {"montecarlo_mode2", opens<frmMonteCarlo>("mnuSubMonteCarlo(1)")},
        {"montecarlo_large", opens<frmMonteCarlo>("mnuSubMonteCarlo(1)", [](frmMonteCarlo& mc) { mc.optN0[5]->click(); })},
    };
    for (const QSize size : {QSize(1000, 720), QSize(1366, 768)}) {
        for (const auto& [name, open] : windows) {
            const QString tag = QString("%1_%2x%3").arg(name).arg(size.width()).arg(size.height());
            SCOPED_TRACE(tag.toStdString());
            test::GuiTest env;
            MDIVRN main;
            MDIVRN::endProgram = [] {};
            main.MDIForm_Load();
            main.resize(size);
            main.show();
            test::processEvents();
            VrnForm* w = open(main);
            ASSERT_NE(w, nullptr);
            std::vector<VrnForm*> shown{w};
            if (frmProtokoll* p = Forms::loaded<frmProtokoll>()) shown = {p};
            for (VrnForm* f : shown) {
                EXPECT_TRUE(test::fitsItsWindow(f));
                EXPECT_TRUE(main.mdiArea->rect().contains(f->frame()->geometry()));
            }
            test::saveScreenshot(&main, tag);
            Forms::destroyAll();
            test::processEvents();
        }
    }
}
