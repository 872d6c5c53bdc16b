#include "ChartWindowSupport.h"
#include "chart/CurvePanel.h"
#include "chart/PointPanel.h"

using namespace vrn;

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

// The question's words and No are walked through from the editor (tests/data).
TEST_F(ChartWindowTest, ManualPointsBecomeSetSevenAndAreOverwrittenOnlyWhenTheUserSaysYes) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    app.gFarbVorwahl = RGB(0, 128, 0);
    vrn::test::MsgRecorder rec;
    manu({{1, 0.05f}, {2, 0.07f}, {3, 0.02f}});
    w.cmdManuPoints->click();
    const ChartControl& c = *w.Chart2D1;
    EXPECT_EQ(std::tuple(rec.count(), punkte(c, 2, 7, false), punkte(c, 2, 7, true), c.style(2, 7).symbolColour),
              std::tuple(0u, std::vector<double>{1, 2, 3}, std::vector<double>{0.05f, 0.07f, 0.02f}, RGB(0, 128, 0)));
    // Its tab, legend text and delete item; the current point set.
    EXPECT_EQ(std::tuple(w.punktePanel->tabPunkte->isTabVisible(6), w.punktePanel->txtLegendPoints[7]->text(),
                         c.seriesLabel(2, 7), w.menuItem("mnuSubDelPoints(7)")->isEnabled(), w.PunktSatzNr),
              std::tuple(true, "manuell", "manuell", true, 7));
    EXPECT_EQ(c.axisMin(ChartAxis::Y2), c.axisMin(ChartAxis::Y));

    // The second time asks; Yes replaces every point, also by a shorter list.
    rec.answer(MsgAnswer::Yes);
    manu({{5, 0.5f}, {6, 0.6f}});
    w.cmdManuPoints->click();
    ASSERT_EQ(rec.count(), 1u);
    EXPECT_EQ(rec.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(punkte(c, 2, 7, false), (std::vector<double>{5, 6}));
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
}

TEST_F(ChartWindowTest, CurveIsSavedAsXYWithTheSeparatorOfTheList) {
    frmGraph2D& w = simulationsDiagramm(2, 0.1, 0, 0.15, 0, 20);
    manu({{0, 1}, {0.5f, -2}});
    w.cmdManuKurve->click();
    const std::string path = env.folderStd() + "/kurve.XY";
    vrn::test::answerFileBoxes(path);
    w.mnuKurvenDesign_Click();
    w.kurvenPanel->tabKurven->setCurrentIndex(2);
    w.kurvenPanel->cmbSep->setCurrentIndex(1);
    w.kurvenPanel->cmbSep->activated(1);
    EXPECT_EQ(app.Trennzeichen, ",");
    QTest::mouseClick(w.kurvenPanel->cmdSaveCurveAsXY, Qt::LeftButton);
    EXPECT_EQ(vrn::test::readFile(path), "\"Kurvenpunkte\"\r\n.0000000E+00,.1000000E+01\r\n.5000000E+00,-.2000000E+01\r\n");
}
