#include <QFile>
#include <QMdiArea>
#include <QVBoxLayout>

#include "platform/Paths.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

class frmProbe : public VrnForm {
public:
    frmProbe() : VrnForm(Kind::MdiChild) { ++created; }
    ~frmProbe() override { ++destroyed; }
    static inline int created = 0;
    static inline int destroyed = 0;
    bool refuse = false;
    int loads = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload(bool& cancel) override { cancel = refuse; }
};

class frmTool : public VrnForm {
public:
    frmTool() : VrnForm(Kind::Tool) {}
};

}  // namespace

class Platform : public ::testing::Test {
protected:
    test::GuiTest env;
};

TEST_F(Platform, RegistryNeverCreatesOnTheLoadedTest) {
    MDIVRN main;
    frmProbe::created = frmProbe::destroyed = 0;
    EXPECT_EQ(std::tuple(IsFormLoaded<frmProbe>(), Forms::loaded<frmProbe>(), frmProbe::created),
              std::tuple(false, nullptr, 0));

    frmProbe& f = Forms::get<frmProbe>();
    // Created at most once.
    EXPECT_EQ(
        std::tuple(f.loads, IsFormLoaded<frmProbe>(), IsFormLoaded(&f), &Forms::get<frmProbe>(), frmProbe::created),
        std::tuple(1, true, true, &f, 1));

    f.Show();
    ASSERT_NE(f.frame(), &f);  // lives in an MDI sub-window
    EXPECT_EQ(main.mdiArea->subWindowList().size(), 1);

    EXPECT_TRUE(f.Unload());
    EXPECT_FALSE(IsFormLoaded<frmProbe>());
    test::processEvents();
    EXPECT_EQ(std::tuple(frmProbe::destroyed, main.mdiArea->subWindowList().isEmpty()), std::tuple(1, true));
}

TEST_F(Platform, UnloadHandlerCanKeepTheWindow) {
    MDIVRN main;
    frmProbe& f = Forms::get<frmProbe>();
    f.Show();
    f.refuse = true;
    EXPECT_FALSE(f.Unload());
    f.frame()->close();  // the close box asks the same handler
    test::processEvents();
    EXPECT_TRUE(IsFormLoaded<frmProbe>());
    f.refuse = false;
    f.frame()->close();
    test::processEvents();
    EXPECT_FALSE(IsFormLoaded<frmProbe>());
}

// A window opened beside others: where it covers no control it stays; else
// it goes right of, left of, below or above a window, narrower down to half
// its width; with no such place, at its size where it covers the least.
TEST_F(Platform, PlacedWindowKeepsTheControlsOfOthersFree) {
    MDIVRN main;
    main.resize(1000, 720);
    main.show();
    test::processEvents();
    const QSize area = Forms::mdiAreaSize();
    ASSERT_FALSE(area.isEmpty());
    const int W = area.width(), H = area.height();
    // A window at the left, as high as the area, with two buttons in the middle of its height.
    const std::vector<QRect> knoepfe{QRect(10, H / 2, 170, 25), QRect(190, H / 2, 170, 25)};
    struct Fall {
        const char* name;
        QRect fenster, want, ergebnis;
    };
    const Fall faelle[] = {
        {"covers nothing", QRect(0, 0, 380, H), QRect(400, 10, 500, H - 20), QRect(400, 10, 500, H - 20)},
        {"right of the window, narrower", QRect(0, 0, 380, H), QRect(W - 680, 10, 680, H - 20),
         QRect(380, 10, std::min(680, W - 380), H - 20)},
        // Right of a wider window less than half the width is left: at the right edge, over a part of one button.
        {"no room beside: where it covers the least", QRect(0, 0, W - 300, H), QRect(100, 10, W - 200, H - 20),
         QRect(200, 10, W - 200, H - 20)},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const QRect r = Forms::keepControlsFree(f.want, {f.fenster}, knoepfe);
        EXPECT_EQ(r, f.ergebnis) << r.x() << "," << r.y() << " " << r.width() << "x" << r.height();
    }
}

TEST_F(Platform, ToolWindowsFloatAboveTheMainWindow) {
    MDIVRN main;
    frmTool& t = Forms::get<frmTool>();
    t.Show();
    EXPECT_EQ(std::tuple(t.frame(), t.windowFlags().testFlag(Qt::Tool), t.parentWidget()), std::tuple(&t, true, &main));
    EXPECT_TRUE(t.Unload());
}

TEST_F(Platform, NumberFieldFiltersKeysSelectsAllOnFocusAndShowsComputedFields) {
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    auto* a = new NumberField(" .15", &host);
    auto* b = new NumberField(" 7", &host);
    layout->addWidget(a);
    layout->addWidget(b);
    host.show();
    QApplication::setActiveWindow(&host);
    b->setFocus();
    a->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(a->selectedText(), QString(" .15"));
    QTest::keyClicks(a, "1,5x E-3+ ");
    EXPECT_EQ(a->text(), QString("1.5E-3"));
    EXPECT_DOUBLE_EQ(a->value(), 0.0015);
    QTest::keyClick(a, Qt::Key_Backspace);
    EXPECT_EQ(a->text(), QString("1.5E-"));

    // Ctrl+C and Ctrl+V pass the filter; a pasted number's comma is its decimal point.
    a->selectAll();
    QTest::keyClick(a, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString("1.5E-"));
    QApplication::clipboard()->setText("2,5");
    b->clear();
    b->setFocus();
    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(b->text(), QString("2.5"));
    EXPECT_DOUBLE_EQ(b->value(), 2.5);
    QApplication::clipboard()->setText("2,5 mol");
    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(b->text(), QString("2.5")) << "no number: the paste is refused";

    // Enter moves to the next field; a computed field takes no keys.
    a->setFocus();
    QTest::keyClick(a, Qt::Key_Return);
    EXPECT_TRUE(b->hasFocus());
    b->setComputed(true);
    EXPECT_TRUE(b->isReadOnly());
    QTest::keyClicks(b, "9");
    EXPECT_EQ(b->text(), QString("2.5"));
}

TEST_F(Platform, FirstStartCopiesTheSamples) {
    const QString folder = env.folder() + "/fresh";
    setProgramFolder(folder);
    prepareProgramFolder();
    EXPECT_TRUE(QFile::exists(folder));
    QDir samples(resourceFolder() + "/samples");
    for (const QString& f : samples.entryList(QDir::Files)) EXPECT_TRUE(QFile::exists(folder + "/" + f)) << f.toStdString();
    setProgramFolder(env.folder());
}
