#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "ChartTestSupport.h"
#include "chart/ChartWindowTables.h"
#include "chart/CurveCopy.h"
#include "chart/HalfLifeMark.h"
#include "platform/MsgBox.h"
#include "base/NumberText.h"
#include "support/TestSupport.h"

using namespace vrn;
using vrn::test::ChartTest;
using vrn::test::MsgRecorder;
using vrn::test::NumberLocaleGuard;

TEST(ChartWindowTables, LineStylesMapToCodesAndBack) {
    const std::pair<const char*, int> erwartet[] = {{"nur Einzelpunkte", 1}, {"Kurve normal", 2}, {"Kurve punktiert", 4},
                                                    {"Kurve gestrichelt", 3}, {"Kurve strichpunkt.", 7}};
    for (std::size_t i = 0; i < kKurvenStile.size(); ++i) {
        EXPECT_STREQ(kKurvenStile[i].text, erwartet[i].first);
        EXPECT_EQ(kKurvenStile[i].code, erwartet[i].second);
        EXPECT_EQ(kurvenStilIndex(kKurvenStile[i].code), static_cast<int>(i));
    }
    for (int code : {5, 6, 0, 8, -1}) EXPECT_EQ(kurvenStilIndex(code), 0) << code;
    EXPECT_EQ(symbolZumLinienstil(1), 2);
    for (int code : {2, 3, 4, 7}) EXPECT_EQ(symbolZumLinienstil(code), 1);
}

TEST(ChartWindowTables, PointStylesCarryTheSymbolCodes) {
    const int codes[] = {2, 10, 4, 11, 6, 9, 3, 5, 7, 8, 1};
    std::set<int> gesehen;
    for (std::size_t i = 0; i < kPunktStile.size(); ++i) {
        EXPECT_EQ(kPunktStile[i].code, codes[i]) << kPunktStile[i].text;
        gesehen.insert(kPunktStile[i].code);
    }
    EXPECT_EQ(gesehen.size(), 11u);
    EXPECT_STREQ(kPunktStile[0].text, "Kreis voll");
    EXPECT_STREQ(kPunktStile[10].text, "versteckt");
}

TEST(ChartWindowTables, SeparatorItems) {
    EXPECT_EQ(trennzeichenIndex(";"), 0);
    EXPECT_EQ(trennzeichenIndex(","), 1);
    EXPECT_EQ(trennzeichenIndex("\t"), 2);
    EXPECT_EQ(trennzeichenIndex(" "), 0);
    EXPECT_EQ(trennzeichenIndex(""), 0);
    EXPECT_STREQ(kTrennzeichen[1].text, "Trennzeichen Komma");
}

TEST(ChartWindowTables, HalfLifeItemsPerKind) {
    for (int kind = -12; kind <= 101; ++kind) {
        const bool a = (kind >= -8 && kind <= -5) || (kind >= 1 && kind <= 20) || (kind >= 51 && kind <= 70);
        EXPECT_EQ(halbwertszeitAAngeboten(kind), a) << kind;
    }
    const std::set<int> b{-8, 4, 7, 9, 10, 12, 13, 17, 54, 57, 59, 60, 62, 63, 67, 68};
    for (int kind = -12; kind <= 101; ++kind) EXPECT_EQ(halbwertszeitBAngeboten(kind), b.count(kind) == 1) << kind;
}

TEST(ChartWindowTables, MenuNamesAreUniqueAndArraysComplete) {
    std::set<std::string> namen;
    int kurven = 0, punkte = 0;
    for (const MenuRow& r : chartMenuRows()) {
        if (!r.caption) continue;
        EXPECT_TRUE(namen.insert(r.name).second) << r.name;
        const std::string n = r.name;
        if (n.rfind("mnuSubDelKurv(", 0) == 0) ++kurven;
        if (n.rfind("mnuSubDelPoints(", 0) == 0) ++punkte;
    }
    EXPECT_EQ(kurven, 25);
    EXPECT_EQ(punkte, 8);
}

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

TEST_F(HalfLifeMarks, ClosedFormModelTwo) {
    NumberLocaleGuard komma(',', '.');
    app.iModell = 2;
    app.iDiagrammTyp = 2;
    app.c0[1] = 0.1;
    app.k[1] = 0.15;
    app.sZeiteinheit = "min";
    const HalbwertszeitMarke m = berechneHalbwertszeitMarke(1);
    EXPECT_TRUE(m.zeichnen);
    EXPECT_NEAR(m.tau, std::log(2.0) / 0.15, 1e-5);
    EXPECT_EQ(m.statusText, "Halbwertszeit tau(A) = 4,62 min");
}

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
