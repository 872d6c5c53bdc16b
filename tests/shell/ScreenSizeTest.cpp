// The first main window on the screens it meets: a 1000 x 720 screen (the
// primary one here) and a 1366 x 768 screen beside it. The program runs on
// the offscreen platform with these two screens; windows there get a frame.
#include <QMdiArea>
#include <QScreen>

#include "engine/frmKinModel.h"
#include "shell/frmTip.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// Before the application starts: the offscreen platform with the two screens.
const bool kZweiBildschirme = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VARNOLT_TEST_DATA "/screens.json");
    return true;
}();

QScreen* bildschirm(QSize size) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->geometry().size() == size) return s;
    return nullptr;
}

}  // namespace

// Started as the program starts (made, shown, loaded), on each screen: the
// frame with its title bar and its bottom edge inside the screen's area; the
// client area 1000 x 720 where the screen holds it with the frame.
TEST(ScreenSize, FirstMainWindowWithItsFrameInsideTheScreen) {
    struct Fall {
        QSize screen;
        bool ganz;  // 1000 x 720 fit with the frame
    };
    for (const Fall& fall : {Fall{{1000, 720}, false}, Fall{{1366, 768}, true}}) {
        SCOPED_TRACE(fall.screen.width());
        test::GuiTest env;
        QScreen* s = bildschirm(fall.screen);
        ASSERT_NE(s, nullptr) << "the offscreen platform did not take the two screens";
        MDIVRN::endProgram = [] {};
        {
            MDIVRN main;
            main.setScreen(s);
            main.move(s->geometry().topLeft() + QPoint(30, 20));
            main.show();
            main.MDIForm_Load();
            Forms::unload<frmTip>();
            test::processEvents();
            const QRect bereich = s->availableGeometry(), rahmen = main.frameGeometry();
            EXPECT_NE(rahmen, main.geometry()) << "the window has a frame";
            EXPECT_TRUE(bereich.contains(rahmen))
                << rahmen.x() << "," << rahmen.y() << " " << rahmen.width() << "x" << rahmen.height();
            EXPECT_EQ(main.size() == QSize(1000, 720), fall.ganz) << main.width() << "x" << main.height();
            if (!fall.ganz) {
                // As large as the screen allows, not smaller.
                EXPECT_EQ(rahmen.size(), bereich.size());
            }
            // The model window, open from the start, lies inside the main window's area.
            frmKinModel* m = Forms::loaded<frmKinModel>();
            ASSERT_NE(m, nullptr);
            EXPECT_TRUE(main.mdiArea->viewport()->rect().contains(m->frame()->geometry()))
                << m->frame()->x() << "," << m->frame()->y() << " " << m->frame()->width() << "x" << m->frame()->height()
                << " in " << main.mdiArea->viewport()->width() << "x" << main.mdiArea->viewport()->height();
            test::saveScreenshot(&main, QString("main_window_screen_%1x%2").arg(fall.screen.width()).arg(fall.screen.height()));
        }
    }
}
