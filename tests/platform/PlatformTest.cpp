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

// A window opened beside others keeps its size: where it covers no control
// it stays; else it moves to the nearest place that covers none; with no
// such place, to where it covers the least.
TEST_F(Platform, PlacedWindowKeepsTheControlsOfOthersFree) {
    MDIVRN main;
    main.resize(1000, 720);
    main.show();
    test::processEvents();
    const QSize area = Forms::mdiAreaSize();
    ASSERT_FALSE(area.isEmpty());
    const int W = area.width(), H = area.height();
    // Two buttons at the left, in the middle of the area's height.
    const std::vector<QRect> knoepfe{QRect(10, H / 2, 170, 25), QRect(190, H / 2, 170, 25)};
    const auto covered = [&](const QRect& r) {
        int n = 0;
        for (const QRect& k : knoepfe) n += r.intersected(k).width() * r.intersected(k).height();
        return n;
    };
    struct Fall {
        const char* name;
        QRect want;
        int coveredAfter;  // pixels of the buttons still covered
        int leftFrom, leftTo;
    };
    const Fall faelle[] = {
        {"covers nothing: stays", QRect(400, 10, 500, H - 20), 0, 400, 400},
        // Right of the buttons there is room at its size: just past them.
        {"moves right, at its size", QRect(100, 10, 500, H - 20), 0, 360, 364},
        // Too wide to pass them: at the right edge, over a part of one button.
        {"no free place: covers the least", QRect(100, 10, W - 200, H - 20), 25 * (360 - 200), 200, 200},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const QRect r = Forms::keepControlsFree(f.want, knoepfe);
        EXPECT_EQ(r.size(), f.want.size());
        EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(r));
        EXPECT_EQ(covered(r), f.coveredAfter);
        EXPECT_GE(r.left(), f.leftFrom);
        EXPECT_LE(r.left(), f.leftTo);
    }
}

// A tool window and the child it works with, side by side in an area of
// 1000 x 600, 4 pixels apart; places worked out by hand.
TEST(SideBySide, ToolRightElseLeftElseTheChildMovesAsLittleAsItMust) {
    struct Row {
        const char* fall;
        QSize tool;
        QRect child;
        QPoint tool_at, child_at;
    };
    const Row rows[] = {
        {"room right", {200, 300}, {100, 50, 600, 400}, {704, 50}, {100, 50}},
        {"room left only", {200, 300}, {300, 50, 600, 400}, {96, 50}, {300, 50}},
        // 27 right, 253 left, 280 needed: 27 more to the right, or 253 to the left
        {"the child moves right", {276, 300}, {253, 33, 720, 495}, {0, 33}, {280, 33}},
        // 180 right, 100 left, 204 needed: 24 to the left, or 104 to the right
        {"the child moves left a little", {200, 300}, {100, 33, 720, 495}, {800, 33}, {76, 33}},
        // 90 right, 190 left: 114 to the left, or 14 to the right
        {"the child moves right a little", {200, 300}, {190, 33, 720, 495}, {0, 33}, {204, 33}},
        {"no room at all: child left, tool right", {400, 300}, {253, 33, 720, 495}, {600, 33}, {0, 33}},
        {"the tool ends inside the area", {200, 300}, {100, 500, 600, 80}, {704, 300}, {100, 500}},
    };
    for (const Row& r : rows) {
        const auto [tool, child] = Forms::sideBySide(r.tool, r.child, QSize(1000, 600));
        EXPECT_EQ(std::tuple(tool, child), std::tuple(r.tool_at, r.child_at)) << r.fall;
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
    EXPECT_DOUBLE_EQ(a->lies().wert, 0.0015);
    QTest::keyClick(a, Qt::Key_Backspace);
    EXPECT_EQ(a->text(), QString("1.5E-"));
    // What is left is no number as a whole: refused, never read as its prefix 1.5.
    EXPECT_FALSE(a->lies().ok());
    EXPECT_EQ(a->lies().wert, 0);

    // Ctrl+C and Ctrl+V pass the filter; a pasted number's comma is its decimal point.
    a->selectAll();
    QTest::keyClick(a, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString("1.5E-"));
    QApplication::clipboard()->setText("2,5");
    b->clear();
    b->setFocus();
    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(b->text(), QString("2.5"));
    EXPECT_DOUBLE_EQ(b->lies().wert, 2.5);
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
