#include <gtest/gtest.h>

#include <cmath>

#include "ChartTestSupport.h"
#include "chart/CurveCopy.h"
#include "chart/HalfLifeMark.h"
#include "base/NumberText.h"
#include "support/TestSupport.h"

using namespace vrn;
using vrn::test::ChartTest;
using vrn::test::MsgRecorder;
using vrn::test::NumberLocaleGuard;

TEST(CurveCopy, LinesOfXTabYInTheLocalesForm) {
    NumberLocaleGuard komma(',', '.');
    EXPECT_EQ(kurveAlsText({0, 0.5}, {1, 0.25}), "0\t1\r\n0,5\t0,25\r\n");
    EXPECT_EQ(kurveAlsText({}, {}), "");
    // Values with more digits are rounded to single precision.
    EXPECT_EQ(kurveAlsText({1.0 / 3.0}, {123456.789}), "0,3333333\t123456,8\r\n");
    // Holes are left out.
    EXPECT_EQ(kurveAlsText({1, 2, 3}, {1E+308, 2, NAN}), "2\t2\r\n");
    NumberLocaleGuard punkt('.', ',');
    EXPECT_EQ(kurveAlsText({0, 0.5}, {1, 0.25}), "0\t1\r\n0.5\t0.25\r\n");
}

TEST(CurveCopy, CurveNumberOfATabCaption) {
    const std::pair<const char*, int> faelle[] = {
        {"K. 12", 12}, {"K. 3", 3}, {"  K. 24  ", 24}, {"K.12", 12}, {"7", 7},   {"K. ", 0},
        {"", 0},       {"K. 25", 0}, {"K. 0", 0},      {"K. -1", 0}, {"abc", 0}, {"K. 2.5", 2},
    };
    for (const auto& [caption, nr] : faelle) EXPECT_EQ(kurvenNummerAusTitel(caption), nr) << caption;
}

class HalfLifeMarks : public ChartTest {};

TEST_F(HalfLifeMarks, EvaluationKindsUseTheStartConcentrationsOfTheData) {
    NumberLocaleGuard punkt('.', ',');
    app.iModell = 4;
    app.iDiagrammTyp = -8;
    app.c0Daten[1] = 0.02f;
    app.c0Daten[2] = 0.04f;
    app.c0[1] = 5;  // not used for an evaluation kind
    app.c0[2] = 5;
    app.k[1] = 0.5;
    const HalbwertszeitMarke m = berechneHalbwertszeitMarke(1);
    // A + B => P: tau = ln(2 - cA0/cB0) / (k (cB0 - cA0)).
    const double erwartet = std::log(2 - 0.02 / 0.04) / (0.5 * (0.04 - 0.02));
    EXPECT_NEAR(m.tau, erwartet, 1e-3);
    EXPECT_EQ(m.statusText, "Halbwertszeit tau(A) = " + Format(static_cast<Single>(erwartet), "#######0.00") + " s");
}

TEST_F(HalfLifeMarks, SimulatedModelsReadTheCurveAndZeroSaysWhy) {
    app.iModell = 7;
    app.iDiagrammTyp = 7;
    app.bNumerisch = true;
    app.tHalbA_sim = 0;
    HalbwertszeitMarke m = berechneHalbwertszeitMarke(1);
    EXPECT_FALSE(m.zeichnen);
    EXPECT_TRUE(m.statusSetzen);
    EXPECT_EQ(m.statusText, "Halbwertszeit liegt nicht im Diagramm-Bereich");
    app.tHalbB_sim = 3.25f;
    m = berechneHalbwertszeitMarke(2);
    EXPECT_TRUE(m.zeichnen);
    EXPECT_FLOAT_EQ(static_cast<float>(m.tau), 3.25f);

    // B of model 14 is simulated but has no curve value: the function beeps and gives 0.
    app.iModell = 14;
    app.iDiagrammTyp = 14;
    MsgRecorder msgs;
    m = berechneHalbwertszeitMarke(2);
    EXPECT_FALSE(m.zeichnen);
    EXPECT_EQ(m.statusText, "Halbwertszeit liegt nicht im Diagramm-Bereich");
    EXPECT_EQ(msgs.beeps(), 1);
}

TEST_F(HalfLifeMarks, UnreachableEquilibriumDrawsNothingAndKeepsTheStatus) {
    app.iModell = 8;
    app.iDiagrammTyp = 8;
    app.c0[1] = 0.1;
    app.k[1] = 0.1;
    app.k[2] = 0.5;  // equilibrium above c(A)(0)/2
    MsgRecorder msgs;
    const HalbwertszeitMarke m = berechneHalbwertszeitMarke(1);
    EXPECT_FALSE(m.zeichnen);
    EXPECT_FALSE(m.statusSetzen);
    EXPECT_EQ(msgs.count(), 1u);
}

TEST_F(HalfLifeMarks, ClosedFormWithoutHalfLifeSaysItCannotBeReached) {
    app.iModell = 4;
    app.iDiagrammTyp = 4;
    app.c0[1] = 0.1;
    app.c0[2] = 0.04;  // B runs short first
    app.k[1] = 0.5;
    MsgRecorder msgs;
    const HalbwertszeitMarke m = berechneHalbwertszeitMarke(1);
    EXPECT_FALSE(m.zeichnen);
    EXPECT_EQ(m.statusText, "Halbwertszeit tau(A) kann unter diesen Bedingungen nicht erreicht werden");
}
