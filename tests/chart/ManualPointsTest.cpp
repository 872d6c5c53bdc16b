#include <gtest/gtest.h>

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "ChartWindowSupport.h"
#include "chart/CurveSlots.h"
#include "platform/ChartControl.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "support/TestSupport.h"

using namespace vrn;
using vrn::test::ChartWindowTest;

namespace {

// ManuXY := the points (x, y) given.
void manu(std::initializer_list<std::pair<Single, Single>> pts) {
    app.ManuXY.assign(1, XYPunkt{static_cast<Single>(pts.size()), 0, 0});
    for (const auto& [x, y] : pts) app.ManuXY.push_back(XYPunkt{x, y, 0});
}

std::vector<double> punkte(const ChartControl& c, int group, int series, bool y) {
    std::vector<double> v;
    for (int i = 1; i <= c.pointCount(group, series); ++i) v.push_back(y ? c.y(group, series, i) : c.x(group, series, i));
    return v;
}

}  // namespace

TEST_F(ChartWindowTest, ManualPointsBecomeSetSevenAndAreOverwrittenOnlyWhenTheUserSaysYes) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    int geschlossen = 0;
    auto alt = frmGraph2D::xyEditorSchliessen();
    frmGraph2D::xyEditorSchliessen() = [&geschlossen] { ++geschlossen; };
    app.gFarbVorwahl = RGB(0, 128, 0);
    vrn::test::MsgRecorder rec;
    manu({{1, 0.05f}, {2, 0.07f}, {3, 0.02f}});
    w.cmdManuPoints->click();
    const ChartControl& c = *w.Chart2D1;
    EXPECT_EQ(rec.count(), 0u);
    EXPECT_EQ(punkte(c, 2, 7, false), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(punkte(c, 2, 7, true), (std::vector<double>{0.05f, 0.07f, 0.02f}));
    EXPECT_EQ(c.style(2, 7).symbolColour, RGB(0, 128, 0));
    EXPECT_TRUE(w.tabPunkte->isTabVisible(6));
    EXPECT_EQ(w.tabPunkte->currentIndex(), 6);
    EXPECT_EQ(w.txtLegendPoints[7]->text(), QString("manuell"));
    EXPECT_EQ(c.seriesLabel(2, 7), "manuell");
    EXPECT_TRUE(w.menuItem("mnuSubDelPoints(7)")->isEnabled());
    EXPECT_TRUE(w.menuItem("mnuDelTotal")->isEnabled());
    EXPECT_EQ(c.axisMin(ChartAxis::Y2), c.axisMin(ChartAxis::Y));
    EXPECT_EQ(punkte(c, 1, 1, false).size(), 201u);  // the simulated curve stays

    // The second time asks; Yes replaces every point, also by a shorter list.
    rec.answer(MsgAnswer::Yes);
    manu({{5, 0.5f}, {6, 0.6f}});
    w.cmdManuPoints->click();
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().text, "Soll der bereits geladene manuelle Datensatz überschrieben werden?\r\n");
    EXPECT_EQ(rec.last().title, "Warnung");
    EXPECT_EQ(rec.last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(rec.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(punkte(c, 2, 7, false), (std::vector<double>{5, 6}));
    EXPECT_EQ(geschlossen, 0);

    // No keeps the set and closes the editor.
    rec.answer(MsgAnswer::No);
    manu({{9, 9}});
    w.cmdManuPoints->click();
    EXPECT_EQ(rec.count(), 2u);
    EXPECT_EQ(punkte(c, 2, 7, false), (std::vector<double>{5, 6}));
    EXPECT_EQ(geschlossen, 1);
    frmGraph2D::xyEditorSchliessen() = alt;
}

TEST_F(ChartWindowTest, ManualCurveTakesTheNextFreePlaceEachTime) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    manu({{0, 1}, {10, 0.5f}, {20, 0.25f}});
    w.cmdManuKurve->click();
    w.cmdManuKurve->click();
    EXPECT_EQ(app.gnKurven, 4);
    for (int nr : {3, 4}) {
        EXPECT_EQ(punkte(*w.Chart2D1, 1, nr, false), (std::vector<double>{0, 10, 20})) << nr;
        EXPECT_EQ(punkte(*w.Chart2D1, 1, nr, true), (std::vector<double>{1, 0.5, 0.25})) << nr;
    }
    // With every place taken the warning is all that happens.
    for (int i = 5; i <= kMaxKurven; ++i) w.cmdManuKurve->click();
    vrn::test::MsgRecorder rec;
    w.cmdManuKurve->click();
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().title, "WARNUNG");
    EXPECT_EQ(app.gnKurven, kMaxKurven);
}

TEST_F(ChartWindowTest, CurveIsSavedAsXYWithTheSeparatorOfTheList) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    manu({{0, 1}, {0.5f, -2}});
    w.cmdManuKurve->click();
    const std::string path = env.folderStd() + "/kurve.XY";
    fileDialogHooks().askSaveFileName = [&path](const SaveBoxRequest&, std::string& chosen) {
        chosen = path;
        return true;
    };
    w.mnuKurvenDesign_Click();
    w.tabKurven->setCurrentIndex(2);
    w.cmbSep->setCurrentIndex(1);
    w.cmbSep->activated(1);
    EXPECT_EQ(app.Trennzeichen, ",");
    QTest::mouseClick(w.cmdSaveCurveAsXY, Qt::LeftButton);
    EXPECT_EQ(vrn::test::readFile(path), "\"Kurvenpunkte\"\r\n.0000000E+00,.1000000E+01\r\n.5000000E+00,-.2000000E+01\r\n");

    // The first curve, the simulation: 201 points from t = 0, c = 0.1.
    w.tabKurven->setCurrentIndex(0);
    QTest::mouseClick(w.cmdSaveCurveAsXY, Qt::LeftButton);
    const std::string text = vrn::test::readFile(path);
    EXPECT_EQ(text.rfind("\"Kurvenpunkte\"\r\n.0000000E+00,.1000000E+00\r\n", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 202);

    // A tab that names no curve: a beep, nothing written.
    w.tabKurven->setTabText(0, "");
    vrn::test::MsgRecorder rec;
    QTest::mouseClick(w.cmdSaveCurveAsXY, Qt::LeftButton);
    EXPECT_EQ(rec.beeps(), 1);
    fileDialogHooks().askSaveFileName = nullptr;
}
